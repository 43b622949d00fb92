#include "calc/bitrate.h"

#include <gtest/gtest.h>

#include <random>

#include "app/korvel.h"
#include "app/settings_table.h"
#include "platform/memory_services.h"

namespace calc {
namespace {
using app::settings::fallback;

// Play time, audio and size as typed, the constants Alg and Alg2, and what the bitrate field shows
// (-1: not known beforehand).
struct Row {
    QString typed[5];  // HH, MM, SS, audio, groesse
    const char *alg, *alg2;
    qint64 shown;
};
const Row kRows[] = {
    {{"01", "30", "00", "96", "700"}, "1000", "5", 946},
    {{"00", "00", "30", "96", "4"}, "1048", "-10", 1012},
    {{"02", "10", "17", "192", "1400"}, "1048", "-10", 1300},
    {{"00", "00", "07", "0", "100000"}, "1048", "-10", 16000},
    {{"01", "00", "00", "500", "1"}, "1048", "-10", 0},
    {{"00", "00", "00", "96", "700"}, "1048", "-10", 0},
    // The smallest bitrate the window shows is 1 kbit/s.
    {{"01", "30", "00", "0", "700"}, "1048", "-1085.5", 1},
    {{"01", "30", "00", "0", "700"}, "1048", "-1086", 0},
};

// The number without a window is the number the window shows, with the constants it keeps: the
// rows above, and play times, sizes and sounds drawn at random.
TEST(RecommendedBitrate, AgreesWithTheWindow) {
    std::vector<Row> rows(std::begin(kRows), std::end(kRows));
    std::mt19937 draw(21);
    const auto number = [&draw](int bound) {
        return QString::number(draw() % bound).rightJustified(2, QLatin1Char('0'));
    };
    for (int i = 0; i < 60; ++i)
        rows.push_back({{number(60), number(60), number(60), number(1600), number(100001)},
                        fallback("alg1"),
                        fallback("alg2"),
                        -1});
    for (const Row& r : rows) {
        const QString time = QStringLiteral("%1:%2:%3").arg(r.typed[0], r.typed[1], r.typed[2]);
        SCOPED_TRACE((time + ' ' + r.typed[3] + ' ' + r.typed[4]).toStdString());
        platform::MemoryServices sv;
        if (qstrcmp(r.alg, fallback("alg1"))) sv.store.write("alg1", r.alg);
        if (qstrcmp(r.alg2, fallback("alg2"))) sv.store.write("alg2", r.alg2);
        app::Korvel k(sv.services(), forms::NumberLocale::point());
        k.start();
        const char* fields[] = {"HH", "MM", "SS", "audio", "groesse"};
        for (int i = 0; i < 5; ++i)
            k.rt.userType(k.form1.get<forms::TextBox>(fields[i]), r.typed[i]);
        const qint64 shown = k.form1.get<forms::TextBox>("kbitps").text().toLongLong();
        if (r.shown >= 0) {
            EXPECT_EQ(shown, r.shown);
        }
        EXPECT_EQ(recommendedBitrate(sv.store, *fileSizeOf(r.typed[4]), *playMinutesOf(time),
                                     *audioRateOf(r.typed[3])),
                  shown);
    }
}

// What a script types, read as the fields read it; nothing where a field would keep another
// value than the text says.
TEST(RecommendedBitrate, ReadsTheValuesAsTheFieldsKeepThem) {
    const struct {
        std::optional<double> (*read)(const QString&);
        const char* typed;
        std::optional<double> kept;
    } rows[] = {{playMinutesOf, "01:30:00", 90},
                {playMinutesOf, "1:5:0", 65},
                {playMinutesOf, "59:59:59", 3599.98333333333},
                {playMinutesOf, "00:00:07", 0.116666666666667},
                {playMinutesOf, "60:00:00", {}},
                {playMinutesOf, "1:30:00x", {}},
                {playMinutesOf, "-1:00:00", {}},
                {fileSizeOf, "700", 700},
                {fileSizeOf, "700.5", 700},
                {fileSizeOf, "701.5", 702},
                {fileSizeOf, ".5", 0},
                {fileSizeOf, "100000", 100000},
                {fileSizeOf, "100000.4", {}},
                {fileSizeOf, "1e3", {}},
                {fileSizeOf, "700MB", {}},
                {fileSizeOf, "7,5", {}},
                {fileSizeOf, "", {}},
                {audioRateOf, "1536", 1536},
                {audioRateOf, "96.5", 96.5},
                {audioRateOf, "-1", {}}};
    for (const auto& r : rows)
        EXPECT_EQ(r.read(r.typed), r.kept) << r.typed;
}

}  // namespace
}  // namespace calc
