// Films read, measured and encoded by the real ffprobe and ffmpeg: short films made at test time
// from ffmpeg's own test sources, bad files of every kind, missing and misbehaving tools.
#include <gtest/gtest.h>

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

#include "app/korvel.h"
#include "calc/bitrate.h"
#include "media/apply.h"
#include "media/border_detection.h"
#include "media/encode_job.h"
#include "media/probe.h"
#include "platform/memory_services.h"

using namespace media;
namespace fs = std::filesystem;

namespace {

// The films' folder, one per test process; the tests run in it. Qt cannot remove names that
// are not UTF-8, so the folder goes the native way.
QString filmDir() {
    static const struct Folder {
        QTemporaryDir made;
        QString path = made.path();
        Folder() { made.setAutoRemove(false); }
        ~Folder() { fs::remove_all(nativePath(path)); }
    } folder;
    QDir::setCurrent(folder.path);
    return folder.path + QLatin1Char('/');
}

// Makes `file` with ffmpeg from `args` unless it is there.
void makeFilm(const QString& file, const QStringList& args) {
    if (fs::exists(nativePath(filmDir() + file))) return;
    QProcess p;
    p.start(QStringLiteral("ffmpeg"), QStringList{"-v", "error", "-y"} + args + QStringList{file});
    ASSERT_TRUE(p.waitForFinished(60000) && p.exitCode() == 0) << p.readAllStandardError().data();
}

// ffmpeg's test picture and a tone, and what else `more` asks.
QStringList testPicture(const char* size, const char* rate, int seconds, const char* more) {
    const QString f(
        "-f lavfi -i testsrc2=size=%1:rate=%2 -f lavfi -i sine -t %3 -c:v mpeg4 -q:v 3 %4");
    return f.arg(size, rate).arg(seconds).arg(more).split(' ');
}

// Starts a job and runs the event loop until it delivers its result.
template <class Job, class Result>
Result await(Job& job, void (Job::*done)(const Result&), const std::function<void()>& go) {
    std::optional<Result> r;
    QEventLoop loop;
    QObject::connect(&job, done, &loop, [&](const Result& x) {
        r = x;
        loop.quit();
    });
    go();
    if (!r) loop.exec();
    return *r;
}

// The names in a folder, sorted, joined by "|".
std::string filesIn(const QString& dir) {
    QStringList names;
    for (const auto& e : fs::directory_iterator(nativePath(dir)))
        names << fromNativeBytes(QByteArray::fromStdString(e.path().filename().string()));
    names.sort();
    return names.join('|').toStdString();
}

// A folder of its own, so the files a job leaves there can be counted.
QString cleanFolder(const QString& name) {
    const QString dir = filmDir() + name + QLatin1Char('/');
    fs::create_directories(nativePath(dir));
    return dir;
}

// PATH for the life of the object.
struct SearchPath {
    QByteArray saved = qgetenv("PATH");
    explicit SearchPath(const QString& path) { qputenv("PATH", path.toLocal8Bit()); }
    ~SearchPath() { qputenv("PATH", saved); }
};

ProbeResult probe(const QString& file, int limitMs = 20000) {
    Probe p;
    p.setTimeLimit(limitMs);
    return await(p, &Probe::finished, [&] { p.start(file); });
}

BorderResult detect(const QString& file) {
    BorderDetection d;
    return await(d, &BorderDetection::finished, [&] { d.start(file); });
}

// ffmpeg `args` writing `out` from `source`, in one pass or more.
EncodeInput encoding(const QString& source, const std::vector<QStringList>& args,
                     const QString& out) {
    EncodeInput in;
    for (const QStringList& a : args)
        in.passes.push_back(QStringList{"ffmpeg", "-i", source} + a);
    in.passes.back() << out;
    in.source = source;
    in.output = out;
    in.filmSeconds = 10;
    return in;
}

EncodeResult encode(const EncodeInput& in) {
    EncodeJob job;
    return await(job, &EncodeJob::finished, [&] { job.start(in); });
}

QString en(const Message& m) {
    return m.text(i18n::English);
}

template <class Result>
std::pair<Problem, QString> said(const Result& r) {
    return {r.problem, en(r.message)};
}

}  // namespace

