#include "app/settings_table.h"

#include "app/korvel.h"

namespace app::settings {
using forms::CheckBox;
using forms::TextBox;

QString read(const platform::SettingsStore& store, const Setting& s) {
    return store.read(QLatin1String(s.key), QLatin1String(s.fallback));
}

forms::Window& windowOf(const Korvel& k, const Setting& s) {
    const std::string_view w = s.window ? s.window : "Form1";
    return w == "Form3" ? k.form3 : w == "Form2" ? k.form2 : k.form1;
}

QString controlValue(const Korvel& k, const Setting& s) {
    const forms::Window& w = windowOf(k, s);
    const QLatin1String name(s.control);
    switch (s.kind) {
        case Kind::Text:
            return w.get<TextBox>(name).text();
        case Kind::Check:
            return QString::number(w.get<CheckBox>(name).value());
        case Kind::Option:
            return QLatin1String(w.get<forms::OptionButton>(name).value() ? "True" : "False");
        case Kind::Caption:
            return w.get<forms::Control>(name).caption();
        case Kind::Own:
            break;
    }
    return {};
}

void setControl(Korvel& k, const Setting& s, const QString& text) {
    forms::Window& w = windowOf(k, s);
    const QLatin1String name(s.control);
    const forms::NumberLocale& locale = k.rt.locale();
    if (s.kind == Kind::Text) w.get<TextBox>(name).setText(text);
    if (s.kind == Kind::Check)
        w.get<CheckBox>(name).setValue(forms::num::whole(forms::num::locale(text, locale)));
    if (s.kind == Kind::Option)
        w.get<forms::OptionButton>(name).setValue(forms::num::toBool(text, locale));
    if (s.kind == Kind::Caption) w.get<forms::Control>(name).setCaption(text);
}

}  // namespace app::settings
