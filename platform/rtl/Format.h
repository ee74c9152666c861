// Format: printf-like text from a format string and a list of typed arguments.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/rtl/FormatSettings.h"

namespace rtl {

// One argument of Format. Strings are held by view: the argument list must not
// outlive the strings it was built from (it lives for one Format call).
struct TVarRec {
    enum TKind { vtInteger, vtInt64, vtExtended, vtString, vtChar, vtBoolean, vtPointer };

    TVarRec(int v) : Kind(vtInteger), Int(v) {}
    TVarRec(long v) : Kind(vtInt64), Int(v) {}
    TVarRec(long long v) : Kind(vtInt64), Int(v) {}
    TVarRec(unsigned v) : Kind(vtInt64), Int(v) {}
    TVarRec(unsigned long v) : Kind(vtInt64), Int(static_cast<std::int64_t>(v)) {}
    TVarRec(unsigned long long v) : Kind(vtInt64), Int(static_cast<std::int64_t>(v)) {}
    TVarRec(double v) : Kind(vtExtended), Float(v) {}
    TVarRec(float v) : Kind(vtExtended), Float(v) {}
    TVarRec(long double v) : Kind(vtExtended), Float(static_cast<double>(v)) {}
    TVarRec(const char* v) : Kind(vtString), Str(v ? v : "") {}
    TVarRec(const std::string& v) : Kind(vtString), Str(v) {}
    TVarRec(std::string_view v) : Kind(vtString), Str(v) {}
    TVarRec(char v) : Kind(vtChar), Ch(v) {}
    TVarRec(bool v) : Kind(vtBoolean), Int(v ? 1 : 0) {}
    TVarRec(const void* v) : Kind(vtPointer), Ptr(v) {}

    TKind Kind;
    std::int64_t Int = 0;
    double Float = 0.0;
    std::string_view Str;
    char Ch = 0;
    const void* Ptr = nullptr;
};

// Format specifiers: "%" [index ":"] ["-"] [width] ["." precision] type, where
// index, width and precision are decimal numbers or "*" (taken from the next
// argument, which must be an integer). "%%" writes "%". Types (either case):
//   d  signed integer; precision = least digits, zero-padded after the sign
//   u  unsigned integer (a negative int counts as its 32-bit pattern)
//   x  upper-case hexadecimal; precision = least digits
//   s  string or character; precision = most characters (code points)
//   e  ffExponent, precision significant digits (default 15), 3 exponent digits
//   f  ffFixed, precision decimals (default 2)
//   g  ffGeneral, precision significant digits (default 15), at least 3
//      exponent digits when scientific ("%.3g" of 1234.5 -> "1.23E003")
//   n  ffNumber, precision decimals (default 2)
//   m  ffCurrency, precision decimals (default CurrencyDecimals)
//   p  pointer as 16 hexadecimal digits
// Width pads with blanks on the left, or on the right after "-"; it counts code
// points. An index sets the argument the specifier uses; later specifiers go on
// from there. Float types accept only floating-point arguments, integer types
// only integers, s only strings and characters: anything else, an unknown type or
// an unterminated specifier raises EConvertError
// "Format '%s' invalid or incompatible with argument" (with the whole format);
// a specifier beyond the last argument raises "No argument for format '%s'".
std::string Format(std::string_view format, std::initializer_list<TVarRec> args);
std::string Format(std::string_view format, std::initializer_list<TVarRec> args,
                   const TFormatSettings& settings);
// The same for an argument array built at run time.
std::string FormatArgs(std::string_view format, const TVarRec* args, std::size_t count,
                       const TFormatSettings& settings);

}  // namespace rtl
