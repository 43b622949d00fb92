// Films in the real window and on the command line: dropped on the main window, copied and
// encoded through the encode window, read and encoded by `korvel` run as a user runs it; films
// made at test time with the real ffmpeg.
#include <QDir>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <csignal>
#include <filesystem>
#include <fstream>

#include "media/file_name.h"
#include "started_view.h"
#include "ui/encode_window.h"
#include "ui/ffmpeg_menu.h"
#include "ui/film_opener.h"

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// ffmpeg's test picture and a tone, `seconds` long, as `name` in `dir` (any bytes).
QString makeFilm(const QString& dir, const QByteArray& name, const char* size, int seconds,
                 const char* more = "") {
    QProcess p;
    p.setWorkingDirectory(dir);
    p.start("ffmpeg", QStringLiteral("-v error -f lavfi -i testsrc2=size=%1:rate=25 -f lavfi -i "
                                     "sine -t %2 -c:v mpeg4 -q:v 5 %3 made.mkv")
                          .arg(size)
                          .arg(seconds)
                          .arg(more)
                          .split(' ', Qt::SkipEmptyParts));
    EXPECT_TRUE(p.waitForFinished(60000) && p.exitCode() == 0) << p.readAllStandardError().data();
    const QString file = media::fromNativeBytes(QFile::encodeName(dir) + '/' + name);
    fs::rename(fs::path(dir.toStdString()) / "made.mkv", media::nativePath(file));
    return file;
}

QString filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden).join(' ');
}

struct FilmView : StartedView {
    QTemporaryDir dir;
    ~FilmView() override { fs::remove_all(dir.path().toStdString()); }  // Qt cannot, for "caf\xe9"
    ui::FilmOpener opener{k, view};
    ui::FfmpegMenu menu{k, view, &opener};

    // Dragged from a file manager and dropped on `target`; true once the film was read.
    bool drop(QWidget* target, const QString& file) {
        QMimeData data;
        data.setUrls(
            {QUrl::fromEncoded("file://" + media::toNativeBytes(file).toPercentEncoding("/"))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &drop);
        return enter.isAccepted() && QTest::qWaitFor([this] { return !opener.reading(); }, 20000);
    }
    // The right-click menu of the option string, its item `action` chosen; the item's caption.
    QString fromMenu(const char* action) {
        QString caption;
        QTimer::singleShot(0, [&caption, action] {
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(popup, nullptr);
            auto* item = popup->findChild<QAction*>(QLatin1String(action));
            ASSERT_NE(item, nullptr);
            caption = item->text();
            popup->close();
            item->trigger();
        });
        QWidget* box = view.widget(*k.form1.find("DivXBox"));
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(3, 3),
                                box->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(box, &click);
        return caption;
    }
    void type(const char* name, const QString& text) {
        k.rt.userType(k.form1.get<forms::TextBox>(name), text);
    }
    void flag(const char* language) {
        QTest::mouseClick(widget<QWidget>(language), Qt::LeftButton);
    }
};

}  // namespace

// A film dropped on a field or on the window's surface is typed into the play time, frame rate
// and aspect ratio, and named by the option string's tooltip and the ffmpeg command; a file that
// is no film, or no ffprobe, is said in the language on screen and changes nothing.
TEST_F(FilmView, ADroppedFilmFillsTheWindowAndABadOneIsSaid) {
    // No film yet, and no size leaves nothing for the video: said, and nothing copied.
    services.clipboard.setText("kept");
    EXPECT_EQ(fromMenu("copyFfmpegCommand"), "Copy ffmpeg command");
    EXPECT_EQ(services.clipboard.text(), "kept");
    ASSERT_EQ(services.messages.shown.size(), 1u);
    EXPECT_TRUE(
        services.messages.shown[0].text.startsWith("No ffmpeg command: these settings "
                                                   "leave 0 kbit/s for the video"));
    const QString stray = makeFilm(dir.path(), "caf\xe9.mp4", "320x240", 3),
                  wide = makeFilm(dir.path(), "wide film.mkv", "720x576", 2, "-aspect 16:9");
    std::ofstream(media::nativePath(dir.filePath("notes.mkv"))) << "Notes, not a film.\n";
    const struct {
        const char *flag, *target;
        QString file;
        const char* path;  // "": as found
        const char* said;  // the window's values, or how the message starts
    } rows[] = {
        {"english", "groesse", stray, nullptr, "00 00 04 25_fps 133.33"},
        {"english", "Spielzeit", wide, nullptr, "00 00 03 25_fps 177.78"},
        {"deutsch", "Spielzeit", dir.filePath("notes.mkv"), nullptr,
         "\"notes.mkv\" ist kein Film, den Korvel lesen kann (ffprobe: Invalid data"},
        {"french", "notebox", stray, "", "Korvel a besoin de ffprobe pour lire les films"},
    };
    for (const auto& r : rows) {
        flag(r.flag);
        services.messages.shown.clear();
        const QByteArray path = qgetenv("PATH");
        if (r.path) qputenv("PATH", r.path);
        QWidget* target = widget<QWidget>(r.target);
        if (auto* notes = qobject_cast<QPlainTextEdit*>(target)) target = notes->viewport();
        const bool read = drop(target, r.file);
        qputenv("PATH", path);
        ASSERT_TRUE(read) << r.target;
        QStringList shown;
        for (const char* name : {"HH", "MM", "SS", "framerate", "aspect"})
            shown << QString(text(name)).replace(' ', '_');
        const QString got =
            services.messages.shown.empty() ? shown.join(' ') : services.messages.shown[0].text;
        EXPECT_TRUE(got.startsWith(r.said)) << got.toStdString();
        EXPECT_EQ(text("groesse"), "0");  // a dropped film is never typed as text
    }
    // The window kept the wide film, and the command is for it and a file beside it.
    EXPECT_TRUE(services.messages.shown.back().text.contains("sudo apt install ffmpeg"));
    EXPECT_EQ(view.widget(*k.form1.find("DivXBox"))->toolTip(), "Film : " + wide);
    for (const auto& [field, typed] : {std::pair{"groesse", "4"}, {"audio", "96"}})
        type(field, typed);
    EXPECT_EQ(fromMenu("copyFfmpegCommand"), "Copier la commande ffmpeg");
    const QString command = services.clipboard.text();
    EXPECT_TRUE(command.contains("-b:v " + text("kbitps") + "k ") &&
                command.contains("-i '" + wide + "'") &&
                command.endsWith(" '" + dir.filePath("wide film.avi") + "'\n"))
        << command.toStdString();
}

