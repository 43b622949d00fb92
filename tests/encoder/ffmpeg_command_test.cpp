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

// The shell text, or the message in its place.
std::string command(const FfmpegInputs& f, const QByteArray& in = "in.vob",
                    const QByteArray& out = "out.avi") {
    const auto job = ffmpegJob(f, in, out);
    if (const auto* r = std::get_if<FfmpegRefusal>(&job))
        return refusalText(*r, i18n::English, forms::NumberLocale::point()).toStdString();
    return shellText(std::get<FfmpegJob>(job)).toStdString();
}

TEST(FfmpegCommand, OneAndTwoPasses) {
    FfmpegInputs f = plain();
    EXPECT_EQ(command(f),
              "# Not carried over to ffmpeg: performance/quality, scene-change threshold\n"
              "ffmpeg -i 'in.vob' -c:v mpeg4 -vtag DX50 -b:v 981k -maxrate 9810000 -bufsize "
              "6291456 -rc_init_occupancy 4718592 -g 200 -vf setsar=1 -c:a libmp3lame -b:a 96k "
              "-f avi 'out.avi'\n");
    f.codec.mode = "1st";
    EXPECT_EQ(command(f),
              "# Not carried over to ffmpeg: performance/quality, scene-change threshold, log file "
              "(ffmpeg keeps its own beside the output)\n"
              "ffmpeg -i 'in.vob' -c:v mpeg4 -vtag DX50 -b:v 981k -g 200 -vf setsar=1 -pass 1 "
              "-passlogfile 'out.avi' -an -f null -\n"
              "ffmpeg -i 'in.vob' -c:v mpeg4 -vtag DX50 -b:v 981k -g 200 -vf setsar=1 -pass 2 "
              "-passlogfile 'out.avi' -c:a libmp3lame -b:a 96k -f avi 'out.avi'\n");
}

// Each setting that reaches the command, and each the command names as left out or changes, on
// and off; values as the window repairs them and the encoder reads them.
TEST(FfmpegCommand, EachSettingOnAndOff) {
    const auto keyframes = [](const char* typed) {
        return [typed](FfmpegInputs& f) { f.codec.keyframes = typed; };
    };
    const auto resize = [](const char* filter) {
        return [filter](FfmpegInputs& f) {
            f.codec.resize = 1, f.codec.width = "640", f.codec.height = "480";
            f.codec.resample = filter;
        };
    };
    const auto audio = [](double kbps) { return [kbps](FfmpegInputs& f) { f.audioKbps = kbps; }; };
    const struct {
        std::function<void(FfmpegInputs&)> set;
        const char* present;  // in the text with the setting
        const char* absent;   // in the text without it
    } rows[] = {
        {[](auto& f) { f.codec.bFrames = true; }, " -bf 1 -g", "-bf"},
        {[](auto& f) { f.codec.qpel = true; }, " -flags +qpel -g", "qpel"},
        {keyframes("abc"), " -g 1 ", " -g 1 "},
        {keyframes("-5"), " -g 5 ", " -g 5 "},
        {keyframes("5000"), " -g 4000 ", " -g 4000"},
        {keyframes("2.5"), " -g 2 ", " -g 2 "},
        // A grayed box still crops; amounts are leading numbers, and none below 0.
        {[](auto& f) { f.codec.crop = 2, f.codec.cropLeft = "8px", f.codec.cropRight = "8"; },
         "-vf crop=iw-16:ih-0:8:0,setsar=1 ", "crop"},
        {[](auto& f) { f.codec.crop = 1, f.codec.cropTop = "-4"; }, "crop=iw-0:ih-0:0:0,",
         "below 0"},
        {[&resize](auto& f) { resize("soft")(f), f.codec.crop = 1, f.codec.cropTop = "4"; },
         "-vf crop=iw-0:ih-4:0:4,scale=640:480:flags=bicubic,setsar=1 ", "scale"},
        {resize("very soft"), "scale=640:480:flags=bilinear,", "scale"},
        {resize("sharp"), ":flags=spline,", "spline"},
        {resize("unheard of"), ":flags=lanczos,", "lanczos"},
        {[](auto& f) { f.pixelRatio = 1.0666; }, "setsar=1.0666 ", "1.0666"},
        {[](auto& f) { f.pixelRatio = 0; }, "setsar=1 ", "setsar=0"},
        {audio(0), " -an -f avi", " -an"},
        // A sound rate MP3 cannot carry: another codec, or the nearest rate with the difference
        // handed to the video.
        {audio(448), "to 320).\nffmpeg -i 'in.vob' -c:v mpeg4 -vtag DX50 -b:v 981k ", "ac3"},
        {audio(1000),
         "# Sound: 1000 kbit/s is no rate ffmpeg writes as asked; PCM, 32000 Hz "
         "stereo at 1024 kbit/s instead, and the video gets 957 kbit/s in place of "
         "981, so the size holds.\n",
         "Sound"},
        {audio(1000), " -b:v 957k -maxrate 9570000 ", "957"},
        {audio(705), " -b:v 980.4k ", "980.4"},
        {audio(100), " -b:v 985k ", "985"},
        {audio(-20), "no sound instead, and the video gets 961 kbit/s", "no sound"},
        {[](auto& f) { f.codec.gmc = true; }, "ffmpeg: global motion", "global"},
        {[](auto& f) { f.codec.psy = "Slow"; }, ": psychovisual", "psycho"},
        {[](auto& f) { f.codec.pre = "2"; }, ": pre-processing", "pre-"},
        {[](auto& f) { f.codec.mode = "2nd"; }, "-pass 2", "-pass"},
        {[](auto& f) { f.codec.mode = "2nd"; }, "threshold, modulation, log file", "modulation"},
        {[](auto& f) { f.codec.mode = "1st", f.codec.mv = 1; }, "output), motion-vector file\n",
         "motion-vector"},
        {[](auto& f) { f.userDefined = true; }, ", your user-defined option string", "user-def"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.present);
        FfmpegInputs f = plain();
        EXPECT_EQ(command(f).find(r.absent), std::string::npos) << command(f);
        r.set(f);
        EXPECT_NE(command(f).find(r.present), std::string::npos) << command(f);
    }
}

