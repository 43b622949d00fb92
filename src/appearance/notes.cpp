#include "appearance/notes.h"

#include "app/korvel.h"

namespace appearance {

Notes::Notes(app::Korvel& k) : Part(k) {}

void Notes::debugwrite(const QString& entry) {
    auto& text = k.debug.get<forms::TextBox>("debugtext");
    if (entry == QLatin1String("D"))
        text.setText(text.text() + entry);
    else
        text.setText(text.text() + QLatin1Char('\r') + entry);
}

}  // namespace appearance
