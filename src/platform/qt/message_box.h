#pragma once

#include "platform/services.h"

namespace platform {

// A modal message box with an OK button and no icon, over the active window.
class QtMessageBox : public MessageBox {
  public:
    void show(const QString& text, const std::optional<QString>& title) override;
};

// The program breaks lines with "\r" (and sometimes "\r\n"); a message box wants "\n".
QString messageLines(const QString& text);

}  // namespace platform
