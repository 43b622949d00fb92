#include "forms/numbers.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "forms/errors.h"

namespace forms::num {
namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') ||
           c == QLatin1Char('\n');
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// strtod on an ASCII number; magnitudes beyond the double range saturate rather than turn infinite.
double parseAscii(const std::string& s) {
    double v = std::strtod(s.c_str(), nullptr);
    if (std::isinf(v)) return v > 0 ? DBL_MAX : -DBL_MAX;
    return v;
}

// A leading "+" or "-", taken over into `s`.
void takeSign(const QString& text, int& i, int end, std::string& s) {
    if (i < end && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        s += char(text[i++].unicode());
}

// The sign, the digits and one decimal `point` from `i` on, into `s` as ASCII with "." for the
// point; a digit-group separator `group` is passed over in the whole part. Whether any digit came.
bool mantissa(const QString& text, int& i, int end, QChar point, std::optional<QChar> group,
              std::string& s) {
    takeSign(text, i, end, s);
    bool digits = false, pointSeen = false;
    for (; i < end; ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            s += char(c.unicode());
            digits = true;
        } else if (c == point && !pointSeen) {
            s += '.';
            pointSeen = true;
        } else if (!(group && c == *group && digits && !pointSeen)) {
            break;
        }
    }
    return digits;
}

[[noreturn]] void overflow() {
    throw RuntimeError(RuntimeError::Overflow, "Overflow");
}

}  // namespace

double leading(const QString& text) {
    const int n = text.size();
    int i = 0;
    while (i < n && isBlank(text[i]))
        ++i;
    std::string s;
    if (!mantissa(text, i, n, QLatin1Char('.'), std::nullopt, s)) return 0.0;
    const double v = parseAscii(s);
    return v == 0.0 ? 0.0 : v;  // never a negative zero
}

namespace {

// Parses the whole text in the locale; false when it is not a number. Like the system's own
// conversion, digit-group separators (the other one of "." and ",") are passed over in the whole
// part, so "1.067" reads as 1067 where the decimal separator is a comma.
bool parseLocale(const QString& text, const NumberLocale& loc, double* out) {
    const QChar group = loc.decimal == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.');
    const int n = text.size();
    int i = 0, end = n;
    while (i < end && isBlank(text[i]))
        ++i;
    while (end > i && isBlank(text[end - 1]))
        --end;
    std::string s;
    if (!mantissa(text, i, end, loc.decimal, group, s)) return false;
    if (i < end && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        s += 'e';
        ++i;
        takeSign(text, i, end, s);
        bool expDigits = false;
        for (; i < end && isDigit(text[i]); ++i) {
            s += char(text[i].unicode());
            expDigits = true;
        }
        if (!expDigits) return false;
    }
    if (i != end) return false;
    const double v = std::strtod(s.c_str(), nullptr);
    if (!std::isfinite(v)) return false;
    *out = v == 0.0 ? 0.0 : v;
    return true;
}

}  // namespace

bool isNumber(const QString& text, const NumberLocale& loc) {
    double v;
    return parseLocale(text, loc, &v);
}

double locale(const QString& text, const NumberLocale& loc) {
    double v;
    if (!parseLocale(text, loc, &v))
        throw RuntimeError(RuntimeError::TypeMismatch, "Type mismatch");
    return v;
}

QString text(double x, const NumberLocale& loc) {
    if (!std::isfinite(x)) overflow();
    if (x == 0.0) return QStringLiteral("0");
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", x);
    QString s = QString::fromLatin1(buf);
    const int e = s.indexOf(QLatin1Char('e'));
    if (e >= 0) s[e] = QLatin1Char('E');
    if (loc.decimal != QLatin1Char('.')) s.replace(QLatin1Char('.'), loc.decimal);
    return s;
}

qint64 whole(double x) {
    if (!std::isfinite(x)) overflow();
    const double r = std::nearbyint(x);  // the default rounding mode sends halves to even
    if (r < -2147483648.0 || r > 2147483647.0) overflow();
    return static_cast<qint64>(r);
}

double Int(double x) {
    if (!std::isfinite(x)) overflow();
    const double r = std::floor(x);
    return r == 0.0 ? 0.0 : r;
}

double div(double a, double b) {
    if (b == 0.0) {
        if (a == 0.0) overflow();
        throw RuntimeError(RuntimeError::DivisionByZero, "Division by zero");
    }
    return finite(a / b);
}

double finite(double x) {
    if (!std::isfinite(x)) overflow();
    return x;
}

bool toBool(const QString& text, const NumberLocale& loc) {
    const QString t = trimBlanks(text);
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
    return locale(t, loc) != 0.0;
}

QString trimBlanks(const QString& text) {
    int b = 0, e = int(text.size());
    while (b < e && text[b] == QLatin1Char(' '))
        ++b;
    while (e > b && text[e - 1] == QLatin1Char(' '))
        --e;
    return text.mid(b, e - b);
}

QString replaceFirst(const QString& text, QChar from, QChar to) {
    QString r = text;
    const auto i = r.indexOf(from);
    if (i >= 0) r[i] = to;
    return r;
}

}  // namespace forms::num
