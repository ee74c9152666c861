// The date-time picker: the value shown in parts (day, month, year, hours, …) edited with keys.
#include <algorithm>
#include <cctype>

#include "platform/gfx/FrameControls.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Clock.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/Keyboard.h"

namespace ui {

namespace {

struct TRun {
    char Kind = 0;       // 0 for literal text
    std::string Format;  // the format letters of this run, or the literal
};

// Splits a format into runs of one letter and literal text between them; an 'm' run
// after an 'h' run means minutes.
std::vector<TRun> SplitFormat(const std::string& format)
{
    std::vector<TRun> runs;
    char lastLetter = 0;
    std::size_t i = 0;
    while (i < format.size()) {
        char ch = static_cast<char>(std::tolower(static_cast<unsigned char>(format[i])));
        if (ch == '"' || ch == '\'') {
            std::size_t end = format.find(format[i], i + 1);
            if (end == std::string::npos) end = format.size();
            runs.push_back({0, format.substr(i + 1, end - i - 1)});
            i = end + 1;
            continue;
        }
        if (std::string("ymdhns").find(ch) == std::string::npos || ch == 0) {
            if (!runs.empty() && runs.back().Kind == 0) runs.back().Format += format[i];
            else runs.push_back({0, std::string(1, format[i])});
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < format.size() && std::tolower(static_cast<unsigned char>(format[j])) == ch) ++j;
        std::string letters = format.substr(i, j - i);
        char kind = ch;
        if (ch == 'm' && lastLetter == 'h') {
            kind = 'n';
            letters = std::string(letters.size(), 'n');
        }
        if (kind == 'd' && letters.size() > 2) kind = 0;  // day names are shown, not edited
        runs.push_back({kind, letters});
        lastLetter = ch;
        i = j;
    }
    return runs;
}

// The largest value a part takes (31 for any day: a digit that fits no month ends the day).
int PartMaximum(char kind)
{
    switch (kind) {
    case 'y': return 9999;
    case 'm': return 12;
    case 'd': return 31;
    case 'h': return 23;
    default: return 59;
    }
}

std::string RenderRun(const TRun& run, rtl::TDateTime value)
{
    if (run.Kind == 0 && !run.Format.empty() && std::isalpha(static_cast<unsigned char>(run.Format[0])))
        return rtl::FormatDateTime(run.Format, value);
    if (run.Kind == 0) return run.Format;
    return rtl::FormatDateTime(run.Format, value);
}

}  // namespace

TDateTimePicker::TDateTimePicker(rtl::TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 186, 21);
    FColor = gfx::clWindow;
    FTabStop = true;
    FControlStyle |= csOpaque;
    SetBorderThickness(2);
    FDateTime = LocalNow();
}

void TDateTimePicker::SetKind(TDateTimeKind value)
{
    FKind = value;
    FPart = 0;
    Invalidate();
}

void TDateTimePicker::SetDateTime(rtl::TDateTime value)
{
    FDateTime = value;
    Invalidate();
}

rtl::TDateTime TDateTimePicker::Date() const
{
    return static_cast<double>(static_cast<long long>(FDateTime));
}

void TDateTimePicker::SetDate(rtl::TDateTime value)
{
    SetDateTime(static_cast<double>(static_cast<long long>(value)) + Time());
}

rtl::TDateTime TDateTimePicker::Time() const
{
    return FDateTime - Date();
}

void TDateTimePicker::SetTime(rtl::TDateTime value)
{
    SetDateTime(Date() + (value - static_cast<double>(static_cast<long long>(value))));
}

void TDateTimePicker::SetDateFormat(TDTDateFormat value)
{
    FDateFormat = value;
    Invalidate();
}

void TDateTimePicker::SetFormat(const std::string& value)
{
    FFormat = value;
    FPart = 0;
    Invalidate();
}

std::string TDateTimePicker::EffectiveFormat() const
{
    if (!FFormat.empty()) return FFormat;
    const rtl::TFormatSettings& fs = rtl::FormatSettings;
    std::string date = FDateFormat == dfShort ? fs.ShortDateFormat : fs.LongDateFormat;
    switch (FKind) {
    case dtkDate: return date;
    case dtkTime: return fs.LongTimeFormat;
    case dtkDateTime: return date + " " + fs.LongTimeFormat;
    }
    return date;
}

