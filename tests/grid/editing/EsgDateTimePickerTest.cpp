// Flat date/time picker painting and the base cell checker.
#include <gtest/gtest.h>

#include <memory>

#include "grid/editing/EsgDateTimePicker.h"
#include "grid/editing/ExtStringGridCheck.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/DateTime.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"

namespace {

class EsgDateTimePickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(10, 10, 400, 200);
        Picker = new grid::TEsgDateTimePicker(Form);
        Picker->SetParent(Form);
        Picker->SetBounds(10, 10, 150, 22);
        Picker->SetDateTime(rtl::EncodeDate(2021, 5, 17));
    }
    void TearDown() override { App.reset(); }

    // The picker's button area: the rightmost button width of its client area.
    rtl::TPoint ButtonPoint(int dx, int dy) const
    {
        return {Picker->ClientWidth() - Picker->ButtonWidth() + dx, dy};
    }

    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    grid::TEsgDateTimePicker* Picker = nullptr;
};

TEST_F(EsgDateTimePickerTest, WithoutMetroStyleItPaintsExactlyAsThePlatformPicker)
{
    auto* plain = new ui::TDateTimePicker(Form);
    plain->SetParent(Form);
    plain->SetBounds(10, 60, 150, 22);
    plain->SetDateTime(Picker->DateTime());
    Picker->SetButtonColor(gfx::clRed);
    Picker->SetBorderColor(gfx::clBlue);
    auto* other = new ui::TEdit(Form);
    other->SetParent(Form);
    other->SetBounds(10, 100, 50, 22);
    Form->Show();
    other->SetFocus();
    Form->PaintPending();
    int differing = 0;
    for (int y = -2; y < Picker->ClientHeight() + 2; ++y)
        for (int x = -2; x < Picker->ClientWidth() + 2; ++x)
            if (ui::THeadlessBackend::Pixel(Picker, x, y) != ui::THeadlessBackend::Pixel(plain, x, y)) ++differing;
    EXPECT_EQ(differing, 0);
}

TEST_F(EsgDateTimePickerTest, MetroStylePaintsAColouredButtonWithATriangleButKeepsTheTimeSpin)
{
    Picker->SetMetroStyle(true);
    Picker->SetButtonColor(gfx::clYellow);
    Picker->SetButtonTextColor(gfx::clBlue);
    Form->Show();
    Form->PaintPending();
    rtl::TPoint face = ButtonPoint(Picker->ButtonWidth() - 4, Picker->ClientHeight() - 3);
    EXPECT_EQ(ui::THeadlessBackend::Pixel(Picker, face.X, face.Y), gfx::clYellow);
    // Inside the triangle below its top edge (seven below the face's top, one pixel in).
    rtl::TPoint tri = ButtonPoint(9, 9);
    EXPECT_EQ(ui::THeadlessBackend::Pixel(Picker, tri.X, tri.Y), gfx::clBlue);

    Picker->SetKind(ui::dtkTime);
    Form->PaintPending();
    EXPECT_NE(ui::THeadlessBackend::Pixel(Picker, face.X, face.Y), gfx::clYellow);
}

TEST_F(EsgDateTimePickerTest, MetroStyleFramesTheBorderInTheBorderOrFocusColour)
{
    Picker->SetMetroStyle(true);
    Picker->SetBorderColor(gfx::clRed);
    Picker->SetFocusBorderColor(gfx::clLime);
    auto* other = new ui::TEdit(Form);
    other->SetParent(Form);
    other->SetBounds(10, 100, 50, 22);
    Form->Show();
    other->SetFocus();
    Form->PaintPending();
    EXPECT_EQ(ui::THeadlessBackend::Pixel(Picker, -2, 5), gfx::clRed);
    Picker->SetFocus();
    Form->PaintPending();
    EXPECT_TRUE(Picker->HasFocus());
    EXPECT_EQ(ui::THeadlessBackend::Pixel(Picker, -2, 5), gfx::clLime);
}

TEST_F(EsgDateTimePickerTest, VersionReadsFromThePackedNumber)
{
    Picker->SetVersion("9.9");
    EXPECT_EQ(Picker->Version(), "1.0.0.0");
    EXPECT_EQ(Picker->BorderStyle(), ui::bsNone);
}

TEST(ExtStringGridCheckTest, TheBaseCheckerPassesValuesThroughAndReportsOK)
{
    grid::TExtStringGridCheck check(nullptr);
    check.SetLastResult(grid::CheckResultCancel);
    EXPECT_EQ(check.Correct(1, 2, "abc"), "abc");
    EXPECT_EQ(check.LastResult(), grid::CheckResultOK);
    check.SetLastResult(grid::CheckResultCancel);
    EXPECT_EQ(check.MarkError(1, 2, "x y"), "x y");
    EXPECT_EQ(check.LastResult(), grid::CheckResultOK);
}

TEST(ExtStringGridCheckTest, TheCheckedGridIsForgottenWhenItIsFreed)
{
    grid::TExtStringGridCheck check(nullptr);
    auto* target = new rtl::TComponent(nullptr);
    check.SetGrid(target);
    EXPECT_EQ(check.Grid(), target);
    delete target;
    EXPECT_EQ(check.Grid(), nullptr);
}

}  // namespace
