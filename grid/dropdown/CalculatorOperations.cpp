// The calculator's state machine: operators, equals, percent, digits, sign, clearing, Back,
// memory, root and reciprocal, as the keypad buttons run them.
#include <cmath>

#include "grid/dropdown/ButtonPanel.h"
#include "grid/dropdown/DropDownRoutines.h"
#include "grid/dropdown/ExtCalculatorDropdown.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"

namespace grid {

namespace {

// Keypad tags.
enum : int {
    tagAdd = 10, tagSubtract = 11, tagMultiply = 12, tagDivide = 13, tagSign = 14, tagDecimal = 15, tagClear = 16,
    tagEquals = 17, tagPercent = 18, tagBlank = 30, tagBack = 31, tagClearEntry = 32, tagMemoryClear = 33,
    tagMemoryRecall = 34, tagMemoryStore = 35, tagMemoryAdd = 36, tagRoot = 37, tagReciprocal = 38
};

// Pending operators.
enum : int { opNone = -1, opAdd = 0, opMultiply = 1, opSubtract = 2, opDivide = 3 };

constexpr const char* ErrorText = "Error";

// Past this divisor further decimal digits lie beyond any shown precision and are not taken.
constexpr int MaxDecimalDivisor = 100000000;

}  // namespace

// Sound behaviour: the display is read as GetFloatValue reads it, so a text that is no number
// counts 0 instead of raising a conversion error from a key press.
long double TExtCalculatorDropdown::DisplayNumber() const
{
    return GetFloatValue();
}

bool TExtCalculatorDropdown::DisplayFull() const
{
    return MaxLength() > 0 && static_cast<int>(rtl::Utf8Length(GetText())) >= MaxLength();
}

void TExtCalculatorDropdown::DoCalc()
{
    if (GetText().empty() || GetText() == ErrorText) SetText("0");
    const long double a = DisplayNumber();
    switch (FPrevop) {
    case opAdd: FPrevval += a; break;
    case opMultiply: FPrevval *= a; break;
    case opSubtract: FPrevval -= a; break;
    case opDivide:
        if (a == 0) {
            FPrevval = 0;
            SetText(ErrorText);
            return;
        }
        FPrevval /= a;
        break;
    default: FPrevval = a; break;
    }
    if (!std::isfinite(FPrevval)) FPrevval = 0;
    SetFloatValue(static_cast<double>(FPrevval));
    FNewval = true;
}

void TExtCalculatorDropdown::Operate(int op)
{
    DoCalc();
    FPrevop = op;
}

void TExtCalculatorDropdown::Equals()
{
    DoCalc();
    if (GetText().empty()) SetText("0");
    FPrevop = opNone;
    if (GetText() != ErrorText) FPrevval = DisplayNumber();
}

void TExtCalculatorDropdown::CalcResult()
{
    Equals();
}

void TExtCalculatorDropdown::Percent()
{
    if (GetText().empty() || GetText() == ErrorText) SetText("0");
    SetText(rtl::Format("%g", {static_cast<double>(FPrevval * DisplayNumber() / 100)}));
}

// Sound behaviour: a digit extends the magnitude of a negative display (after -5 a 3 gives
// -53, and 5 . 2 after -5 gives -5.2), as it does a positive one.
void TExtCalculatorDropdown::Digit(int digit)
{
    long double v = GetFloatValue();
    const bool negative = rtl::Trim(GetText()).starts_with('-');
    if (FNewval || (v == 0 && FDecim == 0)) {
        SetText((negative && !FNewval ? "-" : "") + std::to_string(digit));
        FNewval = false;
        return;
    }
    const long double step = negative ? -digit : digit;
    if (FDecim > 0) {
        if (FDecim > MaxDecimalDivisor) return;
        v += step / FDecim;
        FDecim *= 10;
    } else {
        v = v * 10 + step;
    }
    SetFloatValue(static_cast<double>(v));
}

void TExtCalculatorDropdown::DecimalPoint()
{
    const std::string display = GetText();
    if (display.find(DecimalSeparatorChar()) == std::string::npos) SetText(display + DecimalSeparatorChar());
    FDecim = 10;
    if (FNewval) SetText("0");
    FNewval = false;
}

void TExtCalculatorDropdown::ChangeSign()
{
    const std::string display = GetText();
    if (display.find('-') != std::string::npos) SetText(display.substr(1));
    else SetText("-" + display);
}

void TExtCalculatorDropdown::ClearAll()
{
    SetText("0");
    FPrevval = 0;
    FPrevop = opNone;
    FDecim = 0;
}

void TExtCalculatorDropdown::Back()
{
    if (FPrevop != opNone) return;
    std::u32string text = rtl::Utf8Decode(rtl::FloatToStr(GetFloatValue()));
    if (!text.empty()) text.pop_back();
    if (!text.empty() && text.back() == static_cast<char32_t>(DecimalSeparatorChar())) text.pop_back();
    SetText(rtl::Utf8Encode(text));
}

void TExtCalculatorDropdown::SquareRoot()
{
    const long double v = GetFloatValue();
    if (v < 0) SetText(ErrorText);
    else SetFloatValue(static_cast<double>(std::sqrt(v)));
}

void TExtCalculatorDropdown::Reciprocal()
{
    const long double v = GetFloatValue();
    if (v == 0) SetText(ErrorText);
    else SetFloatValue(static_cast<double>(1 / v));
}

void TExtCalculatorDropdown::ButtonPanelClick(rtl::TObject*, int Index)
{
    if (FExtButtonPanel == nullptr || Index < 0 || Index >= FExtButtonPanel->Buttons().Count()) return;
    BeforeCalcInput();
    const int tag = FExtButtonPanel->Buttons().Items(Index)->Tag();
    if ((tag >= tagAdd && tag <= tagSign) || (tag >= tagClear && tag <= tagPercent)) FDecim = 0;
    // Sound behaviour: a digit that starts a new number replaces the display, so a full
    // display does not stop it (else no operand could follow a result of full length).
    if ((tag <= 9 || tag == tagSign || tag == tagDecimal) && DisplayFull() && !(tag <= 9 && FNewval)) return;
    switch (tag) {
    case tagAdd: Operate(opAdd); break;
    case tagSubtract: Operate(opSubtract); break;
    case tagMultiply: Operate(opMultiply); break;
    case tagDivide: Operate(opDivide); break;
    case tagSign: ChangeSign(); break;
    case tagDecimal: DecimalPoint(); break;
    case tagClear:
    case tagClearEntry:
    case tagBlank: ClearAll(); break;
    case tagEquals: Equals(); break;
    case tagPercent: Percent(); break;
    case tagBack: Back(); break;
    case tagMemoryClear: FMVal = 0; break;
    case tagMemoryRecall: SetFloatValue(static_cast<double>(FMVal)); break;
    case tagMemoryStore: FMVal = DisplayNumber(); break;
    case tagMemoryAdd: FMVal += DisplayNumber(); break;
    case tagRoot: SquareRoot(); break;
    case tagReciprocal: Reciprocal(); break;
    default:
        if (tag >= 0 && tag <= 9) Digit(tag);
        break;
    }
    SetModifiedFlag(true);
}

}  // namespace grid
