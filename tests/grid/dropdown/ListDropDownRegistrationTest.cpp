// Track-bar and memo drop-downs read from form descriptions, and bad values named with file and line.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/dropdown/ExtMemoDropDown.h"
#include "grid/dropdown/ExtTrackBarDropDown.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrlsRegistration.h"
#include "tests/grid/dropdown/FormDescriptionFixture.h"

namespace {

using namespace grid;

class ListDropDownRegistrationTest : public dropdowntest::FormDescriptionTest {};

TEST_F(ListDropDownRegistrationTest, TrackBarAndMemoDropDownsLoadWithTheirSettings)
{
    ui::ReadComponentResText("object Form1: TForm\n"
                             "  Width = 400\n  Height = 300\n"
                             "  object Depth: TExtTrackBarDropDown\n"
                             "    Left = 10\n    Top = 10\n"
                             "    Min = 2\n    Max = 8\n    Position = 5\n    PageSize = 3\n    Frequency = 2\n"
                             "  end\n"
                             "  object Notes: TExtMemoDropDown\n"
                             "    Left = 10\n    Top = 40\n"
                             "    AutoDrop = True\n    MemoReadOnly = True\n    MemoScrollBars = ssBoth\n"
                             "    MemoText.Strings = (\n      'sow early'\n      'harrow twice')\n"
                             "  end\n"
                             "end\n",
                             "lists.dfm", Form);
    auto* depth = dynamic_cast<TExtTrackBarDropDown*>(Form->FindComponent("Depth"));
    auto* notes = dynamic_cast<TExtMemoDropDown*>(Form->FindComponent("Notes"));
    ASSERT_NE(depth, nullptr);
    ASSERT_NE(notes, nullptr);
    EXPECT_EQ(depth->Min(), 2);
    EXPECT_EQ(depth->Max(), 8);
    EXPECT_EQ(depth->Position(), 5);
    EXPECT_EQ(depth->Text(), "5");
    EXPECT_EQ(depth->PageSize(), 3);
    EXPECT_EQ(depth->TrackBar()->Frequency(), 2);
    EXPECT_TRUE(notes->AutoDrop());
    EXPECT_TRUE(notes->MemoReadOnly());
    EXPECT_EQ(notes->MemoScrollBars(), ui::ssBoth);
    EXPECT_EQ(notes->MemoText().Text(), "sow early\r\nharrow twice\r\n");
    EXPECT_EQ(notes->Text(), "sow early");
}

TEST_F(ListDropDownRegistrationTest, APageSizeBelowOneIsAnErrorNamingFileLineAndValue)
{
    EXPECT_EQ(ReadErrorMessage("object F: TForm\n  object D: TExtTrackBarDropDown\n    PageSize = 0\n  end\nend\n",
                               "d.dfm"),
              "d.dfm(3): Error reading D.PageSize: PageSize must be above 0, not 0");
}

}  // namespace
