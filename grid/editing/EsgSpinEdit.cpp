// The spin edit: value reading and writing per kind, stepping, character filtering, keys, focus and layout.
#include "grid/editing/EsgSpinEdit.h"

#include <algorithm>

#include "grid/editing/GridEditorContract.h"
#include "grid/foundation/ExtUtilNumbers.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Keyboard.h"

namespace grid {

namespace {

template <typename T>
T Limit(T v, T lo, T hi)
{
    if (lo == hi) return v;  // equal limits: none applies
    return std::max(lo, std::min(hi, v));
}

// 1-based position of the first ch at or after the 0-based index from; 0 when none.
int PosFrom(const std::u32string& s, char32_t ch, std::size_t from = 0)
{
    if (ch == 0 || from > s.size()) return 0;
    std::size_t p = s.find(ch, from);
    return p == std::u32string::npos ? 0 : static_cast<int>(p) + 1;
}

bool Has(const std::u32string& s, char32_t ch) { return ch != 0 && s.find(ch) != std::u32string::npos; }

// A year step keeps month and day; 29 February of a year without one becomes the 28th.
double StepYear(double value, int delta)
{
    int y, m, d;
    rtl::DecodeDate(value, y, m, d);
    y += delta;
    d = std::min(d, rtl::DaysInMonth(y, m));
    double frac = value - static_cast<double>(static_cast<long long>(value));
    return rtl::EncodeDate(y, m, d) + frac;
}

}  // namespace

TEsgSpinEdit::TEsgSpinEdit(rtl::TComponent* AOwner) : ui::TMaskEdit(AOwner)
{
    FControlStyle &= ~static_cast<unsigned>(ui::csSetCaption);
    FButton = new TEsgSpinButton(this);
    FButton->SetBounds(0, 0, 15, 17);
    FButton->SetVisible(true);
    FButton->SetParent(this);
    FButton->SetFocusControl(this);
    FButton->OnUpClick = [this](rtl::TObject* Sender) { UpButtonClick(Sender); };
    FButton->OnDownClick = [this](rtl::TObject* Sender) { DownButtonClick(Sender); };
    SetText("0");
    LayoutButton();
}

// The pair is freed by the platform's destruction; the reference goes first so that no
// layout reaches it on the way.
TEsgSpinEdit::~TEsgSpinEdit() { FButton = nullptr; }

// --- value accessors

int TEsgSpinEdit::Value() const
{
    std::string s = rtl::Trim(Text());
    if (s.empty()) return 0;
    int v = 0;
    return rtl::TryStrToInt(s, v) ? v : FMinValue;
}

void TEsgSpinEdit::SetValue(int v)
{
    SetText(rtl::IntToStr(Limit(v, FMinValue, FMaxValue)));
    if (!FEditorEnabled) SelectAll();
}

double TEsgSpinEdit::FloatValue() const
{
    double v = 0;
    return rtl::TryStrToFloat(Text(), v) ? v : static_cast<double>(FMinValue);
}

void TEsgSpinEdit::SetFloatValue(double v)
{
    v = Limit(v, FMinFloatValue, FMaxFloatValue);
    SetText(FPrecision != 0 ? rtl::FloatToStrF(v, rtl::ffFixed, 15, FPrecision) : rtl::FloatToStr(v));
}

double TEsgSpinEdit::DateValue() const
{
    std::string s = Text();
    if (s.empty() || s == "0") return rtl::Now();
    double v = 0;
    return rtl::TryStrToDate(s, v) ? v : FMinDateValue;
}

void TEsgSpinEdit::SetDateValue(double v)
{
    FDateValue = v;
    if (HasState(rtl::csLoading)) return;
    int caret = SelStart();
    SetText(rtl::DateToStr(Limit(v, FMinDateValue, FMaxDateValue)));
    RestoreCaret(caret);
}

double TEsgSpinEdit::TimeValue() const
{
    double v = 0;
    return rtl::TryStrToTime(Text(), v) ? v : 0.0;
}

std::string TEsgSpinEdit::TimeText(double v) const
{
    return FShowSeconds ? rtl::TimeToStr(v) : rtl::FormatDateTime("h:nn", v);
}

void TEsgSpinEdit::SetTimeValue(double v)
{
    FTimeValue = v;
    if (HasState(rtl::csLoading)) return;
    int caret = SelStart();
    SetText(TimeText(Limit(v, FMinDateValue, FMaxDateValue)));
    RestoreCaret(caret);
}

void TEsgSpinEdit::RestoreCaret(int SelStartBefore)
{
    SetSelStart(SelStartBefore);
    SetSelLength(0);
}

void TEsgSpinEdit::SetSpinType(TEsgSpinType v)
{
    FSpinType = v;
    switch (v) {
    case sptNormal: SetValue(Value()); break;
    case sptFloat: SetFloatValue(FloatValue()); break;
    case sptDate: SetDateValue(DateValue()); break;
    case sptTime: SetTimeValue(TimeValue()); break;
    }
}

void TEsgSpinEdit::SetPrecision(int v)
{
    FPrecision = v;
    if (FSpinType == sptFloat) SetFloatValue(FloatValue());
}

void TEsgSpinEdit::Loaded()
{
    ui::TMaskEdit::Loaded();
    if (FSpinType == sptDate) SetText(rtl::DateToStr(FDateValue));
    if (FSpinType == sptTime) SetText(TimeText(FTimeValue));
    SetSpinType(FSpinType);
}

// --- stepping

void TEsgSpinEdit::UpClick(bool Page)
{
    if (ReadOnly()) {
        EditorBeep();
        return;
    }
    switch (FSpinType) {
    case sptNormal: SetValue(Value() + FIncrement); break;
    case sptFloat: SetFloatValue(FloatValue() + (Page ? FIncrementFloatPage : FIncrementFloat)); break;
    case sptDate: StepDate(1); break;
    case sptTime: StepTime(true); break;
    }
}

void TEsgSpinEdit::DownClick(bool Page)
{
    if (ReadOnly()) {
        EditorBeep();
        return;
    }
    switch (FSpinType) {
    case sptNormal: SetValue(Value() - FIncrement); break;
    case sptFloat: SetFloatValue(FloatValue() - (Page ? FIncrementFloatPage : FIncrementFloat)); break;
    case sptDate: StepDate(-1); break;
    case sptTime: StepTime(false); break;
    }
}

// The field under the caret steps: day, month or year, in the order of the short date format.
void TEsgSpinEdit::StepDate(int Delta)
{
    std::string fmt = rtl::UpperCase(rtl::FormatSettings.ShortDateFormat);
    auto pos1 = [&fmt](char ch) {
        std::size_t p = fmt.find(ch);
        return p == std::string::npos ? 0 : static_cast<int>(p) + 1;
    };
    FUsDates = pos1('M') < pos1('D');
    const std::u32string& text = Chars();
    char32_t sep = static_cast<unsigned char>(rtl::FormatSettings.DateSeparator);
    int p1 = PosFrom(text, sep);
    int p2 = p1 > 0 ? PosFrom(text, sep, static_cast<std::size_t>(p1)) : 0;
    int c = SelStart();
    enum { Day, Month, Year } unit;
    if (FUsDates) unit = c < p1 ? Month : c < p2 ? Day : Year;
    else unit = c < p1 ? Day : c < p2 ? Month : Year;
    double d = DateValue();
    switch (unit) {
    case Day: d += Delta; break;
    case Month: d = rtl::IncMonth(d, Delta); break;
    case Year: d = StepYear(d, Delta); break;
    }
    SetDateValue(d);
}

void TEsgSpinEdit::StepTime(bool Up)
{
    const std::u32string& text = Chars();
    char32_t sep = static_cast<unsigned char>(rtl::FormatSettings.TimeSeparator);
    int t1 = PosFrom(text, sep);
    int t2 = t1 > 0 ? PosFrom(text, sep, static_cast<std::size_t>(t1)) : 0;
    int c = SelStart();
    double step;
    if (c < t1) step = rtl::EncodeTime(FIncrementHours, 0, 0, 0);
    else if (FShowSeconds && c >= t2) step = rtl::EncodeTime(0, 0, FIncrementSeconds, 0);
    else step = rtl::EncodeTime(0, FIncrementMinutes, 0, 0);
    if (Up) {
        SetTimeValue(TimeValue() + step);
        return;
    }
    double t = TimeValue() + 1 - step;
    if (t > 1) t -= 1;
    SetTimeValue(t);
}

void TEsgSpinEdit::UpButtonClick(rtl::TObject*) { UpClick(false); }

void TEsgSpinEdit::DownButtonClick(rtl::TObject*) { DownClick(false); }

// --- character filtering

bool TEsgSpinEdit::IsValidChar(char32_t& Key)
{
    const rtl::TFormatSettings& fs = rtl::FormatSettings;
    auto ch = [](char c) { return static_cast<char32_t>(static_cast<unsigned char>(c)); };
    char32_t dec = ch(fs.DecimalSeparator), thou = ch(fs.ThousandSeparator);
    char32_t tsep = ch(fs.TimeSeparator), dsep = ch(fs.DateSeparator);
    auto is = [Key](char32_t sep) { return sep != 0 && Key == sep; };
    if (Key == 8) return FEditorEnabled;

    bool valid = is(dec) || is(thou) || is(tsep) || is(dsep) || IsNumberChar(Key) || Key == U'-' ||
                 (Key < 32 && Key != 13);
    // A separator of another kind: only where it doubles as a number character.
    auto foreignSeparator = [&](char32_t sep, TEsgSpinType own) {
        if (!is(sep) || FSpinType == own) return;
        bool doubles = sep == dec || is(thou) || sep == U'-' || sep == U'+';
        valid = doubles ? valid && (FSpinType == sptNormal || FSpinType == sptFloat) : false;
    };
    foreignSeparator(tsep, sptTime);
    foreignSeparator(dsep, sptDate);

    const std::u32string& text = Chars();
    std::u32string selected = rtl::Utf8Decode(SelText());
    if (Key == U'-') {
        if (!Has(text, U'-')) valid = valid && SelStart() == 0;
        else valid = valid && Has(selected, U'-') && SelStart() == 0;
    }
    if (FSpinType == sptNormal) valid = valid && (IsNumberChar(Key) || Key == U'-');
    if (FSpinType == sptFloat && Key != 27 && Key != 13 && Key != 8) {
        if (is(thou)) valid = false;
        if (is(dec) && Has(text, dec) && !Has(selected, dec)) valid = false;
        int d = PosFrom(text, dec);
        if (FPrecision > 0 && d > 0 && SelStart() >= d && SelLength() == 0 && valid)
            valid = static_cast<int>(text.size()) < d + FPrecision;
    }
    if (FSpinType == sptTime && is(tsep) && std::count(text.begin(), text.end(), tsep) >= 2) valid = false;
    if (valid && !FEditorEnabled) valid = Key < 32 && Key != 8;
    return valid;
}

void TEsgSpinEdit::KeyPress(char32_t& Key)
{
    if (Key != 0 && !IsValidChar(Key)) {
        Key = 0;
        EditorBeep();
    }
    if (Key != 0) ui::TMaskEdit::KeyPress(Key);
}

// --- keys and messages

void TEsgSpinEdit::WndProc(ui::TMessage& Message)
{
    switch (Message.Msg) {
    case ui::WM_KEYDOWN:
        // The stepping keys are taken before any key event sees them.
        switch (Message.WParam) {
        case ui::VK_PRIOR: UpClick(true); break;
        case ui::VK_NEXT: DownClick(true); break;
        case ui::VK_UP: UpButtonClick(this); break;
        case ui::VK_DOWN: DownButtonClick(this); break;
        default: ui::TMaskEdit::WndProc(Message); return;
        }
        Message.Result = 0;
        return;
    case ui::WM_CHAR:
        if (Message.WParam == '.' && FExcelStyleDecimalSeparator && (Message.LParam & 0x00400000) != 0)
            Message.WParam = static_cast<unsigned char>(rtl::FormatSettings.DecimalSeparator);
        break;
    case ui::WM_PASTE:
    case ui::WM_CUT:
        if (!FEditorEnabled || ReadOnly()) return;
        break;
    default:
        break;
    }
    ui::TMaskEdit::WndProc(Message);
}

void TEsgSpinEdit::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    using namespace ui;
    if (Key == VK_RETURN && FReturnIsTab) {
        Key = VK_TAB;
        PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
    }
    if (Key == VK_DELETE && !FEditorEnabled) Key = 0;
    // Clipboard keys go through the paste and cut messages, which a locked edit ignores.
    bool ctrl = (Shift & ssCtrl) != 0, shift = (Shift & ssShift) != 0;
    if ((ctrl && Key == 'V') || (shift && Key == VK_INSERT)) {
        Perform(WM_PASTE, 0, 0);
        Key = 0;
    } else if ((ctrl && Key == 'X') || (shift && Key == VK_DELETE)) {
        Perform(WM_CUT, 0, 0);
        Key = 0;
    }
    ui::TMaskEdit::KeyDown(Key, Shift);
}

