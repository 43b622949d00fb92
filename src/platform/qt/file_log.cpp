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
        // The debug text breaks lines with a carriage return, alone or before a line feed; the
        // file has the platform's own line ends, so that any text viewer shows the lines.
        if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
        QString lines = text;
        lines.replace(QLatin1String("\r\n"), QLatin1String("\n"))
            .replace(QLatin1Char('\r'), QLatin1Char('\n'));
        const QByteArray bytes = lines.toUtf8();
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
