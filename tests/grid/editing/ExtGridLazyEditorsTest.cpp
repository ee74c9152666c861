// Editors made on first use: creation and freeing, the date editors' callbacks, and the spin and date editors' keys.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "GridEditorFixture.h"
#include "grid/core/GridOptions.h"
#include "grid/editing/GridSpinEditors.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/Keyboard.h"
#include "tests/grid/foundation/ExtUtilTestLocale.h"

namespace {

using grid::TExtStringGrid;
using grid::TSender;

// Month-first dates with "/" and "hh:nn:ss" times unless a test says otherwise.
struct LocaleScope : gridtest::LocaleScope {
    LocaleScope() : gridtest::LocaleScope('.', ',', '/', ':', "M/d/yyyy", "hh:nn:ss") {}
};

class LazyEditorsTest : public GridEditorFixture {
protected:
    LocaleScope Locale;
};

// Counts the grid's owned components of one class.
int OwnedOfClass(const TExtStringGrid& grid, const std::string& className)
{
    int n = 0;
    for (int i = 0; i < grid.ComponentCount(); ++i)
        if (grid.Components(i)->ClassName() == className) ++n;
    return n;
}

// Told when a watched component is freed.
class FreeWatcher : public rtl::TComponent {
public:
    FreeWatcher() : rtl::TComponent(nullptr) {}
    std::vector<rtl::TComponent*> Freed;

protected:
    void Notification(rtl::TComponent* AComponent, rtl::TOperation Operation) override
    {
        if (Operation == rtl::opRemove) Freed.push_back(AComponent);
    }
};

TEST_F(LazyEditorsTest, EachEditorIsMadeOnceOnFirstUseHiddenDisabledOnTheGrid)
{
    struct Accessor {
        const char* ClassName;
        std::function<ui::TWinControl*()> Get;
    };
    const Accessor accessors[] = {
        {"TGridSpin", [this] { return Grid->SpinEdit(); }},
        {"TGridDatePicker", [this] { return Grid->DateTimePicker(); }},
        {"TGridDateTimePicker", [this] { return Grid->DateAndTimePicker(); }},
    };
    for (const Accessor& a : accessors) {
        SCOPED_TRACE(a.ClassName);
        EXPECT_EQ(OwnedOfClass(*Grid, a.ClassName), 0);
        ui::TWinControl* first = a.Get();
        EXPECT_EQ(a.Get(), first);
        EXPECT_EQ(OwnedOfClass(*Grid, a.ClassName), 1);
        EXPECT_EQ(first->Owner(), Grid);
        EXPECT_EQ(first->Parent(), Grid);
        EXPECT_FALSE(first->Visible());
        EXPECT_FALSE(first->Enabled());
    }
    EXPECT_EQ(Grid->GetDatePickerEditor(), Grid->DateTimePicker());
    EXPECT_EQ(Grid->DateAndTimePicker()->ExtKind(), grid::dkDateTime);
}

TEST_F(LazyEditorsTest, TheGridFreesTheEditorsItMade)
{
    FreeWatcher watcher;
    ui::TWinControl* editors[] = {Grid->SpinEdit(), Grid->DateTimePicker(), Grid->DateAndTimePicker()};
    for (ui::TWinControl* e : editors) e->FreeNotification(&watcher);
    delete Grid;
    Grid = nullptr;
    ASSERT_EQ(watcher.Freed.size(), 3u);
    // Date-and-time first, then date, then spin.
    EXPECT_EQ(watcher.Freed[0], editors[2]);
    EXPECT_EQ(watcher.Freed[1], editors[1]);
    EXPECT_EQ(watcher.Freed[2], editors[0]);
}

TEST_F(LazyEditorsTest, CloseUpFiresTheEventThenWithDirectDateCloseEndsTheEditAndAdvances)
{
    grid::TGridDatePicker& p = *Grid->DateTimePicker();
    std::vector<std::pair<int, int>> closeUps;
    Grid->OnDatePickerCloseUp = [&](TSender, int a, int b) { closeUps.push_back({a, b}); };
    Grid->SetRowCount(6);
    Open(p, grid::edDateEdit, 1, 2);
    p.SetDroppedDown(true);
    EXPECT_TRUE(p.OldDropped());
    p.SetDroppedDown(false);
    ASSERT_EQ(closeUps.size(), 1u);
    EXPECT_EQ(closeUps[0], std::make_pair(2, 1));  // row first, then column
    EXPECT_TRUE(p.Focused());  // without DirectDateClose the edit goes on
    EXPECT_FALSE(p.OldDropped());

    Grid->MouseActions().SetDirectDateClose(true);
    Grid->Navigation().SetAdvanceOnEnter(true);
    Grid->Navigation().SetAdvanceAutoEdit(false);
    Open(p, grid::edDateEdit, 1, 2);
    p.SetDroppedDown(true);
    p.SetDroppedDown(false);
    EXPECT_EQ(closeUps.size(), 2u);
    EXPECT_TRUE(Grid->Focused());
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->Row(), 2);