std::string TDateTimePicker::DisplayText() const
{
    std::string text;
    for (const TRun& run : SplitFormat(EffectiveFormat())) text += RenderRun(run, FDateTime);
    return text;
}

std::vector<TDateTimePicker::TPart> TDateTimePicker::Parts() const
{
    std::vector<TPart> parts;
    int pos = 0;
    for (const TRun& run : SplitFormat(EffectiveFormat())) {
        std::string shown = RenderRun(run, FDateTime);
        int length = static_cast<int>(shown.size());
        if (run.Kind != 0) parts.push_back({run.Kind, pos, length});
        pos += length;
    }
    return parts;
}

void TDateTimePicker::UserChange(rtl::TDateTime value)
{
    if (value == FDateTime) return;
    FDateTime = value;
    Invalidate();
    Change();
}

// Digits typed into the active part that did not complete it become its value when the
// user leaves the part; a year of one or two digits lies in 2000–2099.
void TDateTimePicker::CommitTyped()
{
    if (FTypedCount == 0) return;
    FTypedCount = 0;
    auto parts = Parts();
    if (parts.empty()) return;
    char kind = parts[std::clamp(FPart, 0, static_cast<int>(parts.size()) - 1)].Kind;
    int value = FTyped;
    if (kind == 'y' && value < 100) value += 2000;
    SetPartValue(kind, value);
}

void TDateTimePicker::Change()
{
    if (OnChange) OnChange(this);
}

void TDateTimePicker::SetShowCheckbox(bool value)
{
    FShowCheckbox = value;
    Invalidate();
}

void TDateTimePicker::SetChecked(bool value)
{
    if (value == FChecked) return;
    FChecked = value;
    Invalidate();
}

rtl::TRect TDateTimePicker::CheckboxRect() const
{
    int top = std::max(0, (ClientHeight() - 13) / 2);
    return rtl::Bounds(3, top, 13, 13);
}

bool TDateTimePicker::UserStringEntered(const std::string& text)
{
    rtl::TDateTime value = 0;
    if (!rtl::TryStrToDateTime(text, value)) value = 0;
    bool accept = true;
    if (OnUserInput) OnUserInput(this, text, value, accept);
    if (!accept) return false;
    UserChange(value);
    return true;
}

// Keys of a free-text entry: Enter hands the text over, Escape drops it, Backspace takes
// back a character. True when the key belonged to the entry.
bool TDateTimePicker::UserStringKey(WORD key)
{
    if (!FEditingUserString) {
        if (key != VK_F2 || !FParseInput) return false;
        FEditingUserString = true;
        FUserString = DisplayText();
        Invalidate();
        return true;
    }
    switch (key) {
    case VK_RETURN: {
        std::string text = FUserString;
        FEditingUserString = false;
        FUserString.clear();
        UserStringEntered(text);
        Invalidate();
        return true;
    }
    case VK_ESCAPE:
        FEditingUserString = false;
        FUserString.clear();
        Invalidate();
        return true;
    case VK_BACK:
        if (!FUserString.empty()) FUserString.pop_back();
        Invalidate();
        return true;
    default: return false;
    }
}

void TDateTimePicker::StepPart(int delta)
{
    auto parts = Parts();
    if (parts.empty()) return;
    FPart = std::clamp(FPart, 0, static_cast<int>(parts.size()) - 1);
    int y, m, d, h, n, s, ms;
    rtl::DecodeDateTime(FDateTime, y, m, d, h, n, s, ms);
    auto wrap = [](int v, int lo, int hi) { return lo + ((v - lo) % (hi - lo + 1) + (hi - lo + 1)) % (hi - lo + 1); };
    switch (parts[FPart].Kind) {
    case 'y': y = std::clamp(y + delta, 1, 9999); break;
    case 'm': m = wrap(m + delta, 1, 12); break;
    case 'd': d = wrap(d + delta, 1, rtl::DaysInMonth(y, m)); break;
    case 'h': h = wrap(h + delta, 0, 23); break;
    case 'n': n = wrap(n + delta, 0, 59); break;
    case 's': s = wrap(s + delta, 0, 59); break;
    default: return;
    }
    d = std::min(d, rtl::DaysInMonth(y, m));
    UserChange(rtl::EncodeDateTime(y, m, d, h, n, s, ms));
}

