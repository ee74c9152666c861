// Number text: float formatting and patterns, integer text, parsing, rounding.
#pragma once

#include <cstdint>
#include <string>

#include "platform/rtl/FormatSettings.h"

namespace rtl {

// Layouts of FloatToStrF.
//  ffGeneral:  shortest of fixed and scientific; `precision` significant digits,
//              trailing zeros dropped; scientific when the integer part needs more
//              than `precision` digits or the value is below 0.0001 ("1E20",
//              "1.5E-7"); `digits` (0..4) is the least number of exponent digits.
//  ffExponent: "d.dddE+xxx": `precision` significant digits, exponent with sign and
//              at least `digits` (0..4) digits ("1.2346E+003").
//  ffFixed:    `digits` (0..18) decimals after rounding to `precision` significant
//              digits; digits beyond the precision are written as zeros
//              (212.345, 4, 2 -> "212.30"); when the integer part needs more than
//              `precision` digits the value is written as ffExponent with three
//              exponent digits (123456, 4, 2 -> "1.235E+005").
//  ffNumber:   ffFixed with thousand separators.
//  ffCurrency: ffNumber placed with CurrencyString per CurrencyFormat/NegCurrFormat.
// Precision is capped at 15 (the significant digits of a double); below 1 it is 1.
// Rounding is half away from zero on the exact decimal value of the double:
// 0.125 -> "0.13", but 2.675 -> "2.67" since the double is 2.67499999...
// A value that rounds to zero loses its minus sign (-0.004, 2 decimals -> "0.00").
// NaN, +infinity and -infinity give "NAN", "INF" and "-INF".
enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits);
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& settings);

// ffGeneral with 15 significant digits: 0.1 -> "0.1", 1e20 -> "1E20".
std::string FloatToStr(double value);
std::string FloatToStr(double value, const TFormatSettings& settings);

// Pattern formatting. Up to three sections "positive;negative;zero"; a missing or
// empty negative section uses the first with a leading minus, a value that rounds
// to zero uses the zero section when there is one. In a section:
//   0  digit, or "0" when the value has none there      #  digit or nothing
//   .  decimal separator (written only when decimals follow)
//   ,  thousand separators in the integer part (anywhere in the section)
//   E+ E- e+ e-  scientific form; the "0"s after it give the least exponent digits
//   "..." '...'  literal text; any other character is written as it stands.
// A section without digit placeholders writes only its literal text.
// An empty pattern formats as FloatToStr.
std::string FormatFloat(const std::string& format, double value);
std::string FormatFloat(const std::string& format, double value, const TFormatSettings& settings);

// Decimal text of an integer.
std::string IntToStr(int value);
std::string IntToStr(long value);
std::string IntToStr(long long value);
std::string IntToStr(unsigned value);
std::string IntToStr(unsigned long value);
std::string IntToStr(unsigned long long value);

// Upper-case hexadecimal with at least `digits` digits. Negative values are
// written in two's complement of their type's width (int -1 -> "FFFFFFFF").
std::string IntToHex(int value, int digits);
std::string IntToHex(long value, int digits);
std::string IntToHex(long long value, int digits);
std::string IntToHex(unsigned value, int digits);
std::string IntToHex(unsigned long value, int digits);
std::string IntToHex(unsigned long long value, int digits);

// Integer text: leading blanks, an optional sign, decimal digits or hexadecimal
// after "$", "0x" or "0X". Nothing may follow. Out of range or malformed text
// raises EConvertError "'%s' is not a valid integer value". Hexadecimal text may
// use the full width of the type ("$FFFFFFFF" is -1 for StrToInt).
int StrToInt(const std::string& text);
std::int64_t StrToInt64(const std::string& text);
bool TryStrToInt(const std::string& text, int& value);
bool TryStrToInt64(const std::string& text, std::int64_t& value);
int StrToIntDef(const std::string& text, int defaultValue);
std::int64_t StrToInt64Def(const std::string& text, std::int64_t defaultValue);

// Float text: blanks around it, an optional sign, digits with at most one decimal
// separator of the settings (".5" and "5." are numbers), an optional exponent
// "e"/"E" with optional sign and at least one digit. Thousand separators are not
// accepted. Converted to the nearest double. Malformed text or a value beyond
// the double range raises EConvertError "'%s' is not a valid floating point value";
// a value too small for a double is 0.
double StrToFloat(const std::string& text);
double StrToFloat(const std::string& text, const TFormatSettings& settings);
bool TryStrToFloat(const std::string& text, double& value);
bool TryStrToFloat(const std::string& text, double& value, const TFormatSettings& settings);
double StrToFloatDef(const std::string& text, double defaultValue);
double StrToFloatDef(const std::string& text, double defaultValue, const TFormatSettings& settings);

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// NaN, infinities and values beyond the 64-bit range raise EMathError
// "Invalid floating point operation".
std::int64_t Round(double value);
// Integer part, towards zero; the same range check as Round.
std::int64_t Trunc(double value);

// --- Building blocks shared with Format and the date routines -------------

// A double rounded to decimal digits: value = 0.D1D2... x 10^Exponent.
// Digits holds no trailing zeros; an empty Digits is zero (Exponent 0,
// Negative false). Special is 0 for a finite value, 1 for NaN, 2 for infinity.
struct TFloatRec {
    std::string Digits;
    int Exponent = 0;
    bool Negative = false;
    int Special = 0;
};

// Rounds `value` half away from zero on its exact decimal expansion to at most
// `precision` (1..17) significant digits and at most `decimals` digits after the
// decimal point (a large `decimals`, such as 9999, means no such limit).
TFloatRec FloatToDecimal(double value, int precision, int decimals);

}  // namespace rtl
