#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "forms/color.h"

namespace forms {

class Runtime;
class Window;

enum class Kind {
    TextBox,
    Label,
    CheckBox,
    OptionButton,
    Button,
    ComboBox,
    ScrollBar,
    Picture,
    Timer
};

enum class Pointer { Default, NoDrop, Hand };

// What changed, for the view that mirrors the model.
enum class Prop {
    Text,
    Caption,
    Value,
    Visible,
    Enabled,
    ReadOnly,
    BackColor,
    ForeColor,
    Caret,
    Geometry,
    Pointer,
    Picture,
    List,
    Range,
    Interval,
    Font,
    Opacity
};

struct MouseArgs {
    int button = 0;  // 1 left, 2 right
    int shift = 0;   // 1 shift, 2 control, 4 alt, summed
    double x = 0;    // twips, relative to the control (or window)
    double y = 0;
};

using Handler = std::function<void()>;
using KeyHandler = std::function<void(int keyCode)>;
using MouseHandler = std::function<void(const MouseArgs&)>;

namespace keys {
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
inline constexpr int Comma = 188;
}  // namespace keys

// Keeps a new value; whether it differs from the one kept before (only then is it news).
template <class T>
bool setIfNew(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}

// How Tab treats a control that can take the focus: a stop, passed by while a click still focuses
// it (ClickOnly), or never focused at all (Never).
enum class TabStop { Yes, ClickOnly, Never };

// Everything a control of any kind has: appearance, placement in twips and its event handlers.
// Handlers are set by the behaviour code; writes from code raise them through the runtime.
class Control {
  public:
    Control(Window& window, QString name, Kind kind);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& name() const { return name_; }
    Kind kind() const { return kind_; }
    Window& window() const { return window_; }
    Runtime& runtime() const;
    QString path() const;  // "Form1.groesse"

    bool visible() const { return visible_; }
    void setVisible(bool v) { update(visible_, v, Prop::Visible); }
    bool enabled() const { return enabled_; }
    void setEnabled(bool e) { update(enabled_, e, Prop::Enabled); }
    Color backColor() const { return back_; }
    void setBackColor(Color c) { update(back_, c, Prop::BackColor); }
    Color foreColor() const { return fore_; }
    void setForeColor(Color c) { update(fore_, c, Prop::ForeColor); }
    // Label, button, check box and option button text. Setting it raises nothing.
    const QString& caption() const { return caption_; }
    void setCaption(const QString& c) { update(caption_, c, Prop::Caption); }
    // Image shown by a picture or picture button (a name the view resolves).
    const QString& picture() const { return picture_; }
    void setPicture(const QString& p) { update(picture_, p, Prop::Picture); }
    Pointer pointer() const { return pointer_; }
    void setPointer(Pointer p) { update(pointer_, p, Prop::Pointer); }
    const QString& fontName() const { return font_; }
    void setFontName(const QString& f) { update(font_, f, Prop::Font); }

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void move(int left, int top) { setGeometry(left, top, width_, height_); }
    void resize(int width, int height) { setGeometry(left_, top_, width, height); }
    void setGeometry(int left, int top, int width, int height);

    // Whether this kind of control can hold the keyboard focus at all.
    bool focusKind() const;
    // Asks for the focus; it moves once the running handler returns.
    void setFocus();
    // Whether the control, given the focus now, would hand it straight on (a field that sends
    // the typing to the field it derives from): Tab passes it by, a click still reaches it.
    std::function<bool()> handsFocusOn;
    TabStop tabStop = TabStop::Yes;

    Handler onChange, onClick, onDblClick, onGotFocus, onLostFocus, onScroll, onTimer;
    KeyHandler onKeyDown;
    MouseHandler onMouseDown, onMouseMove, onMouseUp;

  protected:
    void changed(Prop p);
    // Keeps a new value and tells the runtime; the same value again is no change.
    template <class T>
    void update(T& field, const T& value, Prop p) {
        if (setIfNew(field, value)) changed(p);
    }
    // Sets the enabled state while the control is being built, telling nobody.
    void initEnabled(bool e) { enabled_ = e; }

