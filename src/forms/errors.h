#pragma once

#include <stdexcept>
#include <string>

namespace forms {

// A run-time error of the program's own logic: a text that is not a number, a division by zero,
// an overflow, or a value a control refuses. Handlers catch it where the program says they do.
class RuntimeError : public std::runtime_error {
  public:
    enum Code {
        InvalidCall = 5,
        Overflow = 6,
        DivisionByZero = 11,
        TypeMismatch = 13,
        InvalidValue = 380
    };
    RuntimeError(Code code, const std::string& what) : std::runtime_error(what), code_(code) {}
    Code code() const { return code_; }

  private:
    Code code_;
};

// Thrown by the program-end service to unwind every running handler at once; only the runtime's
// entry points catch it.
struct ProgramEnded {};

}  // namespace forms
