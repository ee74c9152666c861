// The colour box selector on a headless form: default palette layout, frames of stand-alone
// and grouped rows on pixels, selection by colour, keys and the mouse.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "grid/dropdown/ColorBoxSelector.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Forms.h"

namespace {

using namespace grid;
using ui::THeadlessBackend;

constexpr std::int32_t kBackground = 0xF0F0F0;
constexpr std::int32_t kFrame = 0xC5C5C5;

class ColorBoxSelectorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(100, 100, 300, 200);
        Form->SetColor(kBackground);
        Palette = new TCustomColorSelector(Form);
        Palette->SetParent(Form);
        Palette->SetLeft(10);
        Palette->SetTop(10);
        Palette->AddDefaultColorBoxes();
        Palette->UpdateSize();
        Palette->OnItemSelect = [this](rtl::TObject* sender) { Events.push_back(sender); };
        Form->Show();
        App->ActivateForm(Form);
        App->ProcessMessages();
    }

    std::int32_t Pixel(int x, int y) const { return THeadlessBackend::Pixel(Palette, x, y); }
    rtl::TRect Box(int index) const { return Palette->GetItemRect(index); }

    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    TCustomColorSelector* Palette = nullptr;
    std::vector<rtl::TObject*> Events;
};

TEST_F(ColorBoxSelectorTest, DefaultPaletteHasAGapBelowTheFirstRowOnly)
{
    EXPECT_EQ(Palette->Width(), 165);
    EXPECT_EQ(Palette->Height(), 84);
    const int rowTops[] = {4, 20, 32, 44, 56, 68};
    for (int row = 0; row < 6; ++row) EXPECT_EQ(Box(row * 10).Top, rowTops[row]) << "row " << row;
    EXPECT_EQ(Box(0), rtl::Rect(4, 4, 16, 16));
    EXPECT_EQ(Box(9), rtl::Rect(148, 4, 160, 16));
    EXPECT_EQ(Box(59), rtl::Rect(148, 68, 160, 80));
    EXPECT_EQ(Palette->ItemAtPos(17, 5), -1);  // in the gap between columns
    EXPECT_EQ(Palette->GetItemRect(60), rtl::Rect(-1, -1, -1, -1));

    Palette->SetColumns(0);  // every box in a row of its own
    EXPECT_EQ(Box(1).Left, 4);
    EXPECT_EQ(Box(1).Top, Box(0).Bottom + 4);
    EXPECT_EQ(Box(12).Top, Box(11).Bottom);
}

TEST_F(ColorBoxSelectorTest, StandAloneBoxesAreClosedAndShadeColumnsAreFramedTogether)
{
    const rtl::TRect standAlone = Box(2);
    const int mid = standAlone.Left + 6;
    EXPECT_EQ(Pixel(mid, standAlone.Top + 6), 0xE1ECEE);
    EXPECT_EQ(Pixel(standAlone.Left, standAlone.Top), kFrame);
    EXPECT_EQ(Pixel(standAlone.Right, standAlone.Top + 6), kFrame);   // one beyond the fill
    EXPECT_EQ(Pixel(mid, standAlone.Bottom), kFrame);
    EXPECT_EQ(Pixel(standAlone.Right, standAlone.Bottom), kFrame);

    // Column 2 of the shades: top, three middles and bottom make one frame.
    const rtl::TRect top = Box(12);
    const rtl::TRect bottom = Box(52);
    EXPECT_EQ(Pixel(mid, top.Top), kFrame);
    EXPECT_EQ(Pixel(mid, top.Bottom), 0x97BDC4);   // open at the bottom: the next shade follows
    for (int y = top.Top; y < bottom.Bottom; y += 5) {
        EXPECT_EQ(Pixel(top.Left, y), kFrame) << y;
        EXPECT_EQ(Pixel(top.Right, y), kFrame) << y;
    }
    EXPECT_EQ(Pixel(mid, bottom.Bottom), kFrame);
    EXPECT_EQ(Pixel(bottom.Right, bottom.Bottom), kFrame);
    EXPECT_EQ(Pixel(mid, bottom.Top + 6), 0x101B1D);
}

