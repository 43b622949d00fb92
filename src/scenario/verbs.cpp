// The verbs of the scenario language, one row each: the name, the words it takes, how they are
// read while the file is parsed, and what the verb does when its line runs.
#include "scenario/verbs.h"

#include <climits>
#include <cmath>
#include <iterator>
#include <memory>

#include "app/korvel.h"
#include "platform/memory_services.h"
#include "scenario/names.h"

namespace scenario {

// One file's run: its own services, program instance and message index, which the verbs act on.
class Player {
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
                verbRow(c.verb).run(*this, c);
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
        k = std::make_unique<app::Korvel>(sv.services(), locale);
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
    void print(const QString& what, const QString& value) const {
        o_.out << where() << ": " << what.toStdString() << " = " << value.toStdString()
               << std::endl;
    }

    platform::MemoryServices sv;  // a fresh store, registry and recorders for each file
    forms::NumberLocale locale = forms::NumberLocale::point();
    std::unique_ptr<app::Korvel> k;  // kept after the program ends, so checks read its last state
    const RegistryFiles* files = nullptr;
    size_t messagesChecked = 0;
    bool pressed = false;  // the left button, from a mouse down to the next up

  private:
    std::string where() const { return name_.toStdString() + ':' + std::to_string(line_); }
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

namespace {

using forms::Control;
using Words = std::vector<Word>;
using Reason = std::optional<QString>;

std::optional<qint64> wholeNumber(const QString& text, qint64 min, qint64 max) {
    bool ok = false;
    const qint64 v = text.startsWith(QLatin1String("0x")) ? text.mid(2).toLongLong(&ok, 16)
                                                          : text.toLongLong(&ok, 10);
    if (!ok || v < min || v > max) return std::nullopt;
    return v;
}

std::optional<double> realNumber(const QString& text) {
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

// Which of the keywords the word is, as the value the command keeps for it.
template <class T>
Reason pick(const QString& word, const char* what,
            std::initializer_list<std::pair<const char*, T>> choices, T& into) {
    QStringList names;
    for (const auto& [name, value] : choices) {
        if (word == QLatin1String(name)) {
            into = value;
            return std::nullopt;
        }
        names << QLatin1String(name);
    }
    const QString last = names.takeLast();
    return QStringLiteral("unknown %1 %2 (%3 or %4)")
        .arg(QLatin1String(what), quoted(word), names.join(QStringLiteral(", ")), last);
}

// A text as printed beside such a keyword: quoted when it is the keyword.
QString besideKeyword(const QString& text, const char* keyword) {
    return quoted(text, text == QLatin1String(keyword));
}

void compare(const QString& expected, const QString& got) {
    if (expected != got) throw Fail{quoted(expected), quoted(got)};
}

// The readers of the verbs whose words hold numbers or keywords.

Reason readLocale(Command& c, const Words&) {
    return pick(c.args[0], "locale", {{"en_US", 'p'}, {"de_DE", 'c'}}, c.mode);
}

Reason readRegistry(Command& c, const Words&) {
    if (auto wrong = pick(c.args[1], "value type", {{"sz", 's'}, {"dword", 'd'}}, c.mode))
        return wrong;
    if (c.mode == 's') return std::nullopt;
    const auto n = wholeNumber(c.args[2], 0, 0xFFFFFFFFLL);
    if (!n) return QStringLiteral("%1 is not a 32-bit number").arg(quoted(c.args[2]));
    c.number = *n;
    return std::nullopt;
}

// calculator absent, links absent.
Reason readAbsent(Command& c, const Words&) {
    return c.args[0] == QLatin1String("absent") ? Reason() : QStringLiteral("only absent is known");
}

Reason readRandom(Command& c, const Words&) {
    for (const QString& r : c.args) {
        const auto v = realNumber(r);
        if (!v || *v < 0 || *v >= 1)
            return QStringLiteral("%1 is not a number in [0, 1)").arg(quoted(r));
        c.randoms.push_back(*v);
    }
    return std::nullopt;
}

Reason readScreen(Command& c, const Words&) {
    const auto w = wholeNumber(c.args[0], 1, 100000), h = wholeNumber(c.args[1], 1, 100000);
    if (!w || !h) return QStringLiteral("W and H must be whole numbers of pixels");
    c.x = double(*w);
    c.y = double(*h);
    return std::nullopt;
}

Reason readKey(Command& c, const Words&) {
    return pick<qint64>(c.args[1], "key",
                        {{"Enter", forms::keys::Enter}, {"Comma", forms::keys::Comma}}, c.number);
}

Reason readMouse(Command& c, const Words&) {
    const QStringList& a = c.args;
    if (auto wrong = pick(a[0], "mouse event", {{"down", 'd'}, {"move", 'm'}, {"up", 'u'}}, c.mode))
        return wrong;
    const auto x = realNumber(a[2]), y = realNumber(a[3]);
    if (!x || !y) return QStringLiteral("X and Y must be numbers");
    c.x = *x;
    c.y = *y;
    if (a.size() < 5) return std::nullopt;
    const auto s = wholeNumber(a[4], 0, 7);
    if (!s) return QStringLiteral("SHIFT must be a whole number from 0 to 7");
    c.number = *s;
    return std::nullopt;
}

Reason readScroll(Command& c, const Words&) {
    const auto v = wholeNumber(c.args[1], INT_MIN, INT_MAX);
    if (!v) return QStringLiteral("%1 is not a whole number").arg(quoted(c.args[1]));
    c.number = *v;
    c.mode = 'r';
    if (c.args.size() < 3) return std::nullopt;
    if (c.args[2] != QLatin1String("drag")) return QStringLiteral("only drag can follow");
    c.mode = 'd';
    return std::nullopt;
}

Reason readTick(Command& c, const Words&) {
    c.number = 1;
    if (c.args.size() < 2) return std::nullopt;
    const auto n = wholeNumber(c.args[1], 1, 1000000);
    if (!n) return QStringLiteral("N must be a whole number from 1 to 1000000");
    c.number = *n;
    return std::nullopt;
}

Reason readExpectStore(Command& c, const Words& words) {
    // A bare absent means a missing key; quoted, it is a text.
    c.mode = !words[2].quoted && words[2].text == QLatin1String("absent") ? 'a' : 't';
    return std::nullopt;
}

Reason readExpectOpened(Command& c, const Words& words) {
    c.mode = !words[1].quoted && words[1].text == QLatin1String("none") ? 'n' : 't';
    return std::nullopt;
}

Reason readPrint(Command& c, const Words&) {
    c.mode = 'c';
    if (c.args.size() == 1) return badPath(c.args[0]);
    if (c.args[0] == QLatin1String("var"))
        c.mode = 'v';
    else if (c.args[0] == QLatin1String("store"))
        c.mode = 's';
    else
        return QStringLiteral("print takes CTRL, var NAME or store KEY");
    return std::nullopt;
}

// What each verb does.

void registry(Player& p, const Command& c) {
    using V = platform::RegValue;
    const V v =
        c.mode == 'd' ? V{V::Dword, QString(), quint32(c.number)} : V{V::Text, c.args[2], 0};
    p.sv.registry.values.insert(c.args[0], v);
}

void click(Player& p, const Command& c) {
    Control& target = p.control(c.args[0]);
    if (c.args.size() < 2) return p.rt().userClick(target);
    auto& combo = p.controlOf<forms::ComboBox>(c.args[0], "a combo box to choose an item from");
    if (!combo.list().contains(c.args[1]))
        throw Fail{QStringLiteral("an item of ") + combo.path(), quoted(c.args[1])};
    p.rt().userClick(combo, c.args[1]);
}

void mouse(Player& p, const Command& c) {
    const Target t = p.resolve(c.args[1]);
    // The left button is held from a down to the next up, whatever it moves over.
    if (c.mode == 'd') p.pressed = true;
    const forms::MouseArgs m{c.mode == 'm' && !p.pressed ? 0 : 1, int(c.number), c.x, c.y};
    if (c.mode == 'u') p.pressed = false;
    // As in the program, a press focuses a control that can take the focus first.
    if (c.mode == 'd' && t.control) p.rt().userFocus(*t.control);
    if (t.control)
        p.rt().userMouse(*t.control, c.mode, m);
    else
        p.rt().userMouse(*t.window, c.mode, m);
}

// The oldest message not yet checked: its text (none: only its title is checked) and title.
void expectMessage(Player& p, const QString* text, const QString* title) {
    const auto& m = p.nextMessage(text ? QStringLiteral("message ") + quoted(*text)
                                       : QStringLiteral("a message titled ") + quoted(*title));
    if (text) compare(*text, m.text);
    if (title && *title != m.titleShown())
        throw Fail{QStringLiteral("title ") + quoted(*title),
                   QStringLiteral("title ") + quoted(m.titleShown())};
}

// Whether the program has ended (or still runs).
void expectEnded(Player& p, bool ended) {
    const auto state = [](bool e) {
        return e ? QStringLiteral("ended") : QStringLiteral("running");
    };
    if (p.rt().ended() != ended) throw Fail{state(ended), state(!ended)};
}

void print(Player& p, const Command& c) {
    if (c.mode == 'v')
        p.print(QStringLiteral("var ") + c.args[1], quoted(var(*p.k, c.args[1])));
    else if (c.mode == 's')
        p.print(QStringLiteral("store ") + c.args[1], p.stored(c.args[1]));
    else
        p.print(c.args[0], quoted(read(p.resolve(c.args[0], true))));
}

using P = Player&;
using C = const Command&;
constexpr Role SetUp = Role::SetUp, Action = Role::Action, Check = Role::Check,
               ServiceCheck = Role::ServiceCheck;

// In the order of Verb.
// clang-format off
constexpr VerbRow kVerbs[] = {
    {"locale", Verb::Locale, 1, 1, SetUp, -1, "locale en_US|de_DE", readLocale,
     [](P p, C c) { p.locale = c.mode == 'c' ? forms::NumberLocale::comma()
                                              : forms::NumberLocale::point(); }},
    {"store", Verb::Store, 2, 2, SetUp, -1, "store KEY TEXT", nullptr,
     [](P p, C c) { p.sv.store.write(c.args[0], c.args[1]); }},
    {"registry", Verb::Registry, 3, 3, SetUp, -1,
     "registry NAME sz TEXT | registry NAME dword N", readRegistry, registry},
    {"registry-file", Verb::RegistryFile, 1, 1, SetUp, -1, "registry-file PATH", nullptr,
     [](P p, C c) {
         const auto& loaded = p.files->at(c.line);
         for (auto it = loaded.begin(); it != loaded.end(); ++it)
             p.sv.registry.values.insert(it.key(), it.value());
     }},
    {"calculator", Verb::Calculator, 1, 1, SetUp, -1, "calculator absent", readAbsent,
     [](P p, C) { p.sv.launcher.calculatorAvailable = false; }},
    {"links", Verb::Links, 1, 1, SetUp, -1, "links absent", readAbsent,
     [](P p, C) { p.sv.launcher.linksOpen = false; }},
    {"random", Verb::Random, 1, -1, SetUp, -1, "random R...", readRandom,
     [](P p, C c) {
         for (double r : c.randoms)
             p.sv.random.push(r);
     }},
    {"screen", Verb::Screen, 2, 2, SetUp, -1, "screen W H", readScreen,
     [](P p, C c) { p.sv.screen.area = QRect(0, 0, int(c.x) * 15, int(c.y) * 15); }},
    {"start", Verb::Start, 0, 0, SetUp, -1, "start", nullptr, [](P p, C) { p.startProgram(); }},
    {"restart", Verb::Restart, 0, 0, SetUp, -1, "restart", nullptr,
     [](P p, C) { p.startProgram(); }},
    {"focus", Verb::Focus, 1, 1, Action, 0, "focus CTRL", nullptr,
     [](P p, C c) { p.rt().userFocus(p.focusable(c.args[0])); }},
    {"type", Verb::Type, 2, 2, Action, 0, "type CTRL TEXT", nullptr,
     [](P p, C c) { p.rt().userType(p.textField(c.args[0]), c.args[1]); }},
    {"paste", Verb::Paste, 2, 2, Action, 0, "paste CTRL TEXT", nullptr,
     [](P p, C c) { p.rt().userPaste(p.textField(c.args[0]), c.args[1]); }},
    {"clear", Verb::Clear, 1, 1, Action, 0, "clear CTRL", nullptr,
     [](P p, C c) { p.rt().userClear(p.textField(c.args[0])); }},
    {"key", Verb::Key, 2, 2, Action, 0, "key CTRL Enter|Comma", readKey,
     [](P p, C c) { p.rt().userKey(p.focusable(c.args[0]), int(c.number)); }},
    {"click", Verb::Click, 1, 2, Action, 0, "click CTRL [ITEM]", nullptr, click},
    {"dblclick", Verb::DblClick, 1, 1, Action, 0, "dblclick CTRL", nullptr, [](P p, C c) {
         const Target t = p.resolve(c.args[0]);
         if (t.control)
             p.rt().userDblClick(*t.control);
         else
             p.rt().userDblClick(*t.window);
     }},
    {"mouse", Verb::Mouse, 4, 5, Action, 1, "mouse down|move|up CTRL X Y [SHIFT]", readMouse,
     mouse},
    // A drag moves the thumb (scroll events); letting go gives the one change.
    {"scroll", Verb::Scroll, 2, 3, Action, 0, "scroll CTRL VALUE [drag]", readScroll,
     [](P p, C c) { p.rt().userScroll(p.controlOf<forms::ScrollBar>(c.args[0], "a scroll bar"),
                                      int(c.number), c.mode == 'r'); }},
    {"tick", Verb::Tick, 1, 2, Action, 0, "tick TIMER [N]", readTick, [](P p, C c) {
         auto& timer = p.controlOf<forms::Timer>(c.args[0], "a timer");
         for (qint64 i = 0; i < c.number && !p.rt().ended(); ++i)
             p.rt().fireTimer(timer);
     }},
    {"close", Verb::Close, 1, 1, Action, 0, "close WINDOW", nullptr, [](P p, C c) {
         const Target t = p.resolve(c.args[0]);
         if (t.control) throw Fail{QStringLiteral("a window"), t.described()};
         p.k->userClose(*t.window);
     }},
    {"expect", Verb::Expect, 2, 2, Check, 0, "expect CTRL[.PROP] TEXT", nullptr,
     [](P p, C c) { compare(c.args[1], read(p.resolve(c.args[0], true))); }},
    {"expect-var", Verb::ExpectVar, 2, 2, Check, -1, "expect-var NAME TEXT", nullptr,
     [](P p, C c) { compare(c.args[1], var(*p.k, c.args[0])); }},
    {"expect-store", Verb::ExpectStore, 2, 2, ServiceCheck, -1, "expect-store KEY TEXT|absent",
     readExpectStore, [](P p, C c) {
         const QString got = p.stored(c.args[0]), expected =
             c.mode == 'a' ? QStringLiteral("absent") : besideKeyword(c.args[1], "absent");
         if (got != expected) throw Fail{expected, got};
     }},
    {"expect-message", Verb::ExpectMessage, 1, 2, ServiceCheck, -1, "expect-message TEXT [TITLE]",
     nullptr, [](P p, C c) {
         expectMessage(p, &c.args[0], c.args.size() == 2 ? &c.args[1] : nullptr);
     }},
    {"expect-message-title", Verb::ExpectMessageTitle, 1, 1, ServiceCheck, -1,
     "expect-message-title TITLE", nullptr,
     [](P p, C c) { expectMessage(p, nullptr, &c.args[0]); }},
    {"expect-no-message", Verb::ExpectNoMessage, 0, 0, ServiceCheck, -1, "expect-no-message",
     nullptr, [](P p, C) {
         if (p.messagesChecked < p.sv.messages.shown.size())
             throw Fail{
                 QStringLiteral("no message"),
                 QStringLiteral("message ") + quoted(p.sv.messages.shown[p.messagesChecked].text)};
     }},
    {"expect-clipboard", Verb::ExpectClipboard, 1, 1, ServiceCheck, -1, "expect-clipboard TEXT",
     nullptr, [](P p, C c) { compare(c.args[0], p.sv.clipboard.text()); }},
    {"expect-log", Verb::ExpectLog, 1, 1, ServiceCheck, -1, "expect-log TEXT", nullptr,
     [](P p, C c) { compare(c.args[0], p.sv.log.last); }},
    {"expect-opened", Verb::ExpectOpened, 1, 1, ServiceCheck, -1, "expect-opened TEXT|none",
     readExpectOpened, [](P p, C c) {
         const QStringList& opened = p.sv.launcher.opened;
         const QString got =
             opened.isEmpty() ? QStringLiteral("none") : besideKeyword(opened.last(), "none");
         const QString expected =
             c.mode == 'n' ? QStringLiteral("none") : besideKeyword(c.args[0], "none");
         if (got != expected) throw Fail{expected, got};
     }},
    {"expect-focus", Verb::ExpectFocus, 1, 1, Check, 0, "expect-focus CTRL", nullptr,
     [](P p, C c) {
         const QString expected = p.focusable(c.args[0]).path();
         const Control* now = p.rt().focused();
         const QString got = now ? now->path() : QStringLiteral("none");
         if (got != expected) throw Fail{expected, got};
     }},
    {"expect-ended", Verb::ExpectEnded, 0, 0, Check, -1, "expect-ended", nullptr,
     [](P p, C) { expectEnded(p, true); }},
    {"expect-running", Verb::ExpectRunning, 0, 0, Check, -1, "expect-running", nullptr,
     [](P p, C) { expectEnded(p, false); }},
    // The path of print CTRL is checked by its reader: print var and print store have none.
    {"print", Verb::Print, 1, 2, Role::Output, -1,
     "print CTRL[.PROP] | print var NAME | print store KEY", readPrint, print},
};
// clang-format on

constexpr bool inVerbOrder() {
    for (size_t i = 0; i < std::size(kVerbs); ++i)
        if (kVerbs[i].verb != Verb(i)) return false;
    return std::size(kVerbs) == size_t(Verb::Print) + 1;
}
static_assert(inVerbOrder(), "kVerbs lists every verb in the order of Verb");

}  // namespace

const VerbRow* findVerb(const QString& name) {
    for (const VerbRow& v : kVerbs)
        if (name == QLatin1String(v.name)) return &v;
    return nullptr;
}

const VerbRow& verbRow(Verb verb) {
    return kVerbs[size_t(verb)];
}

bool Command::isCheck() const {
    const Role role = verbRow(verb).role;
    return role == Role::Check || role == Role::ServiceCheck;
}

Status play(const QString& name, const Script& script, const RegistryFiles& files, const Output& o,
            const Options& opts) {
    Player player(name, o, opts);
    return player.run(script, files);
}

std::optional<QString> badPath(const QString& word) {
    const QStringList parts = word.split(QLatin1Char('.'));
    bool valid = parts.size() <= 3;
    for (const QString& p : parts)
        valid = valid && !p.isEmpty();
    if (valid) return std::nullopt;
    return QStringLiteral("%1 is not a control, window or property name").arg(quoted(word));
}

}  // namespace scenario
