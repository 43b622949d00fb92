#include "calc/spin.h"

#include "app/korvel.h"

namespace calc {

Spinners::Spinners(app::Korvel& k) : Part(k) {}

void Spinners::SpinIt(int) {}
void Spinners::audioGrow() {}
void Spinners::audioDown() {}

}  // namespace calc
