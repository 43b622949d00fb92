#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "platform/qt/settings_store.h"

using platform::QtSettingsStore;

namespace {

class SettingsStoreTest : public ::testing::Test {
  protected:
    QString file(const QString& name, const QByteArray& content = {}) {
        QFile f(dir.filePath(name));
        if (!content.isEmpty()) {
            EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(content));
        }
        return f.fileName();
    }
    // A copy under a new name, so nothing Qt cached in memory helps: only the disk counts, as
    // after a restart.
    QString restart(const QString& path) {
        const QString copy = path + QString::number(++restarts);
        EXPECT_TRUE(QFile::copy(path, copy));
        return copy;
    }
    QTemporaryDir dir;
    int restarts = 0;
};

TEST_F(SettingsStoreTest, EveryTextSurvivesARestartExactly) {
    const QStringList texts = {
        "  leading",     "trailing  ",        "   ", "1,5",         "a, b ,c",  ",",
        "x\\",           "\\\\server\\share", "",    "@at",         "@@",       "@Invalid()",
        "@ByteArray(x)", "say \"hi\"",        "\"",  "line\rbreak", "\r\n",     "ö é €",
        "c:\\",          "semi;colon",        "a=b", "#hash",       "[Values]", "tab\t"};
    const QString path = file("k.ini");
    {
        QtSettingsStore store(path);
        for (int i = 0; i < texts.size(); ++i)
            store.write(QString::number(i), texts[i]);
    }
    const QtSettingsStore after(restart(path));
    for (int i = 0; i < texts.size(); ++i)
        EXPECT_EQ(after.read(QString::number(i), "fallback"), texts[i]) << i;
    EXPECT_EQ(after.read("missing", "fallback"), "fallback");
}

TEST_F(SettingsStoreTest, KeysAndEraseAllCoverTheWholeApplication) {
    // Another section, and a hand-edited value with an unquoted comma.
    const QString path = file("e.ini", "[Other]\nz=2\n[Values]\nratio=16,9\n");
    QtSettingsStore store(path);
    EXPECT_EQ(store.read("ratio", ""), "16,9");
    store.write("new", "4");
    QCoreApplication::processEvents();  // the write reaches the file once the event is over
    EXPECT_EQ(QtSettingsStore(restart(path)).keys(), QStringList({"new", "ratio"}));
    store.eraseAll();
    store.flush();
    EXPECT_TRUE(store.keys().isEmpty());
    EXPECT_TRUE(QSettings(restart(path), QSettings::IniFormat).allKeys().isEmpty());
}

// Whatever is wrong with the file, the session's values live on in memory and the file is left
// as it was, so the user can still repair it.
TEST_F(SettingsStoreTest, UnusableFileKeepsTheSessionAndIsLeftAlone) {
    const QByteArray malformed = "[Values\nold=1\n", fine = "[Values]\nold=1\n";
    file("plain", "x");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.ini"));
    QList<std::pair<QString, QByteArray>> cases = {{file("plain/sub/k.ini"), ""},
                                                   {file("folder.ini"), ""},
                                                   {file("bad.ini", malformed), malformed}};
    const QString readOnly = file("ro.ini", fine);
    QFile::setPermissions(readOnly, QFile::ReadOwner);
    if (!QFile(readOnly).open(QIODevice::Append)) cases.push_back({readOnly, fine});  // not as root
    for (const auto& [path, content] : cases) {
        {
            QtSettingsStore store(path);
            EXPECT_EQ(store.read("old", ""), content.isEmpty() ? "" : "1");
            store.write("a", "1");
            store.eraseAll();
            store.write("b", "2");
            EXPECT_EQ(store.keys(), QStringList{"b"});
            EXPECT_FALSE(store.persistent()) << qPrintable(path);
        }
        QFile f(path);
        EXPECT_EQ(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(), content);
    }
}

}  // namespace
