#include "ui/window_widget.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

#include "ui/view.h"

namespace ui {

WindowWidget::WindowWidget(View& view, forms::Window& model)
    : QWidget(nullptr), view_(view), model_(model) {
    setObjectName(model.name());
}

void WindowWidget::setBackdrop(const QPixmap& pixmap) {
    backdrop_ = pixmap;
    update();
}

void WindowWidget::paintEvent(QPaintEvent* e) {
    QWidget::paintEvent(e);
    if (backdrop_.isNull()) return;
    QPainter p(this);
    p.drawPixmap(rect(), backdrop_);
}

void WindowWidget::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape)
        view_.key(model_, forms::keys::Escape);
    else
        QWidget::keyPressEvent(e);
}

bool WindowWidget::focusNextPrevChild(bool next) {
    QWidget* from = focusWidget() ? focusWidget() : this;
    QWidget* w = from;
    do {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (isAncestorOf(w) && view_.tabStop(w)) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    } while (w != from);
    return false;
}

bool WindowWidget::event(QEvent* e) {
    // A window's first activation starts at its first Tab stop as Tab reaches it (a field's text
    // selected, ready to be typed over).
    if (e->type() == QEvent::WindowActivate && !focusWidget()) focusNextPrevChild(true);
    return QWidget::event(e);
}

void WindowWidget::closeEvent(QCloseEvent* e) {
    // Windows are hidden, never destroyed; what closing means is the program's decision.
    e->ignore();
    view_.close(model_);
}

}  // namespace ui
