#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "forms/control.h"

namespace ui {

class View;

// Passes a widget's mouse, double-click and focus events on to its model control.
template <class Base>
class Bound : public Base {
  public:
    Bound(View& view, forms::Control& model, QWidget* parent)
        : Base(parent), view_(view), model_(model) {}
    forms::Control& model() const { return model_; }

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

    View& view_;
    forms::Control& model_;
};

// A single-line text field: edits, Enter and the comma key go to the model.
class FieldWidget : public Bound<QLineEdit> {
  public:
    FieldWidget(View& view, forms::TextBox& model, QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* e) override;
};

// A multi-line text field.
class MemoWidget : public Bound<QPlainTextEdit> {
  public:
    MemoWidget(View& view, forms::TextBox& model, QWidget* parent);
    void showModelText(const QString& text, int caret);

  protected:
    // Takes text only: Qt's own paste dies on a clipboard that offers nothing at all, as an empty
    // X clipboard does.
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    bool syncing_ = false;
};

// Labels and pictures: a click is a click; those that do something when clicked can be pressed
// from the keyboard (Space or Enter) once the view lets them take the focus.
class LabelWidget : public Bound<QLabel> {
  public:
    LabelWidget(View& view, forms::Control& model, QWidget* parent);
    // A click from the keyboard or a screen reader.
    void press();

  protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    // A double click is a click, then the double click alone: its second press is no click.
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override {
        doubleClicked_ = false;  // a double click whose release went astray
        Bound::mousePressEvent(e);
    }
    void keyPressEvent(QKeyEvent* e) override;

  private:
    bool doubleClicked_ = false;
};

// Buttons, check boxes and option buttons: Enter presses the focused one as Space does.
template <class Base>
class PressedByEnter : public Bound<Base> {
  public:
    using Bound<Base>::Bound;

  protected:
    void keyPressEvent(QKeyEvent* e) override;
};

class ButtonWidget : public PressedByEnter<QPushButton> {
  public:
    ButtonWidget(View& view, forms::Control& model, QWidget* parent);

  protected:
    // Each click of a double click is a click; a button has no double click of its own.
    void mouseDoubleClickEvent(QMouseEvent* e) override { mousePressEvent(e); }
};

// Check boxes and option buttons leave their state to the model.
class CheckWidget : public PressedByEnter<QCheckBox> {
  public:
    CheckWidget(View& view, forms::Control& model, QWidget* parent);

  protected:
    void nextCheckState() override {}
};

class OptionWidget : public PressedByEnter<QRadioButton> {
  public:
    OptionWidget(View& view, forms::Control& model, QWidget* parent);

  protected:
    void nextCheckState() override {}
};

class ComboWidget : public Bound<QComboBox> {
  public:
    ComboWidget(View& view, forms::TextBox& model, QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* e) override;
};

class ScrollWidget : public Bound<QScrollBar> {
  public:
    ScrollWidget(View& view, forms::ScrollBar& model, QWidget* parent);

  protected:
    // A notch of the wheel is a click on an arrow.
    void wheelEvent(QWheelEvent* e) override;

  private:
    int wheel_ = 0;  // the part of a notch turned so far (touchpads turn in small parts)
};

}  // namespace ui
