// The number rules on arbitrary text, in both locales: nothing crashes, the leading number is
// finite, a text is a number exactly when reading it succeeds, and a number written out reads
// back as the same number to 15 digits.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "forms/errors.h"
#include "forms/numbers.h"

namespace {

void require(bool ok) {
    if (!ok) std::abort();
}

void check(const QString& text, const forms::NumberLocale& loc) {
    namespace num = forms::num;
    require(std::isfinite(num::leading(text)));
    bool read = true;
    double v = 0;
    try {
        v = num::locale(text, loc);
    } catch (const forms::RuntimeError&) {
        read = false;
    }
    require(read == num::isNumber(text, loc));
    if (!read) return;
    QString written;
    try {
        written = num::text(v, loc);
    } catch (const forms::RuntimeError&) {
        return;  // infinity or NaN has no text
    }
    const double back = num::locale(written, loc);
    require(back == v || std::abs(back - v) <= std::abs(v) * 1e-14);
    try {
        (void)num::whole(v);
        (void)num::Int(v);
        (void)num::div(v, back);
    } catch (const forms::RuntimeError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    check(text, forms::NumberLocale::point());
    check(text, forms::NumberLocale::comma());
    return 0;
}
