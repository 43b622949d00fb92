// One scenario file's run: fresh services and program, and what each verb does to them.
#include <memory>

#include "app/korvel.h"
#include "platform/memory_services.h"
#include "scenario/names.h"
#include "scenario/verbs.h"

namespace scenario {

namespace {

void compare(const QString& expected, const QString& got) {
    if (expected != got) throw Fail{quoted(expected), quoted(got)};
}

// A text as printed beside a bare keyword (absent, none): quoted when it is the keyword.
QString besideKeyword(const QString& text, const char* keyword) {
    return quoted(text, text == QLatin1String(keyword));
}

// One file's run: its own services, program instance and message index, which the verbs act on.
class Player : public Actions {
  public:
    Player(const QString& name, const Output& o, const Options& opts)
        : name_(name), o_(o), opts_(opts) {}

    Status run(const Script& script, const RegistryFiles& registryFiles) {
        files = &registryFiles;
        int checks = 0;
        for (const Command& c : script.commands) {
            line_ = c.line;
            // The notes come first, then what went wrong; the rest of the file does not run.
            const auto stop = [this](Status status, const std::string& line) {
                notes();
                o_.err << line << std::endl;
                return status;
            };
            try {
                (this->*verbRow(c.verb).run)(c);
            } catch (const Fail& f) {
                return stop(Failed, "FAIL " + where() + ": expected " + f.expected.toStdString() +
                                        ", got " + f.got.toStdString());
            } catch (const BadName& b) {
                return stop(Malformed, where() + ": " + b.reason.toStdString());
            } catch (const std::exception& e) {
                return stop(Failed, "FAIL " + where() + ": expected no error, got " +
                                        quoted(QString::fromLocal8Bit(e.what())).toStdString());
            } catch (...) {
                return stop(Failed,
                            "FAIL " + where() + ": expected no error, got an unknown error");
            }
            notes();
            if (c.isCheck()) ++checks;
        }
        o_.out << name_.toStdString() << ": " << checks << " checks passed" << std::endl;
        return Passed;
    }

    // Drops a running program as a crash would (nothing is saved) and starts a new one.
    void startProgram() {
        k.reset();
        k = std::make_unique<app::Korvel>(sv.services(), numberLocale);
        k->rt.diagnostic = [this](const QString& d) { diagnostics_ << d; };
        if (opts_.trace) {
            k->rt.tracer = [this](int depth, const QString& handler) {
                o_.out << std::string(size_t(2 * (depth - 1)), ' ') << handler.toStdString()
                       << std::endl;
            };
        }
        pressed = false;
        k->start();
    }

    forms::Runtime& rt() { return k->rt; }
    Target resolve(const QString& word, bool allowProp = false) {
        return scenario::resolve(*k, word, allowProp);
    }
    forms::Control& control(const QString& word) {
        const Target t = resolve(word);
        if (!t.control) throw Fail{QStringLiteral("a control"), t.described()};
        return *t.control;
    }
    template <class T>
    T& controlOf(const QString& word, const char* what) {
        forms::Control& c = control(word);
        if (T* typed = dynamic_cast<T*>(&c)) return *typed;
        throw Fail{QLatin1String(what), described(c)};
    }
    forms::TextBox& textField(const QString& word) {
        return controlOf<forms::TextBox>(word, "a text field or combo box");
    }
    forms::Control& focusable(const QString& word) {
        forms::Control& c = control(word);
        if (!c.focusKind())
            throw Fail{QStringLiteral("a control that takes the focus"), described(c)};
        return c;
    }
    // A stored text as printed, absent for a missing key.
    QString stored(const QString& key) const {
        if (!sv.store.contains(key)) return QStringLiteral("absent");
        // The word absent is quoted where it is a stored text.
        const QString text = sv.store.read(key, QString());
        return quoted(text, text == QLatin1String("absent"));
    }
    const platform::RecordingMessages::Shown& nextMessage(const QString& expected) {
        if (messagesChecked >= sv.messages.shown.size())
            throw Fail{expected, QStringLiteral("no message")};
        return sv.messages.shown[messagesChecked++];
    }
    void printLine(const QString& what, const QString& value) const {
        o_.out << where() << ": " << what.toStdString() << " = " << value.toStdString()
               << std::endl;
    }

