#include "i18n/help.h"

#include "app/korvel.h"
#include "i18n/languages.h"

namespace i18n {

Help::Help(app::Korvel& k, app::DebugLog& log) : Subsystem(k, log) {
    for (const HelpTopic& topic : helpTopics()) {
        auto& label = windowOf(k, topic.place).get<forms::Label>(QString::fromUtf8(topic.label));
        label.setPointer(forms::Pointer::Hand);  // captions with help look clickable
        label.onClick = [this, &topic] { show(topic); };
    }
}

void Help::show(const HelpTopic& topic) {
    if (const auto box = helpFor(topic, st.currentLanguage)) message(box->text, box->title);
}

}  // namespace i18n
