// The verbs of the scenario language, one row each: the name, the words it takes, how they are
// read while the file is parsed, and what the verb does when its line runs.
#include "scenario/verbs.h"

#include <climits>
#include <cmath>
#include <iterator>

#include "forms/control.h"

namespace scenario {

namespace {

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

using A = Actions;
constexpr Role SetUp = Role::SetUp, Action = Role::Action, Check = Role::Check,
               ServiceCheck = Role::ServiceCheck, Output = Role::Output;

// One row a verb, in the order of Verb: the name, the words after it (least, most; -1: any),
// what it is for, the word that names a control (-1: none), its usage, how its words are read,
// and what it does.
// clang-format off
constexpr VerbRow kVerbs[] = {
    {"locale", Verb::Locale, 1, 1, SetUp, -1, "locale en_US|de_DE", readLocale, &A::locale},
    {"store", Verb::Store, 2, 2, SetUp, -1, "store KEY TEXT", nullptr, &A::store},
    {"registry", Verb::Registry, 3, 3, SetUp, -1, "registry NAME sz TEXT | registry NAME dword N",
     readRegistry, &A::registry},
    {"registry-file", Verb::RegistryFile, 1, 1, SetUp, -1, "registry-file PATH", nullptr,
     &A::registryFile},
    {"calculator", Verb::Calculator, 1, 1, SetUp, -1, "calculator absent", readAbsent,
     &A::calculator},
    {"links", Verb::Links, 1, 1, SetUp, -1, "links absent", readAbsent, &A::links},
    {"random", Verb::Random, 1, -1, SetUp, -1, "random R...", readRandom, &A::random},
    {"screen", Verb::Screen, 2, 2, SetUp, -1, "screen W H", readScreen, &A::screen},
    {"start", Verb::Start, 0, 0, SetUp, -1, "start", nullptr, &A::start},
    {"restart", Verb::Restart, 0, 0, SetUp, -1, "restart", nullptr, &A::start},
    {"focus", Verb::Focus, 1, 1, Action, 0, "focus CTRL", nullptr, &A::focus},
    {"type", Verb::Type, 2, 2, Action, 0, "type CTRL TEXT", nullptr, &A::type},
    {"paste", Verb::Paste, 2, 2, Action, 0, "paste CTRL TEXT", nullptr, &A::paste},
    {"clear", Verb::Clear, 1, 1, Action, 0, "clear CTRL", nullptr, &A::clear},
    {"key", Verb::Key, 2, 2, Action, 0, "key CTRL Enter|Comma", readKey, &A::key},
    {"click", Verb::Click, 1, 2, Action, 0, "click CTRL [ITEM]", nullptr, &A::click},
    {"dblclick", Verb::DblClick, 1, 1, Action, 0, "dblclick CTRL", nullptr, &A::dblClick},
    {"mouse", Verb::Mouse, 4, 5, Action, 1, "mouse down|move|up CTRL X Y [SHIFT]", readMouse,
     &A::mouse},
    {"scroll", Verb::Scroll, 2, 3, Action, 0, "scroll CTRL VALUE [drag]", readScroll, &A::scroll},
    {"tick", Verb::Tick, 1, 2, Action, 0, "tick TIMER [N]", readTick, &A::tick},
    {"close", Verb::Close, 1, 1, Action, 0, "close WINDOW", nullptr, &A::close},
    {"expect", Verb::Expect, 2, 2, Check, 0, "expect CTRL[.PROP] TEXT", nullptr, &A::expect},
    {"expect-var", Verb::ExpectVar, 2, 2, Check, -1, "expect-var NAME TEXT", nullptr,
     &A::expectVar},
    {"expect-store", Verb::ExpectStore, 2, 2, ServiceCheck, -1, "expect-store KEY TEXT|absent",
     readExpectStore, &A::expectStore},
    {"expect-message", Verb::ExpectMessage, 1, 2, ServiceCheck, -1, "expect-message TEXT [TITLE]",
     nullptr, &A::expectMessage},
    {"expect-message-title", Verb::ExpectMessageTitle, 1, 1, ServiceCheck, -1,
     "expect-message-title TITLE", nullptr, &A::expectMessageTitle},
    {"expect-no-message", Verb::ExpectNoMessage, 0, 0, ServiceCheck, -1, "expect-no-message",
     nullptr, &A::expectNoMessage},
    {"expect-clipboard", Verb::ExpectClipboard, 1, 1, ServiceCheck, -1, "expect-clipboard TEXT",
     nullptr, &A::expectClipboard},
    {"expect-log", Verb::ExpectLog, 1, 1, ServiceCheck, -1, "expect-log TEXT", nullptr,
     &A::expectLog},
    {"expect-opened", Verb::ExpectOpened, 1, 1, ServiceCheck, -1, "expect-opened TEXT|none",
     readExpectOpened, &A::expectOpened},
    {"expect-focus", Verb::ExpectFocus, 1, 1, Check, 0, "expect-focus CTRL", nullptr,
     &A::expectFocus},
    {"expect-ended", Verb::ExpectEnded, 0, 0, Check, -1, "expect-ended", nullptr, &A::expectEnded},
    {"expect-running", Verb::ExpectRunning, 0, 0, Check, -1, "expect-running", nullptr,
     &A::expectRunning},
    // The path of print CTRL is checked by its reader: print var and print store have none.
    {"print", Verb::Print, 1, 2, Output, -1, "print CTRL[.PROP] | print var NAME | print store KEY",
     readPrint, &A::print},
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

std::optional<QString> badPath(const QString& word) {
    const QStringList parts = word.split(QLatin1Char('.'));
    bool valid = parts.size() <= 3;
    for (const QString& p : parts)
        valid = valid && !p.isEmpty();
    if (valid) return std::nullopt;
    return QStringLiteral("%1 is not a control, window or property name").arg(quoted(word));
}

}  // namespace scenario