void TDateTimePicker::SetPartValue(char kind, int value)
{
    int y, m, d, h, n, s, ms;
    rtl::DecodeDateTime(FDateTime, y, m, d, h, n, s, ms);
    switch (kind) {
    case 'y': if (value < 1 || value > 9999) return; y = value; break;
    case 'm': if (value < 1 || value > 12) return; m = value; break;
    case 'd': if (value < 1 || value > rtl::DaysInMonth(y, m)) return; d = value; break;
    case 'h': if (value > 23) return; h = value; break;
    case 'n': if (value > 59) return; n = value; break;
    case 's': if (value > 59) return; s = value; break;
    default: return;
    }
    d = std::min(d, rtl::DaysInMonth(y, m));
    UserChange(rtl::EncodeDateTime(y, m, d, h, n, s, ms));
}

void TDateTimePicker::Paint()
{
    gfx::TCanvas& c = Canvas();
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(Enabled() ? Color() : gfx::clBtnFace);
    c.FillRect(ClientRect());
    c.Font().Assign(&Font());
    if (!Enabled()) c.Font().SetColor(gfx::clGrayText);
    if (FShowCheckbox) PaintCheckbox(c);
    bool noValue = FShowCheckbox && !FChecked;
    if (noValue) c.Font().SetColor(gfx::clGrayText);
    std::string text = FEditingUserString ? FUserString : DisplayText();
    int y = std::max(0, (ClientHeight() - c.TextHeight("0")) / 2);
    int left = TextLeft();
    c.Brush().SetStyle(gfx::bsClear);
    c.TextOut(left, y, text);
    auto parts = Parts();
    if (Focused() && !parts.empty() && !noValue && !FEditingUserString) {
        const TPart& p = parts[std::clamp(FPart, 0, static_cast<int>(parts.size()) - 1)];
        int x1 = left + c.TextWidth(text.substr(0, p.Start));
        int x2 = left + c.TextWidth(text.substr(0, p.Start + p.Length));
        c.Brush().SetStyle(gfx::bsSolid);
        c.Brush().SetColor(gfx::clHighlight);
        c.FillRect(rtl::Rect(x1, y, x2, y + c.TextHeight("0")));
        c.Font().SetColor(gfx::clHighlightText);
        c.Brush().SetStyle(gfx::bsClear);
        c.TextOut(x1, y, FTypedCount > 0 ? std::to_string(FTyped) : text.substr(p.Start, p.Length));
    }
    if (FKind != dtkTime) {
        rtl::TRect button = rtl::Rect(ClientWidth() - GetSystemMetrics(SM_CXVSCROLL), 0, ClientWidth(), ClientHeight());
        gfx::DrawFrameControl(c, button, gfx::DFC_SCROLL, gfx::DFCS_SCROLLCOMBOBOX | (Enabled() ? 0u : gfx::DFCS_INACTIVE));
    } else {
        // Up and down arrows of a time field.
        int w = GetSystemMetrics(SM_CXVSCROLL);
        rtl::TRect up = rtl::Rect(ClientWidth() - w, 0, ClientWidth(), ClientHeight() / 2);
        rtl::TRect down = rtl::Rect(ClientWidth() - w, ClientHeight() / 2, ClientWidth(), ClientHeight());
        gfx::DrawFrameControl(c, up, gfx::DFC_SCROLL, gfx::DFCS_SCROLLUP);
        gfx::DrawFrameControl(c, down, gfx::DFC_SCROLL, gfx::DFCS_SCROLLDOWN);
    }
}

void TDateTimePicker::PaintCheckbox(gfx::TCanvas& c)
{
    rtl::TRect box = CheckboxRect();
    unsigned state = gfx::DFCS_BUTTONCHECK | (FChecked ? gfx::DFCS_CHECKED : 0u) | (Enabled() ? 0u : gfx::DFCS_INACTIVE);
    gfx::DrawFrameControl(c, box, gfx::DFC_BUTTON, state);
    c.Font().Assign(&Font());
    if (!Enabled()) c.Font().SetColor(gfx::clGrayText);
}

