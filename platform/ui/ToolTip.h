// Tooltip window: a tip shown over a tool window after the mouse rests on it, set up with TTM_ messages.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/rtl/Types.h"
#include "platform/ui/Controls.h"
#include "platform/ui/WindowOverlays.h"

namespace ui {

using DWORD = std::uint32_t;

// Styles of a tooltip window.
constexpr DWORD TTS_ALWAYSTIP = 0x01;
constexpr DWORD TTS_NOPREFIX = 0x02;
constexpr DWORD TTS_BALLOON = 0x40;
// Extended window style of a window drawn with one constant alpha.
constexpr DWORD WS_EX_LAYERED = 0x00080000;

// Messages a tooltip answers.
constexpr UINT TTM_SETDELAYTIME = WM_USER + 3;      // wParam TTDT_ kind, lParam milliseconds (-1: default)
constexpr UINT TTM_SETTIPBKCOLOR = WM_USER + 19;    // wParam RGB colour
constexpr UINT TTM_SETTIPTEXTCOLOR = WM_USER + 20;  // wParam RGB colour
constexpr UINT TTM_SETMAXTIPWIDTH = WM_USER + 24;   // lParam width (-1: none); answers the old one
constexpr UINT TTM_SETTITLE = WM_USER + 33;         // wParam icon (TTI_), lParam const char* title
constexpr UINT TTM_ADDTOOL = WM_USER + 50;          // lParam const TToolInfo*; answers 1 when added

// Delay kinds of TTM_SETDELAYTIME.
constexpr int TTDT_RESHOW = 1;
constexpr int TTDT_AUTOPOP = 2;
constexpr int TTDT_INITIAL = 3;

// Title icons of TTM_SETTITLE.
constexpr int TTI_NONE = 0;
constexpr int TTI_INFO = 1;
constexpr int TTI_WARNING = 2;
constexpr int TTI_ERROR = 3;

// Tool flags: the tool is a whole window (uId is its handle); the tooltip watches the
// tool's mouse messages itself.
constexpr UINT TTF_IDISHWND = 0x0001;
constexpr UINT TTF_SUBCLASS = 0x0010;

// Notifications sent to the tool's window as WM_NOTIFY.
constexpr int TTN_GETDISPINFO = -530;
constexpr int TTN_SHOW = -521;
constexpr int TTN_POP = -522;

// The text of a tool that is asked for with TTN_GETDISPINFO each time the tip shows.
inline const char* const LPSTR_TEXTCALLBACK = reinterpret_cast<const char*>(static_cast<std::intptr_t>(-1));

struct TToolInfo {
    UINT cbSize = 0;
    UINT uFlags = 0;
    HWND hwnd = 0;
    std::uintptr_t uId = 0;
    rtl::TRect rect;
    void* hinst = nullptr;
    const char* lpszText = nullptr;
    LPARAM lParam = 0;
};

// Header of every WM_NOTIFY record (lParam points at it).
struct TNMHdr {
    HWND hwndFrom = 0;
    std::uintptr_t idFrom = 0;
    int code = 0;
};

// TTN_GETDISPINFO: the tool's window sets lpszText (UTF-8, valid while the tip shows) or
// fills szText.
struct TNMTTDispInfo {
    TNMHdr hdr;
    const char* lpszText = nullptr;
    char szText[80] = {};
    void* hinst = nullptr;
    UINT uFlags = 0;
    LPARAM lParam = 0;
};

// A tooltip window. It is a pop-up owned by a window: the owner's top-level window paints
// it as an overlay, so it never takes input. A tool registered with TTF_SUBCLASS is
// watched through its window procedure: when the mouse rests on the tool for the initial
// delay the tip asks the tool's window for its text and shows near the mouse; it hides
// after the auto-pop delay, when the mouse leaves the tool or a button is pressed.
// Showing again within the reshow delay of hiding waits only that delay.
class TToolTipWindow : public TWinControl {
public:
    // Platform defaults of the three delays, in milliseconds.
    static constexpr int DefaultInitialDelay = 500;
    static constexpr int DefaultReshowDelay = 100;
    static constexpr int DefaultAutoPopDelay = 5000;

    TToolTipWindow(HWND owner, DWORD style, DWORD exStyle = 0);
    ~TToolTipWindow() override;
    std::string ClassName() const override { return "TToolTipWindow"; }

    HWND OwnerWindow() const { return FOwnerWindow; }
    DWORD Style() const { return FStyle; }
    DWORD ExStyle() const { return FExStyle; }
    void SetExStyle(DWORD value);
    // Constant alpha of a layered tooltip (255: opaque); used only with WS_EX_LAYERED.
    std::uint8_t LayeredAlpha() const { return FAlpha; }
    void SetLayeredAlpha(std::uint8_t alpha);

    // Settings the TTM_ messages made.
    int DelayTime(int kind) const;
    int MaxTipWidth() const { return FMaxTipWidth; }
    gfx::TColor TipTextColor() const { return FTextColor; }
    gfx::TColor TipBkColor() const { return FBkColor; }
    int TitleIcon() const { return FTitleIcon; }
    const std::string& Title() const { return FTitle; }
    int ToolCount() const { return static_cast<int>(FTools.size()); }
    const TToolInfo& Tool(int index) const { return FTools[static_cast<std::size_t>(index)].Info; }

    // The tip on the screen and its text.
    bool TipShowing() const { return FOverlay.Visible(); }
    const std::string& TipText() const { return FTipText; }
    const TWindowOverlay& Overlay() const { return FOverlay; }

protected:
    void WndProc(TMessage& Message) override;
    bool TopLevelMayShow() const override { return false; }

private:
    struct TTool {
        TToolInfo Info;
        std::string Text;
    };

    bool AddTool(const TToolInfo& info);
    void Subclass(HWND window);
    void Unsubclass();
    // What the tooltip does with a message of a watched tool window before that window.
    void ToolMessage(HWND window, const TMessage& Message);
    const TTool* ToolAt(HWND window, const rtl::TPoint& clientPoint) const;
    void StartShowTimer(int delay);
    void ShowTip();
    void HideTip();
    void Notify(const TTool& tool, int code, TNMHdr& header);
    void Paint(gfx::TCanvas& canvas) const;
    rtl::TSize TipSize() const;

    HWND FOwnerWindow;
    DWORD FStyle;
    DWORD FExStyle;
    std::uint8_t FAlpha = 255;
    int FInitialDelay = DefaultInitialDelay;
    int FReshowDelay = DefaultReshowDelay;
    int FAutoPopDelay = DefaultAutoPopDelay;
    int FMaxTipWidth = -1;
    gfx::TColor FTextColor = gfx::clInfoText;
    gfx::TColor FBkColor = gfx::clInfoBk;
    int FTitleIcon = TTI_NONE;
    std::string FTitle;
    std::vector<TTool> FTools;
    // The tool windows whose window procedure the tooltip wraps, and what the wrappers
    // call (emptied when the tooltip goes, so a wrapper left behind only passes on).
    std::vector<HWND> FSubclassed;
    std::shared_ptr<std::function<void(HWND, const TMessage&)>> FHook;
    // The tool under the mouse, where the mouse is (screen), and the text shown.
    int FHotTool = -1;
    rtl::TPoint FMouseScreen;
    std::string FTipText;
    std::int64_t FHiddenAt = -1;
    TWindowOverlay FOverlay;
};

}  // namespace ui
