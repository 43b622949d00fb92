#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "platform/services.h"

// The codec's settings as registry files hold them: export files of the Windows registry editor
// ("REGEDIT4", "Windows Registry Editor Version 5.00") and Wine's own per-user registry file.
namespace platform {

// The key the codec keeps its settings under, below the current user's root.
inline const QString kCodecKey = QStringLiteral("Software\\DivXNetworks\\DivX4Windows");

enum class RegFormat { Unknown, Regedit4, Regedit5, Wine };

// One assignment under the codec's key, in file order. No value: the line deletes the value or
// gives it a type the program does not read (both read as missing).
struct RegEntry {
    QString name;
    std::optional<RegValue> value;
};

struct RegFile {
    RegFormat format = RegFormat::Unknown;
    std::vector<RegEntry> entries;
};

// The text of a registry file: UTF-16 with a byte-order mark (as the registry editor writes
// version 5 files), UTF-8, or else ANSI (Windows-1252, as REGEDIT4 files are written).
QString decodeRegistryText(const QByteArray& bytes);

// The assignments under the codec's key. Malformed lines are skipped as the registry editor skips
// them; a text without a known header line has no values.
RegFile parseRegistryText(const QString& text);

// The value a name has at the end of the file; names compare without regard to case, as the
// registry's do.
std::optional<RegValue> lookup(const std::vector<RegEntry>& entries, const QString& name);

// Reads and parses a file; the reason when it cannot be read or is not a registry file.
std::optional<QString> readRegistryFile(const QString& path, RegFile& out);

// The codec's settings from a registry file, read whenever a value is asked for, so an import
// sees the file as it is at that moment; the values are parsed again only when its bytes have
// changed. A missing or unreadable file has no values.
class FileRegistry : public RegistrySource {
  public:
    explicit FileRegistry(QString path) : path_(std::move(path)) {}
    std::optional<RegValue> value(const QString& name) const override;
    const QString& path() const { return path_; }

  private:
    QString path_;
    mutable std::optional<QByteArray> bytes_;
    mutable std::vector<RegEntry> entries_;
};

}  // namespace platform
