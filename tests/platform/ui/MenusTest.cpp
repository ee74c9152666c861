// Pop-up menus: a right click shows the control's menu; mouse and keys choose items; items nested in descriptions.
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "platform/ui/ClassRegistry.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/Menus.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/StdCtrlsRegistration.h"

namespace {

using namespace ui;
using uitest::UiTest;

class MenusTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Form = NewForm(300, 200);
        Edit = new TEdit(Form);
        Edit->SetParent(Form);
        Edit->SetBounds(10, 10, 150, 21);
        Menu = new TPopupMenu(Form);
        for (const char* caption : {"Copy", "-", "Paste", "More"}) {
            auto* item = new TMenuItem(Form);
            item->SetCaption(caption);
            item->OnClick = [this](rtl::TObject* s) { Log.push_back(static_cast<TMenuItem*>(s)->Caption()); };
            Menu->Items().Add(item);
        }
        auto* sub = new TMenuItem(Form);
        sub->SetCaption("Cell IDs");
        sub->OnClick = [this](rtl::TObject*) { Log.push_back("Cell IDs"); };
        Menu->Items()[3]->Add(sub);
        Menu->Items()[2]->SetShortCut(ShortCut('V', ssCtrl));
        Edit->SetPopupMenu(Menu);
        Form->Show();
        Edit->SetFocus();
    }
    TForm* Form = nullptr;
    TEdit* Edit = nullptr;
    TPopupMenu* Menu = nullptr;
    std::vector<std::string> Log;
};

TEST_F(MenusTest, RightClickShowsTheMenuAndAClickRunsTheItem)
{
    THeadlessBackend::MouseDown(Edit, 20, 8, mbRight);
    THeadlessBackend::MouseUp(Edit, 20, 8, mbRight);
    TMenuWindow* window = Menu->Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->IsTopLevel());
    EXPECT_EQ(Menu->PopupComponent(), Edit);
    rtl::TPoint at = Edit->ClientToScreen({20, 8});
    EXPECT_EQ(window->Left(), at.X);
    EXPECT_EQ(window->Top(), at.Y);
    // The separator takes no click; the item below it does.
    rtl::TRect line = window->ItemRect(1);
    THeadlessBackend::Click(window, 10, line.Top + 2);
    EXPECT_NE(Menu->Window(), nullptr);
    rtl::TRect paste = window->ItemRect(2);
    THeadlessBackend::MouseMove(window, 10, paste.Top + 3);
    App->ProcessMessages();
    EXPECT_EQ(THeadlessBackend::Pixel(window, 5, paste.Top + 1), gfx::ColorToRGB(gfx::clHighlight));
    THeadlessBackend::Click(window, 10, paste.Top + 3);
    EXPECT_EQ(Menu->Window(), nullptr);
    EXPECT_EQ(Log, (std::vector<std::string>{"Paste"}));
    EXPECT_EQ(FocusedControl(), Edit);  // the keyboard goes back to the field

    // A click outside the menu closes it and chooses nothing; a submenu opens on hover.
    Menu->Popup(100, 100);
    window = Menu->Window();
    THeadlessBackend::MouseMove(window, 10, window->ItemRect(3).Top + 3);
    TControl* sub = nullptr;
    for (TWinControl* w : TWinControl::TopLevelWindows()) {
        auto* mw = dynamic_cast<TMenuWindow*>(w);
        if (mw != nullptr && mw != window && mw->Visible()) sub = mw;
    }
    ASSERT_NE(sub, nullptr);
    THeadlessBackend::Click(sub, 10, 5);
    EXPECT_EQ(Log.back(), "Cell IDs");
    Menu->Popup(100, 100);
    THeadlessBackend::Click(Form, 250, 150);
    EXPECT_EQ(Menu->Window(), nullptr);
    EXPECT_EQ(Log.size(), 2u);
}