TEST(Films, ProbeReadsFilmsAndNamesEveryBadInput) {
    makeFilm("film.mkv", testPicture("320x240", "30000/1001", 4, "-g 15 -c:a ac3"));
    makeFilm("film.mp4", testPicture("320x240", "25", 2, "-c:a aac"));
    makeFilm("film.avi", testPicture("720x576", "25", 2, "-aspect 16:9 -c:a libmp3lame"));
    makeFilm("sound.mkv", {"-f", "lavfi", "-i", "sine", "-t", "2", "-c:a", "ac3"});
    std::ofstream("notes.mkv") << "Notes, not a film.\n";
    std::ofstream("empty.mkv");
    fs::create_directory("folder.mkv");
    fs::copy_file("film.mkv", "cut.mkv", fs::copy_options::overwrite_existing);
    fs::resize_file("cut.mkv", fs::file_size("film.mkv") / 3);
    const QStringList names = {"with blanks 'and' \"quotes\".mp4", "-dash.mp4",
                               fromNativeBytes("caf\xe9 \xff.mp4")};
    for (const QString& name : names)
        fs::copy_file("film.mp4", nativePath(name), fs::copy_options::overwrite_existing);
    fs::copy_file("film.mp4", "locked.mp4", fs::copy_options::overwrite_existing);
    fs::permissions("locked.mp4", fs::perms::none);
    const bool lockHolds = !std::ifstream("locked.mp4").is_open();  // not for root

    struct Row {
        QString file;
        Problem problem;
        const char* said;  // in the message, or the film: seconds, size, aspect, rate, sound
    } rows[] = {
        {"film.mkv", Problem::None, "4.01 320x240 1.3333 29.97 ac3"},
        {"film.mp4", Problem::None, "2 320x240 1.3333 25 aac"},
        {"film.avi", Problem::None, "2.04 720x576 1.7778 25 mp3"},
        {names[0], Problem::None, "2 320x240 1.3333 25 aac"},
        {names[1], Problem::None, "2 320x240 1.3333 25 aac"},
        {names[2], Problem::None, "2 320x240 1.3333 25 aac"},
        {"sound.mkv", Problem::AudioOnly, "\"sound.mkv\" holds only sound (ac3), no picture"},
        {"notes.mkv", Problem::NotAFilm,
         "\"notes.mkv\" is not a film Korvel can read (ffprobe: Invalid data found"},
        {"empty.mkv", Problem::Empty, "\"empty.mkv\" is empty"},
        {"cut.mkv", Problem::Truncated, "\"cut.mkv\" is cut short: it announces 0:00:04 of film"},
        {"folder.mkv", Problem::Unreadable, "\"folder.mkv\" is a folder"},
        {"missing.mkv", Problem::Unreadable, "There is no file \"missing.mkv\"."},
        {"locked.mp4", lockHolds ? Problem::Unreadable : Problem::None,
         lockHolds ? "Korvel may not read \"locked.mp4\"" : "2 320x240 1.3333 25 aac"},
    };
    for (const Row& r : rows) {
        const ProbeResult p = probe(r.file);
        EXPECT_EQ(p.problem, r.problem) << r.file.toStdString() << ": " << en(p.message).toStdString();
        EXPECT_EQ(p.ok(), p.message.isEmpty());
        const FilmInfo& f = p.film;
        const QString got = p.ok() ? QStringLiteral("%1 %2x%3 %4 %5 %6")
                                         .arg(f.seconds)
                                         .arg(f.width)
                                         .arg(f.height)
                                         .arg(QString::number(f.displayRatio(), 'f', 4))
                                         .arg(f.frameRate, 0, 'g', 4)
                                         .arg(f.audio.empty() ? "" : f.audio[0].codec)
                                   : en(p.message);
        EXPECT_TRUE(got.startsWith(QString::fromUtf8(r.said))) << got.toStdString();
    }
}

