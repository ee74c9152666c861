// The item selector on a headless form: layout for several column counts and item sizes,
// lookup with wrap-around, hot and selected items on pixels, scrolling items into view.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/dropdown/ItemSelector.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Forms.h"

namespace {

using namespace grid;
using ui::THeadlessBackend;

constexpr gfx::TColor kPanelColor = 0xFFFFFF;

class ItemSelectorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(100, 100, 400, 400);
        Box = new TExtCustomItemSelector(Form);
        Box->SetParent(Form);
        Box->SetBounds(10, 10, 300, 300);
        Box->SetColor(kPanelColor);
        Box->OnItemSelect = [this](rtl::TObject* sender) { Selected.push_back(sender); };
        Form->Show();
        App->ActivateForm(Form);
        App->ProcessMessages();
    }

    TCustomItemSelector& Panel() const { return *Box->SelectorPanel(); }

    // Items of a fixed size, so that the layout does not depend on fonts.
    void AddFixedSizeItems(int count, int width, int height)
    {
        Box->OnItemSize = [width, height](rtl::TObject*, rtl::TSize& size) { size = {width, height}; };
        for (int i = 0; i < count; ++i) Box->Items().Add()->SetCaption("Item " + std::to_string(i));
        Box->UpdateSelectorPanel();
    }

    void AddColorItems(const std::vector<gfx::TColor>& colors)
    {
        Box->SetSelectorType(stColor);
        for (gfx::TColor c : colors) Box->Items().Add()->SetColor(c);
        Box->UpdateSelectorPanel();
        App->ProcessMessages();
    }

    std::int32_t PanelPixel(int x, int y) const { return THeadlessBackend::Pixel(&Panel(), x, y); }

    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    TExtCustomItemSelector* Box = nullptr;
    std::vector<rtl::TObject*> Selected;
};

TEST_F(ItemSelectorTest, LaysItemsOutInColumnsAndSizesThePanelToThem)
{
    struct Case {
        int count, columns, width, height;
        std::vector<rtl::TRect> rects;
        rtl::TSize panel;
    };
    const Case cases[] = {
        {5, 2, 40, 20,
         {rtl::Rect(2, 2, 42, 22), rtl::Rect(42, 2, 82, 22), rtl::Rect(2, 22, 42, 42), rtl::Rect(42, 22, 82, 42),
          rtl::Rect(2, 42, 42, 62)},
         {84, 64}},
        {3, 1, 30, 10, {rtl::Rect(2, 2, 32, 12), rtl::Rect(2, 12, 32, 22), rtl::Rect(2, 22, 32, 32)}, {34, 34}},
        {3, 4, 25, 16, {rtl::Rect(2, 2, 27, 18), rtl::Rect(27, 2, 52, 18), rtl::Rect(52, 2, 77, 18)}, {79, 20}},
        {4, 3, 10, 10,
         {rtl::Rect(2, 2, 12, 12), rtl::Rect(12, 2, 22, 12), rtl::Rect(22, 2, 32, 12), rtl::Rect(2, 12, 12, 22)},
         {34, 24}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.count << " items in " << c.columns << " columns");
        Box->Items().Clear();
        Box->SetColumns(c.columns);
        AddFixedSizeItems(c.count, c.width, c.height);
        for (int i = 0; i < c.count; ++i) EXPECT_EQ(Panel().GetItemRect(i), c.rects[static_cast<std::size_t>(i)]);
        EXPECT_EQ(Box->GetSelectorSize(), c.panel);
        EXPECT_EQ(Panel().ItemAtPos(c.rects[0].Right, c.rects[0].Top), c.columns > 1 ? 1 : -1);
        EXPECT_EQ(Panel().ItemAtPos(c.rects.back().Right - 1, c.rects.back().Bottom - 1), c.count - 1);
    }
    EXPECT_EQ(Panel().GetItemRect(99), rtl::Rect(-1, -1, -1, -1));
    EXPECT_EQ(Panel().ItemAtPos(0, 0), -1);  // the margin belongs to no item

    Box->SetColumns(0);
    EXPECT_EQ(Box->Columns(), 3);
    Box->Items().Clear();
    Box->UpdateSelectorPanel();
    EXPECT_EQ(Box->GetSelectorSize(), (rtl::TSize{100, 50}));
}

