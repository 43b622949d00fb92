#include "scenario/names.h"

#include "scenario/script.h"

namespace scenario {

using forms::Control;
using forms::Kind;
using forms::Window;

namespace {

QString boolText(bool b) {
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

QString kindName(Kind k) {
    static const std::pair<Kind, const char*> names[] = {
        {Kind::TextBox, "text field"},   {Kind::Label, "label"},
        {Kind::CheckBox, "check box"},   {Kind::OptionButton, "option button"},
        {Kind::Button, "button"},        {Kind::ComboBox, "combo box"},
        {Kind::ScrollBar, "scroll bar"}, {Kind::Picture, "picture"},
        {Kind::Timer, "timer"}};
    for (const auto& [kind, name] : names)
        if (kind == k) return QLatin1String(name);
    return QStringLiteral("control");
}

const QStringList kProps = {"value",     "enabled", "visible", "readonly", "backcolor",
                            "forecolor", "caret",   "opacity", "left",     "top",
                            "width",     "height",  "interval"};

[[noreturn]] void noProperty(const Target& t) {
    throw BadName{QStringLiteral("%1 has no property %2").arg(t.described(), t.prop)};
}

}  // namespace

QString described(const Control& c) {
    return kindName(c.kind()) + QLatin1Char(' ') + c.path();
}

Target resolve(app::Korvel& k, const QString& word, bool allowProp) {
    const QStringList parts = word.split(QLatin1Char('.'));
    Target t;
    // A first part that names no window is a control of Form1.
    t.window = k.rt.window(parts[0]);
    qsizetype i = t.window ? 1 : 0;
    if (!t.window) t.window = &k.form1;
    if (i < parts.size()) {
        t.control = t.window->find(parts[i]);
        if (t.control) {
            ++i;
        } else if (i == 0) {
            throw BadName{QStringLiteral("no window, and no control of Form1, named %1")
                              .arg(quoted(parts[0]))};
        }
    }
    if (i < parts.size()) t.prop = parts[i++];
    if (i < parts.size())
        throw BadName{
            QStringLiteral("%1: nothing can follow the property %2").arg(quoted(word), t.prop)};
    if (!t.prop.isEmpty() && !kProps.contains(t.prop))
        throw BadName{(t.control ? QStringLiteral("%1 has no property named %2")
                                 : QStringLiteral("%1 has no control or property named %2"))
                          .arg(t.path(), quoted(t.prop))};
    if (!t.prop.isEmpty() && !allowProp)
        throw BadName{QStringLiteral("%1 names a property; a control or window is needed here")
                          .arg(quoted(word))};
    return t;
}

QString read(const Target& t) {
    Control* c = t.control;
    const QString& p = t.prop;
    if (p.isEmpty()) {
        if (!c) return t.window->caption();
        if (auto* text = dynamic_cast<forms::TextBox*>(c)) return text->text();
        if (c->kind() == Kind::ScrollBar || c->kind() == Kind::Timer || c->kind() == Kind::Picture)
            throw BadName{
                QStringLiteral("%1 has no text or caption; name a property").arg(t.described())};
        return c->caption();
    }
    auto* text = dynamic_cast<forms::TextBox*>(c);
    auto* timer = dynamic_cast<forms::Timer*>(c);
    const Window& w = *t.window;
    const auto is = [&p](const char* name) { return p == QLatin1String(name); };
    if (is("value")) {
        if (auto* box = dynamic_cast<forms::CheckBox*>(c)) return QString::number(box->value());
        if (auto* opt = dynamic_cast<forms::OptionButton*>(c)) return boolText(opt->value());
        if (auto* bar = dynamic_cast<forms::ScrollBar*>(c)) return QString::number(bar->value());
    }
    if (is("enabled") && c) return boolText(c->enabled());
    if (is("visible")) return boolText(c ? c->visible() : w.visible());
    if (is("readonly") && text) return boolText(text->readOnly());
    if (is("backcolor")) return (c ? c->backColor() : w.backColor()).text();
    if (is("forecolor") && c) return c->foreColor().text();
    if (is("caret") && text) return QString::number(text->caret());
    if (is("opacity") && !c) return QString::number(w.opacity());
    if (is("left")) return QString::number(c ? c->left() : w.left());
    if (is("top")) return QString::number(c ? c->top() : w.top());
    if (is("width")) return QString::number(c ? c->width() : w.width());
    if (is("height")) return QString::number(c ? c->height() : w.height());
    if (is("interval") && timer) return QString::number(timer->interval());
    noProperty(t);
}

QString var(const app::Korvel& k, const QString& word) {
    const QString first = word.section(QLatin1Char('.'), 0, 0);
    if (word.contains(QLatin1Char('.'))) {
        const Window* w = k.rt.window(first);
        const QString name = word.section(QLatin1Char('.'), 1);
        if (w && w->hasVar(name)) return w->var(name);
    } else {
        if (k.form1.hasVar(word)) return k.form1.var(word);
        for (const auto& w : k.rt.windows())
            if (w->hasVar(word)) return w->var(word);
    }
    throw BadName{QStringLiteral("no state variable named %1").arg(quoted(word))};
}

}  // namespace scenario
