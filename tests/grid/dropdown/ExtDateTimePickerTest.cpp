// The date-and-time picker driven by real keys and clicks: the value composed with the companion, null dates, automatic field moves, the check box, user strings, the companion's layout and the flat look.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/dropdown/ExtDateTimePicker.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Forms.h"
#include "platform/ui/InputRouter.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/StdCtrlsButtons.h"
#include "platform/ui/StdCtrlsEdit.h"

namespace {

using namespace grid;
using ui::THeadlessBackend;

class ExtDateTimePickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Saved = rtl::FormatSettings;
        rtl::FormatSettings.ShortDateFormat = "dd/mm/yyyy";
        rtl::FormatSettings.DateSeparator = '/';
        rtl::FormatSettings.LongTimeFormat = "hh:nn:ss";
        rtl::FormatSettings.TimeSeparator = ':';
        ui::SetLocalTimeSource(&Local);
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(10, 10, 400, 200);
        Picker = new TExtDateTimePicker(Form);
        Picker->SetParent(Form);
        Picker->SetBounds(100, 20, 220, 24);
        Next = new ui::TEdit(Form);
        Next->SetParent(Form);
        Next->SetBounds(100, 80, 100, 21);
        Form->Show();
        App->ActivateForm(Form);
        App->ProcessMessages();
    }
    void TearDown() override
    {
        App.reset();
        ui::SetLocalTimeSource(nullptr);
        rtl::FormatSettings = Saved;
    }
    void Type(const std::string& digits)
    {
        for (char ch : digits) {
            THeadlessBackend::TypeText(std::string(1, ch));
            App->ProcessMessages();
        }
    }
    static double At(int y, int m, int d, int h = 0, int n = 0, int s = 0, int ms = 0)
    {
        return rtl::EncodeDate(y, m, d) + rtl::EncodeTime(h, n, s, ms);
    }
    rtl::TFormatSettings Saved;
    ui::TManualLocalTime Local{At(2026, 12, 11, 9, 30)};
    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    TExtDateTimePicker* Picker = nullptr;
    ui::TEdit* Next = nullptr;
};

TEST_F(ExtDateTimePickerTest, ValueIsTheDateWithTheCompanionsTimeAndMillisecondsAreDropped)
{
    ASSERT_EQ(Picker->ExtKind(), dkDateTime);
    ASSERT_NE(Picker->TimePicker(), nullptr);
    EXPECT_TRUE(Picker->TimePicker()->Visible());
    EXPECT_TRUE(Picker->TimePicker()->IsTimePicker());
    std::vector<std::string> events;
    Picker->OnChange = [&](rtl::TObject* s) { events.push_back(s == Picker ? "change" : "?"); };
    Picker->OnTimeChange = [&](rtl::TObject*) { events.push_back("time"); };
    Picker->SetDateTime(At(2024, 3, 15, 10, 20, 30, 500));
    EXPECT_DOUBLE_EQ(Picker->GetDateTime(), At(2024, 3, 15, 10, 20, 30));
    // The user steps the hour in the companion: the value takes it, both events fire.
    Picker->SetFocus();
    THeadlessBackend::PressKey(ui::VK_TAB);
    ASSERT_TRUE(Picker->TimePicker()->Focused());
    THeadlessBackend::PressKey(ui::VK_UP);
    EXPECT_DOUBLE_EQ(Picker->GetDateTime(), At(2024, 3, 15, 11, 20, 30));
    EXPECT_EQ(events, (std::vector<std::string>{"change", "time"}));
    // Setters reached through the platform type still reach the companion.
    ui::TDateTimePicker& base = *Picker;
    base.SetDateTime(At(2025, 1, 2, 7, 8, 9));
    EXPECT_NEAR(Picker->TimePicker()->Time(), rtl::EncodeTime(7, 8, 9, 0), 1e-9);
    EXPECT_DOUBLE_EQ(Picker->GetDateTime(), At(2025, 1, 2, 7, 8, 9));
    // SetDate keeps the time of day.
    Picker->SetDate(At(2030, 6, 1, 23, 59, 59, 999));
    EXPECT_DOUBLE_EQ(Picker->GetDateTime(), At(2030, 6, 1, 7, 8, 9));
    EXPECT_EQ(Picker->Version(), "1.2.2.0");
}