TEST_F(MenusTest, KeysMoveOverSeparatorsOpenSubmenusAndEscapeCloses)
{
    Menu->Popup(100, 100);
    THeadlessBackend::PressKey(VK_DOWN);
    THeadlessBackend::PressKey(VK_DOWN);  // over the separator
    EXPECT_EQ(Menu->Window()->ItemIndex(), 2);
    THeadlessBackend::PressKey(VK_DOWN);
    THeadlessBackend::PressKey(VK_RIGHT);
    THeadlessBackend::PressKey(VK_DOWN);
    THeadlessBackend::PressKey(VK_RETURN);
    EXPECT_EQ(Log, (std::vector<std::string>{"Cell IDs"}));
    EXPECT_EQ(Menu->Window(), nullptr);

    Menu->Popup(100, 100);
    THeadlessBackend::PressKey(VK_ESCAPE);
    EXPECT_EQ(Menu->Window(), nullptr);
    EXPECT_EQ(Log.size(), 1u);
    // Shortcuts run their item without the menu.
    EXPECT_TRUE(Menu->IsShortCut('V', ssCtrl));
    EXPECT_EQ(Log.back(), "Paste");
    EXPECT_EQ(ShortCutToText(ShortCut('V', ssCtrl)), "Ctrl+V");
    EXPECT_EQ(ShortCutToText(ShortCut(VK_DELETE, ssShift)), "Shift+Del");
}

TEST_F(MenusTest, ClosingAfterTheFocusedControlWentAwayIsSafe)
{
    Menu->Popup(100, 100);
    Edit->SetPopupMenu(nullptr);
    delete Edit;
    Edit = nullptr;
    THeadlessBackend::PressKey(VK_ESCAPE);
    EXPECT_EQ(Menu->Window(), nullptr);
    ASSERT_NE(FocusedControl(), nullptr);
    EXPECT_EQ(dynamic_cast<TMenuWindow*>(FocusedControl()), nullptr);
    EXPECT_TRUE(FocusedControl()->Showing());
}

TEST_F(MenusTest, DisabledAndRadioItems)
{
    Menu->Items()[0]->SetEnabled(false);
    Menu->Popup(50, 50);
    THeadlessBackend::Click(Menu->Window(), 10, Menu->Window()->ItemRect(0).Top + 3);
    EXPECT_TRUE(Log.empty());
    Menu->CloseMenu();
    auto* a = Menu->Items()[2];
    auto* b = Menu->Items()[3];
    a->SetRadioItem(true);
    b->SetRadioItem(true);
    a->SetChecked(true);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
}

TEST_F(UiTest, MenuItemsNestedInADescriptionFormTheirTree)
{
    RegisterStandardControls();
    auto* form = NewForm();
    std::vector<std::string> clicks;
    form->Methods().RegisterMethod("CopyClick", TNotifyEvent([&](rtl::TObject*) { clicks.push_back("copy"); }));
    ReadComponentResText(R"(object Form1: TForm
  object PopupMenu1: TPopupMenu
    Left = 24
    Top = 8
    object Copy1: TMenuItem
      Caption = 'Copy'
      ShortCut = 16451
      OnClick = CopyClick
    end
    object N1: TMenuItem
      Caption = '-'
    end
    object Sheet1: TMenuItem
      Caption = 'Sheet tools'
      object Transpose1: TMenuItem
        Caption = 'Transpose'
      end
    end
  end
end
)", "Menu.dfm", form);
    auto* menu = dynamic_cast<TPopupMenu*>(form->FindComponent("PopupMenu1"));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->Items().Count(), 3);
    EXPECT_EQ(menu->Items()[2]->Count(), 1);
    EXPECT_EQ(menu->Items()[2]->Items(0)->Caption(), "Transpose");
    EXPECT_TRUE(menu->Items()[1]->IsLine());
    EXPECT_TRUE(menu->IsShortCut('C', ssCtrl));
    EXPECT_EQ(clicks, (std::vector<std::string>{"copy"}));
}

}  // namespace
