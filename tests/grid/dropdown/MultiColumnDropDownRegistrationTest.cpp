// A multi-column drop-down read from a form description: its columns, items and settings reach
// the open list, and bad values are errors naming the file, line and value.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/dropdown/ExtMultiColumnDropDown.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrlsRegistration.h"
#include "tests/grid/dropdown/FormDescriptionFixture.h"

namespace {

using namespace grid;

class MultiColumnRegistrationTest : public dropdowntest::FormDescriptionTest {};

TEST_F(MultiColumnRegistrationTest, ColumnsItemsAndSettingsReachTheOpenList)
{
    ui::ReadComponentResText("object Form1: TForm\n"
                             "  Left = 100\n  Top = 100\n  Width = 400\n  Height = 300\n"
                             "  object Crops: TExtMultiColumnDropDown\n"
                             "    Left = 10\n    Top = 10\n"
                             "    LookupColumn = 1\n"
                             "    DropDownRowHeight = 18\n"
                             "    HeaderColor = clYellow\n"
                             "    CaseSensitive = True\n"
                             "    Columns = <\n"
                             "      item\n        Header = 'Code'\n        Width = 40\n      end\n"
                             "      item\n        Header = 'Crop'\n        Width = 120\n"
                             "        Alignment = taRightJustify\n        Wordwrap = True\n      end>\n"
                             "    Items = <\n"
                             "      item\n        Text.Strings = (\n          'MZ'\n          'Maize')\n"
                             "        Tag = 7\n      end\n"
                             "      item\n        Text.Strings = (\n          'WW'\n          'Winter wheat')\n"
                             "        ImageIndex = 2\n      end>\n"
                             "    ItemIndex = 1\n"
                             "  end\n"
                             "end\n",
                             "crops.dfm", Form);
    auto* crops = dynamic_cast<TExtMultiColumnDropDown*>(Form->FindComponent("Crops"));
    ASSERT_NE(crops, nullptr);
    ASSERT_EQ(crops->Columns().Count(), 2);
    EXPECT_EQ(crops->Columns().Items(1)->Header(), "Crop");
    EXPECT_EQ(crops->Columns().Items(1)->Alignment(), ui::taRightJustify);
    EXPECT_TRUE(crops->Columns().Items(1)->Wordwrap());
    ASSERT_EQ(crops->Items().Count(), 2);
    EXPECT_EQ(crops->Items().Items(0)->Tag(), 7);
    EXPECT_EQ(crops->Items().Items(1)->ImageIndex(), 2);
    EXPECT_TRUE(crops->CaseSensitive());
    EXPECT_EQ(crops->Text(), "Winter wheat") << "the item's lookup-column text";
    EXPECT_EQ(crops->LookupItems().Count(), 2) << "loading builds the lookup list";
    EXPECT_EQ(crops->GetItemIndex("Maize"), 0);

    Form->Show();
    App->ActivateForm(Form);
    crops->ShowDropDown();
    ASSERT_TRUE(crops->DroppedDown());
    EXPECT_EQ(crops->ColGrid()->RowCount(), 3);
    EXPECT_EQ(crops->ColGrid()->HeaderColor(), gfx::clYellow);
    EXPECT_EQ(crops->ColGrid()->Row(), 2);
}

TEST_F(MultiColumnRegistrationTest, BadValuesAreErrorsNamingFileLineAndValue)
{
    struct TCase {
        const char* Text;
        const char* Message;
    };
    const TCase cases[] = {
        {"object F: TForm\n  object D: TExtMultiColumnDropDown\n    Columns = <\n      item\n"
         "        Alignment = taMiddle\n      end>\n  end\nend\n",
         "d.dfm(5): Error reading D.Columns: Invalid property value 'taMiddle'"},
        {"object F: TForm\n  object D: TExtMultiColumnDropDown\n    Items = <\n      item\n"
         "        Caption = 'x'\n      end>\n  end\nend\n",
         "d.dfm(5): Error reading D.Items: Property Caption does not exist"},
        {"object F: TForm\n  object D: TExtMultiColumnDropDown\n    LineColor = 'grey'\n  end\nend\n",
         "d.dfm(3): Error reading D.LineColor: Invalid property value 'grey': a colour expected"},
    };
    for (const TCase& c : cases) EXPECT_EQ(ReadErrorMessage(c.Text, "d.dfm"), c.Message);
}

}  // namespace