void TDateTimePicker::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (DroppedDown() ? DLGC_WANTALLKEYS : 0);
        return;
    case WM_KILLFOCUS:
        SetDroppedDown(false);
        CommitTyped();
        [[fallthrough]];
    case WM_SETFOCUS:
    case CM_ENABLEDCHANGED:
        FTypedCount = 0;
        TCustomControl::WndProc(Message);
        Invalidate();
        return;
    default:
        break;
    }
    TCustomControl::WndProc(Message);
}

void TDateTimePicker::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key != 0 && UserStringKey(Key)) {
        Key = 0;
        return;
    }
    if (Key == VK_SPACE && FShowCheckbox && !DroppedDown()) {
        SetChecked(!FChecked);
        Change();
        Key = 0;
        return;
    }
    if (FKind != dtkTime && (Key == VK_F4 || ((Shift & ssAlt) && (Key == VK_DOWN || Key == VK_UP)))) {
        SetDroppedDown(!DroppedDown());
        Key = 0;
        return;
    }
    if (DroppedDown()) {
        // The keys move the marked day; Return chooses it, Escape closes.
        rtl::TDateTime marked = FCalendar->Marked();
        switch (Key) {
        case VK_LEFT: FCalendar->SetMarked(marked - 1); break;
        case VK_RIGHT: FCalendar->SetMarked(marked + 1); break;
        case VK_UP: FCalendar->SetMarked(marked - 7); break;
        case VK_DOWN: FCalendar->SetMarked(marked + 7); break;
        case VK_PRIOR: FCalendar->StepMonth(-1); break;
        case VK_NEXT: FCalendar->StepMonth(1); break;
        case VK_RETURN:
            SetDroppedDown(false);
            UserChange(marked + Time());
            break;
        case VK_ESCAPE: SetDroppedDown(false); break;
        default: return;
        }
        Key = 0;
        return;
    }
    int count = static_cast<int>(Parts().size());
    if (Key == VK_LEFT || Key == VK_RIGHT) CommitTyped();
    switch (Key) {
    case VK_LEFT: FPart = std::max(0, FPart - 1); break;
    case VK_RIGHT: FPart = std::min(count - 1, FPart + 1); break;
    case VK_UP: StepPart(1); break;
    case VK_DOWN: StepPart(-1); break;
    case VK_PRIOR: StepPart(10); break;
    case VK_NEXT: StepPart(-10); break;
    default: return;
    }
    FTypedCount = 0;
    Invalidate();
}

void TDateTimePicker::KeyPress(char32_t& Key)
{
    TCustomControl::KeyPress(Key);
    if (FEditingUserString) {
        if (Key >= 32) rtl::Utf8AppendChar(FUserString, Key);
        Invalidate();
        return;
    }
    if (FShowCheckbox && !FChecked) return;
    auto parts = Parts();
    if (parts.empty()) return;
    FPart = std::clamp(FPart, 0, static_cast<int>(parts.size()) - 1);
    if (Key < U'0' || Key > U'9') {
        // A separator typed ends the part and moves on to the next one.
        if (Key >= 32 && FTypedCount > 0) {
            CommitTyped();
            FPart = std::min(static_cast<int>(parts.size()) - 1, FPart + 1);
            Invalidate();
        }
        return;
    }
    char kind = parts[FPart].Kind;
    int digits = kind == 'y' ? 4 : 2;
    FTyped = (FTypedCount == 0 ? 0 : FTyped) * 10 + static_cast<int>(Key - U'0');
    ++FTypedCount;
    if (FTypedCount >= digits || FTyped * 10 > PartMaximum(kind)) {
        CommitTyped();
        if (FAutoAdvance) FPart = std::min(static_cast<int>(parts.size()) - 1, FPart + 1);
    }
    Invalidate();
}

