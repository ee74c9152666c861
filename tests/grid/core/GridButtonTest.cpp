// The grid button driven through real mouse and key messages, painted on real pixels.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "grid/core/GridButton.h"
#include "grid/foundation/ExtXPVS.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/FrameControls.h"
#include "platform/gfx/ThemedParts.h"
#include "platform/ui/Forms.h"

namespace {

using grid::TExtGridButton;
using ui::THeadlessBackend;

constexpr gfx::TColor FaceRgb = 0xF0F0F0;  // the button-face system colour

class GridButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(10, 10, 300, 200);
        Form->SetColor(gfx::clWhite);
        Button = AddButton(20, 20);
        Form->Show();
        Paint();
    }
    void TearDown() override { App.reset(); }
    TExtGridButton* AddButton(int x, int y)
    {
        auto* b = new TExtGridButton(Form);
        b->SetParent(Form);
        b->SetBounds(x, y, 60, 24);
        b->OnClick = [this](rtl::TObject* s) { Clicks.push_back(static_cast<TExtGridButton*>(s)); };
        return b;
    }
    void Paint() { Form->PaintPending(); }
    gfx::TColor Pixel(TExtGridButton* b, int x, int y)
    {
        Paint();
        return static_cast<gfx::TColor>(THeadlessBackend::Pixel(b, x, y));
    }
    void Hover(TExtGridButton* b) { THeadlessBackend::MouseMove(b, 30, 12); }
    void Leave() { THeadlessBackend::MouseMove(Form, 250, 150); }

    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    TExtGridButton* Button = nullptr;
    std::vector<TExtGridButton*> Clicks;
};

// A glyph: a red square on a white ground (the bottom-left pixel is the transparent colour).
gfx::TBitmap RedGlyph()
{
    gfx::TBitmap b(8, 8);
    b.SetPixelFormat(gfx::pf24bit);
    b.Canvas().Brush().SetColor(gfx::clWhite);
    b.Canvas().FillRect(rtl::Rect(0, 0, 8, 8));
    b.Canvas().Brush().SetColor(gfx::clRed);
    b.Canvas().FillRect(rtl::Rect(2, 2, 6, 6));
    return b;
}

TEST(GridButtonDefaultsTest, NewButtonHasItsInitialValues)
{
    TExtGridButton b(nullptr);
    EXPECT_EQ(b.Width(), 23);
    EXPECT_EQ(b.Height(), 22);
    EXPECT_EQ(b.Color(), gfx::clBtnFace);
    EXPECT_TRUE(b.Flat());
    EXPECT_TRUE(b.Shaded());
    EXPECT_TRUE(b.ShowCaption());
    EXPECT_TRUE(b.Transparent());
    EXPECT_EQ(b.Spacing(), 4);
    EXPECT_EQ(b.Margin(), -1);
    EXPECT_EQ(b.ColorHot(), gfx::TColor(0xCAC7C7));
    EXPECT_EQ(b.ColorDown(), gfx::TColor(0xD8D3D2));
    EXPECT_EQ(b.ColorChecked(), gfx::TColor(0x808080));
    EXPECT_EQ(b.ColorTo(), gfx::clNone);
    EXPECT_EQ(b.BorderColor(), gfx::clNone);
    EXPECT_EQ(b.Style(), grid::tasButton);
    EXPECT_EQ(b.State(), grid::bsUp);
    EXPECT_EQ(b.Layout(), grid::blGlyphLeft);
    EXPECT_TRUE(b.ParentFont());
    EXPECT_TRUE(b.ControlStyle() & ui::csCaptureMouse);
    EXPECT_FALSE(b.ControlStyle() & ui::csClickEvents);
}

// --- mouse and click ---

TEST_F(GridButtonTest, ClickRaisesOnClickAndAPlainButtonNeverStaysDown)
{
    THeadlessBackend::Click(Button, 10, 10);
    ASSERT_EQ(Clicks.size(), 1u);
    EXPECT_EQ(Clicks[0], Button);
    EXPECT_FALSE(Button->Down());
    EXPECT_EQ(Button->State(), grid::bsUp);
    Button->SetDown(true);
    EXPECT_FALSE(Button->Down());
}

TEST_F(GridButtonTest, PressFollowsThePointerAndAReleaseOutsideDoesNotClick)
{
    THeadlessBackend::MouseDown(Button, 10, 10);
    EXPECT_EQ(Button->State(), grid::bsDown);
    THeadlessBackend::MouseMove(Button, 100, 10);
    EXPECT_EQ(Button->State(), grid::bsUp);
    THeadlessBackend::MouseMove(Button, 10, 10);
    EXPECT_EQ(Button->State(), grid::bsDown);
    THeadlessBackend::MouseUp(Button, 100, 10);
    EXPECT_TRUE(Clicks.empty());
    EXPECT_EQ(Button->State(), grid::bsUp);
}

