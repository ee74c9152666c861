// Spreadsheet-style number formats: a value and a format such as "#,##0.00;[Red]-#,##0.00" to display text.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "platform/gfx/Color.h"
#include "platform/rtl/FormatSettings.h"

namespace grid {

// --- The value to format -------------------------------------------------------

// Kinds of value the evaluator tells apart. Integer, float, currency and date
// kinds are numbers; the string kind is text; the unsigned and short kinds are
// shown as their plain text whatever the format.
enum class TVarType : std::uint8_t {
    varEmpty,
    varNull,
    varSmallint,
    varInteger,
    varSingle,
    varDouble,
    varCurrency,
    varDate,
    varBoolean,
    varShortInt,
    varByte,
    varWord,
    varLongWord,
    varInt64,
    varUInt64,
    varString,
};

// A tagged value as cells and callers hand it over: a number of one of the
// kinds above, a Boolean, a text, or nothing.
class TXlsVariant {
public:
    TXlsVariant() = default;  // varEmpty
    TXlsVariant(double value) : FType(TVarType::varDouble), FFloat(value) {}
    TXlsVariant(int value) : FType(TVarType::varInteger), FInt(value) {}
    TXlsVariant(long value) : FType(TVarType::varInt64), FInt(value) {}
    TXlsVariant(long long value) : FType(TVarType::varInt64), FInt(value) {}
    TXlsVariant(bool value) : FType(TVarType::varBoolean), FInt(value ? 1 : 0) {}
    TXlsVariant(std::string value) : FType(TVarType::varString), FText(std::move(value)) {}
    TXlsVariant(const char* value) : FType(TVarType::varString), FText(value) {}

    static TXlsVariant Null();
    static TXlsVariant Date(double value);      // a TDateTime
    static TXlsVariant Currency(double value);  // kept to four decimals
    static TXlsVariant Single(float value);
    // An integer of one of the integer kinds (varSmallint … varUInt64); an
    // unsigned kind keeps the bits of `value` as unsigned.
    static TXlsVariant Integer(TVarType type, long long value);

    TVarType Type() const { return FType; }
    bool IsNumeric() const;
    // The value as a double (0 for empty, null and text).
    double AsDouble() const;
    const std::string& Text() const { return FText; }
    // The value's plain text in the current locale settings: numbers as
    // FloatToStr / IntToStr, dates as DateTimeToStr, Booleans "True"/"False",
    // empty and null "".
    std::string PlainText() const;

private:
    TVarType FType = TVarType::varEmpty;
    double FFloat = 0.0;
    long long FInt = 0;
    std::string FText;
};

// --- Section conditions --------------------------------------------------------

// What a section's condition ("[>100]", "[<=0]" …) says about the minus sign and
// whether it held for the value being formatted.
struct TResultCondition {
    bool SupressNeg = false;      // values of this section are shown without minus sign
    bool SupressNegComp = false;  // values sent on because this condition failed, likewise
    bool Complement = false;      // the condition did not hold for the value
    bool Assigned = false;        // the section has a condition
};

// One condition per section; a format has at most four sections.
using TResultConditionArray = std::array<TResultCondition, 4>;

TResultCondition BuildResultCondition(bool supressNeg, bool supressNegComp, bool complement,
                                      bool assigned);

// Parses a number written with "." as decimal separator whatever the locale
// (blanks around it allowed); true when the whole text is a number.
bool ParseFloatNeutral(const std::string& text, double& value);

// --- Formatting ----------------------------------------------------------------

// Text of a value shown through a format with up to four sections
// (positive;negative;zero;text), each optionally led by a colour ("[Red]") and
// a condition ("[>=100]"). Numbers: 0 # ? , . % E+ placeholders, literals,
// date and time letters, elapsed "[h]" "[m]" "[s]". Texts: "@" and literals.
// A number no section applies to gives "###################"; a date that
// cannot be shown gives "##"; a section holding characters that are no format
// characters shows the value's plain text.

// The 1900 date system and the evaluator's own settings; the colour and the
// date and time flags are dropped.
void ApplyXlsFormat(const TXlsVariant& value, const std::string& format, std::string& text);

// The full form. `date1904` counts dates from 1 January 1904. `settings` (may be
// null for the evaluator's own) gives the long date and time formats of the
// whole-section codes "[$-F800]" and "[$-F400]". `color` is set only when the
// chosen section names one of the eight colours; `hasDate` and `hasTime` tell
// whether date or time parts were formatted.
void ApplyXlsFormatEx(const TXlsVariant& value, const std::string& format, bool date1904,
                      const rtl::TFormatSettings* settings, std::string& text, gfx::TColor& color,
                      bool& hasDate, bool& hasTime);
void ApplyXlsFormatEx(const TXlsVariant& value, const std::string& format, bool date1904,
                      const rtl::TFormatSettings* settings, std::string& text, gfx::TColor& color);

}  // namespace grid