TEST_F(ExtDateTimePickerTest, NullDateShowsTheInjectedTodayWhileTheCompanionKeepsDayZero)
{
    Picker->SetDateTime(rtl::EncodeTime(12, 0, 0, 0));
    EXPECT_DOUBLE_EQ(Picker->Date(), 0.0);  // off: day 0 as given
    Picker->SetNullDateIsToday(true);
    Picker->SetDateTime(rtl::EncodeTime(12, 0, 0, 0));
    EXPECT_DOUBLE_EQ(Picker->Date(), rtl::EncodeDate(2026, 12, 11));
    EXPECT_DOUBLE_EQ(Picker->TimePicker()->DateTime(), rtl::EncodeTime(12, 0, 0, 0));
}

TEST_F(ExtDateTimePickerTest, KindChangesRebuildOnlyWhenTheKindDiffers)
{
    TCustomDateTimePicker* companion = Picker->TimePicker();
    Picker->SetKind(dkDateTime);
    EXPECT_EQ(Picker->TimePicker(), companion);
    Picker->SetDateTime(At(2024, 3, 15, 10, 20, 30));
    Picker->SetKind(dkDate);
    EXPECT_EQ(Picker->TimePicker(), nullptr);
    EXPECT_DOUBLE_EQ(Picker->GetDateTime(), At(2024, 3, 15, 10, 20, 30));
    Picker->SetKind(dkTime);
    EXPECT_EQ(Picker->Kind(), ui::dtkTime);
    Picker->SetKind(ui::dtkDateTime);  // the platform kind reaches the same setter
    EXPECT_EQ(Picker->ExtKind(), dkDateTime);
    ASSERT_NE(Picker->TimePicker(), nullptr);
    EXPECT_DOUBLE_EQ(Picker->GetDateTime(), At(2024, 3, 15, 10, 20, 30));
}

TEST_F(ExtDateTimePickerTest, TypedDigitsMoveThroughTheDateFieldsToTheCompanionAndOn)
{
    Picker->SetFormat("dd/MM/yyyy");
    Picker->SetAutoTab(true);
    Picker->SetDateTime(At(2024, 3, 9, 10, 20, 30));
    Picker->SetFocus();
    App->ProcessMessages();  // the posted click selects the first field
    EXPECT_EQ(Picker->ActivePart(), 0);
    Type("1");  // could still become 10–19: the day is not complete
    EXPECT_EQ(Picker->ActivePart(), 0);
    Type("5");
    EXPECT_EQ(Picker->ActivePart(), 1);
    Type("7");  // no month 70: complete at once
    EXPECT_EQ(Picker->ActivePart(), 2);
    Type("2031");  // the format ends with the year: on to the companion
    EXPECT_DOUBLE_EQ(Picker->Date(), rtl::EncodeDate(2031, 7, 15));
    ASSERT_TRUE(Picker->TimePicker()->Focused());
    // The companion: hours and minutes move to the next field, seconds to the next control.
    Type("08");
    EXPECT_EQ(Picker->TimePicker()->ActivePart(), 1);
    Type("45");
    EXPECT_EQ(Picker->TimePicker()->ActivePart(), 2);
    Type("12");
    EXPECT_TRUE(Next->Focused());
    EXPECT_DOUBLE_EQ(Picker->GetDateTime(), At(2031, 7, 15, 8, 45, 12));
}

TEST_F(ExtDateTimePickerTest, WithoutFormatTheYearEndsADatePickerAndSecondsStepWithoutAutoTabToNext)
{
    Picker->SetKind(dkDate);
    Picker->SetAutoTab(true);
    Picker->SetDateTime(At(2024, 3, 9));
    Picker->SetFocus();
    App->ProcessMessages();
    Type("0405");
    EXPECT_EQ(Picker->ActivePart(), 2);
    Type("2020");
    EXPECT_TRUE(Next->Focused());
    EXPECT_DOUBLE_EQ(Picker->Date(), rtl::EncodeDate(2020, 5, 4));

    Picker->SetKind(dkTime);
    Picker->SetAutoTabToNext(false);
    Picker->SetDateTime(At(2024, 3, 9, 1, 2, 3));
    Picker->SetFocus();
    App->ProcessMessages();
    Type("2359");
    EXPECT_EQ(Picker->ActivePart(), 2);
    Type("58");  // seconds changed: without AutoTabToNext the focus stays
    EXPECT_TRUE(Picker->Focused());
    EXPECT_NEAR(Picker->Time(), rtl::EncodeTime(23, 59, 58, 0), 1e-9);
}

