#pragma once

#include <QString>
#include <optional>

#include "app/debug_log.h"
#include "app/state.h"
#include "forms/runtime.h"

namespace app {

class Korvel;
namespace settings {
struct Setting;
}

// Base of every subsystem: the program root with its windows and services, the shared state, the
// debug log and the number and message helpers all behaviour code uses, in the user's locale.
class Subsystem {
  public:
    Subsystem(Korvel& k, DebugLog& log);
    virtual ~Subsystem() = default;
    Subsystem(const Subsystem&) = delete;
    Subsystem& operator=(const Subsystem&) = delete;

  protected:
    Korvel& k;
    MainState& st;
    forms::Runtime& rt;
    DebugLog& debugLog;

    static double leading(const QString& t) { return forms::num::leading(t); }
    static double leading(const forms::TextBox& f) { return forms::num::leading(f.text()); }
    double locale(const QString& t) const;
    double locale(const forms::TextBox& f) const { return locale(f.text()); }
    bool isNumber(const QString& t) const;
    bool isNumber(const forms::TextBox& f) const { return isNumber(f.text()); }
    QString numText(double x) const;
    static qint64 whole(double x) { return forms::num::whole(x); }
    static double Int(double x) { return forms::num::Int(x); }
    static double div(double a, double b) { return forms::num::div(a, b); }

    double random();        // a fresh number in [0, 1)
    forms::Color pastel();  // random light colour, 201..255 each
    void message(const QString& text, std::optional<QString> title = std::nullopt);
    // "It's not a Bug - it's a Feature! ;-) " + line break(s) + the name line.
    void feature(const QString& nameLine, int breaks = 1);
    void debug(const QString& line) {  // a debug-log line while debugMode is on
        if (st.debugMode) debugLog.write(line);
    }
    QString stored(const settings::Setting& s) const;  // read with the row's fallback
    void save(const settings::Setting& s);             // what the row's control holds
    void store(const QString& key, const QString& value);
    bool german() const { return st.currentLanguage == QLatin1String("german"); }
    // Trims the text and turns its first comma into a point, so the leading-number rule reads a
    // number written with a decimal comma whole.
    static void pointForm(forms::TextBox& field);
};

}  // namespace app
