#include "forms/numbers.h"

#include <gtest/gtest.h>

#include "forms/errors.h"

using namespace forms;
using namespace forms::num;

namespace {
const NumberLocale en = NumberLocale::point();
const NumberLocale de = NumberLocale::comma();
}  // namespace

TEST(LeadingNumber, ReadsTheNumberAtTheStartAndIgnoresTheRest) {
    EXPECT_EQ(leading("128k"), 128);
    EXPECT_EQ(leading("  -3.5 kbps"), -3.5);
    EXPECT_EQ(leading("+7"), 7);
    EXPECT_EQ(leading("1.2.3"), 1.2);
    EXPECT_EQ(leading(".5"), 0.5);
    EXPECT_EQ(leading("25 fps"), 25);
}

TEST(LeadingNumber, NeverTakesACommaAndGivesZeroWithoutDigits) {
    EXPECT_EQ(leading("737,59765625"), 737);  // the decimal-comma pitfall
    EXPECT_EQ(leading("FREE"), 0);
    EXPECT_EQ(leading(""), 0);
    EXPECT_EQ(leading("-"), 0);
    EXPECT_EQ(leading("."), 0);
    EXPECT_EQ(leading("1E5"), 1);  // no exponent in a typed field
}

TEST(LeadingNumber, HugeDigitRunsStayFinite) {
    const double v = leading(QString(400, QLatin1Char('9')));
    EXPECT_TRUE(std::isfinite(v));
    EXPECT_GT(v, 1e300);
}

TEST(LocaleNumber, PointLocale) {
    EXPECT_TRUE(isNumber("122.6", en));
    EXPECT_TRUE(isNumber(" 96 ", en));
    EXPECT_TRUE(isNumber("1.5E+16", en));
    EXPECT_TRUE(isNumber("1,000", en));  // a digit group
    EXPECT_EQ(locale("1,000.5", en), 1000.5);
    EXPECT_FALSE(isNumber("25 fps", en));
    EXPECT_FALSE(isNumber("", en));
    EXPECT_FALSE(isNumber("FREE", en));
    EXPECT_FALSE(isNumber("1e", en));
    EXPECT_THROW(locale("abc", en), RuntimeError);
}

TEST(LocaleNumber, CommaLocaleReadsTheCommaAndTakesThePointForAGroup) {
    EXPECT_EQ(locale("122,6", de), 122.6);
    EXPECT_EQ(locale("980,814814814815", de), 980.814814814815);
    // A pixel ratio written with a point is a very different number here.
    EXPECT_EQ(locale("1.067", de), 1067);
    EXPECT_FALSE(isNumber("1,2,3", de));
    EXPECT_THROW(locale("12,5x", de), RuntimeError);
}

TEST(NumberText, GeneralFormWithFifteenDigitsAndTheLocaleSeparator) {
    EXPECT_EQ(text(800, en), "800");
    EXPECT_EQ(text(12800000, en), "12800000");
    EXPECT_EQ(text(122.6, en), "122.6");
    EXPECT_EQ(text(122.6, de), "122,6");
    EXPECT_EQ(text(980.814814814814814, en), "980.814814814815");
    EXPECT_EQ(text(0.1 + 0.2, en), "0.3");
    EXPECT_EQ(text(-0.0, en), "0");
    EXPECT_EQ(text(123456789012345, en), "123456789012345");
    EXPECT_EQ(text(1e15, en), "1E+15");
    EXPECT_EQ(text(1.5e16, de), "1,5E+16");
    EXPECT_EQ(text(0.0001, en), "0.0001");
    EXPECT_EQ(text(0.00001, en), "1E-05");
    EXPECT_THROW(text(std::numeric_limits<double>::infinity(), en), RuntimeError);
    EXPECT_THROW(text(std::nan(""), en), RuntimeError);
}

TEST(NumberText, RoundTripsThroughTheLocaleReader) {
    for (double x : {0.125, 737.59765625, 1e-7, 9.87654321e20, -42.5}) {
        EXPECT_DOUBLE_EQ(locale(text(x, en), en), x);
        EXPECT_DOUBLE_EQ(locale(text(x, de), de), x);
    }
}

TEST(WholeNumber, HalvesGoToTheEvenNeighbourAndOverflowIsAnError) {
    EXPECT_EQ(whole(2.5), 2);
    EXPECT_EQ(whole(3.5), 4);
    EXPECT_EQ(whole(-2.5), -2);
    EXPECT_EQ(whole(127.5), 128);
    EXPECT_EQ(whole(2.4999), 2);
    EXPECT_EQ(whole(2147483647.0), 2147483647);
    EXPECT_THROW(whole(2147483647.5), RuntimeError);
    EXPECT_THROW(whole(-3e10), RuntimeError);
    EXPECT_THROW(whole(std::nan("")), RuntimeError);
}

TEST(IntAndDivision, FloorAndTheErrorsOfArithmetic) {
    EXPECT_EQ(Int(700.62), 700);
    EXPECT_EQ(Int(-0.5), -1);
    EXPECT_EQ(Int(-0.0), 0);
    EXPECT_THROW(Int(std::numeric_limits<double>::infinity()), RuntimeError);
    EXPECT_EQ(num::div(5868800, 5400), 5868800.0 / 5400);
    try {
        num::div(1, 0);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), RuntimeError::DivisionByZero);
    }
    EXPECT_THROW(num::div(0, 0), RuntimeError);
    EXPECT_THROW(num::div(1e308, 1e-308), RuntimeError);
}

TEST(TextHelpers, BooleansTrimsAndTheFirstComma) {
    EXPECT_TRUE(toBool("True", en));
    EXPECT_FALSE(toBool("false", en));
    EXPECT_TRUE(toBool("1", en));
    EXPECT_FALSE(toBool("0", en));
    EXPECT_THROW(toBool("maybe", en), RuntimeError);
    EXPECT_EQ(trimBlanks("  12 \t"), "12 \t");
    EXPECT_EQ(replaceFirst("1,2,3", ',', '.'), "1.2,3");
}
