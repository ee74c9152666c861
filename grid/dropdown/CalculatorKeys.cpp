// The calculator's keyboard: operator keys and digits typed into the edit with the pop-up
// closed, and the keys typed while the pop-up is open.
#include "grid/dropdown/ButtonPanel.h"
#include "grid/dropdown/DropDownRoutines.h"
#include "grid/dropdown/ExtCalculatorDropdown.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Messages.h"

namespace grid {

namespace {

constexpr char32_t Backspace = 8;
constexpr char32_t Enter = 13;
constexpr char32_t Escape = 27;

bool IsDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

int OperatorOf(char32_t c)
{
    switch (c) {
    case U'+': return 0;
    case U'*': return 1;
    case U'-': return 2;
    case U'/': return 3;
    default: return -1;
    }
}

}  // namespace

void TExtCalculatorDropdown::PlaceCaretAfterFirst()
{
    SetSelStart(static_cast<int>(rtl::Utf8Length(Prefix())) + 1);
    SetSelLength(0);
}

// The display a digit starts anew: "Error", or a zero as the text setter shows it ("0", or
// "0.00" with Precision 2) with the caret in its whole part, so that a typed fraction such as
// 0.05 goes on into the decimals.
bool TExtCalculatorDropdown::ShowsZeroAtCaret() const
{
    const std::string display = GetText();
    if (display == "Error") return true;
    if (display.empty() || display.find_first_of("-123456789") != std::string::npos) return false;
    if (display.find_first_not_of(std::string("0") + DecimalSeparatorChar() + ThousandSeparatorChar()) != std::string::npos)
        return false;
    const std::size_t ds = display.find(DecimalSeparatorChar());
    const int caret = SelStart() - static_cast<int>(rtl::Utf8Length(Prefix()));
    return ds == std::string::npos || caret <= static_cast<int>(ds);
}

void TExtCalculatorDropdown::WndProc(ui::TMessage& Message)
{
    if (Message.Msg == ui::WM_CHAR) {
        auto key = static_cast<char32_t>(Message.WParam);
        CalcKeyPress(key);
        if (key == 0) {
            Message.Result = 1;
            return;
        }
        Message.WParam = key;
    }
    TExtCustomDropDown::WndProc(Message);
    if (Message.Msg == ui::WM_KEYDOWN && Message.WParam == ui::VK_DELETE &&
        (GetText().empty() || GetText() == "Error"))
        SetText("0");
}

// The operator keys work only while the pop-up is closed: with it open they come through the
// pop-up's own key handling.
void TExtCalculatorDropdown::ClosedKeyPress(char32_t& Key)
{
    if (Key == Enter || Key == U'=') {
        Equals();
    } else if (Key == U'%') {
        Percent();
    } else if (OperatorOf(Key) >= 0) {
        Operate(OperatorOf(Key));
        // Sound behaviour: the subtraction key does not go on to change the sign of the result
        // it has just shown (5 - = would compute 5 - (-5)).
        if (Key == U'-') Key = 0;
    } else if (Key == U'C' || Key == U'c') {
        SetText("0");
        FNewval = true;
        FPrevop = -1;
    }
}

void TExtCalculatorDropdown::CalcKeyPress(char32_t& Key)
{
    if (!DroppedDown()) ClosedKeyPress(Key);
    const char32_t ds = static_cast<char32_t>(DecimalSeparatorChar());
    if (!(IsDigit(Key) || Key == ds || Key == Backspace || Key == U'-')) {
        Key = 0;
        return;
    }
    const std::string display = GetText();
    if ((ShowsZeroAtCaret() || FNewval) && IsDigit(Key)) {
        SetText(rtl::Utf8Encode(std::u32string(1, Key)));
        PlaceCaretAfterFirst();
        FNewval = false;
        Key = 0;
        return;
    }
    if (rtl::Utf8Length(display) == 1 && Key == Backspace) {
        SetText("0");
        PlaceCaretAfterFirst();
        Key = 0;
        return;
    }
    if (Key == static_cast<char32_t>(ThousandSeparatorChar())) Key = 0;
    // A decimal separator typed where the display has one goes on to the edit, which inserts
    // no second one and moves the caret behind the one there.
}

void TExtCalculatorDropdown::DropDownControlKeyPress(char32_t& key)
{
    // Backspace did its work when its key went down.
    if (key == Backspace) return;
    const char32_t typed = key;
    Perform(ui::WM_CHAR, typed, 0);
    BeforeCalcInput();
    OpenKeyPress(typed);
}

void TExtCalculatorDropdown::OpenKeyPress(char32_t key)
{
    const char ds = DecimalSeparatorChar();
    if (key == static_cast<char32_t>(ds) && GetText().find(ds) == std::string::npos) SetText(GetText() + ds);
    if (IsDigit(key) && DisplayFull()) return;
    if (key == Enter) {
        Equals();
        HideDropDown(false);
    } else if (key == Escape) {
        HideDropDown(true);
    } else if (key == U'%') {
        Percent();
    } else if (OperatorOf(key) >= 0) {
        Operate(OperatorOf(key));
    } else if (IsDigit(key)) {
        if (GetText() == "0" || FNewval) FNewval = false;
    } else if (key == U'=') {
        Equals();
    } else if (key == U'C' || key == U'c') {
        SetText("0");
        FPrevval = 0;
        FNewval = true;
        FPrevop = -1;
    }
}

void TExtCalculatorDropdown::DropDownControlKeyDown(ui::WORD& key, ui::TShiftState shift)
{
    // Enter and Escape act through their characters, and Tab only closes the pop-up.
    if (key != ui::VK_RETURN && key != ui::VK_ESCAPE && key != ui::VK_TAB)
        TExtCustomDropDown::DropDownControlKeyDown(key, shift);
    if (key == ui::VK_TAB || key == ui::VK_F4) {
        HideDropDown(false);
    } else if (key == ui::VK_BACK) {
        // The number written without padding less its last character: the display itself
        // ends in the zeros of Precision, which the text setter would only write back.
        std::u32string number = rtl::Utf8Decode(GetText() == "Error" ? std::string() : rtl::FloatToStr(GetFloatValue()));
        if (!number.empty()) number.pop_back();
        if (!number.empty() && number.back() == static_cast<char32_t>(DecimalSeparatorChar())) number.pop_back();
        const std::string rest = rtl::Utf8Encode(number);
        SetText(rest.empty() || rest == "-" ? "0" : rest);
    }
}

}  // namespace grid
