#include "scenario/runner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <map>
#include <memory>

#include "app/korvel.h"
#include "platform/memory_services.h"
#include "platform/registry_file.h"
#include "scenario/script.h"

namespace scenario {

std::optional<QString> loadRegistryFile(const QString& path,
                                        QMap<QString, platform::RegValue>& values) {
    platform::RegFile file;
    if (auto error = platform::readRegistryFile(path, file)) return error;
    // Later lines win; a name differing only in case is the same value.
    for (const platform::RegEntry& e : file.entries) {
        for (auto it = values.begin(); it != values.end();)
            it = it.key().compare(e.name, Qt::CaseInsensitive) == 0 ? values.erase(it) : ++it;
        if (e.value) values.insert(e.name, *e.value);
    }
    return std::nullopt;
}

namespace {

using forms::Control;
using forms::Kind;
using forms::Window;

// A check or an action that did not hold: "expected X, got Y".
struct Fail {
    QString expected, got;
};

// The file names a window, control, property or variable the program does not have.
struct BadName {
    QString reason;
};

QString boolText(bool b) {
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

QString kindName(Kind k) {
    switch (k) {
        case Kind::TextBox:
            return QStringLiteral("text field");
        case Kind::Label:
            return QStringLiteral("label");
        case Kind::CheckBox:
            return QStringLiteral("check box");
        case Kind::OptionButton:
            return QStringLiteral("option button");
        case Kind::Button:
            return QStringLiteral("button");
        case Kind::ComboBox:
            return QStringLiteral("combo box");
        case Kind::ScrollBar:
            return QStringLiteral("scroll bar");
        case Kind::Picture:
            return QStringLiteral("picture");
        case Kind::Timer:
            return QStringLiteral("timer");
    }
    return QStringLiteral("control");
}

const QStringList kProps = {
    QStringLiteral("value"),    QStringLiteral("enabled"),   QStringLiteral("visible"),
    QStringLiteral("readonly"), QStringLiteral("backcolor"), QStringLiteral("forecolor"),
    QStringLiteral("caret"),    QStringLiteral("opacity"),   QStringLiteral("left"),
    QStringLiteral("top"),      QStringLiteral("width"),     QStringLiteral("height"),
    QStringLiteral("interval")};

// What a dotted word names: a window, or one of its controls, and perhaps a property of either.
struct Target {
    Window* window = nullptr;
    Control* control = nullptr;  // none: the window itself
    QString prop;

    QString path() const { return control ? control->path() : window->name(); }
    QString described() const {
        return control ? kindName(control->kind()) + QLatin1Char(' ') + control->path()
                       : QStringLiteral("window ") + window->name();
    }
};

// One file's run: its own services, program instance and message index.
class FileRun {
  public:
    FileRun(const QString& name, const Output& o, const Options& opts)
        : name_(name), o_(o), opts_(opts) {}

    Status run(const Script& script,
               const std::map<int, QMap<QString, platform::RegValue>>& files) {
        files_ = &files;
        int checks = 0;
        for (const Command& c : script.commands) {
            line_ = c.line;
            try {
                execute(c);
                notes();
            } catch (const Fail& f) {
                notes();
                o_.err << "FAIL " << where() << ": expected " << f.expected.toStdString()
                       << ", got " << f.got.toStdString() << std::endl;
                return Failed;
            } catch (const BadName& b) {
                notes();
                o_.err << where() << ": " << b.reason.toStdString() << std::endl;
                return Malformed;
            } catch (const std::exception& e) {
                notes();
                o_.err << "FAIL " << where() << ": expected no error, got "
                       << quoted(QString::fromLocal8Bit(e.what())).toStdString() << std::endl;
                return Failed;
            } catch (...) {
                notes();
                o_.err << "FAIL " << where() << ": expected no error, got an unknown error"
                       << std::endl;
                return Failed;
            }
            if (c.isCheck()) ++checks;
        }
        o_.out << name_.toStdString() << ": " << checks << " checks passed" << std::endl;
        return Passed;
    }

  private:
    std::string where() const { return name_.toStdString() + ':' + std::to_string(line_); }

    // Runtime diagnostics gathered while the command ran: an aid to reading a failure, not a check.
    void notes() {
        for (const QString& d : diagnostics_)
            o_.err << "note " << where() << ": " << d.toStdString() << std::endl;
        diagnostics_.clear();
    }

    void startProgram() {
        k_ = std::make_unique<app::Korvel>(sv_.services(), locale_);
        k_->rt.diagnostic = [this](const QString& d) { diagnostics_ << d; };
        if (opts_.trace) {
            k_->rt.tracer = [this](int depth, const QString& handler) {
                o_.out << std::string(size_t(2 * (depth - 1)), ' ') << handler.toStdString()
                       << std::endl;
            };
        }
        pressed_ = false;
        k_->start();
    }

    Target resolve(const QString& word, bool allowProp = false) const {
        const QStringList parts = word.split(QLatin1Char('.'));
        Target t;
        qsizetype i = 0;
        t.window = k_->rt.window(parts[0]);
        if (t.window)
            i = 1;
        else
            t.window = &k_->form1;
        if (i < parts.size()) {
            t.control = t.window->find(parts[i]);
            if (t.control) {
                ++i;
            } else if (i == 0) {
                throw BadName{QStringLiteral("no window, and no control of Form1, named %1")
                                  .arg(quoted(parts[0]))};
            }
        }
        if (i < parts.size()) t.prop = parts[i++];
        if (i < parts.size())
            throw BadName{
                QStringLiteral("%1: nothing can follow the property %2").arg(quoted(word), t.prop)};
        if (!t.prop.isEmpty() && !kProps.contains(t.prop))
            throw BadName{(t.control ? QStringLiteral("%1 has no property named %2")
                                     : QStringLiteral("%1 has no control or property named %2"))
                              .arg(t.path(), quoted(t.prop))};
        if (!t.prop.isEmpty() && !allowProp)
            throw BadName{QStringLiteral("%1 names a property; a control or window is needed here")
                              .arg(quoted(word))};
        return t;
    }

    Control& control(const QString& word) const {
        const Target t = resolve(word);
        if (!t.control) throw Fail{QStringLiteral("a control"), t.described()};
        return *t.control;
    }

    template <class T>
    T& controlOf(const QString& word, const char* what) const {
        Control& c = control(word);
        T* typed = dynamic_cast<T*>(&c);
        if (!typed)
            throw Fail{QLatin1String(what), kindName(c.kind()) + QLatin1Char(' ') + c.path()};
        return *typed;
    }

    Control& focusable(const QString& word) const {
        Control& c = control(word);
        if (!c.focusKind())
            throw Fail{QStringLiteral("a control that takes the focus"),
                       kindName(c.kind()) + QLatin1Char(' ') + c.path()};
        return c;
    }

    [[noreturn]] static void noProperty(const Target& t) {
        throw BadName{QStringLiteral("%1 has no property %2").arg(t.described(), t.prop)};
    }

    // The value a check compares: a text, a caption, or a property written as text.
    static QString read(const Target& t) {
        Control* c = t.control;
        const QString& p = t.prop;
        if (p.isEmpty()) {
            if (!c) return t.window->caption();
            if (auto* text = dynamic_cast<forms::TextBox*>(c)) return text->text();
            if (c->kind() == Kind::ScrollBar || c->kind() == Kind::Timer ||
                c->kind() == Kind::Picture)
                throw BadName{QStringLiteral("%1 has no text or caption; name a property")
                                  .arg(t.described())};
            return c->caption();
        }
        auto* text = dynamic_cast<forms::TextBox*>(c);
        if (p == QLatin1String("value")) {
            if (auto* box = dynamic_cast<forms::CheckBox*>(c)) return QString::number(box->value());
            if (auto* opt = dynamic_cast<forms::OptionButton*>(c)) return boolText(opt->value());
            if (auto* bar = dynamic_cast<forms::ScrollBar*>(c))
                return QString::number(bar->value());
        } else if (p == QLatin1String("enabled")) {
            if (c) return boolText(c->enabled());
        } else if (p == QLatin1String("visible")) {
            return boolText(c ? c->visible() : t.window->visible());
        } else if (p == QLatin1String("readonly")) {
            if (text) return boolText(text->readOnly());
        } else if (p == QLatin1String("backcolor")) {
            return (c ? c->backColor() : t.window->backColor()).text();
        } else if (p == QLatin1String("forecolor")) {
            if (c) return c->foreColor().text();
        } else if (p == QLatin1String("caret")) {
            if (text) return QString::number(text->caret());
        } else if (p == QLatin1String("opacity")) {
            if (!c) return QString::number(t.window->opacity());
        } else if (p == QLatin1String("left")) {
            return QString::number(c ? c->left() : t.window->left());
        } else if (p == QLatin1String("top")) {
            return QString::number(c ? c->top() : t.window->top());
        } else if (p == QLatin1String("width")) {
            return QString::number(c ? c->width() : t.window->width());
        } else if (p == QLatin1String("height")) {
            return QString::number(c ? c->height() : t.window->height());
        } else if (p == QLatin1String("interval")) {
            if (auto* timer = dynamic_cast<forms::Timer*>(c))
                return QString::number(timer->interval());
        }
        noProperty(t);
    }

    // A state variable: WINDOW.NAME, or a bare NAME looked up in Form1 first.
    QString var(const QString& word) const {
        const QString first = word.section(QLatin1Char('.'), 0, 0);
        if (word.contains(QLatin1Char('.'))) {
            const Window* w = k_->rt.window(first);
            const QString name = word.section(QLatin1Char('.'), 1);
            if (w && w->hasVar(name)) return w->var(name);
        } else {
            if (k_->form1.hasVar(word)) return k_->form1.var(word);
            for (const auto& w : k_->rt.windows())
                if (w->hasVar(word)) return w->var(word);
        }
        throw BadName{QStringLiteral("no state variable named %1").arg(quoted(word))};
    }

    static void compare(const QString& expected, const QString& got) {
        if (expected != got) throw Fail{quoted(expected), quoted(got)};
    }

    const platform::RecordingMessages::Shown& nextMessage(const QString& expected) {
        if (messagesChecked_ >= sv_.messages.shown.size())
            throw Fail{expected, QStringLiteral("no message")};
        return sv_.messages.shown[messagesChecked_++];
    }

    void print(const QString& what, const QString& value) const {
        o_.out << where() << ": " << what.toStdString() << " = " << value.toStdString()
               << std::endl;
    }

    void execute(const Command& c) {
        const QStringList& a = c.args;
        forms::Runtime* rt = k_ ? &k_->rt : nullptr;
        switch (c.verb) {
            case Verb::Locale:
                locale_ =
                    c.mode == 'c' ? forms::NumberLocale::comma() : forms::NumberLocale::point();
                break;
            case Verb::Store:
                sv_.store.write(a[0], a[1]);
                break;
            case Verb::Registry: {
                platform::RegValue v;
                if (c.mode == 'd') {
                    v.type = platform::RegValue::Dword;
                    v.dword = quint32(c.number);
                } else {
                    v.text = a[2];
                }
                sv_.registry.values.insert(a[0], v);
                break;
            }
            case Verb::RegistryFile: {
                const auto& loaded = files_->at(c.line);
                for (auto it = loaded.begin(); it != loaded.end(); ++it)
                    sv_.registry.values.insert(it.key(), it.value());
                break;
            }
            case Verb::Calculator:
                sv_.launcher.calculatorAvailable = false;
                break;
            case Verb::Links:
                sv_.launcher.linksOpen = false;
                break;
            case Verb::Screen:
                sv_.screen.area = QRect(0, 0, int(c.x) * 15, int(c.y) * 15);
                break;
            case Verb::Random:
                for (double r : c.randoms)
                    sv_.random.push(r);
                break;
            case Verb::Start:
            case Verb::Restart:
                // A restart drops the running program as a crash would: nothing is saved.
                k_.reset();
                startProgram();
                break;
            case Verb::Focus:
                rt->userFocus(focusable(a[0]));
                break;
            case Verb::Type:
                rt->userType(controlOf<forms::TextBox>(a[0], "a text field or combo box"), a[1]);
                break;
            case Verb::Paste:
                rt->userPaste(controlOf<forms::TextBox>(a[0], "a text field or combo box"), a[1]);
                break;
            case Verb::Clear:
                rt->userClear(controlOf<forms::TextBox>(a[0], "a text field or combo box"));
                break;
            case Verb::Key:
                rt->userKey(focusable(a[0]), int(c.number));
                break;
            case Verb::Click: {
                Control& target = control(a[0]);
                if (a.size() < 2) {
                    rt->userClick(target);
                    break;
                }
                auto& combo =
                    controlOf<forms::ComboBox>(a[0], "a combo box to choose an item from");
                if (!combo.list().contains(a[1]))
                    throw Fail{QStringLiteral("an item of ") + combo.path(), quoted(a[1])};
                rt->userClick(combo, a[1]);
                break;
            }
            case Verb::DblClick: {
                const Target t = resolve(a[0]);
                if (t.control)
                    rt->userDblClick(*t.control);
                else
                    rt->userDblClick(*t.window);
                break;
            }
            case Verb::Mouse: {
                const Target t = resolve(a[1]);
                // The left button is held from a down to the next up, whatever it moves over.
                if (c.mode == 'd') pressed_ = true;
                const forms::MouseArgs m{c.mode == 'm' && !pressed_ ? 0 : 1, int(c.number), c.x,
                                         c.y};
                if (c.mode == 'u') pressed_ = false;
                // As in the program, a press focuses a control that can take the focus first.
                if (c.mode == 'd' && t.control) rt->userFocus(*t.control);
                if (t.control)
                    rt->userMouse(*t.control, c.mode, m);
                else
                    rt->userMouse(*t.window, c.mode, m);
                break;
            }
            case Verb::Scroll:
                // A drag moves the thumb (scroll events); letting go gives the one change.
                rt->userScroll(controlOf<forms::ScrollBar>(a[0], "a scroll bar"), int(c.number),
                               c.mode == 'r');
                break;
            case Verb::Close: {
                const Target t = resolve(a[0]);
                if (t.control) throw Fail{QStringLiteral("a window"), t.described()};
                k_->userClose(*t.window);
                break;
            }
            case Verb::Tick: {
                auto& timer = controlOf<forms::Timer>(a[0], "a timer");
                for (qint64 i = 0; i < c.number && !rt->ended(); ++i)
                    rt->fireTimer(timer);
                break;
            }
            case Verb::Expect:
                compare(a[1], read(resolve(a[0], true)));
                break;
            case Verb::ExpectVar:
                compare(a[1], var(a[0]));
                break;
            case Verb::ExpectStore: {
                // The word absent is quoted where it is a stored text.
                const bool has = sv_.store.contains(a[0]);
                const QString got =
                    has ? quoted(sv_.store.read(a[0], QString()),
                                 sv_.store.read(a[0], QString()) == QLatin1String("absent"))
                        : QStringLiteral("absent");
                const QString expected = c.mode == 'a'
                                             ? QStringLiteral("absent")
                                             : quoted(a[1], a[1] == QLatin1String("absent"));
                if (got != expected) throw Fail{expected, got};
                break;
            }
            case Verb::ExpectMessage: {
                const auto& m = nextMessage(QStringLiteral("message ") + quoted(a[0]));
                compare(a[0], m.text);
                if (a.size() == 2 && a[1] != m.titleShown())
                    throw Fail{QStringLiteral("title ") + quoted(a[1]),
                               QStringLiteral("title ") + quoted(m.titleShown())};
                break;
            }
            case Verb::ExpectMessageTitle: {
                const auto& m = nextMessage(QStringLiteral("a message titled ") + quoted(a[0]));
                if (a[0] != m.titleShown())
                    throw Fail{QStringLiteral("title ") + quoted(a[0]),
                               QStringLiteral("title ") + quoted(m.titleShown())};
                break;
            }
            case Verb::ExpectNoMessage:
                if (messagesChecked_ < sv_.messages.shown.size())
                    throw Fail{QStringLiteral("no message"),
                               QStringLiteral("message ") +
                                   quoted(sv_.messages.shown[messagesChecked_].text)};
                break;
            case Verb::ExpectClipboard:
                compare(a[0], sv_.clipboard.text());
                break;
            case Verb::ExpectLog:
                compare(a[0], sv_.log.last);
                break;
            case Verb::ExpectOpened: {
                const QStringList& opened = sv_.launcher.opened;
                const QString got =
                    opened.isEmpty()
                        ? QStringLiteral("none")
                        : quoted(opened.last(), opened.last() == QLatin1String("none"));
                const QString expected = c.mode == 'n'
                                             ? QStringLiteral("none")
                                             : quoted(a[0], a[0] == QLatin1String("none"));
                if (got != expected) throw Fail{expected, got};
                break;
            }
            case Verb::ExpectFocus: {
                const QString expected = focusable(a[0]).path();
                const Control* now = rt->focused();
                const QString got = now ? now->path() : QStringLiteral("none");
                if (got != expected) throw Fail{expected, got};
                break;
            }
            case Verb::ExpectEnded:
                if (!rt->ended()) throw Fail{QStringLiteral("ended"), QStringLiteral("running")};
                break;
            case Verb::ExpectRunning:
                if (rt->ended()) throw Fail{QStringLiteral("running"), QStringLiteral("ended")};
                break;
            case Verb::Print:
                if (c.mode == 'v') {
                    print(QStringLiteral("var ") + a[1], quoted(var(a[1])));
                } else if (c.mode == 's') {
                    print(QStringLiteral("store ") + a[1],
                          sv_.store.contains(a[1])
                              ? quoted(sv_.store.read(a[1], QString()),
                                       sv_.store.read(a[1], QString()) == QLatin1String("absent"))
                              : QStringLiteral("absent"));
                } else {
                    print(a[0], quoted(read(resolve(a[0], true))));
                }
                break;
        }
    }

    QString name_;
    Output o_;
    Options opts_;
    const std::map<int, QMap<QString, platform::RegValue>>* files_ = nullptr;
    platform::MemoryServices sv_;  // a fresh store, registry and recorders for each file
    forms::NumberLocale locale_ = forms::NumberLocale::point();
    std::unique_ptr<app::Korvel> k_;  // kept after the program ends, so checks read its last state
    QStringList diagnostics_;
    size_t messagesChecked_ = 0;
    bool pressed_ = false;
    int line_ = 0;
};

}  // namespace

Status runText(const QString& name, const QString& text, const Output& o, const Options& opts,
               const QString& baseDir) {
    const Parsed parsed = parse(text);
    if (parsed.error) {
        o.err << name.toStdString() << ':' << parsed.error->line << ": "
              << parsed.error->reason.toStdString() << std::endl;
        return Malformed;
    }
    // Registry files are read before anything runs, as a mistake in one makes the file malformed.
    std::map<int, QMap<QString, platform::RegValue>> files;
    for (const Command& c : parsed.script.commands) {
        if (c.verb != Verb::RegistryFile) continue;
        const QString path =
            QDir(baseDir.isEmpty() ? QStringLiteral(".") : baseDir).filePath(c.args[0]);
        if (const auto error = loadRegistryFile(path, files[c.line])) {
            o.err << name.toStdString() << ':' << c.line
                  << ": registry-file: " << error->toStdString() << std::endl;
            return Malformed;
        }
    }
    FileRun run(name, o, opts);
    return run.run(parsed.script, files);
}

Status runFile(const QString& path, const Output& o, const Options& opts) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        o.err << path.toStdString()
              << ": cannot read the file: " << file.errorString().toStdString() << std::endl;
        return Malformed;
    }
    const QString text = QString::fromUtf8(file.readAll());
    return runText(path, text, o, opts, QFileInfo(path).absolutePath());
}

}  // namespace scenario