    platform::MemoryServices sv;  // a fresh store, registry and recorders for each file
    forms::NumberLocale numberLocale = forms::NumberLocale::point();
    std::unique_ptr<app::Korvel> k;  // kept after the program ends, so checks read its last state
    const RegistryFiles* files = nullptr;
    size_t messagesChecked = 0;
    bool pressed = false;  // the left button, from a mouse down to the next up

    // What each verb does.
    void locale(const Command& c) override {
        numberLocale = c.mode == 'c' ? forms::NumberLocale::comma() : forms::NumberLocale::point();
    }
    void store(const Command& c) override { sv.store.write(c.args[0], c.args[1]); }
    void registry(const Command& c) override {
        using V = platform::RegValue;
        const V v =
            c.mode == 'd' ? V{V::Dword, QString(), quint32(c.number)} : V{V::Text, c.args[2], 0};
        sv.registry.values.insert(c.args[0], v);
    }
    void registryFile(const Command& c) override {
        const auto& loaded = files->at(c.line);
        for (auto it = loaded.begin(); it != loaded.end(); ++it)
            sv.registry.values.insert(it.key(), it.value());
    }
    void calculator(const Command&) override { sv.launcher.calculatorAvailable = false; }
    void links(const Command&) override { sv.launcher.linksOpen = false; }
    void random(const Command& c) override {
        for (double r : c.randoms)
            sv.random.push(r);
    }
    void screen(const Command& c) override {
        sv.screen.area = QRect(0, 0, int(c.x) * 15, int(c.y) * 15);
    }
    // Start and restart: a running program is dropped as a crash would (nothing is saved).
    void start(const Command&) override { startProgram(); }
    void focus(const Command& c) override { rt().userFocus(focusable(c.args[0])); }
    void type(const Command& c) override { rt().userType(textField(c.args[0]), c.args[1]); }
    void paste(const Command& c) override { rt().userPaste(textField(c.args[0]), c.args[1]); }
    void clear(const Command& c) override { rt().userClear(textField(c.args[0])); }
    void key(const Command& c) override { rt().userKey(focusable(c.args[0]), int(c.number)); }
    void click(const Command& c) override {
        forms::Control& target = control(c.args[0]);
        if (c.args.size() < 2) return rt().userClick(target);
        auto& combo = controlOf<forms::ComboBox>(c.args[0], "a combo box to choose an item from");
        if (!combo.list().contains(c.args[1]))
            throw Fail{QStringLiteral("an item of ") + combo.path(), quoted(c.args[1])};
        rt().userClick(combo, c.args[1]);
    }
    void dblClick(const Command& c) override {
        const Target t = resolve(c.args[0]);
        if (t.control)
            rt().userDblClick(*t.control);
        else
            rt().userDblClick(*t.window);
    }
    void mouse(const Command& c) override {
        const Target t = resolve(c.args[1]);
        // The left button is held from a down to the next up, whatever it moves over.
        if (c.mode == 'd') pressed = true;
        const forms::MouseArgs m{c.mode == 'm' && !pressed ? 0 : 1, int(c.number), c.x, c.y};
        if (c.mode == 'u') pressed = false;
        // As in the program, a press focuses a control that can take the focus first.
        if (c.mode == 'd' && t.control) rt().userFocus(*t.control);
        if (t.control)
            rt().userMouse(*t.control, c.mode, m);
        else
            rt().userMouse(*t.window, c.mode, m);
    }
    // A drag moves the thumb (scroll events); letting go gives the one change.
    void scroll(const Command& c) override {
        rt().userScroll(controlOf<forms::ScrollBar>(c.args[0], "a scroll bar"), int(c.number),
                        c.mode == 'r');
    }
    void tick(const Command& c) override {
        auto& timer = controlOf<forms::Timer>(c.args[0], "a timer");
        for (qint64 i = 0; i < c.number && !rt().ended(); ++i)
            rt().fireTimer(timer);
    }
    void close(const Command& c) override {
        const Target t = resolve(c.args[0]);
        if (t.control) throw Fail{QStringLiteral("a window"), t.described()};
        k->userClose(*t.window);
    }
    void expect(const Command& c) override { compare(c.args[1], read(resolve(c.args[0], true))); }
    void expectVar(const Command& c) override { compare(c.args[1], var(*k, c.args[0])); }
    void expectStore(const Command& c) override {
        const QString got = stored(c.args[0]), expected = c.mode == 'a'
                                                              ? QStringLiteral("absent")
                                                              : besideKeyword(c.args[1], "absent");
        if (got != expected) throw Fail{expected, got};
    }
    void expectMessage(const Command& c) override {
        message(&c.args[0], c.args.size() == 2 ? &c.args[1] : nullptr);
    }
    void expectMessageTitle(const Command& c) override { message(nullptr, &c.args[0]); }
    void expectNoMessage(const Command&) override {
        if (messagesChecked < sv.messages.shown.size())
            throw Fail{
                QStringLiteral("no message"),
                QStringLiteral("message ") + quoted(sv.messages.shown[messagesChecked].text)};
    }
    void expectClipboard(const Command& c) override { compare(c.args[0], sv.clipboard.text()); }
    void expectLog(const Command& c) override { compare(c.args[0], sv.log.last); }
    void expectOpened(const Command& c) override {
        const QStringList& opened = sv.launcher.opened;
        const QString got =
            opened.isEmpty() ? QStringLiteral("none") : besideKeyword(opened.last(), "none");
        const QString expected =
            c.mode == 'n' ? QStringLiteral("none") : besideKeyword(c.args[0], "none");
        if (got != expected) throw Fail{expected, got};
    }
    void expectFocus(const Command& c) override {
        const QString expected = focusable(c.args[0]).path();
        const forms::Control* now = rt().focused();
        const QString got = now ? now->path() : QStringLiteral("none");
        if (got != expected) throw Fail{expected, got};
    }
    void expectEnded(const Command&) override { ended(true); }
    void expectRunning(const Command&) override { ended(false); }
    void print(const Command& c) override {
        if (c.mode == 'v')
            printLine(QStringLiteral("var ") + c.args[1], quoted(var(*k, c.args[1])));
        else if (c.mode == 's')
            printLine(QStringLiteral("store ") + c.args[1], stored(c.args[1]));
        else
            printLine(c.args[0], quoted(read(resolve(c.args[0], true))));
    }

