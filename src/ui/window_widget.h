#pragma once

#include <QPixmap>
#include <QWidget>

#include "forms/window.h"
#include "ui/view.h"

namespace ui {

// A top-level window of the program; its surface's mouse events go to the model window.
class WindowWidget : public QWidget {
  public:
    WindowWidget(View& view, forms::Window& model);
    forms::Window& model() const { return model_; }
    void setBackdrop(const QPixmap& pixmap);

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override { view_.mouse(model_, 'd', e); }
    void mouseMoveEvent(QMouseEvent* e) override { view_.mouse(model_, 'm', e); }
    void mouseReleaseEvent(QMouseEvent* e) override { view_.mouse(model_, 'u', e); }
    void mouseDoubleClickEvent(QMouseEvent*) override { view_.dblClick(model_); }
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
