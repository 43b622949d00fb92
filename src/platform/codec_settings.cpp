#include "platform/codec_settings.h"

#include <QDir>

#include "platform/registry_file.h"

namespace platform {

std::unique_ptr<RegistrySource> codecSettingsSource() {
    // A file named explicitly is used even when it is missing: its values then read as missing,
    // rather than coming from somewhere the user did not name.
    const QString file = qEnvironmentVariable("KORVEL_REGISTRY_FILE");
    if (!file.isEmpty()) return std::make_unique<FileRegistry>(file);
#ifdef _WIN32
    return std::make_unique<WindowsRegistry>();
#else
    QString prefix = qEnvironmentVariable("WINEPREFIX");
    if (prefix.isEmpty()) prefix = QDir::home().filePath(QStringLiteral(".wine"));
    return std::make_unique<FileRegistry>(QDir(prefix).filePath(QStringLiteral("user.reg")));
#endif
}

}  // namespace platform
