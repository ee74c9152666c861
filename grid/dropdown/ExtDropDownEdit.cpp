// The drop-down edit's value, input types, character filter, clipboard and exit formatting.
#include "grid/dropdown/ExtDropDownEdit.h"

#include <algorithm>
#include <cmath>

#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/DropDownRoutines.h"
#include "grid/foundation/ExtUtilTextForms.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Caret.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/StdCtrlsButtons.h"
#include "platform/ui/StyleServices.h"

namespace grid {

namespace {

using ui::TMessage;

std::u32string U32(const std::string& s)
{
    return rtl::Utf8Decode(s);
}

std::string U8(const std::u32string& s)
{
    return rtl::Utf8Encode(s);
}

bool IsDigitChar(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

bool IsAsciiLetter(char32_t c)
{
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

// Converts a number text with the locale's separators; a text that is no number gives 0.
double TextToFloat(const std::string& text)
{
    double value = 0;
    if (!rtl::TryStrToFloat(StripThousandSeparators(text), value)) return 0;
    return value;
}

constexpr char32_t Backspace = 8;
constexpr char32_t Tab = 9;
constexpr char32_t Enter = 13;
constexpr char32_t Escape = 27;

}  // namespace

TExtCustomDropDown::TExtCustomDropDown(rtl::TComponent* AOwner)
    : ui::TMaskEdit(AOwner),
      FDropDownHeader(std::make_unique<THeaderAppearance>(this)),
      FDropDownFooter(std::make_unique<TFooterAppearance>(this)),
      FButtonAppearance(std::make_unique<TExtButtonAppearance>()),
      FLabelFont(std::make_unique<gfx::TFont>())
{
    FLabelFont->OnChange = [this](rtl::TObject*) { UpdateLabel(); };
    FLblFntHeight = FLabelFont->Height();
    SetBounds(Left(), Top(), 200, 21);
    SetText("");
    CreateDropDownForm();
    FButton = new TDropDownEditButton(this, this);
    FButton->SetParent(this);
    Resize();
    ApplySelectionColorStyle(scOffice2007);
    SetComponentStyle(tsOffice2007Luna);
}

TExtCustomDropDown::~TExtCustomDropDown() = default;

void TExtCustomDropDown::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TExtCustomDropDown*>(Source);
    if (src == nullptr) return;
    FFocusDraw = src->FFocusDraw;
    FForceShadow = src->FForceShadow;
    FDropDownEnabled = src->FDropDownEnabled;
    if (FButton != nullptr) FButton->SetEnabled(FDropDownEnabled && Enabled());
    FDropDownColor = src->FDropDownColor;
    FDropDownColorTo = src->FDropDownColorTo;
    FDropDownGradient = src->FDropDownGradient;
    FDropDownBorderColor = src->FDropDownBorderColor;
    FDropDownBorderWidth = src->FDropDownBorderWidth;
    FDropDownShadow = src->FDropDownShadow;
    FDropDownWidth = src->FDropDownWidth;
    FDropDownHeight = src->FDropDownHeight;
    FDropDownSizeable = src->FDropDownSizeable;
    FEditType = src->FEditType;
    FReturnIsTab = src->FReturnIsTab;
    FLengthLimit = src->FLengthLimit;
    FPrecision = src->FPrecision;
    FPrefix = src->FPrefix;
    FSuffix = src->FSuffix;
    FDefaultHandling = src->FDefaultHandling;
    FCanUndo = src->FCanUndo;
    FExcelStyleDecimalSeparator = src->FExcelStyleDecimalSeparator;
    FValidChars = src->FValidChars;
    FSigned = src->FSigned;
    FAutoThousandSeparator = src->FAutoThousandSeparator;
    FButtonAppearance->Assign(src->FButtonAppearance.get());
    FDropDownHeader->Assign(src->FDropDownHeader.get());
    FDropDownFooter->Assign(src->FDropDownFooter.get());
    FDropPosition = src->FDropPosition;
    FFlat = src->FFlat;
    SetDropDownButtonWidth(src->FButtonWidth);
    SetDropDownButtonHint(src->FButtonHint);
    FEditorEnabled = src->FEditorEnabled;
    if (FButton != nullptr && src->FButton != nullptr) {
        FButton->SetGlyph(&src->FButton->Glyph());
        FButton->SetCaption(src->FButton->Caption());
    }
    SetEtched(src->FEtched);
    SetImages(src->FImages);
    FSelectionColorStyle = src->FSelectionColorStyle;
    FSelectionColor = src->FSelectionColor;
    FSelectionColorTo = src->FSelectionColorTo;
}

void TExtCustomDropDown::Resize()
{
    ui::TMaskEdit::Resize();
    AdjustHeight();
}

// The text rectangle is set again on entering: the button or the border may have changed
// while the edit was not laid out.
void TExtCustomDropDown::DoEnter()
{
    ui::TMaskEdit::DoEnter();
    SetEditRect();
}

void TExtCustomDropDown::FontChanged()
{
    ui::TMaskEdit::FontChanged();
    AdjustHeight();
}

// A quarter of the smaller of the system font's and the edit font's text height, plus the
// edit font's text height.
int TExtCustomDropDown::MinimumHeight()
{
    gfx::TBitmap measure(1, 1);
    gfx::TCanvas& c = measure.Canvas();
    const int systemHeight = c.TextHeight("0");
    c.Font().Assign(&Font());
    const int fontHeight = c.TextHeight("0");
    return std::min(systemHeight, fontHeight) / 4 + fontHeight;
}

void TExtCustomDropDown::AdjustHeight()
{
    const int minimum = MinimumHeight();
    if (Height() < minimum && !FGrowing) {
        // The resize comes back here; the guard stops a height the parent refuses from looping.
        FGrowing = true;
        SetBounds(Left(), Top(), Width(), minimum);
        FGrowing = false;
        return;
    }
    if (FButton != nullptr) {
        const int bw = FButton->Width();
        if (BorderThickness() > 0) {
            const int a = 4;
            FButton->SetBounds(Width() - bw - (FFlat ? 3 : a), FFlat ? 2 : 0, bw, Height() - (FFlat ? 3 : a));
        } else {
            FButton->SetBounds(Width() - bw, 1, bw, Height() - 2);
        }
    }
    SetEditRect();
    Invalidate();
}

void TExtCustomDropDown::SetEditRect()
{
    const bool bordered = BorderThickness() > 0;
    const int buttonWidth = FButton != nullptr ? FButton->Width() : 0;
    FEditRect = rtl::Rect(bordered ? 1 : 2, bordered ? 1 : 3, ClientWidth() - buttonWidth - 3, ClientHeight() + 1);
    // Our edits are always drawn with the 3-D look, so the left edge needs no extra pixel.
    SetTextOrigin(FEditRect.Left, FEditRect.Top);
}

void TExtCustomDropDown::SetEmptyText(const std::string& value)
{
    FEmptyText = value;
    Invalidate();
}

void TExtCustomDropDown::SetEmptyTextFocused(bool value)
{
    FEmptyTextFocused = value;
    Invalidate();
}

void TExtCustomDropDown::SetEmptyTextStyle(gfx::TFontStyles value)
{
    FEmptyTextStyle = value;
    Invalidate();
}

void TExtCustomDropDown::Paint()
{
    ui::TMaskEdit::Paint();
    DrawDisabledText();
    DrawEmptyText();
}

void TExtCustomDropDown::DrawEmptyText()
{
    if (FEmptyText.empty() || !GetText().empty() || (Focused() && !FEmptyTextFocused)) return;
    gfx::TCanvas& c = Canvas();
    c.Font().Assign(&Font());
    c.Font().SetStyle(FEmptyTextStyle);
    c.Font().SetColor(0x808080);
    // The hint sits on the edit's colour where the system has the newer locale query; on
    // older systems, and under an application style, it is drawn transparently.
    const ui::TStyleServices& style = ui::StyleServices();
    const bool styled = style.Enabled() && style.Name() != "Windows";
    if (HasLocaleInfoEx() && !styled) {
        c.Brush().SetStyle(gfx::bsSolid);
        c.Brush().SetColor(Color());
    } else {
        c.Brush().SetStyle(gfx::bsClear);
    }
    c.TextOut(3, 2, FEmptyText);
    c.Brush().SetStyle(gfx::bsSolid);
}

int TExtCustomDropDown::TextAreaWidth() const
{
    return FEditRect.Right;
}

// --- value ---

int TExtCustomDropDown::PrefixLength() const
{
    return static_cast<int>(U32(FPrefix).size());
}

std::string TExtCustomDropDown::GetText() const
{
    std::u32string all = U32(WindowText());
    std::u32string prefix = U32(FPrefix);
    if (!prefix.empty() && all.compare(0, prefix.size(), prefix) == 0) all.erase(0, prefix.size());
    std::size_t suffix = U32(FSuffix).size();
    all.resize(all.size() >= suffix ? all.size() - suffix : 0);
    return U8(all);
}

int TExtCustomDropDown::ValueLength() const
{
    return static_cast<int>(U32(GetText()).size());
}

void TExtCustomDropDown::SetText(const std::string& value)
{
    std::string v = value;
    bool numeric = FEditType == etNumeric || FEditType == etFloat || FEditType == etMoney || FEditType == etHex;
    if (v.empty() && numeric) v = "0";
    if (FPrecision > 0 && !v.empty() && v != "Error") {
        std::string spec = "%." + std::to_string(FPrecision);
        if (FEditType == etMoney) v = rtl::Format(spec + "n", {TextToFloat(v)});
        else if (FEditType == etFloat) v = rtl::Format(spec + "f", {TextToFloat(v)});
    }
    if (FEditType == etHex) v = rtl::UpperCase(v);
    ui::TMaskEdit::SetText(FPrefix + v + FSuffix);
    FOldText = v;
    SetModifiedFlag(false);
}

double TExtCustomDropDown::GetFloatValue() const
{
    std::string v = GetText();
    switch (FEditType) {
    case etString: {
        double value = 0;
        return rtl::TryStrToFloat(v, value) ? value : 0;
    }
    case etNumeric:
    case etFloat:
        if (v.empty() || v == "Error" || v == "-") return 0;
        return TextToFloat(v);
    case etMoney:
        v = StripThousandSeparators(v);
        if (!v.empty() && v.back() == DecimalSeparatorChar()) v.pop_back();
        if (v.empty() || v == "-") return 0;
        return TextToFloat(v);
    case etHex: return static_cast<double>(HexToInt(v));
    default: return 0;
    }
}

void TExtCustomDropDown::SetFloatValue(double value)
{
    std::string spec = FPrecision < 0 ? std::string("%g") : "%." + std::to_string(FPrecision);
    switch (FEditType) {
    case etString:
    case etFloat: SetText(rtl::Format(FPrecision < 0 ? spec : spec + "f", {value})); break;
    case etNumeric: SetText(rtl::Format(FPrecision < 0 ? spec : spec + "n", {value})); break;
    case etMoney:
        SetText(rtl::Format(FPrecision < 0 ? spec : spec + "f", {value}));
        FormatMoneyText();
        break;
    case etHex: SetText(rtl::IntToHex(static_cast<long long>(std::trunc(value)), 0)); break;
    default: break;
    }
    SetModifiedFlag(true);
}

void TExtCustomDropDown::SetIntValue(long long value)
{
    switch (FEditType) {
    case etNumeric:
    case etFloat: SetText(std::to_string(value)); break;
    case etMoney:
        SetText(std::to_string(value));
        FormatMoneyText();
        break;
    case etHex: SetText(rtl::IntToHex(value, 0)); break;
    default: break;
    }
    SetModifiedFlag(true);
}

void TExtCustomDropDown::SetEditType(TDropDownEditType value)
{
    if (FEditType == value) return;
    FEditType = value;
    if (value == etPassword) {
        SetPasswordChar(U'*');
        FCanUndo = false;
    } else {
        SetPasswordChar(0);
    }
    TEditNumberClass kind = ClassifyEditNumber(GetText());
    if (value == etNumeric && kind != encInteger) SetIntValue(0);
    if ((value == etFloat || value == etMoney) && kind > encFloat) SetFloatValue(0);
    if (value == etHex && kind != encInteger && kind != encHexadecimal) SetIntValue(0);
}

void TExtCustomDropDown::SetPrecision(int value)
{
    if (FPrecision == value) return;
    if (FEditType != etString && FEditType != etFloat && FEditType != etMoney) return;
    FPrecision = value;
    SetFloatValue(ClassifyEditNumber(GetText()) > encFloat ? 0 : GetFloatValue());
}

void TExtCustomDropDown::SetModifiedFlag(bool value)
{
    if (!FEditorEnabled || ReadOnly()) return;
    SetModified(value);
    FIsModified = value;
}

void TExtCustomDropDown::RefreshModified()
{
    if (Modified()) FIsModified = true;
}

// --- selection ---

void TExtCustomDropDown::SelectAll()
{
    Select(PrefixLength(), PrefixLength() + ValueLength());
}

int TExtCustomDropDown::DecimalSeparatorPos() const
{
    std::u32string v = U32(GetText());
    std::size_t pos = v.find(static_cast<char32_t>(DecimalSeparatorChar()));
    return pos == std::u32string::npos ? 0 : static_cast<int>(pos) + 1;
}

void TExtCustomDropDown::SelectBeforeDecimal()
{
    int ds = DecimalSeparatorPos();
    int caret = PrefixLength() + (ds > 0 ? ds - 1 : 0);
    Select(caret, caret);
}

void TExtCustomDropDown::SelectAfterDecimal()
{
    int ds = DecimalSeparatorPos();
    int caret = PrefixLength() + (ds > 0 ? ds : 0);
    Select(caret, caret);
}

int TExtCustomDropDown::IntegerPartLength() const
{
    std::u32string v = U32(GetText());
    std::size_t pos = v.find(static_cast<char32_t>(DecimalSeparatorChar()));
    return static_cast<int>(pos == std::u32string::npos ? v.size() : pos) + 1;
}

void TExtCustomDropDown::SetWindowChars(const std::u32string& chars, int caret)
{
    ui::TMaskEdit::SetText(U8(chars));
    Select(caret, caret);
}

// --- messages ---

void TExtCustomDropDown::Change()
{
    if (FBlockChange) {
        FBlockChange = false;
        return;
    }
    ui::TMaskEdit::Change();
}

void TExtCustomDropDown::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case ui::WM_CHAR: {
        const auto typed = static_cast<char32_t>(Message.WParam);
        if (typed == Escape && !PassEscapeToParent(Message)) return;
        char32_t ch = FilterChar(typed, static_cast<std::uint32_t>(Message.LParam));
        if (typed == Enter && !PassEnterToParent(Message)) return;
        if (ch == 0) {
            Message.Result = 1;
            return;
        }
        Message.WParam = ch;
        break;
    }
    case ui::WM_SYSKEYDOWN:
        // Alt+Up and Alt+Down arrive as system keys.
        if ((Message.WParam == ui::VK_UP || Message.WParam == ui::VK_DOWN) &&
            FilterKeyDown(static_cast<ui::WORD>(Message.WParam)))
            return;
        break;
    case ui::WM_KEYDOWN: {
        const auto key = static_cast<ui::WORD>(Message.WParam);
        if (!FEditorEnabled && Enabled()) {
            KeyDownNotEditable(Message);
            return;
        }
        if (key == ui::VK_RETURN && FReturnIsTab && !ControlHeld()) {
            // Enter moves on like Tab: the posted Tab reaches the form's dialog keys.
            DoHideDropDown(false);
            if (Visible()) ui::PostMessage(Handle(), ui::WM_KEYDOWN, ui::VK_TAB, 0);
            Message.Result = 1;
            return;
        }
        if (FilterKeyDown(key)) return;
        if (ClipboardKey(key)) return;
        // The key's own handling (a cell editor's key-down among it) runs before an open
        // pop-up closes: Enter keeps the value, Escape restores it.
        ui::TMaskEdit::WndProc(Message);
        if (key == ui::VK_DELETE && FEditType == etMoney) FormatMoneyText();
        if (FDroppedDown && (key == ui::VK_RETURN || key == ui::VK_ESCAPE)) DoHideDropDown(key == ui::VK_ESCAPE);
        return;
    }
    case ui::WM_LBUTTONDBLCLK:
    case ui::WM_LBUTTONDOWN:
        // A click on an edit that cannot be typed in opens its pop-up (with the re-open guard);
        // such an edit takes no double clicks, so a quick second click is a press like the first.
        if (!FEditorEnabled) {
            Message.Msg = ui::WM_LBUTTONDOWN;
            ui::TMaskEdit::WndProc(Message);
            OpenFromButton();
            return;
        }
        // A press inside the selection keeps it until the release.
        if (Message.Msg == ui::WM_LBUTTONDOWN && Focused() && SelLength() > 0) {
            const int at = PosAt(ui::GET_X_LPARAM(Message.LParam), ui::GET_Y_LPARAM(Message.LParam));
            if (at >= SelStart() && at <= SelStart() + SelLength()) {
                FButtonDown = true;
                return;
            }
        }
        break;
    case ui::WM_LBUTTONUP:
        if (FButtonDown) {
            FButtonDown = false;
            const int at = PosAt(ui::GET_X_LPARAM(Message.LParam), ui::GET_Y_LPARAM(Message.LParam));
            Select(at, at);
        }
        ui::TMaskEdit::WndProc(Message);
        KeepSelectionInValue();
        return;
    case ui::WM_PASTE: Paste(); return;
    case ui::WM_COPY: Copy(); return;
    case ui::WM_CUT: Cut(); return;
    case ui::CM_WANTSPECIALKEY: WantSpecialKey(Message); return;
    case ui::CM_MOUSEENTER:
    case ui::CM_MOUSELEAVE:
        if (Enabled()) {
            FMouseInControl = Message.Msg == ui::CM_MOUSEENTER;
            if (PaintsOwnBorder()) Invalidate();
        }
        break;
    case ui::CM_VISIBLECHANGED:
        if (FLabel != nullptr) FLabel->SetVisible(Message.WParam != 0);
        break;
    case ui::CM_BORDERCHANGED:
        // The button and the text rectangle sit inside the border.
        AdjustHeight();
        break;
    case ui::CM_ENABLEDCHANGED:
        if (FLabel != nullptr && !FLabelAlwaysEnabled) FLabel->SetEnabled(Enabled());
        if (FButton != nullptr) FButton->SetEnabled(Enabled() && FDropDownEnabled);
        break;
    case ui::WM_SETFOCUS:
        ui::TMaskEdit::WndProc(Message);
        if (HasState(rtl::csLoading)) return;
        if (!FEditorEnabled) {
            // A pure selector shows no caret; its value is painted highlighted instead.
            ui::HideCaret(Handle());
            Invalidate();
        } else if (AutoSelect()) {
            // The value part only: the platform's select-all would take the prefix and suffix
            // too, and the next typed character would replace them.
            if (ui::GetKeyState(ui::VK_LBUTTON) >= 0) SelectAll();
        } else if (FEditType == etFloat || FEditType == etMoney) {
            SelectBeforeDecimal();
        }
        return;
    case ui::WM_KILLFOCUS:
        ReformatOnExit();
        ui::TMaskEdit::WndProc(Message);
        if (!FEmptyText.empty() && GetText().empty()) Invalidate();  // the hint comes back
        return;
    default: break;
    }
    ui::TMaskEdit::WndProc(Message);
}

