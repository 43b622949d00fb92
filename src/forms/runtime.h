#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "forms/control.h"
#include "forms/errors.h"
#include "forms/numbers.h"
#include "forms/window.h"

namespace forms {

// Mirrors model changes into a real user interface.
class Observer {
  public:
    virtual ~Observer() = default;
    virtual void controlChanged(Control& c, Prop p) = 0;
    virtual void windowChanged(Window& w, Prop p) = 0;
    virtual void focusChanged(Control* now) = 0;
};

// The headless form runtime: windows, controls, the focus and the event rules.
//  - A write from code raises the change handler synchronously, only when the value changes.
//  - A focus move asked for by code while handlers run takes effect once the outermost handler
//    has returned: first the old control's lose-focus handler, then the new one's get-focus.
//  - User and timer actions enter through dispatch(): nothing escapes it, and it settles the
//    queued focus moves before returning.
//  - A cascade nested deeper than maxDepth is cut off instead of overflowing the stack.
class Runtime {
  public:
    static constexpr int maxDepth = 400;

    explicit Runtime(NumberLocale locale = NumberLocale::point());
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    const NumberLocale& locale() const { return locale_; }

    Window& addWindow(const QString& name);
    Window* window(const QString& name) const;
    const std::vector<std::unique_ptr<Window>>& windows() const { return windows_; }

    // Raises an event handler of a control or window (no-op when the handler is empty).
    void raise(const QString& source, const char* event, const Handler& h);
    void raise(const Control& c, const char* event, const Handler& h) { raise(c.path(), event, h); }

    // Focus.
    Control* focused() const { return focused_; }
    void requestFocus(Control& c);
    bool canTakeFocus(const Control& c) const;

    // Entry point for every outside event (user, timer). Runs f at once, catches whatever escapes
    // it, then settles queued focus moves when no other handler is running.
    void dispatch(const std::function<void()>& f);

    // User actions, as the real program and the scenario runner deliver them.
    void userFocus(Control& c);
    void userType(TextBox& t, const QString& chars);  // selects all first; one edit per char
    void userPaste(TextBox& t, const QString& text);
    void userClear(TextBox& t);
    void userEdit(TextBox& t, const QString& text, int caret);  // an edit the view already made
    void userKey(Control& c, int keyCode);
    void userKey(Window& w, int keyCode);
    void userClick(Control& c, const QString& item = QString());
    // Only the click part of a user click (the view delivers focus and mouse events itself).
    void userClicked(Control& c, const QString& item = QString());
    void userDblClick(Control& c);
    void userDblClick(Window& w);
    void userMouse(Control& c, char what, const MouseArgs& m);  // 'd'own, 'm'ove, 'u'p
    void userMouse(Window& w, char what, const MouseArgs& m);
    // A press lasts only while a button is held: a move with no button, a new press or a click
    // ends it exactly as its release would, and a release runs its handling once, on whatever
    // got the press.
    bool mousePressed() const { return pressed_.control || pressed_.window; }
    void endPress(const MouseArgs& m);
    void userScroll(ScrollBar& s, int value, bool released);
    void fireTimer(Timer& t);

    // The program has ended; every further event is ignored.
    bool ended() const { return ended_; }
    [[noreturn]] void end();

    // Diagnostics for tests.
    int depth() const { return depth_; }
    int guardHits() const { return guardHits_; }
    int escapedErrors() const { return escaped_; }
    const QString& lastEscaped() const { return lastEscaped_; }
    bool settled() const { return depth_ == 0 && pendingFocus_.empty(); }

    void setObserver(Observer* o) { observer_ = o; }
    void setTimerDriver(TimerDriver* d) { timers_ = d; }
    TimerDriver* timerDriver() const { return timers_; }
    // Called for every handler entered: (depth, "Form1.groesse_Change").
    std::function<void(int, const QString&)> tracer;
    // Receives the runtime's own diagnostics (the nesting guard, errors that escaped a handler).
    std::function<void(const QString&)> diagnostic;

  private:
    friend class Control;
    friend class Window;
    void controlChanged(Control& c, Prop p);
    void windowChanged(Window& w, Prop p);
    void moveFocus(Control* target);
    void settle();
    void focusForUser(Control& c);
    TextBox* typingTarget(TextBox& t);  // focuses t; the text box that then gets the keys
    TextBox* keysGoTo(TextBox* typing) const;
    // A control or a window, whichever got the mouse.
    struct MouseTarget {
        Control* control = nullptr;
        Window* window = nullptr;
        const MouseHandler& handler(char what) const;
        QString source() const { return control ? control->path() : window->name(); }
    };
    void mouse(MouseTarget target, char what, const MouseArgs& m);
    void report(const QString& line);
    void escape(const QString& what);

    NumberLocale locale_;
    std::vector<std::unique_ptr<Window>> windows_;
    Control* focused_ = nullptr;
    MouseTarget pressed_;
    std::deque<Control*> pendingFocus_;
    int depth_ = 0, entries_ = 0, guardHits_ = 0, escaped_ = 0;
    bool ended_ = false;
    QString lastEscaped_;
    Observer* observer_ = nullptr;
    TimerDriver* timers_ = nullptr;
};

}  // namespace forms
