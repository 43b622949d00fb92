// The debug log file and the About window's restless name, through the in-memory services.
#include <gtest/gtest.h>

#include <QSet>

#include "app/korvel.h"
#include "platform/memory_services.h"

namespace {

struct Program {
    platform::MemoryServices services;
    app::Korvel k{services.services(), forms::NumberLocale::point()};
    Program() { k.start(); }
    forms::TextBox& field(forms::Window& w, const char* name) {
        return w.get<forms::TextBox>(name);
    }
    void type(const char* name, const QString& text) { k.rt.userType(field(k.form1, name), text); }
};

}  // namespace

TEST(DebugLog, EveryChangeOfTheDebugTextRewritesTheWholeFile) {
    Program p;
    p.type("notebox", "debug");
    const int afterDebug = p.services.log.writes;
    EXPECT_GT(afterDebug, 0);
    p.type("HH", "01");
    p.type("groesse", "7");
    const QString shown = p.field(p.k.debug, "debugtext").text();
    EXPECT_TRUE(shown.contains("kbitps_Change #1"));
    EXPECT_GT(p.services.log.writes, afterDebug + 1);
    EXPECT_EQ(p.services.log.last, shown);
}

TEST(DebugLog, NothingIsLoggedOutsideDebugMode) {
    Program p;
    p.type("groesse", "700");
    EXPECT_EQ(p.services.log.writes, 0);
    EXPECT_TRUE(p.field(p.k.debug, "debugtext").text().isEmpty());
}

TEST(AboutWindow, ItsNameChangesFontAndColourWhileOpen) {
    Program p;
    p.k.rt.userClick(*p.k.form1.find("info"));
    auto& name = p.k.about.get<forms::Label>("Label1");
    auto& timer = p.k.about.get<forms::Timer>("KorvelTimer");
    QSet<QString> fonts;
    QSet<int> reds;
    for (int i = 0; i < 40; ++i) {
        p.k.rt.fireTimer(timer);
        fonts.insert(name.fontName());
        reds.insert(name.foreColor().r);
        EXPECT_GE(name.foreColor().g, 202);
        EXPECT_LE(name.foreColor().g, 251);
    }
    EXPECT_GT(fonts.size(), 3);
    EXPECT_GT(reds.size(), 3);
    p.k.rt.userDblClick(p.k.about);
    EXPECT_FALSE(timer.enabled());
}
