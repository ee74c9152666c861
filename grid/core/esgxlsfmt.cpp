// Number-format evaluator entry points: the value kinds, whole-section date codes, and number and text paths.
#include "grid/core/esgxlsfmt.h"

#include <cmath>
#include <limits>

#include "grid/core/esgxlsfmtImpl.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StrUtils.h"

namespace grid {

// --- TXlsVariant -------------------------------------------------------------------

TXlsVariant TXlsVariant::Null() {
    TXlsVariant v;
    v.FType = TVarType::varNull;
    return v;
}

TXlsVariant TXlsVariant::Date(double value) {
    TXlsVariant v(value);
    v.FType = TVarType::varDate;
    return v;
}

TXlsVariant TXlsVariant::Currency(double value) {
    TXlsVariant v(std::round(value * 10000.0) / 10000.0);
    v.FType = TVarType::varCurrency;
    return v;
}

TXlsVariant TXlsVariant::Single(float value) {
    TXlsVariant v(static_cast<double>(value));
    v.FType = TVarType::varSingle;
    return v;
}

TXlsVariant TXlsVariant::Integer(TVarType type, long long value) {
    TXlsVariant v;
    v.FType = type;
    // Keep the value in the range of its kind, as a variant of that kind holds it.
    switch (type) {
        case TVarType::varSmallint: value = static_cast<std::int16_t>(value); break;
        case TVarType::varInteger: value = static_cast<std::int32_t>(value); break;
        case TVarType::varShortInt: value = static_cast<std::int8_t>(value); break;
        case TVarType::varByte: value = static_cast<std::uint8_t>(value); break;
        case TVarType::varWord: value = static_cast<std::uint16_t>(value); break;
        case TVarType::varLongWord: value = static_cast<std::uint32_t>(value); break;
        case TVarType::varInt64:
        case TVarType::varUInt64: break;
        default: v.FType = TVarType::varInt64; break;
    }
    v.FInt = value;
    return v;
}

bool TXlsVariant::IsNumeric() const {
    switch (FType) {
        case TVarType::varEmpty:
        case TVarType::varNull:
        case TVarType::varString:
        case TVarType::varBoolean: return false;
        default: return true;
    }
}

double TXlsVariant::AsDouble() const {
    switch (FType) {
        case TVarType::varSingle:
        case TVarType::varDouble:
        case TVarType::varCurrency:
        case TVarType::varDate: return FFloat;
        case TVarType::varUInt64: return static_cast<double>(static_cast<unsigned long long>(FInt));
        case TVarType::varEmpty:
        case TVarType::varNull:
        case TVarType::varString: return 0.0;
        default: return static_cast<double>(FInt);
    }
}

std::string TXlsVariant::PlainText() const {
    switch (FType) {
        case TVarType::varEmpty:
        case TVarType::varNull: return std::string();
        case TVarType::varString: return FText;
        case TVarType::varBoolean: return FInt != 0 ? "True" : "False";
        case TVarType::varSingle: return rtl::FloatToStrF(FFloat, rtl::ffGeneral, 7, 0, rtl::FormatSettings);
        case TVarType::varDouble:
        case TVarType::varCurrency: return rtl::FloatToStr(FFloat, rtl::FormatSettings);
        case TVarType::varDate: return rtl::DateTimeToStr(FFloat, rtl::FormatSettings);
        case TVarType::varUInt64: return rtl::IntToStr(static_cast<unsigned long long>(FInt));
        default: return rtl::IntToStr(FInt);
    }
}

// --- Conditions and neutral numbers ----------------------------------------------

TResultCondition BuildResultCondition(bool supressNeg, bool supressNegComp, bool complement,
                                      bool assigned) {
    TResultCondition c;
    c.SupressNeg = supressNeg;
    c.SupressNegComp = supressNegComp;
    c.Complement = complement;
    c.Assigned = assigned;
    return c;
}

bool ParseFloatNeutral(const std::string& text, double& value) {
    static const rtl::TFormatSettings neutral = [] {
        rtl::TFormatSettings fs = rtl::DefaultFormatSettings();
        fs.DecimalSeparator = '.';
        fs.ThousandSeparator = ',';
        return fs;
    }();
    return rtl::TryStrToFloat(text, value, neutral);
}

namespace xlsfmt {

const rtl::TFormatSettings& XlsDateSettings() {
    static const rtl::TFormatSettings settings = [] {
        rtl::TFormatSettings fs = rtl::DefaultFormatSettings();
        if (fs.TimeAMString.empty()) fs.TimeAMString = "AM";
        if (fs.TimePMString.empty()) fs.TimePMString = "PM";
        return fs;
    }();
    return settings;
}

}  // namespace xlsfmt

// --- Formatting ----------------------------------------------------------------

namespace {

using xlsfmt::TXlsRenderResult;
using xlsfmt::TXlsSections;

bool IsNumericPath(TVarType type) {
    switch (type) {
        case TVarType::varSmallint:
        case TVarType::varInteger:
        case TVarType::varSingle:
        case TVarType::varDouble:
        case TVarType::varCurrency:
        case TVarType::varByte:
        case TVarType::varInt64:
        case TVarType::varDate: return true;
        default: return false;
    }
}

// "[$-F800]" shows the whole value as a long date, "[$-F400]" as a long time,
// in the formats of the given settings.
bool FormatWholeSectionDate(std::string_view section, double x, bool date1904,
                            const rtl::TFormatSettings& settings, TXlsRenderResult& out) {
    if (section.find("[$-") == std::string_view::npos) return false;
    const bool longDate = xlsfmt::ContainsNoCase(section, "[$-F800]");
    const bool longTime = !longDate && xlsfmt::ContainsNoCase(section, "[$-F400]");
    if (!longDate && !longTime) return false;
    const double dt = date1904 ? x + 1462 : x;
    const std::string& pattern = longDate ? settings.LongDateFormat : settings.LongTimeFormat;
    if (xlsfmt::IsDisplayableDateTime(dt))
        out.Text = rtl::FormatDateTime(pattern, dt, rtl::FormatSettings);
    else
        out.Text = xlsfmt::kBadDateText;
    (longDate ? out.HasDate : out.HasTime) = true;
    return true;
}

void FormatNumber(const TXlsVariant& value, const std::string& format, bool date1904,
                  const rtl::TFormatSettings& settings, TXlsRenderResult& out) {
    const double x = value.AsDouble();
    const TXlsSections sections = xlsfmt::SplitXlsSections(format, x);
    bool suppressNeg = false;
    const int chosen = xlsfmt::ChooseXlsSection(sections, x, suppressNeg);
    if (chosen < 0) {
        out.Text = xlsfmt::kNoSectionText;
        return;
    }
    const std::string_view section = sections.Text[static_cast<std::size_t>(chosen)];
    if (FormatWholeSectionDate(section, x, date1904, settings, out)) return;
    if (value.Type() == TVarType::varDate && x < 0) {
        out.Text = xlsfmt::kNoSectionText;
        return;
    }
    xlsfmt::RenderNumberSection(section, x, suppressNeg, date1904, out);
}

// True when a section is nothing but an optional colour and "General".
bool IsGeneralSection(std::string_view section, gfx::TColor* color) {
    gfx::TColor found = gfx::clNone;
    const std::size_t rest = xlsfmt::ReadColorTag(section, &found);
    if (rest == 0) return false;
    const std::string_view tail = section.substr(rest);
    if (!tail.empty() && !rtl::SameText(tail, "General")) return false;
    if (color != nullptr) *color = found;
    return true;
}

void FormatText(const std::string& text, const std::string& format, TXlsRenderResult& out) {
    const TXlsSections sections = xlsfmt::SplitXlsSections(format, 0.0);
    if (sections.Count == 4) {
        xlsfmt::RenderTextSection(sections.Text[3], text, out);
        return;
    }
    const std::string_view first = sections.Text[0];
    if (first.find('@') == std::string_view::npos) {
        IsGeneralSection(first, out.Color);
        out.Text = text;
        return;
    }
    xlsfmt::RenderTextSection(first, text, out);
}

}  // namespace

void ApplyXlsFormatEx(const TXlsVariant& value, const std::string& format, bool date1904,
                      const rtl::TFormatSettings* settings, std::string& text, gfx::TColor& color,
                      bool& hasDate, bool& hasTime) {
    hasDate = false;
    hasTime = false;
    text.clear();
    const TVarType type = value.Type();
    if (type == TVarType::varEmpty || type == TVarType::varNull) return;
    if (format.empty()) {
        text = value.PlainText();
        return;
    }
    TXlsRenderResult out;
    out.Color = &color;
    if (IsNumericPath(type)) {
        FormatNumber(value, format, date1904, settings != nullptr ? *settings : xlsfmt::XlsDateSettings(), out);
    } else if (type == TVarType::varString) {
        FormatText(value.Text(), format, out);
    } else if (type == TVarType::varBoolean) {
        out.Text = value.AsDouble() != 0 ? "TRUE" : "FALSE";
    } else {
        out.Text = value.PlainText();
    }
    text = std::move(out.Text);
    hasDate = out.HasDate;
    hasTime = out.HasTime;
}

void ApplyXlsFormatEx(const TXlsVariant& value, const std::string& format, bool date1904,
                      const rtl::TFormatSettings* settings, std::string& text, gfx::TColor& color) {
    bool hasDate = false;
    bool hasTime = false;
    ApplyXlsFormatEx(value, format, date1904, settings, text, color, hasDate, hasTime);
}

void ApplyXlsFormat(const TXlsVariant& value, const std::string& format, std::string& text) {
    gfx::TColor color = gfx::clNone;
    ApplyXlsFormatEx(value, format, false, nullptr, text, color);
}

}  // namespace grid