TEST_F(ExtDateTimePickerTest, CheckBoxSwitchesTheValueAndTheCompanionOff)
{
    Picker->SetShowCheckbox(true);
    int changes = 0;
    Picker->OnChange = [&](rtl::TObject*) { ++changes; };
    rtl::TRect box = Picker->CheckboxRect();
    THeadlessBackend::Click(Picker, box.Left + 3, box.Top + 3);
    EXPECT_FALSE(Picker->Checked());
    EXPECT_FALSE(Picker->TimePicker()->Enabled());
    EXPECT_EQ(changes, 1);
    THeadlessBackend::PressKey(ui::VK_SPACE);
    EXPECT_TRUE(Picker->Checked());
    EXPECT_TRUE(Picker->TimePicker()->Enabled());
    EXPECT_EQ(changes, 2);
}

TEST_F(ExtDateTimePickerTest, UserStringsAreAnsweredByTheHandler)
{
    Picker->SetKind(dkDate);
    Picker->SetParseInput(true);
    Picker->SetDateTime(At(2024, 3, 9));
    std::vector<std::string> seen;
    bool accept = true;
    Picker->OnUserInput = [&](rtl::TObject*, const std::string& text, rtl::TDateTime& value, bool& ok) {
        seen.push_back(text);
        if (text == "tomorrow") value = rtl::EncodeDate(2026, 12, 12);
        ok = accept;
    };
    Picker->SetFocus();
    THeadlessBackend::PressKey(ui::VK_F2);
    ASSERT_TRUE(Picker->EditingUserString());
    for (int i = 0; i < 10; ++i) THeadlessBackend::PressKey(ui::VK_BACK);
    THeadlessBackend::TypeText("02/01/2025");
    THeadlessBackend::PressKey(ui::VK_RETURN);
    EXPECT_DOUBLE_EQ(Picker->Date(), rtl::EncodeDate(2025, 1, 2));
    THeadlessBackend::PressKey(ui::VK_F2);
    for (int i = 0; i < 10; ++i) THeadlessBackend::PressKey(ui::VK_BACK);
    THeadlessBackend::TypeText("tomorrow");
    THeadlessBackend::PressKey(ui::VK_RETURN);
    EXPECT_DOUBLE_EQ(Picker->Date(), rtl::EncodeDate(2026, 12, 12));
    accept = false;
    THeadlessBackend::PressKey(ui::VK_F2);
    THeadlessBackend::TypeText("x");
    THeadlessBackend::PressKey(ui::VK_RETURN);
    EXPECT_DOUBLE_EQ(Picker->Date(), rtl::EncodeDate(2026, 12, 12));
    EXPECT_EQ(seen, (std::vector<std::string>{"02/01/2025", "tomorrow", "12/12/2026x"}));
    EXPECT_FALSE(Picker->EditingUserString());
}

TEST_F(ExtDateTimePickerTest, CompanionSitsLeftOfTheButtonAsWideAsItsText)
{
    // The profile here: a newer system whose visual-styles library is not loaded.
    gfx::TCanvas measure;
    measure.Font().Assign(&Picker->Font());
    int p = measure.TextWidth(Picker->TimePicker()->DisplayText()) + 31;
    const int border = 2;  // bsSingle with the 3D look
    ui::TDateTimePicker* companion = Picker->TimePicker();
    EXPECT_EQ(companion->Width(), p);
    EXPECT_EQ(companion->Left(), 220 - p - 23 - border);
    EXPECT_EQ(companion->Top(), -2 - border);
    EXPECT_EQ(companion->Height(), 24);
    Picker->SetWidth(300);
    EXPECT_EQ(companion->Left(), 300 - p - 23 - border);
}

