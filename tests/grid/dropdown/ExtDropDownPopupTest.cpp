// The drop-down's pop-up against a screen model: placement, kept size, event order, closing.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtBars.h"
#include "grid/dropdown/ExtDropDownEdit.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Forms.h"
#include "platform/ui/InputRouter.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/ScreenModel.h"
#include "tests/grid/dropdown/HeadlessFormFixture.h"

namespace {

using namespace grid;
using ui::THeadlessBackend;

// A focusable content control of a fixed size.
class TContent : public ui::TCustomControl {
public:
    explicit TContent(rtl::TComponent* owner) : ui::TCustomControl(owner)
    {
        SetTabStop(true);
        SetBounds(0, 0, 120, 90);
    }
    void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override
    {
        if (CanFocus()) SetFocus();
        ui::TCustomControl::MouseDown(button, shift, x, y);
    }
};

// A list-like drop-down that counts the item steps of the wheel.
class TSteppingDropDown : public TExtDropDown {
public:
    using TExtDropDown::TExtDropDown;
    std::vector<std::string> Steps;

protected:
    void SelectNextItem() override { Steps.push_back("next"); }
    void SelectPreviousItem() override { Steps.push_back("previous"); }
};

class DropDownPopupTest : public dropdowntest::HeadlessFormTest {
protected:
    void SetUp() override
    {
        StartForm(400, 300);
        Edit = new TExtDropDown(Form);
        Edit->SetParent(Form);
        Edit->SetBounds(10, 10, 150, 21);
        Other = new TExtDropDown(Form);
        Other->SetParent(Form);
        Other->SetBounds(10, 60, 150, 21);
        Content = new TContent(Edit);
        Edit->SetControl(Content);
        // Placement is checked on the frame and the content alone; the bars have their own tests.
        Edit->DropDownHeader().SetVisible(false);
        Edit->DropDownFooter().SetVisible(false);
        ShowFormFocused(Edit);
        Edit->OnBeforeDropDown = [this](rtl::TObject*) { Events.push_back("BeforeDropDown"); };
        Edit->OnDropDown = [this](rtl::TObject*, bool& allow) {
            Events.push_back("DropDown");
            allow = Allow;
        };
        Edit->OnBeforeDropUp = [this](rtl::TObject*) { Events.push_back("BeforeDropUp"); };
        Edit->OnDropUp = [this](rtl::TObject*, bool cancelled) {
            Events.push_back(cancelled ? "DropUp cancelled" : "DropUp");
        };
    }
    // Places the form so that the edit's top-left corner is at the screen point.
    void PutEditAt(int x, int y) { Form->SetBounds(x - 10, y - 10, 400, 300); }
    rtl::TRect PopupBounds() const { return Edit->DropDownForm()->BoundsRect(); }

