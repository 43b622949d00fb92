#include "ui/accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QRadioButton>
#include <QTimer>

#include "forms/runtime.h"
#include "i18n/control_names.h"
#include "ui/reading_order.h"
#include "ui/tab_order.h"
#include "ui/widgets.h"
#include "ui/window_widget.h"

namespace ui {
using forms::Kind;

namespace {

// A picture nobody can click (a theme's backdrop, the Basel shape, the preview's surface) is only
// drawn; the others (a flag, an aspect preset, the scissors) are buttons.
bool decoration(const forms::Control& c) {
    return c.kind() == Kind::Picture && !c.onClick;
}

bool exposed(const QWidget* w) {
    if (w->isWindow() || w->isHidden()) return false;
    const auto* label = dynamic_cast<const LabelWidget*>(w);
    return !label || !decoration(label->model());
}

// A window lists the controls the user can see; a hidden one joins the list when it is shown.
class WindowAccess : public QAccessibleWidget {
  public:
    explicit WindowAccess(QWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> list = children();
        if (index < 0 || index >= list.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(list[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || !child->object()) return -1;
        return int(children().indexOf(child->object()));
    }

  private:
    QList<QWidget*> children() const {
        QList<QWidget*> list;
        for (QObject* o : widget()->children())
            if (auto* w = qobject_cast<QWidget*>(o); w && exposed(w)) list << w;
        return list;
    }
};

// A clickable picture or label, pressed like a button (or a link), as Space and Enter press it.
class PressAccess : public QAccessibleWidget {
  public:
    PressAccess(LabelWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action != pressAction()) return QAccessibleWidget::doAction(action);
        // After the screen reader's request returns: the click may open a message box.
        auto* picture = static_cast<LabelWidget*>(widget());
        QTimer::singleShot(0, picture, [picture] { picture->press(); });
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

// Qt names a combo box on this platform after its value and leaves the name to a label beside
// it; here the name says what is chosen and the value is the choice, as for a field.
class ComboAccess : public QAccessibleWidget {
  public:
    explicit ComboAccess(QComboBox* c) : QAccessibleWidget(c, QAccessible::ComboBox) {}

    int childCount() const override { return 2; }
    QAccessibleInterface* child(int index) const override {
        QObject* part = index == 0   ? static_cast<QObject*>(combo()->view())
                        : index == 1 ? combo()->lineEdit()
                                     : nullptr;
        return part ? QAccessible::queryAccessibleInterface(part) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        if (child->object() == combo()->view()) return 0;
        return child->object() == combo()->lineEdit() ? 1 : -1;
    }
    QAccessibleInterface* focusChild() const override { return child(1); }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? combo()->currentText() : QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString& action) override {
        if (action == showMenuAction()) combo()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* accessFor(const QString&, QObject* object) {
    if (auto* window = dynamic_cast<WindowWidget*>(object)) return new WindowAccess(window);
    if (auto* label = dynamic_cast<LabelWidget*>(object); label && pressable(label->model())) {
        // The About window's labels open a web page or a mail form.
        const bool link = label->model().window().name() == QLatin1String("frmAbout");
        return new PressAccess(label, link ? QAccessible::Link : QAccessible::Button);
    }
    if (auto* combo = dynamic_cast<ComboWidget*>(object)) return new ComboAccess(combo);
    return nullptr;
}

// Tells a screen reader that a window's list of controls changed.
class VisibilityWatch : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::ShowToParent || e->type() == QEvent::HideToParent) {
            QAccessibleEvent changed(parent(), QAccessible::ObjectReorder);
            QAccessible::updateAccessibility(&changed);
        }
        return QObject::eventFilter(o, e);
    }
};

}  // namespace

i18n::Language languageShown(const forms::Runtime& rt) {
    for (const auto& w : rt.windows())
        if (w->hasVar(QStringLiteral("currentLanguage")))
            return i18n::languageOf(w->var(QStringLiteral("currentLanguage")));
    return i18n::English;
}

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(accessFor);
        return true;
    }();
    (void)installed;
}

void prepareAccessibility(QWidget* window, const forms::Window& w,
                          const QHash<const forms::Control*, QWidget*>& widgets) {
    auto* watch = new VisibilityWatch(window);
    QHash<QString, QButtonGroup*> groups;
    for (const auto& c : w.controls()) {
        QWidget* widget = widgets.value(c.get());
        if (!widget) continue;
        widget->installEventFilter(watch);
        auto* radio = qobject_cast<QRadioButton*>(widget);
        if (!radio) continue;
        // The model decides which choice is on, so the group is not exclusive; auto-exclusive
        // is what makes the button a radio button rather than a check box to a screen reader,
        // and inside a group it selects nothing by itself.
        QButtonGroup*& group = groups[static_cast<const forms::OptionButton&>(*c).group()];
        if (!group) {
            group = new QButtonGroup(window);
            group->setExclusive(false);
        }
        group->addButton(radio);
        radio->setAutoExclusive(true);
    }
}

void nameControl(const forms::Control& c, QWidget* widget) {
    const i18n::Language lang = languageShown(c.runtime());
    QString name, description;
    if (const i18n::NameRow* row = i18n::controlName(c.window().name(), c.name())) {
        name = QString::fromUtf8(row->text[lang]);
        if (row->captionIsValue) description = c.caption().trimmed();
    } else if (c.kind() == Kind::Label) {
        name = c.caption().trimmed();
    } else {
        name = accessibleName(c.window(), c);
    }
    if (widget->accessibleName() != name) widget->setAccessibleName(name);
    // The typing part of a combo box is where the focus lands.
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit())
        combo->lineEdit()->setAccessibleName(name);
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

void nameWindow(const forms::Window& w, QWidget* window, i18n::Language lang) {
    if (const i18n::NameRow* row = i18n::controlName(w.name(), QString()); row && window)
        window->setAccessibleName(QString::fromUtf8(row->text[lang]));
}

}  // namespace ui