TEST_F(ItemSelectorTest, ItemSizeFollowsColourBoxCaptionAndLayout)
{
    Box->SetSelectorType(stColor);
    Box->Items().Add()->SetColor(gfx::clRed);
    Box->UpdateSelectorPanel();
    // Offsets 4 on each side around the 14 x 14 box, no caption.
    EXPECT_EQ(Panel().GetItemRect(0), rtl::Rect(2, 2, 2 + 22, 2 + 22));

    Box->Items().Items(0)->SetCaption("Red <b>wine</b>");  // re-lays out by itself
    const rtl::TRect right = Panel().GetItemRect(0);
    EXPECT_GT(right.Width(), 22 + 4 + 4);                  // box, gap, caption plus 4
    const int captionWidth = right.Width() - 8 - 14 - 4;

    // A new layout waits for the next update.
    Box->SetItemLayout(ilCaptionBottom);
    EXPECT_EQ(Panel().GetItemRect(0), right);
    Box->UpdateSelectorPanel();
    const rtl::TRect bottom = Panel().GetItemRect(0);
    EXPECT_EQ(bottom.Width(), 8 + captionWidth);
    EXPECT_GT(bottom.Height(), 8 + 14 + 4);

    Box->SetColorBoxWidth(60);
    EXPECT_EQ(Panel().GetItemRect(0).Width(), 8 + std::max(60, captionWidth));
}

TEST_F(ItemSelectorTest, PanelNeedsTheSelectorBoxAsOwner)
{
    try {
        TCustomItemSelector stray(Form);
        FAIL() << "a panel owned by a form was made";
    } catch (const rtl::Exception& e) {
        EXPECT_STREQ(e.what(), "Invalid parent");
    }
}

TEST_F(ItemSelectorTest, LookupStartsAtTheSelectionAndWrapsAround)
{
    const char* captions[] = {"<b>Apple</b>", "  apricot", "Banana", "Avocado", "Cherry"};
    for (const char* c : captions) Box->Items().Add()->SetCaption(c);
    Box->UpdateSelectorPanel();

    struct Step {
        std::string text;
        bool found;
        int selected;
    };
    const Step steps[] = {
        {"A", true, 1},     // the selected item is skipped
        {"A", true, 3},     // the next one after the selection
        {"A", true, 0},     // nothing after it: wraps to the first
        {"B", true, 2},
        {"APR", true, 1},   // tags and leading blanks are ignored; the caption is upper-cased
        {"apr", false, 1},  // the text itself is not upper-cased
        {"Z", false, 1},
    };
    // With no selection the search starts at 0 and skips nothing.
    Box->SetItemIndex(-1);
    EXPECT_TRUE(Box->LookupItem("A"));
    EXPECT_EQ(Box->ItemIndex(), 0);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.text);
        EXPECT_EQ(Box->LookupItem(s.text), s.found);
        EXPECT_EQ(Box->ItemIndex(), s.selected);
    }

    // Only the selected item matches: at index 0 nothing is found, above 0 it is selected again.
    Box->SetItemIndex(0);
    EXPECT_FALSE(Box->LookupItem("APP"));
    Box->SetItemIndex(4);
    Selected.clear();
    EXPECT_TRUE(Box->LookupItem("CH"));
    EXPECT_EQ(Box->ItemIndex(), 4);
    EXPECT_EQ(Selected, std::vector<rtl::TObject*>{Box});
}

