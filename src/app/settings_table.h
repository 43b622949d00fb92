#pragma once

#include <QString>
#include <array>
#include <span>
#include <string_view>

namespace platform {
class SettingsStore;
}
namespace forms {
class Window;
}
namespace app {
class Korvel;
}

// The settings kept between runs, one row per key of the settings store: the control that shows
// it, the value when the key is absent and how the control holds it. Start-up restores the rows
// in the table's order; the exit command and clear-all pick theirs out of it.
namespace app::settings {

enum class Kind {
    Text,     // a field's text
    Check,    // a check box's value, "0" or "1", read back as a whole number
    Option,   // an option button, "True" or "False"
    Caption,  // a button's or label's caption
    Own,      // read and written by lines of their own beside the walks
};

struct Setting {
    const char* key;
    const char* window;  // "Form1", "Form3", "Form2"; nullptr: no control holds it
    const char* control;
    const char* fallback;  // read when the key is absent
    Kind kind;
};

namespace row {
using enum Kind;
// In the order start-up reads them.
inline constexpr Setting kTable[] = {
    // The crash marker: the version that last started; a clean exit writes its own.
    {"version", nullptr, nullptr, "170", Own},
    {"WinSize", nullptr, nullptr, "max", Own},  // "max", "mid" or "min": a size command
    {"lock1", "Form1", "kbpsLock", "0", Check},
    {"lock2", "Form1", "OptionSize", "False", Option},
    {"lock3", "Form1", "OptionTime", "False", Option},
    // Start-up writes "0"; clear-all erases it, so the exit finds "cleared" and saves nothing.
    {"cleared", nullptr, nullptr, "cleared", Own},
    {"HH", "Form1", "HH", "00", Text},
    {"MM", "Form1", "MM", "00", Text},
    {"SS", "Form1", "SS", "00", Text},
    {"size", "Form1", "groesse", "0", Text},
    {"audio", "Form1", "audio", "0", Text},
    {"framerate", "Form1", "framerate", "25", Text},
    {"bitrate", "Form1", "kbitps", "0", Text},
    {"aspect", "Form1", "aspect", "133.33", Text},
    {"ratio", "Form1", "ratio", ":100", Caption},
    {"width", "Form1", "Bwidth", "720", Text},  // the slider's value too
    {"height", "Form1", "Bheight", "540", Text},
    {"MKI", "Form1", "keyframebox", "200", Text},
    {"resize", "Form1", "CheckResize", "0", Check},
    {"BiDir", "Form1", "CheckBiDir", "1", Check},
    {"GMC", "Form1", "CheckGMC", "1", Check},
    {"QPx", "Form1", "CheckQPx", "1", Check},
    {"VBR", "Form1", "ButtonVBR", "1pass", Caption},
    {"PrePro", "Form1", "ButtonPre", "None", Caption},
    {"Psy", "Form1", "ButtonPsy", "Fast", Caption},
    {"Profile", "Form1", "ButtonProfile", "None", Caption},
    {"notebox", "Form1", "notebox", "", Text},
    // The calculator's constants: Alg is the megabyte in thousands of bytes (1024 x 1024 / 1000,
    // rounded down), Alg2 a correction in kbit/s that leaves room for the container.
    {"alg1", "Form1", "Alg", "1048", Text},
    {"alg2", "Form1", "Alg2", "-10", Text},
    {"Feetback", "Form3", "CheckFeetback", "1", Check},
    {"PQ", "Form3", "ButtonPQ", "Slow", Caption},
    {"Error", "Form3", "CheckError", "1", Check},
    {"Crop", "Form3", "checkCrop", "0", Check},
    {"top", "Form3", "cropTop", "0", Text},
    {"left", "Form3", "cropLeft", "0", Text},
    {"right", "Form3", "cropRight", "0", Text},
    {"bottom", "Form3", "cropBottom", "0", Text},
    {"ud", "Form3", "CheckUD", "0", Check},
    {"ud1", "Form3", "ud1", "-bv1", Text},
    {"ud2", "Form3", "ud2",
     "-psy 2 -key 200 -b -g -q -sc 50 -pq 64 -vbv 6800000,6291456,4718592 -profile 0 -nf", Text},
    {"SC", "Form3", "SC", "50", Own},  // the field shows it followed by " %"
    {"PV", "Form3", "PV", "1.0", Text},
    {"mod", "Form3", "modu", "0.00", Text},
    {"dir", "Form3", "Dir", "c:\\", Text},
    {"do_log", "Form3", "log", "1", Check},
    {"do_mv", "Form3", "MV", "0", Check},
    // Percent of opacity, shown only below 100.
    {"transparency1", "Form3", "Korveltrans", "100 %", Own},
    {"transparency2", "Form2", "transparency", "100 %", Own},
    {"language", nullptr, nullptr, "english", Own},
    // The play time in seconds, read back only while the lock derives the time.
    {"seconds", nullptr, nullptr, "00", Own},
};
}  // namespace row
using row::kTable;

// Looked up when the program is compiled: an unknown key does not compile.
consteval const Setting& setting(std::string_view key) {
    for (const Setting& s : kTable)
        if (key == s.key) return s;
    throw "not a key of the settings table";
}

// The rows from first to last in the table's order, none of them one of its own.
consteval std::span<const Setting> rows(std::string_view first, std::string_view last) {
    const Setting *from = &setting(first), *to = &setting(last) + 1;
    for (const Setting* s = from; s < to; ++s)
        if (s->kind == Kind::Own) throw "a setting of its own in a range";
    if (to <= from) throw "a range of the settings table that runs backwards";
    return {from, to};
}

// The rows of these keys in this order, none of them one of its own.
template <std::size_t N>
consteval std::array<const Setting*, N> pick(const char* const (&keys)[N]) {
    std::array<const Setting*, N> picked{};
    for (std::size_t i = 0; i < N; ++i)
        if ((picked[i] = &setting(keys[i]))->kind == Kind::Own) throw "a setting of its own picked";
    return picked;
}

// A fresh installation's value, where a control's declaration starts with it too.
consteval const char* fallback(std::string_view key) {
    return setting(key).fallback;
}
consteval int fallbackNumber(std::string_view key) {
    int n = 0;
    for (const char* c = fallback(key); *c; ++c)
        n = *c >= '0' && *c <= '9' ? n * 10 + (*c - '0') : throw "not a whole number";
    return n;
}

// The stored text, or the row's fallback when the key is absent.
QString read(const platform::SettingsStore& store, const Setting& s);
// The window of the row's control.
forms::Window& windowOf(const Korvel& k, const Setting& s);
// The value of the row's control as the store keeps it.
QString controlValue(const Korvel& k, const Setting& s);
// Puts a stored text into the row's control, which may raise its change or click handler. A text
// the control refuses (a check box's "abc") throws forms::RuntimeError.
void setControl(Korvel& k, const Setting& s, const QString& text);

}  // namespace app::settings
