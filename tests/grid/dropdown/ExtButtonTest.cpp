// The gradient button on its own: groups, check buttons, the hover timer and accelerators,
// driven by mouse and key messages and read back from pixels.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtBars.h"
#include "grid/dropdown/ExtButton.h"
#include "grid/dropdown/ExtDropDownEdit.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"

namespace {

using namespace grid;
using ui::THeadlessBackend;

constexpr gfx::TColor Normal = 0x0000C0;
constexpr gfx::TColor Hot = 0x00C000;
constexpr gfx::TColor Pressed = 0xC00000;
constexpr gfx::TColor Checked = 0x00C0C0;
constexpr gfx::TColor CheckedFrame = 0xC000C0;

class ExtButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui::SetMonotonicClock(&Clock);
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(100, 100, 300, 120);
        Look.SetColor(Normal);
        Look.SetColorTo(gfx::clNone);
        Look.SetColorHot(Hot);
        Look.SetColorDown(Pressed);
        Look.SetColorChecked(Checked);
        Look.SetBorderColorChecked(CheckedFrame);
        for (int i = 0; i < 3; ++i) {
            auto* b = new TExtButton(Form);
            b->SetParent(Form);
            b->SetBounds(10 + 40 * i, 10, 30, 22);
            b->SetAppearance(&Look);
            b->SetCaption("B" + std::to_string(i));
            b->OnClick = [this, i](rtl::TObject*) { Clicks.push_back(i); };
            Buttons.push_back(b);
        }
        Form->Show();
        App->ActivateForm(Form);
        App->ProcessMessages();
    }
    void TearDown() override
    {
        App.reset();
        ui::SetMonotonicClock(nullptr);
    }
    // The face colour inside the outline, after the pointer went elsewhere.
    gfx::TColor Face(int i)
    {
        Buttons[i]->Invalidate();
        App->ProcessMessages();
        return THeadlessBackend::Pixel(Buttons[i], 3, 11);
    }
    std::vector<bool> Downs() const
    {
        std::vector<bool> result;
        for (TExtButton* b : Buttons) result.push_back(b->Down());
        return result;
    }

    ui::TManualClock Clock{50000};
    TExtButtonAppearance Look;
    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    std::vector<TExtButton*> Buttons;
    std::vector<int> Clicks;
};

TEST_F(ExtButtonTest, GroupedButtonsKeepOneDownAndPaintItChecked)
{
    for (TExtButton* b : Buttons) b->SetGroupIndex(1);
    struct Step {
        int click;
        bool allowAllUp;  // set on the clicked button before the click
        std::vector<bool> downs;
    };
    const Step steps[] = {
        {0, false, {true, false, false}},
        {1, false, {false, true, false}},
        {1, false, {false, true, false}},  // the down one stays down without AllowAllUp
        {2, true, {false, false, true}},
        {2, false, {false, false, false}},  // with AllowAllUp the down one clicks up
    };
    for (const Step& s : steps) {
        if (s.allowAllUp) Buttons[s.click]->SetAllowAllUp(true);
        Clock.Advance(1000);  // no double click
        THeadlessBackend::Click(Buttons[s.click], 5, 5);
        THeadlessBackend::MouseMove(Form, 250, 100);
        EXPECT_EQ(Downs(), s.downs) << "click on " << s.click;
        for (int i = 0; i < 3; ++i) EXPECT_EQ(Face(i), s.downs[i] ? Checked : Normal) << i;
    }
    EXPECT_EQ(Clicks, (std::vector<int>{0, 1, 1, 2, 2}));
    // The down face has the checked outline.
    Clock.Advance(1000);
    THeadlessBackend::Click(Buttons[0], 5, 5);
    THeadlessBackend::MouseMove(Form, 250, 100);
    Face(0);
    EXPECT_EQ(THeadlessBackend::Pixel(Buttons[0], 0, 0), CheckedFrame);
    // Setting a button down in code releases the others of its group.
    Buttons[1]->SetDown(true);
    EXPECT_EQ(Downs(), (std::vector<bool>{false, true, false}));
}

TEST_F(ExtButtonTest, GroupedReleaseOutsideKeepsTheButtonUpAndClicksNothing)
{
    Buttons[0]->SetGroupIndex(3);
    THeadlessBackend::MouseDown(Buttons[0], 5, 5);
    EXPECT_EQ(Buttons[0]->State(), absDown);
    EXPECT_EQ(Face(0), Pressed);
    THeadlessBackend::MouseMove(Buttons[0], 5, 40);
    EXPECT_EQ(Buttons[0]->State(), absUp);
    THeadlessBackend::MouseUp(Buttons[0], 5, 40);
    EXPECT_FALSE(Buttons[0]->Down());
    EXPECT_TRUE(Clicks.empty());
}

