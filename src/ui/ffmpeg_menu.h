#pragma once

#include <QObject>

namespace app {
class Korvel;
}

namespace ui {

class View;

// The right-click menu of the option string and its copy button: "Copy ffmpeg command" puts the
// settings on the clipboard as ffmpeg command lines for input.vob and output.avi, or says in a
// message what to change. The option string's field keeps its own editing items above; the left
// click stays as it is.
class FfmpegMenu : public QObject {
  public:
    FfmpegMenu(app::Korvel& k, View& view);

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void copyCommand() const;
    app::Korvel& k_;
};

}  // namespace ui
