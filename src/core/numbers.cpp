#include "numbers.h"

#include "error.h"

#include <QLocale>

#include <array>
#include <cfenv>
#include <cmath>
#include <optional>
#include <cstdio>
#include <cstdlib>

namespace quorvel {

namespace {

QChar regionalDecimalSeparator()
{
    const QString symbol = QLocale::system().decimalPoint();
    return symbol.isEmpty() ? QChar(u'.') : symbol.at(0);
}

QChar &separator()
{
    static QChar current = regionalDecimalSeparator();
    return current;
}

// Each checked operation starts with the fault flags clear, operates, and tests them, so a
// fault is reported by the operation that caused it. Underflow and inexact stay
// silent. The library is built with -frounding-math, which keeps the compiler from
// folding or moving the operation away from the flag calls.
void raiseFaults()
{
    const int flags = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    if (flags & FE_INVALID)
        throw Error(TranslatableText::of(FaultMessage::context, FaultMessage::invalidOperation));
    if (flags & FE_DIVBYZERO)
        throw Error(TranslatableText::of(FaultMessage::context, FaultMessage::divisionByZero));
    if (flags & FE_OVERFLOW)
        throw Error(TranslatableText::of(FaultMessage::context, FaultMessage::overflow));
}

template <typename Operation>
Extended checkedOperation(Operation operation)
{
    // Only the three fault flags are tested, so they are cleared only when one is
    // set: testing is cheap, clearing rewrites the whole x87 environment.
    if (std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW))
        std::feclearexcept(FE_ALL_EXCEPT);
    const Extended result = operation();
    raiseFaults();
    return result;
}

[[noreturn]] void conversionError(const QString &text)
{
    throw Error(translatable("quorvel::Numbers", "'%1' is not a valid floating point value").arg(text));
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Largest power of ten the extended format holds is 10^4932; a division by a
// larger power is split so that tiny values come out subnormal instead of 0.
constexpr int largestSafePowerOfTen = 4000;

// 10^exponent (0 or more), correctly rounded, so that every system's build reads a number
// the same: powl is that accurate in glibc but not in MinGW-w64's library. Up to 10^27
// the powers are exact products; larger ones are read as the text "1E<exponent>",
// which both C libraries convert correctly rounded.
Extended powerOfTen(int exponent)
{
    static const auto exact = [] {
        std::array<Extended, 28> powers{};
        powers[0] = 1;
        for (size_t i = 1; i < powers.size(); ++i)
            powers[i] = powers[i - 1] * 10;
        return powers;
    }();
    if (size_t(exponent) < exact.size())
        return exact[size_t(exponent)];
    char text[16];
    std::snprintf(text, sizeof text, "1E%d", exponent);
    return std::strtold(text, nullptr);
}

Extended scaleByPowerOfTen(Extended value, int exponent)
{
    if (value == 0 || exponent == 0)
        return value;
    if (exponent > 0)
        return value * powerOfTen(exponent);
    int remaining = -exponent;
    while (remaining > largestSafePowerOfTen) {
        value /= powerOfTen(largestSafePowerOfTen);
        remaining -= largestSafePowerOfTen;
    }
    return value / powerOfTen(remaining);
}

} // namespace

QChar decimalSeparator()
{
    return separator();
}

void setDecimalSeparator(QChar sep)
{
    separator() = sep;
}

void readRegionalNumberSettings()
{
    separator() = regionalDecimalSeparator();
}

Extended parseNumber(const QString &text)
{
    const qsizetype length = text.size();
    qsizetype i = 0;
    while (i < length && text[i] == u' ')
        ++i;

    bool negative = false;
    if (i < length && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }

    // All mantissa digits form one integer; the fraction digits lower the exponent.
    Extended value = 0;
    int fractionDigits = 0;
    bool mantissaTaken = false;
    while (i < length && isDigit(text[i])) {
        value = value * 10 + (text[i].unicode() - u'0');
        mantissaTaken = true;
        ++i;
    }
    if (i < length && text[i] == separator()) {
        mantissaTaken = true;
        ++i;
        while (i < length && isDigit(text[i])) {
            value = value * 10 + (text[i].unicode() - u'0');
            ++fractionDigits;
            ++i;
        }
    }
    if (!mantissaTaken)
        conversionError(text);

    int exponent = 0;
    if (i < length && (text[i] == u'E' || text[i] == u'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < length && (text[i] == u'+' || text[i] == u'-')) {
            negativeExponent = text[i] == u'-';
            ++i;
        }
        // Reading stops right after the digit that brings the exponent to 500 or more.
        while (i < length && isDigit(text[i]) && exponent < 500) {
            exponent = exponent * 10 + (text[i].unicode() - u'0');
            ++i;
        }
        if (negativeExponent)
            exponent = -exponent;
    }

    while (i < length && text[i] == u' ')
        ++i;
    if (i != length)
        conversionError(text);

    // No fault is raised while converting: a value beyond the extended range is a
    // conversion error, a value below it becomes subnormal or 0.
    if (std::isinf(value))
        conversionError(text);
    value = scaleByPowerOfTen(value, exponent - fractionDigits);
    if (std::isinf(value))
        conversionError(text);
    return negative ? -value : value;
}

namespace {

// Most shown values are whole or in hundredths (flows, heads, hours, counts). When the
// value lies within a hair of n/100 with n of at most 13 digits, its 15 significant
// digits are those of n/100, which are written directly; the general path below prints
// 18 digits and rounds them, which costs several times more.
std::optional<QString> formatHundredths(Extended value)
{
    if (!(std::fabs(value) < 1e11L))
        return std::nullopt;
    const Extended scaled = value * 100;
    const Extended n = nearbyintl(scaled);
    if (!(std::fabs(n) < 1e13L) || std::fabs(scaled - n) > 1e-17L * std::fabs(n))
        return std::nullopt;
    const qint64 hundredths = qint64(std::fabs(n));
    const qint64 whole = hundredths / 100;
    const int fraction = int(hundredths % 100);
    QString out;
    if (n < 0)
        out += u'-';
    out += QString::number(whole);
    if (fraction != 0) {
        out += separator();
        out += QChar(u'0' + fraction / 10);
        if (fraction % 10 != 0)
            out += QChar(u'0' + fraction % 10);
    }
    return out;
}

} // namespace

QString formatNumber(Extended value)
{
    if (value == 0)
        return QStringLiteral("0");
    if (const std::optional<QString> text = formatHundredths(value))
        return *text;
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

    // 18 correctly rounded significant digits: "d.ddddddddddddddddde[+-]x".
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", value);
    const char *p = buffer;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    QByteArray digits;
    for (; *p != 'e'; ++p) {
        if (*p != '.')
            digits.append(*p);
    }
    int exponent = std::atoi(p + 1) + 1; // |value| = 0.d1d2... x 10^exponent

    // 15 significant digits, half up on the 16th.
    const bool roundUp = digits[15] >= '5';
    digits.truncate(15);
    if (roundUp) {
        int k = 14;
        while (k >= 0 && digits[k] == '9') {
            digits[k] = '0';
            --k;
        }
        if (k >= 0) {
            ++digits[k];
        } else {
            digits = "1";
            ++exponent;
        }
    }
    while (digits.size() > 1 && digits.endsWith('0'))
        digits.chop(1);

    const QString sep(separator());
    QString out;
    if (negative)
        out += u'-';
    if (exponent >= -3 && exponent <= 15) {
        if (exponent <= 0) {
            out += u'0' + sep + QString(-exponent, u'0') + QString::fromLatin1(digits);
        } else if (digits.size() <= exponent) {
            out += QString::fromLatin1(digits) + QString(exponent - digits.size(), u'0');
        } else {
            out += QString::fromLatin1(digits.left(exponent)) + sep
                   + QString::fromLatin1(digits.mid(exponent));
        }
    } else {
        out += QChar::fromLatin1(digits[0]);
        if (digits.size() > 1)
            out += sep + QString::fromLatin1(digits.mid(1));
        out += u'E' + QString::number(exponent - 1);
    }
    return out;
}

QString formatInteger(qint32 value)
{
    return QString::number(value);
}

qint64 roundHalfEven(Extended value)
{
    // The current rounding mode is to nearest, ties to even, for the whole run.
    const Extended rounded = nearbyintl(value);
    // Both bounds are exact in the 64-bit significand; NaN fails the test too.
    if (!(rounded >= -9223372036854775808.0L && rounded <= 9223372036854775807.0L))
        throw Error(TranslatableText::of(FaultMessage::context, FaultMessage::invalidOperation));
    return static_cast<qint64>(rounded);
}

Extended roundHalfUp(Extended value)
{
    const Extended whole = truncl(value);
    const Extended fraction = value - whole;
    return whole + truncl(2 * fraction);
}

Extended roundUp(Extended value)
{
    const Extended whole = truncl(value);
    const Extended fraction = value - whole;
    const Extended sign = fraction > 0 ? 1 : fraction < 0 ? -1 : 0;
    return whole + sign;
}

namespace checked {

Extended add(Extended a, Extended b)
{
    return checkedOperation([=] { return a + b; });
}

Extended subtract(Extended a, Extended b)
{
    return checkedOperation([=] { return a - b; });
}

Extended multiply(Extended a, Extended b)
{
    return checkedOperation([=] { return a * b; });
}

Extended divide(Extended a, Extended b)
{
    return checkedOperation([=] { return a / b; });
}

Extended power(Extended x, Extended y)
{
    if (x == 0)
        return x;
    if (x < 0)
        throw Error(TranslatableText::of(FaultMessage::context, FaultMessage::invalidOperation));
    const Extended result = checkedOperation([=] { return expl(y * logl(x)); });
    // MinGW-w64's expl returns infinity without raising the overflow flag.
    if (std::isinf(result))
        throw Error(TranslatableText::of(FaultMessage::context, FaultMessage::overflow));
    return result;
}

Extended squareRoot(Extended x)
{
    // Stated rather than left to the flag, which MinGW-w64's sqrtl does not raise.
    if (x < 0)
        throw Error(TranslatableText::of(FaultMessage::context, FaultMessage::invalidOperation));
    return checkedOperation([=] { return sqrtl(x); });
}

Extended absolute(Extended x)
{
    return checkedOperation([=] { return fabsl(x); });
}

double toDouble(Extended value)
{
    return static_cast<double>(checkedOperation([=] { return static_cast<Extended>(static_cast<double>(value)); }));
}

} // namespace checked

std::optional<Extended> finiteNumber(const QString &text)
{
    try {
        const Extended value = parseNumber(text);
        if (std::isfinite(value))
            return value;
    } catch (const Error &) {
    }
    return std::nullopt;
}

} // namespace quorvel
