#pragma once

#include <QTranslator>
#include <memory>
#include <optional>

#include "i18n/captions.h"

namespace ui {

// Qt's own texts (a field's right-click menu, the buttons of a message box) in the language on
// screen, from the translations installed with Qt. English is Qt's own language.
class QtTranslations {
  public:
    QtTranslations() = default;
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;
    ~QtTranslations();

    // Switches to a language's texts; where they are not installed, Qt's texts stay English.
    void follow(i18n::Language lang);

  private:
    void drop();

    std::optional<i18n::Language> lang_;
    std::unique_ptr<QTranslator> translator_;
};

}  // namespace ui
