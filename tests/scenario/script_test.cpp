#include "scenario/script.h"

#include <gtest/gtest.h>

namespace scenario {
namespace {

std::vector<Word> split(const QString& line) {
    std::vector<Word> words;
    const auto error = splitWords(line, words);
    EXPECT_FALSE(error) << error->toStdString();
    return words;
}

ParseError parseError(const QString& text) {
    const Parsed p = parse(text);
    EXPECT_TRUE(p.error.has_value()) << text.toStdString();
    EXPECT_TRUE(p.script.commands.empty());
    return p.error.value_or(ParseError{});
}

TEST(ScriptWords, BareAndQuotedWordsSplitAtBlanksAndTabs) {
    const auto w = split(QStringLiteral("  type\tHH  \"01 30\" c:\\dir \"\"  "));
    ASSERT_EQ(w.size(), 5u);
    EXPECT_EQ(w[0].text, "type");
    EXPECT_EQ(w[1].text, "HH");
    EXPECT_EQ(w[2].text, "01 30");
    EXPECT_TRUE(w[2].quoted);
    EXPECT_EQ(w[3].text, "c:\\dir");  // a backslash is plain in a bare word
    EXPECT_FALSE(w[3].quoted);
    EXPECT_TRUE(w[4].text.isEmpty());
    EXPECT_TRUE(w[4].quoted);
}

TEST(ScriptWords, EscapesInQuotes) {
    const auto w = split(QStringLiteral(R"("a\"b\\c\rd\ne\tf\0g")"));
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].text, QStringLiteral("a\"b\\c\rd\ne\tf") + QChar(0) + QStringLiteral("g"));
}

TEST(ScriptWords, QuotedTextsReadBackUnchanged) {
    const QStringList texts = {"700", "", "981000 bps", "a\"b", "c:\\", "x\ty\r\n", "absent"};
    for (const QString& t : texts) {
        const auto w = split(quoted(t));
        ASSERT_EQ(w.size(), 1u) << t.toStdString();
        EXPECT_EQ(w[0].text, t);
    }
    EXPECT_EQ(quoted("c:\\"), "c:\\");  // the runner's messages show the rest
}

TEST(ScriptParse, CommandsKeepTheirLineNumbers) {
    const Parsed p =
        parse(QStringLiteral("# a comment\r\n\nstart\r\n   # indented comment\n"
                             "type HH 01\n  \t\nexpect bitrate \"981000 bps\"\n"));
    ASSERT_FALSE(p.error);
    const auto& c = p.script.commands;
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(c[0].line, 3);
    EXPECT_EQ(c[0].verb, Verb::Start);
    EXPECT_EQ(c[1].line, 5);
    EXPECT_EQ(c[1].args, QStringList({"HH", "01"}));
    EXPECT_EQ(c[2].line, 7);
    EXPECT_EQ(c[2].args, QStringList({"bitrate", "981000 bps"}));
}

TEST(ScriptParse, KeywordsAndNumbersAreReadWhileParsing) {
    const Parsed p = parse(QStringLiteral(
        "locale de_DE\nregistry bitrate dword 0x10\nrandom 0 0.5 0.999\nstart\nkey HH Comma\n"
        "mouse move Form2 -15 30.5 3\ntick Timer1\ntick Timer1 4\nexpect-store k absent\n"
        "expect-store k \"absent\"\nprint var busy\nprint store size\nprint HH.caret\n"));
    ASSERT_FALSE(p.error) << p.error->reason.toStdString();
    const auto& c = p.script.commands;
    EXPECT_EQ(c[0].mode, 'c');
    EXPECT_EQ(c[1].mode, 'd');
    EXPECT_EQ(c[1].number, 16);
    EXPECT_EQ(c[2].randoms, (std::vector<double>{0, 0.5, 0.999}));
    EXPECT_EQ(c[4].number, 188);
    EXPECT_EQ(c[5].mode, 'm');
    EXPECT_EQ(c[5].x, -15);
    EXPECT_EQ(c[5].y, 30.5);
    EXPECT_EQ(c[5].number, 3);
    EXPECT_EQ(c[6].number, 1);
    EXPECT_EQ(c[7].number, 4);
    EXPECT_EQ(c[8].mode, 'a');
    EXPECT_EQ(c[9].mode, 't');
    EXPECT_EQ(c[10].mode, 'v');
    EXPECT_EQ(c[11].mode, 's');
    EXPECT_EQ(c[12].mode, 'c');
}

TEST(ScriptParse, MalformedLinesGiveTheirLineAndReason) {
    const ParseError e = parseError(QStringLiteral("start\n\nfrobnicate HH\ntype HH\n"));
    EXPECT_EQ(e.line, 3);  // the first mistake, not the later one
    EXPECT_EQ(e.reason, "unknown command frobnicate");
    // A file, and the reason it is refused (none: it is read). Each verb's words at their bounds.
    const char* const rows[][2] = {
        {"start\ntype HH", "wrong number of words; usage: type CTRL TEXT"},
        {"start\nexpect-ended now", "wrong number of words; usage: expect-ended"},
        {"start\ntype HH \"01", "a quote is not closed"},
        {"start\ntype HH \"a\\x\"", "unknown escape \\x"},
        {"start\ntype HH \"a\\", "a backslash ends the line inside a quote"},
        {"start\ntype HH ab\"c", "a quote inside the word ab\""},
        {"start\ntype HH \"ab\"c", "a closing quote must be followed by a blank"},
        {"\"start\"", "unknown command start"},
        {"locale fr_FR", "locale: unknown locale fr_FR (en_US or de_DE)"},
        {"random 0.2 1", "random: 1 is not a number in [0, 1)"},
        {"registry x dword 4294967296", "registry: 4294967296 is not a 32-bit number"},
        {"registry x qword 1", "registry: unknown value type qword (sz or dword)"},
        {"calculator present", "calculator: only absent is known"},
        {"screen 0 1", "screen: W and H must be whole numbers of pixels"},
        {"screen 100000 1\ncalculator absent\nstart", nullptr},
        {"start\nkey HH Tab", "key: unknown key Tab (Enter or Comma)"},
        {"start\nmouse drag HH 1 2", "mouse: unknown mouse event drag (down, move or up)"},
        {"start\nmouse up HH 1 y", "mouse: X and Y must be numbers"},
        {"start\nmouse up HH 1 2 8", "mouse: SHIFT must be a whole number from 0 to 7"},
        {"start\nscroll ScrollBar1 1.5", "scroll: 1.5 is not a whole number"},
        {"start\ntick Timer1 0", "tick: N must be a whole number from 1 to 1000000"},
        {"start\ntick Timer1 1000001", "tick: N must be a whole number from 1 to 1000000"},
        {"start\ntick Timer1 1000000", nullptr},
        {"start\nprint size x", "print: print takes CTRL, var NAME or store KEY"},
        {"start\nclick Form1..exit",
         "click: Form1..exit is not a control, window or property name"},
        {"start\nexpect Form1.HH.value.x 1",
         "expect: Form1.HH.value.x is not a control, window or property name"},
        // The program must run for actions and program checks; checks of the services alone may
        // come first.
        {"type HH 01", "type: the program has not been started yet"},
        {"expect-running", "expect-running: the program has not been started yet"},
        {"restart", "restart: the program has not been started yet"},
        {"start\nstart", "start: the program has already been started; use restart"},
        {"store size 700\nexpect-store size 700\nprint store size\nexpect-no-message\n"
         "expect-clipboard \"\"\nstart\n",
         nullptr},
    };
    for (const auto& [text, reason] : rows) {
        const Parsed p = parse(QString::fromUtf8(text));
        EXPECT_EQ(p.error ? p.error->reason.toStdString() : "", reason ? reason : "") << text;
    }
}

}  // namespace
}  // namespace scenario
