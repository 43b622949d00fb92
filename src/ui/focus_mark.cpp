#include "ui/focus_mark.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

#include "ui/window_widget.h"

namespace ui {

namespace {
constexpr int kMargin = 2;
}

FocusMark::FocusMark() {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setObjectName(QStringLiteral("focusMark"));
    hide();
    QObject::connect(qApp, &QApplication::focusChanged, this,
                     [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusMark::follow(QWidget* w) {
    if (target_) target_->removeEventFilter(this);
    // Only the program's own windows; a message box draws its own.
    target_ = w && dynamic_cast<WindowWidget*>(w->window()) ? w : nullptr;
    if (!target_) {
        hide();
        return;
    }
    target_->installEventFilter(this);
    if (parentWidget() != target_->window()) setParent(target_->window());
    place();
}

void FocusMark::place() {
    if (!target_ || !target_->isVisible()) {
        hide();
        return;
    }
    const QPoint at = target_->mapTo(target_->window(), QPoint(0, 0));
    setGeometry(QRect(at, target_->size()).adjusted(-kMargin, -kMargin, kMargin, kMargin));
    raise();
    show();
    update();
}

bool FocusMark::eventFilter(QObject* o, QEvent* e) {
    if (o == target_) {
        switch (e->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::Hide:
                place();
                break;
            default:
                break;
        }
    }
    return QWidget::eventFilter(o, e);
}

void FocusMark::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(r);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawRect(r);
}

}  // namespace ui
