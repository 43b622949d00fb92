#include "i18n/languages.h"

#include "app/korvel.h"

namespace i18n {

Languages::Languages(app::Korvel& k) : Part(k) {}

void Languages::deutsch_Click() {}
void Languages::english_Click() {}
void Languages::french_Click() {}
void Languages::spoonerGerman() {}
void Languages::baselGerman() {}

}  // namespace i18n
