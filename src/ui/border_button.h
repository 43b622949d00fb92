#pragma once

#include <QObject>

#include "media/border_detection.h"

class QProgressBar;
class QPushButton;
class QWidget;

namespace app {
class Korvel;
}

namespace ui {

class FilmOpener;
class View;

// "Detect" beside the crop fields of the settings window: ffmpeg looks for the film's black
// borders and they are typed into the four fields. While it looks, a bar beside the fields
// counts the stretches of the film looked at and the button stops it; with no film yet, it
// offers to open one and looks as soon as it is read. What goes wrong is said in a message.
class BorderButton : public QObject {
    Q_OBJECT
  public:
    BorderButton(app::Korvel& k, View& view, FilmOpener& films);
    ~BorderButton() override;
    // The button once the settings window has been shown, else null.
    QPushButton* button() const { return button_; }
    void press();

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void make();
    void detect(const QString& file);
    void found(const media::BorderResult& r);
    void name();

    app::Korvel& k_;
    View& view_;
    FilmOpener& films_;
    QWidget* window_;
    QPushButton* button_ = nullptr;
    QProgressBar* bar_ = nullptr;
    media::BorderDetection detection_;
    bool afterOpening_ = false;  // looks as soon as the film opened for it is read
};

}  // namespace ui
