#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/qt/launcher.h"

using platform::QtLauncher;

namespace {

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

}  // namespace

// The About window's documentation links find the installed files beside the program.
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
    EXPECT_TRUE(QtLauncher::documentationFile("https://example.org", bin).isEmpty());
}
