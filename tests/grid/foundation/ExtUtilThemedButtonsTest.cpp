// Tests of the button glyph painters (drop-down, push and spin buttons) in each look and state, on real pixels.
#include "grid/foundation/ExtUtilThemedButtons.h"

#include "grid/foundation/ExtXPVS.h"
#include "platform/gfx/ThemedParts.h"
#include "tests/grid/foundation/ExtUtilTestCanvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using namespace grid;
using gfx::RGB;
using gfx::TColor;
using gridtest::Surface;

constexpr TColor Page = 0x808000;  // teal: no look paints it

// A tone set whose every colour is distinct, so each pixel tells which tone drew it.
TColorTones Tones()
{
    TColorTones t;
    t.Background = {0xF0D0A0, 0x203040, 0x1010C0};
    t.Foreground = {0x00FFFF, 0x00FFFE, 0x00FFFD};  // no button painter uses it
    t.Selected = {0x50C050, 0x206020, 0x102010};
    t.Hover = {0xD0A0F0, 0x402030, 0x401010};
    t.Disabled = {0xC8C8C8, 0x787878, 0x585858};
    return t;
}

TColor Rgb(TColor c) { return gfx::ColorToRGB(c); }

// Themes off and the binding released before and after each test.
class ThemedButtons : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset()
    {
        UnloadVisualStylesLibrary();
        gfx::SetThemesActive(false);
    }
    static void ThemesOn()
    {
        gfx::SetThemesActive(true);
        LoadVisualStylesLibrary();
        ASSERT_TRUE(VisualStylesLibraryLoaded());
    }
};

bool SamePixels(const Surface& a, const Surface& b)
{
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.At(x, y) != b.At(x, y)) return false;
    return true;
}

// Rows of `area` holding pixels of `color`: the first and last such row's pixel counts.
struct ArrowRows {
    int FirstCount = 0, LastCount = 0, Pixels = 0;
};
ArrowRows ArrowOf(const Surface& s, const rtl::TRect& area, TColor color)
{
    ArrowRows rows;
    for (int y = area.Top; y < area.Bottom; ++y) {
        const int n = s.CountColor(rtl::Rect(area.Left, y, area.Right, y + 1), color);
        if (n == 0) continue;
        if (rows.Pixels == 0) rows.FirstCount = n;
        rows.LastCount = n;
        rows.Pixels += n;
    }
    return rows;
}

using Painter = std::function<void(gfx::TCanvas&, int look, int state)>;

std::unique_ptr<Surface> Paint(int width, int height, const Painter& paint, int look, int state)
{
    auto s = std::make_unique<Surface>(width, height, Page);
    paint(s->Canvas(), look, state);
    return s;
}

// --- drop-down button -------------------------------------------------------------------

// Rectangle (0, 0, 60, 20): a 17-pixel button from x = 41 to 58, y = 1 to 19.
void Combo(gfx::TCanvas& c, int look, int state) { DrawThemedComboButton(c, 0, rtl::Rect(0, 0, 60, 20), look, state, Tones(), 1.0); }

TEST_F(ThemedButtons, ToneComboButtonTakesTheFaceOfItsStateWithTheBackgroundBorderAndArrow)
{
    const TColorTones t = Tones();
    const TColor faces[] = {t.Background.BrushColor, t.Hover.BrushColor, t.Selected.BrushColor, t.Disabled.BrushColor};
    for (int state = bgsNormal; state <= bgsDisabled; ++state) {
        const auto s = Paint(64, 22, Combo, bglTones, state);
        // The tone look starts 3 pixels right of the button: x = 44 .. 57.
        EXPECT_TRUE(s->UntouchedOutside(rtl::Rect(44, 1, 58, 19), Page)) << state;
        EXPECT_EQ(s->At(44, 10), faces[state]) << state;  // pen in the face colour
        EXPECT_EQ(s->At(56, 3), faces[state]) << state;
        EXPECT_EQ(s->At(57, 18), faces[state]) << state;
        // The border line one pixel inside the left edge, always in the background tone.
        EXPECT_EQ(s->CountColor(rtl::Rect(45, 1, 46, 19), t.Background.BorderColor), 18) << state;
        // The arrow (49, 9), (55, 9), (52, 12) in the background text colour.
        EXPECT_EQ(s->At(52, 9), t.Background.TextColor) << state;
        EXPECT_EQ(s->At(50, 9), t.Background.TextColor) << state;
        EXPECT_EQ(s->At(52, 11), t.Background.TextColor) << state;
        EXPECT_EQ(s->At(52, 13), faces[state]) << state;
        EXPECT_EQ(s->At(48, 9), faces[state]) << state;
        EXPECT_EQ(s->CountColor(rtl::Rect(0, 0, 64, 22), t.Foreground.BrushColor), 0);
        s->Save("extutil_combo_tones_" + std::to_string(state) + ".png");
    }
}

