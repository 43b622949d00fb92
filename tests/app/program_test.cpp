// What a started program does that the scenario files cannot reach: a copy while busy, the debug
// log file, the About window's restless name, the help labels' pointer.
#include <gtest/gtest.h>

#include <QSet>

#include "app/korvel.h"
#include "i18n/control_names.h"
#include "platform/memory_services.h"

namespace {

struct Program : ::testing::Test {
    platform::MemoryServices sv;
    app::Korvel k{sv.services(), forms::NumberLocale::point()};
    Program() { k.start(); }
    forms::TextBox& field(const char* name) { return k.form1.get<forms::TextBox>(name); }
    void type(const char* name, const QString& text) { k.rt.userType(field(name), text); }
    // While the program is busy the copy button cannot rebuild, so a hint may still stand in the
    // box; only a damaged bitrate (never one the program types) can make the build fail.
    void copyAfterWriting(const char* name, const QString& text, bool busy) {
        sv.clipboard.setText("kept");
        k.st.busy = true;
        field(name).setText(text);
        k.st.busy = busy;
        k.rt.userClick(k.form1.get<forms::Button>("DivXbutton"));
    }
    bool red() const {
        return k.form1.get<forms::Button>("DivXbutton").backColor() == forms::colors::red;
    }
};

}  // namespace

TEST_F(Program, AHintIsNeverCopiedAndTurnsTheButtonRed) {
    copyAfterWriting("DivXBox", "Diese Einstellungen können Sie für den DivX Encoder verwenden.",
                     true);
    EXPECT_TRUE(red());
    EXPECT_EQ(sv.clipboard.text(), "kept");
    copyAfterWriting("DivXBox", "-bv1 800 -key 200", true);
    EXPECT_EQ(sv.clipboard.text(), "-bv1 800 -key 200");
}

// Caught fault: a failed build once reached the clipboard.
TEST_F(Program, AFailedBuildShowsErrorAndCopiesNothing) {
    copyAfterWriting("kbitps", QString(400, QLatin1Char('9')), false);
    EXPECT_EQ(field("DivXBox").text(), "ERROR");
    EXPECT_TRUE(red());
    EXPECT_EQ(sv.clipboard.text(), "kept");
    ASSERT_FALSE(sv.messages.shown.empty());
    EXPECT_EQ(sv.messages.shown.front().text,
              "It's not a Bug - it's a Feature! ;-) \r[Featurename: 'DivX']");
}

// It also says, once, when the settings of this session will not be kept.
TEST_F(Program, TheDebugLogFileFollowsEveryChangeOfTheDebugTextAndNothingElse) {
    type("groesse", "700");
    EXPECT_EQ(sv.log.writes, 0);
    sv.store.notKept = "cannot write the settings file; settings will not be kept";
    type("notebox", "debug");
    const int afterDebug = sv.log.writes;
    type("HH", "01");
    type("groesse", "7");
    EXPECT_GT(sv.log.writes, afterDebug + 1);
    EXPECT_EQ(sv.log.last, k.debug.get<forms::TextBox>("debugtext").text());
    EXPECT_TRUE(sv.log.last.contains("kbitps_Change #1"));
    EXPECT_EQ(sv.log.last.count(sv.store.notKept), 1);
}

TEST_F(Program, TheAboutWindowsNameChangesFontAndColourWhileOpen) {
    k.rt.userClick(*k.form1.find("info"));
    auto& name = k.about.get<forms::Label>("Label1");
    QSet<QString> fonts;
    QSet<int> reds;
    for (int i = 0; i < 40; ++i) {
        k.rt.fireTimer(k.about.get<forms::Timer>("KorvelTimer"));
        fonts.insert(name.fontName());
        reds.insert(name.foreColor().r);
        EXPECT_GE(name.foreColor().g, 202);
        EXPECT_LE(name.foreColor().g, 251);
    }
    EXPECT_GT(fonts.size(), 3);
    EXPECT_GT(reds.size(), 3);
}

// The view cannot tell help labels from the others but by this.
TEST_F(Program, HelpLabelsShowThePointingHandAndOtherLabelsDoNot) {
    EXPECT_EQ(k.form1.find("Spielzeit")->pointer(), forms::Pointer::Hand);
    EXPECT_EQ(k.form3.find("txtSC")->pointer(), forms::Pointer::Hand);
    EXPECT_EQ(k.form2.find("Label1")->pointer(), forms::Pointer::Hand);
    for (const char* other : {"info", "ratio", "sizeMB", "textAlg1"})
        EXPECT_EQ(k.form1.find(other)->pointer(), forms::Pointer::Default) << other;
}

// Every control a person can reach is read by a name of its own in each language, distinct
// within its window, and no name is kept for a control that is gone.
TEST_F(Program, EveryReachableControlHasItsOwnSpokenName) {
    for (const i18n::NameRow& row : i18n::controlNames()) {
        const forms::Window* w = k.rt.window(QString::fromUtf8(row.window));
        EXPECT_TRUE(w && (!*row.control || w->find(QString::fromUtf8(row.control))))
            << row.window << '.' << row.control;
    }
    for (const auto& w : k.rt.windows()) {
        for (const i18n::Language lang : {i18n::German, i18n::English, i18n::French}) {
            QSet<QString> heard;
            for (const auto& c : w->controls()) {
                if (!c->focusKind() && !(c->kind() == forms::Kind::Picture && c->onClick)) continue;
                const i18n::NameRow* row = i18n::controlName(w->name(), c->name());
                ASSERT_NE(row, nullptr) << qPrintable(c->path());
                const QString name = QString::fromUtf8(row->text[lang]);
                EXPECT_FALSE(name.isEmpty() || heard.contains(name)) << qPrintable(c->path());
                heard.insert(name);
            }
        }
    }
    EXPECT_EQ(i18n::languageOf("french"), i18n::French);
    EXPECT_EQ(i18n::languageOf("basel"), i18n::English);
}
