// The time picker drop-down driven by real keys, typing and clicks on a headless form: stepping
// the part under the caret, typed times, the seconds switch, and the clock pop-up opened,
// closed and cancelled.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtTimePickerDropDown.h"
#include "grid/dropdown/ExtWatch.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/Clock.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/InputRouter.h"
#include "platform/ui/StdCtrlsEdit.h"
#include "tests/grid/dropdown/HeadlessFormFixture.h"

namespace {

using namespace grid;
using ui::THeadlessBackend;

rtl::TDateTime Hms(int h, int n, int s)
{
    return rtl::EncodeTime(h, n, s, 0);
}

class TimePickerDropDownTest : public dropdowntest::HeadlessFormTest {
protected:
    void SetUp() override
    {
        FSavedSeparator = rtl::FormatSettings.TimeSeparator;
        rtl::FormatSettings.TimeSeparator = ':';
        StartForm(400, 300);
        Picker = new TExtTimePickerDropDown(Form);
        Picker->SetParent(Form);
        Picker->SetBounds(10, 10, 120, 21);
        Picker->OnTimeChange = [this](rtl::TObject* sender) {
            EXPECT_EQ(sender, Picker);
            ++TimeChanges;
        };
        Other = new ui::TEdit(Form);
        Other->SetParent(Form);
        Other->SetBounds(10, 200, 100, 21);
        Form->Show();
        App->ActivateForm(Form);
    }
    void TearDown() override
    {
        HeadlessFormTest::TearDown();
        rtl::FormatSettings.TimeSeparator = FSavedSeparator;
    }
    static void Press(int vk, ui::TShiftState shift = 0) { THeadlessBackend::PressKey(vk, shift); }
    static void Type(const std::string& text) { THeadlessBackend::TypeText(text); }
    // An editable picker with the focus, the caret moved with Home and Right.
    void FocusAt(int caret)
    {
        Picker->SetEditorEnabled(true);
        Picker->SetFocus();
        Press(ui::VK_HOME);
        for (int i = 0; i < caret; ++i) Press(ui::VK_RIGHT);
        ASSERT_EQ(Picker->SelStart(), caret);
    }
    void OpenPopup()
    {
        Picker->SetFocus();
        Press(ui::VK_DOWN, ui::ssAlt);
        ASSERT_TRUE(Picker->DroppedDown());
        App->ProcessMessages();
    }
    TExtWatch& Watch() { return *Picker->Watch(); }

