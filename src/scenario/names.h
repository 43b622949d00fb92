#pragma once

#include "app/korvel.h"

// What the words of a scenario file name in the running program, and how a check reads them.
namespace scenario {

// A check or an action that did not hold: "expected X, got Y".
struct Fail {
    QString expected, got;
};

// The file names a window, control, property or variable the program does not have.
struct BadName {
    QString reason;
};

// A control as messages name it: "button Form1.exit".
QString described(const forms::Control& c);

// What a dotted word names: a window, or one of its controls, and perhaps a property of either.
struct Target {
    forms::Window* window = nullptr;
    forms::Control* control = nullptr;  // none: the window itself
    QString prop;

    QString path() const { return control ? control->path() : window->name(); }
    QString described() const {
        return control ? scenario::described(*control) : QStringLiteral("window ") + window->name();
    }
};

// Reads a dotted word left to right: a window name, a control, a property (only with allowProp).
Target resolve(app::Korvel& k, const QString& word, bool allowProp = false);
// The value a check compares: a text, a caption, or a property written as text.
QString read(const Target& t);
// A state variable: WINDOW.NAME, or a bare NAME looked up in Form1 first.
QString var(const app::Korvel& k, const QString& word);

}  // namespace scenario
