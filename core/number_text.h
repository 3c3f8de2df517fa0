// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Amounts, stakes and odds live as the text the player sees; these two
// functions are the only bridge between that text and arithmetic.
#include <optional>
#include <string>
#include <string_view>

namespace furlox {

// Reads a decimal number: optional blanks, an optional sign, digits with at
// most one decimal point (at least one digit), optional blanks. Anything else
// (empty text, letters, exponents, thousands separators) is not a number.
// A value too large for a double reads as +/-infinity, a value too small as 0.
std::optional<double> readNumber(std::string_view text);

// Writes a number as its shortest plain decimal text, rounded to at most 15
// significant digits: no exponent, no trailing zeros, no "-0". Values beyond
// the largest double (infinity included) are written as the largest amount
// of their sign and NaN as 0, so a text written here always reads back.
std::string writeNumber(double value);

// The text as a language that writes `mark` for the decimal point shows it
// ("42.5" becomes "42,5" for a comma), or back: the point and the mark trade
// places, so the record keeps one form, every text makes the round trip
// unchanged, and a point typed where the language wants a comma is still no
// number. A mark of '.' leaves the text as it is.
std::string swapDecimalMark(std::string_view text, char mark);

}  // namespace furlox
