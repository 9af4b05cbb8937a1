// parseNumber on any text. The first byte chooses the decimal separator ("." or ","),
// the rest is the cell text in UTF-8. Checked against an independent reading of the
// number grammar and against the C library's correctly rounded strtold:
// - a text outside the grammar gives exactly the conversion error;
// - a text inside it gives a finite value, or the conversion error only when the
//   digits or the value lie beyond the extended range;
// - a value in the normal range is within a few units in the last place of strtold;
// - formatNumber of such a value reads back to the same text.
#include "fuzzcheck.h"

#include "error.h"
#include "numbers.h"

#include <cmath>
#include <cstdlib>
#include <optional>

using namespace quorvel;

namespace {

struct Reading {
    bool negative = false;
    QByteArray digits; // every mantissa digit, integer and fraction part
    int fractionDigits = 0;
    int exponent = 0;
};

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The grammar of a number in a cell, read on its own terms.
std::optional<Reading> readGrammar(const QString &text, QChar separator)
{
    Reading r;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto at = [&](qsizetype k) { return k < n ? text[k] : QChar(); };
    while (at(i) == u' ')
        ++i;
    if (at(i) == u'+' || at(i) == u'-')
        r.negative = text[i++] == u'-';
    bool taken = false;
    for (; i < n && isDigit(text[i]); ++i, taken = true)
        r.digits += char(text[i].unicode());
    if (i < n && text[i] == separator) {
        taken = true;
        for (++i; i < n && isDigit(text[i]); ++i, ++r.fractionDigits)
            r.digits += char(text[i].unicode());
    }
    if (!taken)
        return std::nullopt;
    if (at(i) == u'E' || at(i) == u'e') {
        ++i;
        bool negative = false;
        if (at(i) == u'+' || at(i) == u'-')
            negative = text[i++] == u'-';
        for (; i < n && isDigit(text[i]) && r.exponent < 500; ++i)
            r.exponent = r.exponent * 10 + (text[i].unicode() - u'0');
        if (negative)
            r.exponent = -r.exponent;
    }
    while (at(i) == u' ')
        ++i;
    if (i != n)
        return std::nullopt;
    return r;
}

std::optional<Extended> parse(const QString &text)
{
    try {
        return parseNumber(text);
    } catch (const Error &e) {
        const QString expected = QStringLiteral("'%1' is not a valid floating point value").arg(text);
        FUZZ_CHECK(e.message() == expected, "the only error is the conversion error",
                  visible(text) + QStringLiteral(" gave ") + visible(e.message()));
        return std::nullopt;
    }
}

constexpr int largestDecimalExponent = 4932; // extended max is about 1.19E4932

void checkAgainstGrammar(const QString &text, const Reading &r, std::optional<Extended> value)
{
    qsizetype lead = 0;
    while (lead < r.digits.size() && r.digits[lead] == '0')
        ++lead;
    const qsizetype significant = r.digits.size() - lead;
    if (significant == 0) {
        FUZZ_CHECK(value && *value == 0, "all-zero digits read as 0", visible(text));
        return;
    }
    // The digits form one integer first, so that integer alone can overflow; then the
    // value lies in [10^(top - 1), 10^top).
    const qsizetype n = qsizetype(r.exponent) - r.fractionDigits;
    const qsizetype top = significant + n;
    const bool integerOverflows = significant > largestDecimalExponent + 1;
    const bool integerFits = significant <= largestDecimalExponent;
    if (integerOverflows || top - 1 > largestDecimalExponent) {
        FUZZ_CHECK(!value, "a value beyond the extended range is a conversion error", visible(text));
        return;
    }
    if (!integerFits || top > largestDecimalExponent)
        return; // too close to the limit to tell without the arithmetic itself
    FUZZ_CHECK(value.has_value(), "a number within range is accepted", visible(text));
    FUZZ_CHECK(std::isfinite(*value), "a parsed value is finite", visible(text));
    FUZZ_CHECK(std::signbit(*value) == r.negative || *value == 0, "the sign is applied", visible(text));

    if (top < -4900)
        return; // subnormal results lose digits by design
    const QByteArray reference = (r.negative ? "-" : "") + r.digits.mid(lead) + 'e' + QByteArray::number(n);
    const Extended expected = std::strtold(reference.constData(), nullptr);
    const Extended relative = std::fabs((*value - expected) / expected);
    FUZZ_CHECK(relative < 1e-14L, "the value is the number the text denotes",
              visible(text) + QStringLiteral(" relative error ") + QString::number(double(relative)));

    const QString formatted = formatNumber(*value);
    const std::optional<Extended> again = parse(formatted);
    FUZZ_CHECK(again.has_value(), "a formatted number reads back", visible(formatted));
    FUZZ_CHECK(formatNumber(*again) == formatted, "formatting what was read gives the same text",
              visible(formatted) + QStringLiteral(" -> ") + visible(formatNumber(*again)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QChar separator = (data[0] & 1) ? u',' : u'.';
    setDecimalSeparator(separator);
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    const std::optional<Extended> value = parse(text);
    const std::optional<Reading> reading = readGrammar(text, separator);
    if (!reading)
        FUZZ_CHECK(!value, "a text outside the number grammar is a conversion error", visible(text));
    else
        checkAgainstGrammar(text, *reading, value);
    return 0;
}
