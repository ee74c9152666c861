// The check list box: ticks by click on the box and by Space, OnClickCheck, ticks from code.
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "platform/ui/CheckLst.h"

namespace {

using namespace ui;
using uitest::UiTest;

TEST_F(UiTest, CheckListTicksByBoxClickAndSpaceButNotByTextClick)
{
    auto* form = NewForm();
    auto* list = new TCheckListBox(form);
    list->SetParent(form);
    list->SetBounds(10, 10, 150, 100);
    for (const char* s : {"GPP", "NEE", "evapotranspiration"}) list->Items().Add(s);
    int checks = 0;
    int clicks = 0;
    list->OnClickCheck = [&](rtl::TObject*) { ++checks; };
    list->OnClick = [&](rtl::TObject*) { ++clicks; };
    form->Show();

    rtl::TRect second = list->ItemRect(1);
    THeadlessBackend::Click(list, 6, second.Top + 3);  // on the box
    EXPECT_TRUE(list->Checked(1));
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(checks, 1);
    THeadlessBackend::Click(list, 60, second.Top + 3);  // on the text: selects only
    EXPECT_TRUE(list->Checked(1));
    EXPECT_EQ(checks, 1);
    THeadlessBackend::PressKey(VK_SPACE);
    EXPECT_FALSE(list->Checked(1));
    EXPECT_EQ(checks, 2);
    THeadlessBackend::PressKey(VK_DOWN);
    THeadlessBackend::PressKey(VK_SPACE);
    EXPECT_TRUE(list->Checked(2));
    EXPECT_EQ(checks, 3);
    EXPECT_GE(clicks, 2);

    // Ticks from code fire nothing and follow their item when items move.
    list->CheckAll(true);
    EXPECT_EQ(checks, 3);
    list->SetChecked(0, false);
    list->Items().Delete(0);
    EXPECT_TRUE(list->Checked(0));
    EXPECT_TRUE(list->Checked(1));
    list->Items().Insert(0, "new");
    EXPECT_FALSE(list->Checked(0));
    EXPECT_TRUE(list->Checked(1));

    // The tick is drawn: the box of a ticked item has dark pixels, an unticked one none.
    App->ProcessMessages();
    auto darkPixels = [&](int index) {
        rtl::TRect r = list->ItemRect(index);
        int dark = 0;
        for (int y = r.Top + 2; y < r.Bottom - 2; ++y)
            for (int x = 4; x < 12; ++x) dark += (THeadlessBackend::Pixel(list, x, y) & 0xFFFFFF) < 0x404040 ? 1 : 0;
        return dark;
    };
    EXPECT_GT(darkPixels(1), 3);
    EXPECT_EQ(darkPixels(0), 0);
}

}  // namespace
