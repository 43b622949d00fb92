#include "forms/control.h"

#include <QRegularExpression>
#include <algorithm>

#include "forms/runtime.h"

namespace forms {

Control::Control(Window& window, QString name, Kind kind)
    : window_(window), name_(std::move(name)), kind_(kind) {}

Runtime& Control::runtime() const {
    return window_.runtime();
}

QString Control::path() const {
    return window_.name() + QLatin1Char('.') + name_;
}

void Control::changed(Prop p) {
    runtime().controlChanged(*this, p);
}

void Control::setGeometry(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    changed(Prop::Geometry);
}

bool Control::focusKind() const {
    switch (kind_) {
        case Kind::TextBox:
        case Kind::CheckBox:
        case Kind::OptionButton:
        case Kind::Button:
        case Kind::ComboBox:
        case Kind::ScrollBar:
            return true;
        default:
            return false;
    }
}

void Control::setFocus() {
    runtime().requestFocus(*this);
}

// --- TextBox -------------------------------------------------------------------------------

TextBox::TextBox(Window& w, QString name, Kind kind) : Control(w, std::move(name), kind) {}

void TextBox::assign(const QString& t, int caret) {
    text_ = t;
    selStart_ = std::clamp(caret, 0, int(text_.size()));
    selLength_ = 0;
    changed(Prop::Text);
}

void TextBox::setText(const QString& t) {
    if (t == text_) return;
    decimalEntry_.clear();
    assign(t, int(t.size()));
    runtime().raise(*this, "Change", onChange);
}

namespace {
const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
const QRegularExpression decimalNumber(QStringLiteral("^[+-]?[0-9]+[.,][0-9]*$"));  // "700."
bool matches(const QString& t, const QRegularExpression& re) {
    return re.match(t).hasMatch();
}
}  // namespace

void TextBox::userEdit(const QString& t, int caret) {
    QString edit = t;
    const qsizetype typed = t.size() - text_.size(), at = caret - typed;
    if (!decimalEntry_.isEmpty() && typed > 0 && at == selStart_ && t.left(at) == text_.left(at) &&
        t.mid(caret) == text_.mid(at) && matches(t.mid(at, typed), digits)) {
        edit = decimalEntry_.left(entryCaret_) + t.mid(at, typed) + decimalEntry_.mid(entryCaret_);
        caret = int(entryCaret_ + typed);
        if (maxLength_ > 0 && edit.size() > maxLength_) return;  // as a paste would be cut
    }
    decimalEntry_.clear();
    if (edit == text_) {
        setCaret(caret);
        return;
    }
    assign(edit, caret);
    runtime().raise(*this, "Change", onChange);
    // The handler kept the whole number before the caret and what follows it (a unit).
    if (text_ != edit && matches(edit.left(caret), decimalNumber) &&
        matches(text_.left(selStart_), wholeNumber) && edit.mid(caret) == text_.mid(selStart_)) {
        decimalEntry_ = edit;
        entryCaret_ = caret;
    }
}

void TextBox::select(int start, int length) {
    start = std::clamp(start, 0, int(text_.size()));
    length = std::clamp(length, 0, int(text_.size()) - start);
    if (start == selStart_ && length == selLength_) return;
    selStart_ = start;
    selLength_ = length;
    changed(Prop::Caret);
}

void ComboBox::setList(const QStringList& items) {
    list_ = items;
    changed(Prop::List);
}

// --- CheckBox, OptionButton, ScrollBar, Timer ------------------------------------------------

void CheckBox::setValue(qint64 v) {
    if (v < 0 || v > 2) throw RuntimeError(RuntimeError::InvalidValue, "Invalid property value");
    if (v == value_) return;
    value_ = int(v);
    changed(Prop::Value);
    runtime().raise(*this, "Click", onClick);
}

void OptionButton::setValue(bool v) {
    if (v == value_) return;
    if (v) window().deselectGroup(group_, this);
    value_ = v;
    changed(Prop::Value);
    if (v) runtime().raise(*this, "Click", onClick);
}

void ScrollBar::setValue(qint64 v) {
    if (v < min_ || v > max_)
        throw RuntimeError(RuntimeError::InvalidValue, "Invalid property value");
    if (v == value_) return;
    value_ = int(v);
    changed(Prop::Value);
    runtime().raise(*this, "Change", onChange);
}

void ScrollBar::setRange(int min, int max) {
    min_ = min;
    max_ = max;
    value_ = std::clamp(value_, min_, max_);
    changed(Prop::Range);
}

void ScrollBar::setSteps(int small, int large) {
    small_ = small;
    large_ = large;
    changed(Prop::Range);
}

void ScrollBar::userScroll(int v) {
    update(value_, std::clamp(v, min_, max_), Prop::Value);
    runtime().raise(*this, "Scroll", onScroll);
}

void ScrollBar::userRelease(int v) {
    update(value_, std::clamp(v, min_, max_), Prop::Value);
    runtime().raise(*this, "Change", onChange);
}

Timer::Timer(Window& w, QString name, int interval)
    : Control(w, std::move(name), Kind::Timer), interval_(interval) {
    initEnabled(false);  // every timer starts stopped
}

}  // namespace forms