// --- focus

void TEsgSpinEdit::DoEnter()
{
    if (AutoSelect() && (ui::GetKeyState(ui::VK_LBUTTON) >= 0 || !FEditorEnabled)) SelectAll();
    ui::TMaskEdit::DoEnter();
}

// Leaving pulls the value back into its limits.
void TEsgSpinEdit::DoExit()
{
    ui::TMaskEdit::DoExit();
    switch (FSpinType) {
    case sptNormal: {
        int v = Value();
        if (Limit(v, FMinValue, FMaxValue) != v) SetValue(v);
        break;
    }
    case sptFloat: {
        double v = FloatValue();
        if (Limit(v, FMinFloatValue, FMaxFloatValue) != v) SetFloatValue(v);
        break;
    }
    case sptDate: {
        double v = DateValue();
        if (Limit(v, FMinDateValue, FMaxDateValue) != v) SetDateValue(v);
        break;
    }
    case sptTime: {
        double v = TimeValue();
        if (Limit(v, FMinDateValue, FMaxDateValue) != v) SetTimeValue(v);
        break;
    }
    }
}

// --- look and layout

void TEsgSpinEdit::SetDirection(TSpinDirection v)
{
    FDirection = v;
    FButton->SetDirection(v);
    LayoutButton();
}

void TEsgSpinEdit::SetEditAlign(TEditAlign v)
{
    FEditAlign = v;
    SetTextAlignment(v == eaRight ? ui::taRightJustify : v == eaCenter ? ui::taCenter : ui::taLeftJustify);
}

