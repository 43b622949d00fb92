#pragma once

#include <QPointer>
#include <QWidget>

namespace ui {

// A frame around whatever has the keyboard focus in the program's windows, drawn in black and
// white so that it shows on every theme's colours, and on controls whose own style draws none
// (picture buttons, check boxes without a caption).
class FocusMark : public QWidget {
  public:
    FocusMark();
    // The widget the mark follows now (null: none of the program's own).
    QWidget* target() const { return target_; }

  protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void follow(QWidget* w);
    void place();

    QPointer<QWidget> target_;
};

}  // namespace ui
