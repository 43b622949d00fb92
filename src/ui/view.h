#pragma once

#include <QHash>
#include <QMouseEvent>
#include <QSet>
#include <QtGlobal>
#include <functional>
#include <memory>

#include "forms/runtime.h"
#include "ui/qt_translations.h"

class QWidget;

namespace ui {

class WindowWidget;

forms::MouseArgs mouseArgs(QMouseEvent* e, char what);

// The Qt view of the model: one top-level widget per window and one widget per control, all
// bound by name through this one layer. Model changes update the widgets; the user's edits,
// clicks, keys, mouse and focus go to the model as user actions.
class View : public forms::Observer {
  public:
    explicit View(forms::Runtime& rt);
    ~View() override;

    QWidget* widget(const forms::Control& c);
    WindowWidget* window(const forms::Window& w) const { return windows_.value(&w); }
    WindowWidget* window(const QString& name) const;

    // What the window system's close button does to a window.
    std::function<void(forms::Window&)> onClose;

    // From the widgets.
    void edited(forms::TextBox& c, const QString& text, int caret);
    void key(forms::Control& c, int keyCode) { rt_.userKey(c, keyCode); }
    void key(forms::Window& w, int keyCode) { rt_.userKey(w, keyCode); }
    void clicked(forms::Control& c, const QString& item = QString());
    void dblClick(forms::Control& c) { rt_.userDblClick(c); }
    void mouse(forms::Control& c, char what, QMouseEvent* e) {
        rt_.userMouse(c, what, mouseArgs(e, what));
    }
    void mouse(forms::Window& w, char what, QMouseEvent* e) {
        rt_.userMouse(w, what, mouseArgs(e, what));
    }
    void dblClick(forms::Window& w) { rt_.userDblClick(w); }
    void focusIn(forms::Control& c);
    void scroll(forms::ScrollBar& c, int value, bool released);
    void close(forms::Window& w);

    // Whether Tab may stop on a widget: where Qt would, but not on a control that would hand
    // the focus straight on (it would send Tab back along the chain, in a loop).
    bool tabStop(const QWidget* w) const;

    // forms::Observer
    void controlChanged(forms::Control& c, forms::Prop p) override;
    void windowChanged(forms::Window& w, forms::Prop p) override { applyWindow(w, p); }
    void focusChanged(forms::Control* now) override;

  private:
    QWidget* create(forms::Control& c, QWidget* parent);
    void build(forms::Window& w);
    void applyAll(forms::Control& c);
    void applyColors(forms::Control& c, QWidget* w);
    void applyPicture(forms::Control& c, QWidget* w);
    void applyWindow(forms::Window& w, forms::Prop p);
    void nameControls(const forms::Window& w);

    forms::Runtime& rt_;
    std::unique_ptr<QObject> pressWatch_;
    std::unique_ptr<QWidget> focusMark_;
    QHash<const forms::Control*, QWidget*> widgets_;
    QHash<const QWidget*, forms::Control*> controls_;
    QtTranslations translations_;
    QHash<const forms::Window*, WindowWidget*> windows_;
    QSet<const forms::Window*> built_;
    bool building_ = false;
    bool syncingFocus_ = false;
};

// Twips and pixels: 15 twips to the pixel.
inline int toPixels(int twips) {
    return qRound(twips / 15.0);
}

}  // namespace ui
