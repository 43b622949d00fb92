// Speed of the program's cascades, in the model (no widgets).
#include <benchmark/benchmark.h>

#include "app/korvel.h"
#include "platform/memory_services.h"

namespace {

// A started program with a film typed in: 01:30:00, 96 kbit/s audio, 700 MB.
struct Program {
    platform::MemoryServices services;
    app::Korvel k{services.services(), forms::NumberLocale::point()};
    Program() {
        k.start();
        type("HH", "01");
        type("MM", "30");
        type("SS", "00");
        type("audio", "96");
        type("groesse", "700");
    }
    forms::TextBox& field(const char* name) { return k.form1.get<forms::TextBox>(name); }
    void type(const char* name, const QString& text) { k.rt.userType(field(name), text); }
};

// One keystroke in the size field: size, bitrate, kByte/s, bit/s, option string and rating.
void sizeKeystroke(benchmark::State& state) {
    Program p;
    auto& size = p.field("groesse");
    p.k.rt.userFocus(size);
    int i = 0;
    for (auto _ : state) {
        const QString text = (i++ % 2) ? QStringLiteral("700") : QStringLiteral("701");
        p.k.rt.userEdit(size, text, 3);
    }
    if (p.field("kbitps").text().isEmpty()) state.SkipWithError("the cascade did not run");
}
BENCHMARK(sizeKeystroke);

}  // namespace

BENCHMARK_MAIN();
