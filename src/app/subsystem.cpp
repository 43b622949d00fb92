#include "app/subsystem.h"

#include "app/korvel.h"
#include "app/settings_table.h"

namespace app {

Subsystem::Subsystem(Korvel& k, DebugLog& log) : k(k), st(k.st), rt(k.rt), debugLog(log) {}

double Subsystem::locale(const QString& t) const {
    return forms::num::locale(t, rt.locale());
}

bool Subsystem::isNumber(const QString& t) const {
    return forms::num::isNumber(t, rt.locale());
}

QString Subsystem::numText(double x) const {
    return forms::num::text(x, rt.locale());
}

double Subsystem::random() {
    return k.sv.random.next();
}

forms::Color Subsystem::pastel() {
    const int r = 200 + int(Int(random() * 55 + 1));
    const int g = 200 + int(Int(random() * 55 + 1));
    const int b = 200 + int(Int(random() * 55 + 1));
    return forms::Color::rgb(r, g, b);
}

void Subsystem::message(const QString& text, std::optional<QString> title) {
    k.sv.messages.show(text, title);
}

void Subsystem::feature(const QString& nameLine, int breaks) {
    message(QStringLiteral("It's not a Bug - it's a Feature! ;-) ") +
            QString(breaks, QLatin1Char('\r')) + nameLine);
}

QString Subsystem::stored(const settings::Setting& s) const {
    return settings::read(k.sv.store, s);
}

void Subsystem::save(const settings::Setting& s) {
    store(s.key, settings::controlValue(k, s));
}

void Subsystem::pointForm(forms::TextBox& field) {
    if (field.text().isEmpty()) return;
    field.setText(forms::num::trimBlanks(field.text()));
    if (field.text().contains(QLatin1Char(',')))
        field.setText(forms::num::replaceFirst(field.text(), QLatin1Char(','), QLatin1Char('.')));
}

void Subsystem::store(const QString& key, const QString& value) {
    k.sv.store.write(key, value);
    debugLog.noteUnkeptSettings();  // a save that failed shows at the next write
}

}  // namespace app