// Flat look: the face is Color, ColorHot while hovered, ColorDown while pressed.
TEST_F(GridButtonTest, FlatFaceShowsNormalHotAndPressedColours)
{
    int entered = 0, left = 0;
    Button->OnMouseEnter = [&](rtl::TObject*) { ++entered; };
    Button->OnMouseLeave = [&](rtl::TObject*) { ++left; };
    EXPECT_EQ(Pixel(Button, 30, 12), FaceRgb);
    Hover(Button);
    EXPECT_TRUE(Button->MouseInControl());
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(Pixel(Button, 30, 12), gfx::TColor(0xCAC7C7));
    THeadlessBackend::MouseDown(Button, 30, 12);
    EXPECT_EQ(Pixel(Button, 30, 12), gfx::TColor(0xD8D3D2));
    THeadlessBackend::MouseUp(Button, 30, 12);
    EXPECT_EQ(Pixel(Button, 30, 12), gfx::TColor(0xCAC7C7));
    Leave();
    EXPECT_FALSE(Button->MouseInControl());
    EXPECT_EQ(left, 1);
    EXPECT_EQ(Pixel(Button, 30, 12), FaceRgb);
}

TEST_F(GridButtonTest, DisabledButtonIgnoresClicksAndShowsItsGreyGlyph)
{
    Button->SetGlyph(RedGlyph());
    // Red 255, 0, 0 becomes ((255 + 0 + 0) div 3) div 2 + 96 = 138.
    const gfx::TColor grey = gfx::RGB(138, 138, 138);
    const int gx = (60 - 8 + 1) / 2 + 1 + 3, gy = (24 - 8 + 1) / 2 + 1 + 3;  // a red pixel of the centred glyph
    EXPECT_EQ(Pixel(Button, gx, gy), gfx::clRed);
    Button->SetEnabled(false);
    THeadlessBackend::Click(Button, 10, 10);
    EXPECT_TRUE(Clicks.empty());
    EXPECT_EQ(Pixel(Button, gx, gy), grey);
    EXPECT_EQ(Button->State(), grid::bsDisabled);
    Button->SetEnabled(true);
    EXPECT_EQ(Pixel(Button, gx, gy), gfx::clRed);
    EXPECT_EQ(Button->State(), grid::bsUp);
}

TEST_F(GridButtonTest, GroupedButtonsStayDownOneAtATime)
{
    TExtGridButton* second = AddButton(100, 20);
    Button->SetGroupIndex(1);
    second->SetGroupIndex(1);
    THeadlessBackend::Click(Button, 10, 10);
    EXPECT_TRUE(Button->Down());
    EXPECT_EQ(Button->State(), grid::bsExclusive);
    THeadlessBackend::Click(second, 10, 10);
    EXPECT_TRUE(second->Down());
    EXPECT_FALSE(Button->Down());
    EXPECT_EQ(Button->State(), grid::bsUp);
    // Without AllowAllUp the down button stays down when clicked again.
    THeadlessBackend::Click(second, 10, 10);
    EXPECT_TRUE(second->Down());
    EXPECT_EQ(Clicks.size(), 3u);
    // AllowAllUp passes to the group; then the down button comes up.
    Button->SetAllowAllUp(true);
    EXPECT_TRUE(second->AllowAllUp());
    THeadlessBackend::Click(second, 10, 10);
    EXPECT_FALSE(second->Down());
    // A down exclusive button that is not hovered shows ColorChecked.
    second->SetDown(true);
    Leave();
    EXPECT_EQ(Pixel(second, 30, 12), gfx::TColor(0x808080));
}

TEST_F(GridButtonTest, CheckButtonTogglesOnClicksInsideAndKeepsItOutside)
{
    Button->SetStyle(grid::tasCheck);
    THeadlessBackend::Click(Button, 10, 10);
    EXPECT_TRUE(Button->Down());
    THeadlessBackend::MouseDown(Button, 10, 10);
    THeadlessBackend::MouseUp(Button, 100, 10);
    EXPECT_TRUE(Button->Down());
    THeadlessBackend::Click(Button, 10, 10);
    EXPECT_FALSE(Button->Down());
    EXPECT_EQ(Clicks.size(), 2u);
    Button->SetDown(true);
    Leave();
    EXPECT_EQ(Pixel(Button, 30, 12), gfx::TColor(0x808080));
}

