// Header and footer bars with their gradient buttons, in an open drop-down, on real pixels.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtBars.h"
#include "grid/dropdown/ExtDropDownEdit.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/Forms.h"
#include "platform/ui/InputRouter.h"

namespace {

using namespace grid;
using ui::THeadlessBackend;

class DropDownBarsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(100, 100, 400, 300);
        Edit = new TExtDropDown(Form);
        Edit->SetParent(Form);
        Edit->SetBounds(10, 10, 150, 21);
        Edit->SetDropDownWidth(300);
        Edit->SetDropDownHeight(200);
        Edit->SetComponentStyle(tsCustom);
        Edit->DropDownHeader().SetCaption("Pick a <b>value</b>");
        const struct {
            const char* caption;
            int result;
        } buttons[] = {{"OK", ui::mrOk}, {"Cancel", ui::mrCancel}, {"Retry", ui::mrRetry}};
        for (const auto& b : buttons) {
            TFooterButton* item = Edit->DropDownFooter().Buttons().Add();
            item->SetCaption(b.caption);
            item->SetModalResult(b.result);
        }
        Edit->OnDropDownFooterButtonClick = [this](rtl::TObject* sender, int index) {
            EXPECT_EQ(sender, Edit);
            Clicked.push_back(index);
        };
        Edit->OnDropUp = [this](rtl::TObject*, bool cancelled) { DropUps.push_back(cancelled); };
        Form->Show();
        App->ActivateForm(Form);
        Edit->SetFocus();
        Edit->ShowDropDown();
        Popup = Edit->DropDownForm();
        App->ProcessMessages();
    }
    TExtFooter& Footer() const { return *Popup->Footer(); }

    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    TExtDropDown* Edit = nullptr;
    TDropDownForm* Popup = nullptr;
    std::vector<int> Clicked;
    std::vector<bool> DropUps;
};

TEST_F(DropDownBarsTest, BarsSitInsideTheFrameAndButtonsStackFromTheRight)
{
    ASSERT_NE(Popup->Header(), nullptr);
    ASSERT_NE(Popup->Footer(), nullptr);
    EXPECT_EQ(Popup->Header()->BoundsRect(), rtl::Rect(1, 1, 299, 23));
    EXPECT_EQ(Footer().BoundsRect(), rtl::Rect(1, 177, 299, 199));
    ASSERT_EQ(Footer().ButtonCount(), 3);
    EXPECT_TRUE(Footer().SizeGripShows());
    // The first item is the rightmost; the buttons touch.
    EXPECT_EQ(Footer().Button(0)->Left() + Footer().Button(0)->Width(), Footer().InnerRect().Right);
    EXPECT_EQ(Footer().InnerRect().Right, Footer().Width() - 14);
    EXPECT_EQ(Footer().Button(1)->Left() + Footer().Button(1)->Width(), Footer().Button(0)->Left());
    EXPECT_EQ(Footer().Button(2)->Left() + Footer().Button(2)->Width(), Footer().Button(1)->Left());
    for (int i = 0; i < 3; ++i) EXPECT_LE(Footer().Button(i)->Height(), Footer().InnerRect().Height());

    Edit->HideDropDown(false);
    Edit->SetDropDownSizeable(false);
    Edit->ShowDropDown();
    EXPECT_FALSE(Footer().SizeGripShows());
    EXPECT_EQ(Footer().InnerRect().Right, Footer().Width() - 2);
}

TEST_F(DropDownBarsTest, FooterButtonsCloseByModalResultAndReportTheirIndex)
{
    struct Case {
        int index;
        bool closes;
        bool cancelled;
    };
    for (Case c : {Case{2, false, false}, Case{0, true, false}, Case{1, true, true}}) {
        if (!Edit->DroppedDown()) Edit->ShowDropDown();
        Clicked.clear();
        DropUps.clear();
        TExtButton* b = Footer().Button(c.index);
        THeadlessBackend::Click(b, 3, 3);
        EXPECT_EQ(Clicked, std::vector<int>{c.index});
        EXPECT_EQ(Edit->DroppedDown(), !c.closes) << c.index;
        if (c.closes) {
            EXPECT_EQ(DropUps, std::vector<bool>{c.cancelled}) << c.index;
        }
    }
}

TEST_F(DropDownBarsTest, KeyboardClickClosesWithoutClickEventAndReleaseOutsideDoesNothing)
{
    TExtButton* ok = Footer().Button(0);
    THeadlessBackend::MouseDown(ok, 3, 3);
    THeadlessBackend::MouseMove(ok, -40, 3);
    THeadlessBackend::MouseUp(ok, -40, 3);
    EXPECT_TRUE(Clicked.empty());
    EXPECT_TRUE(Edit->DroppedDown());
    EXPECT_EQ(ok->State(), absUp);

    ok->SetTabStop(true);
    ok->SetFocus();
    THeadlessBackend::PressKey(ui::VK_SPACE);
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_TRUE(Clicked.empty());
    EXPECT_EQ(DropUps, std::vector<bool>{false});
}

