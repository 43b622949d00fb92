#include "scenario/script.h"

#include "scenario/verbs.h"

namespace scenario {

namespace {

bool blank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// The escapes of a quoted word: the letter after the backslash and the character it stands for.
const char16_t kEscapes[][2] = {{'"', '"'},  {'\\', '\\'}, {'r', '\r'},
                                {'n', '\n'}, {'t', '\t'},  {'0', 0}};

// The character an escape letter stands for; with toLetter, the letter that escapes a character.
std::optional<QChar> escape(QChar c, bool toLetter = false) {
    for (const auto& [letter, character] : kEscapes) {
        if (c == QChar(toLetter ? character : letter)) return QChar(toLetter ? letter : character);
    }
    return std::nullopt;
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
                const auto e = escape(line[i]);
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
        const auto letter = escape(c, true);
        q += letter ? QLatin1Char('\\') + QString(*letter) : QString(c);
    }
    return q + QLatin1Char('"');
}

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

        const VerbRow* row = words[0].quoted ? nullptr : findVerb(words[0].text);
        if (!row) return fail(QStringLiteral("unknown command %1").arg(quoted(words[0].text)));
        Command c;
        c.line = lineNo;
        c.verb = row->verb;
        c.verbText = words[0].text;
        for (size_t w = 1; w < words.size(); ++w)
            c.args << words[w].text;
        const int n = int(c.args.size());
        if (n < row->minArgs || (row->maxArgs >= 0 && n > row->maxArgs))
            return fail(
                QStringLiteral("wrong number of words; usage: %1").arg(QLatin1String(row->usage)));
        auto wrong = row->read ? row->read(c, words) : std::nullopt;
        if (!wrong && row->target >= 0) wrong = badPath(c.args[row->target]);
        if (wrong) return fail(c.verbText + QStringLiteral(": ") + *wrong);

        if (c.verb == Verb::Start && started)
            return fail(QStringLiteral("start: the program has already been started; use restart"));
        if (c.verb == Verb::Restart && !started)
            return fail(QStringLiteral("restart: the program has not been started yet"));
        // Print store looks only at the services.
        const bool needsProgram = row->role != Role::SetUp && row->role != Role::ServiceCheck &&
                                  !(c.verb == Verb::Print && c.mode == 's');
        if (needsProgram && !started)
            return fail(c.verbText + QStringLiteral(": the program has not been started yet"));
        if (c.verb == Verb::Start) started = true;
        result.script.commands.push_back(std::move(c));
    }
    return result;
}

}  // namespace scenario