TEST_F(GridButtonTest, DropDownPartRaisesOnDropDownInsteadOfAClick)
{
    int dropped = 0;
    Button->SetDropDownButton(true);
    Button->OnDropDown = [&](rtl::TObject*) { ++dropped; };
    THeadlessBackend::Click(Button, 55, 10);
    EXPECT_EQ(dropped, 1);
    EXPECT_TRUE(Clicks.empty());
    THeadlessBackend::Click(Button, 10, 10);
    EXPECT_EQ(Clicks.size(), 1u);
    EXPECT_EQ(dropped, 1);
}

TEST_F(GridButtonTest, AcceleratorOfTheCaptionClicks)
{
    Button->SetCaption("&Find");
    EXPECT_EQ(Form->Perform(ui::CM_DIALOGCHAR, 'g', 0), 0);
    EXPECT_TRUE(Clicks.empty());
    EXPECT_NE(Form->Perform(ui::CM_DIALOGCHAR, 'f', 0), 0);
    EXPECT_EQ(Clicks.size(), 1u);
}

TEST_F(GridButtonTest, DoubleClickFiresOnlyWhileDown)
{
    int doubles = 0;
    Button->OnDblClick = [&](rtl::TObject*) { ++doubles; };
    Button->SetGroupIndex(2);
    Button->SetAllowAllUp(true);
    THeadlessBackend::Click(Button, 10, 10);  // goes down
    THeadlessBackend::Click(Button, 10, 10);  // double click while down
    EXPECT_EQ(doubles, 1);
}

// --- properties ---

TEST_F(GridButtonTest, MarginBelowMinusOneIsRefused)
{
    Button->SetMargin(3);
    Button->SetMargin(-2);
    EXPECT_EQ(Button->Margin(), 3);
    Button->SetMargin(-1);
    EXPECT_EQ(Button->Margin(), -1);
}

TEST_F(GridButtonTest, LooksSetTheirColoursAndOtherValuesChangeNone)
{
    Button->SetLook(3);
    EXPECT_EQ(Button->Look(), 3);
    EXPECT_EQ(Button->Color(), gfx::TColor(0xCFF0EA));
    EXPECT_EQ(Button->ColorTo(), gfx::TColor(0x8CC0B1));
    EXPECT_EQ(Button->ColorCheckedTo(), gfx::TColor(0x55ADFF));
    EXPECT_EQ(Button->BorderHotColor(), gfx::TColor(0x000000));
    EXPECT_EQ(Button->BorderColor(), gfx::clNone);
    EXPECT_FALSE(Button->Rounded());
    Button->SetLook(7);
    EXPECT_EQ(Button->Look(), 7);
    EXPECT_EQ(Button->Color(), gfx::TColor(0xCFF0EA));
    Button->SetFlat(false);
    Button->SetLook(0);
    EXPECT_TRUE(Button->Rounded());
    EXPECT_TRUE(Button->Flat());
    EXPECT_EQ(Button->BorderDownColor(), gfx::TColor(0xAF987A));
    Button->SetLook(5);
    EXPECT_EQ(Button->ColorHot(), gfx::clBtnFace);
    EXPECT_EQ(Button->BorderHotColor(), gfx::clNone);
}

// With a gradient look the face runs from Color at the top to ColorTo at the bottom.
TEST_F(GridButtonTest, GradientLookPaintsFromColorToColorTo)
{
    Button->SetLook(2);  // 0xFDEADA to 0xE4AE88
    const gfx::TColor top = Pixel(Button, 30, 1);
    const gfx::TColor bottom = Pixel(Button, 30, 21);
    EXPECT_EQ(top, gfx::TColor(0xFDEADA));
    EXPECT_NEAR(static_cast<int>(gfx::GetBValue(bottom)), 0xE4, 6);
    EXPECT_LT(gfx::GetBValue(bottom), gfx::GetBValue(top));
}

