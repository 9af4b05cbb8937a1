#pragma once

#include <QChar>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace quorvel {

// Numbers in cells. All arithmetic of the program is carried in x87 extended
// precision; faults (invalid operation, division by zero, overflow) raise Error
// with fixed messages at the operation itself.
using Extended = long double;
static_assert(__LDBL_MANT_DIG__ == 64, "Extended must be the x87 80-bit format");

// Process-wide decimal separator used by parseNumber and formatNumber.
QChar decimalSeparator();
void setDecimalSeparator(QChar separator);
// Reads the separator from the user's regional settings ("." when none is given).
void readRegionalNumberSettings();

Extended parseNumber(const QString &text);
// The finite number a text holds, or nothing when parseNumber refuses it or it is
// not finite: for reading catalog and result cells that may hold anything.
std::optional<Extended> finiteNumber(const QString &text);
QString formatNumber(Extended value);
QString formatInteger(qint32 value);

qint64 roundHalfEven(Extended value);
Extended roundHalfUp(Extended value);
Extended roundUp(Extended value);

// Checked arithmetic: each raises the fault messages of the program.
namespace checked {
Extended add(Extended a, Extended b);
Extended subtract(Extended a, Extended b);
Extended multiply(Extended a, Extended b);
Extended divide(Extended a, Extended b);
Extended power(Extended x, Extended y); // y not a whole number
Extended squareRoot(Extended x);
Extended absolute(Extended x);
// Rounds to double precision for storing in a double field; overflow faults.
double toDouble(Extended value);
} // namespace checked

namespace FaultMessage {
inline const char *const context = "quorvel::Numbers";
inline const char *const invalidOperation = QT_TRANSLATE_NOOP("quorvel::Numbers", "Invalid floating point operation");
inline const char *const divisionByZero = QT_TRANSLATE_NOOP("quorvel::Numbers", "Floating point division by zero");
inline const char *const overflow = QT_TRANSLATE_NOOP("quorvel::Numbers", "Floating point overflow");
}

} // namespace quorvel
