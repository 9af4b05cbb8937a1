#pragma once

#include <QChar>
#include <QString>
#include <QtGlobal>

namespace quorvel {

// Numbers in cells. All arithmetic of the program is carried in x87 extended
// precision; faults (invalid operation, division by zero, overflow) raise Error
// with fixed messages at the operation itself.
using Extended = long double;
static_assert(__LDBL_MANT_DIG__ == 64, "Extended must be the x87 80-bit format");

// Process-wide decimal separator used by ParseNumber and FormatNumber.
QChar decimalSeparator();
void setDecimalSeparator(QChar separator);
// Reads the separator from the user's regional settings ("." when none is given).
void readRegionalNumberSettings();

Extended ParseNumber(const QString &text);
QString FormatNumber(Extended value);
QString FormatInteger(qint32 value);

qint64 RoundHalfEven(Extended value);
Extended RoundHalfUp(Extended value);
Extended RoundUp(Extended value);

// Checked arithmetic: each raises the fault messages of the program.
Extended Add(Extended a, Extended b);
Extended Sub(Extended a, Extended b);
Extended Mul(Extended a, Extended b);
Extended Div(Extended a, Extended b);
Extended Power(Extended x, Extended y); // y not a whole number
Extended SquareRoot(Extended x);
Extended Abs(Extended x);
// Rounds to double precision for storing in a double field; overflow faults.
double StoreDouble(Extended value);

namespace FaultMessage {
inline const char *const invalidOperation = "Invalid floating point operation";
inline const char *const divisionByZero = "Floating point division by zero";
inline const char *const overflow = "Floating point overflow";
}

} // namespace quorvel