TEST_F(ThemedButtons, ComboButtonWidthFollowsTheScaleRoundedHalfToEven)
{
    struct Case { double scale; int left; };
    // round(17 × 1.5) = round(25.5) = 26; 17 × 2 = 34; 17 × 1.25 = 21.25 → 21.
    const Case cases[] = {{1.0, 41}, {1.5, 32}, {2.0, 24}, {1.25, 37}};
    for (const Case& c : cases) {
        Surface s(64, 22, Page);
        DrawThemedComboButton(s.Canvas(), 0, rtl::Rect(0, 0, 60, 20), bglClassic, bgsNormal, Tones(), c.scale);
        EXPECT_TRUE(s.UntouchedOutside(rtl::Rect(c.left, 1, 58, 19), Page)) << c.scale;
        EXPECT_NE(s.At(c.left, 10), Page) << c.scale;
        EXPECT_NE(s.At(57, 10), Page) << c.scale;
    }
}

TEST_F(ThemedButtons, ClassicAndFlatComboButtonsAreFrameControlsWithADownArrow)
{
    const rtl::TRect button = rtl::Rect(41, 1, 58, 19);
    const auto classic = Paint(64, 22, Combo, bglClassic, bgsNormal);
    EXPECT_TRUE(classic->UntouchedOutside(button, Page));
    EXPECT_EQ(classic->At(41, 10), Rgb(gfx::clBtnHighlight));  // raised edge
    EXPECT_EQ(classic->At(57, 10), Rgb(gfx::cl3DDkShadow));
    EXPECT_EQ(classic->At(44, 4), Rgb(gfx::clBtnFace));
    const rtl::TRect inside = rtl::Rect(43, 3, 56, 17);  // within the 2-pixel edge
    const ArrowRows arrow = ArrowOf(*classic, inside, Rgb(gfx::clBtnText));
    EXPECT_GT(arrow.Pixels, 3);
    EXPECT_EQ(ArrowOf(*classic, button, Rgb(gfx::clBtnText)).Pixels, arrow.Pixels);

    const auto flat = Paint(64, 22, Combo, bglFlat, bgsNormal);
    EXPECT_EQ(flat->At(41, 10), Rgb(gfx::clBtnShadow));  // a one-pixel frame, no 3D edge
    EXPECT_EQ(flat->At(57, 10), Rgb(gfx::clBtnShadow));
    EXPECT_EQ(flat->At(56, 10), Rgb(gfx::clBtnFace));
    EXPECT_GT(ArrowOf(*flat, button, Rgb(gfx::clBtnText)).Pixels, 3);

    // Disabled: the arrow is greyed (shadow with a highlight offset), never in the text colour.
    const auto disabled = Paint(64, 22, Combo, bglClassic, bgsDisabled);
    EXPECT_EQ(ArrowOf(*disabled, button, Rgb(gfx::clBtnText)).Pixels, 0);
    EXPECT_EQ(ArrowOf(*disabled, inside, Rgb(gfx::clBtnShadow)).Pixels, arrow.Pixels);
    // The classic drop-down shows only enabled or disabled: hot and down draw as normal.
    EXPECT_TRUE(SamePixels(*Paint(64, 22, Combo, bglClassic, bgsHot), *classic));
    EXPECT_TRUE(SamePixels(*Paint(64, 22, Combo, bglClassic, bgsDown), *classic));
}

