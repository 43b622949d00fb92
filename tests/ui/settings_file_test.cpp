// The real program over its real settings file: how the system ends it, and what it makes of a
// file it cannot use.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
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

// A damaged file is kept as Korvel.ini.broken and named once on standard error; the program
// starts from the defaults and saves again. The command line says so too and changes nothing.
TEST(SettingsFile, ADamagedFileIsSetAsideAndSaidOnce) {
    QByteArray noise(3000, 0);
    QRandomGenerator(20).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    const QStringList film{"--time", "01:30:00", "--size", "700", "--audio", "96"};
    for (const QStringList& args :
         {QStringList{"--bitrate"} + film, QStringList{"--ffmpeg", "in.vob", "out.avi"} + film}) {
        Program line;
        line.write(noise);
        line.start(args);
        ASSERT_TRUE(line.p.waitForFinished(10000));
        EXPECT_EQ(line.p.exitCode(), 0);
        EXPECT_EQ(line.errors(), "korvel: the settings file " + line.ini() +
                                     " is damaged; the defaults are used\n");
        EXPECT_EQ(QDir(line.config.filePath("Korvel")).entryList(QDir::Files),
                  QStringList{"Korvel.ini"});
        EXPECT_EQ(line.read(line.ini()), noise);
    }
    Program run;
    run.write(noise);
    run.start();
    ASSERT_TRUE(run.waitUntil([&] { return run.stored("cleared=0\n"); }));
    run.end(SIGTERM);
    EXPECT_EQ(run.errors().count(run.ini() + " is damaged; it is kept as " + run.ini() +
                                 ".broken, and Korvel starts from the defaults\n"),
              1);
    EXPECT_EQ(run.read(run.ini() + ".broken"), noise);
    EXPECT_TRUE(run.read(run.ini()).contains("version=0025\n"));
}

// A settings file the program cannot write (a read-only file, a file where its folder should
// be) is left as it is; the program runs and says once that settings will not be kept.
TEST(SettingsFile, AnUnwritableFileIsLeftAloneAndSaidOnce) {
    const QByteArray content = "[Values]\nMKI=250\n";
    for (const bool readOnlyFile : {false, true}) {
        if (readOnlyFile && ::geteuid() == 0) continue;  // root writes it anyway
        Program run;
        const QString blocked = readOnlyFile ? run.ini() : run.config.filePath("Korvel");
        QDir(run.config.path()).mkpath(readOnlyFile ? "Korvel" : ".");
        QFile file(blocked);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        if (readOnlyFile) QFile::setPermissions(blocked, QFile::ReadOwner);
        run.start();
        const QString once = "; settings will not be kept\n";
        ASSERT_TRUE(run.waitUntil([&] { return run.errors().contains(once); }));
        run.end(SIGTERM);
        EXPECT_EQ(run.errors().count(once), 1);
        EXPECT_EQ(run.read(blocked), content);
        EXPECT_EQ(QDir(QFileInfo(blocked).path()).entryList(QDir::Files).size(), 1);
    }
}

}  // namespace
