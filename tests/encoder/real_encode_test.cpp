// Encodes a synthetic film with the ffmpeg command Korvel builds and checks that the file is what
// the settings promised: codec, tag, picture size, B-frames, sound and the size.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/korvel.h"
#include "calc/bitrate.h"
#include "encoder/ffmpeg_command.h"
#include "platform/memory_services.h"
#include "shell.h"

namespace {

const int kSeconds = 20;
const QByteArray kSource = "film's source.mkv";

struct Point {
    const char *mode, *sizeMB, *audio, *profile;
    bool bFrames, crop;        // crop: 8 pixels off the left and right
    const char* width;         // typed with resize on; nullptr: no resize
    const char* picture;       // codec, tag, width and height as ffprobe gives them
    const char* sound;         // codec and bitrate as ffprobe gives them
    bool commandLine = false;  // a fresh install asked with --time, --size and --audio instead
};

class RealEncode : public ::testing::TestWithParam<Point> {
  protected:
    static void SetUpTestSuite() {
        if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty()) return;
        dir = new QTemporaryDir;
        QString failure;
        runShell(
            "ffmpeg -v error -f lavfi -i testsrc2=size=720x540:rate=25 -f lavfi -i "
            "sine=frequency=440 -t " +
                QByteArray::number(kSeconds) + " -c:v ffv1 -c:a pcm_s16le " +
                encoder::shellQuoted(kSource),
            dir->path(), &failure);
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    }
    static void TearDownTestSuite() { delete dir; }
    // What ffprobe says of the file, as comma-separated values.
    static std::string probe(const QByteArray& file, const char* what) {
        return runShell("ffprobe -v error " + QByteArray(what) + " -of csv=p=0 " +
                            encoder::shellQuoted("./" + file),
                        dir->path())
            .trimmed()
            .toStdString();
    }
    // The command the window gives for the point, and its video bitrate.
    static QByteArray windowCommand(const Point& p, const QByteArray& output, qint64* kbps) {
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
        *kbps = k.form1.get<forms::TextBox>("kbitps").text().toLongLong();
        const auto job = k.ffmpegJob(kSource, output);
        return encoder::shellText(std::get<encoder::FfmpegJob>(job));
    }
    // What `korvel --ffmpeg` prints with no settings file at all.
    static QByteArray freshCommand(const Point& p, const QByteArray& output) {
        QTemporaryDir home;
        QProcess korvel;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        korvel.setProcessEnvironment(env);
        korvel.start(QStringLiteral(KORVEL_PROGRAM),
                     {"--ffmpeg", "--time", QStringLiteral("00:00:%1").arg(kSeconds), "--size",
                      p.sizeMB, "--audio", p.audio, "--", kSource, output});
        korvel.waitForFinished();
        EXPECT_EQ(korvel.exitCode(), 0) << korvel.readAllStandardError().toStdString();
        EXPECT_TRUE(QDir(home.path()).isEmpty());
        return korvel.readAllStandardOutput();
    }
    static inline QTemporaryDir* dir = nullptr;
};

TEST_P(RealEncode, LandsOnTheSizeAsked) {
    if (!dir) GTEST_SKIP() << "ffmpeg is not installed";
    const Point& p = GetParam();
    const double size = std::atof(p.sizeMB), audio = std::atof(p.audio);
    const qint64 asked = calc::recommendedBitrate(size, kSeconds / 60.0, audio, 1048, -10);
    const QByteArray output =
        QByteArray(p.commandLine ? "-cli " : "-") + p.profile + ' ' + p.audio + " $kbps.avi";
    qint64 kbps = asked;
    const QByteArray command =
        p.commandLine ? freshCommand(p, output) : windowCommand(p, output, &kbps);
    ASSERT_EQ(kbps, asked);
    ASSERT_TRUE(command.contains("-b:v " + QByteArray::number(asked) + "k ")) << command.data();
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
    EXPECT_EQ(probe(output, "-select_streams a -show_entries stream=codec_name,bit_rate"), p.sound);

    // Megabytes as the calculator counts them.
    const double bytes = QFileInfo(dir->path() + QLatin1Char('/') + output).size();
    const double target = size * 1024 * 1024, miss = (bytes - target) / target * 100;
    std::printf(
        "[ %s %s ] %s MB, %s kbit/s audio: video %lld kbit/s, %.0f bytes for %.0f, %+.2f %%\n",
        p.mode, p.profile, p.sizeMB, p.audio, kbps, bytes, target, miss);
    EXPECT_LT(std::abs(miss), 5);
}

INSTANTIATE_TEST_SUITE_P(
    Points, RealEncode,
    ::testing::Values(
        Point{"2nd", "5", "128", "None", true, false, nullptr, "mpeg4,DX50,720,540", "mp3,128000"},
        Point{"1st", "2", "64", "HomeThter", false, true, "640", "mpeg4,DX50,640,480", "mp3,64000"},
        Point{"1pass", "3", "96", "None", true, false, "512", "mpeg4,DX50,512,384", "mp3,96000"},
        // Sound MP3 cannot carry, a small device's profile, and a script with no settings file.
        Point{"2nd", "4", "448", "None", true, false, nullptr, "mpeg4,DX50,720,540", "ac3,448000"},
        Point{"1st", "2", "96", "Portable", true, false, nullptr, "mpeg4,DX50,720,540",
              "mp3,96000"},
        Point{"1pass", "3", "96", "None", true, false, nullptr, "mpeg4,DX50,720,540", "mp3,96000",
              true}));

}  // namespace