TEST_F(ExtButtonTest, CheckButtonTogglesAndUngroupedPushButtonIsNeverDown)
{
    Buttons[0]->SetStyle(tasCheck);
    THeadlessBackend::Click(Buttons[0], 5, 5);
    THeadlessBackend::MouseMove(Form, 250, 100);
    EXPECT_TRUE(Buttons[0]->Down());
    EXPECT_EQ(Face(0), Checked);
    Clock.Advance(1000);  // no double click
    THeadlessBackend::Click(Buttons[0], 5, 5);
    THeadlessBackend::MouseMove(Form, 250, 100);
    EXPECT_FALSE(Buttons[0]->Down());
    EXPECT_EQ(Face(0), Normal);

    Buttons[1]->SetDown(true);
    EXPECT_FALSE(Buttons[1]->Down());
    THeadlessBackend::Click(Buttons[1], 5, 5);
    EXPECT_FALSE(Buttons[1]->Down());
    EXPECT_EQ(Clicks, (std::vector<int>{0, 0, 1}));
}

TEST_F(ExtButtonTest, HoverEndsOnLeaveAndOnTheTimerWhenNoLeaveCame)
{
    int enters = 0, leaves = 0;
    TExtButton* b = Buttons[2];
    b->OnMouseEnter = [&](rtl::TObject*) { ++enters; };
    b->OnMouseLeave = [&](rtl::TObject*) { ++leaves; };
    THeadlessBackend::MouseMove(b, 5, 5);
    EXPECT_TRUE(b->MouseInControl());
    EXPECT_EQ(Face(2), Hot);
    THeadlessBackend::MouseMove(Form, 250, 100);
    EXPECT_FALSE(b->MouseInControl());
    EXPECT_EQ(Face(2), Normal);
    EXPECT_GE(enters, 1);
    EXPECT_EQ(leaves, 1);

    // The pointer leaves the program's windows without a leave message: the timer notices.
    THeadlessBackend::MouseMove(b, 5, 5);
    ui::SetCursorPosState(rtl::TPoint{900, 900});
    App->ProcessMessages();
    EXPECT_TRUE(b->MouseInControl()) << "no tick before the interval";
    Clock.Advance(20);
    App->ProcessMessages();
    EXPECT_FALSE(b->MouseInControl());
    EXPECT_EQ(Face(2), Normal);
    EXPECT_EQ(leaves, 1);
}

TEST_F(ExtButtonTest, AltWithTheCaptionsAcceleratorClicksAnEnabledButton)
{
    Buttons[0]->SetCaption("&Apply");
    Buttons[1]->SetCaption("&&Both");
    Buttons[2]->SetCaption("&Skip");
    Buttons[2]->SetEnabled(false);
    const struct {
        int key;
        std::vector<int> clicks;
    } cases[] = {{'A', {0}}, {'B', {}}, {'S', {}}, {'Q', {}}};
    for (const auto& c : cases) {
        Clicks.clear();
        THeadlessBackend::PressKey(c.key, ui::ssAlt);
        EXPECT_EQ(Clicks, c.clicks) << static_cast<char>(c.key);
    }
}

TEST(ExtButtonInFooter, AcceleratorClosesTheDropDownByItsModalResultAndReportsTheClick)
{
    ui::TApplication app;
    app.SetBackend(std::make_unique<ui::THeadlessBackend>());
    auto* form = new ui::TForm(&app);
    form->SetBounds(100, 100, 400, 300);
    auto* edit = new TExtDropDown(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 150, 21);
    TFooterButton* item = edit->DropDownFooter().Buttons().Add();
    item->SetCaption("&Keep");
    item->SetModalResult(ui::mrOk);
    std::vector<int> clicked;
    std::vector<bool> dropUps;
    edit->OnDropDownFooterButtonClick = [&](rtl::TObject*, int index) { clicked.push_back(index); };
    edit->OnDropUp = [&](rtl::TObject*, bool cancelled) { dropUps.push_back(cancelled); };
    form->Show();
    app.ActivateForm(form);
    edit->SetFocus();
    edit->ShowDropDown();
    app.ProcessMessages();
    ASSERT_TRUE(edit->DroppedDown());
    THeadlessBackend::PressKey('K', ui::ssAlt);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(dropUps, std::vector<bool>{false});
    EXPECT_EQ(clicked, std::vector<int>{0});
}

}  // namespace
