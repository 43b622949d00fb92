#include "ui/view.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>

#include "ui/accessibility.h"
#include "ui/focus_mark.h"
#include "ui/images.h"
#include "ui/tab_order.h"
#include "ui/widgets.h"
#include "ui/window_widget.h"

namespace ui {
using forms::Kind;
using forms::Prop;

forms::MouseArgs mouseArgs(QMouseEvent* e, char what) {
    forms::MouseArgs m;
    const Qt::MouseButtons buttons = what == 'm' ? e->buttons() : Qt::MouseButtons(e->button());
    m.button = (buttons & Qt::LeftButton) ? 1 : (buttons & Qt::RightButton) ? 2 : 0;
    const Qt::KeyboardModifiers mods = e->modifiers();
    m.shift = ((mods & Qt::ShiftModifier) ? 1 : 0) + ((mods & Qt::ControlModifier) ? 2 : 0) +
              ((mods & Qt::AltModifier) ? 4 : 0);
    m.x = e->position().x() * 15;
    m.y = e->position().y() * 15;
    return m;
}

namespace {
QColor qcolor(forms::Color c) {
    return QColor(c.r, c.g, c.b);
}

// Ends a press whose release went astray (to a message box, another program, or nowhere): the
// first move without a button anywhere in the program counts as the release.
class PressWatch : public QObject {
  public:
    explicit PressWatch(forms::Runtime& rt) : rt_(rt) {}

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::MouseMove && rt_.mousePressed()) {
            auto* m = static_cast<QMouseEvent*>(e);
            if (m->buttons() == Qt::NoButton) rt_.endPress(mouseArgs(m, 'm'));
        }
        return QObject::eventFilter(o, e);
    }

  private:
    forms::Runtime& rt_;
};

Qt::CursorShape cursorOf(forms::Pointer p) {
    switch (p) {
        case forms::Pointer::NoDrop:
            return Qt::ForbiddenCursor;
        case forms::Pointer::Hand:
            return Qt::PointingHandCursor;
        default:
            return Qt::ArrowCursor;
    }
}
}  // namespace

View::View(forms::Runtime& rt) : rt_(rt) {
    installAccessibility();
    for (auto& wp : rt.windows()) {
        forms::Window& w = *wp;
        auto* ww = new WindowWidget(*this, w);
        if (w.frameless()) ww->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        windows_.insert(&w, ww);
        ww->setMouseTracking(true);
        ww->setAutoFillBackground(true);
        for (Prop p : {Prop::Caption, Prop::Geometry, Prop::BackColor})
            applyWindow(w, p);
        if (w.visible()) build(w);
    }
    rt.setObserver(this);
    pressWatch_ = std::make_unique<PressWatch>(rt);
    focusMark_ = std::make_unique<FocusMark>();
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(pressWatch_.get());
}

// A window's controls get their widgets when it is first shown (or asked for): most windows
// never open, and the main window shows sooner without them.
void View::build(forms::Window& w) {
    WindowWidget* ww = windows_.value(&w);
    if (!ww || built_.contains(&w)) return;
    built_.insert(&w);
    building_ = true;
    for (auto& cp : w.controls()) {
        if (cp->kind() == Kind::Timer) continue;
        QWidget* widget = create(*cp, ww);
        widgets_.insert(cp.get(), widget);
        controls_.insert(widget, cp.get());
        applyAll(*cp);
    }
    building_ = false;
    applyWindow(w, Prop::Picture);
    applyTabOrder(w, widgets_);
    prepareAccessibility(ww, w, widgets_);
    nameControls(w);
}

QWidget* View::widget(const forms::Control& c) {
    build(c.window());
    return widgets_.value(&c);
}

// Names follow the language on screen, and so do Qt's own texts (menus, message boxes).
void View::nameControls(const forms::Window& w) {
    const i18n::Language lang = languageShown(rt_);
    translations_.follow(lang);
    for (const auto& c : w.controls())
        if (QWidget* widget = widgets_.value(c.get())) nameControl(*c, widget);
    nameWindow(w, windows_.value(&w), lang);
}

