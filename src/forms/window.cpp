#include "forms/window.h"

#include <stdexcept>

#include "forms/runtime.h"

namespace forms {

Window::Window(Runtime& rt, QString name) : rt_(rt), name_(std::move(name)) {}

void Window::addTabOrder(const QStringList& names, const QString& after) {
    qsizetype at = after.isEmpty() ? tabOrder_.size() : tabOrder_.indexOf(after) + 1;
    if (at == 0 && !after.isEmpty())
        throw std::logic_error(
            (name_ + QStringLiteral(": the Tab order has no ") + after).toStdString());
    for (const QString& name : names)
        tabOrder_.insert(at++, name);
}

void Window::changed(Prop p) {
    rt_.windowChanged(*this, p);
}

void Window::show() {
    load();
    update(visible_, true, Prop::Visible);
}

void Window::move(int left, int top) {
    if (left == left_ && top == top_) return;
    left_ = left;
    top_ = top;
    changed(Prop::Geometry);
}

void Window::resize(int width, int height) {
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    changed(Prop::Geometry);
}

void Window::setOpacity(int alpha) {
    opacity_ = alpha;
    changed(Prop::Opacity);
}

void Window::load() {
    if (loaded_) return;
    loaded_ = true;
    rt_.raise(name_, "Load", onLoad);
}

void Window::deselectGroup(const QString& group, const Control* except) {
    for (auto& c : controls_) {
        if (c.get() == except || c->kind() != Kind::OptionButton) continue;
        auto* o = static_cast<OptionButton*>(c.get());
        if (o->group() == group) o->clearSilently();
    }
}

void Window::missing(const QString& name) const {
    throw std::logic_error(
        (name_ + QLatin1Char('.') + name + QStringLiteral(" is not declared")).toStdString());
}

}  // namespace forms