TEST_F(ExtDateTimePickerTest, GridTabHandlingWantsTabByShiftState)
{
    Picker->SetGridTabhandling(true);
    Picker->SetKind(dkDate);
    Picker->SetKind(dkDateTime);  // a new companion takes the grid flag
    auto wantsTab = [](ui::TWinControl* c) { return (c->Perform(ui::WM_GETDLGCODE, 0, 0) & ui::DLGC_WANTTAB) != 0; };
    EXPECT_FALSE(wantsTab(Picker));
    EXPECT_TRUE(wantsTab(Picker->TimePicker()));
    ui::TInputRouter::Key(ui::VK_SHIFT, true);
    EXPECT_TRUE(wantsTab(Picker));
    EXPECT_FALSE(wantsTab(Picker->TimePicker()));
    ui::TInputRouter::Key(ui::VK_SHIFT, false);
}

TEST_F(ExtDateTimePickerTest, LabelIsPlacedBesideThePicker)
{
    Picker->SetLabelCaption("Sowing");
    ui::TLabel* label = Picker->PickerLabel();
    ASSERT_NE(label, nullptr);
    gfx::TCanvas measure;
    measure.Font().Assign(&label->Font());
    int tw = measure.TextWidth("Sowing");
    EXPECT_EQ(label->Left(), 100 - tw - 4);
    EXPECT_EQ(label->Top(), 20);
    Picker->SetLabelPosition(dropdown::lpTopLeft);
    EXPECT_EQ(label->Left(), 100);
    EXPECT_EQ(label->Top(), 20 - label->Height() - 4);
    Picker->SetLeft(150);  // the label follows the picker
    EXPECT_EQ(label->Left(), 150);
    Picker->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
}

TEST_F(ExtDateTimePickerTest, FlatLookFramesAndButtonColoursFollowTheState)
{
    Picker->SetKind(dkDate);
    Picker->SetMetroStyle(true);
    Picker->SetCtl3D(false);
    Picker->SetBorderColor(0x0000FF);
    Picker->SetFocusBorderColor(0xFF0000);
    Picker->SetButtonColor(0x00FF00);
    Picker->SetButtonColorHot(0x00FFFF);
    Picker->SetButtonColorDown(0x008000);
    Picker->SetButtonTextColor(0);
    Picker->SetButtonTextColorDown(0xFFFFFF);
    auto px = [&](int x, int y) {
        App->ProcessMessages();
        return THeadlessBackend::Pixel(Picker, x, y);
    };
    const int buttonX = Picker->ClientWidth() - Picker->ButtonWidth() / 2 + 2;
    const int buttonY = 14;  // below the arrow
    Next->SetFocus();
    EXPECT_EQ(px(0, 10), gfx::ColorToRGB(0x0000FF));
    EXPECT_EQ(px(buttonX, buttonY), gfx::ColorToRGB(0x00FF00));
    Picker->SetFocus();
    EXPECT_EQ(px(0, 10), gfx::ColorToRGB(0xFF0000));
    THeadlessBackend::MouseMove(Picker, buttonX, buttonY);
    EXPECT_EQ(px(buttonX, buttonY), gfx::ColorToRGB(0x00FFFF));
    THeadlessBackend::MouseDown(Picker, buttonX, buttonY);
    EXPECT_EQ(px(buttonX, buttonY), gfx::ColorToRGB(0x008000));
    THeadlessBackend::MouseUp(Picker, buttonX, buttonY);
    if (Picker->DroppedDown()) Picker->SetDroppedDown(false);
    Next->SetFocus();
    Picker->SetEnabled(false);
    EXPECT_EQ(px(0, 10), gfx::ColorToRGB(0xB99D7F));
    // A bare picker (the companion's class) never paints the flat look.
    Picker->SetEnabled(true);
    Picker->SetMetroStyle(false);
    Picker->SetCtl3D(true);
    EXPECT_NE(px(0, 10), gfx::ColorToRGB(0x0000FF));
}

}  // namespace
