// Page control (switching, hidden tabs), status bar panels, track bar and date-time picker through real input.
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/StdCtrls.h"

namespace {

using namespace ui;
using uitest::UiTest;

class PageControlTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Form = NewForm(400, 300);
        Pages = new TPageControl(Form);
        Pages->SetParent(Form);
        Pages->SetBounds(10, 10, 380, 250);
        for (const char* caption : {"INI file maker", "SOI file maker", "GRID OPERATIONS", "StoryLine Creator"}) {
            auto* sheet = new TTabSheet(Form);
            sheet->SetCaption(caption);
            sheet->SetPageControl(Pages);
            auto* edit = new TEdit(Form);
            edit->SetParent(sheet);
            edit->SetBounds(10, 10, 100, 21);
            Edits.push_back(edit);
        }
        Pages->Pages(2)->SetTabVisible(false);
        Pages->OnChange = [this](rtl::TObject*) { ++Changes; };
        Form->Show();
    }
    void ClickTab(int tabIndex)
    {
        rtl::TRect r = Pages->TabRect(tabIndex);
        THeadlessBackend::Click(Pages, r.Left + 5, r.Top + 5);
    }
    TForm* Form = nullptr;
    TPageControl* Pages = nullptr;
    std::vector<TEdit*> Edits;
    int Changes = 0;
};

TEST_F(PageControlTest, ClickingATabShowsItsPageOnly)
{
    EXPECT_EQ(Pages->ActivePageIndex(), 0);
    EXPECT_EQ(Pages->TabCount(), 3);
    ClickTab(2);  // the third tab shown is the fourth page
    EXPECT_EQ(Pages->ActivePageIndex(), 3);
    EXPECT_EQ(Changes, 1);
    for (int i = 0; i < Pages->PageCount(); ++i) EXPECT_EQ(Pages->Pages(i)->Visible(), i == 3);
    EXPECT_TRUE(Edits[3]->Showing());
    EXPECT_FALSE(Edits[0]->Showing());
    // A click on the tab row where the hidden tab would be is the next visible tab.
    EXPECT_EQ(Pages->IndexOfTabAt(Pages->TabRect(2).Left + 1, 5), 2);
    ClickTab(0);
    EXPECT_EQ(Pages->ActivePageIndex(), 0);
    // OnChanging can refuse.
    Pages->OnChanging = [](rtl::TObject*, bool& allow) { allow = false; };
    ClickTab(1);
    EXPECT_EQ(Pages->ActivePageIndex(), 0);
}

TEST_F(PageControlTest, CtrlTabSkipsThePageWhoseTabIsHidden)
{
    Edits[0]->SetFocus();
    std::vector<int> seen;
    for (int i = 0; i < 4; ++i) {
        THeadlessBackend::PressKey(VK_TAB, ssCtrl);
        seen.push_back(Pages->ActivePageIndex());
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 3, 0, 1}));
    THeadlessBackend::PressKey(VK_TAB, ssCtrl | ssShift);
    EXPECT_EQ(Pages->ActivePageIndex(), 0);
    // The focus left the page that was hidden under it.
    EXPECT_NE(FocusedControl(), Edits[1]);
    EXPECT_TRUE(FocusedControl() == nullptr || FocusedControl()->Showing());
    // Arrow keys on the focused page control do the same.
    Pages->SetFocus();
    THeadlessBackend::PressKey(VK_LEFT);
    EXPECT_EQ(Pages->ActivePageIndex(), 3);
}

TEST_F(PageControlTest, AHiddenTabsPageIsReachedOnlyFromCode)
{
    for (int i = 0; i < Pages->TabCount(); ++i) EXPECT_NE(Pages->PageOfTab(i), Pages->Pages(2));
    Pages->SetActivePage(Pages->Pages(2));
    EXPECT_EQ(Pages->ActivePageIndex(), 2);
    EXPECT_EQ(Changes, 0);  // code changes fire no OnChange
    EXPECT_TRUE(Edits[2]->Showing());
}

TEST_F(UiTest, StatusBarShowsPanelTextsAndSitsAtTheBottom)
{
    auto* form = NewForm(400, 200);
    auto* bar = new TStatusBar(form);
    bar->SetParent(form);
    bar->Panels().Add().SetWidth(200);
    bar->Panels().Add();
    form->Show();
    EXPECT_EQ(bar->Top() + bar->Height(), form->ClientHeight());
    EXPECT_EQ(bar->Width(), form->ClientWidth());
    EXPECT_EQ(bar->PanelRect(0).Width(), 200);
    EXPECT_EQ(bar->PanelRect(1).Right, form->ClientWidth());
    App->ProcessMessages();
    auto darkIn = [&](const rtl::TRect& r) {
        int dark = 0;
        for (int y = r.Top + 2; y < r.Bottom - 2; ++y)
            for (int x = r.Left + 2; x < r.Right - 2; ++x) dark += (THeadlessBackend::Pixel(bar, x, y) & 0xFFFFFF) < 0x404040;
        return dark;
    };
    EXPECT_EQ(darkIn(bar->PanelRect(0)), 0);
    bar->Panels()[0].SetText("10km0042.soi");
    App->ProcessMessages();
    EXPECT_GT(darkIn(bar->PanelRect(0)), 10);
    EXPECT_THROW(bar->Panels()[2], rtl::Exception);
}

