#pragma once

#include <QString>
#include <span>

#include "i18n/captions.h"

namespace i18n {

// What a control is called when it is read aloud, in each language: what it is, not where it
// sits, since its caption or the label beside it is often only a unit or a value.
struct NameRow {
    const char* window;   // the window's name, "Form1"
    const char* control;  // the control's name
    const char* text[3];  // indexed by Language
    // The caption is the setting's current value (a button that cycles through values): it is
    // read as the description, after the name.
    bool captionIsValue = false;
};

std::span<const NameRow> controlNames();
// The row of a control, or nullptr when the control has no spoken name of its own.
const NameRow* controlName(const QString& window, const QString& control);
// The language of a currentLanguage code; the joke sets store "german", so anything else is
// English, the language the windows are created in.
Language languageOf(const QString& code);

}  // namespace i18n
