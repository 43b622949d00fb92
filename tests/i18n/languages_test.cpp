// Languages and help on a started program: what the scenario files cannot reach (the joke sets,
// the purple theme's share, the help of the settings and preview windows).
#include <gtest/gtest.h>

#include <QSet>
#include <memory>

#include "app/korvel.h"
#include "i18n/control_names.h"
#include "i18n/languages.h"
#include "platform/memory_services.h"

namespace {

struct I18nProgram : ::testing::Test {
    platform::MemoryServices mem;
    std::unique_ptr<app::Korvel> k;

    void SetUp() override { start(); }
    void start() {
        k = std::make_unique<app::Korvel>(mem.services(), forms::NumberLocale::point());
        k->start();
    }
    QString caption(forms::Window& w, const char* name) { return w.find(name)->caption(); }
    QString text(forms::Window& w, const char* name) { return w.get<forms::TextBox>(name).text(); }
    void click(forms::Window& w, const char* name) { k->rt.userClick(*w.find(name)); }
    // Clicks a help label and returns the box it showed ("-" when none).
    QString help(forms::Window& w, const char* name) {
        const size_t before = mem.messages.shown.size();
        click(w, name);
        if (mem.messages.shown.size() == before) return QStringLiteral("-");
        const auto& m = mem.messages.shown.back();
        return m.titleShown() + QStringLiteral(": ") + m.text.section(QLatin1Char('\r'), 0, 0);
    }
};

}  // namespace

TEST_F(I18nProgram, ASwitchReplacesTheOptionStringAndRatesItOnce) {
    auto& box = k->form1.get<forms::TextBox>("DivXBox");
    box.setText("-bv1 800000 -psy 1");
    int rated = 0;
    box.onChange = [&] { ++rated; };
    click(k->form1, "french");
    EXPECT_EQ(box.text(), "DivX5.1");
    EXPECT_EQ(rated, 1);
}

TEST_F(I18nProgram, SettingsAndPreviewHelpFollowTheLanguage) {
    k->form3.show();
    k->form2.show();
    click(k->form1, "deutsch");
    EXPECT_EQ(help(k->form3, "transp"),
              "Transparenz: Stellt die Transparenz der Fenster dieses "
              "Programms ein.");
    EXPECT_EQ(help(k->form2, "Label1"), "Ansicht: Die Ansicht zeigt die Grösse des Videos.");
    click(k->form1, "french");
    // No French texts for the log and motion-vector options: the English ones.
    EXPECT_EQ(help(k->form3, "txtLog"),
              "Log: Here you can choose if DivX should update the log file in 2nd / nth pass.");
    EXPECT_EQ(help(k->form3, "txtMV").left(16), "MV: DivX writes ");
    EXPECT_EQ(help(k->form3, "Error"),
              ": Si la case est cochée, le codec n'affiche ni erreurs ni avertissements.");
    k->st.currentLanguage = "klingon";
    EXPECT_EQ(help(k->form3, "txtLog"), "-");
    EXPECT_EQ(help(k->form2, "Label1"), "-");
}

TEST_F(I18nProgram, HelpLabelsLookClickableAndOthersDoNot) {
    EXPECT_EQ(k->form1.find("Spielzeit")->pointer(), forms::Pointer::Hand);
    EXPECT_EQ(k->form3.find("txtSC")->pointer(), forms::Pointer::Hand);
    EXPECT_EQ(k->form2.find("Label1")->pointer(), forms::Pointer::Hand);
    for (const char* other : {"info", "ratio", "sizeMB", "textAlg1"})
        EXPECT_EQ(k->form1.find(other)->pointer(), forms::Pointer::Default) << other;
}

TEST_F(I18nProgram, SpoonerGermanLeavesOrdinaryGermanForTheNextRun) {
    const QString credit = caption(k->form1, "info");
    k->lang->spoonerGerman();
    EXPECT_EQ(caption(k->form1, "Spielzeit"), "Zielspeit");
    EXPECT_EQ(caption(k->form1, "GMC"), "  CMB");
    EXPECT_EQ(caption(k->form3, "transp"), "Pranstarenz");
    EXPECT_EQ(text(k->form1, "DivXBox"),
              "Diese Einstellungen können Sie für den DivX Encoder verwenden.");
    EXPECT_EQ(text(k->form1, "notebox"), "Das hat er ja gefickt eingeschädelt! ;-)");
    EXPECT_NE(caption(k->form1, "info"), credit);
    EXPECT_EQ(mem.store.read("language", ""), "german");
    EXPECT_EQ(help(k->form1, "Spielzeit").left(10), "Spielzeit:");

    click(k->form1, "exit");
    start();
    EXPECT_EQ(caption(k->form1, "Spielzeit"), "Spielzeit");
    EXPECT_EQ(caption(k->form1, "GMC"), "GMC");  // no ordinary language renames it
}

TEST_F(I18nProgram, BaselDialectDrawsTheCrestAndStoresGerman) {
    k->lang->baselCaptions();
    EXPECT_EQ(k->st.currentLanguage, "german");
    EXPECT_EQ(caption(k->form1, "settings"), "    Zügs");
    EXPECT_EQ(caption(k->form3, "Error"), "Bi Fehler + Warnige nid melde");
    EXPECT_EQ(text(k->form1, "DivXBox"), "Die Ystellige nimmsch denn für dr DivX-Encoder, gäll!");
    EXPECT_EQ(text(k->form1, "notebox"), "Wär nid gumpt dä isch kai Basler!");
    const QString crest = text(k->debug, "debugtext");
    EXPECT_TRUE(crest.startsWith("    ___________\r\n   |    ____   |\r\n")) << crest.toStdString();
    EXPECT_TRUE(crest.endsWith("      `.___,´\r\n      \r\n")) << crest.toStdString();
    EXPECT_EQ(crest.count("\r\n"), 12);
    EXPECT_EQ(mem.store.read("language", ""), "german");
}

TEST_F(I18nProgram, PurpleThemeSwitchesOnlyTheHelpToEnglish) {
    click(k->form1, "deutsch");
    k->lang->purpleLanguage();
    EXPECT_EQ(caption(k->form1, "Spielzeit"), "Spielzeit");
    EXPECT_EQ(mem.store.read("language", ""), "german");
    EXPECT_EQ(help(k->form1, "Spielzeit").left(10), "Play Time:");
}

// Every control a person can reach is read by a name of its own in each language, distinct within
// its window, and no name is kept for a control that is gone.
TEST_F(I18nProgram, EveryReachableControlHasItsOwnSpokenName) {
    for (const i18n::NameRow& row : i18n::controlNames()) {
        const forms::Window* w = k->rt.window(QString::fromUtf8(row.window));
        EXPECT_TRUE(w && w->find(QString::fromUtf8(row.control)))
            << row.window << '.' << row.control;
    }
    for (const auto& w : k->rt.windows()) {
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
