// Tests of the string grid's footer row: its calculation types, how it follows the row count, the change notifiers, the selection listener and the footer panel's showing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/FooterPanel.h"
#include "grid/core/GridChangeNotifier.h"
#include "grid/core/GridOptionsCells.h"
#include "platform/rtl/FormatSettings.h"

using namespace grid;

namespace {

class ExtGridFooterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FSaved = rtl::FormatSettings;
        rtl::FormatSettings.DecimalSeparator = '.';
        Grid.SetColCount(4);
        Grid.SetRowCount(6);
        Grid.FloatingFooter().SetVisible(true);
        for (int r = 1; r <= 4; ++r) Grid.SetCells(1, r, std::to_string(r * 10));  // 10 20 30 40
    }
    void TearDown() override { rtl::FormatSettings = FSaved; }
    std::string Footer(int c) { return Grid.Cells(c, Grid.RowCount() - 1); }
    rtl::TFormatSettings FSaved;
    TExtStringGrid Grid{nullptr};
};

TEST_F(ExtGridFooterTest, FooterCellsShowTheirColumnCalculation)
{
    struct Case {
        TColumnCalcType Type;
        const char* Expected;
    };
    for (Case c : {Case{acSUM, "100.00"}, Case{acAVG, "25.00"}, Case{acMIN, "10.00"}, Case{acMAX, "40.00"},
                   Case{acCOUNT, "4"}, Case{acDISTINCT, "4.00"}}) {
        Grid.FloatingFooter().SetColumnCalc(1, c.Type);
        EXPECT_EQ(Footer(1), c.Expected) << int(c.Type);
        EXPECT_EQ(Grid.FloatingFooter().GetColumnCalc(1), c.Type);
    }
    EXPECT_EQ(Grid.FloatingFooter().GetColumnCalc(2), acNONE);
}

TEST_F(ExtGridFooterTest, FooterRowMovesWithTheRowCountAndIsRecalculated)
{
    Grid.FloatingFooter().SetColumnCalc(1, acSUM);
    EXPECT_EQ(Grid.Cells(1, 5), "100.00");
    Grid.SetRowCount(8);
    EXPECT_EQ(Grid.Cells(1, 7), "100.00");
    Grid.SetCells(1, 5, "5");
    Grid.SetCells(1, 6, "6");
    Grid.RecalcAllFooters();
    EXPECT_EQ(Grid.Cells(1, 7), "111.00");
    EXPECT_EQ(Grid.FloatingFooter().GetColumnCalc(1), acSUM);
    // The old footer row kept nothing of the footer: no text, no calculation type.
    EXPECT_FALSE(Grid.HasCellProperties(1, 5) && Grid.GetCellPropsDirect(1, 5)->CalcType() != acNONE);
    Grid.SetRowCount(4);
    EXPECT_EQ(Footer(1), "30.00");
}

TEST_F(ExtGridFooterTest, CustomFooterCellsAskTheGridEventFirstThenTheFootersOwn)
{
    std::vector<std::string> calls;
    Grid.FloatingFooter().OnCalcFooter = [&](TSender, int ACol, int ARow, std::string& Value) {
        calls.push_back("footer " + std::to_string(ACol) + "," + std::to_string(ARow));
        Value = "own";
    };
    Grid.FloatingFooter().SetColumnCalc(2, acCUSTOM);
    EXPECT_EQ(Footer(2), "own");
    Grid.OnFooterCalc = [&](TSender, int ACol, int ARow, std::string& Value) {
        calls.push_back("grid " + std::to_string(ACol) + "," + std::to_string(ARow));
        EXPECT_EQ(Value, "");
        Value = "grid's";
    };
    Grid.RecalcFooter(2);
    EXPECT_EQ(Footer(2), "grid's");
    EXPECT_EQ(calls, (std::vector<std::string>{"footer 2,5", "grid 2,5"}));
    Grid.OnFooterCalc = nullptr;
    Grid.FloatingFooter().OnCalcFooter = nullptr;
    Grid.RecalcFooter(2);
    EXPECT_EQ(Footer(2), "");
}

TEST_F(ExtGridFooterTest, NothingIsCalculatedUnlessTheLastRowFooterIsShownAndEnabled)
{
    Grid.FloatingFooter().SetColumnCalc(1, acSUM);
    Grid.SetCells(1, 5, "old");
    Grid.FloatingFooter().SetEnableCalculation(false);
    Grid.RecalcAllFooters();
    EXPECT_EQ(Footer(1), "old");
    Grid.FloatingFooter().SetEnableCalculation(true);
    Grid.FloatingFooter().SetVisible(false);
    Grid.RecalcAllFooters();
    EXPECT_EQ(Footer(1), "old");
    Grid.FloatingFooter().SetVisible(true);
    Grid.RecalcAllFooters();
    EXPECT_EQ(Footer(1), "100.00");
}

TEST_F(ExtGridFooterTest, FooterWithAHiddenRowSumsTheRealRowsAndNeverItself)
{
    Grid.FloatingFooter().SetColumnCalc(1, acSUM);
    Grid.HideRow(2);
    ASSERT_EQ(Grid.RowCount(), 5);
    Grid.RecalcAllFooters();
    EXPECT_EQ(Footer(1), "100.00");
    Grid.FloatingFooter().SetCalculateHiddenRows(false);
    Grid.RecalcAllFooters();
    EXPECT_EQ(Footer(1), "80.00");
    Grid.FloatingFooter().SetColumnCalc(1, acCOUNT);
    EXPECT_EQ(Footer(1), "3");
}

