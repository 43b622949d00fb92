#pragma once

#include <QChar>
#include <QString>
#include <QtGlobal>

// The number rules every field of the program goes through. All quantities live as text; these
// functions are the only way text becomes a number and back.
namespace forms {

// The user's number format: only the decimal separator matters.
struct NumberLocale {
    QChar decimal = QLatin1Char('.');
    static NumberLocale point() { return {QLatin1Char('.')}; }
    static NumberLocale comma() { return {QLatin1Char(',')}; }
};

namespace num {

// The number at the start of a text: leading blanks skipped, optional sign, digits and at most one
// "." (never a comma); stops at the first other character; 0 when there is none.
double leading(const QString& text);

// True when the whole text (surrounding blanks aside) is a number in the user's locale: optional
// sign, digits with at most one locale decimal separator, optional exponent. Digit-group
// separators in the whole part are passed over ("1,000" is 1000 with a decimal point).
bool isNumber(const QString& text, const NumberLocale& loc);

// The whole text read as a number in the user's locale; throws RuntimeError (type mismatch) when it
// is not a number.
double locale(const QString& text, const NumberLocale& loc);

// General decimal form: at most 15 significant digits, no grouping, the locale's separator, an
// exponent form ("1.5E+16", "1E-05") for very large or very small magnitudes. Throws on NaN/inf.
QString text(double x, const NumberLocale& loc);

// The same number written for a reader that expects a point whatever the locale.
inline QString pointText(double x) {
    return text(x, NumberLocale::point());
}

// Round to nearest, halves to even, into a 32-bit whole number; throws (overflow) outside its
// range.
qint64 whole(double x);

// The largest integer not above x; throws (overflow) when x is not finite.
double Int(double x);

// a / b, throwing division by zero (or overflow for a non-finite result) as the program expects.
double div(double a, double b);

// Throws overflow when x is NaN or infinite; returns x otherwise.
double finite(double x);

// A text read as a yes/no value: "True"/"False" (any case) or a number (non-zero is yes); throws
// (type mismatch) otherwise.
bool toBool(const QString& text, const NumberLocale& loc);

// The text without leading and trailing blanks (spaces only, as the fields trim them).
QString trimBlanks(const QString& text);

// The text with its first occurrence of `from` replaced by `to`.
QString replaceFirst(const QString& text, QChar from, QChar to);

}  // namespace num
}  // namespace forms
