#include "platform/qt/settings_store.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <cstdio>

namespace platform {

namespace {

const QString group = QStringLiteral("Values");

QString fullKey(const QString& key) {
    return group + QLatin1Char('/') + key;
}

// Values this program wrote always come back as text. A hand-edited line with an unquoted comma
// comes back as a list, which is joined again rather than read as nothing.
QString text(const QVariant& v) {
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QLatin1Char(','));
    return v.toString();
}

// One line for whoever started the program; the window has no place for it yet.
void say(const QString& line) {
    std::fprintf(stderr, "korvel: %s\n", qPrintable(line));
}

QString userFile() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Korvel"),
                     QStringLiteral("Korvel"))
        .fileName();
}

// A free name beside the file: NAME.broken, NAME.broken.2, ...; empty when it cannot be moved.
QString moveAside(const QString& path) {
    for (int n = 1; n < 100; ++n) {
        const QString aside = path + QStringLiteral(".broken") +
                              (n > 1 ? QLatin1Char('.') + QString::number(n) : QString());
        if (QFileInfo::exists(aside)) continue;
        return QFile::rename(path, aside) ? aside : QString();
    }
    return {};
}

}  // namespace

bool readableSettingsText(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (utf8.hasError()) return false;
    bool lineStart = true, inHeader = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (inHeader) return false;
            lineStart = true;
        } else if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7f) {
            return false;
        } else if (lineStart && c == QLatin1Char('[')) {
            inHeader = true;
            lineStart = false;
        } else {
            if (c == QLatin1Char(']')) inHeader = false;
            if (!c.isSpace()) lineStart = false;
        }
    }
    return !inHeader;
}

QtSettingsStore::QtSettingsStore(Access access) : QtSettingsStore(userFile(), access) {}

QtSettingsStore::QtSettingsStore(const QString& iniPath, Access access)
    : path_(iniPath), persistent_(access == Access::ReadWrite) {
    const bool readValues = setAsideIfBroken();
    settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
    if (readValues) {
        settings_->beginGroup(group);
        const QStringList names = settings_->childKeys();
        for (const QString& name : names) {
            const QVariant v = settings_->value(name);
            if (v.isValid()) values_.insert(name, text(v));
        }
        settings_->endGroup();
    }
    // A read-only file is left alone, so the user can still repair it. (The test of writing
    // makes the folder and a scratch file, so it is skipped when reading.)
    if (persistent_ && !writable())
        notKept(QStringLiteral("cannot write the settings file ") + path_);
}

// False when the file's values are not to be read: it cannot be read as settings. Where this
// store may write, it is then moved aside for the user, and the new file starts empty.
bool QtSettingsStore::setAsideIfBroken() {
    const QFileInfo info(path_);
    if (!info.isFile()) return true;  // none yet, or a folder in its place: nothing to read
    QFile file(path_);
    const bool opened = file.open(QIODevice::ReadOnly);
    if (opened && readableSettingsText(file.readAll())) return true;
    file.close();
    const QString what =
        QStringLiteral("the settings file ") + path_ +
        (opened ? QStringLiteral(" is damaged") : QStringLiteral(" cannot be read"));
    if (!persistent_) {
        say(what + QStringLiteral("; the defaults are used"));
        return false;
    }
    const QString aside = moveAside(path_);
    if (aside.isEmpty()) {
        notKept(what + QStringLiteral(" and cannot be set aside"));
        return false;
    }
    say(what + QStringLiteral("; it is kept as ") + aside +
        QStringLiteral(", and Korvel starts from the defaults"));
    return true;
}

// QSettings saves by writing a new file beside the old one and renaming it over it, so the
// folder must take new files too.
bool QtSettingsStore::writable() const {
    return settings_->isWritable() && QFileInfo(QFileInfo(path_).absolutePath()).isWritable();
}

void QtSettingsStore::notKept(const QString& why) {
    persistent_ = false;
    if (!whyNotKept_.isEmpty()) return;
    whyNotKept_ = why + QStringLiteral("; settings will not be kept");
    say(whyNotKept_);
}

// The status keeps the first error, so a save that failed after an earlier event shows here.
// (A stray line the reader passed over is a format error that costs nothing: saving goes on.)
void QtSettingsStore::checkFile() {
    if (persistent_ && settings_->status() == QSettings::AccessError)
        notKept(QStringLiteral("cannot write the settings file ") + path_);
}

void QtSettingsStore::flush() {
    if (!persistent_) return;
    settings_->sync();
    checkFile();
}

QString QtSettingsStore::read(const QString& key, const QString& fallback) const {
    const auto it = values_.find(key);
    return it == values_.end() ? fallback : *it;
}

void QtSettingsStore::write(const QString& key, const QString& value) {
    values_.insert(key, value);
    checkFile();
    if (persistent_) settings_->setValue(fullKey(key), value);
}

void QtSettingsStore::eraseAll() {
    values_.clear();
    checkFile();
    if (persistent_) settings_->clear();
}

}  // namespace platform