TEST_F(ThemedButtons, ThemedComboButtonShowsOnlyEnabledOrDisabled)
{
    ThemesOn();
    const rtl::TRect button = rtl::Rect(41, 1, 58, 19);
    const auto normal = Paint(64, 22, Combo, bglThemed, bgsNormal);
    EXPECT_TRUE(normal->UntouchedOutside(button, Page));
    EXPECT_EQ(normal->At(43, 3), Rgb(gfx::clWindow));  // the themed drop-down's plain face
    EXPECT_GT(normal->CountColor(button, RGB(0, 0, 0)), 5);  // its arrow
    EXPECT_TRUE(SamePixels(*Paint(64, 22, Combo, bglThemed, bgsHot), *normal));
    EXPECT_TRUE(SamePixels(*Paint(64, 22, Combo, bglThemed, bgsDown), *normal));

    const auto disabled = Paint(64, 22, Combo, bglThemed, bgsDisabled);
    EXPECT_EQ(disabled->At(41, 10), RGB(191, 191, 191));  // disabled border
    EXPECT_EQ(disabled->At(43, 3), RGB(204, 204, 204));   // disabled face
    EXPECT_EQ(disabled->CountColor(button, RGB(0, 0, 0)), 0);
    EXPECT_GT(disabled->CountColor(button, RGB(131, 131, 131)), 5);  // greyed arrow
    normal->Save("extutil_combo_themed.png");
}

// --- push button ------------------------------------------------------------------------

const rtl::TRect ButtonRect = rtl::Rect(2, 2, 62, 26);
void Button(gfx::TCanvas& c, int look, int state) { DrawThemedButton(c, 0, ButtonRect, look, state, Tones(), false, ""); }

TEST_F(ThemedButtons, ToneButtonTakesFaceAndBorderOfItsState)
{
    const TColorTones t = Tones();
    const TColorTone tones[] = {t.Background, t.Hover, t.Selected, t.Disabled};
    for (int state = bgsNormal; state <= bgsDisabled; ++state) {
        const auto s = Paint(64, 28, Button, bglTones, state);
        EXPECT_TRUE(s->UntouchedOutside(ButtonRect, Page)) << state;
        EXPECT_EQ(s->At(2, 2), tones[state].BorderColor) << state;
        EXPECT_EQ(s->At(61, 14), tones[state].BorderColor) << state;
        EXPECT_EQ(s->At(30, 25), tones[state].BorderColor) << state;
        EXPECT_EQ(s->At(30, 14), tones[state].BrushColor) << state;
        EXPECT_EQ(s->At(3, 3), tones[state].BrushColor) << state;
        EXPECT_EQ(s->CountColor(ButtonRect, t.Foreground.BrushColor), 0);
        s->Save("extutil_button_tones_" + std::to_string(state) + ".png");
    }
}

TEST_F(ThemedButtons, ThemedButtonDrawsEachOfItsFourStates)
{
    ThemesOn();
    struct Case { int state; TColor face, border; };
    const Case cases[] = {
        {bgsNormal, RGB(225, 225, 225), RGB(173, 173, 173)},
        {bgsHot, RGB(229, 241, 251), RGB(0, 120, 215)},
        {bgsDown, RGB(204, 228, 247), RGB(0, 84, 153)},
        {bgsDisabled, RGB(204, 204, 204), RGB(191, 191, 191)},
    };
    for (const Case& c : cases) {
        const auto s = Paint(64, 28, Button, bglThemed, c.state);
        EXPECT_TRUE(s->UntouchedOutside(ButtonRect, Page)) << c.state;
        EXPECT_EQ(s->At(2, 14), c.border) << c.state;
        EXPECT_EQ(s->At(61, 25), c.border) << c.state;
        EXPECT_EQ(s->At(30, 14), c.face) << c.state;
    }
}

TEST_F(ThemedButtons, ClassicButtonIsRaisedSunkenWhenDownAndFlatIsFramed)
{
    const auto normal = Paint(64, 28, Button, bglClassic, bgsNormal);
    EXPECT_TRUE(normal->UntouchedOutside(ButtonRect, Page));
    EXPECT_EQ(normal->At(2, 14), Rgb(gfx::clBtnHighlight));
    EXPECT_EQ(normal->At(61, 14), Rgb(gfx::cl3DDkShadow));
    EXPECT_EQ(normal->At(30, 14), Rgb(gfx::clBtnFace));

    const auto down = Paint(64, 28, Button, bglClassic, bgsDown);
    EXPECT_EQ(down->At(2, 14), Rgb(gfx::clBtnShadow));  // sunken
    EXPECT_EQ(down->At(61, 14), Rgb(gfx::clBtnHighlight));
    EXPECT_EQ(down->At(30, 14), Rgb(gfx::clBtnFace));

    const auto flat = Paint(64, 28, Button, bglFlat, bgsNormal);
    EXPECT_EQ(flat->At(2, 14), Rgb(gfx::clBtnShadow));
    EXPECT_EQ(flat->At(61, 14), Rgb(gfx::clBtnShadow));
    EXPECT_EQ(flat->At(3, 14), Rgb(gfx::clBtnFace));
}