TEST_F(UiTest, TrackBarMovesWithKeysAndClicks)
{
    auto* form = NewForm();
    auto* track = new TTrackBar(form);
    track->SetParent(form);
    track->SetBounds(10, 10, 150, 40);
    std::vector<int> positions;
    track->OnChange = [&](rtl::TObject*) { positions.push_back(track->Position()); };
    form->Show();
    track->SetFocus();
    THeadlessBackend::PressKey(VK_RIGHT);
    THeadlessBackend::PressKey(VK_NEXT);
    THeadlessBackend::PressKey(VK_END);
    THeadlessBackend::PressKey(VK_END);
    THeadlessBackend::Click(track, 15, 10);  // left of the thumb: a page back
    EXPECT_EQ(positions, (std::vector<int>{1, 3, 10, 8}));
    rtl::TRect thumb = track->ThumbRect();
    int mid = (thumb.Left + thumb.Right) / 2;
    THeadlessBackend::MouseDown(track, mid, 10);
    THeadlessBackend::MouseMove(track, track->ChannelRect().Left, 10);
    THeadlessBackend::MouseUp(track, track->ChannelRect().Left, 10);
    EXPECT_EQ(track->Position(), 0);
}

TEST_F(UiTest, DateTimePickerEditsItsPartsByKeys)
{
    rtl::TFormatSettings saved = rtl::FormatSettings;
    rtl::FormatSettings.ShortDateFormat = "yyyy-mm-dd";
    rtl::FormatSettings.DateSeparator = '-';
    rtl::FormatSettings.LongTimeFormat = "hh:nn:ss";
    auto* form = NewForm();
    auto* date = new TDateTimePicker(form);
    date->SetParent(form);
    date->SetDateTime(rtl::EncodeDate(2001, 1, 31));
    auto* time = new TDateTimePicker(form);
    time->SetParent(form);
    time->SetTop(30);
    time->SetKind(dtkTime);
    time->SetTime(rtl::EncodeTime(23, 59, 0, 0));
    int changes = 0;
    date->OnChange = [&](rtl::TObject*) { ++changes; };
    form->Show();
    EXPECT_EQ(date->DisplayText(), "2001-01-31");
    EXPECT_EQ(changes, 0);
    date->SetFocus();
    THeadlessBackend::PressKey(VK_RIGHT);  // month
    THeadlessBackend::PressKey(VK_UP);     // February: the day is clamped to 28
    EXPECT_EQ(date->DisplayText(), "2001-02-28");
    THeadlessBackend::PressKey(VK_LEFT);
    THeadlessBackend::TypeText("2004");
    EXPECT_EQ(date->DisplayText(), "2004-02-28");
    EXPECT_EQ(date->ActivePart(), 1);  // typing a whole year moves on
    THeadlessBackend::TypeText("12");
    THeadlessBackend::TypeText("5");
    EXPECT_EQ(date->DisplayText(), "2004-12-05");
    EXPECT_EQ(changes, 4);  // each step and each committed part

    // The calendar drops down from the button; a click on a day chooses it.
    THeadlessBackend::Click(date, date->ClientWidth() - 5, 5);
    ASSERT_TRUE(date->DroppedDown());
    TCalendarPopup* calendar = date->Calendar();
    EXPECT_TRUE(calendar->IsTopLevel());
    rtl::TRect day20 = calendar->DayRect(20);
    THeadlessBackend::Click(calendar, day20.Left + 3, day20.Top + 3);
    EXPECT_FALSE(date->DroppedDown());
    EXPECT_EQ(date->DisplayText(), "2004-12-20");
    // Keys: Alt+Down, a week on, next month, Return.
    THeadlessBackend::PressKey(VK_DOWN, ssAlt);
    THeadlessBackend::PressKey(VK_DOWN);
    THeadlessBackend::PressKey(VK_NEXT);
    THeadlessBackend::PressKey(VK_RETURN);
    EXPECT_EQ(date->DisplayText(), "2005-01-27");
    THeadlessBackend::Click(date, date->ClientWidth() - 5, 5);
    THeadlessBackend::Click(calendar, calendar->NextRect().Left + 3, calendar->NextRect().Top + 3);
    THeadlessBackend::Click(form, 250, 150);  // outside: closes without choosing
    EXPECT_FALSE(date->DroppedDown());
    EXPECT_EQ(date->DisplayText(), "2005-01-27");

    time->SetFocus();
    THeadlessBackend::PressKey(VK_UP);
    EXPECT_EQ(time->DisplayText(), "00:59:00");  // hours go round within their part
    EXPECT_NEAR(time->Time(), rtl::EncodeTime(0, 59, 0, 0), 1e-9);
    rtl::FormatSettings = saved;
}

}  // namespace
