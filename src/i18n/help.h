#pragma once

#include "app/part.h"

namespace i18n {

// The help behind every caption label.
class Help : public app::Part {
  public:
    explicit Help(app::Korvel& k);
};

}  // namespace i18n
