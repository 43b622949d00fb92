// A film read enters the main window as typed input: the handlers run as for the user's typing.
#include <gtest/gtest.h>

#include "app/korvel.h"
#include "media/apply.h"
#include "platform/memory_services.h"

using namespace media;

TEST(ApplyFilm, PlayTimeFrameRateAndAspectReachTheWindowAsTyped) {
    FilmInfo wide{"/films/wide.mkv", 5399.2, 720, 576, "64:45", "16:9", 24000 / 1001.0, {}};
    // No display aspect given: the pixels' shape decides (PAL 4:3).
    FilmInfo pal{"-pal.avi", 7200, 720, 576, "16:15", "", 25, {}};
    struct Row {
        std::vector<const char*> before;  // clicks, or "field=text" typed
        FilmInfo film;
        const char* shown;  // HH MM SS framerate aspect Bwidth Bheight kbitps
        bool timeEntered;
    } rows[] = {
        {{}, wide, "01 30 00 23.976_fps 177.78 720 404 981", true},
        {{"ratio", "Bwidth=640", "notebox"}, pal, "02 00 00 25_fps 1.3333 640 480 709", true},
        // The lock derives the play time: the time fields take no typing, the film's is left out.
        {{"kbpsLock", "OptionTime"}, pal, "00 45 00 25_fps 133.33 720 540 2068", false},
    };
    for (const Row& r : rows) {
        platform::MemoryServices sv;
        app::Korvel k(sv.services(), forms::NumberLocale::point());
        k.start();
        const auto field = [&](const QString& name) -> forms::TextBox& {
            return k.form1.get<forms::TextBox>(name);
        };
        for (const char* step : {"groesse=700", "audio=96", "HH=00", "MM=45", "SS=00"})
            k.rt.userType(field(QString(step).section('=', 0, 0)), QString(step).section('=', 1));
        for (const QString step : r.before)
            if (step.contains('='))
                k.rt.userType(field(step.section('=', 0, 0)), step.section('=', 1));
            else
                k.rt.userClick(*k.form1.find(step));
        const Applied a = applyFilm(k, r.film);
        QStringList shown;
        for (const char* name :
             {"HH", "MM", "SS", "framerate", "aspect", "Bwidth", "Bheight", "kbitps"})
            shown << QString(field(name).text()).replace(' ', '_');
        EXPECT_EQ(shown.join(' ').toStdString(), r.shown);
        EXPECT_EQ(a.time, r.timeEntered);
        EXPECT_TRUE(a.frameRate && a.aspect);
        EXPECT_EQ(a.note == Message(Says::LockDerivesTime), !r.timeEntered);
        // Stored as typing stores them.
        EXPECT_EQ(sv.store.read("aspect", {}) + sv.store.read("framerate", {}),
                  field("aspect").text() + field("framerate").text());
        EXPECT_EQ(k.st.film, r.film.file);
        EXPECT_TRUE(sv.messages.shown.empty()) << sv.messages.shown.front().text.toStdString();
    }
}
