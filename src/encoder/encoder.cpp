#include "encoder/encoder.h"

#include "app/korvel.h"

namespace encoder {

Encoder::Encoder(app::Korvel& k) : Part(k) {}

void Encoder::DivX() {}
void Encoder::mpeg4() {}

}  // namespace encoder