TEST_F(DropDownBarsTest, ButtonFacesFollowTheStateOnPixels)
{
    TExtButtonAppearance& look = Edit->ButtonAppearance();
    look.SetColor(0x0000C0);
    look.SetColorTo(gfx::clNone);
    look.SetColorHot(0x00C000);
    look.SetColorDown(0xC00000);
    look.SetColorDisabled(0x808080);
    look.SetColorDisabledTo(gfx::clNone);
    TExtButton* b = Footer().Button(2);
    // Appearance changes show at the button's next paint.
    auto face = [&] {
        b->Invalidate();
        App->ProcessMessages();
        return THeadlessBackend::Pixel(b, 2, 2);
    };
    EXPECT_EQ(face(), 0x0000C0);
    THeadlessBackend::MouseMove(b, 3, 3);
    EXPECT_EQ(face(), 0x00C000);
    THeadlessBackend::MouseDown(b, 3, 3);
    EXPECT_EQ(face(), 0xC00000);
    THeadlessBackend::MouseUp(b, 3, 3);
    b->SetEnabled(false);
    EXPECT_EQ(face(), 0x808080);

    // With no face colour the bar shows through.
    look.SetColor(gfx::clNone);
    b->SetEnabled(true);
    THeadlessBackend::MouseMove(Popup->Header(), 3, 3);
    EXPECT_EQ(face(), THeadlessBackend::Pixel(&Footer(), b->Left() - 1, b->Top() + 2));
}

TEST_F(DropDownBarsTest, TheDropDownsImagesShowInTheHeaderAndOnItsButtons)
{
    constexpr gfx::TColor Green = 0x00C000;
    constexpr gfx::TColor Magenta = 0xC000C0;
    auto* images = new gfx::TImageList(Form);
    images->SetSize(16, 16);
    gfx::TBitmap strip(32, 16);
    strip.Canvas().Brush().SetColor(Green);
    strip.Canvas().FillRect(rtl::Rect(0, 0, 16, 16));
    strip.Canvas().Brush().SetColor(Magenta);
    strip.Canvas().FillRect(rtl::Rect(16, 0, 32, 16));
    ASSERT_EQ(images->Add(strip), 0);
    Edit->HideDropDown(false);
    Edit->SetImages(images);
    Edit->DropDownHeader().SetImageIndex(0);
    Edit->DropDownHeader().SetCaption("");
    THeaderButton* item = Edit->DropDownHeader().Buttons().Add();
    item->SetCaption("Go");
    item->SetImageIndex(1);
    Edit->ShowDropDown();
    App->ProcessMessages();
    TExtHeader* header = Popup->Header();
    // Inside the border (1), 4 pixels in, vertically centred in the 20 rows left.
    EXPECT_EQ(THeadlessBackend::Pixel(header, 5, 3), Green);
    EXPECT_EQ(THeadlessBackend::Pixel(header, 20, 18), Green);
    EXPECT_NE(THeadlessBackend::Pixel(header, 4, 10), Green);
    EXPECT_NE(THeadlessBackend::Pixel(header, 21, 10), Green);
    // The button is as wide as the larger of image and text plus 8, its image 4 pixels in.
    ASSERT_EQ(header->ButtonCount(), 1);
    TExtButton* go = header->Button(0);
    EXPECT_GE(go->Width(), 24);
    EXPECT_EQ(go->Height(), 17) << "the image's 16 + 4 is cut to the bar's button area";
    EXPECT_EQ(THeadlessBackend::Pixel(go, 4, 0), Magenta);
    EXPECT_EQ(THeadlessBackend::Pixel(go, 19, 15), Magenta);

    // Freeing the list forgets it everywhere; the bars paint on without it.
    delete images;
    EXPECT_EQ(Edit->Images(), nullptr);
    EXPECT_EQ(header->Images(), nullptr);
    header->Invalidate();
    go->Invalidate();
    App->ProcessMessages();
    EXPECT_NE(THeadlessBackend::Pixel(header, 10, 10), Green);
    EXPECT_NE(THeadlessBackend::Pixel(go, 10, 8), Magenta);
}

TEST_F(DropDownBarsTest, HeaderPaintsGradientAndOnlyItsBottomLineInsideThePopupFrame)
{
    Edit->HideDropDown(false);
    Edit->DropDownHeader().SetColor(0x0000FF);
    Edit->DropDownHeader().SetColorTo(0xFF0000);
    Edit->DropDownHeader().SetCaption("");
    Edit->DropDownHeader().SetBorderColor(0x000000);
    Edit->ShowDropDown();
    App->ProcessMessages();
    TExtHeader* header = Popup->Header();
    const int h = header->Height();
    EXPECT_EQ(THeadlessBackend::Pixel(header, 150, h - 1), 0x000000);  // bottom line
    // 80 bands over 22 rows overlap: row 1 shows band 5, the last to start on it.
    EXPECT_EQ(THeadlessBackend::Pixel(header, 150, 1), 0x1000EF);
    EXPECT_GT((THeadlessBackend::Pixel(header, 150, h - 3) >> 16) & 0xFF, 0xC0);  // blue near the bottom
    // The light outline is 20 % black and 80 % white.
    EXPECT_EQ(THeadlessBackend::Pixel(header, 0, 5), 0xCCCCCC);
}

TEST_F(DropDownBarsTest, FooterSizeGripStartsSizingThePopup)
{
    const int w = Footer().Width();
    const int h = Footer().Height();
    THeadlessBackend::MouseDown(&Footer(), w - 5, h - 5);
    EXPECT_TRUE(Popup->Sizing());
    // Dragged 20 right and 10 down, in pop-up coordinates (the footer moves while sizing).
    const int x = Footer().Left() + w - 5 + 20;
    const int y = Footer().Top() + h - 5 + 10;
    THeadlessBackend::MouseMove(Popup, x, y);
    THeadlessBackend::MouseUp(Popup, x, y);
    App->ProcessMessages();
    EXPECT_FALSE(Popup->Sizing());
    EXPECT_EQ(Popup->Width(), 320);
    EXPECT_EQ(Popup->Height(), 210);
    // The bars follow the new size.
    EXPECT_EQ(Footer().Width(), 318);
}

}  // namespace
