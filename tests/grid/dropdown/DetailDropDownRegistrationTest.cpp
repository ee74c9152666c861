// A detail drop-down read from a form description: its items, settings and fonts, its OnSelect
// bound to the form's handler, and a bad item property reported with the file and line.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "grid/dropdown/ExtDetailDropDown.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrlsRegistration.h"
#include "tests/grid/dropdown/FormDescriptionFixture.h"

namespace {

using namespace grid;

class DetailDropDownRegistrationTest : public dropdowntest::FormDescriptionTest {
protected:
    void SetUp() override
    {
        FormDescriptionTest::SetUp();
        Form->SetBounds(50, 50, 300, 250);
    }
};

TEST_F(DetailDropDownRegistrationTest, DropDownFromADescriptionHasItsItemsSettingsAndHandler)
{
    std::vector<rtl::TObject*> senders;
    Form->Methods().RegisterMethod("CropSelect", ui::TNotifyEvent([&](rtl::TObject* s) { senders.push_back(s); }));
    ui::ReadComponentResText("object Form1: TForm\n"
                             "  object Crop: TExtDetailDropDown\n"
                             "    Left = 10\n    Top = 10\n    Width = 180\n    Height = 21\n"
                             "    Items = <\n"
                             "      item\n        Caption = 'Maize'\n        Notes = '<b>C4</b> cereal'\n"
                             "        ImageIndex = 2\n        Tag = 7\n      end\n"
                             "      item\n        Caption = 'Barley'\n      end>\n"
                             "    ItemIndex = 1\n"
                             "    ItemHeight = 36\n"
                             "    Layout = ilCaptionLeft\n"
                             "    ImageVAlign = tlTop\n"
                             "    CaptionFont.Style = [fsBold]\n"
                             "    NotesFont.Color = clGray\n"
                             "    NotesFont.Height = -10\n"
                             "    OnSelect = CropSelect\n"
                             "  end\n"
                             "end\n",
                             "crop.dfm", Form);
    auto* crop = dynamic_cast<TExtDetailDropDown*>(Form->FindComponent("Crop"));
    ASSERT_NE(crop, nullptr);
    ASSERT_EQ(crop->Items().Count(), 2);
    EXPECT_EQ(crop->Items().Items(0)->Notes(), "<b>C4</b> cereal");
    EXPECT_EQ(crop->Items().Items(0)->ImageIndex(), 2);
    EXPECT_EQ(crop->Items().Items(0)->Tag(), 7);
    EXPECT_EQ(crop->ItemIndex(), 1);
    EXPECT_EQ(crop->Text(), "Barley");
    EXPECT_EQ(crop->ItemHeight(), 36);
    EXPECT_EQ(crop->Layout(), ilCaptionLeft);
    EXPECT_EQ(crop->ImageVAlign(), ui::tlTop);
    EXPECT_TRUE(crop->CaptionFont().Style().Contains(gfx::fsBold));
    EXPECT_EQ(crop->NotesFont().Color(), 0x808080u);
    EXPECT_EQ(crop->NotesFont().Height(), -10);

    // The bound handler hears a pick in the pop-up, with the drop-down as sender.
    senders.clear();
    Form->Show();
    crop->ShowDropDown();
    App->ProcessMessages();
    ASSERT_TRUE(crop->DroppedDown());
    TCustomItemSelector* panel = crop->ItemSelector()->SelectorPanel();
    const rtl::TRect maize = panel->GetItemRect(0);
    ui::THeadlessBackend::Click(panel, maize.Left + 40, maize.Top + 5);
    App->ProcessMessages();
    EXPECT_EQ(crop->Text(), "Maize");
    EXPECT_EQ(senders, std::vector<rtl::TObject*>{crop});
}

TEST_F(DetailDropDownRegistrationTest, UnknownItemPropertyNamesTheFileAndLine)
{
    EXPECT_EQ(ReadErrorMessage("object F: TForm\n  object D: TExtDetailDropDown\n    Items = <\n      item\n"
                               "        Colour = 3\n      end>\n  end\nend\n",
                               "d.dfm"),
              "d.dfm(5): Error reading D.Items: Property Colour does not exist");
}

}  // namespace