bool View::tabStop(const QWidget* w) const {
    if (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() || !w->isEnabled() ||
        !w->isVisibleTo(w->window()))
        return false;
    const forms::Control* c = controls_.value(w);
    return !(c && c->handsFocusOn && c->handsFocusOn());
}

View::~View() {
    rt_.setObserver(nullptr);
    focusMark_.reset();  // it lives in one of the windows until they go
    pressWatch_.reset();
    qDeleteAll(windows_);
}

WindowWidget* View::window(const QString& name) const {
    for (auto it = windows_.begin(); it != windows_.end(); ++it)
        if (it.key()->name() == name) return it.value();
    return nullptr;
}

QWidget* View::create(forms::Control& c, QWidget* parent) {
    switch (c.kind()) {
        case Kind::TextBox: {
            auto& t = static_cast<forms::TextBox&>(c);
            if (t.multiLine()) return new MemoWidget(*this, t, parent);
            return new FieldWidget(*this, t, parent);
        }
        case Kind::ComboBox:
            return new ComboWidget(*this, static_cast<forms::TextBox&>(c), parent);
        case Kind::CheckBox:
            return new CheckWidget(*this, c, parent);
        case Kind::OptionButton:
            return new OptionWidget(*this, c, parent);
        case Kind::Button:
            return new ButtonWidget(*this, c, parent);
        case Kind::ScrollBar:
            return new ScrollWidget(*this, static_cast<forms::ScrollBar&>(c), parent);
        case Kind::Label:
        case Kind::Picture:
        default: {
            auto* l = new LabelWidget(*this, c, parent);
            l->setMouseTracking(true);
            if (c.kind() == Kind::Picture) {
                l->setScaledContents(true);
                // Pictures are drawn on the window's surface, beneath its fields and buttons.
                l->lower();
            }
            return l;
        }
    }
}

void View::applyAll(forms::Control& c) {
    // The geometry draws the picture too, at its size.
    for (Prop p :
         {Prop::Geometry, Prop::Text, Prop::Caption, Prop::Value, Prop::Visible, Prop::Enabled,
          Prop::ReadOnly, Prop::BackColor, Prop::Pointer, Prop::List, Prop::Range, Prop::Font})
        controlChanged(c, p);
}

void View::applyColors(forms::Control& c, QWidget* w) {
    QPalette pal = w->palette();
    const forms::Color back = c.backColor(), fore = c.foreColor();
    switch (c.kind()) {
        case Kind::TextBox:
        case Kind::ComboBox:
            if (!back.none) pal.setColor(QPalette::Base, qcolor(back));
            if (!fore.none) pal.setColor(QPalette::Text, qcolor(fore));
            break;
        case Kind::Button:
            if (!back.none) pal.setColor(QPalette::Button, qcolor(back));
            if (!fore.none) pal.setColor(QPalette::ButtonText, qcolor(fore));
            break;
        default:
            if (!fore.none) pal.setColor(QPalette::WindowText, qcolor(fore));
            if (!back.none) pal.setColor(QPalette::Window, qcolor(back));
            w->setAutoFillBackground(!back.none);
    }
    w->setPalette(pal);
}

void View::applyPicture(forms::Control& c, QWidget* w) {
    const QSize size(toPixels(c.width()), toPixels(c.height()));
    const QPixmap pm = image(c.picture(), size, w->devicePixelRatioF());
    if (auto* b = dynamic_cast<QPushButton*>(w)) {
        b->setIcon(QIcon(pm));
        b->setIconSize(size - QSize(2, 2));
        b->setFlat(!pm.isNull() && c.caption().isEmpty());
    } else if (auto* l = dynamic_cast<QLabel*>(w); l && c.kind() == Kind::Picture) {
        l->setPixmap(pm);
    }
}