TEST_F(GridButtonTest, AutoThemeAdaptFollowsTheVisualStyleScheme)
{
    Button->SetAutoThemeAdapt(true);
    EXPECT_EQ(grid::CurrentXPColorScheme(), 0);
    EXPECT_EQ(Button->Look(), 1);
    gfx::SetThemesActive(true);
    grid::LoadVisualStylesLibrary();
    EXPECT_EQ(grid::CurrentXPColorScheme(), 1);
    Button->Perform(ui::WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(Button->Look(), 2);
    grid::UnloadVisualStylesLibrary();
    gfx::SetThemesActive(false);
}

// --- glyphs ---

TEST_F(GridButtonTest, FirstGlyphMakesTheDisabledGlyphAndTheShadeIsASilhouette)
{
    Button->SetGlyph(RedGlyph());
    const gfx::TBitmap& disabled = Button->GlyphDisabled();
    ASSERT_EQ(disabled.Width(), 8);
    EXPECT_EQ(disabled.ScanLine(3)[3] & 0xFFFFFFu, 0x8A8A8Au);
    EXPECT_EQ(disabled.ScanLine(0)[0] & 0xFFFFFFu, 0xDFDFDFu);  // white: 255 div 2 + 96 = 223
    gfx::TBitmap blue = RedGlyph();
    blue.Canvas().Brush().SetColor(gfx::clBlue);
    blue.Canvas().FillRect(rtl::Rect(2, 2, 6, 6));
    Button->SetGlyph(blue);
    EXPECT_EQ(Button->GlyphDisabled().ScanLine(3)[3] & 0xFFFFFFu, 0x8A8A8Au);

    TExtGridButton loaded(nullptr);
    loaded.SetGlyph(RedGlyph());
    EXPECT_TRUE(loaded.GlyphShade().Empty());
    loaded.Loaded();
    EXPECT_EQ(loaded.GlyphShade().Width(), 8);

    Button->SetShaded(true);
    const gfx::TBitmap& shade = Button->GlyphShade();
    ASSERT_EQ(shade.Width(), 8);
    EXPECT_EQ(shade.ScanLine(3)[3] & 0xFFFFFFu, 0x808080u);
    EXPECT_EQ(shade.ScanLine(0)[0] & 0xFFFFFFu, 0xFFFFFFu);
}

// A hovered glyph lifts by one pixel up and left; the face takes the hot colour.
TEST_F(GridButtonTest, HoveredShadedGlyphLifts)
{
    Button->SetGlyph(RedGlyph());
    Button->SetShaded(true);
    // Content rectangle (2, 2)-(58, 22): the glyph's corner at rest is (26, 8), its red
    // square 28..31 x 10..13.
    EXPECT_EQ(Pixel(Button, 28, 10), gfx::clRed);
    EXPECT_EQ(Pixel(Button, 27, 9), FaceRgb);
    Hover(Button);
    EXPECT_EQ(Pixel(Button, 27, 9), gfx::clRed);
    EXPECT_EQ(Pixel(Button, 30, 12), gfx::clRed);
    EXPECT_EQ(Pixel(Button, 31, 13), gfx::TColor(0xCAC7C7));
}

// Glyph beside the caption at Margin, the caption Spacing further on; hovered, the glyph
// lifts and its grey shade shows 2 pixels right of and below it.
TEST_F(GridButtonTest, GlyphAndCaptionFollowLayoutMarginAndSpacing)
{
    Button->SetGlyph(RedGlyph());
    Button->SetShaded(true);
    Button->SetCaption("Go");
    Button->SetMargin(2);
    Button->SetSpacing(4);
    Leave();
    // Content rectangle (2, 2)-(58, 22): glyph at (4, 8), red square 6..9 x 10..13.
    EXPECT_EQ(Pixel(Button, 6, 10), gfx::clRed);
    EXPECT_EQ(Pixel(Button, 5, 10), FaceRgb);
    auto darkColumns = [&](int from, int to) {
        int dark = 0;
        for (int x = from; x < to; ++x)
            for (int y = 2; y < 22; ++y) {
                const gfx::TColor c = Pixel(Button, x, y);
                dark += gfx::GetRValue(c) < 100 && gfx::GetGValue(c) < 100 && gfx::GetBValue(c) < 100;
            }
        return dark;
    };
    EXPECT_EQ(darkColumns(2, 16), 0);
    EXPECT_GT(darkColumns(16, 40), 0);

    Hover(Button);
    EXPECT_EQ(Pixel(Button, 5, 9), gfx::clRed);
    EXPECT_EQ(Pixel(Button, 10, 14), gfx::TColor(0x808080));

    Button->SetLayout(grid::blGlyphRight);
    Leave();
    EXPECT_EQ(Pixel(Button, 50, 10), gfx::clRed);
    EXPECT_EQ(Pixel(Button, 49, 10), FaceRgb);
    EXPECT_GT(darkColumns(20, 46), 0);
    EXPECT_EQ(darkColumns(2, 20), 0);
}

// --- raised look: classic frame or the themed push button ---

gfx::TBitmap Reference(int w, int h, void (*draw)(gfx::TCanvas&, rtl::TRect))
{
    gfx::TBitmap b(w, h);
    b.SetPixelFormat(gfx::pf24bit);
    draw(b.Canvas(), rtl::Rect(0, 0, w, h));
    return b;
}

TEST_F(GridButtonTest, RaisedButtonDrawsTheClassicFrameOrTheThemedPushButton)
{
    Button->SetFlat(false);
    Button->SetAutoXPStyle(true);
    gfx::TBitmap classic = Reference(60, 24, [](gfx::TCanvas& c, rtl::TRect r) {
        gfx::DrawFrameControl(c, r, gfx::DFC_BUTTON, gfx::DFCS_BUTTONPUSH);
    });
    for (rtl::TPoint p : {rtl::TPoint{0, 0}, rtl::TPoint{59, 23}, rtl::TPoint{1, 12}, rtl::TPoint{30, 22}})
        EXPECT_EQ(Pixel(Button, p.X, p.Y), classic.Canvas().Pixels(p.X, p.Y)) << p.X << "," << p.Y;

    gfx::SetThemesActive(true);
    grid::LoadVisualStylesLibrary();
    gfx::TBitmap themed = Reference(60, 24, [](gfx::TCanvas& c, rtl::TRect r) {
        gfx::DrawThemedPushButton(c, r, gfx::tsNormal);
    });
    gfx::TBitmap themedHot = Reference(60, 24, [](gfx::TCanvas& c, rtl::TRect r) {
        gfx::DrawThemedPushButton(c, r, gfx::tsHot);
    });
    Button->Invalidate();
    for (rtl::TPoint p : {rtl::TPoint{0, 0}, rtl::TPoint{59, 23}, rtl::TPoint{1, 12}, rtl::TPoint{30, 22}})
        EXPECT_EQ(Pixel(Button, p.X, p.Y), themed.Canvas().Pixels(p.X, p.Y)) << p.X << "," << p.Y;
    Hover(Button);
    EXPECT_EQ(Pixel(Button, 30, 3), themedHot.Canvas().Pixels(30, 3));
    grid::UnloadVisualStylesLibrary();
    gfx::SetThemesActive(false);
}

// --- stepped gradient ---

TEST(SteppedGradientTest, BandsStepFromColourToColourAndStayInsideTheRectangle)
{
    gfx::TBitmap b(12, 20);
    b.SetPixelFormat(gfx::pf24bit);
    b.Canvas().Brush().SetColor(gfx::clBlue);
    b.Canvas().FillRect(rtl::Rect(0, 0, 12, 20));
    grid::DrawSteppedGradient(b.Canvas(), gfx::clBlack, gfx::clWhite, false, rtl::Rect(1, 1, 11, 17), 16, gfx::clRed);
    // Band i is 1 pixel high: level round(i × 255 / 16), halves to even (band 8: 127.5 -> 128).
    EXPECT_EQ(b.Canvas().Pixels(5, 2), gfx::RGB(16, 16, 16));
    EXPECT_EQ(b.Canvas().Pixels(5, 9), gfx::RGB(128, 128, 128));
    EXPECT_EQ(b.Canvas().Pixels(5, 15), gfx::RGB(223, 223, 223));
    EXPECT_EQ(b.Canvas().Pixels(0, 5), gfx::clBlue);
    EXPECT_EQ(b.Canvas().Pixels(1, 5), gfx::clRed);   // frame
    EXPECT_EQ(b.Canvas().Pixels(5, 16), gfx::clRed);
    // Without a frame: the last band (239) ends at the rectangle's edge.
    grid::DrawSteppedGradient(b.Canvas(), gfx::clBlack, gfx::clWhite, false, rtl::Rect(1, 1, 11, 17), 16, gfx::clNone);
    EXPECT_EQ(b.Canvas().Pixels(5, 16), gfx::RGB(239, 239, 239));
    EXPECT_EQ(b.Canvas().Pixels(5, 17), gfx::clBlue);

    gfx::TBitmap one(10, 10);
    one.SetPixelFormat(gfx::pf24bit);
    grid::DrawSteppedGradient(one.Canvas(), gfx::clRed, gfx::clWhite, true, rtl::Rect(0, 0, 10, 10), 0, gfx::clNone);
    EXPECT_EQ(one.Canvas().Pixels(9, 9), gfx::clRed);
    grid::DrawSteppedGradient(one.Canvas(), gfx::clBlue, gfx::clWhite, true, rtl::Rect(0, 0, 0, 10), 4, gfx::clNone);
    EXPECT_EQ(one.Canvas().Pixels(0, 0), gfx::clRed);
}

}  // namespace
