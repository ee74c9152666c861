// Window scroll bars: range, page, position and thumb tracking, set and read through the handle.
#pragma once

#include "platform/ui/Messages.h"

namespace ui {

constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_CTL = 2;
constexpr int SB_BOTH = 3;

constexpr UINT SIF_RANGE = 0x0001;
constexpr UINT SIF_PAGE = 0x0002;
constexpr UINT SIF_POS = 0x0004;
constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
constexpr UINT SIF_TRACKPOS = 0x0010;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

struct SCROLLINFO {
    UINT cbSize = sizeof(SCROLLINFO);
    UINT fMask = 0;
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};

// One scroll bar of a window. It shows while the range is wider than the page
// (or always, after SIF_DISABLENOSCROLL), unless hidden with ShowScrollBar.
struct TScrollBarState {
    int Min = 0;
    int Max = 0;
    UINT Page = 0;
    int Pos = 0;
    int TrackPos = 0;
    bool Tracking = false;
    bool Shown = false;
    bool Enabled = true;
};

// Returns the new position.
int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO& info, bool redraw);
bool GetScrollInfo(HWND hwnd, int bar, SCROLLINFO& info);
int SetScrollPos(HWND hwnd, int bar, int pos, bool redraw);
int GetScrollPos(HWND hwnd, int bar);
bool SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, bool redraw);
bool GetScrollRange(HWND hwnd, int bar, int& minPos, int& maxPos);
bool ShowScrollBar(HWND hwnd, int bar, bool show);
bool EnableScrollBar(HWND hwnd, int bar, bool enable);

}  // namespace ui