// Every audio bitrate becomes one ffmpeg writes as asked: the nearest, of two the lower.
TEST(FfmpegCommand, SoundRates) {
    const struct {
        double asked, written;
        const char* arguments;
    } rows[] = {{0, 0, "-an"},
                {12, 8, "-c:a libmp3lame -b:a 8k -ar 22050"},
                {28, 24, "-c:a libmp3lame -b:a 24k -ar 22050"},
                {352, 320, "-c:a libmp3lame -b:a 320k"},
                {640, 640, "-c:a ac3 -b:a 640k -ar 48000"},
                {705, 705.6, "-c:a pcm_s16le -ar 44100 -ac 1"},
                {1152, 1024, "-c:a pcm_s16le -ar 32000 -ac 2"},
                {9000, 1536, "-c:a pcm_s16le -ar 48000 -ac 2"}};
    for (const auto& r : rows) {
        const FfmpegSound s = ffmpegSound(r.asked);
        EXPECT_EQ(s.kbps, r.written) << r.asked;
        EXPECT_EQ(s.arguments.join(' ').toStdString(), r.arguments) << r.asked;
    }
}

// Settings ffmpeg would refuse, or that would miss the size, give a message instead: what to
// enter. A profile's limit holds in one pass and in two.
TEST(FfmpegCommand, RefusesWhatCannotRunOrMissesTheSize) {
    const auto rate = [](const char* kbps, const char* profile = "None", const char* mode = "1pass",
                         double audio = 96) {
        return [=](FfmpegInputs& f) {
            f.codec.bitrate = kbps;
            f.codec.profile = profile;
            f.codec.mode = mode;
            f.audioKbps = audio;
        };
    };
    const struct {
        std::function<void(FfmpegInputs&)> set;
        const char* said;  // nullptr: a command
        QByteArray in = "in.vob", out = "out.avi";
    } rows[] = {
        {rate("0"), "leave 0 kbit/s for the video, and the encoder needs at least 1 kbit/s"},
        {rate("-5", "None", "2nd"), "leave -5 kbit/s"},
        {rate("5", "None", "1pass", 1000), "leave -19 kbit/s"},
        {rate("1"), nullptr},
        {rate("16000"), nullptr},
        {rate("16001"), "is 16001 kbit/s, more than the 16000 kbit/s the field allows"},
        {rate("1571", "Portable"),
         "the Portable profile allows at most 768 kbit/s of video, and "
         "these settings ask for 1571 kbit/s. Enter a smaller"},
        {rate("1281", "Handheld", "2nd"), "Handheld profile allows at most 1280 kbit/s"},
        {rate("768", "Portable", "1st"), nullptr},
        {rate("1280", "Handheld"), nullptr},
        {rate("1280", "Handheld", "1pass", 100), "ask for 1284 kbit/s"},
        {rate("20000", "Hight Def"), "more than the 16000"},
        {rate("0", "Portable", "1pass", 9000), "leave 0 kbit/s"},
        {rate("16000", "None", "1pass", 1026), "is 16002 kbit/s, more than"},
        {[](FfmpegInputs& f) { f.codec.crop = 1, f.codec.cropLeft = QString(400, '9'); },
         "a number in the settings lies outside what ffmpeg takes"},
        {[](FfmpegInputs& f) { f.pixelRatio = 256; }, "outside"},
        {[](FfmpegInputs& f) { f.codec.resize = 1, f.codec.width = "8191"; }, "outside"},
        {rate("981"), "need a file name each", "", "out.avi"},
        {rate("981"), "need a file name each", "in.vob", ""},
        {rate("981"), "the output would overwrite the input", "film", "film"},
    };
    for (const auto& r : rows) {
        FfmpegInputs f = plain();
        r.set(f);
        const std::string s = command(f, r.in, r.out);
        SCOPED_TRACE(s);
        EXPECT_EQ(s.rfind("No ffmpeg command: ", 0) == 0, r.said != nullptr);
        if (r.said) {
            EXPECT_NE(s.find(r.said), std::string::npos);
        }
    }
    FfmpegInputs f = plain();
    rate("1571", "Portable")(f);
    EXPECT_TRUE(refusalText(std::get<FfmpegRefusal>(ffmpegJob(f, "a", "b")), i18n::German,
                            forms::NumberLocale::comma())
                    .startsWith("Kein ffmpeg-Befehl: Das Profil Portable erlaubt höchstens 768"));
}

