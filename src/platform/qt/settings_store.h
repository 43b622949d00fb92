#pragma once

#include <QMap>
#include <QSettings>
#include <memory>

#include "platform/services.h"

namespace platform {

// Whether bytes can be read as the settings file: UTF-8 text without control characters other
// than tab and line ends, every section header closed. Random bytes, the block of NULs a crash
// can leave, a file cut inside a header or a character cannot: the INI reader would take them
// for something they do not say. An empty file is fine, as are comments and stray lines, which
// the reader passes over without losing a value.
bool readableSettingsText(QByteArrayView bytes);

// The preferences in an INI file: by default the per-user one of organisation and application
// "Korvel" (~/.config/Korvel/Korvel.ini on Linux), section "Values".
//
// Every value is read once when the store is created and kept in memory. QSettings saves the
// writes together once the running event is over (the calculator stores on every keystroke,
// and each save rewrites the whole file), and at the latest when the store is destroyed.
//
// A file that cannot be read, or not as settings, is renamed to NAME.broken (NAME.broken.2, ...)
// for the user, and the store starts from the defaults and saves as usual. When the file or its
// folder cannot be written, the values of this session live in memory only: losing the
// preferences must never stop the program. Either is said once on standard error.
class QtSettingsStore : public SettingsStore {
  public:
    // ReadOnly reads the file but never writes, moves it nor makes its folder: for a second
    // program that must not disturb a running Korvel. Writes then stay in memory; a broken file
    // is said on standard error and read as no values.
    enum class Access { ReadWrite, ReadOnly };
    explicit QtSettingsStore(Access access = Access::ReadWrite);
    explicit QtSettingsStore(const QString& iniPath, Access access = Access::ReadWrite);

    QString read(const QString& key, const QString& fallback) const override;
    void write(const QString& key, const QString& value) override;
    void eraseAll() override;
    QStringList keys() const override { return values_.keys(); }
    QString whyNotKept() const override { return whyNotKept_; }

    QString fileName() const { return path_; }
    // Saves what is pending now instead of after the running event.
    void flush();
    // False when read-only or once the file failed: the values live in memory only.
    bool persistent() const { return persistent_; }

  private:
    bool setAsideIfBroken();
    bool writable() const;
    void notKept(const QString& why);
    void checkFile();

    QString path_;
    std::unique_ptr<QSettings> settings_;
    QMap<QString, QString> values_;
    bool persistent_ = true;
    QString whyNotKept_;
};

}  // namespace platform
