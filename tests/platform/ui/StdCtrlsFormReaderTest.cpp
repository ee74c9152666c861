// A form description holding the standard controls: classes, published properties and events are read.
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "platform/ui/CheckLst.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/Mask.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/StdCtrlsRegistration.h"
#include "tests/support/TempDir.h"

namespace {

using namespace ui;
using uitest::UiTest;

class TForm1 : public TForm {
public:
    explicit TForm1(rtl::TComponent* owner) : TForm(owner)
    {
        auto log = [this](const std::string& what) {
            return TNotifyEvent([this, what](rtl::TObject* s) {
                Log.push_back(what + " " + static_cast<rtl::TComponent*>(s)->Name());
            });
        };
        Methods().RegisterMethod("RB1Click", log("click"));
        Methods().RegisterMethod("Image31Click", log("click"));
        Methods().RegisterMethod("dolClickCheck", log("check"));
        Methods().RegisterMethod("dnrCBChange", log("change"));
    }
    std::string ClassName() const override { return "TForm1"; }
    std::string DescriptionFile() const override { return (testsupport::TestDataDir() / "ui" / "StdControls.dfm").string(); }
    template <typename T>
    T* Get(const std::string& name)
    {
        auto* c = dynamic_cast<T*>(FindComponent(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    std::vector<std::string> Log;
};

class StdCtrlsFormReaderTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        RegisterStandardControls();
        Form = new TForm1(App.get());
        Form->AfterConstruction();
    }
    TForm1* Form = nullptr;
};

TEST_F(StdCtrlsFormReaderTest, ControlsAndTheirPropertiesComeFromTheDescription)
{
    auto* pages = Form->Get<TPageControl>("PageControl1");
    EXPECT_EQ(pages->PageCount(), 3);
    EXPECT_EQ(pages->ActivePage(), Form->Get<TTabSheet>("TabSheet10"));
    EXPECT_FALSE(Form->Get<TTabSheet>("TabSheet2")->TabVisible());
    EXPECT_EQ(pages->TabCount(), 2);

    EXPECT_FALSE(Form->Get<TRadioButton>("RB1")->Checked());
    EXPECT_TRUE(Form->Get<TRadioButton>("RB2")->Checked());
    EXPECT_FALSE(Form->Get<TCheckBox>("cbtrans")->Enabled());
    auto* year = Form->Get<TEdit>("Edit29");
    EXPECT_TRUE(year->NumbersOnly());
    EXPECT_EQ(year->MaxLength(), 4);
    EXPECT_EQ(year->Text(), "2018");
    EXPECT_EQ(Form->Get<TCheckListBox>("dol")->Items().CommaText(), "GPP,NEE");
    auto* proj = Form->Get<TComboBox>("projCB");
    EXPECT_EQ(proj->Style(), csDropDownList);
    EXPECT_EQ(proj->ItemIndex(), 1);
    EXPECT_EQ(proj->Text(), "RCP8.5");
    auto* memo = Form->Get<TMemo>("SC");
    EXPECT_EQ(memo->Lines().Count(), 2);
    EXPECT_EQ(memo->ScrollBars(), ssVertical);
    EXPECT_FALSE(memo->WordWrap());
    EXPECT_EQ(Form->Get<TComboBox>("dnrCB")->Items().Count(), 3);
    auto* mask = Form->Get<TMaskEdit>("tsbEdit");
    EXPECT_EQ(mask->EditMask(), "9999;1;_");
    EXPECT_EQ(mask->Text(), "2001");
    EXPECT_EQ(Form->Get<TPanel>("crop_panel")->BevelOuter(), bvLowered);
    EXPECT_FALSE(Form->Get<TPanel>("MSGpanel1")->Visible());
    auto* image = Form->Get<TImage>("Image31");
    EXPECT_EQ(image->Hint(), "Rendben");
    EXPECT_TRUE(image->Stretch());
    EXPECT_EQ(image->Picture().Width(), 2);
    EXPECT_EQ(image->Picture().Height(), 2);
    auto* sb = Form->Get<TStatusBar>("SB");
    ASSERT_EQ(sb->Panels().Count(), 1);
    EXPECT_EQ(sb->Panels()[0].Width(), 200);
    EXPECT_EQ(Form->Get<TTrackBar>("TrackBar1")->Position(), 5);
    int y, m, d;
    rtl::DecodeDate(Form->Get<TDateTimePicker>("DateTimePicker1")->Date(), y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, 20010301);
    auto* od = Form->Get<TOpenDialog>("OD");
    EXPECT_EQ(od->Title(), "Open StoryLine file");
    EXPECT_EQ(od->Filter(), "StoryLine files|*.stl");
    EXPECT_EQ(GetPropertyByName(proj, "Style"), "csDropDownList");
    EXPECT_TRUE(Form->Log.empty());  // reading fires no click for RB2's Checked
}

TEST_F(StdCtrlsFormReaderTest, EventsAreBoundAndTheHiddenTabStaysOutOfReach)
{
    Form->Show();
    auto* pages = Form->Get<TPageControl>("PageControl1");
    auto* dnr = Form->Get<TComboBox>("dnrCB");
    dnr->SetFocus();
    THeadlessBackend::TypeText("2");
    EXPECT_EQ(dnr->Text(), "2");
    std::vector<TTabSheet*> visited;
    for (int i = 0; i < 4; ++i) {
        THeadlessBackend::PressKey(VK_TAB, ssCtrl);
        visited.push_back(pages->ActivePage());
    }
    for (TTabSheet* page : visited) EXPECT_NE(page, Form->Get<TTabSheet>("TabSheet2"));
    EXPECT_EQ(pages->ActivePage(), Form->Get<TTabSheet>("TabSheet10"));
    pages->SetActivePage(Form->Get<TTabSheet>("TabSheet6"));
    THeadlessBackend::Click(Form->Get<TRadioButton>("RB1"), 5, 5);
    THeadlessBackend::Click(Form->Get<TCheckListBox>("dol"), 5, 5);
    EXPECT_EQ(Form->Log, (std::vector<std::string>{"change dnrCB", "click RB1", "check dol"}));
    // Choosing SPINUP does not lose NORMAL's click handler: its unticking fires nothing.
    EXPECT_FALSE(Form->Get<TRadioButton>("RB2")->Checked());
}

}  // namespace
