// The date-time picker: the value shown in parts (day, month, year, hours, …) edited with keys.
#include <algorithm>
#include <cctype>

#include "platform/gfx/FrameControls.h"
#include "platform/rtl/FormatSettings.h"
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
    FDateTime = rtl::Now();
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
    if (OnChange) OnChange(this);
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
    std::string text = DisplayText();
    int y = std::max(0, (ClientHeight() - c.TextHeight("0")) / 2);
    c.Brush().SetStyle(gfx::bsClear);
    c.TextOut(2, y, text);
    auto parts = Parts();
    if (Focused() && !parts.empty()) {
        const TPart& p = parts[std::clamp(FPart, 0, static_cast<int>(parts.size()) - 1)];
        int x1 = 2 + c.TextWidth(text.substr(0, p.Start));
        int x2 = 2 + c.TextWidth(text.substr(0, p.Start + p.Length));
        c.Brush().SetStyle(gfx::bsSolid);
        c.Brush().SetColor(gfx::clHighlight);
        c.FillRect(rtl::Rect(x1, y, x2, y + c.TextHeight("0")));
        c.Font().SetColor(gfx::clHighlightText);
        c.Brush().SetStyle(gfx::bsClear);
        c.TextOut(x1, y, text.substr(p.Start, p.Length));
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

void TDateTimePicker::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
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
    int count = static_cast<int>(Parts().size());
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
    auto parts = Parts();
    if (parts.empty()) return;
    FPart = std::clamp(FPart, 0, static_cast<int>(parts.size()) - 1);
    if (Key < U'0' || Key > U'9') {
        // A separator typed moves on to the next part.
        if (Key >= 32 && FTypedCount > 0) {
            FTypedCount = 0;
            FPart = std::min(static_cast<int>(parts.size()) - 1, FPart + 1);
            Invalidate();
        }
        return;
    }
    char kind = parts[FPart].Kind;
    int digits = kind == 'y' ? 4 : 2;
    FTyped = (FTypedCount == 0 ? 0 : FTyped) * 10 + static_cast<int>(Key - U'0');
    ++FTypedCount;
    if (kind != 'y' || FTypedCount == digits) SetPartValue(kind, FTyped);
    if (FTypedCount >= digits) {
        FTypedCount = 0;
        FPart = std::min(static_cast<int>(parts.size()) - 1, FPart + 1);
    }
    Invalidate();
}

void TDateTimePicker::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        int w = GetSystemMetrics(SM_CXVSCROLL);
        if (FKind == dtkTime && X >= ClientWidth() - w) {
            StepPart(Y < ClientHeight() / 2 ? 1 : -1);
        } else {
            // A click on a part makes it the active one.
            gfx::TCanvas measure;
            measure.Font().Assign(&Font());
            std::string text = DisplayText();
            auto parts = Parts();
            for (int i = 0; i < static_cast<int>(parts.size()); ++i) {
                int x2 = 2 + measure.TextWidth(text.substr(0, parts[i].Start + parts[i].Length));
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

}  // namespace ui
