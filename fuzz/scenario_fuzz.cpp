// The scenario-file reader on arbitrary text: nothing crashes; a refused file yields no
// commands and names a line of the file; an accepted one keeps its lines in order.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "scenario/script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const scenario::Parsed parsed = scenario::parse(text);
    if (parsed.error) {
        if (!parsed.script.commands.empty() || parsed.error->line < 1) std::abort();
        return 0;
    }
    int line = 0;
    for (const scenario::Command& c : parsed.script.commands) {
        if (c.line <= line) std::abort();
        line = c.line;
    }
    return 0;
}
