// The real services the in-memory ones stand in for everywhere else.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QOperatingSystemVersion>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "forms/runtime.h"
#include "platform/qt/file_log.h"
#include "platform/qt/launcher.h"
#include "platform/qt/message_box.h"
#include "platform/qt/program_end.h"
#include "platform/qt/random.h"
#include "platform/qt/timer_driver.h"
#include "platform/qt/window_effects.h"

using namespace platform;

namespace {

TEST(QtMessageBox, EveryKindOfLineBreakIsOneLine) {
    EXPECT_EQ(messageLines("a\rb\r\nc\nd\r\r"), "a\nb\nc\nd\n\n");
}

TEST(QtRandom, UniformBelowOneAndReseeded) {
    QtRandom a(7), b(7);
    b.reseed();
    EXPECT_NE(a.next(), b.next());  // a reseeded generator leaves the seed's sequence
    double sum = 0;
    for (int i = 0; i < 20000; ++i)
        sum += a.next();
    EXPECT_NEAR(sum / 20000, 0.5, 0.01);
}

TEST(QtProgramEnd, EndAskedBeforeTheLoopRunsStillEndsIt) {
    QtProgramEnd end;
    end.end(true);
    EXPECT_TRUE(end.ended() && end.savedAtEnd());
    QTimer guard;  // a missed end fails instead of hanging
    guard.callOnTimeout([] { QCoreApplication::exit(1); });
    guard.start(3000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

TEST(QtWindowEffects, OpacityReachesTheRegisteredTopLevelWindow) {
    QtWindows windows;
    QtWindowEffects effects(windows);
    auto window = std::make_unique<QWidget>();
    windows.add("Form2", new QWidget(window.get()));
    EXPECT_EQ(effects.setOpacity("Form2", 128), 0);
    EXPECT_DOUBLE_EQ(window->windowOpacity(), 128 / 255.0);
    EXPECT_EQ(effects.setOpacity("Form9", 128), 2);
    window.reset();
    EXPECT_EQ(effects.setOpacity("Form2", 128), 2);
}

// Each write replaces the whole file, with the platform's line ends for the debug text's.
TEST(FileLog, EachWriteReplacesTheWholeFileInMissingFoldersOrFails) {
    QTemporaryDir dir;
    FileLog log(dir.filePath("new/folder/log.txt"));
    ASSERT_TRUE(log.write("a long first text\rwith two lines"));
    ASSERT_TRUE(log.write("Größe\rx\r\ny"));
    QFile f(log.location());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString eol =
        QOperatingSystemVersion::currentType() == QOperatingSystemVersion::Windows ? "\r\n" : "\n";
    EXPECT_EQ(f.readAll(), QString("Größe%1x%1y").arg(eol).toUtf8());
    ASSERT_TRUE(QFile(dir.filePath("plain")).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QDir(dir.path()).mkdir("log.txt"));
    EXPECT_FALSE(FileLog(dir.filePath("plain/log.txt")).write("x"));
    EXPECT_FALSE(FileLog(dir.filePath("log.txt")).write("x"));
}

struct TimerDriver : ::testing::Test {
    forms::Runtime rt;
    forms::Timer& timer = rt.addWindow("Form1").add<forms::Timer>("Timer1", 5);
    QtTimerDriver driver{rt};
    int fired = 0;
    TimerDriver() {
        timer.onTimer = [this] { ++fired; };
    }
    bool firesWithin(int ms, int times = 1) {
        const int target = fired + times;
        return QTest::qWaitFor([&] { return fired >= target; }, ms);
    }
};

TEST_F(TimerDriver, FiresWhileEnabledAndANewIntervalStartsTheCountAgain) {
    EXPECT_FALSE(firesWithin(30));
    timer.setInterval(60000);
    timer.setEnabled(true);
    timer.setInterval(5);
    EXPECT_TRUE(firesWithin(1000, 3));
    timer.setInterval(0);  // zero silences
    EXPECT_FALSE(firesWithin(30));
    timer.setInterval(5);
    timer.setEnabled(false);
    EXPECT_FALSE(firesWithin(30));
}

TEST_F(TimerDriver, NothingAHandlerThrowsReachesTheEventLoop) {
    timer.onTimer = [this] {
        ++fired;
        throw 42;
    };
    timer.setEnabled(true);
    EXPECT_TRUE(firesWithin(1000, 2));
}

#ifndef Q_OS_WIN
// A folder standing in for the PATH. Calculators that "work" are copies of `true`, which ends at
// once; the others are empty files the system cannot start. Nothing real is ever launched.
TEST(QtLauncher, StartsTheFirstCalculatorFoundThatRuns) {
    const QString trueProgram = QStandardPaths::findExecutable("true");
    if (trueProgram.isEmpty()) GTEST_SKIP() << "no `true` program";
    QTemporaryDir dir;
    const auto add = [&](const QString& name, bool works, bool executable = true) {
        const QString target = dir.filePath(name);
        EXPECT_TRUE(works ? QFile::copy(trueProgram, target)
                          : QFile(target).open(QIODevice::WriteOnly));
        QFile::setPermissions(target,
                              executable ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner);
        return target;
    };
    QtLauncher launcher({dir.path()});
    EXPECT_FALSE(launcher.startCalculator());
    const QString gnome = add("gnome-calculator", false);
    add("kcalc", true, false);
    EXPECT_FALSE(launcher.startCalculator());
    const QString mate = add("mate-calc", true), x = add("xcalc", true);
    EXPECT_EQ(launcher.calculatorPaths(), QStringList({gnome, mate, x}));
    EXPECT_TRUE(launcher.startCalculator());

    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(dir.path()));
    const QStringList onPath = QtLauncher().calculatorPaths();
    const QStringList inNoFolder = QtLauncher(QStringList()).calculatorPaths();
    qputenv("PATH", path);
    EXPECT_EQ(onPath.size(), 3);
    EXPECT_TRUE(inNoFolder.isEmpty());
}
#endif

// The About window's documentation links find the installed files beside the program, and
// the source tree's only for the program in the build tree.
TEST(QtLauncher, DocumentationLinksFindTheInstalledFiles) {
    QTemporaryDir root;
    QDir(root.path()).mkpath("bin");
    QDir(root.path()).mkpath("share/doc/korvel");
    QFile guide(root.filePath("share/doc/korvel/user-guide.md"));
    ASSERT_TRUE(guide.open(QIODevice::WriteOnly));
    guide.close();
    const QString bin = root.filePath("bin");
    EXPECT_EQ(QtLauncher::documentationFile("doc:user-guide.md", bin),
              QFileInfo(guide.fileName()).canonicalFilePath());
    EXPECT_TRUE(QtLauncher::documentationFile("doc:missing.md", bin).isEmpty());
    EXPECT_TRUE(QtLauncher::documentationFile("doc:README.md", bin).isEmpty());
    const QString inBuild = QCoreApplication::applicationDirPath();
    EXPECT_TRUE(QtLauncher::documentationFile("doc:user-guide.md", inBuild)
                    .endsWith("/docs/user-guide.md"));
    EXPECT_TRUE(QtLauncher::documentationFile("https://example.org", bin).isEmpty());
}

}  // namespace
