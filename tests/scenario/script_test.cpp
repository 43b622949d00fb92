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

QString splitError(const QString& line) {
    std::vector<Word> words;
    return splitWords(line, words).value_or(QStringLiteral("(no error)"));
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

TEST(ScriptWords, MalformedWordsAreRefused) {
    EXPECT_EQ(splitError(QStringLiteral("type HH \"01")), "a quote is not closed");
    EXPECT_EQ(splitError(QStringLiteral(R"(type HH "a\x")")), "unknown escape \\x");
    EXPECT_EQ(splitError(QStringLiteral(R"(type HH "a\)")),
              "a backslash ends the line inside a quote");
    EXPECT_EQ(splitError(QStringLiteral("type HH ab\"c")), "a quote inside the word ab\"");
    EXPECT_EQ(splitError(QStringLiteral("type HH \"ab\"c")),
              "a closing quote must be followed by a blank");
}

TEST(ScriptWords, QuotedTextsReadBackUnchanged) {
    const QStringList texts = {"700", "", "981000 bps", "a\"b", "c:\\", "x\ty\r\n", "absent"};
    for (const QString& t : texts) {
        const auto w = split(quoted(t));
        ASSERT_EQ(w.size(), 1u) << t.toStdString();
        EXPECT_EQ(w[0].text, t);
    }
    EXPECT_EQ(quoted("700"), "700");
    EXPECT_EQ(quoted(""), "\"\"");
    EXPECT_EQ(quoted("c:\\"), "c:\\");
    EXPECT_EQ(quoted("a b"), "\"a b\"");
    EXPECT_EQ(quoted("absent", true), "\"absent\"");
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
    EXPECT_TRUE(c[2].isCheck());
    EXPECT_FALSE(c[1].isCheck());
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

    EXPECT_EQ(parseError(QStringLiteral("start\ntype HH")).reason,
              "wrong number of words; usage: type CTRL TEXT");
    EXPECT_EQ(parseError(QStringLiteral("start\nexpect-ended now")).reason,
              "wrong number of words; usage: expect-ended");
    EXPECT_EQ(parseError(QStringLiteral("start\ntype HH \"01")).reason, "a quote is not closed");
    EXPECT_EQ(parseError(QStringLiteral("\"start\"")).reason, "unknown command start");
    EXPECT_EQ(parseError(QStringLiteral("locale fr_FR")).reason,
              "locale: unknown locale fr_FR (en_US or de_DE)");
    EXPECT_EQ(parseError(QStringLiteral("random 0.2 1")).reason,
              "random: 1 is not a number in [0, 1)");
    EXPECT_EQ(parseError(QStringLiteral("registry x dword 4294967296")).reason,
              "registry: 4294967296 is not a 32-bit number");
    EXPECT_EQ(parseError(QStringLiteral("registry x qword 1")).reason,
              "registry: unknown value type qword (sz or dword)");
    EXPECT_EQ(parseError(QStringLiteral("calculator present")).reason,
              "calculator: only absent is known");
    EXPECT_EQ(parseError(QStringLiteral("start\nkey HH Tab")).reason,
              "key: unknown key Tab (Enter or Comma)");
    EXPECT_EQ(parseError(QStringLiteral("start\nmouse drag HH 1 2")).reason,
              "mouse: unknown mouse event drag (down, move or up)");
    EXPECT_EQ(parseError(QStringLiteral("start\nmouse up HH 1 y")).reason,
              "mouse: X and Y must be numbers");
    EXPECT_EQ(parseError(QStringLiteral("start\nmouse up HH 1 2 8")).reason,
              "mouse: SHIFT must be a whole number from 0 to 7");
    EXPECT_EQ(parseError(QStringLiteral("start\nscroll ScrollBar1 1.5")).reason,
              "scroll: 1.5 is not a whole number");
    EXPECT_EQ(parseError(QStringLiteral("start\ntick Timer1 0")).reason,
              "tick: N must be a whole number from 1 to 1000000");
    EXPECT_EQ(parseError(QStringLiteral("start\nprint size x")).reason,
              "print: print takes CTRL, var NAME or store KEY");
    EXPECT_EQ(parseError(QStringLiteral("start\nclick Form1..exit")).reason,
              "click: Form1..exit is not a control, window or property name");
    EXPECT_EQ(parseError(QStringLiteral("start\nexpect Form1.HH.value.x 1")).reason,
              "expect: Form1.HH.value.x is not a control, window or property name");
}

TEST(ScriptParse, TheProgramMustRunForActionsAndProgramChecks) {
    EXPECT_EQ(parseError(QStringLiteral("type HH 01")).reason,
              "type: the program has not been started yet");
    EXPECT_EQ(parseError(QStringLiteral("expect-running")).reason,
              "expect-running: the program has not been started yet");
    EXPECT_EQ(parseError(QStringLiteral("restart")).reason,
              "restart: the program has not been started yet");
    EXPECT_EQ(parseError(QStringLiteral("start\nstart")).reason,
              "start: the program has already been started; use restart");
    // Checks of the services alone may come first.
    EXPECT_FALSE(parse(QStringLiteral("store size 700\nexpect-store size 700\nprint store size\n"
                                      "expect-no-message\nexpect-clipboard \"\"\nstart\n"))
                     .error);
}

}  // namespace
}  // namespace scenario
