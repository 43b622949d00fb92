#pragma once

#include "app/part.h"
#include "i18n/help_texts.h"

namespace i18n {

// The help behind every caption label: a click shows the topic in the current language.
class Help : public app::Part {
  public:
    explicit Help(app::Korvel& k);

  private:
    void show(const HelpTopic& topic);
};

}  // namespace i18n
