#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

// Bytes the INI reader would take for something they do not say are damaged (random ones, the
// NULs a crash leaves, a cut-off header or character, not UTF-8); edits that lose no value are not.
TEST(SettingsText, DamagedBytesAreTold) {
    for (const QByteArray fine : {"", "\xef\xbb\xbf[Values]\r\nnotebox=\"\xc3\xb6;\"\tx\n",
                                  "; note\n# note\nstray words\n  [Values] x\nHH=01\nMM=3"})
        EXPECT_TRUE(platform::readableSettingsText(fine)) << fine.data();
    for (const QByteArray& damaged :
         QByteArrayList{"[Valu", "[Values\nHH=01\n", "[Values]\nnotebox=\xc3", "notebox=\xe9t\n",
                        "HH=\x01\n", QByteArray("HH=01\n\0", 7)})
        EXPECT_FALSE(platform::readableSettingsText(damaged)) << damaged.toHex().data();
}

// A damaged file goes to the first free name beside it; the store starts empty.
TEST_F(SettingsStoreTest, ADamagedFileIsSetAsideUnderAFreeName) {
    for (const char* aside : {".broken", ".broken.2"}) {
        const QString path = file("k.ini", QByteArray("[Values]\nold=1\n\0", 16));
        EXPECT_TRUE(QtSettingsStore(path).keys().isEmpty());
        EXPECT_TRUE(QFileInfo::exists(path + aside)) << aside;
    }
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
            EXPECT_TRUE(store.whyNotKept().endsWith(path + "; settings will not be kept"));
        }
        QFile f(path);
        EXPECT_EQ(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(), content);
    }
}

}  // namespace