TEST_F(ItemSelectorTest, KeyboardMovesStopAtTheEndsAndOnDisabledItems)
{
    AddFixedSizeItems(4, 40, 20);
    Box->Items().Items(2)->SetEnabled(false);
    Box->SelectNext();
    EXPECT_EQ(Box->ItemIndex(), 0);
    Box->SelectPrevious();
    EXPECT_EQ(Box->ItemIndex(), 0);
    Box->SelectNext();
    Box->SelectNext();  // onto the disabled item: nothing changes
    EXPECT_EQ(Box->ItemIndex(), 1);
    Box->SelectLast();
    Box->SelectNext();
    EXPECT_EQ(Box->ItemIndex(), 3);
    Box->SelectFirst();
    EXPECT_EQ(Box->ItemIndex(), 0);

    Box->HotNext();
    Box->HotNext();
    EXPECT_EQ(Box->ItemHot(), 1);
    Box->HotNext();
    EXPECT_EQ(Box->ItemHot(), 1);
    Box->HotPrevious();
    EXPECT_EQ(Box->ItemHot(), 0);
    Box->UpdateSelectorPanel();  // every layout clears the hot item
    EXPECT_EQ(Box->ItemHot(), -1);
}

TEST_F(ItemSelectorTest, HotAndSelectedItemsArePaintedRoundedWithTheStylePresets)
{
    AddColorItems({gfx::clRed, gfx::clLime, gfx::clBlue});
    const rtl::TRect hot = Panel().GetItemRect(1);
    const int midX = (hot.Left + hot.Right) / 2;
    EXPECT_EQ(PanelPixel(midX, hot.Top), static_cast<std::int32_t>(kPanelColor));

    THeadlessBackend::MouseMove(&Panel(), midX, hot.Top + 3);
    App->ProcessMessages();
    EXPECT_EQ(Box->ItemHot(), 1);
    // Office 2007 look: border on the top edge, rounded corner in the panel's colour, the
    // colour box over the gradient.
    EXPECT_EQ(PanelPixel(midX, hot.Top), 0x8DD7D3);
    EXPECT_EQ(PanelPixel(hot.Left, hot.Top), static_cast<std::int32_t>(kPanelColor));
    EXPECT_EQ(PanelPixel(hot.Left + 1, hot.Top + 1), 0xC3D9DF);
    EXPECT_EQ(PanelPixel(hot.Left + 4, hot.Top + 4), 0x000000);          // the box's black frame
    EXPECT_EQ(PanelPixel(hot.Left + 10, hot.Top + 10), 0x00FF00);        // the item's colour

    // Moving to another item repaints the old one plain.
    const rtl::TRect other = Panel().GetItemRect(0);
    THeadlessBackend::MouseMove(&Panel(), other.Left + 2, other.Top + 2);
    App->ProcessMessages();
    EXPECT_EQ(Box->ItemHot(), 0);
    EXPECT_EQ(PanelPixel(midX, hot.Top), static_cast<std::int32_t>(kPanelColor));

    // A hot border colour turns the look into a plain gradient with a 1-pixel outline.
    Box->ItemAppearance().SetBorderColorHot(0x0000FF);
    Box->ItemAppearance().SetColorHot(0x00FFFF);
    Box->ItemAppearance().SetColorHotTo(0x00FFFF);
    THeadlessBackend::MouseMove(&Panel(), midX, hot.Top + 3);
    App->ProcessMessages();
    EXPECT_EQ(PanelPixel(hot.Left, hot.Top), 0x0000FF);
    EXPECT_EQ(PanelPixel(hot.Right - 1, hot.Bottom - 1), 0x0000FF);
    EXPECT_EQ(PanelPixel(hot.Left + 1, hot.Top + 1), 0x00FFFF);

    // A click selects; for an item both hot and selected the selected fill wins, the hot
    // outline stays.
    Box->ItemAppearance().SetColorSelected(0xFF00FF);
    Box->ItemAppearance().SetColorSelectedTo(0xFF00FF);
    THeadlessBackend::Click(&Panel(), midX, hot.Top + 3);
    App->ProcessMessages();
    EXPECT_EQ(Box->ItemIndex(), 1);
    EXPECT_EQ(Selected, std::vector<rtl::TObject*>{Box});
    EXPECT_EQ(PanelPixel(hot.Left + 1, hot.Top + 1), 0xFF00FF);
    EXPECT_EQ(PanelPixel(hot.Left, hot.Top), 0x0000FF);

    // Leaving the panel clears the hot item; the selected item, no longer hot, is rounded
    // again: its fill inside the inner lines, the style's border and edge colours.
    THeadlessBackend::MouseMove(Form, 390, 390);
    App->ProcessMessages();
    EXPECT_EQ(Box->ItemHot(), -1);
    EXPECT_EQ(PanelPixel(hot.Left + 3, hot.Top + 3), 0xFF00FF);
    EXPECT_EQ(PanelPixel(hot.Left + 1, hot.Top + 1), 0xC3D9DF);
    EXPECT_EQ(PanelPixel(midX, hot.Top), 0x8DD7D3);
}

