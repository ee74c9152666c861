// The colour and image pickers' settings as they start: a control made in code and one read
// from a form description that names none of them agree on every default; a colour picker
// placed in a designer gets the standard colours, one made at run time or read does not.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/dropdown/ExtColorPicker.h"
#include "grid/dropdown/ExtDropDownRegistration.h"
#include "grid/dropdown/ExtImagePicker.h"
#include "grid/dropdown/ImagePickerRegistration.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrlsRegistration.h"

namespace {

using namespace grid;

class PickerDefaultsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui::RegisterStandardControls();
        RegisterDropDownClasses();
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
    }
    void TearDown() override { App.reset(); }

    template <typename T>
    T* Read(const std::string& className)
    {
        ui::ReadComponentResText("object Form1: TForm\n  object Pick: " + className + "\n  end\nend\n", "pick.dfm",
                                 Form);
        auto* read = dynamic_cast<T*>(Form->FindComponent("Pick"));
        EXPECT_NE(read, nullptr);
        return read;
    }

    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
};

void ExpectColorPickerDefaults(const TExtColorPickerDropDown& p)
{
    EXPECT_EQ(p.ColorSelectionStyle(), csList);
    EXPECT_EQ(p.Colors().Count(), 0);
    EXPECT_EQ(p.ItemIndex(), -1);
    EXPECT_EQ(p.Columns(), 1);
    EXPECT_EQ(p.Layout(), ilCaptionRight);
    EXPECT_EQ(p.ColorBoxWidth(), 14);
    EXPECT_EQ(p.ColorBoxHeight(), 14);
    EXPECT_EQ(p.ColorBoxBorderColor(), 0u);
    EXPECT_EQ(p.ColorValueText(), cvtNone);
    EXPECT_TRUE(p.ShowText());
    EXPECT_EQ(p.SelectedColor(), gfx::clNone);
    EXPECT_EQ(p.SelectedColorText(), "");
    EXPECT_FALSE(p.EditorEnabled());
    EXPECT_TRUE(p.DropDownEnabled());
    EXPECT_EQ(p.DropDownHeight(), 200);
    EXPECT_FALSE(p.DropDownHeader().Visible());
    EXPECT_FALSE(p.DropDownFooter().Visible());
    EXPECT_EQ(p.Cursor(), ui::crArrow);
}

void ExpectImagePickerDefaults(const TExtImagePickerDropDown& p)
{
    EXPECT_EQ(p.Columns(), 1);
    EXPECT_EQ(p.Items().Count(), 0);
    EXPECT_EQ(p.ItemIndex(), -1);
    EXPECT_EQ(p.ImageIndex(), -1);
    EXPECT_EQ(p.Layout(), ilCaptionRight);
    EXPECT_EQ(p.Cursor(), ui::crArrow);
    EXPECT_FALSE(p.EditorEnabled());
    EXPECT_TRUE(p.DropDownEnabled());
    EXPECT_NE(p.ItemSelector(), nullptr) << "the pop-up's selector is there from the start";
}

TEST_F(PickerDefaultsTest, ColourPickerMadeInCodeAndReadAgreeOnEveryDefault)
{
    {
        SCOPED_TRACE("made in code");
        auto* made = new TExtColorPickerDropDown(Form);
        ExpectColorPickerDefaults(*made);
        delete made;
    }
    SCOPED_TRACE("read");
    auto* read = Read<TExtColorPickerDropDown>("TExtColorPickerDropDown");
    ASSERT_NE(read, nullptr);
    ExpectColorPickerDefaults(*read);
}

TEST_F(PickerDefaultsTest, ImagePickerMadeInCodeAndReadAgreeOnEveryDefault)
{
    {
        SCOPED_TRACE("made in code");
        auto* made = new TExtImagePickerDropDown(Form);
        ExpectImagePickerDefaults(*made);
        delete made;
    }
    SCOPED_TRACE("read");
    auto* read = Read<TExtImagePickerDropDown>("TExtImagePickerDropDown");
    ASSERT_NE(read, nullptr);
    ExpectImagePickerDefaults(*read);
}

TEST_F(PickerDefaultsTest, ColourPickerPlacedInADesignerGetsTheStandardColours)
{
    Form->SetDesigning(true);
    auto* placed = new TExtColorPickerDropDown(Form);
    placed->SetParent(Form);
    EXPECT_EQ(placed->Colors().Count(), 0) << "until its window is made";
    Form->Show();
    App->ProcessMessages();
    ASSERT_EQ(placed->Colors().Count(), 16);
    EXPECT_EQ(placed->Colors().Items(0)->Caption(), "Black");
    EXPECT_EQ(placed->Colors().Items(15)->Color(), 0xFFFFFFu);

    // Made at run time on a form that is not designed: no colours until its owner adds them.
    Form->SetDesigning(false);
    auto* running = new TExtColorPickerDropDown(Form);
    running->SetParent(Form);
    App->ProcessMessages();
    running->HandleNeeded();
    EXPECT_EQ(running->Colors().Count(), 0);
}

TEST_F(PickerDefaultsTest, ImagePickerReadsItsItemsAndSettings)
{
    ui::ReadComponentResText("object Form1: TForm\n"
                             "  object Pick: TExtImagePickerDropDown\n"
                             "    Columns = 3\n"
                             "    Layout = ilCaptionBottom\n"
                             "    Items = <\n"
                             "      item\n        Caption = 'Oak'\n        ImageIndex = 2\n        Hint = 'tall'\n      end\n"
                             "      item\n        Caption = 'Pine'\n        ImageIndex = 4\n      end>\n"
                             "    ItemIndex = 1\n"
                             "  end\n"
                             "end\n",
                             "pick.dfm", Form);
    auto* pick = dynamic_cast<TExtImagePickerDropDown*>(Form->FindComponent("Pick"));
    ASSERT_NE(pick, nullptr);
    EXPECT_EQ(pick->Columns(), 3);
    EXPECT_EQ(pick->Layout(), ilCaptionBottom);
    ASSERT_EQ(pick->Items().Count(), 2);
    EXPECT_EQ(pick->Items().Items(0)->Hint(), "tall");
    EXPECT_EQ(pick->ItemIndex(), 1);
    EXPECT_EQ(pick->ImageIndex(), 4);

    try {
        ui::ReadComponentResText("object F: TForm\n  object P: TExtImagePickerDropDown\n    Items = <\n      item\n"
                                 "        Color = 1\n      end>\n  end\nend\n",
                                 "p.dfm", Form);
        ADD_FAILURE() << "an unknown item property was read";
    } catch (const rtl::EReadError& e) {
        EXPECT_EQ(e.Message(), "p.dfm(5): Error reading P.Items: Property Color does not exist");
    }
}

}  // namespace
