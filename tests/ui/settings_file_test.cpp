// The real program over its real settings file: how the system ends it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

// The program on an offscreen display, its settings under a folder of its own.
struct Program {
    QTemporaryDir config;
    QProcess p;
    QString ini() const { return config.filePath("Korvel/Korvel.ini"); }
    QByteArray read(const QString& file) const {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
    }
    void write(const QByteArray& bytes) {
        QDir(config.path()).mkpath("Korvel");
        QFile f(ini());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    void start(const QStringList& args = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", config.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        // As from a terminal, whatever the test runner ignores.
        p.setChildProcessModifier([] {
            for (const int s : {SIGTERM, SIGHUP, SIGINT})
                ::signal(s, SIG_DFL);
        });
        p.start(QStringLiteral(KORVEL_PROGRAM), args);
    }
    template <class Done>
    bool waitUntil(Done done) {
        for (int i = 0; i < 200 && !done(); ++i)
            QTest::qWait(50);
        return done();
    }
    bool stored(const QByteArray& line) const { return read(ini()).contains(line); }
    // The system ends the program.
    void end(int sig) {
        ::kill(p.processId(), sig);
        EXPECT_TRUE(p.waitForFinished(10000));
    }
    QString errors() { return err += QString::fromUtf8(p.readAllStandardError()); }
    QString err;
};

// Logout or shutdown (SIGTERM), a closed terminal (SIGHUP) and Ctrl+C (SIGINT) end the program as
// closing its window does: every value written, the marker saying it ended cleanly. A kill
// leaves the marker of a crash, which erases the settings at the next start.
TEST(SettingsFile, TheSystemsEndSavesAndOnlyAKillCounts) {
    for (const int sig : {SIGTERM, SIGHUP, SIGINT, SIGKILL}) {
        Program run;
        run.write("[Values]\nversion=0025\nMKI=250\nHH=01\nMM=30\naudio=128\n");
        run.start();
        ASSERT_TRUE(run.waitUntil([&] { return run.stored("version=0\n"); }));  // started
        run.end(sig);
        const QByteArray after = run.read(run.ini());
        EXPECT_TRUE(after.contains("audio=128\n") && after.contains("MKI=250\n")) << sig;
        EXPECT_EQ(after.contains("seconds=5400\n"), sig != SIGKILL) << sig;
        EXPECT_EQ(after.contains("version=0025\n"), sig != SIGKILL) << sig;
        if (sig != SIGKILL) {
            EXPECT_TRUE(run.p.exitStatus() == QProcess::NormalExit && run.p.exitCode() == 0) << sig;
        }
    }
}

}  // namespace