    Grid->Navigation().SetAdvanceOnEnter(false);
    Open(p, grid::edDateEdit, 1, 2);
    p.SetDroppedDown(true);
    p.SetDroppedDown(false);
    EXPECT_TRUE(Grid->Focused());
    EXPECT_EQ(Grid->Col(), 1);
}

TEST_F(LazyEditorsTest, DropDownStylesTheCalendarFromThePickerAndFiresTheEvent)
{
    grid::TGridDatePicker& p = *Grid->DateTimePicker();
    std::vector<std::pair<int, int>> dropDowns;
    Grid->OnDatePickerDropDown = [&](TSender, int a, int b) { dropDowns.push_back({a, b}); };
    p.SetShowToday(false);
    p.SetWeeknumbers(true);
    Open(p, grid::edDateEdit, 3, 1);
    p.SetDroppedDown(true);
    ui::TCalendarPopup* cal = p.Calendar();
    ASSERT_NE(cal, nullptr);
    EXPECT_EQ(cal->Style(), ui::MCS_NOTODAY | ui::MCS_WEEKNUMBERS);
    EXPECT_EQ(cal->Width(), cal->MinReqRect().Width() + 4);
    EXPECT_EQ(cal->Height(), cal->MinReqRect().Height() + 4);
    EXPECT_EQ(dropDowns, (std::vector<std::pair<int, int>>{{1, 3}}));
}

TEST_F(LazyEditorsTest, DateChangesReachOnEditChangeAsTextAndDateTimeChangesOnDateTimeChange)
{
    std::vector<std::string> texts;
    Grid->OnEditChange = [&](TSender, int c, int r, std::string& v) {
        texts.push_back(std::to_string(c) + "," + std::to_string(r) + " " + v);
    };
    grid::TGridDatePicker& p = *Grid->DateTimePicker();
    Grid->SetCells(2, 1, "3/4/2021");
    Open(p, grid::edDateEdit, 2, 1);
    Press(ui::VK_UP);  // steps the focused part (the month)
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], "2,1 4/4/2021");
    p.SetKind(ui::dtkTime);
    p.SetDateTime(rtl::EncodeDate(2021, 3, 4) + rtl::EncodeTime(10, 30, 0, 0));
    Press(ui::VK_UP);
    EXPECT_EQ(texts.back(), "2,1 11:30:00");

    std::vector<double> values;
    Grid->OnDateTimeChange = [&](TSender, int, int, double v) { values.push_back(v); };
    grid::TGridDateTimePicker& dt = *Grid->DateAndTimePicker();
    Grid->SetCells(1, 1, "3/4/2021 10:30:00");
    Open(dt, grid::edDateTimeEdit, 1, 1);
    dt.TimePicker()->SetFocus();
    Press(ui::VK_UP);  // the hour of the time part
    ASSERT_EQ(values.size(), 1u);
    EXPECT_DOUBLE_EQ(values[0], rtl::EncodeDate(2021, 3, 4) + rtl::EncodeTime(11, 30, 0, 0));
}

// ===== the spin editor

