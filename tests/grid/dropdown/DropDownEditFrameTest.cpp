// The drop-down edit's frame per state, its highlighted non-editable value, its button
// settings and the passing of Enter and Escape to the parent window, driven by real key and
// mouse messages and checked on painted pixels.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/ExtDropDownEdit.h"
#include "grid/dropdown/ExtDropDownRegistration.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Color.h"
#include "platform/ui/Clock.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/StdCtrlsEdit.h"
#include "platform/ui/StdCtrlsRegistration.h"
#include "tests/grid/dropdown/HeadlessFormFixture.h"

namespace {

using namespace grid;
using ui::THeadlessBackend;

class DropDownEditFrameTest : public dropdowntest::HeadlessFormTest {
protected:
    void SetUp() override
    {
        StartForm(400, 300);
        Form->SetColor(0x30A0F0);
        Edit = new TExtDropDown(Form);
        Edit->SetParent(Form);
        Edit->SetBounds(10, 10, 150, 21);
        Other = new TExtDropDown(Form);
        Other->SetParent(Form);
        Other->SetBounds(10, 60, 150, 21);
        ShowFormFocused(Other);
    }
    // The pixel of the edit's window (its border included) at the given corner offset.
    std::int32_t WindowPixel(int x, int y)
    {
        App->ProcessMessages();
        const int b = Edit->BorderThickness();
        return THeadlessBackend::Pixel(Edit, x - b, y - b);
    }
    TExtDropDown* Edit = nullptr;
    TExtDropDown* Other = nullptr;
};

gfx::TColor Rgb(gfx::TColor c)
{
    return gfx::ColorToRGB(c);
}

TEST_F(DropDownEditFrameTest, FrameColourFollowsFocusEnabledStateAndFlatLook)
{
    const std::int32_t platformFrame = WindowPixel(0, 5);
    ASSERT_NE(platformFrame, 0x0000FF);

    struct Case {
        const char* name;
        gfx::TColor border, focusBorder;
        bool flat, focused, enabled, disabledBorder;
        std::int32_t outer;  // pixel at (0, 5)
    };
    const Case cases[] = {
        {"border colour", 0x0000FF, gfx::clNone, false, false, true, true, 0x0000FF},
        {"border colour while focused without a focus colour", 0x0000FF, gfx::clNone, false, true, true, true, 0x0000FF},
        {"focus colour while focused", 0x0000FF, 0x00FF00, false, true, true, true, 0x00FF00},
        {"focus colour alone leaves the platform frame unfocused", gfx::clNone, 0x00FF00, false, false, true, true,
         platformFrame},
        {"focus colour alone when focused", gfx::clNone, 0x00FF00, false, true, true, true, 0x00FF00},
        {"disabled is silver", 0x0000FF, 0x00FF00, false, false, false, true, 0xC0C0C0},
        {"disabled without DisabledBorder keeps the colour", 0x0000FF, gfx::clNone, false, false, false, false,
         0x0000FF},
        {"flat takes the parent's colour", gfx::clNone, gfx::clNone, true, false, true, true, 0x30A0F0},
        {"flat sinks while focused", gfx::clNone, gfx::clNone, true, true, true, true,
         static_cast<std::int32_t>(Rgb(gfx::clBtnShadow))},
    };
    for (const Case& c : cases) {
        Edit->SetBorderColor(c.border);
        Edit->SetFocusBorderColor(c.focusBorder);
        Edit->SetFlat(c.flat);
        Edit->SetDisabledBorder(c.disabledBorder);
        Edit->SetEnabled(c.enabled);
        if (c.focused) Edit->SetFocus();
        else Other->SetFocus();
        EXPECT_EQ(WindowPixel(0, 5), c.outer) << c.name;
        EXPECT_EQ(WindowPixel(Edit->Width() / 2, 0), c.outer) << c.name;
        Edit->SetEnabled(true);
    }
    // Back to no colours: the platform's frame again.
    Edit->SetBorderColor(gfx::clNone);
    Edit->SetFocusBorderColor(gfx::clNone);
    Edit->SetFlat(false);
    Other->SetFocus();
    EXPECT_EQ(WindowPixel(0, 5), platformFrame);
}

TEST_F(DropDownEditFrameTest, ColorTonesPaintTheButtonPerStateAndTheFrame)
{
    const std::int32_t platformFrame = WindowPixel(0, 5);
    TColorTones tones;
    tones.Background = {0xEEDDCC, 0x804020, gfx::clNone};
    tones.Hover = {0x99FFFF, 0x000000, gfx::clNone};
    tones.Selected = {0x3399FF, 0x000000, gfx::clNone};
    Edit->SetColorTones(tones);
    TDropDownEditButton* button = Edit->Button();
    auto buttonPixel = [&](int x, int y) {
        App->ProcessMessages();
        return THeadlessBackend::Pixel(button, x, y);
    };
    EXPECT_EQ(WindowPixel(0, 5), 0x804020);
    EXPECT_EQ(buttonPixel(0, 3), 0x804020);      // the line along the button's left edge
    EXPECT_EQ(buttonPixel(8, 14), 0xEEDDCC);     // face below the arrow
    EXPECT_EQ(buttonPixel(8, 8), 0x000000);      // arrow
    EXPECT_EQ(buttonPixel(12, 8), 0xEEDDCC);     // beside the arrow

    THeadlessBackend::MouseMove(button, 8, 14);
    EXPECT_EQ(buttonPixel(8, 14), 0x99FFFF);
    THeadlessBackend::MouseDown(button, 8, 14);
    EXPECT_EQ(buttonPixel(8, 14), 0x3399FF);
    THeadlessBackend::MouseUp(button, 8, 14);
    ASSERT_TRUE(Edit->DroppedDown());
    EXPECT_EQ(buttonPixel(8, 14), 0x3399FF);  // drawn down while the pop-up is open
    Edit->HideDropDown(false);
    THeadlessBackend::MouseMove(Edit, 20, 5);
    EXPECT_EQ(buttonPixel(8, 14), 0xEEDDCC);

    tones.Background.BorderColor = gfx::clNone;
    Edit->SetColorTones(tones);
    Other->SetFocus();
    EXPECT_EQ(WindowPixel(0, 5), platformFrame);
    EXPECT_EQ(buttonPixel(0, 3), static_cast<std::int32_t>(Rgb(Edit->Color())));
}

TEST_F(DropDownEditFrameTest, FocusedNonEditableValueIsDrawnHighlighted)
{
    const auto highlight = static_cast<std::int32_t>(Rgb(gfx::clHighlight));
    Edit->SetText("wheat");
    Edit->SetEditorEnabled(false);
    Edit->SetFocus();
    // Inside the box, left of the text's first letter, and its black outline.
    EXPECT_EQ(WindowPixel(3, Edit->Height() / 2), highlight);
    EXPECT_EQ(WindowPixel(2, Edit->Height() / 2), 0x000000);
    EXPECT_NE(WindowPixel(Edit->Width() - Edit->DropDownButtonWidth() + 2, Edit->Height() / 2), highlight);

    Other->SetFocus();
    EXPECT_NE(WindowPixel(3, Edit->Height() / 2), highlight);
    Edit->SetFocusDraw(false);
    Edit->SetFocus();
    // No outlined box: the platform's own selection starts at the text rectangle's left.
    EXPECT_NE(WindowPixel(2, Edit->Height() / 2), 0x000000);
    Edit->SetFocusDraw(true);
    Edit->SetEditorEnabled(true);
    Edit->SetFocus();
    Edit->Invalidate();
    EXPECT_NE(WindowPixel(2, Edit->Height() / 2), 0x000000);
}

TEST_F(DropDownEditFrameTest, ButtonWidthEnabledAndHint)
{
    Edit->SetDropDownButtonWidth(30);
    TDropDownEditButton* button = Edit->Button();
    EXPECT_EQ(button->Width(), 30);
    EXPECT_EQ(button->Left(), Edit->ClientWidth() - 30);
    // A press on the widened part opens the pop-up.
    THeadlessBackend::Click(Edit, Edit->ClientWidth() - 27, 8);
    EXPECT_TRUE(Edit->DroppedDown());
    Edit->HideDropDown(false);
    Clock.Advance(1000);

    Edit->SetDropDownEnabled(false);
    THeadlessBackend::Click(Edit, Edit->ClientWidth() - 10, 8);
    EXPECT_FALSE(Edit->DroppedDown());
    // Enabling the edit again keeps the button off while DropDownEnabled is off.
    Edit->SetEnabled(false);
    Edit->SetEnabled(true);
    EXPECT_FALSE(button->Enabled());
    Edit->SetDropDownEnabled(true);
    THeadlessBackend::Click(Edit, Edit->ClientWidth() - 10, 8);
    EXPECT_TRUE(Edit->DroppedDown());

    Edit->SetDropDownButtonHint("Open the list");
    EXPECT_EQ(button->Hint(), "Open the list");
    EXPECT_TRUE(button->ShowHint());
    Edit->SetDropDownButtonHint("");
    EXPECT_FALSE(button->ShowHint());
}

TEST_F(DropDownEditFrameTest, EnterAndEscapeReachTheParentAsDefaultHandlingAndKeyPreviewDecide)
{
    std::vector<std::string> parentKeys;
    Form->OnKeyDown = [&](rtl::TObject*, ui::WORD& key, ui::TShiftState) {
        parentKeys.push_back("down " + std::to_string(key));
    };
    Form->OnKeyUp = [&](rtl::TObject*, ui::WORD& key, ui::TShiftState) {
        parentKeys.push_back("up " + std::to_string(key));
    };
    std::vector<char32_t> pressed;
    Edit->OnKeyPress = [&](rtl::TObject*, char32_t& key) { pressed.push_back(key); };

    struct Case {
        const char* name;
        int key;
        bool defaultHandling, keyPreview;
        std::vector<std::string> parent;  // what the parent's own key handlers received
    };
    const std::string enter = std::to_string(ui::VK_RETURN);
    const std::string escape = std::to_string(ui::VK_ESCAPE);
    const Case cases[] = {
        {"Enter kept by the edit", ui::VK_RETURN, true, false, {}},
        {"Enter passed to the parent", ui::VK_RETURN, false, false, {"down " + enter, "up " + enter}},
        {"Escape with undo passed to the parent", ui::VK_ESCAPE, true, false, {"down " + escape, "up " + escape}},
        {"Escape typed without default handling", ui::VK_ESCAPE, false, false, {"down " + escape, "up " + escape}},
    };
    for (const Case& c : cases) {
        parentKeys.clear();
        pressed.clear();
        Edit->SetDefaultHandling(c.defaultHandling);
        Form->SetKeyPreview(c.keyPreview);
        Edit->SetFocus();
        Edit->SetText("12");
        THeadlessBackend::PressKey(c.key);
        App->ProcessMessages();
        EXPECT_EQ(parentKeys, c.parent) << c.name;
        EXPECT_EQ(Edit->Text(), "12") << c.name;
        if (c.key == ui::VK_RETURN) {
            EXPECT_EQ(pressed, std::vector<char32_t>{13}) << c.name;
        }
    }
    // Escape with undo selects the value and counts it as unchanged.
    Edit->SetDefaultHandling(true);
    Edit->SetSelStart(1);
    THeadlessBackend::TypeText("3");
    EXPECT_TRUE(Edit->IsModified());
    THeadlessBackend::PressKey(ui::VK_ESCAPE);
    App->ProcessMessages();
    EXPECT_FALSE(Edit->IsModified());
    EXPECT_EQ(Edit->SelText(), Edit->Text());
}

TEST_F(DropDownEditFrameTest, ReturnIsTabMovesTheFocusOnAndClosesThePopup)
{
    Edit->SetFocus();
    THeadlessBackend::PressKey(ui::VK_RETURN);
    App->ProcessMessages();
    EXPECT_TRUE(Edit->Focused());

    Edit->SetReturnIsTab(true);
    THeadlessBackend::PressKey(ui::VK_RETURN);
    App->ProcessMessages();
    EXPECT_TRUE(Other->Focused());

    Edit->SetFocus();
    Edit->ShowDropDown();
    ASSERT_TRUE(Edit->DroppedDown());
    THeadlessBackend::PressKey(ui::VK_RETURN);
    App->ProcessMessages();
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_TRUE(Other->Focused());
}

TEST_F(DropDownEditFrameTest, FocusControlTakesTheKeyboardWhenThePopupOpens)
{
    auto* panel = new ui::TPanel(Edit);
    panel->SetBounds(0, 0, 160, 80);
    auto* first = new ui::TEdit(panel);
    first->SetParent(panel);
    first->SetBounds(5, 5, 100, 21);
    auto* second = new ui::TEdit(panel);
    second->SetParent(panel);
    second->SetBounds(5, 40, 100, 21);
    Edit->SetControl(panel);
    Edit->SetFocusControl(second);
    Edit->SetFocus();
    Edit->ShowDropDown();
    ASSERT_TRUE(Edit->DroppedDown());
    EXPECT_TRUE(second->Focused());
    Edit->HideDropDown(false);
    delete second;
    EXPECT_EQ(Edit->FocusControl(), nullptr);
}

TEST_F(DropDownEditFrameTest, SettingsLoadFromAFormDescriptionAndAssignCopiesThem)
{
    ui::RegisterStandardControls();
    RegisterDropDownClasses();
    auto* owner = new ui::TForm(App.get());
    ui::ReadComponentResText("object Form2: TForm\n"
                             "  object Pick: TExtDropDown\n"
                             "    ReturnIsTab = True\n"
                             "    DefaultHandling = False\n"
                             "    FocusDraw = False\n"
                             "    Flat = True\n"
                             "    DisabledBorder = False\n"
                             "    BorderColor = clRed\n"
                             "    FocusBorderColor = 65280\n"
                             "    DropDownEnabled = False\n"
                             "    DropDownButtonWidth = 24\n"
                             "    DropDownButtonHint = 'Pick one'\n"
                             "    DropDownShadow = False\n"
                             "    ForceShadow = True\n"
                             "  end\n"
                             "end\n",
                             "settings.dfm", owner);
    auto* pick = dynamic_cast<TExtDropDown*>(owner->FindComponent("Pick"));
    ASSERT_NE(pick, nullptr);
    EXPECT_TRUE(pick->ReturnIsTab());
    EXPECT_FALSE(pick->DefaultHandling());
    EXPECT_FALSE(pick->FocusDraw());
    EXPECT_TRUE(pick->Flat());
    EXPECT_FALSE(pick->DisabledBorder());
    EXPECT_EQ(pick->BorderColor(), gfx::clRed);
    EXPECT_EQ(pick->FocusBorderColor(), 0x00FF00u);
    EXPECT_FALSE(pick->Button()->Enabled());
    EXPECT_EQ(pick->Button()->Width(), 24);
    EXPECT_EQ(pick->Button()->Hint(), "Pick one");
    EXPECT_FALSE(pick->DropDownShadow());
    EXPECT_TRUE(pick->ForceShadow());

    Edit->Assign(pick);
    EXPECT_FALSE(Edit->DropDownShadow());
    EXPECT_TRUE(Edit->ForceShadow());
    EXPECT_TRUE(Edit->ReturnIsTab());
    EXPECT_FALSE(Edit->DefaultHandling());
    EXPECT_FALSE(Edit->FocusDraw());
    EXPECT_TRUE(Edit->Flat());
    EXPECT_FALSE(Edit->Button()->Enabled());
    EXPECT_EQ(Edit->Button()->Width(), 24);
    EXPECT_EQ(Edit->Button()->Left(), Edit->Width() - 24 - 3) << "the flat look's place";
    EXPECT_EQ(Edit->Button()->Hint(), "Pick one");
}

}  // namespace
