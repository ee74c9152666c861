// The colour picker on a headless form, driven by keys and the mouse: the pop-up of each style
// and its size, the selected colour and its text forms, the swatch on pixels, type-ahead on
// the replaceable clock, picking and cancelling.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/dropdown/ColorBoxSelector.h"
#include "grid/dropdown/ColorCubePanel.h"
#include "grid/dropdown/ColorSpectrumPanel.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtColorPicker.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Clock.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"

namespace {

using namespace grid;
using ui::THeadlessBackend;

class ExtColorPickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui::SetMonotonicClock(&Clock);
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(100, 100, 400, 300);
        Picker = new TExtColorPickerDropDown(Form);
        Picker->SetParent(Form);
        Picker->SetBounds(10, 10, 160, 21);
        Picker->AddDefaultColors();
        Picker->OnSelect = [this](rtl::TObject* sender) { Selects.push_back(sender); };
        Form->Show();
        App->ActivateForm(Form);
        Picker->SetFocus();
        App->ProcessMessages();
    }
    void TearDown() override { ui::SetMonotonicClock(nullptr); }

    void Key(int vk)
    {
        THeadlessBackend::PressKey(vk);
        App->ProcessMessages();
    }
    void Wait(int ms)
    {
        Clock.Advance(ms);
        App->ProcessMessages();
    }
    void Open()
    {
        Picker->ShowDropDown();
        App->ProcessMessages();
        ASSERT_TRUE(Picker->DroppedDown());
    }
    // The swatch's rectangle in the edit's client coordinates.
    rtl::TRect Swatch() const
    {
        const int b = Picker->BorderThickness();
        const int top = 1 - b + (Picker->Height() - Picker->ColorBoxHeight()) / 2;
        return rtl::Rect(5 - b, top, 5 - b + Picker->ColorBoxWidth(), top + Picker->ColorBoxHeight());
    }
    std::int32_t EditPixel(int x, int y) const { return THeadlessBackend::Pixel(Picker, x, y); }

    ui::TManualClock Clock;
    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    TExtColorPickerDropDown* Picker = nullptr;
    std::vector<rtl::TObject*> Selects;
};

TEST_F(ExtColorPickerTest, SelectedColourFindsItsItemAndShowsItsTextInEveryForm)
{
    Picker->SetSelectedColor(0x0000FF);
    EXPECT_EQ(Picker->ItemIndex(), 9);
    EXPECT_EQ(Picker->SelectedColorText(), "Red");
    EXPECT_EQ(Selects, std::vector<rtl::TObject*>{Picker});

    Picker->SetSelectedColor(0x00FF80);
    EXPECT_EQ(Picker->ItemIndex(), -1);
    EXPECT_EQ(Selects.size(), 1u);  // no item, no event
    struct Case {
        TColorValueText form;
        gfx::TColor color;
        std::string text;
    };
    const Case cases[] = {
        {cvtNone, 0x00FF80, ""},
        {cvtHex, 0x00FF80, "00FF80"},
        {cvtRGB, 0x00FF80, "Red:128,Green:255,Blue:0"},
        {cvtHTML, 0x00FF80, "#80FF00"},
        {cvtHTML, 0x563412, "#123456"},
        {cvtWebName, 0x00D7FF, "clWebGold"},
        {cvtWebName, 0x563412, "#123456"},  // no web colour of that value
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Picker->SetColorValueText(c.form);
        Picker->SetSelectedColor(c.color);
        EXPECT_EQ(Picker->SelectedColorText(), c.text);
    }

    Picker->SetItemIndex(16);  // beyond the colours: ignored
    EXPECT_EQ(Picker->SelectedColor(), 0x563412u);
    Picker->SetItemIndex(2);
    EXPECT_EQ(Picker->SelectedColor(), 0x008000u);
    EXPECT_EQ(Picker->SelectedColorText(), "Green");
}

