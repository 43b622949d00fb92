#include "media/file_name.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace media {

namespace {

bool strayAt(const QString& s, qsizetype i) {
    const char16_t c = s.at(i).unicode();
    return c >= 0xDC80 && c <= 0xDCFF && (i == 0 || !s.at(i - 1).isHighSurrogate());
}

#ifndef Q_OS_WIN
bool continuation(const QByteArray& b, qsizetype i, uchar low = 0x80, uchar high = 0xBF) {
    return i < b.size() && uchar(b[i]) >= low && uchar(b[i]) <= high;
}

// The length of the valid UTF-8 sequence that starts at i; 0 for a stray byte.
int sequence(const QByteArray& b, qsizetype i) {
    const uchar c = uchar(b[i]);
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF) return continuation(b, i + 1) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        // No overlong forms, no surrogates.
        const uchar low = c == 0xE0 ? 0xA0 : 0x80, high = c == 0xED ? 0x9F : 0xBF;
        return continuation(b, i + 1, low, high) && continuation(b, i + 2) ? 3 : 0;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        const uchar low = c == 0xF0 ? 0x90 : 0x80, high = c == 0xF4 ? 0x8F : 0xBF;
        return continuation(b, i + 1, low, high) && continuation(b, i + 2) && continuation(b, i + 3)
                   ? 4
                   : 0;
    }
    return 0;
}
#endif

}  // namespace

QString fromNativeBytes(const QByteArray& bytes) {
#ifdef Q_OS_WIN
    return QFile::decodeName(bytes);
#else
    QString out;
    qsizetype i = 0;
    while (i < bytes.size()) {
        qsizetype end = i;
        while (end < bytes.size()) {
            const int n = sequence(bytes, end);
            if (n == 0) break;
            end += n;
        }
        out += QFile::decodeName(bytes.mid(i, end - i));
        if (end < bytes.size()) out += QChar(char16_t(0xDC00 + uchar(bytes[end++])));
        i = end;
    }
    return out;
#endif
}

QByteArray toNativeBytes(const QString& name) {
    QByteArray out;
    qsizetype run = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!strayAt(name, i)) continue;
        out += QFile::encodeName(name.mid(run, i - run));
        out += char(name.at(i).unicode() - 0xDC00);
        run = i + 1;
    }
    return out + QFile::encodeName(name.mid(run));
}

std::filesystem::path nativePath(const QString& name) {
#ifdef Q_OS_WIN
    return std::filesystem::path(name.toStdWString());
#else
    return std::filesystem::path(toNativeBytes(name).toStdString());
#endif
}

bool hasStrayBytes(const QString& name) {
    for (qsizetype i = 0; i < name.size(); ++i)
        if (strayAt(name, i)) return true;
    return false;
}

QString shownName(const QString& name) {
    QString out = name;
    for (qsizetype i = 0; i < out.size(); ++i)
        if (strayAt(name, i)) out[i] = QChar::ReplacementCharacter;
    return out;
}

QString quotedName(const QString& file) {
    return QLatin1Char('"') + shownName(QFileInfo(file).fileName()) + QLatin1Char('"');
}

QString defaultOutput(const QString& film) {
    if (film.isEmpty()) return {};
    const QFileInfo info(QDir::cleanPath(QDir::current().absoluteFilePath(film)));
    const bool avi = info.suffix().compare(QLatin1String("avi"), Qt::CaseInsensitive) == 0;
    // ".film" is a name, not an extension.
    const QString base =
        info.completeBaseName().isEmpty() ? info.fileName() : info.completeBaseName();
    return info.path() + QLatin1Char('/') + base +
           (avi ? QStringLiteral("-korvel.avi") : QStringLiteral(".avi"));
}

NameBridge::NameBridge() = default;
NameBridge::~NameBridge() = default;

QString NameBridge::usable(const QString& name) {
    if (!hasStrayBytes(name)) return name;
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path target = fs::absolute(nativePath(name), ec);
    if (!dir_) dir_ = std::make_unique<QTemporaryDir>();
    if (ec || !dir_->isValid()) return {};
    QString link = dir_->filePath(QString::number(++links_));
    const QFileInfo info(name);
    if (fs::exists(target, ec)) {
        // The extension stays: ffmpeg may tell the format by it.
        if (!hasStrayBytes(info.suffix())) link += QLatin1Char('.') + info.suffix();
        fs::create_symlink(target, nativePath(link), ec);
        return ec ? QString() : link;
    }
    if (hasStrayBytes(info.fileName()) || !fs::is_directory(target.parent_path(), ec)) return {};
    fs::create_directory_symlink(target.parent_path(), nativePath(link), ec);
    return ec ? QString() : link + QLatin1Char('/') + info.fileName();
}

}  // namespace media