    char FSavedSeparator = ':';
    TExtTimePickerDropDown* Picker = nullptr;
    ui::TEdit* Other = nullptr;
    int TimeChanges = 0;
};

TEST_F(TimePickerDropDownTest, ANewOneShowsMidnightWithSecondsAndCannotBeTypedIn)
{
    EXPECT_EQ(Picker->Text(), "00:00:00");
    EXPECT_EQ(Picker->Time(), 0.0);
    EXPECT_FALSE(Picker->EditorEnabled());
    EXPECT_FALSE(Picker->DropDownHeader().Visible());
    Picker->SetTime(Hms(9, 5, 7));
    EXPECT_EQ(Picker->Text(), "09:05:07");
    EXPECT_EQ(TimeChanges, 0) << "setting the time in code is no user change";
    // A text with a one-digit hour fills the hour from its end; blanks read as zeros.
    Picker->SetText("7:05");
    EXPECT_EQ(Picker->Text(), " 7:05:  ");
    EXPECT_EQ(Picker->Time(), Hms(7, 5, 0));
    Picker->SetTime(Hms(9, 5, 7));
    // Not editable: typing changes nothing, Down still steps the hour.
    Picker->SetFocus();
    Type("12");
    EXPECT_EQ(Picker->Text(), "09:05:07");
    Press(ui::VK_DOWN);
    EXPECT_EQ(Picker->Text(), "10:05:07");
    EXPECT_EQ(TimeChanges, 1);
}

TEST_F(TimePickerDropDownTest, UpAndDownStepThePartUnderTheCaretWithWrapAndNoCarry)
{
    struct Case {
        const char* name;
        bool seconds;
        rtl::TDateTime from;
        int caret;
        int key;
        const char* text;
    } cases[] = {
        {"Down raises the hour", true, Hms(12, 34, 56), 0, ui::VK_DOWN, "13:34:56"},
        {"Up lowers the hour", true, Hms(12, 34, 56), 2, ui::VK_UP, "11:34:56"},
        {"the hour 23 wraps to 00", true, Hms(23, 34, 56), 1, ui::VK_DOWN, "00:34:56"},
        {"the hour 00 wraps to 23", true, Hms(0, 34, 56), 0, ui::VK_UP, "23:34:56"},
        {"after the first separator: the minute", true, Hms(12, 34, 56), 3, ui::VK_DOWN, "12:35:56"},
        {"minute 59 wraps to 00, the hour stays", true, Hms(12, 59, 56), 5, ui::VK_DOWN, "12:00:56"},
        {"minute 00 wraps to 59, the hour stays", true, Hms(12, 0, 56), 4, ui::VK_UP, "12:59:56"},
        {"after the second separator: the second", true, Hms(12, 34, 56), 6, ui::VK_UP, "12:34:55"},
        {"second 59 wraps to 00, the minute stays", true, Hms(12, 34, 59), 8, ui::VK_DOWN, "12:34:00"},
        {"without seconds the end steps the minute", false, Hms(12, 34, 0), 5, ui::VK_DOWN, "12:35"},
        {"without seconds the hour", false, Hms(23, 34, 0), 2, ui::VK_DOWN, "00:34"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Picker->SetShowSeconds(c.seconds);
        Picker->SetTime(c.from);
        FocusAt(c.caret);
        const int before = TimeChanges;
        Press(c.key);
        EXPECT_EQ(Picker->Text(), c.text);
        EXPECT_EQ(Picker->Text(), Picker->TimeText(Picker->Time()));
        EXPECT_EQ(TimeChanges, before + 1);
        EXPECT_EQ(Picker->SelStart(), c.caret) << "the caret stays in its part";
        // Once more the other way takes the same part back.
        Press(c.key == ui::VK_UP ? ui::VK_DOWN : ui::VK_UP);
        EXPECT_EQ(Picker->Time(), c.from);
    }
    // With Ctrl held the keys only move the caret.
    FocusAt(0);
    Press(ui::VK_DOWN, ui::ssCtrl);
    EXPECT_EQ(Picker->Text(), "23:34");
}

TEST_F(TimePickerDropDownTest, TypingFillsTheMaskAndAnOutOfRangeTimeIsIgnoredUntilLeavingRewritesIt)
{
    Picker->SetTime(Hms(12, 34, 56));
    FocusAt(0);
    // Overwrite typing: the caret skips the separator.
    Type("093");
    EXPECT_EQ(Picker->Text(), "09:34:56");
    EXPECT_EQ(Picker->SelStart(), 4);
    EXPECT_EQ(Picker->Time(), Hms(9, 34, 56));
    // A minute of 74 is out of range: time and text stay as typed, nothing raises.
    Press(ui::VK_LEFT);
    Type("7");
    EXPECT_EQ(Picker->Text(), "09:74:56");
    EXPECT_EQ(Picker->Time(), Hms(9, 34, 56));
    // Leaving writes the text again from the kept time.
    Other->SetFocus();
    EXPECT_EQ(Picker->Text(), "09:34:56");
    EXPECT_EQ(Picker->Time(), Hms(9, 34, 56));
    EXPECT_EQ(TimeChanges, 0) << "typing is no stepping";
}

TEST_F(TimePickerDropDownTest, TypingAnHourIntoABlankTextNormalisesToTheFullHour)
{
    Picker->SetTime(Hms(12, 34, 56));
    FocusAt(0);
    // Select the value and delete it: the blank places read as zeros.
    Press('A', ui::ssCtrl);
    Press(ui::VK_DELETE);
    EXPECT_EQ(Picker->Text(), "00:00:00");
    Press(ui::VK_HOME);
    Type("07");
    EXPECT_EQ(Picker->Text(), "07:00:00");
    EXPECT_EQ(Picker->Time(), Hms(7, 0, 0));
    // A typed minute leaves the text as typed: no rewrite once minutes are not 0.
    Type("3");
    EXPECT_EQ(Picker->Text(), "07:30:00");
    EXPECT_EQ(Picker->Time(), Hms(7, 30, 0));
}

TEST_F(TimePickerDropDownTest, SwitchingSecondsOffAndOnRebuildsTextAndMask)
{
    Picker->SetTime(Hms(12, 34, 56));
    Picker->SetShowSeconds(false);
    EXPECT_EQ(Picker->Text(), "12:34");
    EXPECT_EQ(Picker->EditMask(), "!90\\:00;1; ");
    EXPECT_EQ(Picker->Time(), Hms(12, 34, 56)) << "the seconds are kept in the time";
    // Typed text is read without seconds now.
    FocusAt(3);
    Type("5");
    EXPECT_EQ(Picker->Text(), "12:54");
    EXPECT_EQ(Picker->Time(), Hms(12, 54, 0));
    Picker->SetShowSeconds(true);
    EXPECT_EQ(Picker->Text(), "12:54:00");
    // Another locale separator stands in the text and the mask.
    rtl::FormatSettings.TimeSeparator = '.';
    Picker->SetShowSeconds(false);
    EXPECT_EQ(Picker->Text(), "12.54");
    FocusAt(4);
    Press(ui::VK_DOWN);
    EXPECT_EQ(Picker->Text(), "12.55");
}

TEST_F(TimePickerDropDownTest, OpeningSetsTheClockToTheTimeAndClosingTakesTheClocksTime)
{
    Picker->SetAnimation(false);
    Picker->SetTime(Hms(10, 5, 30));
    OpenPopup();
    TDropDownForm* popup = Picker->DropDownForm();
    ASSERT_TRUE(popup->Visible());
    EXPECT_EQ(Watch().Time(), Hms(10, 5, 30));
    EXPECT_FALSE(Watch().Animation());
    // The clock fills a 170 x 170 panel, framed at the top and bottom by the pop-up's border.
    EXPECT_EQ(Picker->PanelCtrl()->Parent(), popup);
    EXPECT_EQ(popup->Width(), 170);
    EXPECT_EQ(popup->Height(), 172);
    EXPECT_EQ(Watch().Parent(), Picker->PanelCtrl());
    EXPECT_EQ(Watch().Width(), Picker->PanelCtrl()->ClientWidth() - 2);
    // A click in the ring below the face sets the minute; the edit follows at once.
    const rtl::TPoint c = Watch().Center();
    THeadlessBackend::Click(&Watch(), c.X, c.Y + Watch().Radius() + 4);
    EXPECT_EQ(Watch().Time(), Hms(10, 30, 30));
    EXPECT_EQ(Picker->Text(), "10:30:30");
    EXPECT_EQ(TimeChanges, 1);
    // Keys of the pop-up step the clock: Page Up the hour, Right the minute; Up stays in it.
    Press(ui::VK_PRIOR);
    Press(ui::VK_RIGHT);
    Press(ui::VK_UP);
    EXPECT_EQ(Picker->Text(), "11:31:30");
    Press(ui::VK_RETURN);
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->Time(), Hms(11, 31, 30));
    EXPECT_EQ(Picker->Text(), "11:31:30");
    EXPECT_EQ(TimeChanges, 3);
}

TEST_F(TimePickerDropDownTest, CancellingKeepsTheTimeItOpenedWithAndResetsTheClock)
{
    Picker->SetAnimation(false);
    // A text once set, then the time moved on: cancelling goes back to the time, not that text.
    Picker->SetText("08:00:00");
    Picker->SetTime(Hms(14, 20, 0));
    OpenPopup();
    THeadlessBackend::Click(&Watch(), Watch().Center().X + 40, Watch().Center().Y);  // 3 o'clock inside the face
    EXPECT_EQ(Picker->Text(), "15:20:00");
    Press(ui::VK_ESCAPE);
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->Time(), Hms(14, 20, 0));
    EXPECT_EQ(Picker->Text(), "14:20:00");
    EXPECT_EQ(Watch().Time(), Hms(14, 20, 0));
    // A click outside the pop-up closes it keeping the clock's time.
    OpenPopup();
    Press(ui::VK_NEXT);
    THeadlessBackend::Click(Other, 5, 5);
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->Time(), Hms(13, 20, 0));
}

