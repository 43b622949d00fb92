#include "platform/qt/settings_store.h"

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

}  // namespace

QtSettingsStore::QtSettingsStore(Access access)
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("Korvel"), QStringLiteral("Korvel"))),
      persistent_(access == Access::ReadWrite) {
    // Only the user's own file counts, not an organisation-wide or system-wide one.
    settings_->setFallbacksEnabled(false);
    load();
}

QtSettingsStore::QtSettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {
    load();
}

void QtSettingsStore::load() {
    settings_->beginGroup(group);
    const QStringList names = settings_->childKeys();
    for (const QString& name : names) {
        const QVariant v = settings_->value(name);
        if (v.isValid()) values_.insert(name, text(v));
    }
    settings_->endGroup();
    // An unreadable, malformed or read-only file is left alone, so the user can still repair it.
    // (The test of writing makes the folder and a scratch file, so it is skipped when reading.)
    if (persistent_ && !settings_->isWritable()) persistent_ = false;
    checkFile();
}

// The status keeps the first error, so a save that failed after an earlier event shows here.
void QtSettingsStore::checkFile() {
    if (settings_->status() != QSettings::NoError) persistent_ = false;
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