// The encode window, opened from the menu, runs the commands it shows: the bar goes from nothing
// to the whole, and the size reached is said in the language on screen; nothing else is left.
TEST_F(FilmView, TheEncodeWindowRunsToTheSizeReached) {
    const QString film = makeFilm(dir.path(), "four.mkv", "320x240", 4);
    ASSERT_TRUE(drop(view.window(k.form1), film));
    type("groesse", "1");
    type("audio", "64");
    flag("french");
    EXPECT_EQ(fromMenu("encodeWithFfmpeg"), "Encoder avec ffmpeg…");
    ui::EncodeWindow& w = menu.encodeWindow();
    ASSERT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), "Encoder avec ffmpeg");
    EXPECT_EQ(w.output(), dir.filePath("four.avi"));
    EXPECT_TRUE(w.findChild<QPlainTextEdit*>("commands")->toPlainText().contains("four.avi'"));
    auto* bar = w.findChild<QProgressBar*>();
    std::vector<int> steps;
    QObject::connect(bar, &QProgressBar::valueChanged, [&](int v) { steps.push_back(v); });
    auto* start = w.findChild<QPushButton*>("start");
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Return);
    ASSERT_TRUE(w.encoding());
    EXPECT_EQ(bar->value(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.encoding(); }, 60000));
    ASSERT_FALSE(steps.empty());
    EXPECT_TRUE(std::is_sorted(steps.begin(), steps.end()));
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_TRUE(bar->text().startsWith("Passe 1 sur 1 : 100 %")) << bar->text().toStdString();
    const QString said = w.findChild<QPlainTextEdit*>("report")->toPlainText();
    EXPECT_TRUE(
        QRegularExpression("^\\d+\\.\\d Mo sur 1 Mo, [+-]\\d+\\.\\d\\d %$").match(said).hasMatch())
        << said.toStdString();
    EXPECT_EQ(filesIn(dir.path()), "four.avi four.mkv");
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
}

// `korvel` in a shell: --ffmpeg takes the play time from the film; --encode writes the file
// with its progress on standard error and the size reached at the end, refuses to replace a file
// unasked, and Ctrl+C stops it with nothing left behind. What cannot be read is said, status 2.
TEST(CommandLine, FilmsReadAndEncodedFromTheShell) {
    QTemporaryDir dir, home;
    makeFilm(dir.path(), "ten.mkv", "640x480", 10);
    std::ofstream(media::nativePath(dir.filePath("notes.mkv"))) << "Notes, not a film.\n";
    QProcess p;
    p.setWorkingDirectory(dir.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", home.path());
    p.setProcessEnvironment(env);
    // In a process group of its own, as a shell starts a command, with Ctrl+C not ignored.
    p.setChildProcessModifier([] {
        ::setpgid(0, 0);
        ::signal(SIGINT, SIG_DFL);
    });
    const auto run = [&](const QString& args, int status) {
        p.start(KORVEL_PROGRAM, args.split(' '));
        EXPECT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), status) << args.toStdString();
        return QString(p.readAllStandardOutput() + p.readAllStandardError());
    };
    const QString film = "--size 1 --audio 64 ten.mkv ten.avi";
    const QString bitrate = run("--bitrate --time 00:00:11 --size 1 --audio 64", 0).trimmed();
    EXPECT_TRUE(run("--ffmpeg " + film, 0).contains("-b:v " + bitrate + "k "));
    EXPECT_TRUE(run("--ffmpeg --size 1 --audio 64 notes.mkv ten.avi", 2)
                    .startsWith("korvel: \"notes.mkv\" is not a film Korvel can read"));
    const QString done = run("--encode " + film, 0);
    EXPECT_TRUE(done.count("Pass 1 of 1: ") > 2 && done.endsWith("Pass 1 of 1: 100 %\n"));
    EXPECT_TRUE(
        QRegularExpression("^\\d+\\.\\d MB of 1 MB, [+-]\\d+\\.\\d\\d %\n").match(done).hasMatch())
        << done.toStdString();
    const qint64 size = QFileInfo(dir.filePath("ten.avi")).size();
    EXPECT_TRUE(run("--encode " + film, 2).startsWith("korvel: \"ten.avi\" already exists"));

    p.start(KORVEL_PROGRAM, ("--encode --overwrite " + film).split(' '));
    p.setReadChannel(QProcess::StandardError);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return p.canReadLine() && p.readLine().contains("%,"); }, 30000));
    ::kill(-p.processId(), SIGINT);  // Ctrl+C reaches the terminal's whole process group
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_TRUE(p.readAllStandardError().endsWith("korvel: Cancelled.\n"));
    EXPECT_EQ(filesIn(dir.path()), "notes.mkv ten.avi ten.mkv");
    EXPECT_EQ(QFileInfo(dir.filePath("ten.avi")).size(), size);  // replaced only when finished
}
