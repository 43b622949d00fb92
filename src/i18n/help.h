#pragma once

#include "app/subsystem.h"
#include "i18n/help_texts.h"

namespace i18n {

// The help behind every caption label: a click shows the topic in the current language.
class Help : public app::Subsystem {
  public:
    Help(app::Korvel& k, app::DebugLog& log);

  private:
    void show(const HelpTopic& topic);
};

}  // namespace i18n
