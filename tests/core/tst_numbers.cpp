#include "error.h"
#include "numbers.h"

#include <QLocale>
#include <QTest>

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <functional>

using namespace quorvel;

Q_DECLARE_METATYPE(Extended)

namespace {

// Nearest extended value of a decimal text (glibc's strtold rounds correctly).
Extended ext(const char *text)
{
    return std::strtold(text, nullptr);
}

QString show(Extended value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.21Lg", value);
    return QString::fromLatin1(buffer);
}

QString invalidText(const QString &text)
{
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

// Runs the call and returns its error message, or the empty text when it succeeds.
QString errorOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const Error &e) {
        return e.message();
    }
    return {};
}

// "k.d" for k / 10^decimals written with at most `decimals` decimals, no trailing zeros.
QString decimalText(qint64 scaled, int decimals)
{
    qint64 divisor = 1;
    for (int i = 0; i < decimals; ++i)
        divisor *= 10;
    const QString sign = scaled < 0 ? QStringLiteral("-") : QString();
    const qint64 magnitude = std::llabs(scaled);
    QString fraction = QString::number(magnitude % divisor).rightJustified(decimals, u'0');
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    QString text = sign + QString::number(magnitude / divisor);
    if (!fraction.isEmpty())
        text += u'.' + fraction;
    return text;
}

} // namespace

class NumbersTest : public QObject {
    Q_OBJECT

private slots:
    void init() { setDecimalSeparator(u'.'); }

    void parsing_data();
    void parsing();
    void parseNumberTinyAndSigns();

    void formatting_data();
    void formatting();
    void formatFlowPerMinuteLoop();
    void formatHundredthsLoop();
    void formattingIntegers();

    void rounding_data();
    void rounding();
    void roundHalfEvenRange_data();
    void roundHalfEvenRange();
    void roundingUp_data();
    void roundingUp();

    void checkedArithmetic_data();
    void checkedArithmetic();
    void staleFlagsDoNotFault();

    void commaSeparator();
    void regionalSettings();
};

void NumbersTest::parsing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<Extended>("expected");

    auto ok = [](const char *tag, const QString &text, Extended value) {
        QTest::newRow(tag) << text << true << value;
    };
    auto bad = [](const char *tag, const QString &text) {
        QTest::newRow(tag) << text << false << Extended(0);
    };
    ok("plain", "25", 25);
    ok("blanks around", " 25 ", 25);
    ok("negative with blanks", "  -7.5  ", -7.5L);
    ok("plus sign", "+12", 12);
    ok("lower e", "1e3", 1000);
    ok("signed exponent", "1E+3", 1000);
    ok("negative exponent", "1.25E-3", ext("0.00125"));
    ok("fraction only", ".5", 0.5L);
    ok("trailing separator", "12.", 12);
    ok("separator alone", ".", 0);
    ok("minus separator", "-.", 0);
    ok("exponent without digits", "1E", 1);
    ok("exponent sign without digits", "1e-", 1);
    ok("exponent 499", "1E499", ext("1E499"));
    ok("exponent stops at 500", "1E500", ext("1E500"));
    ok("one tenth", "0.1", ext("0.1"));
    ok("zero with huge exponent", "0E4999", 0);
    ok("decimal digits", "154.1", ext("154.1"));

    bad("empty", "");
    bad("one blank", " ");
    bad("sign only", "+");
    bad("minus only", "-");
    bad("thousands separator", "1,000");
    bad("second separator", "1.5.");
    bad("hex", "0x10");
    bad("inner blank", "12 34");
    bad("leading tab", "\t25");
    bad("trailing tab", "25\t");
    bad("exponent only", "E5");
    bad("exponent digit left over", "1E5000");
    bad("beyond extended range", "1E4999");
    bad("just beyond extended range", "2E4932");
    bad("sign after blank", "- 5");
    bad("two signs", "+-5");
    bad("non-ASCII digit", QStringLiteral("\u0661"));
    bad("letter", "25a");
}

void NumbersTest::parsing()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(Extended, expected);

    if (!valid) {
        QCOMPARE(errorOf([&] { parseNumber(text); }), invalidText(text));
        return;
    }
    const Extended value = parseNumber(text);
    QVERIFY2(value == expected, qPrintable(show(value) + " != " + show(expected)));
}

void NumbersTest::parseNumberTinyAndSigns()
{
    // Below the normal range the value becomes subnormal, then 0; never an error.
    const Extended tiny = parseNumber("1E-4940");
    QVERIFY(tiny > 0 && std::fpclassify(tiny) == FP_SUBNORMAL);
    QCOMPARE(parseNumber("1E-4999") == 0, true);
    QVERIFY(std::signbit(parseNumber("-0")));
}

