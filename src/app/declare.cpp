#include "app/declare.h"

namespace app::declare {
using namespace forms;

namespace {
template <class C>
C& place(C& c, Box b) {
    c.setGeometry(twips(b.x), twips(b.y), twips(b.w), twips(b.h));
    return c;
}
}  // namespace

TextBox& field(Window& w, const QString& name, const QString& text, Box b, int maxLength) {
    auto& f = place(w.add<TextBox>(name), b);
    f.showText(text);
    f.setMaxLength(maxLength);
    f.setBackColor(colors::white);
    f.setForeColor(colors::black);
    return f;
}

TextBox& hiddenField(Window& w, const QString& name, Box b) {
    auto& f = field(w, name, QString(), b);
    f.setVisible(false);
    return f;
}

TextBox& memo(Window& w, const QString& name, const QString& text, Box b) {
    auto& f = field(w, name, text, b);
    f.setMultiLine(true);
    return f;
}

Label& label(Window& w, const QString& name, const QString& caption, Box b) {
    auto& l = place(w.add<Label>(name), b);
    l.setCaption(caption);
    return l;
}

CheckBox& check(Window& w, const QString& name, int value, Box b, const QString& caption) {
    auto& c = place(w.add<CheckBox>(name), b);
    c.setCaption(caption);
    c.setValue(value);
    return c;
}

OptionButton& option(Window& w, const QString& name, const QString& group, Box b,
                     const QString& caption) {
    auto& o = place(w.add<OptionButton>(name, group), b);
    o.setCaption(caption);
    return o;
}

Button& button(Window& w, const QString& name, const QString& caption, Box b) {
    auto& c = place(w.add<Button>(name), b);
    c.setCaption(caption);
    return c;
}

Button& pictureButton(Window& w, const QString& name, const QString& pic, Box b) {
    auto& c = place(w.add<Button>(name), b);
    c.setPicture(pic);
    return c;
}

Picture& picture(Window& w, const QString& name, const QString& pic, Box b) {
    auto& p = place(w.add<Picture>(name), b);
    p.setPicture(pic);
    return p;
}

ComboBox& combo(Window& w, const QString& name, const QString& text, const QStringList& items,
                Box b) {
    auto& c = place(w.add<ComboBox>(name), b);
    c.setList(items);
    c.showText(text);
    c.setBackColor(colors::white);
    c.setForeColor(colors::black);
    return c;
}

ScrollBar& scrollBar(Window& w, const QString& name, int min, int max, int value, Box b) {
    auto& s = place(w.add<ScrollBar>(name), b);
    s.setRange(min, max);
    s.userRelease(value);  // no handler is wired yet: only the value is set
    return s;
}

}  // namespace app::declare
