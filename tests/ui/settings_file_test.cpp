// The real program over its real settings file: how the system ends it, and a file it cannot use.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

// The program on an offscreen display, its settings in a folder of its own.
struct Program {
    QTemporaryDir config;
    QProcess p;
    QString err, ini = config.filePath("Korvel/Korvel.ini");
    static QByteArray read(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
    }
    void write(const QString& file, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(file).path());
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    // Started as from a terminal, whatever signals the test runner ignores.
    void start(const QStringList& args = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();  // offscreen
        env.insert("XDG_CONFIG_HOME", config.path());
        p.setProcessEnvironment(env);
        p.setChildProcessModifier([] {
            for (const int s : {SIGTERM, SIGHUP, SIGINT})
                ::signal(s, SIG_DFL);
        });
        p.start(QStringLiteral(KORVEL_PROGRAM), args);
    }
    void end(int sig, const std::function<bool()>& started) {
        for (int i = 0; i < 200 && !started(); ++i)
            QTest::qWait(50);
        ::kill(p.processId(), sig);
        EXPECT_TRUE(p.waitForFinished(10000));
    }
    QString errors() { return err += QString::fromUtf8(p.readAllStandardError()); }
};

// Logout or shutdown (SIGTERM), a closed terminal (SIGHUP) and Ctrl+C (SIGINT) end the program as
// closing its window does: every value written, the marker saying it ended cleanly. A kill
// leaves the marker of a crash, which erases the settings at the next start.
TEST(SettingsFile, TheSystemsEndSavesAndOnlyAKillCounts) {
    for (const int sig : {SIGTERM, SIGHUP, SIGINT, SIGKILL}) {
        Program run;
        run.write(run.ini, "[Values]\nversion=0025\nMKI=250\nHH=01\nMM=30\naudio=128\n");
        run.start();
        run.end(sig, [&] { return run.read(run.ini).contains("version=0\n"); });
        const QByteArray after = run.read(run.ini);
        EXPECT_TRUE(after.contains("audio=128\n") && after.contains("MKI=250\n")) << sig;
        EXPECT_EQ(after.contains("seconds=5400\n"), sig != SIGKILL) << sig;
        EXPECT_EQ(after.contains("version=0025\n"), sig != SIGKILL) << sig;
        EXPECT_EQ(run.p.exitStatus() == QProcess::NormalExit && !run.p.exitCode(), sig != SIGKILL);
    }
}

// A file the program cannot use is said once on standard error. A damaged one is kept as
// Korvel.ini.broken, and the program starts from the defaults and saves again; one it cannot
// write (here a file where its folder should be) stays as it is.
TEST(SettingsFile, AFileItCannotUseIsSaidOnceAndKept) {
    QByteArray noise(3000, 0);
    QRandomGenerator(20).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    for (const int row : {0, 1}) {
        Program run;
        const QString file = row == 1 ? run.config.filePath("Korvel") : run.ini;
        run.write(file, row == 0 ? noise : "[Values]\nMKI=250\n");
        const QByteArray before = run.read(file);
        const QString said = row == 0 ? " is damaged; it is kept as " + run.ini +
                                            ".broken, and Korvel starts from the defaults\n"
                                      : "; settings will not be kept\n";
        run.start();
        run.end(SIGTERM, [&] {  // said, and a new file begun where one can be
            return run.errors().contains(said) && (row || run.read(run.ini).contains("cleared=0"));
        });
        EXPECT_EQ(run.errors().count(said), 1) << row;
        EXPECT_EQ(run.read(row == 0 ? file + ".broken" : file), before) << row;
        EXPECT_EQ(run.read(run.ini).contains("version=0025\n"), row == 0) << row;
    }
    // The command line says so too, and changes nothing.
    Program line;
    line.write(line.ini, noise);
    line.start(
        {"--ffmpeg", "in.vob", "out.avi", "--time", "1:30:00", "--size", "700", "--audio", "96"});
    ASSERT_TRUE(line.p.waitForFinished(10000));
    EXPECT_EQ(line.p.exitCode(), 0);
    EXPECT_EQ(line.errors(),
              "korvel: the settings file " + line.ini + " is damaged; the defaults are used\n");
    EXPECT_EQ(line.read(line.ini), noise);
}

}  // namespace