void NumbersTest::formatting_data()
{
    QTest::addColumn<Extended>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("72 / 100 * 60") << checked::multiply(checked::divide(72, 100), 60) << "43.2";
    volatile double tenth = 0.1;
    QTest::newRow("0.1 + 0.1 + 0.1 in double")
        << Extended(tenth + tenth + tenth) << "0.3";
    QTest::newRow("1/3") << checked::divide(1, 3) << "0.333333333333333";
    QTest::newRow("2/3") << checked::divide(2, 3) << "0.666666666666667";
    QTest::newRow("0.0001") << ext("0.0001") << "0.0001";
    QTest::newRow("0.00012") << ext("0.00012") << "0.00012";
    QTest::newRow("0.00001") << ext("0.00001") << "1E-5";
    QTest::newRow("0.000011") << ext("0.000011") << "1.1E-5";
    QTest::newRow("rounds up into fixed") << ext("0.00009999999999999999") << "0.0001";
    QTest::newRow("999999999999999") << Extended(999999999999999) << "999999999999999";
    QTest::newRow("1E14") << ext("1E14") << "100000000000000";
    QTest::newRow("1E15") << ext("1E15") << "1E15";
    QTest::newRow("rounds up into scientific") << ext("999999999999999.9") << "1E15";
    QTest::newRow("1234567890123456") << Extended(1234567890123456) << "1.23456789012346E15";
    QTest::newRow("-1234567890123456") << Extended(-1234567890123456) << "-1.23456789012346E15";
    QTest::newRow("9999999999999999") << Extended(9999999999999999) << "1E16";
    QTest::newRow("-0.5") << Extended(-0.5) << "-0.5";
    QTest::newRow("negative zero") << Extended(-0.0L) << "0";
    QTest::newRow("zero") << Extended(0) << "0";
    QTest::newRow("whole") << Extended(125) << "125";
    QTest::newRow("-1.5E-7") << ext("-1.5E-7") << "-1.5E-7";
    QTest::newRow("1E300") << ext("1E300") << "1E300";
    QTest::newRow("1E-300") << ext("1E-300") << "1E-300";
    QTest::newRow("extended range") << ext("1.5E4000") << "1.5E4000";
    QTest::newRow("double widened") << Extended(0.1) << "0.1";
    // Hundredths are written straight; anything off them takes the general path.
    QTest::newRow("hundredths, 13 digits") << ext("12345678901.23") << "12345678901.23";
    QTest::newRow("hundredths, 14 digits") << ext("123456789012.34") << "123456789012.34";
    QTest::newRow("a hair off a hundredth") << 3.83L + 1e-14L << "3.83000000000001";
    QTest::newRow("a hundredth below 1") << ext("-0.05") << "-0.05";
}

void NumbersTest::formatting()
{
    QFETCH(Extended, value);
    QFETCH(QString, text);
    QCOMPARE(formatNumber(value), text);
}

void NumbersTest::formatFlowPerMinuteLoop()
{
    // Flow rounded to hundredths of a litre per second and shown per minute.
    for (int k = 0; k <= 20000; ++k) {
        const QString text = formatNumber(checked::multiply(checked::divide(k, 100), 60));
        if (text != decimalText(qint64(k) * 6, 1))
            QFAIL(qPrintable(QStringLiteral("k=%1 gives %2").arg(k).arg(text)));
    }
}

void NumbersTest::formatHundredthsLoop()
{
    for (int k = -20000; k <= 20000; ++k) {
        const QString text = formatNumber(checked::divide(k, 100));
        if (text != decimalText(k, 2))
            QFAIL(qPrintable(QStringLiteral("k=%1 gives %2").arg(k).arg(text)));
    }
    QCOMPARE(formatNumber(checked::divide(1, 100)), QStringLiteral("0.01"));
    QCOMPARE(formatNumber(checked::divide(-350, 100)), QStringLiteral("-3.5"));
    QCOMPARE(formatNumber(checked::divide(1200, 100)), QStringLiteral("12"));
}

void NumbersTest::formattingIntegers()
{
    QCOMPARE(formatInteger(0), QStringLiteral("0"));
    QCOMPARE(formatInteger(15), QStringLiteral("15"));
    QCOMPARE(formatInteger(-2147483647 - 1), QStringLiteral("-2147483648"));
    setDecimalSeparator(u',');
    QCOMPARE(formatInteger(1234567), QStringLiteral("1234567"));
}

