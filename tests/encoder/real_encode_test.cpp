// Encodes a synthetic film with the ffmpeg command Korvel builds and checks that the file is what
// the settings promised: codec, tag, picture size, B-frames, sound and, after two passes, the size.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/korvel.h"
#include "calc/bitrate.h"
#include "encoder/encoder.h"
#include "platform/memory_services.h"
#include "shell.h"

namespace {

const int kSeconds = 30;
const QString kSource = QStringLiteral("film's source.mkv");

struct Point {
    const char *mode, *sizeMB, *audio, *profile;
    bool bFrames, crop;   // crop: 8 pixels off the left and right
    const char* width;    // typed with resize on; nullptr: no resize
    const char* picture;  // codec, tag, width and height as ffprobe gives them
};

class RealEncode : public ::testing::TestWithParam<Point> {
  protected:
    static void SetUpTestSuite() {
        if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty()) return;
        dir = new QTemporaryDir;
        QString failure;
        runShell(QStringLiteral("ffmpeg -v error -f lavfi -i testsrc2=size=720x540:rate=25 -f "
                                "lavfi -i sine=frequency=440 -t %1 -c:v ffv1 -c:a pcm_s16le %2")
                     .arg(kSeconds)
                     .arg(encoder::shellFileName(kSource)),
                 dir->path(), &failure);
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    }
    static void TearDownTestSuite() { delete dir; }
    // What ffprobe says of the file, as comma-separated values.
    static std::string probe(const QString& file, const char* what) {
        return runShell(QStringLiteral("ffprobe -v error %1 -of csv=p=0 %2")
                            .arg(QLatin1String(what), encoder::shellFileName(file)),
                        dir->path())
            .trimmed()
            .toStdString();
    }
    static inline QTemporaryDir* dir = nullptr;
};

TEST_P(RealEncode, LandsOnTheSizeAsked) {
    if (!dir) GTEST_SKIP() << "ffmpeg is not installed";
    const Point& p = GetParam();
    platform::MemoryServices sv;
    app::Korvel k(sv.services(), forms::NumberLocale::point());
    k.start();
    const auto type = [&](forms::Window& w, const char* name, const QString& text) {
        k.rt.userType(w.get<forms::TextBox>(QLatin1String(name)), text);
    };
    const auto click = [&](forms::Window& w, const char* name) {
        k.rt.userClick(*w.find(QLatin1String(name)));
    };
    type(k.form1, "SS", QString::number(kSeconds));
    type(k.form1, "audio", p.audio);
    type(k.form1, "groesse", p.sizeMB);
    while (k.form1.find("ButtonVBR")->caption() != QLatin1String(p.mode))
        click(k.form1, "ButtonVBR");
    while (k.form1.find("ButtonProfile")->caption() != QLatin1String(p.profile))
        click(k.form1, "ButtonProfile");
    if (!p.bFrames) click(k.form1, "CheckBiDir");
    if (p.crop) {
        click(k.form3, "checkCrop");
        type(k.form3, "cropLeft", "8");
        type(k.form3, "cropRight", "8");
    }
    if (p.width) {
        click(k.form1, "CheckResize");
        type(k.form1, "Bwidth", p.width);
        k.rt.userFocus(*k.form1.find("notebox"));  // leaving the width settles the height
    }
    const qint64 kbps = k.form1.get<forms::TextBox>("kbitps").text().toLongLong();
    ASSERT_EQ(kbps, calc::recommendedBitrate(sv.store, std::atof(p.sizeMB), kSeconds / 60.0,
                                             std::atof(p.audio)));

    const QString output = QStringLiteral("-%1 $kbps.avi").arg(kbps);
    const QString command = k.enc->ffmpegCommand(kSource, output);
    QString failure;
    runShell(command, dir->path(), &failure);
    ASSERT_TRUE(failure.isEmpty()) << command.toStdString() << failure.toStdString();

    EXPECT_EQ(probe(output,
                    "-select_streams v -show_entries "
                    "stream=codec_name,codec_tag_string,width,height"),
              p.picture);
    const std::string frames =
        probe(output, "-select_streams v -read_intervals %+#60 -show_entries frame=pict_type");
    EXPECT_EQ(frames.find('B') != std::string::npos, p.bFrames) << frames;
    EXPECT_EQ(probe(output, "-select_streams a -show_entries stream=codec_name,bit_rate"),
              "mp3," + std::to_string(std::atoi(p.audio) * 1000));

    // Megabytes as the calculator counts them.
    const double size = QFileInfo(dir->path() + QLatin1Char('/') + output).size();
    const double target = std::atof(p.sizeMB) * 1024 * 1024, miss = (size - target) / target * 100;
    std::printf("[ %s ] %s MB, %s kbit/s audio: video %lld kbit/s, %.0f bytes for %.0f, %+.2f %%\n",
                p.mode, p.sizeMB, p.audio, kbps, size, target, miss);
    // One pass only aims at the bitrate; two passes must land on the size.
    EXPECT_LT(std::abs(miss), p.mode == QLatin1String("1pass") ? 25 : 5);
}

INSTANTIATE_TEST_SUITE_P(
    Points, RealEncode,
    ::testing::Values(Point{"2nd", "8", "128", "None", true, false, nullptr, "mpeg4,DX50,720,540"},
                      Point{"1st", "2", "64", "HomeThter", false, true, "640",
                            "mpeg4,DX50,640,480"},
                      Point{"1pass", "4", "96", "None", true, false, "512", "mpeg4,DX50,512,384"}));

}  // namespace
