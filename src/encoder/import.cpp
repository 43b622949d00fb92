#include "encoder/import.h"

#include "app/korvel.h"

namespace encoder {

Import::Import(app::Korvel& k) : Part(k) {}

void Import::getReg() {}

}  // namespace encoder
