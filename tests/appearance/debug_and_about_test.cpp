// The debug log file and the About window's restless name, through the in-memory services.
#include <gtest/gtest.h>

#include <QSet>

#include "app/korvel.h"
#include "platform/memory_services.h"

namespace {

struct Program : ::testing::Test {
    platform::MemoryServices sv;
    app::Korvel k{sv.services(), forms::NumberLocale::point()};
    Program() { k.start(); }
    void type(const char* name, const QString& text) {
        k.rt.userType(k.form1.get<forms::TextBox>(name), text);
    }
};

}  // namespace

TEST_F(Program, TheDebugLogFileFollowsEveryChangeOfTheDebugTextAndNothingElse) {
    type("groesse", "700");
    EXPECT_EQ(sv.log.writes, 0);
    type("notebox", "debug");
    const int afterDebug = sv.log.writes;
    type("HH", "01");
    type("groesse", "7");
    EXPECT_GT(sv.log.writes, afterDebug + 1);
    EXPECT_EQ(sv.log.last, k.debug.get<forms::TextBox>("debugtext").text());
    EXPECT_TRUE(sv.log.last.contains("kbitps_Change #1"));
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