TEST_F(ThemedButtons, ThemedLookWithoutVisualStylesDrawsTheClassicGlyph)
{
    // Sound behaviour: look 0 with the visual-styles library absent falls back to the
    // classic frame control instead of calling an unbound entry or drawing nothing.
    ASSERT_FALSE(VisualStylesLibraryLoaded());
    for (int state = bgsNormal; state <= bgsDisabled; ++state) {
        EXPECT_TRUE(SamePixels(*Paint(64, 28, Button, bglThemed, state), *Paint(64, 28, Button, bglClassic, state)));
        EXPECT_TRUE(SamePixels(*Paint(64, 22, Combo, bglThemed, state), *Paint(64, 22, Combo, bglClassic, state)));
    }
    // Loaded but switched off afterwards: no theme class opens, the classic glyph is drawn.
    gfx::SetThemesActive(true);
    LoadVisualStylesLibrary();
    gfx::SetThemesActive(false);
    EXPECT_TRUE(SamePixels(*Paint(64, 28, Button, bglThemed, bgsHot), *Paint(64, 28, Button, bglClassic, bgsHot)));
}

TEST_F(ThemedButtons, ButtonCaptionIsCentredInTheCanvasFontWithOrWithoutPrefix)
{
    auto caption = [](int look, bool prefix, const std::string& text) {
        auto s = std::make_unique<Surface>(64, 28, Page);
        s->Canvas().Font().SetColor(0x0000FF);
        DrawThemedButton(s->Canvas(), 0, ButtonRect, look, bgsNormal, Tones(), prefix, text);
        return s;
    };
    const auto ok = caption(bglTones, true, "OK");
    const rtl::TRect inner = rtl::Rect(3, 6, 61, 23);  // shrunk by 4 at the top, 3 at the bottom
    const int red = ok->Count(inner, gridtest::Reddish);
    EXPECT_GT(red, 10);
    EXPECT_EQ(ok->Count(ButtonRect, gridtest::Reddish), red);
    EXPECT_EQ(ok->Count(rtl::Rect(3, 3, 24, 25), gridtest::Reddish), 0);  // centred: the left
    EXPECT_EQ(ok->Count(rtl::Rect(40, 3, 61, 25), gridtest::Reddish), 0);  // and right stay clear
    EXPECT_EQ(ok->At(10, 14), Tones().Background.BrushColor);             // clear brush: face kept

    // Without the prefix flag "&" is a plain character; with it, "&&" stands for one "&".
    EXPECT_TRUE(SamePixels(*caption(bglTones, false, "A&B"), *caption(bglTones, true, "A&&B")));
    EXPECT_FALSE(SamePixels(*caption(bglTones, false, "A&B"), *caption(bglTones, true, "A&B")));
    // The caption is drawn over every look.
    const auto themed = caption(bglClassic, true, "OK");
    EXPECT_GT(themed->Count(inner, gridtest::Reddish), 10);
    ok->Save("extutil_button_caption.png");
}

// --- spin buttons -----------------------------------------------------------------------

// Rectangle (0, 2, 40, 24): strip x 24 .. 39, y 1 .. 23; upper button to y = 12.
const rtl::TRect SpinStrip = rtl::Rect(24, 1, 39, 23);
const rtl::TRect SpinUp = rtl::Rect(24, 1, 39, 12);
const rtl::TRect SpinDown = rtl::Rect(24, 12, 39, 23);
void Spin(gfx::TCanvas& c, int look, int state) { DrawThemedSpinButtons(c, 0, rtl::Rect(0, 2, 40, 24), look, state, Tones()); }

