#include "ui/widgets.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QWheelEvent>
#include <cstdlib>
#include <utility>

#include "ui/view.h"

namespace ui {

// A control keeps its own mouse events: one its Qt base ignores must not reach the window
// beneath, which would take the press for the start of a drag while the release, held by the
// control, never came. A widget that takes the focus on a click has it before its press
// arrives, so the model's lose- and get-focus handlers run before mouse-down (the scenario
// runner's `mouse down` agrees).
template <class Base>
void Bound<Base>::mousePressEvent(QMouseEvent* e) {
    view_.mouse(model_, 'd', e);
    Base::mousePressEvent(e);
    e->accept();
}

template <class Base>
void Bound<Base>::mouseMoveEvent(QMouseEvent* e) {
    view_.mouse(model_, 'm', e);
    Base::mouseMoveEvent(e);
    e->accept();
}

template <class Base>
void Bound<Base>::mouseReleaseEvent(QMouseEvent* e) {
    view_.mouse(model_, 'u', e);
    Base::mouseReleaseEvent(e);
    e->accept();
}

template <class Base>
void Bound<Base>::mouseDoubleClickEvent(QMouseEvent* e) {
    view_.dblClick(model_);
    Base::mouseDoubleClickEvent(e);
}

template <class Base>
void Bound<Base>::focusInEvent(QFocusEvent* e) {
    Base::focusInEvent(e);
    view_.focusIn(model_);
}

template class Bound<QLineEdit>;
template class Bound<QPlainTextEdit>;
template class Bound<QLabel>;
template class Bound<QPushButton>;
template class Bound<QCheckBox>;
template class Bound<QRadioButton>;
template class Bound<QComboBox>;
template class Bound<QScrollBar>;

// --- text fields ---------------------------------------------------------------------------

namespace {
// A paste with no text to give changes nothing. (Qt's one-line fields would replace a selection
// with nothing.)
bool usableText(const QMimeData* source) {
    return source && source->hasText() && !source->text().isEmpty();
}
bool pastesNothing(QKeyEvent* e) {
    return e->matches(QKeySequence::Paste) && !usableText(QGuiApplication::clipboard()->mimeData());
}
}  // namespace

FieldWidget::FieldWidget(View& view, forms::TextBox& model, QWidget* parent)
    : Bound(view, model, parent) {
    QObject::connect(this, &QLineEdit::textEdited, this, [this, &model](const QString& text) {
        // The typed length limit holds for typing and pasting, never for the program's writes,
        // so it is kept here rather than by the line edit.
        QString t = text;
        const int max = model.maxLength();
        if (max > 0 && t.size() > max && t.size() > model.text().size()) {
            if (model.text().size() >= max) {
                setText(model.text());
                setCursorPosition(model.caret());
                return;
            }
            t = t.left(max);
        }
        view_.edited(model, t, std::min(cursorPosition(), int(t.size())));
    });
}

void FieldWidget::keyPressEvent(QKeyEvent* e) {
    if (pastesNothing(e)) return;
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        view_.key(model_, forms::keys::Enter);
        return;
    }
    if (e->key() == Qt::Key_Comma) view_.key(model_, forms::keys::Comma);
    QLineEdit::keyPressEvent(e);
}

MemoWidget::MemoWidget(View& view, forms::TextBox& model, QWidget* parent)
    : Bound(view, model, parent) {
    // Tab leaves the notes for the next control rather than typing into them.
    setTabChangesFocus(true);
    QObject::connect(this, &QPlainTextEdit::textChanged, this, [this, &model] {
        if (syncing_) return;
        view_.edited(model, toPlainText(), textCursor().position());
    });
}

void MemoWidget::showModelText(const QString& text, int caret) {
    syncing_ = true;
    if (toPlainText() != text) {
        // The model breaks lines with a carriage return; the editor shows them as lines.
        setPlainText(text);
    }
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::clamp(caret, 0, int(toPlainText().size())));
    setTextCursor(cursor);
    syncing_ = false;
}

bool MemoWidget::canInsertFromMimeData(const QMimeData* source) const {
    return usableText(source);
}

void MemoWidget::insertFromMimeData(const QMimeData* source) {
    if (usableText(source)) QPlainTextEdit::insertFromMimeData(source);
}

// --- labels, buttons, boxes ----------------------------------------------------------------