  private:
    std::string where() const { return name_.toStdString() + ':' + std::to_string(line_); }
    // The oldest message not yet checked: its text (none: only its title is checked) and title.
    void message(const QString* text, const QString* title) {
        const auto& m = nextMessage(text ? QStringLiteral("message ") + quoted(*text)
                                         : QStringLiteral("a message titled ") + quoted(*title));
        if (text) compare(*text, m.text);
        if (title && *title != m.titleShown())
            throw Fail{QStringLiteral("title ") + quoted(*title),
                       QStringLiteral("title ") + quoted(m.titleShown())};
    }
    // Whether the program has ended (or still runs).
    void ended(bool ended) {
        const auto state = [](bool e) {
            return e ? QStringLiteral("ended") : QStringLiteral("running");
        };
        if (rt().ended() != ended) throw Fail{state(ended), state(!ended)};
    }
    // Runtime diagnostics gathered while the command ran: an aid to reading a failure, not a check.
    void notes() {
        for (const QString& d : diagnostics_)
            o_.err << "note " << where() << ": " << d.toStdString() << std::endl;
        diagnostics_.clear();
    }

    QString name_;
    Output o_;
    Options opts_;
    QStringList diagnostics_;
    int line_ = 0;
};

}  // namespace

Status play(const QString& name, const Script& script, const RegistryFiles& files, const Output& o,
            const Options& opts) {
    Player player(name, o, opts);
    return player.run(script, files);
}

}  // namespace scenario
