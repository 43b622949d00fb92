#pragma once

#include "app/part.h"

namespace i18n {

// Caption sets of the three languages and the two joke sets.
class Languages : public app::Part {
  public:
    explicit Languages(app::Korvel& k);
    void deutsch_Click();
    void english_Click();
    void french_Click();
    void spoonerGerman();
    void baselGerman();
};

}  // namespace i18n
