#include "platform/qt/file_log.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace platform {

FileLog::FileLog()
    : path_(QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                .filePath(QStringLiteral("log.txt"))) {}

bool FileLog::write(const QString& text) {
    try {
        if (!QDir().mkpath(QFileInfo(path_).absolutePath())) return false;
        QSaveFile file(path_);
        if (!file.open(QIODevice::WriteOnly)) return false;
        const QByteArray bytes = text.toUtf8();
        if (file.write(bytes) != bytes.size()) {
            file.cancelWriting();
            return false;
        }
        return file.commit();
    } catch (...) {
        // Out of memory for a huge text: the log is a diagnostic, the program goes on.
        return false;
    }
}

}  // namespace platform
