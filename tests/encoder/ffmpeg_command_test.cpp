#include "encoder/ffmpeg_command.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <functional>

#include "shell.h"

namespace encoder {
namespace {

// The program's first-run settings with a bitrate: one pass, profile "None", no motion options.
FfmpegInputs plain() {
    FfmpegInputs f;
    f.codec.bitrate = "981";
    f.codec.keyframes = "200";
    f.codec.profile = "None";
    f.audioKbps = 96;
    return f;
}

std::string command(const FfmpegInputs& f) {
    return ffmpegCommand(f, "in.vob", "out.avi").toStdString();
}

TEST(FfmpegCommand, OneAndTwoPasses) {
    FfmpegInputs f = plain();
    EXPECT_EQ(command(f),
              "# Not carried over to ffmpeg: performance/quality, scene-change threshold\n"
              "ffmpeg -i 'in.vob' -c:v mpeg4 -vtag DX50 -b:v 981k -maxrate 9810000 -bufsize "
              "6291456 -g 200 -vf setsar=1 -c:a libmp3lame -b:a 96k -f avi 'out.avi'\n");
    f.codec.mode = "1st";
    EXPECT_EQ(command(f),
              "# Not carried over to ffmpeg: performance/quality, scene-change threshold, log file "
              "(ffmpeg keeps its own beside the output)\n"
              "ffmpeg -i 'in.vob' -c:v mpeg4 -vtag DX50 -b:v 981k -g 200 -vf setsar=1 -pass 1 "
              "-passlogfile 'out.avi' -an -f null -\n"
              "ffmpeg -i 'in.vob' -c:v mpeg4 -vtag DX50 -b:v 981k -g 200 -vf setsar=1 -pass 2 "
              "-passlogfile 'out.avi' -c:a libmp3lame -b:a 96k -f avi 'out.avi'\n");
}

// Each setting that reaches the command, and each the command names as left out, on and off.
TEST(FfmpegCommand, EachSettingOnAndOff) {
    const struct {
        std::function<void(FfmpegInputs&)> set;
        const char* present;  // in the text with the setting
        const char* absent;   // in the text without it
    } rows[] = {
        {[](auto& f) { f.codec.bFrames = true; }, " -bf 1 -g", "-bf"},
        {[](auto& f) { f.codec.qpel = true; }, " -flags +qpel -g", "qpel"},
        {[](auto& f) { f.codec.keyframes = "250x"; }, " -g 250 ", " -g 250"},
        // A grayed box still crops; amounts are leading numbers.
        {[](auto& f) {
             f.codec.crop = 2;
             f.codec.cropLeft = "8px";
             f.codec.cropRight = f.codec.cropBottom = "8";
         },
         "-vf crop=iw-16:ih-8:8:0,setsar=1 ", "crop"},
        {[](auto& f) {
             f.codec.crop = f.codec.resize = 1;
             f.codec.cropTop = "4";
             f.codec.width = "640";
             f.codec.height = "480";
         },
         "-vf crop=iw-0:ih-4:0:4,scale=640:480,setsar=1 ", "scale"},
        {[](auto& f) { f.pixelRatio = 1.0666; }, "setsar=1.0666 ", "1.0666"},
        {[](auto& f) { f.pixelRatio = 0; }, "setsar=1 ", "setsar=0"},
        {[](auto& f) { f.audioKbps = 128; }, "-b:a 128k -f avi", "128k"},
        {[](auto& f) { f.audioKbps = 0; }, " -an -f avi", " -an"},
        {[](auto& f) { f.codec.gmc = true; }, "ffmpeg: global motion", "global"},
        {[](auto& f) { f.codec.psy = "Slow"; }, ": psychovisual", "psycho"},
        {[](auto& f) { f.codec.pre = "2"; }, ": pre-processing", "pre-"},
        {[](auto& f) { f.codec.mode = "2nd"; }, "-pass 2", "-pass"},
        {[](auto& f) { f.codec.mode = "2nd"; }, "threshold, modulation, log file", "modulation"},
        {[](auto& f) {
             f.codec.mode = "1st";
             f.codec.mv = 1;
         },
         "output), motion-vector file\n", "motion-vector"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.present);
        FfmpegInputs f = plain();
        EXPECT_EQ(command(f).find(r.absent), std::string::npos) << command(f);
        r.set(f);
        EXPECT_NE(command(f).find(r.present), std::string::npos) << command(f);
    }
}

// The limits of each profile; a profile that allows less than the bitrate says so.
TEST(FfmpegCommand, ProfilesLimitTheRate) {
    const struct {
        const char *profile, *mode, *limits;  // no limits: nullptr
    } rows[] = {{"None", "1pass", " -maxrate 9810000 -bufsize 6291456 -g"},
                {"None", "2nd", nullptr},
                {"Handheld", "1st", " -maxrate 1280000 -bufsize 262144 -g"},
                {"Portable", "1pass", " -maxrate 768000 -bufsize 1048576 -g"},
                {"HomeThter", "2nd", " -maxrate 9810000 -bufsize 3145728 -g"},
                {"Hight Def", "1pass", " -maxrate 9810000 -bufsize 6291456 -g"},
                {"Home", "1pass", nullptr}};
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.profile) + " " + r.mode);
        FfmpegInputs f = plain();
        f.codec.profile = r.profile;
        f.codec.mode = r.mode;
        const std::string s = command(f);
        if (r.limits) {
            EXPECT_NE(s.find(r.limits), std::string::npos) << s;
        }
        EXPECT_EQ(s.find("-maxrate") != std::string::npos, r.limits != nullptr);
        EXPECT_EQ(s.find("# The Portable profile allows at most 768 kbit/s") != std::string::npos,
                  f.codec.profile == "Portable");
    }
}

// What a shell makes of the quoted names: the very names, and nothing run.
TEST(FfmpegCommand, FileNamesReachFfmpegAsTheyAre) {
    const char* names[][2] = {
        {"my film.vob", "my film.vob"},
        {"it's here.avi", "it's here.avi"},
        {"'", "'"},
        {"$HOME $(touch ran) `touch ran`.avi", "$HOME $(touch ran) `touch ran`.avi"},
        {"a\"b;c&d|e>f\\g *.avi", "a\"b;c&d|e>f\\g *.avi"},
        {"-y.avi", "./-y.avi"},
        {"-", "./-"},
        {"pipe:1", "./pipe:1"},
        {"/tmp/-x:y.avi", "/tmp/-x:y.avi"},
        {"dir:x/film.avi", "./dir:x/film.avi"}};
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const auto& [name, seen] : names) {
        SCOPED_TRACE(name);
        EXPECT_EQ(runShell("printf %s " + shellFileName(name), dir.path()).toStdString(), seen);
        // The whole text, with ffmpeg standing in as a function that lists its arguments.
        FfmpegInputs f = plain();
        f.codec.mode = "2nd";
        const QString args =
            runShell("ffmpeg() { printf '<%s>' \"$@\"; echo; }\n" + ffmpegCommand(f, name, name),
                     dir.path());
        const QString word = QStringLiteral("<%1>").arg(QString::fromUtf8(seen));
        EXPECT_EQ(args.count("<-i>" + word), 2) << args.toStdString();
        EXPECT_EQ(args.count("<-passlogfile>" + word), 2);
        EXPECT_TRUE(args.endsWith("<avi>" + word + "\n")) << args.toStdString();
    }
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

}  // namespace
}  // namespace encoder