void View::controlChanged(forms::Control& c, Prop p) {
    QWidget* w = widgets_.value(&c);
    if (!w) return;
    switch (p) {
        case Prop::Geometry:
            w->setGeometry(toPixels(c.left()), toPixels(c.top()), toPixels(c.width()),
                           toPixels(c.height()));
            if (!c.picture().isEmpty()) applyPicture(c, w);
            break;
        case Prop::Text:
        case Prop::Caret: {
            auto& t = static_cast<forms::TextBox&>(c);
            if (auto* f = dynamic_cast<FieldWidget*>(w)) {
                if (f->text() != t.text()) f->setText(t.text());
                if (t.selLength() > 0)
                    f->setSelection(t.caret(), t.selLength());
                else if (!f->hasFocus() && &c != rt_.focused())
                    f->setCursorPosition(0);  // a field not being edited shows its beginning
                else
                    f->setCursorPosition(t.caret());
            } else if (auto* m = dynamic_cast<MemoWidget*>(w)) {
                m->showModelText(t.text(), t.caret());
            } else if (auto* cb = dynamic_cast<ComboWidget*>(w)) {
                if (cb->currentText() != t.text()) cb->setEditText(t.text());
            }
            break;
        }
        case Prop::Caption:
            if (auto* l = dynamic_cast<QLabel*>(w); l && c.kind() == Kind::Label)
                l->setText(c.caption());
            else if (auto* b = dynamic_cast<QAbstractButton*>(w))
                b->setText(c.caption());
            // A new caption is a new value to hear, or comes with another language for every
            // window (a window being built is named once it is complete).
            if (!building_)
                for (auto it = windows_.keyBegin(); it != windows_.keyEnd(); ++it)
                    nameControls(**it);
            break;
        case Prop::Value:
            if (auto* cb = dynamic_cast<CheckWidget*>(w)) {
                const int v = static_cast<forms::CheckBox&>(c).value();
                cb->setCheckState(v == 0   ? Qt::Unchecked
                                  : v == 1 ? Qt::Checked
                                           : Qt::PartiallyChecked);
            } else if (auto* o = dynamic_cast<OptionWidget*>(w)) {
                o->setChecked(static_cast<forms::OptionButton&>(c).value());
            } else if (auto* s = dynamic_cast<ScrollWidget*>(w)) {
                const QSignalBlocker block(s);
                s->setValue(static_cast<forms::ScrollBar&>(c).value());
            }
            break;
        case Prop::Visible:
            w->setVisible(c.visible());
            break;
        case Prop::Enabled:
            w->setEnabled(c.enabled());
            break;
        case Prop::ReadOnly:
            if (auto* f = dynamic_cast<QLineEdit*>(w))
                f->setReadOnly(static_cast<forms::TextBox&>(c).readOnly());
            else if (auto* m = dynamic_cast<QPlainTextEdit*>(w))
                m->setReadOnly(static_cast<forms::TextBox&>(c).readOnly());
            break;
        case Prop::BackColor:
        case Prop::ForeColor:
            applyColors(c, w);
            break;
        case Prop::Pointer:
            w->setCursor(cursorOf(c.pointer()));
            break;
        case Prop::Picture:
            applyPicture(c, w);
            break;
        case Prop::List:
            if (auto* cb = dynamic_cast<ComboWidget*>(w)) {
                const QSignalBlocker block(cb);
                cb->clear();
                cb->addItems(static_cast<forms::ComboBox&>(c).list());
                cb->setEditText(static_cast<forms::TextBox&>(c).text());
            }
            break;
        case Prop::Range:
            if (auto* s = dynamic_cast<ScrollWidget*>(w)) {
                const QSignalBlocker block(s);
                auto& bar = static_cast<forms::ScrollBar&>(c);
                s->setRange(bar.min(), bar.max());
                s->setSingleStep(bar.smallChange());
                s->setPageStep(bar.largeChange());
                s->setValue(bar.value());
            }
            break;
        case Prop::Font:
            if (!c.fontName().isEmpty()) {
                QFont f = w->font();
                f.setFamilies({c.fontName()});
                if (c.fontName() == QLatin1String("Courier New")) f.setStyleHint(QFont::Monospace);
                w->setFont(f);
            }
            break;
        default:
            break;
    }
}

