#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "forms/control.h"

namespace forms {

// A top-level window of the program: created on first use, then only hidden, never destroyed.
class Window {
  public:
    Window(Runtime& rt, QString name);
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    Runtime& runtime() const { return rt_; }
    const QString& name() const { return name_; }

    const QString& caption() const { return caption_; }
    void setCaption(const QString& c) { update(caption_, c, Prop::Caption); }
    bool visible() const { return visible_; }
    void show();  // loads the window first when needed
    void hide() { update(visible_, false, Prop::Visible); }
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void move(int left, int top);
    void resize(int width, int height);
    int opacity() const { return opacity_; }  // the last opacity applied, 0..255
    void setOpacity(int alpha);
    Color backColor() const { return back_; }
    void setBackColor(Color c) { update(back_, c, Prop::BackColor); }
    const QString& picture() const { return picture_; }
    void setPicture(const QString& p) { update(picture_, p, Prop::Picture); }
    // A window without a title bar or border: its outer size is its inner size.
    bool frameless() const { return frameless_; }
    void setFrameless(bool f) { frameless_ = f; }

    // Creation: runs the load handler once. Touching a window from code loads it.
    bool loaded() const { return loaded_; }
    void load();

    template <class T, class... Args>
    T& add(const QString& name, Args&&... args) {
        auto c = std::make_unique<T>(*this, name, std::forward<Args>(args)...);
        T& ref = *c;
        index_.insert(name, c.get());
        controls_.push_back(std::move(c));
        return ref;
    }
    Control* find(const QString& name) const { return index_.value(name, nullptr); }
    // The control of that name and kind; a missing one is a programming error (std::logic_error).
    template <class T>
    T& get(const QString& name) const {
        T* c = dynamic_cast<T*>(find(name));
        if (!c) missing(name);
        return *c;
    }
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    // Tab walks the controls named here first, the way a person fills the form; the others follow
    // in reading order. Each block of controls adds its names beside its declarations: after
    // `after`, a name already in the order, or at the end.
    const QStringList& tabOrder() const { return tabOrder_; }
    void addTabOrder(const QStringList& names, const QString& after = {});

    // State variables kept outside the controls, readable by name (for checks and the trace).
    void defineVar(const QString& name, std::function<QString()> getter) {
        vars_.insert(name, std::move(getter));
    }
    bool hasVar(const QString& name) const { return vars_.contains(name); }
    QString var(const QString& name) const { return vars_.value(name)(); }

    Handler onLoad, onDblClick;
    Handler onUnload;  // the window system closes the window
    MouseHandler onMouseDown, onMouseMove, onMouseUp;
    // A key that the control holding the keyboard left unused (Escape on a window).
    KeyHandler onKeyDown;

    void deselectGroup(const QString& group, const Control* except);

  private:
    [[noreturn]] void missing(const QString& name) const;
    void changed(Prop p);
    template <class T>
    void update(T& field, const T& value, Prop p) {
        if (setIfNew(field, value)) changed(p);
    }

    Runtime& rt_;
    QString name_, caption_, picture_;
    bool visible_ = false, loaded_ = false, frameless_ = false;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0, opacity_ = 255;
    Color back_ = Color::unset();
    std::vector<std::unique_ptr<Control>> controls_;
    QHash<QString, Control*> index_;
    QStringList tabOrder_;
    QHash<QString, std::function<QString()>> vars_;
};

// A window key handler that runs h on Escape: a window that a double click closes closes on
// Escape too, so the keyboard alone can leave it.
inline KeyHandler onEscape(Handler h) {
    return [h = std::move(h)](int key) {
        if (key == keys::Escape && h) h();
    };
}

}  // namespace forms
