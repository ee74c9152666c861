// Balloon hints of the grid: the tooltip window's life and settings, and the balloon text of the cell under the mouse.
#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/core/GridOptionsOwned.h"
#include "grid/data/ExtGridClipboard.h"
#include "grid/editing/ExtGridServices.h"
#include "grid/foundation/EsgHTMLEUtil.h"
#include "grid/foundation/ExtUtilCellText.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/StyleServices.h"

namespace grid {

namespace {

constexpr ui::DWORD BalloonStyle = ui::TTS_ALWAYSTIP | ui::TTS_NOPREFIX | ui::TTS_BALLOON;  // 0x43
constexpr std::size_t MaxBalloonText = 2048;
constexpr std::size_t MaxBalloonTitle = 100;

// Tabs become blanks and leading line breaks go; a text too long for the tooltip's buffer
// keeps its first 2045 characters followed by "...".
std::string BalloonTextOf(std::string text)
{
    std::replace(text.begin(), text.end(), '\t', ' ');
    std::size_t skip = 0;
    while (skip < text.size() && (text[skip] == '\r' || text[skip] == '\n')) ++skip;
    if (rtl::Utf8Length(text) > MaxBalloonText) return rtl::Utf8Copy(text.substr(skip), 1, MaxBalloonText - 3) + "...";
    return text.substr(skip);
}

std::string BalloonTitleOf(const std::string& title)
{
    if (rtl::Utf8Length(title) <= MaxBalloonTitle) return title;
    return rtl::Utf8Copy(title, 1, MaxBalloonTitle - 3) + "...";
}

}  // namespace

void TExtStringGrid::CreateServicesObjects()
{
    FServices = std::make_unique<TExtGridServices>();
    FOptions->Balloon->OnEnableChange = [this](TSender) { BalloonSettingsChanged(); };
}

ui::HWND TExtStringGrid::BalloonToolTip() const
{
    return FServices != nullptr && FServices->ToolTip != nullptr ? FServices->ToolTip->Handle() : 0;
}

rtl::TPoint TExtStringGrid::LastBalloonPos() const
{
    return FServices != nullptr ? FServices->LastBalloonPos : rtl::TPoint{-1, -1};
}

// --- the tooltip window

void TExtStringGrid::BalloonInit()
{
    TBalloonSettings& b = Balloon();
    if (b.BalloonCreated() || FServices == nullptr) return;
    FServices->ToolTip = std::make_unique<ui::TToolTipWindow>(Handle(), BalloonStyle);
    const ui::HWND tip = FServices->ToolTip->Handle();
    ui::SetWindowPos(tip, ui::HWND_TOPMOST, 0, 0, 0, 0, ui::SWP_NOACTIVATE | ui::SWP_NOMOVE | ui::SWP_NOSIZE);
    // The grid's window (its handle exists from construction on) is the one tool; its
    // text is asked for each time the balloon shows.
    rtl::TRect client;
    if (ui::GetClientRect(Handle(), client)) {
        ui::TToolInfo info;
        info.cbSize = 48;
        info.uFlags = ui::TTF_IDISHWND | ui::TTF_SUBCLASS;
        info.hwnd = Handle();
        info.uId = static_cast<std::uintptr_t>(Handle());
        info.rect = client;
        info.lpszText = ui::LPSTR_TEXTCALLBACK;
        ui::SendMessage(tip, ui::TTM_ADDTOOL, 0, reinterpret_cast<ui::LPARAM>(&info));
        static const char* const title = "ToolTipText";
        ui::SendMessage(tip, ui::TTM_SETTITLE, ui::TTI_ERROR, reinterpret_cast<ui::LPARAM>(title));
    }
    // The settings: each delay unless it keeps the platform default (-1); a transparency
    // makes the tooltip a layered window of constant alpha.
    if (b.InitialDelay() != -1) ui::SendMessage(tip, ui::TTM_SETDELAYTIME, ui::TTDT_INITIAL, b.InitialDelay());
    if (b.ReshowDelay() != -1) ui::SendMessage(tip, ui::TTM_SETDELAYTIME, ui::TTDT_RESHOW, b.ReshowDelay());
    if (b.AutoHideDelay() != -1) ui::SendMessage(tip, ui::TTM_SETDELAYTIME, ui::TTDT_AUTOPOP, b.AutoHideDelay());
    if (b.Transparency() != 0) {
        FServices->ToolTip->SetExStyle(FServices->ToolTip->ExStyle() | ui::WS_EX_LAYERED);
        FServices->ToolTip->SetLayeredAlpha(static_cast<std::uint8_t>(255 - b.Transparency()));
    }
    b.SetBalloonCreated(true);
}

void TExtStringGrid::BalloonDone()
{
    TBalloonSettings& b = Balloon();
    if (!b.BalloonCreated()) return;
    if (FServices != nullptr && FServices->ToolTip != nullptr) {
        FServices->ToolTip->DestroyHandle();
        FServices->ToolTip.reset();
    }
    b.SetBalloonCreated(false);
}

void TExtStringGrid::BalloonSettingsChanged()
{
    if (HasState(rtl::csLoading)) return;
    if (Balloon().Enable()) BalloonInit();
    else BalloonDone();
}

// --- messages

bool TExtStringGrid::ServicesWndProc(ui::TMessage& Message)
{
    switch (Message.Msg) {
    case ui::WM_NOTIFY: WMNotify(Message); return true;
    case ui::CM_STYLECHANGED:
        ApplyStyleServiceColors(true);
        return false;
    default: return false;
    }
}

void TExtStringGrid::WMNotify(ui::TMessage& Message)
{
    auto* header = reinterpret_cast<ui::TNMHdr*>(Message.LParam);
    if (header == nullptr) {
        TBaseGrid::WndProc(Message);
        return;
    }
    if (header->code == ui::TTN_SHOW || header->code == ui::TTN_POP) return;
    if (header->code != ui::TTN_GETDISPINFO) {
        TBaseGrid::WndProc(Message);
        return;
    }
    if (!Balloon().Enable()) return;
    auto* info = reinterpret_cast<ui::TNMTTDispInfo*>(Message.LParam);

    // The cell under the mouse (the base cell of a merged block); a visible floating
    // footer's row is no cell.
    rtl::TPoint p;
    ui::GetCursorPos(p);
    ui::ScreenToClient(Handle(), p);
    int c = -1;
    int r = -1;
    MouseToCell(p.X, p.Y, c, r);
    if (c >= 0 && r >= 0) {
        const rtl::TPoint b = BaseCell(c, r);
        c = b.X;
        r = b.Y;
    }
    if (FloatingFooter().Visible() && r == RowCount() - 1) {
        c = -1;
        r = -1;
    }
    const bool isCell = c >= 0 && r >= 0;

    std::string text;
    if (isCell) {
        const std::string cell = Cells(c, r);
        switch (DetectCellTextKind(cell, true)) {
        case ctkHtml: text = StripHtmlTags(cell); break;
        case ctkRichText: text = RtfToPlainText(cell); break;
        case ctkUnicodeEscaped: text = DecodeUnicodeEscapes(cell); break;
        default: text = cell; break;
        }
    }
    text = BalloonTextOf(text);
    int icon = ui::TTI_INFO;
    std::string title = " ";
    if (!Balloon().ShowCell()) {
        title.clear();
        text.clear();
    }
    if (isCell) {
        TBalloonIcon cellIcon = static_cast<TBalloonIcon>(icon);
        if (IsBalloon(c, r, title, text, cellIcon)) icon = cellIcon;
        if (OnCellBalloon) OnCellBalloon(this, RealColIndex(c), r, title, text, icon);
    }

    FServices->LastBalloonPos = rtl::TPoint{c, r};
    FServices->BalloonText = text;
    FServices->BalloonTitle = BalloonTitleOf(title);
    info->lpszText = FServices->BalloonText.c_str();

    const ui::HWND tip = BalloonToolTip();
    if (tip == 0) return;
    ui::SendMessage(tip, ui::TTM_SETMAXTIPWIDTH, 0, 300);
    if (Balloon().TextColor() != gfx::clNone)
        ui::SendMessage(tip, ui::TTM_SETTIPTEXTCOLOR, static_cast<ui::WPARAM>(gfx::ColorToRGB(Balloon().TextColor())), 0);
    if (Balloon().BackgroundColor() != gfx::clNone)
        ui::SendMessage(tip, ui::TTM_SETTIPBKCOLOR, static_cast<ui::WPARAM>(gfx::ColorToRGB(Balloon().BackgroundColor())),
                        0);
    ui::SendMessage(tip, ui::TTM_SETTITLE, static_cast<ui::WPARAM>(icon),
                    reinterpret_cast<ui::LPARAM>(FServices->BalloonTitle.c_str()));
}

// --- hover highlight of fixed cells

bool TExtStringGrid::IsHoverFixedCell(int ACol, int ARow)
{
    const THoverFixedCells h = HoverFixedCells();
    if (ACol >= 0 && ACol < FixedCols() && (h == hfAll || h == hfFixedColumns)) return true;
    return ARow >= 0 && ARow < FixedRows() && (h == hfAll || h == hfFixedRows);
}

}  // namespace grid
