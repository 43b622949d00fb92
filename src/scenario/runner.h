#pragma once

#include <QString>
#include <ostream>

// Runs scenario files against the whole program with the in-memory services.
namespace scenario {

// Exit statuses; several files give the worst of them.
enum Status { Passed = 0, Failed = 1, Malformed = 2 };

struct Options {
    bool trace = false;  // print every handler entered, indented by nesting depth
};

// Where a run writes: results, printed values and the trace to out; failures, malformed lines
// and notes to err.
struct Output {
    std::ostream& out;
    std::ostream& err;
};

// Runs one scenario given as text. name is the file as the messages show it; relative paths in
// the scenario are read from baseDir.
Status runText(const QString& name, const QString& text, const Output& o, const Options& opts,
               const QString& baseDir = QString());

// Reads and runs one file; path is also its name in the messages.
Status runFile(const QString& path, const Output& o, const Options& opts);

}  // namespace scenario