    TExtDropDown* Edit = nullptr;
    TExtDropDown* Other = nullptr;
    TContent* Content = nullptr;
    std::vector<std::string> Events;
    bool Allow = true;
};

TEST_F(DropDownPopupTest, OpensBelowOrAboveAndShiftsAtTheWorkAreaEdge)
{
    ui::SetScreenMonitors({{rtl::Rect(0, 0, 1280, 1024), rtl::Rect(0, 0, 1200, 1000), true},
                           {rtl::Rect(-800, 0, 0, 600), rtl::Rect(-800, 0, 0, 600), false}});
    struct Case {
        const char* name;
        TDropPosition position;
        int x, y;
        rtl::TRect expected;
    };
    // Content 120 x 90 in a 1-pixel frame: the pop-up is 120 x 92.
    const Case cases[] = {
        {"below", dpAuto, 200, 300, rtl::Bounds(200, 320, 120, 92)},
        {"above near the screen bottom", dpAuto, 200, 940, rtl::Bounds(200, 848, 120, 92)},
        {"forced up", dpUp, 200, 300, rtl::Bounds(200, 208, 120, 92)},
        {"forced down near the bottom", dpDown, 200, 940, rtl::Bounds(200, 960, 120, 92)},
        {"shifted left at the work area's right", dpAuto, 1150, 300, rtl::Bounds(1080, 320, 120, 92)},
        {"no shift on a monitor left of the primary", dpAuto, -100, 300, rtl::Bounds(-100, 320, 120, 92)},
    };
    for (const Case& c : cases) {
        Edit->SetDropPosition(c.position);
        PutEditAt(c.x, c.y);
        Edit->ShowDropDown();
        EXPECT_TRUE(Edit->DroppedDown()) << c.name;
        EXPECT_EQ(PopupBounds(), c.expected) << c.name;
        Edit->HideDropDown(false);
        Edit->ResetUserDropDownSize();
    }
}

TEST_F(DropDownPopupTest, EventOrderOnOpeningAndOnClosingWithAndWithoutCancel)
{
    Edit->SetText("kept");
    Edit->ShowDropDown();
    EXPECT_EQ(Events, (std::vector<std::string>{"BeforeDropDown", "DropDown"}));
    EXPECT_EQ(App->ActiveForm(), Edit->DropDownForm());
    EXPECT_EQ(ui::TInputRouter::Focus(), Content);

    Edit->SetTextDirect("changed");
    THeadlessBackend::PressKey(ui::VK_ESCAPE);  // pressed in the content, handled by the edit
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_FALSE(Edit->DropDownForm()->Visible());
    EXPECT_EQ(Edit->Text(), "kept");
    EXPECT_EQ(ui::TInputRouter::Focus(), Edit);

    Events.clear();
    Edit->ShowDropDown();
    Edit->SetTextDirect("changed");
    THeadlessBackend::PressKey(ui::VK_RETURN);
    EXPECT_EQ(Edit->Text(), "changed");
    EXPECT_EQ(Events, (std::vector<std::string>{"BeforeDropDown", "DropDown", "BeforeDropUp", "DropUp"}));

    Events.clear();
    Allow = false;
    Edit->ShowDropDown();
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_FALSE(Edit->DropDownForm()->Visible());
    EXPECT_EQ(Events, (std::vector<std::string>{"BeforeDropDown", "DropDown"}));
}

TEST_F(DropDownPopupTest, KeysOpenAndCloseIt)
{
    THeadlessBackend::PressKey(ui::VK_F4);
    EXPECT_TRUE(Edit->DroppedDown());
    THeadlessBackend::PressKey(ui::VK_F4);
    EXPECT_FALSE(Edit->DroppedDown());
    THeadlessBackend::PressKey(ui::VK_DOWN, ui::ssAlt);
    EXPECT_TRUE(Edit->DroppedDown());
    THeadlessBackend::PressKey(ui::VK_UP, ui::ssAlt);
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Events.back(), "DropUp");
}

TEST_F(DropDownPopupTest, ThePopupCastsItsShadowOnTheFormBelowWhileItShows)
{
    Form->SetColor(gfx::clWhite);
    auto formPixel = [&](int x, int y) {
        App->ProcessMessages();
        return THeadlessBackend::Pixel(Form, x, y);
    };
    auto darkened = [&](int x, int y) { return (formPixel(x, y) & 0xFF) < 0xFF; };
    std::vector<std::string> shownAt;
    Edit->DropDownForm()->OnShow = [&](rtl::TObject*) {
        shownAt.push_back(std::to_string(Edit->DropDownForm()->Width()) + "x" +
                          std::to_string(Edit->DropDownForm()->Height()));
    };
    Edit->ShowDropDown();
    // The pop-up covers form pixels 10..129 x 30..121; its shadow is 4 pixels down and right.
    ASSERT_EQ(PopupBounds(), rtl::Bounds(110, 130, 120, 92));
    EXPECT_TRUE(darkened(131, 80)) << "band along the right edge";
    EXPECT_TRUE(darkened(60, 124)) << "band along the bottom edge";
    EXPECT_FALSE(darkened(131, 32)) << "the shadow starts 4 pixels below the top";
    EXPECT_FALSE(darkened(135, 80));
    EXPECT_FALSE(darkened(12, 124)) << "and 4 pixels right of the left edge";
    Edit->HideDropDown(false);
    EXPECT_FALSE(darkened(131, 80)) << "the shadow goes with the pop-up";

    Edit->SetDropDownShadow(false);
    Edit->ShowDropDown();
    EXPECT_FALSE(darkened(131, 80));
    EXPECT_FALSE(darkened(60, 124));
    Edit->HideDropDown(false);

    // ForceShadow shows the pop-up at 1 x 1 first; the shadow then lies along the final size.
    Edit->SetDropDownShadow(true);
    Edit->SetForceShadow(true);
    Edit->ShowDropDown();
    EXPECT_EQ(shownAt, (std::vector<std::string>{"120x92", "120x92", "1x1"}));
    ASSERT_NE(Edit->DropDownForm()->Shadow(), nullptr);
    EXPECT_EQ(Edit->DropDownForm()->Shadow()->ScreenBounds(), rtl::Bounds(114, 134, 120, 92));
    EXPECT_TRUE(darkened(131, 80));
    EXPECT_TRUE(darkened(60, 124));
}