// Sound behaviour of AltGr: it reports Ctrl and Alt held together, and a character typed with
// it is an ordinary character, so Ctrl counts as held only without Alt.
bool TExtCustomDropDown::ControlHeld() const
{
    return ui::GetKeyState(ui::VK_CONTROL) < 0 && ui::GetKeyState(ui::VK_MENU) >= 0;
}

bool TExtCustomDropDown::IsAllowedMinus(char32_t ch) const
{
    return FSigned && ch == U'-' && (FEditType == etNumeric || FEditType == etFloat || FEditType == etMoney);
}

char32_t TExtCustomDropDown::FilterChar(char32_t ch, std::uint32_t keyData)
{
    if (!FEditorEnabled) return 0;
    const bool ctrl = ControlHeld();
    const int p = PrefixLength();
    const char32_t ds = static_cast<char32_t>(DecimalSeparatorChar());
    if (!ctrl && SelLength() == ValueLength() && ValueLength() > 0) FBlockChange = true;
    if (ch == Enter) {
        if (!ctrl && OnKeyPress) {
            char32_t copy = Enter;
            OnKeyPress(this, copy);
        }
        return 0;
    }
    // Escape inserts nothing, so it never marks the value modified: with CanUndo the key
    // has just cleared that flag, and the type rules must not set it again.
    if (ch == Escape) return ch;
    if (ctrl && (ch == 3 || ch == 22 || ch == 24)) return ch;
    if (FExcelStyleDecimalSeparator && (ch == U'.' || ch == U',') && (keyData & 0x400000) != 0) ch = ds;
    if (ch == Backspace && p > 0 && SelStart() <= p && SelLength() == 0) return 0;
    if (FLengthLimit > 0 && IntegerPartLength() > FLengthLimit && SelLength() == 0 &&
        SelStart() < DecimalSeparatorPos() && ch != Backspace && ch != ds && !IsAllowedMinus(ch))
        return 0;
    if (ch == Backspace) {
        bool wholeValue = SelLength() > 0 && SelLength() == ValueLength();
        ui::TMessage m{ui::WM_CHAR, Backspace, 0, 0};
        ui::TMaskEdit::WndProc(m);
        if (wholeValue) {
            FBlockChange = false;
            Change();
        }
        RefreshModified();
        return 0;
    }
    if (ch == 10 && ctrl) return 0;
    if (ch == U'-' && !FSigned && (FEditType == etNumeric || FEditType == etFloat || FEditType == etMoney)) {
        RefreshModified();
        return 0;
    }
    return FilterByType(ch);
}

