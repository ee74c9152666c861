// Tooltip window: its TTM_ messages, the watching of its tools' mouse messages, its timers and its picture.
#include "platform/ui/ToolTip.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Timers.h"

namespace ui {

namespace {

constexpr UINT_PTR ShowTimerId = 1;
constexpr UINT_PTR PopTimerId = 2;
constexpr int Margin = 8;
constexpr int IconSize = 16;
constexpr int StemHeight = 12;
// Width used for the text when no maximum tip width is set: one line per paragraph.
constexpr int UnboundedWidth = 10000;

// The window procedure a tooltip puts in front of a tool window's. It stays harmless when
// the tooltip goes while another wrapper sits in front of it: it then only passes on.
struct TToolSubclass {
    std::shared_ptr<std::function<void(HWND, const TMessage&)>> Hook;
    HWND Window = 0;
    std::function<void(TMessage&)> Previous;

    void operator()(TMessage& m) const
    {
        // Copies: the hook may restore the previous procedure, which destroys this wrapper.
        auto hook = Hook;
        auto previous = Previous;
        if (hook && *hook) (*hook)(Window, m);
        if (previous) previous(m);
    }
};

rtl::TPoint ClientPoint(LPARAM lParam) { return rtl::Point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); }

gfx::TColor IconColor(int icon)
{
    switch (icon) {
    case TTI_INFO: return gfx::TColor(0xCC6600);     // blue
    case TTI_WARNING: return gfx::TColor(0x00C0FF);  // amber
    case TTI_ERROR: return gfx::TColor(0x0000DD);    // red
    default: return gfx::clNone;
    }
}

const char* IconMark(int icon) { return icon == TTI_INFO ? "i" : icon == TTI_WARNING ? "!" : "x"; }

}  // namespace

TToolTipWindow::TToolTipWindow(HWND owner, DWORD style, DWORD exStyle)
    : TWinControl(nullptr), FOwnerWindow(owner), FStyle(style), FExStyle(exStyle)
{
    SetVisible(false);
    FOverlay.OnPaint = [this](gfx::TCanvas& canvas) { Paint(canvas); };
}

TToolTipWindow::~TToolTipWindow()
{
    KillTimer(Handle(), ShowTimerId);
    KillTimer(Handle(), PopTimerId);
    Unsubclass();
}

void TToolTipWindow::SetExStyle(DWORD value)
{
    FExStyle = value;
    FOverlay.Invalidate();
}

void TToolTipWindow::SetLayeredAlpha(std::uint8_t alpha)
{
    FAlpha = alpha;
    FOverlay.Invalidate();
}

int TToolTipWindow::DelayTime(int kind) const
{
    switch (kind) {
    case TTDT_INITIAL: return FInitialDelay;
    case TTDT_RESHOW: return FReshowDelay;
    case TTDT_AUTOPOP: return FAutoPopDelay;
    default: return -1;
    }
}

// --- messages

void TToolTipWindow::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case TTM_SETDELAYTIME: {
        // A negative time puts the platform default back.
        int ms = static_cast<int>(Message.LParam);
        int kind = static_cast<int>(Message.WParam);
        if (kind == TTDT_INITIAL) FInitialDelay = ms < 0 ? DefaultInitialDelay : ms;
        else if (kind == TTDT_RESHOW) FReshowDelay = ms < 0 ? DefaultReshowDelay : ms;
        else if (kind == TTDT_AUTOPOP) FAutoPopDelay = ms < 0 ? DefaultAutoPopDelay : ms;
        Message.Result = 0;
        return;
    }
    case TTM_SETTIPBKCOLOR:
        FBkColor = static_cast<gfx::TColor>(Message.WParam);
        FOverlay.Invalidate();
        return;
    case TTM_SETTIPTEXTCOLOR:
        FTextColor = static_cast<gfx::TColor>(Message.WParam);
        FOverlay.Invalidate();
        return;
    case TTM_SETMAXTIPWIDTH:
        Message.Result = FMaxTipWidth;
        FMaxTipWidth = static_cast<int>(Message.LParam);
        return;
    case TTM_SETTITLE: {
        int icon = static_cast<int>(Message.WParam);
        FTitleIcon = icon >= TTI_NONE && icon <= TTI_ERROR ? icon : TTI_NONE;
        const auto* title = reinterpret_cast<const char*>(Message.LParam);
        FTitle = title != nullptr ? title : "";
        FOverlay.Invalidate();
        Message.Result = 1;
        return;
    }
    case TTM_ADDTOOL: {
        const auto* info = reinterpret_cast<const TToolInfo*>(Message.LParam);
        Message.Result = info != nullptr && AddTool(*info) ? 1 : 0;
        return;
    }
    case WM_TIMER:
        if (Message.WParam == ShowTimerId) {
            KillTimer(Handle(), ShowTimerId);
            ShowTip();
        } else if (Message.WParam == PopTimerId) {
            HideTip();
        }
        return;
    default: TWinControl::WndProc(Message);
    }
}

