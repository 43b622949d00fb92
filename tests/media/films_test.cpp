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

#include "media/border_detection.h"
#include "media/probe.h"

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

ProbeResult probe(const QString& file, int limitMs = 20000) {
    Probe p;
    p.setTimeLimit(limitMs);
    return await(p, &Probe::finished, [&] { p.start(file); });
}

BorderResult detect(const QString& file) {
    BorderDetection d;
    return await(d, &BorderDetection::finished, [&] { d.start(file); });
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
        EXPECT_EQ(p.problem, r.problem) << r.file.toStdString() << ": " << p.message.toStdString();
        EXPECT_EQ(p.ok(), p.message.isEmpty());
        const FilmInfo& f = p.film;
        const QString got = p.ok() ? QStringLiteral("%1 %2x%3 %4 %5 %6")
                                         .arg(f.seconds)
                                         .arg(f.width)
                                         .arg(f.height)
                                         .arg(QString::number(f.displayRatio(), 'f', 4))
                                         .arg(f.frameRate, 0, 'g', 4)
                                         .arg(f.audio.empty() ? "" : f.audio[0].codec)
                                   : p.message;
        EXPECT_TRUE(got.startsWith(QString::fromUtf8(r.said))) << got.toStdString();
    }
}

TEST(Films, BordersFoundAroundThePicture) {
    makeFilm("padded.mkv", testPicture("720x432", "25", 4, "-g 10 -vf pad=720:576:0:72 -an"));
    makeFilm("film.avi", testPicture("720x576", "25", 2, "-aspect 16:9 -c:a libmp3lame"));
    const BorderResult none = detect("film.avi");
    EXPECT_TRUE(none.ok()) << none.message.toStdString();
    EXPECT_EQ(none.borders, Borders{});
    const BorderResult found = detect("padded.mkv");
    ASSERT_TRUE(found.ok()) << found.message.toStdString();
    const Borders& b = found.borders;
    for (const int miss : {b.left, b.right, b.top - 72, b.bottom - 72})
        EXPECT_LE(std::abs(miss), 2);
}
