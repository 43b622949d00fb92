#include "platform/qt/random.h"

#include <chrono>

namespace platform {

namespace {
std::uint64_t clockSeed() {
    return std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()) ^
           std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
}
}  // namespace

QtRandom::QtRandom() : engine_(clockSeed()) {}

double QtRandom::next() {
    // The top 53 bits fill a double's mantissa exactly, so 1 itself never comes out.
    return double(engine_() >> 11) / 9007199254740992.0;
}

void QtRandom::reseed() {
    engine_.seed(clockSeed());
}

}  // namespace platform