char32_t TExtCustomDropDown::FilterByType(char32_t ch)
{
    const bool basic = ch == Backspace || ch == Tab || ch == Enter;
    auto pass = [&](char32_t c) {
        ui::TMessage m{ui::WM_CHAR, c, 0, 0};
        ui::TMaskEdit::WndProc(m);
        FIsModified = true;
        return char32_t(0);
    };
    switch (FEditType) {
    case etString:
    case etPassword: return pass(ch);
    case etNumeric:
        if (ch == U'-') {
            int p = PrefixLength();
            if (SelLength() > 0 && SelLength() == ValueLength()) {
                SetWindowChars(U32(FPrefix + "-" + FSuffix), p + 1);
                return 0;
            }
            ToggleSign(true);
            return 0;
        }
        if (basic || IsDigitChar(ch) || ControlHeld()) {
            ui::TMessage m{ui::WM_CHAR, ch, 0, 0};
            ui::TMaskEdit::WndProc(m);
            RefreshModified();
        }
        return 0;
    case etFloat: return FilterFloat(ch, false);
    case etMoney: return FilterFloat(ch, true);
    case etUppercase: return pass(U32(rtl::AnsiUpperCase(U8(std::u32string(1, ch))))[0]);
    case etLowerCase: return pass(U32(rtl::AnsiLowerCase(U8(std::u32string(1, ch))))[0]);
    case etMixedCase: {
        pass(ch);
        int caret = SelStart();
        SetWindowChars(U32(FPrefix + CapitalizeName(GetText()) + FSuffix), caret);
        return 0;
    }
    case etRange: {
        if (!(basic || IsDigitChar(ch) || IsSeparatorChar(ch))) return 0;
        if (IsSeparatorChar(ch)) {
            std::u32string all = U32(WindowText());
            int caret = SelStart();
            if (caret <= PrefixLength()) return 0;
            if (caret > 0 && IsSeparatorChar(all[caret - 1])) return 0;
            if (caret < static_cast<int>(all.size()) && IsSeparatorChar(all[caret])) return 0;
        }
        return pass(ch);
    }
    case etHex:
        if (basic || ch == U'-' || IsDigitChar(ch) || (ch >= U'A' && ch <= U'F') || (ch >= U'a' && ch <= U'f'))
            return pass(ch);
        return 0;
    case etAlphaNumeric:
        if (basic || IsDigitChar(ch) || IsAsciiLetter(ch)) return pass(ch);
        return 0;
    case etValidChars:
        if (ch == Backspace || U32(FValidChars).find(ch) != std::u32string::npos) return pass(ch);
        return 0;
    }
    return 0;
}