TEST_F(ExtGridFooterTest, InsertedAndReshownRowsLeaveTheFooterInTheLastRow)
{
    Grid.FloatingFooter().SetColumnCalc(1, acSUM);
    Grid.InsertRows(2, 2);  // in the middle
    ASSERT_EQ(Grid.RowCount(), 8);
    EXPECT_EQ(Grid.FloatingFooter().GetColumnCalc(1), acSUM);
    EXPECT_EQ(Footer(1), "100.00");
    Grid.InsertRows(Grid.RowCount(), 1);  // asked for after the footer: comes in before it
    ASSERT_EQ(Grid.RowCount(), 9);
    EXPECT_EQ(Grid.FloatingFooter().GetColumnCalc(1), acSUM);
    Grid.SetCells(1, 7, "1");
    Grid.RecalcAllFooters();
    EXPECT_EQ(Footer(1), "101.00");

    Grid.HideRows(1, 3);
    Grid.UnHideRowsAll();
    ASSERT_EQ(Grid.RowCount(), 9);
    EXPECT_EQ(Grid.FloatingFooter().GetColumnCalc(1), acSUM);
    Grid.RecalcAllFooters();
    EXPECT_EQ(Footer(1), "101.00");
}

// Records the calls of the change chain in order.
class TRecordingNotifier : public TGridChangeNotifier {
public:
    TRecordingNotifier(std::vector<std::string>& log, std::string name)
        : TGridChangeNotifier(nullptr), FLog(log), FName(std::move(name))
    {
    }
    void NotifyCellsChanged(const rtl::TRect& R) override
    {
        FLog.push_back(FName + " " + std::to_string(R.Left) + "," + std::to_string(R.Top));
    }

private:
    std::vector<std::string>& FLog;
    std::string FName;
};

TEST_F(ExtGridFooterTest, CellsChangedTellsNotifiersInOrderThenTheEventThenRecalculates)
{
    std::vector<std::string> log;
    TRecordingNotifier first(log, "first");
    TRecordingNotifier second(log, "second");
    Grid.RegisterNotifier(&first);
    Grid.RegisterNotifier(&second);
    Grid.RegisterNotifier(&first);
    Grid.FloatingFooter().SetColumnCalc(1, acSUM);
    Grid.OnCellsChanged = [&](TSender, const rtl::TRect&) { log.push_back("event, footer " + Footer(1)); };
    Grid.SetCells(1, 1, "11");
    Grid.CellsChanged(rtl::TRect{1, 1, 1, 1});
    EXPECT_EQ(log, (std::vector<std::string>{"first 1,1", "second 1,1", "event, footer 100.00"}));
    EXPECT_EQ(Footer(1), "101.00");
    log.clear();
    Grid.UnRegisterNotifier(&first);
    Grid.UnRegisterNotifier(&first);
    Grid.CellsChanged(rtl::TRect{2, 3, 2, 3});
    EXPECT_EQ(log, (std::vector<std::string>{"second 2,3", "event, footer 101.00"}));
}

class TListener : public ITExtStringGridSelect {
public:
    void CellSelected(int, int) override {}
};

TEST_F(ExtGridFooterTest, UnregisteringAnyListenerDropsTheRegisteredOne)
{
    TListener a;
    TListener b;
    Grid.RegisterSelListener(&a);
    Grid.RegisterSelListener(&b);
    EXPECT_EQ(Grid.SelListener(), &b);
    Grid.UnRegisterSelListener(&a);
    EXPECT_EQ(Grid.SelListener(), nullptr);
}

TEST_F(ExtGridFooterTest, AppendRowAndColumnSizeUpdatesGoThroughTheirEvents)
{
    Grid.AppendRow();
    EXPECT_EQ(Grid.RowCount(), 7);
    std::vector<int> seen;
    Grid.OnUpdateColumnSize = [&](TSender, int ACol, int& AWidth) {
        seen.push_back(ACol);
        AWidth += 5;
    };
    int w = 50;
    Grid.UpdateColumnSize(2, w);
    Grid.ColumnSizeUpdated(3, w);
    EXPECT_EQ(w, 60);
    EXPECT_EQ(seen, (std::vector<int>{2, 3}));
}

TEST_F(ExtGridFooterTest, ThePanelIsMadeFirstAndFollowsVisibleAndHeight)
{
    TExtStringGrid grid(nullptr);
    TFooterPanel* panel = grid.FooterPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Owner(), &grid);
    EXPECT_EQ(panel->Align(), ui::alBottom);
    EXPECT_EQ(panel->BorderWidth(), 0);
    EXPECT_EQ(panel->Height(), 0);
    EXPECT_FALSE(panel->Visible());
    grid.FloatingFooter().SetVisible(true);
    EXPECT_EQ(panel->Height(), 21);
    grid.FloatingFooter().SetHeight(30);
    EXPECT_EQ(panel->Height(), 29);
    grid.FloatingFooter().SetShowHint(true);
    EXPECT_TRUE(panel->ShowHint());
    grid.FloatingFooter().SetVisible(false);
    EXPECT_EQ(panel->Height(), 0);
    grid.FloatingFooter().SetHeight(0);
    EXPECT_EQ(panel->Height(), 0);
}

}  // namespace
