#include "i18n/help.h"

#include "app/korvel.h"

namespace i18n {

Help::Help(app::Korvel& k) : Part(k) {}

}  // namespace i18n
