#pragma once

#include <QMap>
#include <QSettings>
#include <memory>

#include "platform/services.h"

namespace platform {

// The preferences in an INI file: by default the per-user one of organisation and application
// "Korvel" (~/.config/Korvel/Korvel.ini on Linux), section "Values".
//
// Every value is read once when the store is created and kept in memory. QSettings saves the
// writes together once the running event is over (the calculator stores on every keystroke,
// and each save rewrites the whole file), and at the latest when the store is destroyed. Once
// the file cannot be read or saved, the store stops touching it and keeps the values of this
// session in memory only: losing the preferences must never stop the program.
class QtSettingsStore : public SettingsStore {
  public:
    // ReadOnly reads the file but never writes it nor makes its folder: for a second program that
    // must not disturb a running Korvel. Writes then stay in memory.
    enum class Access { ReadWrite, ReadOnly };
    explicit QtSettingsStore(Access access = Access::ReadWrite);
    explicit QtSettingsStore(const QString& iniPath);

    QString read(const QString& key, const QString& fallback) const override;
    void write(const QString& key, const QString& value) override;
    void eraseAll() override;
    QStringList keys() const override { return values_.keys(); }

    QString fileName() const { return settings_->fileName(); }
    // Saves what is pending now instead of after the running event.
    void flush();
    // False when read-only or once the file failed: the values live in memory only.
    bool persistent() const { return persistent_; }

  private:
    void load();
    void checkFile();

    std::unique_ptr<QSettings> settings_;
    QMap<QString, QString> values_;
    bool persistent_ = true;
};

}  // namespace platform