void TDateTimePicker::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        int w = GetSystemMetrics(SM_CXVSCROLL);
        if (FShowCheckbox && X < TextLeft()) {
            SetChecked(!FChecked);
            Change();
        } else if (FKind == dtkTime && X >= ClientWidth() - w) {
            StepPart(Y < ClientHeight() / 2 ? 1 : -1);
        } else if (X >= ClientWidth() - w) {
            SetDroppedDown(!DroppedDown());
        } else {
            // A click on a part makes it the active one.
            gfx::TCanvas measure;
            measure.Font().Assign(&Font());
            std::string text = DisplayText();
            auto parts = Parts();
            for (int i = 0; i < static_cast<int>(parts.size()); ++i) {
                int x2 = TextLeft() + measure.TextWidth(text.substr(0, parts[i].Start + parts[i].Length));
                if (X < x2 || i == static_cast<int>(parts.size()) - 1) {
                    FPart = i;
                    break;
                }
            }
            FTypedCount = 0;
            Invalidate();
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

bool TDateTimePicker::DroppedDown() const
{
    return FCalendar != nullptr && FCalendar->Visible();
}

void TDateTimePicker::SetDroppedDown(bool value)
{
    if (value == DroppedDown() || FKind == dtkTime) return;
    if (!value) {
        if (GetCaptureControl() == FCalendar) SetCaptureControl(nullptr);
        FCalendar->Hide();
        Invalidate();
        CloseUp();
        return;
    }
    if (!Showing()) return;
    if (FCalendar == nullptr) FCalendar = new TCalendarPopup(this);
    FCalendar->Font().Assign(&Font());
    FCalendar->SetMarked(Date());
    rtl::TPoint origin = ClientToScreen({0, 0});
    rtl::TRect in = NonClientInsets();
    rtl::TRect need = FCalendar->MinReqRect();
    FCalendar->SetBounds(origin.X - in.Left, origin.Y + ClientHeight() + in.Bottom, need.Width(), need.Height());
    FCalendar->Show();
    // The calendar has the mouse while it is down: a click elsewhere closes it.
    SetCaptureControl(FCalendar);
    DropDown();
}

void TDateTimePicker::DropDown()
{
    if (OnDropDown) OnDropDown(this);
}

void TDateTimePicker::CloseUp()
{
    if (OnCloseUp) OnCloseUp(this);
}

// ===== TCalendarPopup

TCalendarPopup::TCalendarPopup(TDateTimePicker* picker) : TCustomControl(picker), FPicker(picker)
{
    FColor = gfx::clWindow;
    FVisible = false;
    FControlStyle |= csOpaque;
    FControlStyle &= ~static_cast<unsigned>(csDoubleClicks);
    SetBorderThickness(1);
}

void TCalendarPopup::SetMarked(rtl::TDateTime value)
{
    FMarked = static_cast<double>(static_cast<long long>(value));
    Invalidate();
}

void TCalendarPopup::SetStyle(unsigned value)
{
    FStyle = value;
    Invalidate();
}

rtl::TRect TCalendarPopup::MinReqRect() const
{
    int width = WeekColumnWidth() + 7 * CellWidth() + 10;
    int height = HeaderHeight() + 6 * CellHeight() + 8 + ((FStyle & MCS_NOTODAY) ? 0 : CellHeight());
    return rtl::Rect(0, 0, width, height);
}

void TCalendarPopup::StepMonth(int delta)
{
    SetMarked(rtl::IncMonth(FMarked, delta));
}

int TCalendarPopup::FirstColumn() const
{
    int y, m, d;
    rtl::DecodeDate(FMarked, y, m, d);
    // Weeks start on Monday; DayOfWeek gives 1 for Sunday.
    return (rtl::DayOfWeek(rtl::EncodeDate(y, m, 1)) + 5) % 7;
}

rtl::TRect TCalendarPopup::DayRect(int day) const
{
    int cell = FirstColumn() + day - 1;
    int x = 4 + WeekColumnWidth() + (cell % 7) * CellWidth();
    int y = HeaderHeight() + (cell / 7) * CellHeight();
    return rtl::Bounds(x, y, CellWidth(), CellHeight());
}

rtl::TRect TCalendarPopup::PrevRect() const
{
    return rtl::Bounds(4, 3, 18, 16);
}

rtl::TRect TCalendarPopup::NextRect() const
{
    return rtl::Bounds(ClientWidth() - 22, 3, 18, 16);
}

void TCalendarPopup::Paint()
{
    gfx::TCanvas& c = Canvas();
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(ClientRect());
    int y, m, d;
    rtl::DecodeDate(FMarked, y, m, d);
    const rtl::TFormatSettings& fs = rtl::FormatSettings;
    c.Font().Assign(&Font());
    c.Brush().SetColor(gfx::clBtnFace);
    c.FillRect(rtl::Rect(0, 0, ClientWidth(), 22));
    rtl::TRect prev = PrevRect();
    rtl::TRect next = NextRect();
    gfx::DrawFrameControl(c, prev, gfx::DFC_SCROLL, gfx::DFCS_SCROLLLEFT);
    gfx::DrawFrameControl(c, next, gfx::DFC_SCROLL, gfx::DFCS_SCROLLRIGHT);
    rtl::TRect title = rtl::Rect(0, 0, ClientWidth(), 22);
    c.Brush().SetStyle(gfx::bsClear);
    c.Font().SetColor(gfx::clBtnText);
    c.DrawText(fs.LongMonthNames[m - 1] + " " + std::to_string(y), title,
               gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
    for (int col = 0; col < 7; ++col) {
        rtl::TRect r = rtl::Bounds(4 + WeekColumnWidth() + col * CellWidth(), 23, CellWidth(), CellHeight());
        std::string name = fs.ShortDayNames[(col + 1) % 7].substr(0, 2);
        c.Font().SetColor(gfx::clGrayText);
        c.DrawText(name, r, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
    }
    c.Pen().SetStyle(gfx::psSolid);
    c.Pen().SetColor(gfx::clBtnShadow);
    c.MoveTo(4, HeaderHeight() - 1);
    c.LineTo(ClientWidth() - 4, HeaderHeight() - 1);
    for (int day = 1; day <= rtl::DaysInMonth(y, m); ++day) {
        rtl::TRect r = DayRect(day);
        bool marked = day == d;
        if (marked) {
            c.Brush().SetStyle(gfx::bsSolid);
            c.Brush().SetColor(gfx::clHighlight);
            c.FillRect(r);
        }
        c.Brush().SetStyle(gfx::bsClear);
        c.Font().SetColor(marked ? gfx::clHighlightText : gfx::clWindowText);
        c.DrawText(std::to_string(day), r, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
        if ((FStyle & MCS_NOTODAYCIRCLE) == 0 && rtl::EncodeDate(y, m, day) == LocalToday()) {
            c.Brush().SetStyle(gfx::bsSolid);
            c.Brush().SetColor(gfx::clRed);
            c.FrameRect(r);
        }
    }
    c.Font().SetColor(gfx::clGrayText);
    c.Brush().SetStyle(gfx::bsClear);
    if (FStyle & MCS_WEEKNUMBERS) {
        // The week number (weeks from Monday, the first holding 4 January) of each row's Monday.
        rtl::TDateTime first = rtl::EncodeDate(y, m, 1) - FirstColumn();
        for (int row = 0; row < 6; ++row) {
            rtl::TDateTime monday = first + 7 * row;
            int wy, wm, wd;
            rtl::DecodeDate(monday + 3, wy, wm, wd);
            int week = 1 + static_cast<int>(monday + 3 - rtl::EncodeDate(wy, 1, 1)) / 7;
            rtl::TRect r = rtl::Bounds(4, HeaderHeight() + row * CellHeight(), CellWidth(), CellHeight());
            c.DrawText(std::to_string(week), r, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
        }
    }
    if ((FStyle & MCS_NOTODAY) == 0) {
        rtl::TRect r = rtl::Bounds(4, HeaderHeight() + 6 * CellHeight() + 2, ClientWidth() - 8, CellHeight());
        c.Font().SetColor(gfx::clWindowText);
        c.DrawText("Today: " + rtl::DateToStr(LocalToday()), r, gfx::DT_LEFT | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
    }
}

void TCalendarPopup::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (!rtl::PtInRect(ClientRect(), {X, Y})) {
        FPicker->SetDroppedDown(false);
        return;
    }
    if (rtl::PtInRect(PrevRect(), {X, Y})) StepMonth(-1);
    else if (rtl::PtInRect(NextRect(), {X, Y})) StepMonth(1);
}

void TCalendarPopup::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!Visible()) return;
    int y, m, d;
    rtl::DecodeDate(FMarked, y, m, d);
    for (int day = 1; day <= rtl::DaysInMonth(y, m) && Button == mbLeft; ++day) {
        if (rtl::PtInRect(DayRect(day), {X, Y})) {
            TDateTimePicker* picker = FPicker;
            picker->SetDroppedDown(false);
            picker->UserChange(rtl::EncodeDate(y, m, day) + picker->Time());
            return;
        }
    }
    SetCaptureControl(this);
}

}  // namespace ui