// What a shell makes of the quoted names: the very bytes, valid text or not, and nothing run.
// A name ffmpeg would misread gets "./", for the shell and for a runner alike.
TEST(FfmpegCommand, FileNamesReachFfmpegByteForByte) {
    const char* names[][2] = {
        {"my film.vob", "my film.vob"},
        {"it's here.avi", "it's here.avi"},
        {"$HOME $(touch ran) `touch ran`.avi", "$HOME $(touch ran) `touch ran`.avi"},
        {"a\"b;c&d|e>f\\g *.avi", "a\"b;c&d|e>f\\g *.avi"},
        {"caf\xe9 \xff.vob", "caf\xe9 \xff.vob"},
        {"-y.avi", "./-y.avi"},
        {"pipe:1", "./pipe:1"},
        {"/tmp/-x:y.avi", "/tmp/-x:y.avi"},
        {"dir:x/film.avi", "./dir:x/film.avi"}};
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const auto& [name, seen] : names) {
        SCOPED_TRACE(name);
        EXPECT_EQ(runShell("printf %s " + shellQuoted(name), dir.path()), name);
        // The whole text, with ffmpeg standing in as a function that lists its arguments.
        FfmpegInputs f = plain();
        f.codec.mode = "2nd";
        const auto job = std::get<FfmpegJob>(ffmpegJob(f, name, QByteArray(name) + ".avi"));
        const QByteArray args =
            runShell("ffmpeg() { printf '<%s>' \"$@\"; echo; }\n" + shellText(job), dir.path());
        const QByteArray word = '<' + QByteArray(seen) + '>';
        EXPECT_EQ(args.count("<-i>" + word), 2) << args.toStdString();
        EXPECT_EQ(args.count("<-passlogfile>" + word.chopped(1) + ".avi>"), 2);
        EXPECT_TRUE(args.endsWith("<avi>" + word.chopped(1) + ".avi>\n")) << args.toStdString();
        EXPECT_EQ(job.passes[1].arguments[1], seen);
    }
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    const auto job = std::get<FfmpegJob>(ffmpegJob(plain(), "film ä.vob", "-out.avi"));
    EXPECT_EQ(job.passes[0].processArguments({"-progress", "pipe:1"}).mid(0, 4),
              QStringList({"-progress", "pipe:1", "-i", QStringLiteral("film ä.vob")}));
    EXPECT_EQ(job.passes[0].processArguments().last(), "./-out.avi");
}

}  // namespace
}  // namespace encoder