TEST_F(TimePickerDropDownTest, OpeningWithATextThatDoesNotConvertKeepsTheTimeAndWritesItAgain)
{
    Picker->SetTime(Hms(9, 15, 0));
    FocusAt(0);
    Type("3");  // 39:15:00, out of range
    EXPECT_EQ(Picker->Text(), "39:15:00");
    OpenPopup();
    EXPECT_EQ(Picker->Text(), "09:15:00");
    EXPECT_EQ(Watch().Time(), Hms(9, 15, 0));
}

TEST_F(TimePickerDropDownTest, ResolutionSnapsRingClicksAndTheClockTakesTheSettingsAtEachOpening)
{
    Picker->SetAnimation(false);
    // A component style colours the clock from the style table; what is set after it stays.
    Picker->SetComponentStyle(tsOffice2003Blue);
    EXPECT_EQ(Picker->WatchAppearance().BorderColor(), 0xD68759u);
    EXPECT_EQ(Picker->WatchAppearance().HourPointerShadow(), 0xFFFFFFu);
    Picker->SetResolution(15);
    Picker->SetResolution(45);  // above 30: ignored
    EXPECT_EQ(Picker->Resolution(), 15);
    Picker->SetShowWatchAMPM(false);
    Picker->WatchAppearance().SetBackgroundColor(0x00FFFF);
    Picker->WatchAppearance().SetBackgroundColorTo(gfx::clNone);
    Picker->SetTime(Hms(6, 0, 0));
    OpenPopup();
    EXPECT_FALSE(Watch().ShowAMPM());
    EXPECT_EQ(Watch().Appearance().BorderColor(), 0xD68759u);
    // Just above 23 minutes in the ring snaps to the half hour.
    const rtl::TPoint c = Watch().Center();
    THeadlessBackend::Click(&Watch(), c.X + 65, c.Y + 65);
    EXPECT_EQ(Picker->Text(), "06:30:00");
    // The face is painted in the appearance handed over.
    App->ProcessMessages();
    EXPECT_EQ(THeadlessBackend::Pixel(&Watch(), c.X - 30, c.Y + 20) & 0xFFFFFF, 0x00FFFF);
    Press(ui::VK_RETURN);
}