bool TExtCustomDropDown::ThousandSeparatorMisplaced() const
{
    const char32_t ts = static_cast<char32_t>(ThousandSeparatorChar());
    std::u32string v = U32(GetText());
    int c = SelStart() - PrefixLength();
    int nearest = -1;
    std::size_t pos;
    while ((pos = v.find(ts)) != std::u32string::npos) {
        int p = static_cast<int>(pos) + 1;
        int distance = std::abs(p - c);
        if (distance < 3) return true;
        if (nearest < 0 || distance < nearest) nearest = distance;
        if (p <= c) c -= p;
        v.erase(0, pos + 1);
    }
    return nearest > 3;
}

char32_t TExtCustomDropDown::FilterFloat(char32_t ch, bool money)
{
    const char32_t ds = static_cast<char32_t>(DecimalSeparatorChar());
    const char32_t ts = static_cast<char32_t>(ThousandSeparatorChar());
    const int p = PrefixLength();
    std::u32string value = U32(GetText());
    std::u32string selected = U32(SelText());
    const bool hasDs = value.find(ds) != std::u32string::npos;
    const bool selHasDs = selected.find(ds) != std::u32string::npos;
    const bool basic = ch == Backspace || ch == Tab || ch == Enter;
    if (money) {
        if (ch == ds && (hasDs || FPrecision == 0)) {
            if (FPrecision > 0) {
                if (SelLength() > 0 && SelLength() == ValueLength()) SetText(std::string("0") + char(ds) + "0");
                SelectAfterDecimal();
            }
            return 0;
        }
        if (!(basic || ch == U'-' || IsDigitChar(ch) || ch == ds)) return 0;
    } else {
        if (ch == U',' && ds != U',' && ts != U',') return 0;
        if (ch == U'.' && ds != U'.' && ts != U'.') return 0;
        if (!(basic || ch == U',' || ch == U'-' || ch == U'.' || IsDigitChar(ch))) return 0;
        if (ch == ds && !selHasDs && (hasDs || FPrecision == 0)) {
            if (FPrecision > 0) SelectAfterDecimal();
            return 0;
        }
        if (ch == U',' && value.find(U',') != std::u32string::npos && selected.find(U',') == std::u32string::npos &&
            ts != U',')
            return 0;
    }
    if ((ch == ts || ch == ds) && ts != 0 && value.find(ts) != std::u32string::npos && ThousandSeparatorMisplaced())
        return 0;
    int c = SelStart() - p;
    int dsIndex = DecimalSeparatorPos();  // 1-based, 0 = none
    bool fractionFull = FPrecision > 0 && dsIndex > 0 && c >= dsIndex &&
                        c >= static_cast<int>(value.size()) - FPrecision &&
                        static_cast<int>(value.size()) - dsIndex >= FPrecision;
    if (fractionFull && (IsDigitChar(ch) || ch == ds) && SelLength() == 0) {
        if (IsDigitChar(ch) && c < static_cast<int>(value.size())) {
            Select(SelStart(), SelStart() + 1);
        } else {
            return 0;
        }
    }
    if (SelStart() == 0 && value.empty() && ch == ds) {
        SetWindowChars(std::u32string(U"0") + ds, 2);
        FIsModified = true;
        return 0;
    }
    if (ch != U'-' || SelLength() > 0) {
        ui::TMessage m{ui::WM_CHAR, ch, 0, 0};
        ui::TMaskEdit::WndProc(m);
        RefreshModified();
        std::string now = GetText();
        if (money && !now.empty() && now != "-" && ch != ds) {
            if (Modified()) FIsModified = true;
            FormatMoneyText();
        }
        return 0;
    }
    int saved = FPrecision;
    FPrecision = 0;
    ToggleSign(false);
    FPrecision = saved;
    return 0;
}

