// Message dialogs (answered in tests, or a real window driven by input) and the open and save file choosers.
#include <gtest/gtest.h>

#include <filesystem>

#include "UiTestSupport.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/StdCtrls.h"
#include "tests/support/TempDir.h"

namespace {

using namespace ui;
using uitest::UiTest;

class DialogsTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        MessageBoxLog().clear();
    }
    void TearDown() override
    {
        SetMessageBoxAnswerer(nullptr);
        SetDialogShownHook(nullptr);
        UiTest::TearDown();
    }
    template <typename T>
    static T* Find(TCustomForm& form, const std::string& name)
    {
        auto* c = dynamic_cast<T*>(form.FindComponent(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    static void ClickButton(TCustomForm& form, const std::string& name)
    {
        THeadlessBackend::Click(Find<TButton>(form, name), 10, 10);
    }
};

TEST_F(DialogsTest, MessageBoxesAreRecordedAndAnsweredByTheAnswerer)
{
    SetMessageBoxAnswerer([](const TMessageBoxRecord& r) { return r.Buttons & mbNo ? mrNo : mrOk; });
    EXPECT_EQ(MessageDlg("Delete the period?", mtConfirmation, mbYesNo), mrNo);
    ShowMessage("COMPLETE");
    EXPECT_EQ(MessageBox("File not found", "Error", MB_OK | MB_ICONERROR), IDOK);
    ASSERT_EQ(MessageBoxLog().size(), 3u);
    EXPECT_EQ(MessageBoxLog()[0].Caption, "Confirm");
    EXPECT_EQ(MessageBoxLog()[0].Result, mrNo);
    EXPECT_EQ(MessageBoxLog()[1].Text, "COMPLETE");
    EXPECT_EQ(MessageBoxLog()[1].Caption, App->Title());
    EXPECT_EQ(MessageBoxLog()[2].Type, mtError);

    // Without an answerer the headless backend takes the first button's answer.
    SetMessageBoxAnswerer(nullptr);
    EXPECT_EQ(MessageDlg("Overwrite?", mtWarning, mbYesNoCancel), mrYes);
    EXPECT_EQ(MessageBoxLog().back().Result, mrYes);
}

TEST_F(DialogsTest, TheMessageWindowIsAnsweredByClickingAndByEscape)
{
    std::string shownText;
    SetDialogShownHook([&](TCustomForm& dialog) {
        shownText = Find<TLabel>(dialog, "Message")->Caption();
        EXPECT_EQ(dialog.Caption(), "Warning");
        EXPECT_TRUE(dialog.Showing());
        ClickButton(dialog, "No");
    });
    EXPECT_EQ(MessageDlg("Replace it?", mtWarning, mbYesNo), mrNo);
    EXPECT_EQ(shownText, "Replace it?");
    SetDialogShownHook([&](TCustomForm&) { THeadlessBackend::PressKey(VK_ESCAPE); });
    EXPECT_EQ(MessageDlg("Continue?", mtConfirmation, mbOKCancel), mrCancel);
    SetDialogShownHook([&](TCustomForm&) { THeadlessBackend::PressKey(VK_RETURN); });
    EXPECT_EQ(MessageDlg("Continue?", mtConfirmation, mbOKCancel), mrOk);
}

class FileDialogTest : public DialogsTest {
protected:
    void SetUp() override
    {
        DialogsTest::SetUp();
        Dir = Temp.Path() / "input" / "storyline";
        std::filesystem::create_directories(Dir / "sub");
        for (const char* name : {"b.stl", "a.stl", "notes.txt"}) testsupport::WriteFileBytes(Dir / name, "x");
        testsupport::WriteFileBytes(Dir / "sub" / "c.stl", "x");
    }
    testsupport::TempDir Temp;
    std::filesystem::path Dir;
};

TEST_F(FileDialogTest, OpenDialogListsMatchingFilesAndReturnsTheChosenOne)
{
    TOpenDialog od(nullptr);
    od.SetTitle("Open StoryLine file");
    od.SetFilter("StoryLine files|*.stl|All files|*.*");
    od.SetInitialDir(Temp.Path().string() + "\\input\\storyline");
    std::vector<std::string> listed;
    SetDialogShownHook([&](TCustomForm& dialog) {
        EXPECT_EQ(dialog.Caption(), "Open StoryLine file");
        auto* list = Find<TListBox>(dialog, "FileList");
        for (int i = 0; i < list->Items().Count(); ++i) listed.push_back(list->Items()[i]);
        EXPECT_EQ(Find<TComboBox>(dialog, "TypeCombo")->Text(), "StoryLine files");
        // A click on a file names it; Open takes it.
        THeadlessBackend::Click(list, 10, list->ItemRect(3).Top + 2);
        EXPECT_EQ(Find<TEdit>(dialog, "FileNameEdit")->Text(), "b.stl");
        ClickButton(dialog, "OkButton");
    });
    ASSERT_TRUE(od.Execute());
    EXPECT_EQ(listed, (std::vector<std::string>{"[..]", "[sub]", "a.stl", "b.stl"}));
    EXPECT_EQ(std::filesystem::path(od.FileName()), (Dir / "b.stl").lexically_normal());
}

TEST_F(FileDialogTest, TypedNamesNavigateFoldersAndMissingFilesAreRefused)
{
    TOpenDialog od(nullptr);
    od.SetFilter("StoryLine files|*.stl");
    od.SetInitialDir(Dir.string());
    od.SetOptions(ofFileMustExist);
    SetMessageBoxAnswerer([](const TMessageBoxRecord&) { return mrOk; });
    SetDialogShownHook([&](TCustomForm& dialog) {
        auto* name = Find<TEdit>(dialog, "FileNameEdit");
        name->SetFocus();
        THeadlessBackend::TypeText("sub");
        THeadlessBackend::PressKey(VK_RETURN);  // a folder: go into it
        EXPECT_EQ(Find<TListBox>(dialog, "FileList")->Items().Count(), 2);  // [..] and c.stl
        THeadlessBackend::TypeText("missing.stl");
        THeadlessBackend::PressKey(VK_RETURN);
        EXPECT_TRUE(dialog.Showing());
        ClickButton(dialog, "CancelButton");
    });
    EXPECT_FALSE(od.Execute());
    ASSERT_EQ(MessageBoxLog().size(), 1u);
    EXPECT_NE(MessageBoxLog()[0].Text.find("File not found."), std::string::npos);
    EXPECT_EQ(od.FileName(), "");

    // Double-clicking a file chooses it.
    SetDialogShownHook([&](TCustomForm& dialog) {
        auto* list = Find<TListBox>(dialog, "FileList");
        rtl::TRect r = list->ItemRect(2);  // a.stl
        THeadlessBackend::Click(list, 10, r.Top + 2);
        THeadlessBackend::Click(list, 10, r.Top + 2);
    });
    ASSERT_TRUE(od.Execute());
    EXPECT_EQ(std::filesystem::path(od.FileName()).filename(), "a.stl");
}

TEST_F(FileDialogTest, SaveDialogAddsTheDefaultExtensionAndAsksBeforeOverwriting)
{
    TSaveDialog sd(nullptr);
    sd.SetDefaultExt("stl");
    sd.SetInitialDir(Dir.string());
    sd.SetOptions(ofOverwritePrompt);
    SetMessageBoxAnswerer([](const TMessageBoxRecord&) { return mrNo; });
    SetDialogShownHook([&](TCustomForm& dialog) {
        EXPECT_EQ(Find<TButton>(dialog, "OkButton")->Caption(), "Save");
        auto* name = Find<TEdit>(dialog, "FileNameEdit");
        name->SetFocus();
        THeadlessBackend::TypeText("a");
        ClickButton(dialog, "OkButton");  // a.stl exists; the answer is No
        EXPECT_TRUE(dialog.Showing());
        name->SetFocus();
        THeadlessBackend::PressKey('A', ssCtrl);
        THeadlessBackend::TypeText("new");
        ClickButton(dialog, "OkButton");
    });
    ASSERT_TRUE(sd.Execute());
    EXPECT_EQ(std::filesystem::path(sd.FileName()), (Dir / "new.stl").lexically_normal());
    ASSERT_EQ(MessageBoxLog().size(), 1u);
    EXPECT_NE(MessageBoxLog()[0].Text.find("already exists"), std::string::npos);
}

}  // namespace