TEST(Films, BordersFoundAroundThePictureTypedIntoTheCropFields) {
    makeFilm("padded.mkv", testPicture("720x432", "25", 4, "-g 10 -vf pad=720:576:0:72 -an"));
    makeFilm("film.avi", testPicture("720x576", "25", 2, "-aspect 16:9 -c:a libmp3lame"));
    const BorderResult none = detect("film.avi");
    EXPECT_TRUE(none.ok()) << en(none.message).toStdString();
    EXPECT_EQ(none.borders, Borders{});
    const BorderResult found = detect("padded.mkv");
    ASSERT_TRUE(found.ok()) << en(found.message).toStdString();
    const Borders& b = found.borders;
    for (const int miss : {b.left, b.right, b.top - 72, b.bottom - 72})
        EXPECT_LE(std::abs(miss), 2);

    platform::MemoryServices sv;
    app::Korvel k(sv.services(), forms::NumberLocale::point());
    k.start();
    EXPECT_FALSE(applyBorders(k, b));  // the settings window is not open
    k.rt.userClick(*k.form1.find("settingsbutton"));
    ASSERT_TRUE(applyBorders(k, b));
    QStringList crop;
    for (const char* name : {"cropLeft", "cropRight", "cropTop", "cropBottom"})
        crop << k.form3.get<forms::TextBox>(name).text() + '=' +
                    sv.store.read(QString(name + 4).toLower(), "-");
    EXPECT_EQ(crop.join(' ').toStdString(), QStringLiteral("%1=%1 %2=%2 %3=%3 %4=%4")
                                                .arg(b.left)
                                                .arg(b.right)
                                                .arg(b.top)
                                                .arg(b.bottom)
                                                .toStdString());
}

TEST(Films, AnEncodeLandsOnTheSizeAskedUnderItsOwnNameOnlyAtTheEnd) {
    makeFilm("ten.mkv", testPicture("640x480", "25", 10, "-c:a pcm_s16le"));
    // A folder whose name is not UTF-8.
    const QString dir = cleanFolder(fromNativeBytes("out \xe9"));
    const QString out = dir + "film.avi", source = filmDir() + "ten.mkv";
    const double mb = 1, audio = 64;
    platform::MemoryServices sv;
    const qint64 kbps = calc::recommendedBitrate(sv.store, mb, 10 / 60.0, audio);
    const QStringList rate = QStringLiteral("-c:v mpeg4 -b:v %1k -passlogfile").arg(kbps).split(' ')
                             << out;
    EncodeInput in =
        encoding(source,
                 {rate + QString("-pass 1 -an -f null -").split(' '),
                  rate + QString("-pass 2 -c:a libmp3lame -b:a 64k -f avi").split(' ')},
                 out);
    in.passFiles = {out + "-0.log"};
    in.targetMB = mb;
    EncodeJob job;
    std::vector<double> shares;
    QObject::connect(&job, &EncodeJob::progress, [&](const EncodeProgress& p) {
        shares.push_back(p.share);
        // Until the last pass ends, nothing bears the output's name.
        EXPECT_FALSE(fs::exists(nativePath(out)));
    });
    const EncodeResult r = await(job, &EncodeJob::finished, [&] { job.start(in); });
    ASSERT_TRUE(r.ok()) << en(r.message).toStdString();
    EXPECT_EQ(filesIn(dir), "film.avi");
    EXPECT_EQ(r.bytes, qint64(fs::file_size(nativePath(out))));
    const double miss = (r.bytes / 1048576.0 - mb) / mb * 100;
    std::printf("[ encode ] %s (video %lld kbit/s)\n", qPrintable(en(r.message)), kbps);
    EXPECT_LT(std::abs(miss), 5);
    EXPECT_EQ(r.message, sizeLine(r.bytes, mb));
    ASSERT_FALSE(shares.empty());
    EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
    EXPECT_EQ(shares.back(), 1);
}

