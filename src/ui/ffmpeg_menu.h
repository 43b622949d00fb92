#pragma once

#include <QObject>
#include <memory>

class QWidget;

namespace app {
class Korvel;
}

namespace ui {

class EncodeWindow;
class FilmOpener;
class View;

// The right-click menu of the option string and its copy button: "Copy ffmpeg command" puts the
// settings on the clipboard as ffmpeg command lines for the film read last (input.vob and
// output.avi before there is one), or says in a message what to change. With the film opener
// it also offers "Encode with ffmpeg…", which opens the encode window. The option string's field
// keeps its own editing items above; the left click stays as it is.
class FfmpegMenu : public QObject {
  public:
    FfmpegMenu(app::Korvel& k, View& view, FilmOpener* films = nullptr);
    ~FfmpegMenu() override;

    // The encode window, made when first asked for.
    EncodeWindow& encodeWindow();

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void copyCommand() const;
    app::Korvel& k_;
    FilmOpener* films_;
    QWidget* main_;
    std::unique_ptr<EncodeWindow> encode_;
};

}  // namespace ui