  private:
    Window& window_;
    QString name_;
    Kind kind_;
    bool visible_ = true, enabled_ = true;
    Color back_ = Color::unset(), fore_ = Color::unset();
    QString caption_, picture_, font_;
    Pointer pointer_ = Pointer::Default;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

class Label : public Control {
  public:
    Label(Window& w, QString name) : Control(w, std::move(name), Kind::Label) {}
};

class Button : public Control {
  public:
    Button(Window& w, QString name) : Control(w, std::move(name), Kind::Button) {}
};

class Picture : public Control {
  public:
    Picture(Window& w, QString name) : Control(w, std::move(name), Kind::Picture) {}
};

// A single- or multi-line text field (and the base of the combo box).
class TextBox : public Control {
  public:
    TextBox(Window& w, QString name, Kind kind = Kind::TextBox);

    const QString& text() const { return text_; }
    // A write from code: raises the change handler, before returning, only when the text really
    // changes; the caret goes to the end of the new text.
    void setText(const QString& t);
    int caret() const { return selStart_; }
    void setCaret(int pos) { select(pos, 0); }  // clamps to the text and empties the selection
    int selLength() const { return selLength_; }
    void select(int start, int length);
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool r) { update(readOnly_, r, Prop::ReadOnly); }
    int maxLength() const { return maxLength_; }  // limits typing and pasting only; 0 = none
    void setMaxLength(int n) { maxLength_ = n; }
    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool m) { multiLine_ = m; }

    // A user's edit: the new text and caret; raises the change handler when the text differs.
    // Digits typed right after a whole number that the handler made of the user's decimal entry
    // ("700." shows 700) go on that entry: a 5 typed next is 700.5, as pasted, not 7005.
    void userEdit(const QString& t, int caret);
    // The user left the field: what they type when they come back is a new entry.
    void endEntry() { decimalEntry_.clear(); }
    // Shows a text without a change event (an item chosen from a combo box's list).
    void showText(const QString& t) {
        if (t != text_) assign(t, int(t.size()));
    }

  private:
    void assign(const QString& t, int caret);
    QString text_;
    QString decimalEntry_;  // the user's entry behind the whole number shown
    int entryCaret_ = 0;    // where the user was typing in it
    int selStart_ = 0, selLength_ = 0, maxLength_ = 0;
    bool readOnly_ = false, multiLine_ = false;
};

class ComboBox : public TextBox {
  public:
    ComboBox(Window& w, QString name) : TextBox(w, std::move(name), Kind::ComboBox) {}
    const QStringList& list() const { return list_; }
    void setList(const QStringList& items);

  private:
    QStringList list_;
};

class CheckBox : public Control {
  public:
    CheckBox(Window& w, QString name) : Control(w, std::move(name), Kind::CheckBox) {}
    int value() const { return value_; }
    // 0 unchecked, 1 checked, 2 grayed; anything else is refused. A new value raises the click.
    void setValue(int v) { setValue(qint64(v)); }
    void setValue(qint64 v);

  private:
    int value_ = 0;
};

class OptionButton : public Control {
  public:
    OptionButton(Window& w, QString name, QString group)
        : Control(w, std::move(name), Kind::OptionButton), group_(std::move(group)) {}
    bool value() const { return value_; }
    // Selecting deselects the others of its group and raises the click when it was not selected;
    // deselecting raises nothing.
    void setValue(bool v);
    const QString& group() const { return group_; }

  private:
    friend class Window;
    void clearSilently() { update(value_, false, Prop::Value); }
    bool value_ = false;
    QString group_;
};

class ScrollBar : public Control {
  public:
    ScrollBar(Window& w, QString name) : Control(w, std::move(name), Kind::ScrollBar) {}
    int value() const { return value_; }
    // A value outside min..max is refused (run-time error); a new value raises the change.
    void setValue(qint64 v);
    int min() const { return min_; }
    int max() const { return max_; }
    void setRange(int min, int max);
    // How far one arrow click and one click on the track move the value.
    int smallChange() const { return small_; }
    int largeChange() const { return large_; }
    void setSteps(int small, int large);
    // The user drags the thumb: the value follows and the scroll handler runs, no change yet.
    void userScroll(int v);
    // The user lets go: the value is final and the change handler runs once.
    void userRelease(int v);

  private:
    int value_ = 0, min_ = 0, max_ = 32767, small_ = 1, large_ = 10;
};

// Enabled means running; the runtime's timer driver follows every change.
class Timer : public Control {
  public:
    Timer(Window& w, QString name, int interval);
    int interval() const { return interval_; }
    void setInterval(int ms) { update(interval_, ms, Prop::Interval); }

  private:
    int interval_;
};

// Runs the program's timers: real timers in the program, the "tick" command in the runner.
class TimerDriver {
  public:
    virtual ~TimerDriver() = default;
    virtual void timerChanged(Timer& timer) = 0;
};

}  // namespace forms
