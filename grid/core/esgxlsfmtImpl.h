// Internals shared by the number-format evaluator's files: section split and choice, section rendering.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "grid/core/esgxlsfmt.h"

namespace grid::xlsfmt {

// Text shown when no section applies to a number.
inline constexpr std::string_view kNoSectionText = "###################";
// Text shown when a date or time cannot be formatted.
inline constexpr std::string_view kBadDateText = "##";

// A format split into its sections, with the condition each one holds.
struct TXlsSections {
    std::array<std::string_view, 4> Text{};
    TResultConditionArray Conditions{};
    int Count = 0;
};

// Splits `format` at ";" outside quotes, escapes and brackets into at most four
// sections (the rest after a fourth ";" is ignored) and evaluates each
// section's condition for `x`.
TXlsSections SplitXlsSections(std::string_view format, double x);

// The section that shows `x`, or -1 when none applies; `suppressNeg` tells
// whether the value is shown without its minus sign.
int ChooseXlsSection(const TXlsSections& sections, double x, bool& suppressNeg);

// What rendering a section produced besides its text.
struct TXlsRenderResult {
    std::string Text;
    gfx::TColor* Color = nullptr;  // set when the section names a colour
    bool HasDate = false;
    bool HasTime = false;
};

// Renders a number section for `value` (dates counted from 1904 when `date1904`).
void RenderNumberSection(std::string_view section, double value, bool suppressNeg, bool date1904,
                         TXlsRenderResult& out);

// Renders a text section: "@" is the text, brackets are skipped, literals kept.
void RenderTextSection(std::string_view section, const std::string& value, TXlsRenderResult& out);

// When `section` starts with one of the eight colour names in brackets, sets
// `color` and answers the position after the "]"; otherwise answers 0.
std::size_t ReadColorTag(std::string_view section, gfx::TColor* color);

// The evaluator's own settings record for date and time parts, made once from
// the platform defaults.
const rtl::TFormatSettings& XlsDateSettings();

// True when `s` holds `upperWord` (written in upper case) in any case of ASCII letters.
bool ContainsNoCase(std::string_view s, std::string_view upperWord);

// True when `value` is a date and time the platform's date text can show
// (years 1 to 9999, finite).
bool IsDisplayableDateTime(double value);

}  // namespace grid::xlsfmt