void TExtCustomDropDown::ToggleSign(bool numeric)
{
    const int p = PrefixLength();
    const int q = SelStart();
    std::u32string value = U32(GetText());
    if (value.find(U'-') == std::u32string::npos) {
        SetWindowChars(U32(FPrefix) + U"-" + value + U32(FSuffix), q + 1);
        FIsModified = true;
        return;
    }
    value.erase(0, 1);
    SetWindowChars(U32(FPrefix) + value + U32(FSuffix), q > p ? q - 1 : p);
    if (!numeric) FIsModified = true;
    else RefreshModified();
}

void TExtCustomDropDown::FormatMoneyText()
{
    std::u32string value = U32(GetText());
    if (value.empty()) return;
    std::u32string sign;
    if (value[0] == U'-') sign = U"-";
    const char32_t ds = static_cast<char32_t>(DecimalSeparatorChar());
    std::size_t dsPos = value.find(ds);
    std::u32string fraction = dsPos == std::u32string::npos ? std::u32string() : value.substr(dsPos);
    double whole = std::trunc(std::fabs(GetFloatValue()));
    std::u32string integer = U32(rtl::Format(FAutoThousandSeparator ? "%n" : "%f", {whole}));
    std::size_t cut = integer.find(ds);
    if (cut != std::u32string::npos) integer.resize(cut);
    std::u32string newValue = sign + integer + fraction;
    int caret = SelStart() + static_cast<int>(newValue.size()) - static_cast<int>(value.size());
    std::u32string window = U32(FPrefix) + newValue + U32(FSuffix);
    FBlockChange = value != newValue;
    if (U32(WindowText()) != window) ui::TMaskEdit::SetText(U8(window));
    else FBlockChange = false;
    Select(std::max(caret, 0), std::max(caret, 0));
}

