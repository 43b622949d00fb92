#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
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

// Bytes the INI reader would take for something they do not say are damaged; hand edits that
// lose no value are not.
TEST(SettingsText, DamagedBytesAreTold) {
    QByteArray noise(4096, 0);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    const std::pair<QByteArray, bool> cases[] = {
        {"", true},
        {"[Values]\r\nHH=01\r\nud2=\"a;b\"\tc\n", true},
        {"\xef\xbb\xbf[Values]\nnotebox=\xc3\xb6\n", true},  // a byte-order mark, UTF-8
        {"; note\n# note\nstray words\n  [Values] x\nHH=01\nMM=3", true},
        {"[Valu", false},
        {"[Values\nHH=01\n", false},
        {"[Values]\nnotebox=\xc3", false},                   // cut inside a character
        {QByteArray("[Values]\nHH=01\n\0\0\0", 18), false},  // the NULs a crash leaves
        {"[Values]\nnotebox=\xe9t\xe9\n", false},            // not UTF-8
        {"[Values]\nHH=\x01\n", false},
        {noise, false}};
    for (const auto& [bytes, fine] : cases)
        EXPECT_EQ(platform::readableSettingsText(bytes), fine) << bytes.left(30).toHex().data();
}

// A damaged file is kept under a free name beside it; the store starts empty and saves as
// usual. A reading store leaves it where it is.
TEST_F(SettingsStoreTest, ADamagedFileIsSetAsideUnderAFreeName) {
    const QByteArray damaged("[Values]\nold=1\n\0\0", 17);
    const QString path = file("k.ini", damaged);
    file("k.ini.broken", "older");
    EXPECT_TRUE(QtSettingsStore(path, QtSettingsStore::Access::ReadOnly).keys().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path + ".broken.2"));
    {
        QtSettingsStore store(path);
        EXPECT_TRUE(store.keys().isEmpty());
        EXPECT_TRUE(store.persistent());
        store.write("a", "1");
    }
    EXPECT_EQ(QtSettingsStore(restart(path)).keys(), QStringList{"a"});
    QFile aside(path + ".broken.2");
    EXPECT_TRUE(aside.open(QIODevice::ReadOnly) && aside.readAll() == damaged);
}

// A file or folder that cannot be written keeps the session in memory, says why, and is left
// as it was, so the user can still repair it.
TEST_F(SettingsStoreTest, AnUnwritableFileKeepsTheSessionAndIsLeftAlone) {
    const QByteArray fine = "[Values]\nold=1\n";
    file("plain", "x");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.ini"));
    QList<std::pair<QString, QByteArray>> cases = {{file("plain/sub/k.ini"), ""},
                                                   {file("folder.ini"), ""}};
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
            EXPECT_EQ(store.whyNotKept(),
                      "cannot write the settings file " + path + "; settings will not be kept");
        }
        QFile f(path);
        EXPECT_EQ(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(), content);
    }
}

}  // namespace
