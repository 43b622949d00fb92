#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/qt/file_log.h"

namespace {

TEST(FileLog, EachWriteReplacesTheWholeFileInMissingFolders) {
    QTemporaryDir dir;
    platform::FileLog log(dir.filePath("new/folder/log.txt"));
    ASSERT_TRUE(log.write("a long first text\rwith two lines"));
    ASSERT_TRUE(log.write("Größe\r2"));
    QFile f(log.location());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QString("Größe\r2").toUtf8());
}

TEST(FileLog, UnwritablePlacesGiveFalse) {
    QTemporaryDir dir;
    ASSERT_TRUE(QFile(dir.filePath("plain")).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QDir(dir.path()).mkdir("log.txt"));
    EXPECT_FALSE(platform::FileLog(dir.filePath("plain/log.txt")).write("x"));
    EXPECT_FALSE(platform::FileLog(dir.filePath("log.txt")).write("x"));
}

}  // namespace
