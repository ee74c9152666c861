// The drop-down edit's caption label: its place for every position, and how it follows the edit.
#include <gtest/gtest.h>

#include <memory>

#include "grid/dropdown/ExtDropDownEdit.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ScreenModel.h"
#include "platform/ui/StdCtrlsButtons.h"

namespace {

using namespace grid;
using namespace grid::dropdown;

class DropDownLabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(0, 0, 500, 300);
        Form->Show();
        Edit = new TExtDropDown(Form);
        Edit->SetParent(Form);
        Edit->SetBounds(150, 100, 200, 21);
    }
    void TearDown() override
    {
        App.reset();
        ui::SetScreenPixelsPerInch(0);
    }

    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    TExtDropDown* Edit = nullptr;
};

TEST_F(DropDownLabelTest, EachPositionPlacesTheLabelBesideTheEdit)
{
    Edit->SetLabelCaption("Crop name");
    Edit->SetLabelMargin(4);
    ui::TLabel* label = Edit->EditLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), Form);
    const int w = label->Width();
    const int h = label->Height();
    ASSERT_GT(w, 20);
    ASSERT_GT(h, 5);
    struct TCase {
        TLabelPosition Position;
        int Left, Top;
    };
    // Edit: left 150, top 100, 200 x 21; margin 4.
    const TCase cases[] = {
        {lpLeftTop, 150 - w - 4, 100},
        {lpLeftCenter, 150 - w - 4, 100 + (21 - h) / 2},
        {lpLeftBottom, 150 - w - 4, 121 - h},
        {lpTopLeft, 150, 100 - h - 4},
        {lpBottomLeft, 150, 125},
        {lpLeftTopLeft, 146, 100},
        {lpLeftCenterLeft, 146, 100 + (21 - h) / 2},
        {lpLeftBottomLeft, 146, 121 - h},
        {lpTopCenter, 150 + (200 - w) / 2, 100 - h - 4},
        {lpBottomCenter, 150 + (200 - w) / 2, 125},
        {lpRightTop, 354, 100},
        {lpRightCenter, 354, 100 + (21 - h) / 2},
        {lpRighBottom, 354, 121 - h},
        {lpTopRight, 350 - w, 100 - h - 4},
        {lpBottomRight, 350 - w, 125},
    };
    for (const TCase& c : cases) {
        Edit->SetLabelPosition(c.Position);
        EXPECT_EQ(label->Left(), c.Left) << "position " << c.Position;
        EXPECT_EQ(label->Top(), c.Top) << "position " << c.Position;
    }
}

TEST_F(DropDownLabelTest, TheLabelFollowsTheEditsBoundsVisibilityAndEnabledState)
{
    Edit->SetLabelCaption("Yield");
    Edit->SetLabelPosition(lpTopLeft);
    ui::TLabel* label = Edit->EditLabel();
    Edit->SetBounds(40, 200, 120, 21);
    EXPECT_EQ(label->Left(), 40);
    EXPECT_EQ(label->Top(), 200 - label->Height());

    Edit->SetVisible(false);
    EXPECT_FALSE(label->Visible());
    Edit->SetVisible(true);
    EXPECT_TRUE(label->Visible());

    Edit->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    Edit->SetLabelAlwaysEnabled(true);
    EXPECT_TRUE(label->Enabled());
    Edit->SetEnabled(true);
    Edit->SetEnabled(false);
    EXPECT_TRUE(label->Enabled());
}

TEST_F(DropDownLabelTest, ClicksOnTheLabelReachTheEditsEventsAndALargerFontMovesIt)
{
    int clicks = 0;
    rtl::TObject* sender = nullptr;
    Edit->OnLabelClick = [&](rtl::TObject* s) {
        ++clicks;
        sender = s;
    };
    Edit->SetLabelCaption("Soil");
    ui::TLabel* label = Edit->EditLabel();
    const int narrow = label->Width();
    ui::THeadlessBackend::Click(label, 2, 2);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(sender, Edit);

    Edit->LabelFont().SetSize(Edit->LabelFont().Size() * 2);
    EXPECT_GT(label->Width(), narrow);
    EXPECT_EQ(label->Left(), 150 - label->Width());
}

TEST_F(DropDownLabelTest, LabelFontIsRescaledToTheScreenWhenTheWindowIsCreated)
{
    struct Made {
        int fontHeight, labelHeight;
    };
    auto make = [&](int pixelsPerInch, bool parentFont) {
        ui::SetScreenPixelsPerInch(pixelsPerInch);
        auto* edit = new TExtDropDown(Form);
        edit->SetParentFont(parentFont);
        gfx::TFont font;
        font.SetHeight(-12);
        edit->SetLabelFont(&font);
        edit->SetLabelCaption("Yield");
        edit->SetParent(Form);
        edit->HandleNeeded();
        return Made{edit->LabelFont().Height(), edit->EditLabel()->Height()};
    };
    const Made normal = make(96, false);
    EXPECT_EQ(normal.fontHeight, -12);
    const Made large = make(192, false);
    EXPECT_LE(large.fontHeight, -21);
    EXPECT_GE(large.fontHeight, -27);
    EXPECT_GT(large.labelHeight, normal.labelHeight * 3 / 2);
    // A label that takes the edit's font keeps the font as given.
    EXPECT_EQ(make(192, true).fontHeight, -12);
}

}  // namespace