// --- tools

bool TToolTipWindow::AddTool(const TToolInfo& info)
{
    if (info.hwnd == 0 || TWinControl::FindControl(info.hwnd) == nullptr) return false;
    TTool tool{info, {}};
    if (info.lpszText != nullptr && info.lpszText != LPSTR_TEXTCALLBACK) tool.Text = info.lpszText;
    tool.Info.lpszText = info.lpszText == LPSTR_TEXTCALLBACK ? LPSTR_TEXTCALLBACK : nullptr;
    FTools.push_back(tool);
    if (info.uFlags & TTF_SUBCLASS) Subclass(info.hwnd);
    return true;
}

void TToolTipWindow::Subclass(HWND window)
{
    if (std::find(FSubclassed.begin(), FSubclassed.end(), window) != FSubclassed.end()) return;
    TWinControl* control = TWinControl::FindControl(window);
    if (control == nullptr) return;
    TToolSubclass wrapper;
    if (!FHook)
        FHook = std::make_shared<std::function<void(HWND, const TMessage&)>>(
            [this](HWND w, const TMessage& m) { ToolMessage(w, m); });
    wrapper.Hook = FHook;
    wrapper.Window = window;
    wrapper.Previous = control->WindowProc;
    control->WindowProc = wrapper;
    FSubclassed.push_back(window);
}

// A wrapper that is still in front is taken out; one that another wrapper covers is
// switched off and keeps passing messages on.
void TToolTipWindow::Unsubclass()
{
    for (HWND window : FSubclassed) {
        TWinControl* control = TWinControl::FindControl(window);
        if (control == nullptr) continue;
        if (auto* wrapper = control->WindowProc.target<TToolSubclass>()) {
            if (wrapper->Window == window && wrapper->Hook == FHook) {
                auto previous = wrapper->Previous;
                control->WindowProc = previous;
            }
        }
    }
    if (FHook) *FHook = nullptr;
    FHook.reset();
    FSubclassed.clear();
    FHotTool = -1;
}

const TToolTipWindow::TTool* TToolTipWindow::ToolAt(HWND window, const rtl::TPoint& clientPoint) const
{
    for (const TTool& tool : FTools) {
        if (tool.Info.hwnd != window) continue;
        rtl::TRect r = tool.Info.rect;
        if (tool.Info.uFlags & TTF_IDISHWND) ui::GetClientRect(window, r);
        if (rtl::PtInRect(r, clientPoint)) return &tool;
    }
    return nullptr;
}

