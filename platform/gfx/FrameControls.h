// Classic 3D edges and frame controls (buttons, check marks, arrows) drawn on a canvas.
#pragma once

#include "platform/rtl/Types.h"

namespace gfx {

class TCanvas;

// Edge kinds and border flags of DrawEdge, with the platform's values.
constexpr unsigned BDR_RAISEDOUTER = 0x0001;
constexpr unsigned BDR_SUNKENOUTER = 0x0002;
constexpr unsigned BDR_RAISEDINNER = 0x0004;
constexpr unsigned BDR_SUNKENINNER = 0x0008;
constexpr unsigned BDR_OUTER = 0x0003;
constexpr unsigned BDR_INNER = 0x000C;
constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr unsigned BF_LEFT = 0x0001;
constexpr unsigned BF_TOP = 0x0002;
constexpr unsigned BF_RIGHT = 0x0004;
constexpr unsigned BF_BOTTOM = 0x0008;
constexpr unsigned BF_TOPLEFT = BF_TOP | BF_LEFT;
constexpr unsigned BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr unsigned BF_MIDDLE = 0x0800;
constexpr unsigned BF_SOFT = 0x1000;
constexpr unsigned BF_ADJUST = 0x2000;
constexpr unsigned BF_FLAT = 0x4000;
constexpr unsigned BF_MONO = 0x8000;

// Frame control types and states of DrawFrameControl.
constexpr unsigned DFC_CAPTION = 1;
constexpr unsigned DFC_MENU = 2;
constexpr unsigned DFC_SCROLL = 3;
constexpr unsigned DFC_BUTTON = 4;
constexpr unsigned DFCS_BUTTONCHECK = 0x0000;
constexpr unsigned DFCS_BUTTONRADIO = 0x0004;
constexpr unsigned DFCS_BUTTON3STATE = 0x0008;
constexpr unsigned DFCS_BUTTONPUSH = 0x0010;
constexpr unsigned DFCS_SCROLLUP = 0x0000;
constexpr unsigned DFCS_SCROLLDOWN = 0x0001;
constexpr unsigned DFCS_SCROLLLEFT = 0x0002;
constexpr unsigned DFCS_SCROLLRIGHT = 0x0003;
constexpr unsigned DFCS_SCROLLCOMBOBOX = 0x0005;
constexpr unsigned DFCS_INACTIVE = 0x0100;
constexpr unsigned DFCS_PUSHED = 0x0200;
constexpr unsigned DFCS_CHECKED = 0x0400;
constexpr unsigned DFCS_HOT = 0x1000;
constexpr unsigned DFCS_ADJUSTRECT = 0x2000;
constexpr unsigned DFCS_FLAT = 0x4000;
constexpr unsigned DFCS_MONO = 0x8000;

// Draws the edges of a rectangle in the system's 3D colours; with BF_ADJUST the rectangle
// shrinks by the edges drawn. Returns false for a flag set it does not know.
bool DrawEdge(TCanvas& canvas, rtl::TRect& rect, unsigned edge, unsigned flags);
// Draws a push button, check box, radio button or scroll/combo arrow button in the classic look.
bool DrawFrameControl(TCanvas& canvas, rtl::TRect& rect, unsigned type, unsigned state);
// A filled arrow triangle pointing up, down, left or right (DFCS_SCROLL… direction),
// centred in the rectangle, in the given colour.
void DrawArrowGlyph(TCanvas& canvas, const rtl::TRect& rect, unsigned direction, int color);

}  // namespace gfx
