#include "forms/runtime.h"

#include <QtGlobal>

namespace forms {

Runtime::Runtime(NumberLocale locale) : locale_(locale) {}

Runtime::~Runtime() = default;

Window& Runtime::addWindow(const QString& name) {
    windows_.push_back(std::make_unique<Window>(*this, name));
    return *windows_.back();
}

Window* Runtime::window(const QString& name) const {
    for (auto& w : windows_)
        if (w->name() == name) return w.get();
    return nullptr;
}

void Runtime::controlChanged(Control& c, Prop p) {
    if (observer_) observer_->controlChanged(c, p);
    if (timers_ && c.kind() == Kind::Timer && (p == Prop::Enabled || p == Prop::Interval))
        timers_->timerChanged(static_cast<Timer&>(c));
}

void Runtime::windowChanged(Window& w, Prop p) {
    if (observer_) observer_->windowChanged(w, p);
}

void Runtime::report(const QString& line) {
    if (diagnostic)
        diagnostic(line);
    else
        qWarning("%s", qPrintable(line));
}

void Runtime::raise(const QString& source, const char* event, const Handler& h) {
    if (!h || ended_) return;
    if (depth_ >= maxDepth) {
        ++guardHits_;
        report(QStringLiteral("nesting guard: %1_%2 not run").arg(source, QLatin1String(event)));
        return;
    }
    struct Depth {
        int& d;
        explicit Depth(int& d) : d(++d) {}
        ~Depth() { --d; }
    } depth(depth_);
    if (tracer) tracer(depth_, source + QLatin1Char('_') + QLatin1String(event));
    h();
}

void Runtime::dispatch(const std::function<void()>& f) {
    if (ended_) return;
    ++entries_;
    try {
        f();
        if (depth_ == 0) settle();
    } catch (const ProgramEnded&) {
        ended_ = true;
    } catch (const std::exception& e) {
        escape(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        escape(QStringLiteral("unknown error"));
    }
    --entries_;
    if (ended_) pendingFocus_.clear();
}

void Runtime::escape(const QString& what) {
    ++escaped_;
    lastEscaped_ = what;
    report(QStringLiteral("error left a handler: ") + what);
    if (depth_ == 0) pendingFocus_.clear();
}

void Runtime::end() {
    ended_ = true;
    throw ProgramEnded{};
}

bool Runtime::canTakeFocus(const Control& c) const {
    return !ended_ && c.focusKind() && c.visible() && c.enabled() && c.window().visible();
}

void Runtime::requestFocus(Control& c) {
    pendingFocus_.push_back(&c);
    if (depth_ == 0 && entries_ == 0) dispatch([] {});
}

void Runtime::moveFocus(Control* target) {
    if (target == focused_) return;
    if (target && !canTakeFocus(*target)) return;
    Control* old = focused_;
    focused_ = target;
    if (observer_) observer_->focusChanged(target);
    if (old && (old->kind() == Kind::TextBox || old->kind() == Kind::ComboBox))
        static_cast<TextBox*>(old)->endEntry();
    if (old) raise(*old, "LostFocus", old->onLostFocus);
    if (target) raise(*target, "GotFocus", target->onGotFocus);
}

void Runtime::settle() {
    // Each move runs handlers that may ask for more moves; a ping-pong between two controls is
    // cut off rather than left to spin.
    for (int moves = 0; !pendingFocus_.empty() && !ended_; ++moves) {
        if (moves == 1000) {
            ++guardHits_;
            report(QStringLiteral("nesting guard: focus moves did not settle"));
            pendingFocus_.clear();
            break;
        }
        Control* next = pendingFocus_.front();
        pendingFocus_.pop_front();
        moveFocus(next);
    }
}

void Runtime::focusForUser(Control& c) {
    if (focused_ != &c && canTakeFocus(c)) {
        pendingFocus_.clear();
        moveFocus(&c);
    }
}

namespace {
bool usable(const Control& c) {
    return c.visible() && c.enabled() && c.window().visible();
}
}  // namespace

TextBox* Runtime::typingTarget(TextBox& t) {
    if (!usable(t)) return nullptr;
    dispatch([&] { focusForUser(t); });
    return keysGoTo(&t);
}

// A field that hands the focus on passes the keystrokes on with it; nothing takes them but a
// text field or combo box.
TextBox* Runtime::keysGoTo(TextBox* typing) const {
    if (!focused_ || focused_ == typing) return typing;
    if (focused_->kind() == Kind::TextBox || focused_->kind() == Kind::ComboBox)
        return static_cast<TextBox*>(focused_);
    return nullptr;
}

void Runtime::userFocus(Control& c) {
    if (!usable(c)) return;
    dispatch([&] { focusForUser(c); });
}

void Runtime::userType(TextBox& t, const QString& chars) {
    if (!usable(t)) return;
    TextBox* into = typingTarget(t);
    if (!into) return;
    dispatch([&] { into->select(0, int(into->text().size())); });
    for (const QChar ch : chars) {
        if (ended_) return;
        // Keystrokes go where the focus is: a handler may have passed it on.
        into = keysGoTo(into);
        if (!into) return;
        dispatch([&] {
            TextBox& t = *into;
            if (t.readOnly()) return;
            const QString& cur = t.text();
            const int start = t.caret(), len = t.selLength();
            if (t.maxLength() > 0 && cur.size() - len + 1 > t.maxLength()) return;
            t.userEdit(cur.left(start) + ch + cur.mid(start + len), start + 1);
        });
    }
}

void Runtime::userPaste(TextBox& field, const QString& text) {
    TextBox* into = typingTarget(field);
    if (!into) return;
    TextBox& t = *into;
    dispatch([&] {
        t.select(0, int(t.text().size()));
        if (t.readOnly()) return;
        const QString fit = t.maxLength() > 0 ? text.left(t.maxLength()) : text;
        t.userEdit(fit, int(fit.size()));
    });
}

void Runtime::userClear(TextBox& field) {
    TextBox* into = typingTarget(field);
    if (!into) return;
    TextBox& t = *into;
    dispatch([&] {
        if (t.readOnly() || t.text().isEmpty()) return;
        t.userEdit(QString(), 0);
    });
}

void Runtime::userEdit(TextBox& t, const QString& text, int caret) {
    if (!usable(t)) return;
    dispatch([&] {
        if (!t.readOnly()) t.userEdit(text, caret);
    });
}

void Runtime::userKey(Control& c, int keyCode) {
    if (!usable(c)) return;
    dispatch([&] { focusForUser(c); });
    dispatch([&] {
        if (c.onKeyDown) raise(c, "KeyDown", [&] { c.onKeyDown(keyCode); });
    });
}

void Runtime::userKey(Window& w, int keyCode) {
    if (!w.visible() || !w.onKeyDown) return;
    dispatch([&] { raise(w.name(), "KeyDown", [&] { w.onKeyDown(keyCode); }); });
}

void Runtime::userClick(Control& c, const QString& item) {
    if (!usable(c)) return;
    const MouseArgs left{1, 0, 0, 0};
    endPress(left);
    dispatch([&] { focusForUser(c); });
    dispatch([&] {
        if (c.onMouseDown) raise(c, "MouseDown", [&] { c.onMouseDown(left); });
    });
    dispatch([&] {
        if (c.onMouseUp) raise(c, "MouseUp", [&] { c.onMouseUp(left); });
    });
    userClicked(c, item);
}

void Runtime::userClicked(Control& c, const QString& item) {
    if (!usable(c)) return;
    dispatch([&] {
        switch (c.kind()) {
            case Kind::CheckBox: {
                auto& box = static_cast<CheckBox&>(c);
                box.setValue(box.value() == 0 ? 1 : 0);
                break;
            }
            case Kind::OptionButton:
                static_cast<OptionButton&>(c).setValue(true);
                break;
            case Kind::ComboBox:
                // Choosing from the list shows the item without a change event.
                if (!item.isNull()) static_cast<ComboBox&>(c).showText(item);
                raise(c, "Click", c.onClick);
                break;
            default:
                raise(c, "Click", c.onClick);
        }
    });
}

void Runtime::userDblClick(Control& c) {
    if (!usable(c)) return;
    dispatch([&] { raise(c, "DblClick", c.onDblClick); });
}

void Runtime::userDblClick(Window& w) {
    if (!w.visible()) return;
    dispatch([&] { raise(w.name(), "DblClick", w.onDblClick); });
}

namespace {
const char* mouseEvent(char what) {
    return what == 'd' ? "MouseDown" : what == 'u' ? "MouseUp" : "MouseMove";
}
template <class Target>
const MouseHandler& mouseHandler(const Target& t, char what) {
    return what == 'd' ? t.onMouseDown : what == 'u' ? t.onMouseUp : t.onMouseMove;
}
}  // namespace

const MouseHandler& Runtime::MouseTarget::handler(char what) const {
    return control ? mouseHandler(*control, what) : mouseHandler(*window, what);
}

void Runtime::userMouse(Control& c, char what, const MouseArgs& m) {
    if (!usable(c)) return;
    mouse({&c, nullptr}, what, m);
}

void Runtime::userMouse(Window& w, char what, const MouseArgs& m) {
    if (!w.visible()) return;
    mouse({nullptr, &w}, what, m);
}

void Runtime::mouse(MouseTarget target, char what, const MouseArgs& m) {
    if (what == 'u') {
        // The release belongs to what got the press; a second release has nothing to end.
        endPress(m);
        return;
    }
    if (what == 'd' || m.button == 0) endPress(m);  // the release of an earlier press was lost
    if (what == 'd') pressed_ = target;
    const MouseHandler& h = target.handler(what);
    if (!h) return;
    dispatch([&] { raise(target.source(), mouseEvent(what), [&] { h(m); }); });
}

void Runtime::endPress(const MouseArgs& m) {
    const MouseTarget was = pressed_;
    if (!was.control && !was.window) return;
    pressed_ = {};
    const MouseHandler& h = was.handler('u');
    if (!h) return;
    dispatch([&] { raise(was.source(), "MouseUp", [&] { h(m); }); });
}

void Runtime::userScroll(ScrollBar& s, int value, bool released) {
    if (!usable(s)) return;
    dispatch([&] {
        if (released)
            s.userRelease(value);
        else
            s.userScroll(value);
    });
}

void Runtime::fireTimer(Timer& t) {
    if (!t.enabled()) return;
    dispatch([&] { raise(t, "Timer", t.onTimer); });
}

}  // namespace forms