TEST_F(DropDownPopupTest, TheWheelStepsItemsOverTheEditOrItsOpenPopup)
{
    auto* list = new TSteppingDropDown(Form);
    list->SetParent(Form);
    list->SetBounds(200, 10, 150, 21);
    auto* content = new TContent(list);
    list->SetControl(content);
    list->SetFocus();  // the wheel goes to the focused control
    THeadlessBackend::Wheel(list, -120, 20, 8);
    THeadlessBackend::Wheel(list, 120, 20, 8);
    THeadlessBackend::Wheel(list, -120, 20, 80);  // closed, the pointer below the edit
    EXPECT_EQ(list->Steps, (std::vector<std::string>{"next", "previous"}));

    list->ShowDropDown();
    ASSERT_TRUE(list->DroppedDown());
    THeadlessBackend::Wheel(content, -120, 5, 5);
    THeadlessBackend::Wheel(content, 120, 5, 5);
    THeadlessBackend::Wheel(list, -120, 20, 80);
    EXPECT_EQ(list->Steps, (std::vector<std::string>{"next", "previous", "next", "previous", "next"}));
}

TEST_F(DropDownPopupTest, AnEditThatCannotBeTypedInIsAPureSelector)
{
    Edit->SetEditorEnabled(false);
    Edit->SetText("kept");
    Edit->SetSelStart(2);
    // Keys that would change the value or move the caret are dropped.
    for (int key : {ui::VK_DELETE, ui::VK_BACK, ui::VK_HOME, ui::VK_LEFT, ui::VK_END}) THeadlessBackend::PressKey(key);
    THeadlessBackend::TypeText("X");
    EXPECT_EQ(Edit->Text(), "kept");
    EXPECT_EQ(Edit->SelStart(), 2);

    // F4 opens and closes; Escape closes restoring the value, Enter closes keeping it.
    THeadlessBackend::PressKey(ui::VK_F4);
    ASSERT_TRUE(Edit->DroppedDown());
    THeadlessBackend::PressKey(ui::VK_F4);
    EXPECT_FALSE(Edit->DroppedDown());
    THeadlessBackend::PressKey(ui::VK_F4);
    Edit->SetTextDirect("changed");
    THeadlessBackend::PressKey(ui::VK_ESCAPE);
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->Text(), "kept");
    THeadlessBackend::PressKey(ui::VK_DOWN, ui::ssAlt);
    ASSERT_TRUE(Edit->DroppedDown());
    Edit->SetTextDirect("picked");
    THeadlessBackend::PressKey(ui::VK_RETURN);
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->Text(), "picked");
    EXPECT_EQ(Events.back(), "DropUp");

    // A click on the edit opens the pop-up, not within 250 ms of its last deactivation.
    Clock.Advance(1000);
    Edit->ShowDropDown();
    THeadlessBackend::Click(Other, 5, 5);
    ASSERT_FALSE(Edit->DroppedDown());
    Clock.Advance(100);
    THeadlessBackend::Click(Edit, 20, 5);
    EXPECT_FALSE(Edit->DroppedDown());
    Clock.Advance(200);
    THeadlessBackend::Click(Edit, 20, 5);
    EXPECT_TRUE(Edit->DroppedDown());
    Edit->HideDropDown(false);

    // With ReturnIsTab, Enter moves the focus on instead of closing.
    Edit->SetReturnIsTab(true);
    Edit->SetFocus();
    THeadlessBackend::PressKey(ui::VK_RETURN);
    App->ProcessMessages();
    EXPECT_EQ(ui::TInputRouter::Focus(), Other);

    // Read-only: the keys no longer open it.
    Edit->SetFocus();
    Edit->SetReadOnly(true);
    THeadlessBackend::PressKey(ui::VK_F4);
    EXPECT_FALSE(Edit->DroppedDown());
}

// The drop-down's bar events reach the header and footer of the pop-up the user opens.
TEST_F(DropDownPopupTest, BarEventsPaintTheHeaderAndGiveTheFooterItsText)
{
    Edit->DropDownHeader().SetVisible(true);
    Edit->DropDownFooter().SetVisible(true);
    Edit->DropDownFooter().SetCaption("stored caption");
    Edit->OnDrawHeader = [](rtl::TObject*, gfx::TCanvas& canvas, rtl::TRect rect) {
        canvas.Brush().SetColor(gfx::clRed);
        canvas.FillRect(rect);
    };
    std::vector<std::string> footerTexts;
    Edit->OnGetFooterText = [&](rtl::TObject*, std::string& text) {
        footerTexts.push_back(text);
        text = "asked at paint time";
    };
    THeadlessBackend::PressKey(ui::VK_F4);
    ASSERT_TRUE(Edit->DroppedDown());
    App->ProcessMessages();
    TDropDownForm* popup = Edit->DropDownForm();
    ASSERT_NE(popup->Header(), nullptr);
    ASSERT_NE(popup->Footer(), nullptr);
    EXPECT_EQ(THeadlessBackend::Pixel(popup->Header(), popup->Header()->Width() / 2, popup->Header()->Height() / 2),
              gfx::clRed);
    ASSERT_FALSE(footerTexts.empty());
    EXPECT_EQ(footerTexts.front(), "stored caption");
}

