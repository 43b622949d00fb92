#include "scenario/script.h"

#include <climits>
#include <cmath>

#include "forms/control.h"

namespace scenario {

namespace {

bool blank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

std::optional<QChar> unescape(QChar c) {
    switch (c.unicode()) {
        case '"':
            return QLatin1Char('"');
        case '\\':
            return QLatin1Char('\\');
        case 'r':
            return QLatin1Char('\r');
        case 'n':
            return QLatin1Char('\n');
        case 't':
            return QLatin1Char('\t');
        case '0':
            return QChar(0);
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<QString> splitWords(const QString& line, std::vector<Word>& words) {
    words.clear();
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (true) {
        while (i < n && blank(line[i]))
            ++i;
        if (i == n) return std::nullopt;
        Word w;
        if (line[i] == QLatin1Char('"')) {
            w.quoted = true;
            bool closed = false;
            for (++i; i < n; ++i) {
                const QChar c = line[i];
                if (c == QLatin1Char('"')) {
                    closed = true;
                    ++i;
                    break;
                }
                if (c != QLatin1Char('\\')) {
                    w.text += c;
                    continue;
                }
                if (++i == n) return QStringLiteral("a backslash ends the line inside a quote");
                const auto e = unescape(line[i]);
                if (!e) return QStringLiteral("unknown escape \\%1").arg(line[i]);
                w.text += *e;
            }
            if (!closed) return QStringLiteral("a quote is not closed");
            if (i < n && !blank(line[i]))
                return QStringLiteral("a closing quote must be followed by a blank");
        } else {
            for (; i < n && !blank(line[i]); ++i) {
                if (line[i] == QLatin1Char('"'))
                    return QStringLiteral("a quote inside the word %1").arg(w.text + line[i]);
                w.text += line[i];
            }
        }
        words.push_back(std::move(w));
    }
}

QString quoted(const QString& text, bool forceQuotes) {
    bool bare = !forceQuotes && !text.isEmpty();
    for (const QChar c : text)
        if (blank(c) || c == QLatin1Char('"') || c.unicode() < 0x20) bare = false;
    if (bare) return text;
    QString q = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
            case '"':
                q += QStringLiteral("\\\"");
                break;
            case '\\':
                q += QStringLiteral("\\\\");
                break;
            case '\r':
                q += QStringLiteral("\\r");
                break;
            case '\n':
                q += QStringLiteral("\\n");
                break;
            case '\t':
                q += QStringLiteral("\\t");
                break;
            case 0:
                q += QStringLiteral("\\0");
                break;
            default:
                q += c;
        }
    }
    return q + QLatin1Char('"');
}

bool Command::isCheck() const {
    switch (verb) {
        case Verb::Expect:
        case Verb::ExpectVar:
        case Verb::ExpectStore:
        case Verb::ExpectMessage:
        case Verb::ExpectMessageTitle:
        case Verb::ExpectNoMessage:
        case Verb::ExpectClipboard:
        case Verb::ExpectLog:
        case Verb::ExpectOpened:
        case Verb::ExpectFocus:
        case Verb::ExpectEnded:
        case Verb::ExpectRunning:
            return true;
        default:
            return false;
    }
}

namespace {

struct VerbInfo {
    const char* name;
    Verb verb;
    int minArgs, maxArgs;  // -1: any number
    bool needsProgram;     // refers to controls, windows or the program's state
    const char* usage;
};

// clang-format off
const VerbInfo kVerbs[] = {
    {"locale", Verb::Locale, 1, 1, false, "locale en_US|de_DE"},
    {"store", Verb::Store, 2, 2, false, "store KEY TEXT"},
    {"registry", Verb::Registry, 3, 3, false, "registry NAME sz TEXT | registry NAME dword N"},
    {"registry-file", Verb::RegistryFile, 1, 1, false, "registry-file PATH"},
    {"calculator", Verb::Calculator, 1, 1, false, "calculator absent"},
    {"links", Verb::Links, 1, 1, false, "links absent"},
    {"random", Verb::Random, 1, -1, false, "random R..."},
    {"screen", Verb::Screen, 2, 2, false, "screen W H"},
    {"start", Verb::Start, 0, 0, false, "start"},
    {"restart", Verb::Restart, 0, 0, false, "restart"},
    {"focus", Verb::Focus, 1, 1, true, "focus CTRL"},
    {"type", Verb::Type, 2, 2, true, "type CTRL TEXT"},
    {"paste", Verb::Paste, 2, 2, true, "paste CTRL TEXT"},
    {"clear", Verb::Clear, 1, 1, true, "clear CTRL"},
    {"key", Verb::Key, 2, 2, true, "key CTRL Enter|Comma"},
    {"click", Verb::Click, 1, 2, true, "click CTRL [ITEM]"},
    {"dblclick", Verb::DblClick, 1, 1, true, "dblclick CTRL"},
    {"mouse", Verb::Mouse, 4, 5, true, "mouse down|move|up CTRL X Y [SHIFT]"},
    {"scroll", Verb::Scroll, 2, 3, true, "scroll CTRL VALUE [drag]"},
    {"tick", Verb::Tick, 1, 2, true, "tick TIMER [N]"},
    {"close", Verb::Close, 1, 1, true, "close WINDOW"},
    {"expect", Verb::Expect, 2, 2, true, "expect CTRL[.PROP] TEXT"},
    {"expect-var", Verb::ExpectVar, 2, 2, true, "expect-var NAME TEXT"},
    {"expect-store", Verb::ExpectStore, 2, 2, false, "expect-store KEY TEXT|absent"},
    {"expect-message", Verb::ExpectMessage, 1, 2, false, "expect-message TEXT [TITLE]"},
    {"expect-message-title", Verb::ExpectMessageTitle, 1, 1, false, "expect-message-title TITLE"},
    {"expect-no-message", Verb::ExpectNoMessage, 0, 0, false, "expect-no-message"},
    {"expect-clipboard", Verb::ExpectClipboard, 1, 1, false, "expect-clipboard TEXT"},
    {"expect-log", Verb::ExpectLog, 1, 1, false, "expect-log TEXT"},
    {"expect-opened", Verb::ExpectOpened, 1, 1, false, "expect-opened TEXT|none"},
    {"expect-focus", Verb::ExpectFocus, 1, 1, true, "expect-focus CTRL"},
    {"expect-ended", Verb::ExpectEnded, 0, 0, true, "expect-ended"},
    {"expect-running", Verb::ExpectRunning, 0, 0, true, "expect-running"},
    {"print", Verb::Print, 1, 2, true, "print CTRL[.PROP] | print var NAME | print store KEY"},
};
// clang-format on

const VerbInfo* findVerb(const QString& name) {
    for (const VerbInfo& v : kVerbs)
        if (name == QLatin1String(v.name)) return &v;
    return nullptr;
}

// A control, window or property path: one to three non-empty dotted parts.
bool validPath(const QString& word) {
    const QStringList parts = word.split(QLatin1Char('.'));
    if (parts.size() > 3) return false;
    for (const QString& p : parts)
        if (p.isEmpty()) return false;
    return true;
}

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

// Checks the words of one command and reads its numbers and keywords; the reason when they are
// wrong.
std::optional<QString> readArgs(Command& c, const std::vector<Word>& words) {
    const QStringList& a = c.args;
    const auto bad = [&](const QString& what) { return c.verbText + QStringLiteral(": ") + what; };
    switch (c.verb) {
        case Verb::Locale:
            if (a[0] == QLatin1String("en_US"))
                c.mode = 'p';
            else if (a[0] == QLatin1String("de_DE"))
                c.mode = 'c';
            else
                return bad(QStringLiteral("unknown locale %1 (en_US or de_DE)").arg(quoted(a[0])));
            break;
        case Verb::Registry:
            if (a[1] == QLatin1String("sz")) {
                c.mode = 's';
            } else if (a[1] == QLatin1String("dword")) {
                c.mode = 'd';
                const auto n = wholeNumber(a[2], 0, 0xFFFFFFFFLL);
                if (!n) return bad(QStringLiteral("%1 is not a 32-bit number").arg(quoted(a[2])));
                c.number = *n;
            } else {
                return bad(QStringLiteral("unknown value type %1 (sz or dword)").arg(quoted(a[1])));
            }
            break;
        case Verb::Calculator:
        case Verb::Links:
            if (a[0] != QLatin1String("absent")) return bad(QStringLiteral("only absent is known"));
            break;
        case Verb::Random:
            for (const QString& r : a) {
                const auto v = realNumber(r);
                if (!v || *v < 0 || *v >= 1)
                    return bad(QStringLiteral("%1 is not a number in [0, 1)").arg(quoted(r)));
                c.randoms.push_back(*v);
            }
            break;
        case Verb::Screen: {
            const auto w = wholeNumber(a[0], 1, 100000), h = wholeNumber(a[1], 1, 100000);
            if (!w || !h) return bad(QStringLiteral("W and H must be whole numbers of pixels"));
            c.x = double(*w);
            c.y = double(*h);
            break;
        }
        case Verb::Key:
            if (a[1] == QLatin1String("Enter"))
                c.number = forms::keys::Enter;
            else if (a[1] == QLatin1String("Comma"))
                c.number = forms::keys::Comma;
            else
                return bad(QStringLiteral("unknown key %1 (Enter or Comma)").arg(quoted(a[1])));
            break;
        case Verb::Mouse: {
            if (a[0] == QLatin1String("down"))
                c.mode = 'd';
            else if (a[0] == QLatin1String("move"))
                c.mode = 'm';
            else if (a[0] == QLatin1String("up"))
                c.mode = 'u';
            else
                return bad(
                    QStringLiteral("unknown mouse event %1 (down, move or up)").arg(quoted(a[0])));
            const auto x = realNumber(a[2]), y = realNumber(a[3]);
            if (!x || !y) return bad(QStringLiteral("X and Y must be numbers"));
            c.x = *x;
            c.y = *y;
            if (a.size() == 5) {
                const auto s = wholeNumber(a[4], 0, 7);
                if (!s) return bad(QStringLiteral("SHIFT must be a whole number from 0 to 7"));
                c.number = *s;
            }
            break;
        }
        case Verb::Scroll: {
            const auto v = wholeNumber(a[1], INT_MIN, INT_MAX);
            if (!v) return bad(QStringLiteral("%1 is not a whole number").arg(quoted(a[1])));
            c.number = *v;
            c.mode = 'r';
            if (a.size() == 3) {
                if (a[2] != QLatin1String("drag"))
                    return bad(QStringLiteral("only drag can follow"));
                c.mode = 'd';
            }
            break;
        }
        case Verb::Tick: {
            c.number = 1;
            if (a.size() == 2) {
                const auto n = wholeNumber(a[1], 1, 1000000);
                if (!n) return bad(QStringLiteral("N must be a whole number from 1 to 1000000"));
                c.number = *n;
            }
            break;
        }
        case Verb::ExpectStore:
            c.mode = (a[1] == QLatin1String("absent") && !words[2].quoted) ? 'a' : 't';
            break;
        case Verb::ExpectOpened:
            c.mode = (a[0] == QLatin1String("none") && !words[1].quoted) ? 'n' : 't';
            break;
        case Verb::Print:
            c.mode = 'c';
            if (a.size() == 2) {
                if (a[0] == QLatin1String("var"))
                    c.mode = 'v';
                else if (a[0] == QLatin1String("store"))
                    c.mode = 's';
                else
                    return bad(QStringLiteral("print takes CTRL, var NAME or store KEY"));
            }
            break;
        default:
            break;
    }
    // The word that names a control, window or property, where the command has one.
    const QString* target = nullptr;
    switch (c.verb) {
        case Verb::Focus:
        case Verb::Type:
        case Verb::Paste:
        case Verb::Clear:
        case Verb::Key:
        case Verb::Click:
        case Verb::DblClick:
        case Verb::Scroll:
        case Verb::Tick:
        case Verb::Close:
        case Verb::Expect:
        case Verb::ExpectFocus:
            target = &a[0];
            break;
        case Verb::Mouse:
            target = &a[1];
            break;
        case Verb::Print:
            if (c.mode == 'c') target = &a[0];
            break;
        default:
            break;
    }
    if (target) {
        if (!validPath(*target))
            return bad(QStringLiteral("%1 is not a control, window or property name")
                           .arg(quoted(*target)));
    }
    return std::nullopt;
}

}  // namespace

Parsed parse(const QString& text) {
    Parsed result;
    const QStringList lines = text.split(QLatin1Char('\n'));
    bool started = false;
    std::vector<Word> words;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNo = int(i + 1);
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        const auto fail = [&](const QString& reason) {
            result.script.commands.clear();
            result.error = ParseError{lineNo, reason};
            return result;
        };
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) continue;
        if (const auto error = splitWords(line, words)) return fail(*error);

