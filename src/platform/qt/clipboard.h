#pragma once

#include "platform/services.h"

namespace platform {

// The system clipboard, text only. Without a GUI application it holds nothing.
class QtClipboard : public Clipboard {
  public:
    void setText(const QString& text) override;
    QString text() const override;
};

}  // namespace platform
