// A form holding one of each standard control, rendered headless to a PNG; caret and selection pixels.
#include <gtest/gtest.h>

#include <filesystem>

#include "UiTestSupport.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Caret.h"
#include "platform/ui/CheckLst.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Mask.h"
#include "platform/ui/Menus.h"
#include "platform/ui/StdCtrls.h"
#include "tests/support/TempDir.h"

namespace {

using namespace ui;
using uitest::UiTest;

class ScreenshotTest : public UiTest {
protected:
    template <typename T>
    T* Add(TWinControl* parent, int left, int top, int width = 0, int height = 0)
    {
        auto* c = new T(Form);
        c->SetParent(parent);
        c->SetBounds(left, top, width > 0 ? width : c->Width(), height > 0 ? height : c->Height());
        return c;
    }
    TLabel* Caption(TWinControl* parent, const std::string& text, int left, int top)
    {
        auto* l = Add<TLabel>(parent, left, top);
        l->SetCaption(text);
        return l;
    }
    void BuildForm()
    {
        Form = NewForm(640, 470);
        Form->SetCaption("Standard controls");
        Form->SetColor(gfx::clBtnFace);

        Caption(Form, "Name:", 12, 15);
        Edit = Add<TEdit>(Form, 90, 12, 150);
        Edit->SetText("storyline");
        auto* disabledEdit = Add<TEdit>(Form, 250, 12, 110);
        disabledEdit->SetText("disabled");
        disabledEdit->SetEnabled(false);
        Caption(Form, "Time span:", 12, 45);
        auto* mask = Add<TMaskEdit>(Form, 90, 42, 60);
        mask->SetEditMask("9999;1;_");
        mask->SetText("20");
        auto* password = Add<TEdit>(Form, 160, 42, 80);
        password->SetPasswordChar(U'*');
        password->SetText("secret");

        auto* button = Add<TButton>(Form, 372, 10, 110);
        button->SetCaption("New Storyline");
        button->SetDefault(true);
        auto* disabledButton = Add<TButton>(Form, 372, 40, 110);
        disabledButton->SetCaption("Delete Period");
        disabledButton->SetEnabled(false);
        auto* speed = Add<TSpeedButton>(Form, 490, 10, 60, 25);
        speed->SetCaption("MAP");

        auto* check = Add<TCheckBox>(Form, 12, 75, 110);
        check->SetCaption("use ERA5");
        check->SetChecked(true);
        auto* check2 = Add<TCheckBox>(Form, 12, 95, 110);
        check2->SetCaption("transient run");
        check2->SetEnabled(false);
        auto* rb1 = Add<TRadioButton>(Form, 130, 75, 90);
        rb1->SetCaption("SPINUP");
        auto* rb2 = Add<TRadioButton>(Form, 130, 95, 90);
        rb2->SetCaption("NORMAL");
        rb2->SetChecked(true);

        Caption(Form, "Landuse type:", 240, 78);
        auto* combo = Add<TComboBox>(Form, 330, 75, 130);
        Combo = combo;
        for (const char* s : {"cropland", "grassland", "forest"}) combo->Items().Add(s);
        combo->SetItemIndex(0);
        auto* list = Add<TComboBox>(Form, 470, 75, 150);
        list->SetStyle(csDropDownList);
        for (const char* s : {"ALL", "Plain region (alt<200m)"}) list->Items().Add(s);
        list->SetItemIndex(1);

        auto* listBox = Add<TListBox>(Form, 12, 125, 140, 95);
        for (const char* s : {"maize", "grass", "foresee", "carpatclim", "era5", "EU-SHG", "EU-PTF", "HU-PTF", "US-PTF"})
            listBox->Items().Add(s);
        listBox->SetItemIndex(2);
        auto* checkList = Add<TCheckListBox>(Form, 160, 125, 140, 95);
        for (const char* s : {"GPP", "NEE", "evapotranspiration", "soil water"}) checkList->Items().Add(s);
        checkList->SetChecked(0, true);
        checkList->SetChecked(2, true);
        auto* memo = Add<TMemo>(Form, 310, 125, 150, 95);
        memo->SetScrollBars(ssVertical);
        memo->Lines().SetText("ALL\r\n1; 2; 3; 4; 5; 6; 7; 8; 9; 10; 11; 12; 13; 14; 15; 16;\r\nline three\r\nline four\r\nline five\r\nline six\r\n");

        auto* panel = Add<TPanel>(Form, 470, 125, 150, 95);
        panel->SetCaption("crop_panel");
        auto* image = Add<TImage>(panel, 8, 8, 40, 40);
        gfx::TBitmap bitmap;
        bitmap.SetWidth(16);
        bitmap.SetHeight(16);
        bitmap.Canvas().GradientFill(rtl::Rect(0, 0, 16, 16), gfx::clNavy, gfx::clAqua, true);
        bitmap.Canvas().Changed();
        image->Picture().SetGraphic(&bitmap);
        image->SetStretch(true);
        image->SetHint("Rendben");

        auto* pages = Add<TPageControl>(Form, 12, 230, 300, 130);
        for (const char* caption : {"INI file maker", "SOI file maker", "GRID OPERATIONS", "StoryLine Creator"}) {
            auto* sheet = new TTabSheet(Form);
            sheet->SetCaption(caption);
            sheet->SetPageControl(pages);
        }
        pages->Pages(2)->SetTabVisible(false);
        pages->SetActivePageIndex(3);
        Caption(pages->Pages(3), "Period nr.:", 10, 12);
        auto* inner = Add<TEdit>(pages->Pages(3), 80, 9, 60);
        inner->SetText("1");

        auto* track = Add<TTrackBar>(Form, 320, 235, 150, 40);
        track->SetPosition(3);
        auto* bar = Add<TScrollBar>(Form, 320, 285, 150, 17);
        bar->SetPosition(40);
        Date = Add<TDateTimePicker>(Form, 480, 235, 140);
        auto* date = Date;
        date->SetDateTime(rtl::EncodeDate(2001, 3, 15));
        auto* time = Add<TDateTimePicker>(Form, 480, 265, 140);
        time->SetKind(dtkTime);
        time->SetDateTime(rtl::EncodeTime(14, 30, 5, 0));

        auto* status = Add<TStatusBar>(Form, 0, 0);
        status->Panels().Add().SetWidth(200);
        status->Panels().Add();
        status->Panels()[0].SetText("Writing 0042.soi");
        status->Panels()[1].SetText("Ready");

        Form->Show();
        Edit->SetFocus();
        // Select "line" with the keyboard: the caret ends after it.
        THeadlessBackend::PressKey(VK_HOME);
        for (int i = 0; i < 5; ++i) THeadlessBackend::PressKey(VK_RIGHT);
        THeadlessBackend::PressKey(VK_END, ssShift);
        App->ProcessMessages();
    }
    static void Save(TWinControl* window, const std::string& name)
    {
        std::filesystem::path dir = testsupport::BuildDir() / "screenshots";
        std::filesystem::create_directories(dir);
        std::filesystem::path file = dir / name;
        std::filesystem::remove(file);
        gfx::TCanvas image(window->Surface());
        image.SaveToPngFile(file.string());
        EXPECT_GT(std::filesystem::file_size(file), 200u) << name;
    }
    TForm* Form = nullptr;
    TEdit* Edit = nullptr;
    TComboBox* Combo = nullptr;
    TDateTimePicker* Date = nullptr;
};

TEST_F(ScreenshotTest, FormWithEachControlRendersToPngAndTheFocusedEditShowsCaretAndSelection)
{
    BuildForm();
    ASSERT_EQ(Edit->SelText(), "line");
    const TCaretState& caret = CaretState();
    ASSERT_EQ(caret.Owner, Edit->Handle());
    ASSERT_EQ(caret.HideLevel, 0);
    ASSERT_TRUE(caret.Drawn);

    // The caret inverts the white field: black at its middle; white just right of it.
    int cx = caret.Rect.Left;
    int cy = caret.Rect.Top + caret.Rect.Height() / 2;
    EXPECT_EQ(THeadlessBackend::Pixel(Edit, cx, cy), gfx::clBlack);
    EXPECT_EQ(THeadlessBackend::Pixel(Edit, cx + 3, cy), gfx::ColorToRGB(gfx::clWindow));
    // The selection ends where the caret is; its top row is the highlight colour.
    EXPECT_EQ(THeadlessBackend::Pixel(Edit, cx - 1, caret.Rect.Top), gfx::ColorToRGB(gfx::clHighlight));
    EXPECT_EQ(THeadlessBackend::Pixel(Edit, 1, caret.Rect.Top), gfx::ColorToRGB(gfx::clWindow));

    Save(Form, "StandardControls.png");

    // The edit loses the focus: caret gone, selection hidden.
    THeadlessBackend::PressKey(VK_TAB);
    App->ProcessMessages();
    EXPECT_NE(THeadlessBackend::Pixel(Edit, cx - 1, caret.Rect.Top), gfx::ColorToRGB(gfx::clHighlight));
}

TEST_F(ScreenshotTest, PopUpWindowsRenderToPng)
{
    BuildForm();
    Combo->SetFocus();
    Combo->SetDroppedDown(true);
    App->ProcessMessages();
    ASSERT_NE(Combo->DropList(), nullptr);
    Save(Combo->DropList(), "ComboDropList.png");
    // The chosen item is highlighted in the list.
    rtl::TRect first = Combo->DropList()->ItemRect(0);
    EXPECT_EQ(Combo->DropList()->WindowPixel(3, first.Top + 3), gfx::ColorToRGB(gfx::clHighlight));
    Combo->SetDroppedDown(false);

    Date->SetFocus();
    Date->SetDroppedDown(true);
    App->ProcessMessages();
    Save(Date->Calendar(), "Calendar.png");
    Date->SetDroppedDown(false);

    TPopupMenu menu(nullptr);
    for (const char* caption : {"Copy", "-", "Paste", "Sheet tools"}) {
        auto* item = new TMenuItem(&menu);
        item->SetCaption(caption);
        menu.Items().Add(item);
    }
    menu.Items()[0]->SetShortCut(ShortCut('C', ssCtrl));
    menu.Items()[2]->SetChecked(true);
    menu.Items()[3]->Add(new TMenuItem(&menu));
    menu.Popup(100, 100);
    THeadlessBackend::PressKey(VK_DOWN);
    App->ProcessMessages();
    Save(menu.Window(), "PopupMenu.png");
    menu.CloseMenu();
}

}  // namespace
