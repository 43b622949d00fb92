// The program's preferences through the real settings file, across runs.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/korvel.h"
#include "platform/memory_services.h"
#include "platform/qt/settings_store.h"

namespace {

// One run of the program over a given settings file; everything else in memory.
struct ProgramRun {
    platform::QtSettingsStore store;
    platform::MemoryServices others;
    platform::Services services{
        store,           others.messages, others.clipboard, others.random, others.programEnd,
        others.launcher, others.effects,  others.registry,  others.log,    others.screen};
    app::Korvel k{services, forms::NumberLocale::point()};

    explicit ProgramRun(const QString& file) : store(file) { k.start(); }
    forms::TextBox& field(const char* name) { return k.form1.get<forms::TextBox>(name); }
    void type(const char* name, const QString& text) { k.rt.userType(field(name), text); }
    void exit() { k.rt.userClick(*k.form1.find("exit")); }
};

void typeFilm(ProgramRun& run) {
    run.type("HH", "01");
    run.type("MM", "30");
    run.type("audio", "96");
    run.type("groesse", "700");
    run.type("Alg", "1050");
}

}  // namespace

TEST(Persistence, TheSettingsFileCarriesTheValuesToTheNextRun) {
    QTemporaryDir dir;
    const QString first = dir.filePath("Korvel.ini");
    {
        ProgramRun run(first);
        typeFilm(run);
        run.exit();
        ASSERT_TRUE(run.k.rt.ended());
        EXPECT_EQ(run.store.read("version", ""), "0025");
    }
    // A copy under a new name: only what reached the disk counts, as in a new process.
    const QString second = dir.filePath("again.ini");
    ASSERT_TRUE(QFile::copy(first, second));
    ProgramRun again(second);
    EXPECT_EQ(again.field("HH").text(), "01");
    EXPECT_EQ(again.field("MM").text(), "30");
    EXPECT_EQ(again.field("groesse").text(), "700");
    EXPECT_EQ(again.field("Alg").text(), "1050");
    EXPECT_EQ(again.field("kbitps").text(), "983");
    EXPECT_EQ(again.store.read("version", ""), "0");
    EXPECT_TRUE(again.others.messages.shown.empty());
}