// Typing is off, so the edit is a pure selector: Enter, Escape and F4 work the pop-up (unless
// read-only), Tab, Enter and Escape go on to the platform's dialog-key handling, and every
// other key (Delete, arrows, Home, End) is dropped so it cannot change the value or the caret.
void TExtCustomDropDown::KeyDownNotEditable(ui::TMessage& Message)
{
    using namespace ui;
    const auto key = static_cast<WORD>(Message.WParam);
    if ((key == VK_UP || key == VK_DOWN) && GetKeyState(VK_MENU) < 0) {
        if (FDroppedDown) DoHideDropDown(false);
        else DoShowDropDown();
    }
    if (key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE) {
        // The control's own key handling runs first, as on an editable edit: a list-like
        // drop-down takes its hot item on Enter before the pop-up closes.
        ui::TMaskEdit::WndProc(Message);
        if (Message.WParam == 0 || ReadOnly()) return;
        if (key == VK_RETURN) {
            if (FReturnIsTab) {
                if (Visible()) PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
            } else {
                DoHideDropDown(false);
            }
        } else if (key == VK_ESCAPE) {
            DoHideDropDown(true);
        }
        return;
    }
    // Every other key reaches the control's key handling (a picker steps through its values
    // with it) but never the text: the value cannot be typed, deleted or walked through.
    if (DoKeyDown(Message)) {
        Message.Result = 0;
        return;
    }
    if (key == VK_F4 && !ReadOnly()) {
        if (FDroppedDown) DoHideDropDown(false);
        else DoShowDropDown();
    }
    Message.WParam = 0;
    Message.Result = 0;
}

