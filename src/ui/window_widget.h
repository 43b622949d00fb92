#pragma once

#include <QPixmap>
#include <QWidget>

#include "forms/window.h"

namespace ui {

class View;

// A top-level window of the program; its surface's mouse events go to the model window.
class WindowWidget : public QWidget {
  public:
    WindowWidget(View& view, forms::Window& model);
    forms::Window& model() const { return model_; }
    void setBackdrop(const QPixmap& pixmap);

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    // A key no control took (Escape) goes to the window.
    void keyPressEvent(QKeyEvent* e) override;
    // Tab and Shift+Tab stop only where the view says a Tab stop is.
    bool focusNextPrevChild(bool next) override;
    bool event(QEvent* e) override;

  private:
    View& view_;
    forms::Window& model_;
    QPixmap backdrop_;
};

}  // namespace ui
