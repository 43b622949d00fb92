#pragma once

#include <cstdint>
#include <random>

#include "platform/services.h"

namespace platform {

// Uniform numbers in [0, 1), seeded from the clock (or a fixed seed, for repeatable runs).
class QtRandom : public Random {
  public:
    QtRandom();
    explicit QtRandom(std::uint64_t seed) : engine_(seed) {}
    double next() override;
    void reseed() override;

  private:
    std::mt19937_64 engine_;
};

}  // namespace platform