TEST_F(LazyEditorsTest, SpinArrowsFireTheSpinEventOfTheKindWithTheSteppedValue)
{
    grid::TGridSpin& s = *Grid->SpinEdit();
    std::vector<std::string> events;
    Grid->OnSpinClick = [&](TSender, int c, int r, int v, bool up) {
        events.push_back("int " + std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(v) + (up ? " up" : " down"));
    };
    Grid->OnFloatSpinClick = [&](TSender, int, int, double v, bool up) {
        events.push_back("float " + rtl::FloatToStr(v) + (up ? " up" : " down"));
    };
    Grid->SetCells(2, 3, "5");
    Open(s, grid::edSpinEdit, 2, 3);
    Press(ui::VK_UP);
    Press(ui::VK_DOWN);
    Press(ui::VK_DOWN);
    s.SetSpinType(grid::sptFloat);
    Press(ui::VK_UP);
    Press(ui::VK_PRIOR);  // page steps fire nothing
    EXPECT_EQ(events, (std::vector<std::string>{"int 2,3 6 up", "int 2,3 5 down", "int 2,3 4 down", "float 4.1 up"}));
    EXPECT_EQ(s.Text(), "5.1");
}

TEST_F(LazyEditorsTest, SpinHomeAndEndJumpToTheLimitsAndReportIt)
{
    grid::TGridSpin& s = *Grid->SpinEdit();
    std::vector<std::pair<int, bool>> events;
    Grid->OnSpinClick = [&](TSender, int, int, int v, bool up) { events.push_back({v, up}); };
    s.SetText("5");
    Open(s, grid::edSpinEdit, 1, 1);
    Press(ui::VK_HOME);
    EXPECT_EQ(s.Text(), "100");
    Press(ui::VK_END);
    EXPECT_EQ(s.Text(), "0");
    EXPECT_EQ(events, (std::vector<std::pair<int, bool>>{{100, true}, {0, false}}));
}

TEST_F(LazyEditorsTest, SpinEnterValidatesARefusedValueKeepsTheEditorAndStopsTheAdvance)
{
    grid::TGridSpin& s = *Grid->SpinEdit();
    Grid->OnCellValidate = [](TSender, int, int, std::string& v, bool& ok) { ok = v != "13"; };
    Grid->Navigation().SetAdvanceOnEnter(true);
    Grid->Navigation().SetAdvanceAutoEdit(false);
    Grid->SetCells(1, 1, "7");
    Open(s, grid::edSpinEdit, 1, 1);
    s.SetText("13");
    Press(ui::VK_RETURN);
    EXPECT_TRUE(s.Focused());
    EXPECT_EQ(s.Text(), "7");
    EXPECT_EQ(Grid->Cells(1, 1), "7");
    EXPECT_TRUE(Grid->NoAutoAdvance());

    Grid->SetNoAutoAdvance(false);
    s.SetText("250");  // pulled to the maximum before it is stored
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 1), "100");
    EXPECT_TRUE(Grid->Focused());
    EXPECT_EQ(Grid->Col(), 2);
}

TEST_F(LazyEditorsTest, SpinEscapeRestoresTheOpeningTextReadWithAPoint)
{
    rtl::FormatSettings.DecimalSeparator = ',';
    rtl::FormatSettings.ThousandSeparator = '.';
    grid::TGridSpin& s = *Grid->SpinEdit();
    s.SetSpinType(grid::sptFloat);
    Grid->SetCells(1, 1, "2.5");
    Open(s, grid::edFloatSpinEdit, 1, 1);
    s.SetText("9");
    Press(ui::VK_ESCAPE);
    EXPECT_EQ(s.Text(), "2,5");
    EXPECT_EQ(Grid->Cells(1, 1), "2.5");
    EXPECT_TRUE(Grid->Focused());
}