TEST_F(ItemSelectorTest, DisabledItemShowsItsHintButIsNeitherHotNorSelectable)
{
    AddColorItems({gfx::clRed, gfx::clLime});
    Box->Items().Items(1)->SetEnabled(false);
    Box->Items().Items(1)->SetHint("Not in stock");
    const rtl::TRect r = Panel().GetItemRect(1);
    THeadlessBackend::MouseMove(&Panel(), r.Left + 3, r.Top + 3);
    EXPECT_EQ(Panel().Hint(), "Not in stock");
    EXPECT_EQ(Box->ItemHot(), -1);
    THeadlessBackend::Click(&Panel(), r.Left + 3, r.Top + 3);
    EXPECT_EQ(Box->ItemIndex(), -1);
    EXPECT_TRUE(Selected.empty());
    Box->SetItemIndex(1);
    EXPECT_EQ(Box->ItemIndex(), -1);
}

TEST_F(ItemSelectorTest, ColourBoxStandsAboveItsCaptionInTheBottomLayout)
{
    Box->SetItemLayout(ilCaptionBottom);
    Box->SetSelectorType(stColor);
    Box->Items().Add()->SetColor(gfx::clBlue);
    Box->Items().Items(0)->SetCaption("Deep blue sea");
    Box->UpdateSelectorPanel();
    App->ProcessMessages();
    const rtl::TRect r = Panel().GetItemRect(0);
    const int boxLeft = r.Left + 4 + (r.Width() - 8 - 14) / 2;
    const int boxTop = r.Top + 4;
    EXPECT_EQ(PanelPixel(boxLeft, boxTop), 0x000000);
    EXPECT_EQ(PanelPixel(boxLeft + 7, boxTop + 7), 0xFF0000);
    EXPECT_EQ(PanelPixel(boxLeft + 7, boxTop + 14), static_cast<std::int32_t>(kPanelColor));
    // The caption's ink starts no higher than 14 + 4 below the box's top.
    int firstInkRow = -1;
    for (int y = boxTop + 14; y < r.Bottom && firstInkRow < 0; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (PanelPixel(x, y) != static_cast<std::int32_t>(kPanelColor)) {
                firstInkRow = y;
                break;
            }
    ASSERT_GE(firstInkRow, 0);
    EXPECT_GE(firstInkRow, boxTop + 18);
}

TEST_F(ItemSelectorTest, SelectingScrollsTheItemIntoView)
{
    Box->SetBounds(10, 10, 200, 100);
    AddFixedSizeItems(20, 150, 20);  // panel 2 + 400 + 2 high in a 100-pixel box
    ASSERT_TRUE(Box->ScrollBarState(ui::SB_VERT).Shown);
    Box->SetItemIndex(10);  // rows 202..222: the bottom comes to the box's bottom edge
    EXPECT_EQ(Box->VertScrollPosition(), 222 - 100);
    EXPECT_EQ(Panel().Top(), -122);
    Box->SetItemIndex(3);   // rows 62..82: the top comes to the top edge
    EXPECT_EQ(Box->VertScrollPosition(), 62);
    Box->SetItemIndex(5);   // already in view
    EXPECT_EQ(Box->VertScrollPosition(), 62);
    EXPECT_EQ(Box->GetVisibleItemCount(), 5);
    Box->Perform(ui::WM_VSCROLL, ui::SB_BOTTOM, 0);
    EXPECT_EQ(Panel().Top(), -(404 - 100));

}

}  // namespace