void NumbersTest::rounding_data()
{
    QTest::addColumn<Extended>("value");
    QTest::addColumn<qint64>("halfEven");
    QTest::addColumn<Extended>("halfUp");

    QTest::newRow("0.5") << Extended(0.5) << qint64(0) << Extended(1);
    QTest::newRow("1.5") << Extended(1.5) << qint64(2) << Extended(2);
    QTest::newRow("2.5") << Extended(2.5) << qint64(2) << Extended(3);
    QTest::newRow("3.5") << Extended(3.5) << qint64(4) << Extended(4);
    QTest::newRow("12.5") << Extended(12.5) << qint64(12) << Extended(13);
    QTest::newRow("12.4999") << ext("12.4999") << qint64(12) << Extended(12);
    QTest::newRow("0.4") << ext("0.4") << qint64(0) << Extended(0);
    QTest::newRow("-2.5") << Extended(-2.5) << qint64(-2) << Extended(-3);
    QTest::newRow("-0.5") << Extended(-0.5) << qint64(0) << Extended(-1);
    QTest::newRow("868.06") << ext("868.0555555555555") << qint64(868) << Extended(868);
}

void NumbersTest::rounding()
{
    QFETCH(Extended, value);
    QFETCH(qint64, halfEven);
    QFETCH(Extended, halfUp);
    QCOMPARE(roundHalfEven(value), halfEven);
    QVERIFY2(roundHalfUp(value) == halfUp, qPrintable(show(roundHalfUp(value))));
}

void NumbersTest::roundHalfEvenRange_data()
{
    QTest::addColumn<Extended>("value");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("largest") << ext("9223372036854775807") << true
                             << std::numeric_limits<qint64>::max();
    QTest::newRow("smallest") << ext("-9223372036854775808") << true
                              << std::numeric_limits<qint64>::min();
    QTest::newRow("half below 2^63 rounds out") << ext("9223372036854775807.5") << false << qint64(0);
    QTest::newRow("2^63") << ext("9223372036854775808") << false << qint64(0);
    QTest::newRow("below -2^63") << ext("-9223372036854775809") << false << qint64(0);
    QTest::newRow("1E300") << ext("1E300") << false << qint64(0);
    QTest::newRow("NaN") << Extended(NAN) << false << qint64(0);
}

void NumbersTest::roundHalfEvenRange()
{
    QFETCH(Extended, value);
    QFETCH(bool, valid);
    QFETCH(qint64, expected);
    if (valid)
        QCOMPARE(roundHalfEven(value), expected);
    else
        QCOMPARE(errorOf([&] { roundHalfEven(value); }),
                 QString::fromLatin1(FaultMessage::invalidOperation));
}

void NumbersTest::roundingUp_data()
{
    QTest::addColumn<Extended>("value");
    QTest::addColumn<Extended>("expected");

    QTest::newRow("2") << Extended(2) << Extended(2);
    QTest::newRow("2.0000001") << ext("2.0000001") << Extended(3);
    QTest::newRow("3.33") << ext("3.33") << Extended(4);
    QTest::newRow("0.07") << ext("0.07") << Extended(1);
    QTest::newRow("0") << Extended(0) << Extended(0);
    QTest::newRow("-0") << Extended(-0.0L) << Extended(0);
    QTest::newRow("-3.2") << ext("-3.2") << Extended(-4);
    QTest::newRow("5000/6/250") << checked::divide(checked::divide(5000, 6), 250) << Extended(4);
}

void NumbersTest::roundingUp()
{
    QFETCH(Extended, value);
    QFETCH(Extended, expected);
    QVERIFY2(roundUp(value) == expected, qPrintable(show(roundUp(value))));
}

