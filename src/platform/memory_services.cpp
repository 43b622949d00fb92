#include "platform/memory_services.h"

namespace platform {

QString MemoryStore::read(const QString& key, const QString& fallback) const {
    auto it = values_.find(key);
    return it == values_.end() ? fallback : *it;
}

double SeededRandom::next() {
    if (!queued_.empty()) {
        const double r = queued_.front();
        queued_.pop_front();
        return r;
    }
    // 53 random bits, so the value is always below 1.
    const double a = engine_() >> 5, b = engine_() >> 6;
    return (a * 67108864.0 + b) / 9007199254740992.0;
}

}  // namespace platform