TEST_F(ThemedButtons, ToneSpinButtonsTakeTheFaceOfTheirStateWithBlackArrows)
{
    const TColorTones t = Tones();
    const TColor faces[] = {t.Background.BrushColor, t.Hover.BrushColor, t.Selected.BrushColor, t.Disabled.BrushColor};
    for (int state = bgsNormal; state <= bgsDisabled; ++state) {
        const auto s = Paint(44, 26, Spin, bglTones, state);
        EXPECT_TRUE(s->UntouchedOutside(SpinStrip, Page)) << state;
        EXPECT_EQ(s->At(24, 1), faces[state]) << state;
        EXPECT_EQ(s->At(38, 22), faces[state]) << state;
        EXPECT_EQ(s->At(36, 8), faces[state]) << state;
        // Up arrow (29, 6), (33, 6), (31, 4); down arrow (29, 15), (33, 15), (31, 17).
        EXPECT_EQ(s->At(31, 4), gfx::clBlack) << state;
        EXPECT_EQ(s->At(29, 6), gfx::clBlack) << state;
        EXPECT_EQ(s->At(33, 6), gfx::clBlack) << state;
        EXPECT_EQ(s->At(31, 17), gfx::clBlack) << state;
        EXPECT_EQ(s->At(29, 15), gfx::clBlack) << state;
        const ArrowRows up = ArrowOf(*s, SpinUp, gfx::clBlack);
        const ArrowRows down = ArrowOf(*s, SpinDown, gfx::clBlack);
        EXPECT_LT(up.FirstCount, up.LastCount) << state;
        EXPECT_GT(down.FirstCount, down.LastCount) << state;
        EXPECT_EQ(up.Pixels, down.Pixels) << state;
        EXPECT_EQ(s->CountColor(SpinStrip, t.Foreground.BrushColor), 0);
        s->Save("extutil_spin_tones_" + std::to_string(state) + ".png");
    }
}

TEST_F(ThemedButtons, ClassicSpinButtonsAreTwoFrameControlsWithUpAndDownArrows)
{
    for (int look : {bglClassic, bglFlat}) {
        const auto s = Paint(44, 26, Spin, look, bgsNormal);
        EXPECT_TRUE(s->UntouchedOutside(SpinStrip, Page)) << look;
        const TColor topLeft = look == bglFlat ? Rgb(gfx::clBtnShadow) : Rgb(gfx::clBtnHighlight);
        EXPECT_EQ(s->At(24, 5), topLeft) << look;   // upper button's left edge
        EXPECT_EQ(s->At(24, 16), topLeft) << look;  // lower button's left edge
        EXPECT_EQ(s->At(30, 12), topLeft) << look;  // the lower button's top edge at mid-height
        const ArrowRows up = ArrowOf(*s, SpinUp, Rgb(gfx::clBtnText));
        const ArrowRows down = ArrowOf(*s, SpinDown, Rgb(gfx::clBtnText));
        EXPECT_GT(up.Pixels, 3) << look;
        // The two arrows are mirror images of each other (one up, one down).
        EXPECT_NE(up.FirstCount, up.LastCount) << look;
        EXPECT_EQ(up.FirstCount, down.LastCount) << look;
        EXPECT_EQ(up.LastCount, down.FirstCount) << look;
    }
    const auto disabled = Paint(44, 26, Spin, bglClassic, bgsDisabled);
    EXPECT_EQ(disabled->CountColor(SpinStrip, Rgb(gfx::clBtnText)), 0);
    EXPECT_GT(ArrowOf(*disabled, SpinUp, Rgb(gfx::clBtnShadow)).Pixels, 3);
}

TEST_F(ThemedButtons, ThemedSpinButtonsShowOnlyEnabledOrDisabled)
{
    ThemesOn();
    const auto normal = Paint(44, 26, Spin, bglThemed, bgsNormal);
    EXPECT_TRUE(normal->UntouchedOutside(SpinStrip, Page));
    EXPECT_EQ(normal->At(24, 5), RGB(173, 173, 173));
    EXPECT_EQ(normal->At(24, 16), RGB(173, 173, 173));
    EXPECT_EQ(normal->At(26, 3), RGB(225, 225, 225));
    const ArrowRows up = ArrowOf(*normal, SpinUp, RGB(0, 0, 0));
    const ArrowRows down = ArrowOf(*normal, SpinDown, RGB(0, 0, 0));
    EXPECT_GT(up.Pixels, 3);
    EXPECT_EQ(up.Pixels, down.Pixels);
    EXPECT_TRUE(SamePixels(*Paint(44, 26, Spin, bglThemed, bgsHot), *normal));
    EXPECT_TRUE(SamePixels(*Paint(44, 26, Spin, bglThemed, bgsDown), *normal));

    const auto disabled = Paint(44, 26, Spin, bglThemed, bgsDisabled);
    EXPECT_EQ(disabled->At(24, 5), RGB(191, 191, 191));
    EXPECT_EQ(disabled->At(26, 3), RGB(204, 204, 204));
    EXPECT_EQ(disabled->CountColor(SpinStrip, RGB(0, 0, 0)), 0);
    normal->Save("extutil_spin_themed.png");
}

}  // namespace
