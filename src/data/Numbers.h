#pragma once

#include <QString>
#include <QStringView>

// Numbers are kept as text on screen and in the profile files. They are read
// with the leading-number rule and written back in plain decimal form.

// The longest leading decimal number of the text (blanks before it are
// skipped; an optional sign, digits, an optional fraction). 0 when there is none;
// a number beyond a double's range reads as the largest double of its sign.
double leadingNumber(QStringView text);

// Whether the text starts with a number by that rule: blanks, a sign, then a
// digit or a point and a digit. "待定" and "v3.3" don't.
bool startsWithNumber(QStringView text);

// Plain decimal text of a number, as "%.15g" writes it: 52, 46.5, -3.
QString plainNumber(double value);

// Rounds half to even, as a whole number.
int roundHalfEven(double value);
