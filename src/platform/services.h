#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

// The program's view of the outside world. Each interface has a real implementation (Qt, the
// registry, files) and an in-memory one for tests and the scenario runner.
namespace platform {

// Per-user preferences: application "Korvel", section "Values", key to text.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& key, const QString& fallback) const = 0;
    virtual void write(const QString& key, const QString& value) = 0;
    virtual void eraseAll() = 0;
    virtual QStringList keys() const = 0;
    // Why the values of this session will not outlast it (a read-only settings file), for the
    // debug log; empty while they are kept.
    virtual QString whyNotKept() const { return {}; }
};

// Modal message box with an OK button. No title means the program's title, "Korvel".
class MessageBox {
  public:
    virtual ~MessageBox() = default;
    virtual void show(const QString& text, const std::optional<QString>& title) = 0;
};

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString& text) = 0;
    virtual QString text() const = 0;
};

// Uniform random numbers in [0, 1).
class Random {
  public:
    virtual ~Random() = default;
    virtual double next() = 0;
    virtual void reseed() = 0;
};

// Ends the process; saved says whether the preferences were written first.
class ProgramEnd {
  public:
    virtual ~ProgramEnd() = default;
    virtual void end(bool saved) = 0;
};

// Starts other programs and opens addresses, never through a shell.
class Launcher {
  public:
    virtual ~Launcher() = default;
    virtual bool startCalculator() = 0;
    virtual bool open(const QString& target) = 0;
};

// Window opacity (0 transparent .. 255 opaque). Result: 0 applied, 2 the platform failed.
class WindowEffects {
  public:
    virtual ~WindowEffects() = default;
    virtual int setOpacity(const QString& window, int alpha) = 0;
};

// Where the program may place its windows: the available area (without panels and task bars),
// in twips, of the screen that holds the given point; none when anywhere will do. A window's
// frame (title bar, borders) lies around its inner size and counts too.
class Screen {
  public:
    virtual ~Screen() = default;
    virtual std::optional<QRect> availableArea(QPoint at) const = 0;
    virtual QMargins frame(const QString& window) const = 0;
};

// A value under the codec's settings key: text, a 32-bit number, or missing (nullopt).
struct RegValue {
    enum Type { Text, Dword } type = Text;
    QString text;
    quint32 dword = 0;
};

class RegistrySource {
  public:
    virtual ~RegistrySource() = default;
    virtual std::optional<RegValue> value(const QString& name) const = 0;
};

// The debug log file, rewritten whole on every change of the debug text.
class LogFile {
  public:
    virtual ~LogFile() = default;
    virtual bool write(const QString& text) = 0;
    virtual QString location() const = 0;
};

struct Services {
    SettingsStore& store;
    MessageBox& messages;
    Clipboard& clipboard;
    Random& random;
    ProgramEnd& programEnd;
    Launcher& launcher;
    WindowEffects& effects;
    RegistrySource& registry;
    LogFile& log;
    Screen& screen;
};

}  // namespace platform