void TExtCustomDropDown::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    if (FEditorEnabled) ui::TMaskEdit::KeyDown(Key, Shift);
    else ui::TCustomControl::KeyDown(Key, Shift);
}

bool TExtCustomDropDown::FilterKeyDown(ui::WORD key)
{
    using namespace ui;
    const int p = PrefixLength();
    const int end = p + ValueLength();
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const int selEnd = SelStart() + SelLength();
    if (key == VK_F4 || ((key == VK_UP || key == VK_DOWN) && GetKeyState(VK_MENU) < 0)) {
        if (FDroppedDown) DoHideDropDown(false);
        else DoShowDropDown();
        return true;
    }
    if (ControlHeld() && key == 'A') {
        SelectAll();
        return true;
    }
    if (!FSuffix.empty() && key == VK_RIGHT && selEnd >= end) return true;
    if (!FSuffix.empty() && key == VK_DELETE) {
        if (selEnd >= end && SelLength() == 0) return true;
        SetModifiedFlag(true);
    }
    if (!FPrefix.empty() && key == VK_LEFT && selEnd <= p) return true;
    if (!FSuffix.empty() && key == VK_END) {
        if (shift) Select(SelStart(), end);
        else Select(end, end);
        return true;
    }
    if (!FPrefix.empty() && key == VK_HOME) {
        if (shift) Select(end, p);
        else Select(p, p);
        return true;
    }
    // Sound behaviour: Backspace is refused only where it would delete part of the prefix,
    // so the caret after the first character of the value still deletes that character.
    if (!FPrefix.empty() && key == VK_BACK) {
        if (SelStart() <= p && SelLength() == 0) return true;
        SetModifiedFlag(true);
    }
    return false;
}

// After a click: a caret or selection inside the prefix selects the whole value; one beyond
// the value's end is pulled back to it, so the suffix is never selected or typed into.
void TExtCustomDropDown::KeepSelectionInValue()
{
    const int p = PrefixLength();
    const int end = p + ValueLength();
    if (!FPrefix.empty() && SelStart() < p) {
        SelectAll();
        return;
    }
    if (FSuffix.empty()) return;
    if (SelLength() == 0 && SelStart() > end) Select(end, end);
    else if (SelStart() + SelLength() > end) Select(SelStart(), end);
}