void NumbersTest::checkedArithmetic_data()
{
    QTest::addColumn<std::function<Extended()>>("operation");
    QTest::addColumn<QString>("error");
    QTest::addColumn<Extended>("expected");

    using F = std::function<Extended()>;
    const QString invalid = FaultMessage::invalidOperation;
    const QString byZero = FaultMessage::divisionByZero;
    const QString overflow = FaultMessage::overflow;
    const Extended huge = ext("1E4000");
    const Extended top = ext("1.1E4932");

    QTest::newRow("1/0") << F([] { return checked::divide(1, 0); }) << byZero << Extended(0);
    QTest::newRow("-1/0") << F([] { return checked::divide(-1, 0); }) << byZero << Extended(0);
    QTest::newRow("0/0") << F([] { return checked::divide(0, 0); }) << invalid << Extended(0);
    QTest::newRow("mul overflow") << F([=] { return checked::multiply(huge, huge); }) << overflow << Extended(0);
    QTest::newRow("add overflow") << F([=] { return checked::add(top, top); }) << overflow << Extended(0);
    QTest::newRow("sub overflow") << F([=] { return checked::subtract(-top, top); }) << overflow << Extended(0);
    QTest::newRow("div overflow") << F([=] { return checked::divide(huge, 1 / huge); }) << overflow << Extended(0);
    QTest::newRow("sqrt of negative") << F([] { return checked::squareRoot(-1); }) << invalid << Extended(0);
    QTest::newRow("power of negative") << F([] { return checked::power(-1, 1.5L); }) << invalid << Extended(0);
    QTest::newRow("power overflow") << F([=] { return checked::power(huge, 4.87L); }) << overflow << Extended(0);
    QTest::newRow("store beyond double") << F([] { return Extended(checked::toDouble(ext("1E309"))); })
                                         << overflow << Extended(0);
    QTest::newRow("store beyond -double") << F([] { return Extended(checked::toDouble(ext("-1E309"))); })
                                          << overflow << Extended(0);

    QTest::newRow("underflow is silent") << F([] { return checked::multiply(ext("1E-4000"), ext("1E-4000")); })
                                         << QString() << Extended(0);
    QTest::newRow("subnormal store is silent")
        << F([] { return Extended(checked::toDouble(ext("1E-320"))); }) << QString()
        << Extended(double(ext("1E-320")));
    QTest::newRow("inexact is silent") << F([] { return checked::divide(1, 4); }) << QString() << Extended(0.25);
    QTest::newRow("sqrt") << F([] { return checked::squareRoot(ext("31.25")); }) << QString()
                          << sqrtl(ext("31.25"));
    QTest::newRow("sqrt of -0") << F([] { return checked::squareRoot(-0.0L); }) << QString() << Extended(0);
    QTest::newRow("power of 0") << F([] { return checked::power(0, 1.85L); }) << QString() << Extended(0);
    QTest::newRow("power") << F([] { return checked::power(4, 0.5L); }) << QString() << Extended(2);
    QTest::newRow("abs") << F([] { return checked::absolute(-3); }) << QString() << Extended(3);
    QTest::newRow("store rounds to double") << F([] { return Extended(checked::toDouble(ext("0.1"))); })
                                            << QString() << Extended(0.1);
}

void NumbersTest::checkedArithmetic()
{
    QFETCH(std::function<Extended()>, operation);
    QFETCH(QString, error);
    QFETCH(Extended, expected);

    Extended result = 0;
    QCOMPARE(errorOf([&] { result = operation(); }), error);
    if (error.isEmpty()) {
        const Extended tolerance = fabsl(expected) * 1e-18L;
        QVERIFY2(fabsl(result - expected) <= tolerance,
                 qPrintable(show(result) + " != " + show(expected)));
    }
    // After a fault, arithmetic goes on normally.
    QVERIFY(checked::add(1, 2) == 3);
}

void NumbersTest::staleFlagsDoNotFault()
{
    std::feraiseexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
    QVERIFY(checked::multiply(2, 3) == 6);
    QVERIFY(std::signbit(checked::power(-0.0L, 1.85L)));
}

void NumbersTest::commaSeparator()
{
    setDecimalSeparator(u',');
    QVERIFY(parseNumber("25,5") == 25.5L);
    QVERIFY(parseNumber(" -0,25E1 ") == -2.5L);
    QCOMPARE(errorOf([] { parseNumber("25.5"); }), invalidText("25.5"));
    QCOMPARE(formatNumber(25.5L), QStringLiteral("25,5"));
    QCOMPARE(formatNumber(ext("0.00012")), QStringLiteral("0,00012"));
    QCOMPARE(formatNumber(ext("1.5E-5")), QStringLiteral("1,5E-5"));
    QCOMPARE(formatNumber(1E14L), QStringLiteral("100000000000000"));
}

void NumbersTest::regionalSettings()
{
    setDecimalSeparator(u'#');
    readRegionalNumberSettings();
    const QString regional = QLocale::system().decimalPoint();
    QCOMPARE(decimalSeparator(), regional.isEmpty() ? QChar(u'.') : regional.at(0));
}

QTEST_GUILESS_MAIN(NumbersTest)
#include "tst_numbers.moc"
