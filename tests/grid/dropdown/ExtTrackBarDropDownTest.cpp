// The track-bar drop-down driven by keys, drags and text: position, edit text, the track bar in the pop-up.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtTrackBarDropDown.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Clock.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/InputRouter.h"
#include "platform/ui/StdCtrlsEdit.h"
#include "tests/grid/dropdown/HeadlessFormFixture.h"

namespace {

using namespace grid;
using ui::THeadlessBackend;

class TrackBarDropDownTest : public dropdowntest::HeadlessFormTest {
protected:
    void SetUp() override
    {
        StartForm(400, 300);
        Track = new TExtTrackBarDropDown(Form);
        Track->SetParent(Form);
        Track->SetBounds(10, 10, 150, 21);
        Track->OnTrackChange = [this](rtl::TObject* sender) {
            EXPECT_EQ(sender, Track);
            Changes.push_back(Track->Text());
        };
        Other = new ui::TEdit(Form);
        Other->SetParent(Form);
        Other->SetBounds(10, 200, 100, 21);
        ShowFormFocused(Track);
    }
    static void Press(int vk, ui::TShiftState shift = 0) { THeadlessBackend::PressKey(vk, shift); }

    TExtTrackBarDropDown* Track = nullptr;
    ui::TEdit* Other = nullptr;
    std::vector<std::string> Changes;
};

TEST_F(TrackBarDropDownTest, ANewOneShowsZeroAndOpensOnATrackBarFromZeroToTen)
{
    EXPECT_EQ(Track->Text(), "0");
    EXPECT_FALSE(Track->EditorEnabled());
    Press(ui::VK_DOWN, ui::ssAlt);
    ASSERT_TRUE(Track->DroppedDown());
    ui::TTrackBar* bar = Track->TrackBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Parent(), Track->DropDownForm());
    EXPECT_TRUE(bar->Visible());
    EXPECT_EQ(bar->Min(), 0);
    EXPECT_EQ(bar->Max(), 10);
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(bar->Frequency(), 1);
    EXPECT_EQ(bar->PageSize(), 2);
    // No bars: the track bar fills the pop-up inside its frame, as wide as the edit.
    EXPECT_EQ(Track->DropDownForm()->Width(), 150);
    EXPECT_EQ(bar->Top(), 1);
}

TEST_F(TrackBarDropDownTest, DownAndUpOnTheClosedEditStepByFrequencyAndStopAtTheEnds)
{
    std::vector<std::string> texts;
    for (int i = 0; i < 12; ++i) {
        Press(ui::VK_DOWN);
        texts.push_back(Track->Text());
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "10", "10"}));
    EXPECT_EQ(Changes.size(), 10u) << "a step at the end moves nothing";
    for (int i = 0; i < 12; ++i) Press(ui::VK_UP);
    EXPECT_EQ(Track->Position(), 0);
    EXPECT_EQ(Track->Text(), "0");
    // Frequency 3 steps by 3 and refuses a step past Max.
    Track->SetFrequency(3);
    for (int i = 0; i < 4; ++i) Press(ui::VK_DOWN);
    EXPECT_EQ(Track->Position(), 9);
    EXPECT_FALSE(Track->DroppedDown());
}

TEST_F(TrackBarDropDownTest, RangeChangesClampThePositionAndTheEditFollows)
{
    Track->SetPosition(8);
    EXPECT_EQ(Track->Text(), "8");
    Track->SetMax(5);
    EXPECT_EQ(Track->Position(), 5);
    EXPECT_EQ(Track->Text(), "5");
    Track->SetPosition(40);
    EXPECT_EQ(Track->Position(), 5);
    Track->SetMin(7);
    EXPECT_EQ(Track->Min(), 7);
    EXPECT_EQ(Track->Max(), 7);
    EXPECT_EQ(Track->Text(), "7");
    EXPECT_EQ(Changes, (std::vector<std::string>{"8", "5", "7"}));
}