bool TExtCustomDropDown::ClipboardKey(ui::WORD key)
{
    using namespace ui;
    const bool ctrl = ControlHeld();
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    UINT message = 0;
    if (ctrl && key == 'C') message = WM_COPY;
    else if (ctrl && key == 'X') message = WM_CUT;
    else if (ctrl && key == 'V') message = WM_PASTE;
    else if (ctrl && key == VK_INSERT) message = WM_COPY;
    else if (shift && key == VK_DELETE) message = WM_CUT;
    else if (shift && key == VK_INSERT) message = WM_PASTE;
    if (message == 0) return false;
    // Through the messages, so that the type checks and the veto events see every paste.
    Perform(message, 0, 0);
    return true;
}

std::string TExtCustomDropDown::SelectedValuePart() const
{
    const std::u32string value = U32(GetText());
    const int start = std::clamp(SelStart() - PrefixLength(), 0, static_cast<int>(value.size()));
    return U8(value.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(std::max(0, SelLength()))));
}

void TExtCustomDropDown::Copy()
{
    if (OnClipboardCopy && !FBlockCopy) {
        bool allow = true;
        OnClipboardCopy(this, SelectedValuePart(), allow);
        if (!allow) return;
    }
    ui::TMaskEdit::CopyToClipboard();
}

void TExtCustomDropDown::Cut()
{
    if (!FEditorEnabled || ReadOnly()) return;
    FBlockCopy = true;
    bool allow = true;
    if (OnClipboardCut) OnClipboardCut(this, SelectedValuePart(), allow);
    if (allow) ui::TMaskEdit::CutToClipboard();
    FBlockCopy = false;
}

void TExtCustomDropDown::Paste()
{
    if (ReadOnly()) return;
    if (!ui::Clipboard().HasFormat(ui::CF_TEXT)) return;
    const std::u32string t = U32(ui::Clipboard().AsText());
    const int p = PrefixLength();
    std::u32string value = U32(GetText());
    int start = std::clamp(SelStart() - p, 0, static_cast<int>(value.size()));
    int length = std::min(SelLength(), static_cast<int>(value.size()) - start);
    std::u32string n = value.substr(0, start) + t + value.substr(start + length);
    const bool hadSelection = SelLength() > 0;
    const std::string N = U8(n);
    bool allow = true;
    if (OnClipboardPaste) OnClipboardPaste(this, N, allow);
    if (!allow) return;
    if (MaxLength() > 0 && static_cast<int>(t.size() + value.size()) - SelLength() > MaxLength()) return;
    const bool hasMinus = n.find(U'-') != std::u32string::npos;
    switch (FEditType) {
    case etString:
    case etPassword: SetText(N); break;
    case etNumeric:
        if (ClassifyEditNumber(N) != encInteger || (!FSigned && hasMinus)) return;
        SetText(N);
        FIsModified = true;
        break;
    case etFloat:
    case etMoney:
        if (ClassifyEditNumber(N) > encFloat) return;
        if (FPrecision == 0 && t.find(static_cast<char32_t>(DecimalSeparatorChar())) != std::u32string::npos) return;
        if (!FSigned && hasMinus) return;
        SetText(N);
        SetFloatValue(GetFloatValue());
        FIsModified = true;
        break;
    case etUppercase: SetText(rtl::AnsiUpperCase(N)); break;
    case etLowerCase: SetText(rtl::AnsiLowerCase(N)); break;
    case etMixedCase: SetText(CapitalizeName(N)); break;
    case etAlphaNumeric:
        if (!std::all_of(n.begin(), n.end(), [](char32_t c) { return IsDigitChar(c) || IsAsciiLetter(c); })) return;
        SetText(N);
        FIsModified = true;
        break;
    case etValidChars: {
        std::u32string valid = U32(FValidChars);
        if (!std::all_of(n.begin(), n.end(), [&](char32_t c) { return valid.find(c) != std::u32string::npos; }))
            return;
        SetText(N);
        FIsModified = true;
        break;
    }
    case etRange:
    case etHex: return;
    }
    if (FEditType == etMoney && ValueLength() > 3) {
        SelectAll();
    } else if (hadSelection) {
        Select(p + start, p + start + static_cast<int>(t.size()));
    } else {
        int caret = p + start + static_cast<int>(t.size());
        Select(caret, caret);
    }
    if (FEditType == etString || FEditType == etUppercase || FEditType == etMixedCase || FEditType == etLowerCase ||
        FEditType == etPassword)
        FIsModified = true;
}

void TExtCustomDropDown::ReformatOnExit()
{
    const bool empty = GetText().empty();
    const bool floating = FEditType == etFloat || FEditType == etMoney;
    if (FPrecision > 0 && floating && (!empty || !FAllowNumericNullValue)) {
        bool modified = FIsModified;
        SetFloatValue(GetFloatValue());
        SetModifiedFlag(modified);
    }
    if (FEditType == etNumeric && empty && !FAllowNumericNullValue) SetText(std::to_string(EmptyNumericValue()));
    if (floating && empty && !FAllowNumericNullValue) SetFloatValue(0);
}

}  // namespace grid