TEST_F(ExtColorPickerTest, EditShowsTheSwatchAndTheText)
{
    Picker->SetColorValueText(cvtHTML);
    Picker->SetSelectedColor(0x00FF80);
    App->ProcessMessages();
    const rtl::TRect box = Swatch();
    EXPECT_EQ(EditPixel(box.Left, box.Top), 0x000000);                 // the outline
    EXPECT_EQ(EditPixel(box.Left + 5, box.Top + 5), 0x00FF80);
    EXPECT_EQ(EditPixel(box.Right + 1, box.Top + 5), static_cast<std::int32_t>(gfx::ColorToRGB(gfx::clHighlight)));

    // Text drawn beside the swatch: some pixel in its area is neither highlight nor swatch.
    auto textPixels = [&] {
        int count = 0;
        for (int x = box.Right + 4; x < box.Right + 60; ++x)
            for (int y = box.Top; y < box.Bottom; ++y)
                if (EditPixel(x, y) != static_cast<std::int32_t>(gfx::ColorToRGB(gfx::clHighlight))) ++count;
        return count;
    };
    EXPECT_GT(textPixels(), 0);
    Picker->SetShowText(false);
    App->ProcessMessages();
    EXPECT_EQ(textPixels(), 0);

    Picker->SetColorBoxBorderColor(0x0000FF);
    App->ProcessMessages();
    EXPECT_EQ(EditPixel(box.Left, box.Top), 0x0000FF);
}

TEST_F(ExtColorPickerTest, EachStyleOpensItsControlInAPopupSizedToIt)
{
    struct Case {
        TColorSelectionStyle style;
        int width, height;
    };
    const Case cases[] = {
        {csDiscrete, 165 + 2, 84 + 2},
        {csColorCube, 182 + 2, 160 + 2},
        {csSpectrum, 150 + 2, 174 + 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        Picker->SetColorSelectionStyle(c.style);
        Open();
        TDropDownForm* popup = Picker->DropDownForm();
        EXPECT_EQ(popup->Width(), c.width);
        EXPECT_EQ(popup->Height(), c.height);
        ASSERT_NE(Picker->Control(), nullptr);
        EXPECT_EQ(Picker->Control()->Parent(), popup);
        EXPECT_TRUE(Picker->Control()->Showing());
        Key(ui::VK_ESCAPE);
        EXPECT_FALSE(Picker->DroppedDown());
    }
    EXPECT_NE(Picker->ColorPanel(), nullptr);
    EXPECT_NE(Picker->CubePanel(), nullptr);
    EXPECT_NE(Picker->SpectrumPanel(), nullptr);

    // The list: as wide as its items, as high as DropDownHeight.
    Picker->SetColorSelectionStyle(csList);
    Open();
    ASSERT_EQ(Picker->Control(), Picker->ColorList());
    EXPECT_EQ(Picker->ColorList()->Items().Count(), 16);
    EXPECT_EQ(Picker->DropDownForm()->Height(), 200);
    EXPECT_EQ(Picker->DropDownForm()->Width(),
              Picker->ColorList()->GetSelectorSize().cx + (Picker->ColorList()->ScrollBarState(ui::SB_VERT).Shown ? 17 : 0));
}

TEST_F(ExtColorPickerTest, HotListItemIsPickedWithEnter)
{
    Open();
    TExtCustomItemSelector* list = Picker->ColorList();
    TCustomItemSelector* panel = list->SelectorPanel();
    const rtl::TRect r = panel->GetItemRect(4);
    THeadlessBackend::MouseMove(panel, r.Left + 5, r.Top + 5);
    App->ProcessMessages();
    EXPECT_EQ(list->ItemHot(), 4);
    Key(ui::VK_RETURN);
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->ItemIndex(), 4);
    EXPECT_EQ(Picker->SelectedColor(), 0x800000u);
    EXPECT_EQ(Picker->SelectedColorText(), "Navy");
    EXPECT_EQ(EditPixel(Swatch().Left + 5, Swatch().Top + 5), 0x800000);
}

TEST_F(ExtColorPickerTest, ClickOnAListItemPicksItAndCloses)
{
    Open();
    TCustomItemSelector* panel = Picker->ColorList()->SelectorPanel();
    const rtl::TRect r = panel->GetItemRect(12);
    if (r.Bottom > Picker->ColorList()->ClientHeight()) Picker->ColorList()->ScrollItemInView(12);
    THeadlessBackend::Click(panel, r.Left + 5, r.Top + 5);
    App->ProcessMessages();
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->SelectedColor(), 0xFF0000u);
}

