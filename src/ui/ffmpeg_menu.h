#pragma once

#include <QObject>

namespace app {
class Korvel;
}
namespace platform {
class Clipboard;
}

namespace ui {

class View;

// The right-click menu of the option string and its copy button: "Copy ffmpeg command" puts the
// settings on the clipboard as ffmpeg command lines for input.vob and output.avi. The option
// string's field keeps its own editing items above; the left click stays as it is.
class FfmpegMenu : public QObject {
  public:
    FfmpegMenu(app::Korvel& k, View& view, platform::Clipboard& clipboard);

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void copyCommand() const;
    app::Korvel& k_;
    platform::Clipboard& clipboard_;
};

}  // namespace ui
