#include "ui/tab_order.h"

#include <QWidget>
#include <algorithm>

#include "forms/window.h"
#include "ui/reading_order.h"

namespace ui {

void applyTabOrder(const forms::Window& w, const QHash<const forms::Control*, QWidget*>& widgets) {
    std::vector<forms::Control*> order;
    for (const QString& name : w.tabOrder())
        if (forms::Control* c = w.find(name)) order.push_back(c);
    for (forms::Control* c : readingOrder(w))
        if (std::find(order.begin(), order.end(), c) == order.end()) order.push_back(c);
    QWidget* previous = nullptr;
    for (forms::Control* c : order) {
        QWidget* next = widgets.value(c);
        if (!next) continue;
        if (c->tabStop == forms::TabStop::ClickOnly) next->setFocusPolicy(Qt::ClickFocus);
        if (c->tabStop == forms::TabStop::Never) next->setFocusPolicy(Qt::NoFocus);
        if (pressable(*c)) next->setFocusPolicy(Qt::StrongFocus);
        if (!(next->focusPolicy() & Qt::TabFocus)) continue;
        if (previous) QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

bool pressable(const forms::Control& c) {
    if (!c.onClick) return false;
    if (c.kind() == forms::Kind::Picture) return true;
    return c.kind() == forms::Kind::Label && c.window().tabOrder().contains(c.name());
}

}  // namespace ui