TEST(Films, ACancelOrAClosedJobInTheMiddleLeavesNothing) {
    makeFilm("ten.mkv", testPicture("640x480", "25", 10, "-c:a pcm_s16le"));
    for (const bool close : {false, true}) {
        const QString dir = cleanFolder(close ? "closed" : "cancelled"), out = dir + "film.avi";
        auto job = std::make_unique<EncodeJob>();
        QEventLoop loop;
        std::string during;
        QObject::connect(job.get(), &EncodeJob::progress, [&](const EncodeProgress&) {
            if (!during.empty()) return;
            during = filesIn(dir);
            if (close)
                QTimer::singleShot(0, [&] {
                    job.reset();
                    loop.quit();
                });
            else
                job->cancel();
        });
        std::optional<EncodeResult> r;
        QObject::connect(job.get(), &EncodeJob::finished, [&](const EncodeResult& x) {
            r = x;
            loop.quit();
        });
        EncodeInput in = encoding("ten.mkv", {{"-c:v", "mpeg4", "-f", "avi"}}, out);
        in.passes[0].insert(1, "-re");  // in real time, so it is still writing when stopped
        job->start(in);
        loop.exec();
        // Only the partial file, under another name.
        EXPECT_TRUE(
            QString::fromStdString(during).contains(QRegularExpression("^\\.korvel-\\w+\\.avi$")))
            << during;
        EXPECT_TRUE(close || r->problem == Problem::Cancelled);
        EXPECT_EQ(filesIn(dir), "") << (close ? "closed" : "cancelled");
    }
}

TEST(Films, MissingHangingAndFailingToolsAreNamed) {
    makeFilm("film.mp4", testPicture("320x240", "25", 2, "-c:a aac"));
    const QString tools = cleanFolder("tools"), nothing = cleanFolder("nothing");
    const auto script = [&](const char* name, const char* text) {
        std::ofstream(nativePath(tools + name)) << "#!/bin/sh\n" << text;
        fs::permissions(nativePath(tools + name), fs::perms::owner_all);
    };
    script("ffprobe", "exec /bin/sleep 30\n");
    script("ffmpeg", "echo 'Input #0, lavfi' >&2\necho 'Conversion failed!' >&2\nexit 1\n");
    const QString realProbe = QStandardPaths::findExecutable("ffprobe"),
                  onlyProbe = cleanFolder("probe");
    fs::create_symlink(nativePath(realProbe), nativePath(onlyProbe + "ffprobe"));
    const QString out = cleanFolder("encodes") + "film.avi";
    std::ofstream(nativePath(out)) << "kept";
    EncodeInput failing = encoding("film.mp4", {{"-f", "avi"}}, out), refused = failing;
    failing.overwrite = true;
    struct Row {
        QString path;
        std::function<std::pair<Problem, QString>()> run;
        Problem problem;
        const char* said;
    } rows[] = {
        {nothing, [] { return said(probe("film.mp4")); }, Problem::MissingTool,
         "Korvel needs ffprobe to read films"},
        {tools, [] { return said(probe("film.mp4", 300)); }, Problem::TimedOut,
         "ffprobe did not finish with \"film.mp4\" within 0.3 seconds"},
        {onlyProbe, [] { return said(detect("film.mp4")); }, Problem::MissingTool,
         "Korvel needs ffmpeg to find a film's black borders"},
        {nothing, [&] { return said(encode(failing)); }, Problem::MissingTool,
         "Korvel needs ffmpeg to encode films"},
        {tools,
         [&] {
             const EncodeResult r = encode(failing);
             return std::pair(r.problem, en(r.message) + '|' + r.lastLines.join('|'));
         },
         Problem::ToolFailed,
         "ffmpeg stopped with an error in pass 1 of 1. Its last words:\nInput #0, lavfi\n"
         "Conversion failed!|Input #0, lavfi|Conversion failed!"},
        {qgetenv("PATH"), [&] { return said(encode(refused)); }, Problem::OutputExists,
         "\"film.avi\" already exists; Korvel replaces it only when you agree."},
    };
    for (const Row& r : rows) {
        SearchPath path(r.path);
        const auto [problem, text] = r.run();
        EXPECT_EQ(problem, r.problem) << text.toStdString();
        EXPECT_TRUE(text.startsWith(QString::fromUtf8(r.said))) << text.toStdString();
        EXPECT_TRUE(problem != Problem::MissingTool || text.contains("sudo apt install ffmpeg"));
        EXPECT_EQ(filesIn(QFileInfo(out).path()), "film.avi");
    }
    std::ifstream kept(nativePath(out));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "kept");
}