        const VerbInfo* info = words[0].quoted ? nullptr : findVerb(words[0].text);
        if (!info) return fail(QStringLiteral("unknown command %1").arg(quoted(words[0].text)));
        Command c;
        c.line = lineNo;
        c.verb = info->verb;
        c.verbText = words[0].text;
        for (size_t w = 1; w < words.size(); ++w)
            c.args << words[w].text;
        const int n = int(c.args.size());
        if (n < info->minArgs || (info->maxArgs >= 0 && n > info->maxArgs))
            return fail(
                QStringLiteral("wrong number of words; usage: %1").arg(QLatin1String(info->usage)));
        if (const auto error = readArgs(c, words)) return fail(*error);

        if (c.verb == Verb::Start && started)
            return fail(QStringLiteral("start: the program has already been started; use restart"));
        if (c.verb == Verb::Restart && !started)
            return fail(QStringLiteral("restart: the program has not been started yet"));
        const bool needsProgram = info->needsProgram && !(c.verb == Verb::Print && c.mode == 's');
        if (needsProgram && !started)
            return fail(c.verbText + QStringLiteral(": the program has not been started yet"));
        if (c.verb == Verb::Start) started = true;
        result.script.commands.push_back(std::move(c));
    }
    return result;
}

}  // namespace scenario
