#pragma once

#include <QString>
#include <QStringList>

#include "forms/runtime.h"

// Design-time declaration of controls: name, kind, initial content and place. Places are given
// in pixels and kept in twips (15 to the pixel), as the windows measure everything.
namespace app::declare {

struct Box {
    int x, y, w, h;
};

constexpr int twips(int px) {
    return px * 15;
}

forms::TextBox& field(forms::Window& w, const QString& name, const QString& text, Box b,
                      int maxLength = 0);
forms::TextBox& hiddenField(forms::Window& w, const QString& name, Box b);
forms::TextBox& memo(forms::Window& w, const QString& name, const QString& text, Box b);
forms::Label& label(forms::Window& w, const QString& name, const QString& caption, Box b);
forms::CheckBox& check(forms::Window& w, const QString& name, int value, Box b,
                       const QString& caption = QString());
forms::OptionButton& option(forms::Window& w, const QString& name, const QString& group, Box b,
                            const QString& caption = QString());
forms::Button& button(forms::Window& w, const QString& name, const QString& caption, Box b);
forms::Button& pictureButton(forms::Window& w, const QString& name, const QString& picture, Box b);
forms::Picture& picture(forms::Window& w, const QString& name, const QString& picture, Box b);
forms::ComboBox& combo(forms::Window& w, const QString& name, const QString& text,
                       const QStringList& items, Box b);
forms::ScrollBar& scrollBar(forms::Window& w, const QString& name, int min, int max, int value,
                            Box b);

}  // namespace app::declare
