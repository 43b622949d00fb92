#include "encoder/option_string.h"

#include <gtest/gtest.h>

namespace encoder {
namespace {

const forms::NumberLocale point = forms::NumberLocale::point();

// The first worked example: one pass, defaults, "Standard", no feedback switch.
OptionInputs onePass() {
    OptionInputs in;
    in.mode = "1pass";
    in.bitrate = "1000";
    in.cropLeft = in.cropRight = in.cropTop = in.cropBottom = "0";
    in.width = "720";
    in.height = "540";
    in.resample = "very sharp";
    in.pre = "None";
    in.psy = "Fast";
    in.keyframes = "200";
    in.dir = "c:\\";
    in.log = 1;
    in.prompt = 1;
    in.bFrames = in.gmc = in.qpel = true;
    in.sceneChange = "50 %";
    in.quality = "Standard";
    in.modulation = "0.00";
    in.profile = "None";
    return in;
}

std::string build(const OptionInputs& in, const forms::NumberLocale& loc = point) {
    return optionString(in, loc).toStdString();
}

TEST(OptionString, WorkedExamples) {
    EXPECT_EQ(build(onePass()),
              "-bv1 1000 -psy 2 -key 200 -b -g -q -sc 50 -pq 5 "
              "-vbv 10000000,6291456,4718592 -profile 0");

    OptionInputs in = onePass();
    in.mode = "2nd";
    in.bitrate = "780";
    in.crop = 1;
    in.cropLeft = in.cropRight = "8";
    in.resize = 1;
    in.width = "640";
    in.height = "272";
    in.resample = "soft";
    in.pre = "2";
    in.psy = "Slow";
    in.keyframes = "250";
    in.dir = "C:\\enc\\";
    in.mv = 1;
    in.prompt = 0;
    in.gmc = in.qpel = false;
    in.quality = "Slowest";
    in.modulation = "0.1";
    in.profile = "HomeThter";
    in.noFeedback = 1;
    EXPECT_EQ(build(in),
              "-bvnn 780 -c 8,8,0,0 -r 640,272,2 -pre 2 -psy 1 -key 250 "
              "-log \"C:\\enc\\divx.log\"  -w  -mv \"C:\\enc\\mvinfo.bin\" -p -b -sc 50 -pq 192 "
              "-mod 0.10000 -profile 3 -nf");
}

TEST(OptionString, PassDecidesFilesModulationAndBuffer) {
    OptionInputs in = onePass();
    in.mv = 1;
    const std::string one = build(in);
    EXPECT_EQ(one.find("-log"), std::string::npos);
    EXPECT_EQ(one.find("-mv"), std::string::npos);
    EXPECT_EQ(one.find("-mod"), std::string::npos);

    in.mode = "1st";
    EXPECT_EQ(build(in),
              "-bvn1 1000 -psy 2 -key 200 -log \"c:\\divx.log\"  -mv \"c:\\mvinfo.bin\" -b -g -q "
              "-sc 50 -pq 5 -profile 0");
    // An unknown mode has no rate token, still writes the files, but no buffer or modulation.
    in.mode = "QB";
    in.mv = 0;
    EXPECT_EQ(build(in),
              "1000 -psy 2 -key 200 -log \"c:\\divx.log\" -b -g -q -sc 50 -pq 5 -profile 0");
    in.mode = "2nd";
    in.log = 0;
    EXPECT_EQ(build(in),
              "-bvnn 1000 -psy 2 -key 200 -log \"c:\\divx.log\" -b -g -q -sc 50 -pq 5 "
              "-mod 0.000000 -profile 0");
}

TEST(OptionString, ProfilesCarryTheirBufferTriples) {
    OptionInputs in = onePass();
    in.bitrate = "1234.5";
    const auto tail = [&](const char* profile) {
        in.profile = profile;
        const std::string s = build(in);
        return s.substr(s.find("-pq 5 ") + 6);
    };
    EXPECT_EQ(tail("Handheld"), "-vbv 1280000,262144,196608 -profile 1");
    EXPECT_EQ(tail("Portable"), "-vbv 768000,1048576,786432 -profile 2");
    EXPECT_EQ(tail("HomeThter"), "-vbv 12345000,3145728,2359296 -profile 3");
    EXPECT_EQ(tail("Hight Def"), "-vbv 12345000,6291456,4718592 -profile 4");
    EXPECT_EQ(tail("None"), "-vbv 12345000,6291456,4718592 -profile 0");
    EXPECT_EQ(tail("Home"), "");
}

TEST(OptionString, CropResizeAndCaptionsOutsideTheirLists) {
    OptionInputs in = onePass();
    in.crop = 2;  // grayed still crops
    in.cropLeft = "8px";
    in.cropRight = "";
    in.cropTop = "abc";
    in.cropBottom = "2.5";
    in.resize = 1;
    in.psy = "None";
    in.quality = "Turbo";
    in.profile = "Home";
    const auto filter = [&](const char* caption) {
        in.resample = caption;
        return build(in);
    };
    EXPECT_EQ(filter("very soft"),
              "-bv1 1000 -c 8,0,0,2.5 -r 720,540,1 -key 200 -b -g -q -sc 50 -pq ");
    EXPECT_NE(filter("soft").find("-r 720,540,2 "), std::string::npos);
    EXPECT_NE(filter("sharp").find("-r 720,540,3 "), std::string::npos);
    EXPECT_NE(filter("very sharp").find("-r 720,540,4 "), std::string::npos);
    // Numbers the builder writes itself follow the user's decimal separator.
    EXPECT_NE(build(in, forms::NumberLocale::comma()).find("-c 8,0,0,2,5 "), std::string::npos);
}

TEST(OptionString, SwitchesAndEmptyBitrate) {
    OptionInputs in = onePass();
    in.bitrate = "";
    in.prompt = 0;
    in.bFrames = false;
    in.noFeedback = 1;
    in.sceneChange = "75 %";
    in.pre = "4";
    EXPECT_EQ(build(in),
              "-bv1  -pre 4 -psy 2 -key 200 -p -g -q -sc 75 -pq 5 -vbv 0,6291456,4718592 "
              "-profile 0 -nf");
    in.prompt = 2;      // only an unticked box lets the codec prompt
    in.noFeedback = 2;  // only a ticked box switches the window off
    EXPECT_EQ(build(in).find("-p "), std::string::npos);
    EXPECT_EQ(build(in).find("-nf"), std::string::npos);
}

TEST(OptionString, OverflowingBitrateThrows) {
    OptionInputs in = onePass();
    in.bitrate = QString(400, QLatin1Char('9'));
    EXPECT_THROW(build(in), forms::RuntimeError);
    in.mode = "2nd";  // no buffer token, nothing to overflow
    EXPECT_NO_THROW(build(in));
}

}  // namespace
}  // namespace encoder