TEST_F(TrackBarDropDownTest, DraggingOnTheEditMovesByWholePageSizesPerMove)
{
    Track->SetPosition(5);
    THeadlessBackend::MouseDown(Track, 40, 10);
    THeadlessBackend::MouseMove(Track, 43, 10);  // 3 pixels / 2 = 1
    EXPECT_EQ(Track->Position(), 6);
    for (int x = 44; x <= 50; ++x) THeadlessBackend::MouseMove(Track, x, 10);  // 1 / 2 = 0 each
    EXPECT_EQ(Track->Position(), 6);
    THeadlessBackend::MouseMove(Track, 40, 10);  // -10 / 2
    EXPECT_EQ(Track->Position(), 1);
    EXPECT_EQ(Track->Text(), "1");
    THeadlessBackend::MouseUp(Track, 40, 10);
    THeadlessBackend::MouseMove(Track, 80, 10);
    EXPECT_EQ(Track->Position(), 1) << "the drag ended with the release";
    // An editable edit is typed in, not dragged.
    Track->SetEditorEnabled(true);
    THeadlessBackend::MouseDown(Track, 40, 10);
    THeadlessBackend::MouseMove(Track, 60, 10);
    THeadlessBackend::MouseUp(Track, 60, 10);
    EXPECT_EQ(Track->Position(), 1);
}

TEST_F(TrackBarDropDownTest, TheTrackBarInThePopupIsTheSourceAndAClickElsewhereKeepsIt)
{
    Track->ShowDropDown();
    ASSERT_TRUE(Track->DroppedDown());
    ui::TTrackBar* bar = Track->TrackBar();
    EXPECT_EQ(ui::TInputRouter::Focus(), bar);
    Press(ui::VK_RIGHT);
    Press(ui::VK_RIGHT);
    EXPECT_EQ(Track->Position(), 2);
    EXPECT_EQ(Track->Text(), "2");
    THeadlessBackend::Click(Other, 5, 5);
    EXPECT_FALSE(Track->DroppedDown());
    EXPECT_EQ(Track->Position(), 2);
    EXPECT_EQ(Track->Text(), "2");
}

TEST_F(TrackBarDropDownTest, EscapeBringsBackTheValueLastSetAndTheTrackBarFollows)
{
    Track->SetText("3");
    EXPECT_EQ(Track->Position(), 3);
    Track->ShowDropDown();
    Press(ui::VK_RIGHT);
    EXPECT_EQ(Track->Text(), "4");
    Press(ui::VK_ESCAPE);
    EXPECT_FALSE(Track->DroppedDown());
    EXPECT_EQ(Track->Text(), "3");
    EXPECT_EQ(Track->Position(), 3);
    EXPECT_EQ(Track->TrackBar()->Position(), 3);
}

TEST_F(TrackBarDropDownTest, AnEmptiedEditTakesMinAndShowsItOnLeaving)
{
    Track->SetEditorEnabled(true);
    Track->SetMin(3);
    EXPECT_EQ(Track->Text(), "3");
    // At Min already the track bar does not move, so the emptied edit stays empty meanwhile.
    Track->SelectAll();
    Press(ui::VK_BACK);
    EXPECT_EQ(Track->Text(), "");
    EXPECT_EQ(Track->Position(), 3);
    Other->SetFocus();
    EXPECT_EQ(Track->Text(), "3");
    // Elsewhere the track bar moves to Min and writes it at once.
    Track->SetPosition(6);
    Track->SetFocus();
    Track->SelectAll();
    Press(ui::VK_BACK);
    EXPECT_EQ(Track->Position(), 3);
    EXPECT_EQ(Track->Text(), "3");
}

// Sound behaviour where the design loses the error: a text that is no integer raises the
// conversion error, and a page size that would divide a drag by nothing is refused.
TEST_F(TrackBarDropDownTest, ATextThatIsNoIntegerAndAPageSizeBelowOneRaise)
{
    Track->SetEditorEnabled(true);
    Track->SetPosition(4);
    try {
        Track->SetText("4a");
        ADD_FAILURE() << "no error for a text that is no integer";
    } catch (const rtl::EConvertError& e) {
        EXPECT_EQ(e.Message(), "'4a' is not a valid integer value");
    }
    EXPECT_EQ(Track->Position(), 4);
    for (int bad : {0, -2}) {
        try {
            Track->SetPageSize(bad);
            ADD_FAILURE() << "no error for page size " << bad;
        } catch (const rtl::ERangeError& e) {
            EXPECT_EQ(e.Message(), "PageSize must be above 0, not " + std::to_string(bad));
        }
    }
    EXPECT_EQ(Track->PageSize(), 2);
    Track->SetPageSize(5);
    Track->SetEditorEnabled(false);
    THeadlessBackend::MouseDown(Track, 10, 10);
    THeadlessBackend::MouseMove(Track, 21, 10);
    EXPECT_EQ(Track->Position(), 6);
}

}  // namespace
