// A grid drop-down read from a form description: its columns, items and settings reach the
// open grid, and bad values are errors naming the file, line and value.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/dropdown/ExtCustomGridDropDown.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrlsRegistration.h"
#include "tests/grid/dropdown/FormDescriptionFixture.h"

namespace {

using namespace grid;

class GridDropDownRegistrationTest : public dropdowntest::FormDescriptionTest {};

TEST_F(GridDropDownRegistrationTest, ColumnsItemsAndSettingsReachTheOpenGrid)
{
    ui::ReadComponentResText("object Form1: TForm\n"
                             "  Left = 100\n  Top = 100\n  Width = 400\n  Height = 300\n"
                             "  object Crops: TExtGridDropDown\n"
                             "    Left = 10\n    Top = 10\n"
                             "    LookupColumn = 1\n"
                             "    LookupMethod = lmNarrowDown\n"
                             "    Style = dsDropDownList\n"
                             "    Sorting = gsSingleColumn\n"
                             "    DropDownRowHeight = 18\n"
                             "    HeaderHeight = 21\n"
                             "    Columns = <\n"
                             "      item\n        Header = 'Code'\n        Width = 40\n      end\n"
                             "      item\n        Header = 'Crop'\n        Width = 120\n"
                             "        Alignment = taRightJustify\n      end>\n"
                             "    Items = <\n"
                             "      item\n        Text.Strings = (\n          'MZ'\n          'Maize')\n      end\n"
                             "      item\n        Text.Strings = (\n          'WW'\n          'Winter wheat')\n"
                             "        ImageIndex = 2\n      end>\n"
                             "    ItemIndex = 1\n"
                             "  end\n"
                             "end\n",
                             "crops.dfm", Form);
    auto* crops = dynamic_cast<TExtGridDropDown*>(Form->FindComponent("Crops"));
    ASSERT_NE(crops, nullptr);
    ASSERT_EQ(crops->Columns().Count(), 2);
    EXPECT_EQ(crops->Columns().Items(1)->Alignment(), ui::taRightJustify);
    ASSERT_EQ(crops->Items().Count(), 2);
    EXPECT_EQ(crops->Items().Items(1)->ImageIndex(), 2);
    EXPECT_EQ(crops->LookupMethod(), lmNarrowDown);
    EXPECT_EQ(crops->Style(), dsDropDownList);
    EXPECT_FALSE(crops->EditorEnabled()) << "the list style turns typing off";
    EXPECT_EQ(crops->Sorting(), gsSingleColumn);
    EXPECT_EQ(crops->Text(), "Winter wheat") << "the item's lookup-column text";
    EXPECT_EQ(crops->LookupItems().Count(), 2) << "loading builds the lookup list";

    Form->Show();
    App->ActivateForm(Form);
    crops->ShowDropDown();
    ASSERT_TRUE(crops->DroppedDown());
    griddropdown::TExtColGrid& grid = *crops->GetColGrid();
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Cells(1, 0), "Crop");
    EXPECT_EQ(grid.RowHeights(0), 21);
    EXPECT_EQ(grid.RowHeights(1), 18);
    EXPECT_EQ(grid.Row(), 2);
}

TEST_F(GridDropDownRegistrationTest, BadValuesAreErrorsNamingFileLineAndValue)
{
    struct TCase {
        const char* Text;
        const char* Message;
    };
    const TCase cases[] = {
        {"object F: TForm\n  object D: TExtGridDropDown\n    LookupMethod = lmSearch\n  end\nend\n",
         "d.dfm(3): Error reading D.LookupMethod: Invalid property value 'lmSearch'"},
        {"object F: TForm\n  object D: TExtGridDropDown\n    Items = <\n      item\n"
         "        Caption = 'x'\n      end>\n  end\nend\n",
         "d.dfm(5): Error reading D.Items: Property Caption does not exist"},
        {"object F: TForm\n  object D: TExtGridDropDown\n    HeaderColor = 'grey'\n  end\nend\n",
         "d.dfm(3): Error reading D.HeaderColor: Invalid property value 'grey': a colour expected"},
    };
    for (const TCase& c : cases) EXPECT_EQ(ReadErrorMessage(c.Text, "d.dfm"), c.Message);
}

}  // namespace