TEST_F(ColorBoxSelectorTest, HotAndSelectedBoxesTakeTheirTwoOutlines)
{
    const rtl::TRect r = Box(5);
    THeadlessBackend::MouseMove(Palette, r.Left + 5, r.Top + 5);
    App->ProcessMessages();
    EXPECT_EQ(Palette->ItemHot(), 5);
    EXPECT_EQ(Pixel(r.Left, r.Top), 0x3694F2);
    EXPECT_EQ(Pixel(r.Left + 1, r.Top + 1), 0x94E2FF);
    EXPECT_EQ(Pixel(r.Left + 5, r.Top + 5), 0x4D50C0);

    THeadlessBackend::Click(Palette, r.Left + 5, r.Top + 5);
    App->ProcessMessages();
    EXPECT_EQ(Palette->ItemIndex(), 5);
    EXPECT_EQ(Palette->SelectedColor(), 0x4D50C0u);
    EXPECT_EQ(Events, std::vector<rtl::TObject*>{Palette});
    EXPECT_EQ(Pixel(r.Left, r.Top), 0x0000FF);    // the selected look wins over the hot one

    // Leaving the control clears the hot box; the selection keeps its look; the box
    // left behind gets its plain frame again.
    THeadlessBackend::MouseMove(Form, 290, 190);
    App->ProcessMessages();
    EXPECT_EQ(Palette->ItemHot(), -1);
    EXPECT_EQ(Pixel(r.Left, r.Top), 0x0000FF);
    Palette->SetItemIndex(6);
    App->ProcessMessages();
    EXPECT_EQ(Pixel(r.Left, r.Top), kFrame);
    EXPECT_EQ(Pixel(r.Left + 1, r.Top + 1), 0x4D50C0);
}

TEST_F(ColorBoxSelectorTest, SelectionByColourTakesTheFirstMatchOrClears)
{
    Palette->SetSelectedColor(0x7F7F7F);
    EXPECT_EQ(Palette->ItemIndex(), 11);
    EXPECT_EQ(Events.size(), 1u);
    Palette->SetSelectedColor(0x123456);
    EXPECT_EQ(Palette->ItemIndex(), -1);
    EXPECT_EQ(Palette->SelectedColor(), 0x123456u);
    EXPECT_EQ(Events.size(), 1u);

    EXPECT_THROW(Palette->SetItemIndex(60), rtl::EListError);
    EXPECT_EQ(Palette->ItemIndex(), -1);
}

TEST_F(ColorBoxSelectorTest, KeysMoveByBoxOrByRow)
{
    struct Step {
        int from;
        ui::WORD key;
        bool editable, open;
        int expected;
    };
    const Step steps[] = {
        {3, ui::VK_DOWN, false, true, 13},
        {3, ui::VK_UP, false, true, 3},     // no row above
        {3, ui::VK_DOWN, false, false, 4},  // closed: the next box
        {3, ui::VK_UP, false, false, 2},
        {-1, ui::VK_DOWN, false, true, 0},
        {3, ui::VK_LEFT, true, false, 3},   // closed over an editable edit: the edit keeps Left
        {3, ui::VK_RIGHT, false, false, 4},
        {3, ui::VK_HOME, false, true, 0},
        {3, ui::VK_NEXT, false, true, 59},
        {55, ui::VK_DOWN, false, true, 55}, // below the last row
        {3, ui::VK_RETURN, false, true, 3}, // not a moving key
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << "key " << s.key << " from " << s.from << (s.open ? " open" : " closed"));
        Palette->SetItemIndex(s.from);
        Palette->HandleKey(s.key, s.editable, s.open);
        EXPECT_EQ(Palette->ItemIndex(), s.expected);
    }
}

TEST_F(ColorBoxSelectorTest, DisabledBoxIsNeitherHotNorSelectable)
{
    Palette->Items().Items(7)->SetEnabled(false);
    const rtl::TRect r = Box(7);
    THeadlessBackend::MouseMove(Palette, r.Left + 3, r.Top + 3);
    EXPECT_EQ(Palette->ItemHot(), -1);
    THeadlessBackend::Click(Palette, r.Left + 3, r.Top + 3);
    EXPECT_EQ(Palette->ItemIndex(), -1);
    EXPECT_TRUE(Events.empty());
}

}  // namespace