LabelWidget::LabelWidget(View& view, forms::Control& model, QWidget* parent)
    : Bound(view, model, parent) {
    setFocusPolicy(Qt::NoFocus);
    setTextFormat(Qt::PlainText);
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* e) {
    Bound::mouseReleaseEvent(e);
    if (std::exchange(doubleClicked_, false)) return;
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        view_.clicked(model_);
}

void LabelWidget::mouseDoubleClickEvent(QMouseEvent*) {
    doubleClicked_ = true;
    view_.dblClick(model_);
}

void LabelWidget::press() {
    view_.clicked(model_);
}

namespace {
bool enterKey(const QKeyEvent* e) {
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}
}  // namespace

void LabelWidget::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Space || enterKey(e)) {
        if (!e->isAutoRepeat()) press();  // a held key presses once, as on a button
    } else {
        QLabel::keyPressEvent(e);
    }
}

template <class Base>
void PressedByEnter<Base>::keyPressEvent(QKeyEvent* e) {
    if (enterKey(e) && e->modifiers() == Qt::NoModifier) {
        if (!e->isAutoRepeat()) this->click();
        return;
    }
    Base::keyPressEvent(e);
}

template class PressedByEnter<QPushButton>;
template class PressedByEnter<QCheckBox>;
template class PressedByEnter<QRadioButton>;

ButtonWidget::ButtonWidget(View& view, forms::Control& model, QWidget* parent)
    : PressedByEnter(view, model, parent) {
    QObject::connect(this, &QPushButton::clicked, this, [this] { view_.clicked(model_); });
}

CheckWidget::CheckWidget(View& view, forms::Control& model, QWidget* parent)
    : PressedByEnter(view, model, parent) {
    setTristate(true);
    QObject::connect(this, &QCheckBox::clicked, this, [this] { view_.clicked(model_); });
}

OptionWidget::OptionWidget(View& view, forms::Control& model, QWidget* parent)
    : PressedByEnter(view, model, parent) {
    setAutoExclusive(false);
    QObject::connect(this, &QRadioButton::clicked, this, [this] { view_.clicked(model_); });
}

ComboWidget::ComboWidget(View& view, forms::TextBox& model, QWidget* parent)
    : Bound(view, model, parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(lineEdit(), &QLineEdit::textEdited, this, [this, &model](const QString& t) {
        view_.edited(model, t, lineEdit()->cursorPosition());
    });
    QObject::connect(this, &QComboBox::activated, this,
                     [this](int index) { view_.clicked(model_, itemText(index)); });
}

void ComboWidget::keyPressEvent(QKeyEvent* e) {
    if (!pastesNothing(e)) QComboBox::keyPressEvent(e);
}

ScrollWidget::ScrollWidget(View& view, forms::ScrollBar& model, QWidget* parent)
    : Bound(view, model, parent) {
    setOrientation(Qt::Horizontal);
    // Left and Page Down go down, Right and Page Up go up.
    setInvertedControls(false);
    // Tab reaches it and a press or the wheel takes the focus, as on every other control the
    // user can work: the field left behind finishes its edit first, and the slider no longer
    // counts the width as being edited.
    setFocusPolicy(Qt::WheelFocus);
    QObject::connect(this, &QScrollBar::sliderMoved, this,
                     [this, &model](int v) { view_.scroll(model, v, false); });
    QObject::connect(this, &QScrollBar::sliderReleased, this,
                     [this, &model] { view_.scroll(model, sliderPosition(), true); });
    QObject::connect(this, &QScrollBar::actionTriggered, this, [this, &model](int action) {
        if (action != QAbstractSlider::SliderMove && action != QAbstractSlider::SliderNoAction)
            view_.scroll(model, sliderPosition(), true);
    });
}

void ScrollWidget::wheelEvent(QWheelEvent* e) {
    const QPoint turn = e->angleDelta();
    // Up or right is more (a horizontal wheel's turn to the right is negative).
    wheel_ += std::abs(turn.y()) >= std::abs(turn.x()) ? turn.y() : -turn.x();
    for (; wheel_ >= QWheelEvent::DefaultDeltasPerStep; wheel_ -= QWheelEvent::DefaultDeltasPerStep)
        triggerAction(SliderSingleStepAdd);
    for (; wheel_ <= -QWheelEvent::DefaultDeltasPerStep;
         wheel_ += QWheelEvent::DefaultDeltasPerStep)
        triggerAction(SliderSingleStepSub);
    e->accept();
}

}  // namespace ui