TEST_F(ExtColorPickerTest, EscapeBringsBackTheColourOfTheOpening)
{
    Picker->SetItemIndex(3);
    Open();
    ASSERT_EQ(Picker->ColorList()->ItemIndex(), 3);
    Key(ui::VK_DOWN);
    Key(ui::VK_DOWN);
    EXPECT_TRUE(Picker->DroppedDown());  // keyboard moves keep the pop-up open
    EXPECT_EQ(Picker->ItemIndex(), 5);
    Key(ui::VK_ESCAPE);
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->ItemIndex(), 3);
    EXPECT_EQ(Picker->SelectedColor(), 0x008080u);

    // The same with nothing selected before: the colour goes back to none.
    Picker->SetItemIndex(-1);
    Picker->SetSelectedColor(gfx::clNone);
    Open();
    Key(ui::VK_DOWN);
    EXPECT_EQ(Picker->ItemIndex(), 0);
    Key(ui::VK_ESCAPE);
    EXPECT_EQ(Picker->ItemIndex(), -1);
    EXPECT_EQ(Picker->SelectedColor(), gfx::clNone);

    // The palette: arrow keys move the selection; Escape restores it.
    Picker->SetColorSelectionStyle(csDiscrete);
    Picker->SetSelectedColor(0x7D491F);  // box 3
    Open();
    EXPECT_EQ(Picker->ColorPanel()->ItemIndex(), 3);
    Key(ui::VK_DOWN);
    EXPECT_EQ(Picker->ColorPanel()->ItemIndex(), 13);
    EXPECT_TRUE(Picker->DroppedDown());
    Key(ui::VK_ESCAPE);
    EXPECT_EQ(Picker->ColorPanel()->ItemIndex(), 3);
    EXPECT_EQ(Picker->SelectedColor(), 0x7D491Fu);
}

TEST_F(ExtColorPickerTest, TypeAheadOfAPickerFilledInCodeSearchesUntilTheTimerClearsIt)
{
    // The colours were added in code and the pop-up never opened.
    Key('G');
    EXPECT_EQ(Picker->ItemIndex(), 2);  // Green
    Wait(300);
    Key(ui::VK_SHIFT);                  // a modifier is no character of the search
    Key('R');
    EXPECT_EQ(Picker->ItemIndex(), 7);  // "GR": Gray, the first after Green
    EXPECT_FALSE(Picker->DroppedDown());
    Wait(250);                          // 550 ms after the first key: the search text is gone
    Key('B');
    EXPECT_EQ(Picker->ItemIndex(), 12); // "B" from Gray: Blue
    EXPECT_EQ(Picker->SelectedColor(), 0xFF0000u);

    // Colours changed later are searched too.
    Wait(600);
    Picker->Colors().Add()->SetCaption("Bordeaux");
    Picker->Colors().Items(16)->SetColor(0x202080);
    Key('B');
    Key('O');
    EXPECT_EQ(Picker->ItemIndex(), 16);
}

TEST_F(ExtColorPickerTest, CubePickShowsTheSwatchWithoutText)
{
    Picker->SetColorSelectionStyle(csColorCube);
    Open();
    TExtColorCubePanel* cube = Picker->CubePanel();
    const rtl::TPoint c = cube->CellCentre(127);
    THeadlessBackend::Click(cube, c.X, c.Y);
    App->ProcessMessages();
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->SelectedColor(), 0x2100A5u);
    EXPECT_EQ(Picker->ItemIndex(), -1);
    EXPECT_EQ(Picker->SelectedColorText(), "");
    const rtl::TRect box = Swatch();
    EXPECT_EQ(EditPixel(box.Left + 5, box.Top + 5), 0x2100A5);
}

TEST_F(ExtColorPickerTest, SpectrumAndPalettePicksTakeTheirColour)
{
    Picker->SetColorSelectionStyle(csSpectrum);
    Open();
    ui::TControl* image = Picker->SpectrumPanel()->SpectrumImage();
    THeadlessBackend::MouseMove(image, 64, 64);
    const gfx::TColor hot = Picker->SpectrumPanel()->HotColor();
    EXPECT_NE(hot, gfx::clNone);
    THeadlessBackend::Click(image, 64, 64);
    App->ProcessMessages();
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->SelectedColor(), hot);

    Picker->SetColorSelectionStyle(csDiscrete);
    Open();
    TCustomColorSelector* palette = Picker->ColorPanel();
    const rtl::TRect r = palette->GetItemRect(9);
    THeadlessBackend::Click(palette, r.Left + 3, r.Top + 3);
    App->ProcessMessages();
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->SelectedColor(), 0x4696F7u);
}

}  // namespace
