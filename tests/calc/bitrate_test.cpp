#include "calc/bitrate.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/korvel.h"
#include "platform/memory_services.h"

namespace calc {
namespace {

// Play time, audio and size as typed, the constants Alg and Alg2, and what the bitrate field shows.
struct Row {
    const char* typed[5];  // HH, MM, SS, audio, groesse
    const char *alg, *alg2;
    qint64 shown;
};
const Row kRows[] = {
    {{"01", "30", "00", "96", "700"}, "1048", "-10", 981},
    {{"01", "30", "00", "96", "700"}, "1048", "0", 991},
    {{"01", "30", "00", "96", "700"}, "1000", "5", 946},
    {{"00", "00", "30", "96", "4"}, "1048", "-10", 1012},
    {{"02", "10", "17", "192", "1400"}, "1048", "-10", 1300},
    {{"00", "00", "07", "0", "100000"}, "1048", "-10", 16000},
    {{"01", "00", "00", "500", "1"}, "1048", "-10", 0},
    {{"00", "00", "00", "96", "700"}, "1048", "-10", 0},
};

// The number without a window is the number the window shows, with the constants it keeps.
TEST(RecommendedBitrate, AgreesWithTheWindow) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(std::string(r.typed[0]) + ":" + r.typed[1] + ":" + r.typed[2]);
        platform::MemoryServices sv;
        if (QLatin1String(r.alg) != QLatin1String(kAlgDefault)) sv.store.write("alg1", r.alg);
        if (QLatin1String(r.alg2) != QLatin1String(kAlg2Default)) sv.store.write("alg2", r.alg2);
        app::Korvel k(sv.services(), forms::NumberLocale::point());
        k.start();
        const char* fields[] = {"HH", "MM", "SS", "audio", "groesse"};
        for (int i = 0; i < 5; ++i)
            k.rt.userType(k.form1.get<forms::TextBox>(fields[i]), r.typed[i]);
        EXPECT_EQ(k.form1.get<forms::TextBox>("kbitps").text().toLongLong(), r.shown);
        const auto number = [&](int i) { return std::atof(r.typed[i]); };
        EXPECT_EQ(recommendedBitrate(sv.store, number(4),
                                     number(0) * 60 + number(1) + number(2) / 60, number(3)),
                  r.shown);
    }
}

}  // namespace
}  // namespace calc
