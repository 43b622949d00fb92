#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// A scenario file read into commands. The whole file is read before anything runs, so a file
// with a mistake is refused before the program has done anything.
namespace scenario {

// One word of a line: its text with escapes resolved, and whether it was written in quotes
// (`absent` is a keyword, `"absent"` is a text).
struct Word {
    QString text;
    bool quoted = false;
};

// Splits a line into words. Returns the reason when the line cannot be split (an unterminated
// quote, an unknown escape, a quote inside a bare word).
std::optional<QString> splitWords(const QString& line, std::vector<Word>& words);

// The text as a word of a scenario file: bare when it can be, quoted with escapes otherwise (and
// always when forceQuotes). Every text the runner prints goes through this.
QString quoted(const QString& text, bool forceQuotes = false);

enum class Verb {
    // Set-up.
    Locale,
    Store,
    Registry,
    RegistryFile,
    Calculator,
    Links,
    Random,
    Screen,
    // Running.
    Start,
    Restart,
    Focus,
    Type,
    Paste,
    Clear,
    Key,
    Click,
    DblClick,
    Mouse,
    Scroll,
    Tick,
    Close,
    // Checks.
    Expect,
    ExpectVar,
    ExpectStore,
    ExpectMessage,
    ExpectMessageTitle,
    ExpectNoMessage,
    ExpectClipboard,
    ExpectLog,
    ExpectOpened,
    ExpectFocus,
    ExpectEnded,
    ExpectRunning,
    // Output only.
    Print
};

struct Command {
    int line = 0;
    Verb verb = Verb::Start;
    QString verbText;  // as written, for messages
    QStringList args;  // the words after the verb
    // Values checked and read while parsing, by verb:
    char mode = 0;        // locale 'p'oint/'c'omma; registry 's'z/'d'word; mouse 'd'/'m'/'u';
                          // print 'c'ontrol/'v'ar/'s'tore; expect-store 'a'bsent or 't'ext;
                          // expect-opened 'n'one or 't'ext; scroll 'd'rag or 'r'elease
    qint64 number = 0;    // registry dword, key code, scroll value, tick count, mouse shift
    double x = 0, y = 0;  // mouse position in twips
    std::vector<double> randoms;

    bool isCheck() const;
};

struct Script {
    std::vector<Command> commands;
};

struct ParseError {
    int line = 0;
    QString reason;
};

struct Parsed {
    Script script;
    std::optional<ParseError> error;  // the first mistake; the script is empty then
};

Parsed parse(const QString& text);

}  // namespace scenario
