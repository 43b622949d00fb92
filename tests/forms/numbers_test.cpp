// The number rules at their edges, one table per rule; the fuzz target checks that any text reads
// back as it was written.
#include "forms/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "forms/errors.h"

using namespace forms;
using namespace forms::num;

namespace {
const NumberLocale en = NumberLocale::point();
const NumberLocale de = NumberLocale::comma();
const double notANumber = std::nan(""), inf = std::numeric_limits<double>::infinity();
}  // namespace

TEST(Numbers, LeadingNumberNeverTakesACommaOrAnExponent) {
    const std::pair<const char*, double> rows[] = {
        {"128k", 128},  {"  -3.5 kbps", -3.5}, {"+7", 7}, {"1.2.3", 1.2}, {".5", 0.5},
        {"737,5", 737}, {"FREE", 0},           {"", 0},   {"-", 0},       {"1E5", 1},
        {"\t\r\n 5", 5}};
    for (const auto& [in, out] : rows)
        EXPECT_EQ(leading(in), out) << in;
}

TEST(Numbers, LocaleNumbersTakeTheirSeparatorAndPassOverGroups) {
    const std::tuple<const char*, const NumberLocale*, double> rows[] = {
        {" 96 ", &en, 96},
        {"1.5E+16", &en, 1.5e16},
        {"1,000.5", &en, 1000.5},
        {"122,6", &de, 122.6},
        {"1.067", &de, 1067}};  // a point is a group here
    for (const auto& [in, loc, out] : rows)
        EXPECT_EQ(locale(in, *loc), out) << in;
    for (const char* in : {"25 fps", "", "FREE", "1e", ",5"})  // no group before a digit
        EXPECT_THROW(locale(in, en), RuntimeError) << in;
    EXPECT_FALSE(isNumber("1,2,3", de));
}

TEST(Numbers, TextHasFifteenDigitsAndTheLocaleSeparator) {
    const std::tuple<double, const NumberLocale*, const char*> rows[] = {
        {0.1 + 0.2, &en, "0.3"},
        {-0.0, &en, "0"},
        {123456789012345, &en, "123456789012345"},
        {1e15, &en, "1E+15"},
        {1.5e16, &de, "1,5E+16"},
        {0.0001, &en, "0.0001"},
        {0.00001, &en, "1E-05"}};
    for (const auto& [in, loc, out] : rows)
        EXPECT_EQ(text(in, *loc), out);
    EXPECT_THROW(text(inf, en), RuntimeError);
    EXPECT_THROW(text(notANumber, en), RuntimeError);
}

TEST(Numbers, WholeRoundsHalvesToEvenAndArithmeticFailsLoudly) {
    const std::pair<double, qint64> rows[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.4999, 2}, {2147483647.0, 2147483647}};
    for (const auto& [in, out] : rows)
        EXPECT_EQ(whole(in), out) << in;
    for (double x : {2147483647.5, -3e10, notANumber})
        EXPECT_THROW(whole(x), RuntimeError) << x;
    EXPECT_EQ(Int(-0.5), -1);
    EXPECT_THROW(Int(inf), RuntimeError);
    try {
        num::div(1, 0);
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), RuntimeError::DivisionByZero);
    }
    EXPECT_THROW(num::div(1e308, 1e-308), RuntimeError);
    EXPECT_TRUE(toBool("True", en));
    EXPECT_FALSE(toBool("0", en));
    EXPECT_THROW(toBool("maybe", en), RuntimeError);
}
