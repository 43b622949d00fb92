#include "i18n/languages.h"

#include "app/korvel.h"

namespace i18n {

forms::Window& windowOf(app::Korvel& k, Place place) {
    switch (place) {
        case Place::Settings:
            return k.form3;
        case Place::Preview:
            return k.form2;
        case Place::About:
            return k.about;
        case Place::Main:
            break;
    }
    return k.form1;
}

Languages::Languages(app::Korvel& k, app::DebugLog& log) : Subsystem(k, log) {
    k.form1.get<forms::Picture>("deutsch").onClick = [this] { apply(German); };
    k.form1.get<forms::Picture>("english").onClick = [this] { apply(English); };
    k.form1.get<forms::Picture>("french").onClick = [this] { apply(French); };
}

void Languages::apply(Language lang) {
    const QString code = QString::fromLatin1(languageCode(lang));
    st.currentLanguage = code;
    // The settings window's labels must be right when it is first shown.
    k.form3.load();
    for (const CaptionRow& row : captionTable()) {
        if (!row.text[lang]) continue;
        windowOf(k, row.place)
            .get<forms::Label>(QString::fromUtf8(row.label))
            .setCaption(QString::fromUtf8(row.text[lang]));
    }
    k.form1.get<forms::TextBox>("DivXBox").setText(QString::fromUtf8(divxHint(lang)));
    store("language", code);
}

void Languages::write(Place place, const char* name, const char* text) {
    forms::Window& w = windowOf(k, place);
    w.load();
    const QString value = QString::fromUtf8(text);
    if (auto* box = dynamic_cast<forms::TextBox*>(w.find(QString::fromUtf8(name))))
        box->setText(value);
    else
        w.get<forms::Label>(QString::fromUtf8(name)).setCaption(value);
}

void Languages::purpleLanguage() {
    st.currentLanguage = QStringLiteral("english");
}

}  // namespace i18n