TEST_F(TimePickerDropDownTest, ThePlatformTimePickerBelowTheClockFollowsItBothWays)
{
    Picker->SetAnimation(false);
    Picker->SetShowTimePicker(true);
    Picker->SetShowSeconds(false);
    Picker->SetTime(Hms(8, 45, 0));
    OpenPopup();
    ui::TDateTimePicker* platform = Picker->DateTimePicker();
    ASSERT_NE(platform, nullptr);
    EXPECT_TRUE(platform->Visible());
    EXPECT_EQ(platform->Format(), "HH:mm");
    EXPECT_EQ(Picker->TimeText(platform->Time()), "08:45");
    EXPECT_EQ(Picker->PanelCtrl()->Height(), 170 + platform->Height());
    THeadlessBackend::Click(&Watch(), Watch().Center().X - 40, Watch().Center().Y);  // 9 o'clock
    EXPECT_EQ(Picker->TimeText(platform->Time()), "09:45");
    // The picker's own change moves the clock and the text.
    platform->SetFocus();
    Press(ui::VK_UP);
    EXPECT_EQ(Watch().Time(), platform->Time());
    EXPECT_EQ(Picker->Text(), Picker->TimeText(platform->Time()));
    Press(ui::VK_RETURN);
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->Text(), Picker->TimeText(Picker->Time()));
}

}  // namespace
