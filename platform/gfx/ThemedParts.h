// Visual styles: the switch that turns them on, and our painter for the themed parts.
#pragma once

#include <string>

#include "platform/rtl/Types.h"

namespace gfx {

class TCanvas;

// Visual styles report themselves inactive unless switched on (tests switch them on to
// exercise the themed drawing paths).
bool ThemesActive();
void SetThemesActive(bool active);

// Part and state numbers of the themed classes the program draws, with the platform's values.
constexpr int BP_PUSHBUTTON = 1, BP_RADIOBUTTON = 2, BP_CHECKBOX = 3;
constexpr int PBS_NORMAL = 1, PBS_HOT = 2, PBS_PRESSED = 3, PBS_DISABLED = 4, PBS_DEFAULTED = 5;
constexpr int CBS_UNCHECKEDNORMAL = 1, CBS_CHECKEDNORMAL = 5, CBS_MIXEDNORMAL = 9;  // +1 hot, +2 pressed, +3 disabled
constexpr int RBS_UNCHECKEDNORMAL = 1, RBS_CHECKEDNORMAL = 5;                       // +1 hot, +2 pressed, +3 disabled
constexpr int CP_DROPDOWNBUTTON = 1, CP_DROPDOWNBUTTONRIGHT = 6;
constexpr int CBXS_NORMAL = 1, CBXS_HOT = 2, CBXS_PRESSED = 3, CBXS_DISABLED = 4;
constexpr int SPNP_UP = 1, SPNP_DOWN = 2;
constexpr int UPS_NORMAL = 1, UPS_HOT = 2, UPS_PRESSED = 3, UPS_DISABLED = 4;
constexpr int HP_HEADERITEM = 1, HP_HEADERITEMRIGHT = 3;
constexpr int HIS_NORMAL = 1, HIS_HOT = 2, HIS_PRESSED = 3;

// A theme handle for a class list ("button", "combobox", "spin", "header"); null when
// themes are inactive or the class is not one we paint.
using HTHEME = struct TThemeClass*;
HTHEME OpenThemeData(const std::string& classList);
void CloseThemeData(HTHEME theme);
// Draws the part in the state into the rectangle; false for a part the class lacks.
bool DrawThemeBackground(HTHEME theme, TCanvas& canvas, int part, int state, const rtl::TRect& rect);

// The painters behind DrawThemeBackground. State: 0 normal, 1 hot, 2 pressed, 3 disabled.
enum TThemedState { tsNormal, tsHot, tsPressed, tsDisabled };
void DrawThemedPushButton(TCanvas& canvas, const rtl::TRect& rect, TThemedState state);
// checkState: 0 unchecked, 1 checked, 2 mixed.
void DrawThemedCheckBox(TCanvas& canvas, const rtl::TRect& rect, TThemedState state, int checkState);
void DrawThemedRadioButton(TCanvas& canvas, const rtl::TRect& rect, TThemedState state, bool checked);
void DrawThemedComboButton(TCanvas& canvas, const rtl::TRect& rect, TThemedState state);
void DrawThemedSpinButton(TCanvas& canvas, const rtl::TRect& rect, bool up, TThemedState state);
void DrawThemedHeaderItem(TCanvas& canvas, const rtl::TRect& rect, TThemedState state);

}  // namespace gfx