void TToolTipWindow::ToolMessage(HWND window, const TMessage& Message)
{
    switch (Message.Msg) {
    case WM_MOUSEMOVE: {
        rtl::TPoint p = ClientPoint(Message.LParam);
        const TTool* tool = ToolAt(window, p);
        int index = tool != nullptr ? static_cast<int>(tool - FTools.data()) : -1;
        ui::ClientToScreen(window, p);
        FMouseScreen = p;
        if (index != FHotTool) {
            bool wasShowing = TipShowing();
            HideTip();
            FHotTool = index;
            if (index >= 0) StartShowTimer(wasShowing ? FReshowDelay : FInitialDelay);
        } else if (index >= 0 && !TipShowing()) {
            // The mouse has to rest: each move starts the wait again.
            StartShowTimer(FHiddenAt >= 0 && GetTickCount64() - FHiddenAt < FReshowDelay ? FReshowDelay
                                                                                          : FInitialDelay);
        }
        break;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_MOUSEWHEEL:
        HideTip();
        KillTimer(Handle(), ShowTimerId);
        break;
    case CM_MOUSELEAVE:
        HideTip();
        KillTimer(Handle(), ShowTimerId);
        FHotTool = -1;
        break;
    case WM_DESTROY: {
        // The tool's window goes: so do its tools (the wrapper passes on until the tooltip goes).
        HideTip();
        KillTimer(Handle(), ShowTimerId);
        FHotTool = -1;
        std::erase_if(FTools, [window](const TTool& t) { return t.Info.hwnd == window; });
        break;
    }
    default: break;
    }
}

void TToolTipWindow::StartShowTimer(int delay) { SetTimer(Handle(), ShowTimerId, static_cast<unsigned>(std::max(delay, 0))); }

void TToolTipWindow::Notify(const TTool& tool, int code, TNMHdr& header)
{
    header.hwndFrom = Handle();
    header.idFrom = tool.Info.uId;
    header.code = code;
    SendMessage(tool.Info.hwnd, WM_NOTIFY, tool.Info.uId, reinterpret_cast<LPARAM>(&header));
}

// --- showing

void TToolTipWindow::ShowTip()
{
    if (FHotTool < 0 || FHotTool >= static_cast<int>(FTools.size())) return;
    TTool tool = FTools[static_cast<std::size_t>(FHotTool)];
    std::string text = tool.Text;
    if (tool.Info.lpszText == LPSTR_TEXTCALLBACK) {
        TNMTTDispInfo info;
        Notify(tool, TTN_GETDISPINFO, info.hdr);
        if (info.lpszText != nullptr && info.lpszText != LPSTR_TEXTCALLBACK) text = info.lpszText;
        else text = std::string(info.szText, strnlen(info.szText, sizeof info.szText));
    }
    // A tool without text shows no tip.
    if (text.empty()) return;
    FTipText = text;
    rtl::TSize size = TipSize();
    // A balloon's stem points at the mouse; a plain tip sits below the pointer.
    int left = (FStyle & TTS_BALLOON) ? FMouseScreen.X - 16 : FMouseScreen.X;
    int top = (FStyle & TTS_BALLOON) ? FMouseScreen.Y : FMouseScreen.Y + 20;
    SetBounds(left, top, size.cx, size.cy);
    TWinControl* owner = TWinControl::FindControl(FOwnerWindow);
    TWinControl* host = owner != nullptr ? owner->TopLevelWindow() : nullptr;
    FOverlay.SetHost(host != nullptr ? host->Handle() : 0);
    FOverlay.SetScreenBounds(BoundsRect());
    FOverlay.BringToFront();
    FOverlay.SetVisible(true);
    TNMHdr header;
    Notify(tool, TTN_SHOW, header);
    SetTimer(Handle(), PopTimerId, static_cast<unsigned>(std::max(FAutoPopDelay, 0)));
}

void TToolTipWindow::HideTip()
{
    KillTimer(Handle(), PopTimerId);
    if (!TipShowing()) return;
    FOverlay.SetVisible(false);
    FHiddenAt = GetTickCount64();
    if (FHotTool >= 0 && FHotTool < static_cast<int>(FTools.size())) {
        TNMHdr header;
        Notify(FTools[static_cast<std::size_t>(FHotTool)], TTN_POP, header);
    }
}

// --- picture

namespace {

// Layout of a tip: title line (icon and bold title) above the text.
struct TTipLayout {
    rtl::TRect Body;
    rtl::TRect Icon;
    rtl::TRect TitleRect;
    rtl::TRect TextRect;
};

TTipLayout LayoutTip(gfx::TCanvas& canvas, const gfx::TFont& font, const std::string& title, int icon,
                     const std::string& text, int maxWidth, bool balloon)
{
    TTipLayout l;
    const int top = balloon ? StemHeight : 0;
    int width = maxWidth > 0 ? maxWidth : UnboundedWidth;
    const unsigned flags = gfx::DT_CALCRECT | gfx::DT_LEFT | gfx::DT_WORDBREAK | gfx::DT_NOPREFIX;
    canvas.Font().Assign(&font);
    rtl::TRect textRect = rtl::Rect(0, 0, width, 0);
    canvas.DrawText(text, textRect, flags);
    int titleHeight = 0;
    int titleWidth = 0;
    const bool hasTitle = !title.empty() || icon != TTI_NONE;
    if (hasTitle) {
        canvas.Font().SetStyle(gfx::TFontStyles{gfx::fsBold});
        rtl::TSize ts = canvas.TextExtent(title);
        titleWidth = (icon != TTI_NONE ? IconSize + 4 : 0) + ts.cx;
        titleHeight = std::max(ts.cy, icon != TTI_NONE ? IconSize : 0);
        canvas.Font().Assign(&font);
    }
    int innerWidth = std::max(textRect.Width(), titleWidth);
    int y = top + Margin;
    if (hasTitle) {
        int x = Margin;
        if (icon != TTI_NONE) {
            l.Icon = rtl::Rect(x, y, x + IconSize, y + IconSize);
            x += IconSize + 4;
        }
        l.TitleRect = rtl::Rect(x, y, Margin + innerWidth, y + titleHeight);
        y += titleHeight + 4;
    }
    l.TextRect = rtl::Rect(Margin, y, Margin + innerWidth, y + textRect.Height());
    l.Body = rtl::Rect(0, top, innerWidth + 2 * Margin, l.TextRect.Bottom + Margin);
    return l;
}

}  // namespace

rtl::TSize TToolTipWindow::TipSize() const
{
    gfx::TCanvas measure;
    TTipLayout l = LayoutTip(measure, const_cast<TToolTipWindow*>(this)->Font(), FTitle, FTitleIcon, FTipText,
                             FMaxTipWidth, (FStyle & TTS_BALLOON) != 0);
    return rtl::TSize{l.Body.Right, l.Body.Bottom};
}

void TToolTipWindow::Paint(gfx::TCanvas& canvas) const
{
    const bool balloon = (FStyle & TTS_BALLOON) != 0;
    const int w = Width();
    const int h = Height();
    if (w <= 0 || h <= 0) return;
    // Drawn on a transparent picture first, so that a layered tip blends as a whole.
    gfx::TBitmap picture;
    picture.SetPixelFormat(gfx::pf32bit);
    picture.SetAlphaFormat(gfx::afPremultiplied);
    picture.SetSize(w, h);
    gfx::TCanvas& c = picture.Canvas();
    TTipLayout l = LayoutTip(c, const_cast<TToolTipWindow*>(this)->Font(), FTitle, FTitleIcon, FTipText,
                             FMaxTipWidth, balloon);
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(FBkColor);
    c.Pen().SetStyle(gfx::psSolid);
    c.Pen().SetWidth(1);
    c.Pen().SetColor(gfx::TColor(0x646464));
    if (balloon) {
        c.RoundRect(l.Body.Left, l.Body.Top, l.Body.Right, l.Body.Bottom, 10, 10);
        const rtl::TPoint stem[] = {rtl::Point(16, 0), rtl::Point(16, StemHeight + 1), rtl::Point(32, StemHeight + 1)};
        c.Polygon(stem);
        // The stem opens into the body: the body's top edge is painted over where they meet.
        c.Pen().SetColor(FBkColor);
        c.MoveTo(17, StemHeight);
        c.LineTo(31, StemHeight);
    } else {
        c.Rectangle(l.Body);
    }
    c.Brush().SetStyle(gfx::bsClear);
    if (gfx::TColor ic = IconColor(FTitleIcon); ic != gfx::clNone) {
        c.Brush().SetStyle(gfx::bsSolid);
        c.Brush().SetColor(ic);
        c.Pen().SetColor(ic);
        c.Ellipse(l.Icon);
        c.Brush().SetStyle(gfx::bsClear);
        c.Font().SetColor(gfx::clWhite);
        c.Font().SetStyle(gfx::TFontStyles{gfx::fsBold});
        rtl::TRect r = l.Icon;
        c.DrawText(IconMark(FTitleIcon), r, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
    }
    c.Font().SetColor(FTextColor);
    if (!FTitle.empty()) {
        c.Font().SetStyle(gfx::TFontStyles{gfx::fsBold});
        rtl::TRect r = l.TitleRect;
        c.DrawText(FTitle, r, gfx::DT_LEFT | gfx::DT_SINGLELINE | gfx::DT_NOPREFIX | gfx::DT_VCENTER);
        c.Font().SetStyle(gfx::TFontStyles{});
    }
    rtl::TRect r = l.TextRect;
    c.DrawText(FTipText, r, gfx::DT_LEFT | gfx::DT_WORDBREAK | gfx::DT_NOPREFIX);
    const std::uint8_t alpha = (FExStyle & WS_EX_LAYERED) ? FAlpha : 255;
    rtl::TRect all = rtl::Rect(0, 0, w, h);
    canvas.AlphaBlend(all, c, all, alpha, true);
}

}  // namespace ui
