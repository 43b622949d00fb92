// The registry-file reader on arbitrary bytes: nothing crashes or hangs, and a name looked up
// gives what its last assignment in the file gives.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/registry_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const platform::RegFile file = platform::parseRegistryText(platform::decodeRegistryText(bytes));
    for (const platform::RegEntry& e : file.entries) {
        const platform::RegEntry* last = &e;
        for (const platform::RegEntry& later : file.entries)
            if (later.name.compare(e.name, Qt::CaseInsensitive) == 0) last = &later;
        const auto found = platform::lookup(file.entries, e.name);
        if (found.has_value() != last->value.has_value()) std::abort();
        if (found && (found->type != last->value->type || found->text != last->value->text ||
                      found->dword != last->value->dword))
            std::abort();
    }
    return 0;
}