void TEsgSpinEdit::SetSpinFlat(bool v)
{
    FSpinFlat = v;
    FButton->UpButton()->SetFlat(v);
    FButton->DownButton()->SetFlat(v);
}

void TEsgSpinEdit::SetSpinTransparent(bool v)
{
    FSpinTransparent = v;
    FButton->UpButton()->SetTransparent(v);
    FButton->DownButton()->SetTransparent(v);
    LayoutButton();
}

void TEsgSpinEdit::SetIsWinXP(bool v)
{
    FIsWinXP = v;
    FButton->SetIsWinXP(v);
}

// The edit's font height plus a quarter of the smaller of it and the system font's, plus
// room for a single border.
int TEsgSpinEdit::MinHeight() const
{
    gfx::TCanvas measure;
    int s = measure.TextHeight("0");
    measure.Font().Assign(&Font());
    int f = measure.TextHeight("0");
    int h = f + std::min(s, f) / 4 + 2;
    if (BorderThickness() > 0) h += 4 * ui::GetSystemMetrics(ui::SM_CYBORDER);
    return h;
}

void TEsgSpinEdit::LayoutButton()
{
    if (FButton == nullptr || FInLayout) return;
    FInLayout = true;
    int mh = MinHeight();
    if (Height() < mh) {
        SetBounds(Left(), Top(), Width(), mh);
    }
    int d = BorderThickness() > 0 ? 5 : 1;
    int pairWidth = FButton->Width();
    FButton->SetBounds(Width() - pairWidth - d, 0, pairWidth, Height() - d);
    FInLayout = false;
    InvalidateLayout();
}

void TEsgSpinEdit::Resize()
{
    ui::TMaskEdit::Resize();
    LayoutButton();
}

// The text stops short of the arrow pair.
int TEsgSpinEdit::TextAreaWidth() const
{
    if (FButton == nullptr) return ClientWidth();
    int m = BorderThickness() > 0 ? 0 : 3;
    return std::max(0, ClientWidth() - FButton->Width() - m - 2);
}

}  // namespace grid