void View::applyWindow(forms::Window& w, Prop p) {
    WindowWidget* ww = windows_.value(&w);
    if (!ww) return;
    switch (p) {
        case Prop::Caption:
            ww->setWindowTitle(w.caption());
            break;
        case Prop::Visible:
            if (w.visible()) {
                build(w);
                ww->show();
                // The program may have given one of its controls the focus before it had a widget.
                if (forms::Control* f = rt_.focused(); f && &f->window() == &w) focusChanged(f);
                if (QGuiApplication::platformName() != QLatin1String("offscreen")) ww->raise();
                // The keyboard goes with the window the user opened, as a window manager would
                // hand it on, also where there is none; but not from a field being typed into
                // (a keyword in the notes shows a picture).
                const QWidget* typing = QApplication::focusWidget();
                if (!typing || !typing->testAttribute(Qt::WA_InputMethodEnabled))
                    ww->activateWindow();
            } else {
                const bool active = ww->isActiveWindow();
                ww->hide();
                // It comes back to the window holding the program's focus, else the main one.
                const forms::Control* f = rt_.focused();
                const forms::Window& back =
                    f && f->window().visible() ? f->window() : *rt_.windows().front();
                if (active && back.visible()) windows_.value(&back)->activateWindow();
            }
            break;
        case Prop::Geometry:
            ww->move(toPixels(w.left()), toPixels(w.top()));
            ww->resize(toPixels(w.width()), toPixels(w.height()));
            if (!w.picture().isEmpty()) applyWindow(w, Prop::Picture);
            break;
        case Prop::BackColor:
            if (!w.backColor().none) {
                QPalette pal = ww->palette();
                pal.setColor(QPalette::Window, qcolor(w.backColor()));
                ww->setPalette(pal);
            }
            break;
        case Prop::Picture:
            ww->setBackdrop(image(w.picture(), ww->size(), ww->devicePixelRatioF()));
            break;
        default:
            break;
    }
}

void View::focusChanged(forms::Control* now) {
    QWidget* w = now ? widgets_.value(now) : nullptr;
    if (!w || w->hasFocus()) return;
    syncingFocus_ = true;
    if (w->window()->isVisible() && !w->window()->isActiveWindow()) w->window()->activateWindow();
    w->setFocus(Qt::OtherFocusReason);
    syncingFocus_ = false;
}

// --- from the widgets ----------------------------------------------------------------------

void View::edited(forms::TextBox& c, const QString& text, int caret) {
    rt_.userEdit(c, text, caret);
    controlChanged(c, Prop::Text);  // the model may have kept, changed or refused the edit
}

void View::clicked(forms::Control& c, const QString& item) {
    rt_.userClicked(c, item);
    controlChanged(c, Prop::Value);
}

void View::focusIn(forms::Control& c) {
    // A picture reached by Tab has the keyboard, but the program's focus stays where it was.
    if (syncingFocus_ || rt_.focused() == &c || !c.focusKind()) return;
    rt_.userFocus(c);
    if (rt_.focused() != &c) focusChanged(rt_.focused());
}

void View::scroll(forms::ScrollBar& c, int value, bool released) {
    rt_.userScroll(c, value, released);
    controlChanged(c, Prop::Value);
}

void View::close(forms::Window& w) {
    if (onClose)
        onClose(w);
    else
        rt_.dispatch([&w] { w.hide(); });
}

}  // namespace ui