TEST_F(LazyEditorsTest, SpinTabWithGridTabsStoresAndStepsToTheNextCell)
{
    grid::TGridSpin& s = *Grid->SpinEdit();
    Grid->SetOptions(Grid->Options() | ui::goTabs);
    Grid->Navigation().SetAdvanceAutoEdit(false);
    Open(s, grid::edSpinEdit, 1, 1);
    s.SetText("42");
    Press(ui::VK_TAB);
    EXPECT_EQ(Grid->Cells(1, 1), "42");
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_TRUE(Grid->Focused());
}

// ===== the date editors

TEST_F(LazyEditorsTest, DatePickerEnterStoresTheDateOrKeepsTheEditorWhenRefused)
{
    grid::TGridDatePicker& p = *Grid->DateTimePicker();
    Grid->OnCellValidate = [](TSender, int, int, std::string& v, bool& ok) { ok = v != "1/1/2020"; };
    Grid->SetCells(1, 1, "5/6/2021");
    Open(p, grid::edDateEdit, 1, 1);
    p.SetDate(rtl::EncodeDate(2020, 1, 1));
    Press(ui::VK_RETURN);
    EXPECT_TRUE(p.Focused());
    EXPECT_EQ(p.DisplayText(), "1/1/2020");  // the value the validation left
    EXPECT_EQ(Grid->Cells(1, 1), "5/6/2021");
    EXPECT_TRUE(Grid->NoAutoAdvance());

    Grid->SetNoAutoAdvance(false);
    p.SetDate(rtl::EncodeDate(2022, 2, 3));
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 1), "2/3/2022");
    EXPECT_TRUE(Grid->Focused());
}

TEST_F(LazyEditorsTest, DatePickerEscapeReadsTheCellAndFallsBackToNow)
{
    grid::TGridDatePicker& p = *Grid->DateTimePicker();
    Grid->SetCells(1, 1, "7/8/2019");
    Open(p, grid::edDateEdit, 1, 1);
    p.SetDate(rtl::EncodeDate(2001, 1, 1));
    Press(ui::VK_ESCAPE);
    EXPECT_DOUBLE_EQ(p.Date(), rtl::EncodeDate(2019, 7, 8));

    Grid->SetCells(1, 1, "no date");
    Open(p, grid::edDateEdit, 1, 1);
    p.SetDate(rtl::EncodeDate(2001, 1, 1));
    Press(ui::VK_ESCAPE);
    EXPECT_NEAR(p.DateTime(), rtl::Now(), 1.0 / 24);
}

TEST_F(LazyEditorsTest, DateAndTimeTabFromTheTimePartStoresBothAndMovesOn)
{
    grid::TGridDateTimePicker& dt = *Grid->DateAndTimePicker();
    Grid->SetOptions(Grid->Options() | ui::goTabs);
    Grid->Navigation().SetAdvanceAutoEdit(false);
    Grid->SetCells(1, 1, "6/7/2021 08:15:00");
    Open(dt, grid::edDateTimeEdit, 1, 1);
    Press(ui::VK_TAB);  // from the date part on to the time part
    EXPECT_TRUE(dt.TimePicker()->Focused());
    EXPECT_EQ(Grid->Col(), 1);
    Press(ui::VK_TAB);
    EXPECT_EQ(Grid->Cells(1, 1), "6/7/2021 08:15:00");
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_TRUE(Grid->Focused());
}

// Escape cancels the edit: the picker goes back to the opening date and time of day (the
// time changed meanwhile is not kept, else closing would store it).
TEST_F(LazyEditorsTest, DateAndTimeEscapePutsTheOpeningDateAndTimeBack)
{
    grid::TGridDateTimePicker& dt = *Grid->DateAndTimePicker();
    Grid->SetCells(1, 1, "2/2/2020 12:00:00");
    Open(dt, grid::edDateTimeEdit, 1, 1);
    dt.SetDateTime(rtl::EncodeDate(2021, 6, 7) + rtl::EncodeTime(8, 15, 0, 0));
    Press(ui::VK_ESCAPE);
    EXPECT_NEAR(dt.GetDateTime(), rtl::EncodeDate(2020, 2, 2) + 0.5, 1e-6);
    EXPECT_TRUE(Grid->Focused());
}

}  // namespace
