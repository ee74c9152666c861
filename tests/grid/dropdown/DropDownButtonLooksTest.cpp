// The looks of the drop-down button on painted pixels: glyph, themed arrow per state, and the
// push-button look themed, flat with a raised or etched edge, and classic.
#include <gtest/gtest.h>

#include <memory>

#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/DropDownRoutines.h"
#include "grid/dropdown/ExtDropDownEdit.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/ThemedParts.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrlsEdit.h"
#include "tests/grid/dropdown/HeadlessFormFixture.h"

namespace {

using namespace grid;
using gfx::RGB;
using ui::THeadlessBackend;

constexpr gfx::TColor Red = 0x0000FF;

// An 8 x 8 glyph: white around a red 4 x 4 square (white is its transparent colour).
std::unique_ptr<gfx::TBitmap> MakeGlyph()
{
    auto glyph = std::make_unique<gfx::TBitmap>(8, 8);
    gfx::TCanvas& c = glyph->Canvas();
    c.Brush().SetColor(gfx::clWhite);
    c.FillRect(rtl::Rect(0, 0, 8, 8));
    c.Brush().SetColor(Red);
    c.FillRect(rtl::Rect(2, 2, 6, 6));
    return glyph;
}

class DropDownButtonLooksTest : public dropdowntest::HeadlessFormTest {
protected:
    void SetUp() override
    {
        StartForm(400, 300);
        Edit = new TExtDropDown(Form);
        Edit->SetParent(Form);
        Edit->SetBounds(10, 10, 150, 21);
        Form->Show();
        App->ActivateForm(Form);
        Button = Edit->Button();
    }
    void TearDown() override
    {
        gfx::SetThemesActive(false);
        HeadlessFormTest::TearDown();
    }
    gfx::TColor Pixel(int x, int y)
    {
        Button->Invalidate();
        App->ProcessMessages();
        return static_cast<gfx::TColor>(THeadlessBackend::Pixel(Button, x, y));
    }