TEST_F(DropDownPopupTest, ClickElsewhereClosesCancellingAndTheGuardBlocksReopening)
{
    Edit->SetText("kept");
    Edit->ShowDropDown();
    Edit->SetTextDirect("changed");
    Clock.Advance(1000);
    THeadlessBackend::Click(Other, 5, 5);
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Events.back(), "DropUp cancelled");
    EXPECT_EQ(Edit->Text(), "kept");
    EXPECT_EQ(Edit->DropDownForm()->LastDeactivationTick(), 11000);

    Clock.Advance(250);
    Edit->OpenFromButton();
    EXPECT_FALSE(Edit->DroppedDown());
    Clock.Advance(1);
    Edit->OpenFromButton();
    EXPECT_TRUE(Edit->DroppedDown());

    // A click inside the pop-up keeps it open.
    THeadlessBackend::Click(Content, 5, 5);
    EXPECT_TRUE(Edit->DroppedDown());
}

TEST_F(DropDownPopupTest, UserSizeIsKeptUntilTheSizeIsSetAndConstraintsHold)
{
    PutEditAt(200, 300);
    Edit->ShowDropDown();
    TDropDownForm* popup = Edit->DropDownForm();
    ASSERT_EQ(PopupBounds(), rtl::Bounds(200, 320, 120, 92));
    // The user drags the bottom-right corner 30 right and 20 down.
    ui::SetCursorPosState({319, 411});
    popup->Perform(ui::TPopupWindow::NcLeftButtonDown, ui::TPopupWindow::HitBottomRight, 0);
    THeadlessBackend::MouseMove(popup, 149, 111);
    THeadlessBackend::MouseUp(popup, 149, 111);
    EXPECT_EQ(PopupBounds(), rtl::Bounds(200, 320, 150, 112));
    Edit->HideDropDown(false);

    Edit->ShowDropDown();
    EXPECT_EQ(PopupBounds(), rtl::Bounds(200, 320, 150, 112));
    Edit->HideDropDown(false);

    Edit->SetDropDownWidth(0);  // forgets the kept width only
    Edit->ShowDropDown();
    EXPECT_EQ(PopupBounds(), rtl::Bounds(200, 320, 120, 112));
    Edit->HideDropDown(false);

    // Without content or explicit height the frame alone is 2 high: the minimum 50 holds.
    Edit->SetControl(nullptr);
    Edit->ResetUserDropDownSize();
    Edit->ShowDropDown();
    EXPECT_EQ(PopupBounds(), rtl::Bounds(200, 320, 150, 50));
}

TEST_F(DropDownPopupTest, ArrowButtonPaintsItsArrowAndOpensWithTheReopenGuard)
{
    TDropDownEditButton* button = Edit->Button();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Left() + button->Width(), Edit->ClientWidth());
    EXPECT_EQ(button->Height(), Edit->ClientHeight());
    App->ProcessMessages();
    struct Px {
        int x, y;
        bool arrow;
    };
    for (Px p : {Px{5, 7, true}, Px{10, 7, true}, Px{8, 9, true}, Px{7, 8, true}, Px{4, 7, false},
                 Px{12, 7, false}, Px{8, 11, false}, Px{3, 12, false}})
        EXPECT_EQ(THeadlessBackend::Pixel(button, p.x, p.y) == 0x000000, p.arrow) << p.x << "," << p.y;

    THeadlessBackend::Click(button, 8, 8);
    EXPECT_TRUE(Edit->DroppedDown());
    // A click on the button of the open drop-down closes it and leaves it closed.
    Clock.Advance(10);
    THeadlessBackend::Click(button, 8, 8);
    EXPECT_FALSE(Edit->DroppedDown());
    Clock.Advance(300);
    THeadlessBackend::Click(button, 8, 8);
    EXPECT_TRUE(Edit->DroppedDown());
}

}  // namespace

namespace {

TEST_F(DropDownPopupTest, FreeingTheContentLeavesAnEmptyPopupThatStillOpens)
{
    Edit->SetControl(Edit);  // the drop-down itself is no content
    EXPECT_EQ(Edit->Control(), Content);
    delete Content;
    Content = nullptr;
    EXPECT_EQ(Edit->Control(), nullptr);
    Edit->ShowDropDown();
    ASSERT_TRUE(Edit->DroppedDown());
    // Frame only, no explicit size: the width of the edit, the height raised to the minimum.
    EXPECT_EQ(PopupBounds().Width(), 150);
    EXPECT_EQ(PopupBounds().Height(), 50);
}

}  // namespace