    TExtDropDown* Edit = nullptr;
    TDropDownEditButton* Button = nullptr;
};

TEST_F(DropDownButtonLooksTest, AGlyphReplacesTheArrowOnAFramedFaceAndIsCopiedByAssign)
{
    ASSERT_EQ(Button->Width(), 16);
    ASSERT_EQ(Button->Height(), 17);
    const gfx::TColor face = gfx::ColorToRGB(gfx::clBtnFace);
    EXPECT_EQ(Pixel(3, 12), face);
    EXPECT_EQ(Pixel(8, 8), 0x000000u) << "the classic arrow";

    auto glyph = MakeGlyph();
    Edit->SetDropDownButtonGlyph(glyph.get());
    // Centred: the glyph covers 4..11 x 4..11, its red square 6..9 x 6..9.
    EXPECT_EQ(Pixel(0, 0), 0x808080u) << "grey outline";
    EXPECT_EQ(Pixel(7, 7), Red);
    EXPECT_EQ(Pixel(4, 4), face) << "the glyph's white is transparent";
    EXPECT_EQ(Pixel(8, 9), Red) << "no arrow is drawn over the glyph";

    auto* copy = new TExtDropDown(Form);
    copy->SetParent(Form);
    copy->SetBounds(10, 60, 150, 21);
    Edit->SetEtched(true);
    copy->Assign(Edit);
    EXPECT_EQ(copy->DropDownButtonGlyph().Width(), 8);
    EXPECT_TRUE(copy->Etched());
    App->ProcessMessages();
    EXPECT_EQ(static_cast<gfx::TColor>(THeadlessBackend::Pixel(copy->Button(), 7, 7)), Red);
}

TEST_F(DropDownButtonLooksTest, TheThemedArrowFollowsHoverTheOpenPopupAndTheDisabledState)
{
    gfx::SetThemesActive(true);
    // Our profile answers the newest system: the right-hand drop-down part on the window colour.
    EXPECT_TRUE(IsWindows10());
    EXPECT_EQ(Pixel(3, 3), gfx::ColorToRGB(gfx::clWindow)) << "normal";
    THeadlessBackend::MouseMove(Button, 5, 5);
    ASSERT_TRUE(Button->Hot());
    EXPECT_EQ(Pixel(3, 3), RGB(229, 241, 251)) << "hot";
    EXPECT_EQ(Pixel(1, 3), RGB(0, 120, 215)) << "hot border";
    THeadlessBackend::MouseMove(Form, 300, 200);
    Edit->ShowDropDown();
    ASSERT_TRUE(Edit->DroppedDown());
    EXPECT_EQ(Pixel(3, 3), RGB(204, 228, 247)) << "pressed while the pop-up is open";
    Edit->HideDropDown(false);
    Edit->SetDropDownEnabled(false);
    EXPECT_EQ(Pixel(3, 3), RGB(204, 204, 204)) << "disabled";
    Edit->SetDropDownEnabled(true);
    Edit->SetReadOnly(true);
    EXPECT_EQ(Pixel(3, 3), RGB(204, 204, 204)) << "a read-only edit disables the themed arrow";
}

TEST_F(DropDownButtonLooksTest, PushButtonLookThemedFlatEtchedAndClassic)
{
    Button->SetButtonStyle(bsButton);
    Button->SetCaption("..");
    gfx::SetThemesActive(true);
    EXPECT_EQ(Pixel(2, 2), RGB(225, 225, 225)) << "themed push button, normal";
    EXPECT_EQ(Pixel(0, 5), RGB(173, 173, 173)) << "its border";
    THeadlessBackend::MouseDown(Button, 5, 5);
    EXPECT_EQ(Pixel(2, 2), RGB(204, 228, 247)) << "pressed";
    THeadlessBackend::MouseUp(Button, 5, 5);
    EXPECT_TRUE(Edit->DroppedDown()) << "the push-button look opens the pop-up too";
    Edit->HideDropDown(false);

    gfx::SetThemesActive(false);
    Button->SetCaption("");
    auto glyph = MakeGlyph();
    Edit->SetDropDownButtonGlyph(glyph.get());
    Edit->SetFlat(true);
    const gfx::TColor face = gfx::ColorToRGB(gfx::clBtnFace);
    // Flat: the glyph inside the face inset by 3, its top-left colour replaced by the face.
    EXPECT_EQ(Pixel(7, 7), Red);
    EXPECT_EQ(Pixel(5, 5), face);
    const gfx::TColor raisedCorner = Pixel(0, 0);
    Edit->SetEtched(true);
    const gfx::TColor etchedCorner = Pixel(0, 0);
    EXPECT_EQ(etchedCorner, gfx::ColorToRGB(gfx::clBtnShadow)) << "an etched edge is sunken outside";
    EXPECT_NE(raisedCorner, etchedCorner);
    EXPECT_EQ(Pixel(1, 1), gfx::ColorToRGB(gfx::clBtnHighlight)) << "and raised inside";

    // Not flat: the classic raised button, sunken while pressed, the glyph moving by (1, 1).
    Edit->SetFlat(false);
    EXPECT_EQ(Pixel(7, 7), Red);
    EXPECT_EQ(Pixel(6, 6), Red);
    THeadlessBackend::MouseDown(Button, 5, 5);
    EXPECT_EQ(Pixel(6, 6), face) << "the glyph moved down and right while pressed";
    EXPECT_EQ(Pixel(10, 10), Red);
    EXPECT_EQ(Pixel(0, 0), gfx::ColorToRGB(gfx::clBtnShadow)) << "sunken";
}

TEST_F(DropDownButtonLooksTest, TheButtonAndTextRectangleFollowTheBorderAndTheEditGrowsToItsFont)
{
    struct Case {
        const char* name;
        int border;
        bool flat;
        rtl::TRect button;    // client coordinates of the edit
        rtl::TRect editRect;  // the text rectangle
    };
    // A 150 x 21 edit: 146 x 17 inside a 2-pixel border, 150 x 21 without one.
    const Case cases[] = {
        {"border", 2, false, rtl::Rect(130, 0, 146, 17), rtl::Rect(1, 1, 127, 18)},
        {"border, flat", 2, true, rtl::Rect(131, 2, 147, 20), rtl::Rect(1, 1, 127, 18)},
        {"no border", 0, false, rtl::Rect(134, 1, 150, 20), rtl::Rect(2, 3, 131, 22)},
    };
    Edit->SetBounds(10, 10, 150, 21);
    for (const Case& c : cases) {
        // A change of the look or of the border lays the edit out again.
        Edit->SetFlat(c.flat);
        Edit->SetBorderThickness(c.border);
        EXPECT_EQ(Button->BoundsRect(), c.button) << c.name;
        EXPECT_EQ(Edit->EditRect(), c.editRect) << c.name;
        // So does every resize.
        Edit->SetBounds(10, 10, 150, 30);
        Edit->SetBounds(10, 10, 150, 21);
        EXPECT_EQ(Button->BoundsRect(), c.button) << c.name;
        EXPECT_EQ(Edit->EditRect(), c.editRect) << c.name;
    }

    // Entering the edit sets its text rectangle again, here after the button was widened
    // behind the edit's back while another control had the focus.
    auto* other = new ui::TEdit(Form);
    other->SetParent(Form);
    other->SetBounds(10, 100, 80, 21);
    other->SetFocus();
    ASSERT_FALSE(Edit->Focused());
    Button->SetWidth(30);
    ASSERT_EQ(Edit->EditRect().Right, 131);
    THeadlessBackend::MouseDown(Edit, 20, 10);
    THeadlessBackend::MouseUp(Edit, 20, 10);
    ASSERT_TRUE(Edit->Focused());
    EXPECT_EQ(Edit->EditRect().Right, Edit->ClientWidth() - 30 - 3);

    Edit->SetBorderThickness(2);
    Edit->SetFlat(false);

    // A large font raises the height to the font's minimum; a lower height is refused.
    Edit->Font().SetSize(20);
    const int grown = Edit->Height();
    EXPECT_GT(grown, 21);
    Edit->SetBounds(10, 10, 150, 12);
    EXPECT_EQ(Edit->Height(), grown);
    EXPECT_EQ(Button->Height(), grown - 4) << "the button follows the new height";
}

}  // namespace
