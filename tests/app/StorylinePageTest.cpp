// The storyline page's handlers in the headless main window: what each control does to the storyline and to the page.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/DriveSteps.h"
#include "app/Program.h"
#include "app/StorylineModel.h"
#include "app/StorylineTables.h"
#include "app/Unit1.h"
#include "grid/core/ExtGrid.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/Paths.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"
#include "tests/support/StringLines.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using app::StorylineEditor;
using testsupport::CurrentDirScope;
using testsupport::Lines;
using testsupport::TempDir;
using ui::THeadlessBackend;

// The workbench started headless in an empty folder, its main window shown, with no
// storyline yet.
class StorylinePageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StorylineEditor = app::TStorylineEditor{};
        InDir = std::make_unique<CurrentDirScope>(Dir.Path());
        App = std::make_unique<ui::TApplication>();
        auto backend = std::make_unique<THeadlessBackend>();
        Backend = backend.get();
        App->SetBackend(std::move(backend));
        Form = app::CreateWorkbenchForms(*App).MainForm;
        Form->Show();
        App->ProcessMessages();
    }
    void TearDown() override
    {
        ui::SetDialogShownHook(nullptr);
        App.reset();
        InDir.reset();
        StorylineEditor = app::TStorylineEditor{};
    }

    // A click of the mouse on a control, through the window's input routing: an
    // exception of the handler goes to the error box.
    void Click(ui::TControl* control)
    {
        THeadlessBackend::Click(control, 4, 4);
        App->ProcessMessages();
    }
    // The user replaces the text of a field by typing.
    void Type(ui::TCustomEdit* edit, const std::string& text)
    {
        edit->SetFocus();
        edit->SelectAll();
        THeadlessBackend::TypeText(text);
        App->ProcessMessages();
    }
    void Choose(ui::TComboBox* box, int index) { app::DriveChooseItem(box, index); }
    // A cell typed into a table, handed to the grid as its in-place editor hands it.
    void EditCell(grid::TExtStringGrid* g, int col, int row, const std::string& text)
    {
        app::DriveSetProperty(g, "Cells[" + std::to_string(col) + "," + std::to_string(row) + "]", text);
    }
    // The next open dialog answers with the file, or is cancelled without one.
    void AnswerOpenDialog(const std::string& file)
    {
        ui::SetDialogShownHook([file](ui::TCustomForm& dialog) {
            app::DriveAnswerFileDialog(dialog, file.empty() ? std::nullopt : std::optional<std::string>(file));
        });
    }
    bool TablesEmpty()
    {
        grid::TExtStringGrid* grids[] = {Form->plantingTB, Form->harvestTB, Form->fertilizationTB, Form->irrigationTB,
                                         Form->cultivationTB, Form->grazingTB, Form->mowingTB, Form->thinningTB};
        for (grid::TExtStringGrid* g : grids)
            for (int r = 1; r < g->RowCount(); ++r)
                for (int c = 0; c < g->ColCount(); ++c)
                    if (!g->Cells(c, r).empty()) return false;
        return true;
    }
    // The land-use panel lying on top of the other two.
    ui::TPanel* FrontLandUsePanel()
    {
        ui::TPanel* front = nullptr;
        int top = -1;
        for (ui::TPanel* p : {Form->crop_panel, Form->grass_panel, Form->forest_panel}) {
            int z = ZOrder(p);
            if (z > top) top = z, front = p;
        }
        return front;
    }
    static int ZOrder(const ui::TControl* control)
    {
        const ui::TWinControl* parent = control->Parent();
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (parent->Controls(i) == control) return i;
        return -1;
    }
    app::Tdomain& Domain(int d = 1) { return StorylineEditor.CurrentStoryline.domains.at(static_cast<std::size_t>(d)); }

    TempDir Dir;
    std::unique_ptr<CurrentDirScope> InDir;
    std::unique_ptr<ui::TApplication> App;
    THeadlessBackend* Backend = nullptr;
    app::TForm1* Form = nullptr;
};

TEST_F(StorylinePageTest, NewStorylineShowsOneEmptyCroplandPeriodAndClearsWhatAnEarlierOneShowed)
{
    Click(Form->NewSLBut);
    EditCell(Form->plantingTB, 0, 1, "2001-04-20");
    EditCell(Form->thinningTB, 4, 20, "55");
    Type(Form->cIDmemo, "12; 13; ");
    Choose(Form->luCB, 2);
    Click(Form->AddPerBut);

    Click(Form->NewSLBut);
    EXPECT_EQ(Form->slnEdit->Text(), "storyline");
    EXPECT_EQ(Form->ttsbEdit->Text(), "2001");
    EXPECT_EQ(Form->ttseEdit->Text(), "2100");
    EXPECT_EQ(Form->tsbEdit->Text(), "2001");
    EXPECT_EQ(Form->tseEdit->Text(), "2100");
    EXPECT_EQ(Lines(Form->dnrCB->Items()), (std::vector<std::string>{"1"}));
    EXPECT_EQ(Form->dnrCB->Text(), "1");
    EXPECT_EQ(Lines(Form->pnrCB->Items()), (std::vector<std::string>{"1"}));
    EXPECT_EQ(Form->pnrCB->Text(), "1");
    EXPECT_EQ(Form->cIDsCB->Text(), "ALL");
    EXPECT_EQ(Lines(Form->cIDmemo->Lines()), (std::vector<std::string>{"ALL"}));
    EXPECT_EQ(Form->luCB->Text(), "cropland");
    EXPECT_EQ(FrontLandUsePanel(), Form->crop_panel);
    EXPECT_TRUE(TablesEmpty());
    // The storyline holds what the page shows, and nothing of the earlier one.
    EXPECT_EQ(StorylineEditor.CurrentStoryline.name, "storyline");
    EXPECT_EQ(Domain().cellIDs, "ALL");
    EXPECT_EQ(Domain().nrofperiods, 1);
    EXPECT_EQ(Domain().landuse[1], "cropland");
    EXPECT_EQ(Domain().planting[1].date[1], "");
    EXPECT_EQ(Domain().thinning[1].takennw[20], "");
    EXPECT_EQ(Domain().planting[2].date[1], "");
}

TEST_F(StorylinePageTest, AddPeriodListsEachNewPeriodSpanningTheTotalSpanWithEmptyTablesAndStopsAtTen)
{
    Click(Form->NewSLBut);
    Type(Form->tseEdit, "2050");
    EditCell(Form->plantingTB, 0, 1, "2001-04-20");
    Choose(Form->luCB, 1);
    for (int i = 0; i < 3; ++i) Click(Form->AddPerBut);
    EXPECT_EQ(Lines(Form->pnrCB->Items()), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(Form->pnrCB->Text(), "4");
    EXPECT_EQ(Form->tsbEdit->Text(), "2001");
    EXPECT_EQ(Form->tseEdit->Text(), "2050");
    EXPECT_EQ(Form->luCB->Text(), "cropland");
    EXPECT_EQ(FrontLandUsePanel(), Form->crop_panel);
    EXPECT_TRUE(TablesEmpty());
    EXPECT_EQ(StorylineEditor.CurrentPeriodIndex, 4);
    for (int p = 2; p <= 4; ++p) {
        EXPECT_EQ(Domain().periodstart[p], 2001) << p;
        EXPECT_EQ(Domain().periodend[p], 2050) << p;
        EXPECT_EQ(Domain().landuse[p], "cropland") << p;
    }

    for (int i = 0; i < 7; ++i) Click(Form->AddPerBut);
    EXPECT_EQ(Form->pnrCB->Items().Count(), 10);
    EXPECT_EQ(Form->pnrCB->Text(), "10");
    EXPECT_EQ(Domain().nrofperiods, 10);
    EXPECT_EQ(StorylineEditor.CurrentPeriodIndex, 10);
}

TEST_F(StorylinePageTest, ChoosingAPeriodShowsItsYearsLandUseAndOnlyItsOwnEvents)
{
    Click(Form->NewSLBut);
    EditCell(Form->plantingTB, 1, 1, "maize");
    EditCell(Form->fertilizationTB, 2, 20, "120");
    Click(Form->AddPerBut);
    Type(Form->tsbEdit, "2051");
    Choose(Form->luCB, 1);
    EXPECT_EQ(FrontLandUsePanel(), Form->grass_panel);
    EditCell(Form->grazingTB, 2, 1, "sheep");

    Choose(Form->pnrCB, 0);
    EXPECT_EQ(Form->luCB->Text(), "cropland");
    EXPECT_EQ(FrontLandUsePanel(), Form->crop_panel);
    EXPECT_EQ(Form->tsbEdit->Text(), "2001");
    EXPECT_EQ(Form->plantingTB->Cells(1, 1), "maize");
    EXPECT_EQ(Form->fertilizationTB->Cells(2, 20), "120");
    EXPECT_EQ(Form->grazingTB->Cells(2, 1), "");

    Choose(Form->pnrCB, 1);
    EXPECT_EQ(Form->luCB->Text(), "grassland");
    EXPECT_EQ(FrontLandUsePanel(), Form->grass_panel);
    EXPECT_EQ(Form->tsbEdit->Text(), "2051");
    EXPECT_EQ(Form->grazingTB->Cells(2, 1), "sheep");
    EXPECT_EQ(Form->plantingTB->Cells(1, 1), "");
    EXPECT_EQ(Form->fertilizationTB->Cells(2, 20), "");
    // Showing the period stored nothing new: each period kept its own values.
    EXPECT_EQ(Domain().periodstart[1], 2001);
    EXPECT_EQ(Domain().periodstart[2], 2051);
    EXPECT_EQ(Domain().planting[1].crop[1], "maize");
    EXPECT_EQ(Domain().grazing[2].gtype[1], "sheep");
}

TEST_F(StorylinePageTest, TypedDomainAndPeriodNumbersOutsideTheirRangeAreIgnoredAndTextThatIsNoNumberIsAnError)
{
    Click(Form->NewSLBut);
    EditCell(Form->plantingTB, 1, 1, "maize");
    Click(Form->AddPerBut);
    Type(Form->pnrCB, "7");
    EXPECT_EQ(StorylineEditor.CurrentPeriodIndex, 2);
    Type(Form->pnrCB, "0");
    EXPECT_EQ(StorylineEditor.CurrentPeriodIndex, 2);
    EXPECT_EQ(Form->plantingTB->Cells(1, 1), "");
    Type(Form->pnrCB, "1");
    EXPECT_EQ(StorylineEditor.CurrentPeriodIndex, 1);
    EXPECT_EQ(Form->plantingTB->Cells(1, 1), "maize");
    Type(Form->dnrCB, "2");
    EXPECT_EQ(StorylineEditor.CurrentDomainIndex, 1);
    EXPECT_TRUE(Backend->ErrorTexts().empty());

    Type(Form->pnrCB, "x");
    EXPECT_EQ(StorylineEditor.CurrentPeriodIndex, 1);
    EXPECT_EQ(Backend->ErrorTexts(), (std::vector<std::string>{"'x' is not a valid integer value."}));
}

TEST_F(StorylinePageTest, ChoosingADomainShowsItsCellsPeriodsAndEvents)
{
    fs::create_directories(Dir.Path() / "input" / "storyline");
    fs::copy_file(testsupport::TestDataDir() / "app" / "storyline" / "two_domains.stl",
                  Dir.Path() / "input" / "storyline" / "two_domains.stl");
    // The open dialog starts in the storyline folder and lists the storyline files.
    std::string caption, folder, type;
    std::vector<std::string> listed;
    ui::SetDialogShownHook([&](ui::TCustomForm& dialog) {
        caption = dialog.Caption();
        folder = static_cast<ui::TEdit*>(dialog.FindComponent("FolderEdit"))->Text();
        type = static_cast<ui::TComboBox*>(dialog.FindComponent("TypeCombo"))->Text();
        listed = Lines(static_cast<ui::TListBox*>(dialog.FindComponent("FileList"))->Items());
        app::DriveAnswerFileDialog(dialog, std::string("two_domains.stl"));
    });
    testsupport::WriteFileBytes(Dir.Path() / "input" / "storyline" / "notes.txt", "x");
    Click(Form->OpenSLBut);
    EXPECT_EQ(caption, "Open StoryLine file");
    EXPECT_EQ(fs::path(folder), (Dir.Path() / "input" / "storyline").lexically_normal());
    EXPECT_EQ(type, "StoryLine files");
    EXPECT_EQ(listed, (std::vector<std::string>{"[..]", "two_domains.stl"}));
    ASSERT_EQ(Form->slnEdit->Text(), "regions");
    EXPECT_EQ(Lines(Form->dnrCB->Items()), (std::vector<std::string>{"1"}));
    EXPECT_EQ(Form->luCB->Text(), "forest");
    EXPECT_EQ(FrontLandUsePanel(), Form->forest_panel);
    EXPECT_EQ(Form->thinningTB->Cells(0, 2), "2020-01-15");

    // The page shows the chosen domain, so that an edit goes where it shows.
    Type(Form->dnrCB, "2");
    EXPECT_EQ(StorylineEditor.CurrentDomainIndex, 2);
    EXPECT_EQ(Lines(Form->cIDmemo->Lines()), (std::vector<std::string>{"101; 102; 230; "}));
    EXPECT_EQ(Lines(Form->pnrCB->Items()), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(Form->pnrCB->Text(), "1");
    EXPECT_EQ(Form->luCB->Text(), "cropland");
    EXPECT_EQ(Form->tseEdit->Text(), "2010");
    EXPECT_EQ(Form->plantingTB->Cells(1, 1), "maize");
    EXPECT_EQ(Form->irrigationTB->Cells(0, 2), "2001-07-15");
    EXPECT_EQ(Form->thinningTB->Cells(0, 1), "");
    EditCell(Form->harvestTB, 0, 1, "2001-09-30");
    EXPECT_EQ(Domain(2).harvest[1].date[1], "2001-09-30");
    EXPECT_EQ(Domain(1).harvest[1].date[1], "");

    Type(Form->dnrCB, "3");
    EXPECT_EQ(StorylineEditor.CurrentDomainIndex, 2);
    EXPECT_EQ(Form->plantingTB->Cells(1, 1), "maize");
}

TEST_F(StorylinePageTest, OpenWithABadFileShowsItsErrorAndLeavesTheStorylineAndThePageUntouched)
{
    Click(Form->NewSLBut);
    Type(Form->slnEdit, "kept");
    EditCell(Form->plantingTB, 1, 1, "maize");
    std::string bad = testsupport::ReadFileBytes(testsupport::TestDataDir() / "app" / "storyline" / "two_domains.stl");
    bad.replace(bad.find("NR OF PERIODS: 3"), 16, "NR OF PERIODS: x");
    testsupport::WriteFileBytes(Dir.Path() / "bad.stl", bad);

    AnswerOpenDialog((Dir.Path() / "bad.stl").string());
    Click(Form->OpenSLBut);
    ASSERT_EQ(Backend->ErrorTexts().size(), 1u);
    EXPECT_NE(Backend->ErrorTexts()[0].find("bad.stl, line 16"), std::string::npos) << Backend->ErrorTexts()[0];
    EXPECT_EQ(Form->slnEdit->Text(), "kept");
    EXPECT_EQ(Form->plantingTB->Cells(1, 1), "maize");
    EXPECT_EQ(Lines(Form->cIDmemo->Lines()), (std::vector<std::string>{"ALL"}));
    EXPECT_EQ(StorylineEditor.CurrentStoryline.name, "kept");
    EXPECT_EQ(StorylineEditor.CurrentStoryline.nrofdomains, 1);
    EXPECT_EQ(Domain().planting[1].crop[1], "maize");

    // A cancelled dialog and a file that does not exist change nothing either.
    AnswerOpenDialog("");
    Click(Form->OpenSLBut);
    AnswerOpenDialog((Dir.Path() / "missing.stl").string());
    Click(Form->OpenSLBut);
    EXPECT_EQ(Form->slnEdit->Text(), "kept");
    EXPECT_EQ(Domain().planting[1].crop[1], "maize");
    EXPECT_EQ(Backend->ErrorTexts().size(), 1u);
}

TEST_F(StorylinePageTest, OpeningAFileWithoutDomainsShowsItsNameAndSpanAndLeavesNothingToEdit)
{
    Click(Form->NewSLBut);
    EditCell(Form->plantingTB, 1, 1, "maize");
    testsupport::WriteFileBytes(Dir.Path() / "empty.stl", "STORYLINE: nothing\r\nTIME SPAN: 2001-2050\r\nNR OF DOMAINS: 0\r\n");
    AnswerOpenDialog((Dir.Path() / "empty.stl").string());
    Click(Form->OpenSLBut);
    EXPECT_TRUE(Backend->ErrorTexts().empty());
    EXPECT_EQ(Form->slnEdit->Text(), "nothing");
    EXPECT_EQ(Form->ttseEdit->Text(), "2050");
    EXPECT_EQ(Form->dnrCB->Items().Count(), 0);
    EXPECT_EQ(Form->pnrCB->Items().Count(), 0);
    EXPECT_EQ(Form->tsbEdit->Text(), "");
    EXPECT_EQ(Form->cIDmemo->Text(), "");
    EXPECT_TRUE(TablesEmpty());
    // Edits of the tables then store nothing, and Add Period adds nothing.
    EditCell(Form->plantingTB, 1, 1, "wheat");
    Click(Form->AddPerBut);
    EXPECT_EQ(StorylineEditor.CurrentPeriodIndex, 0);
    EXPECT_EQ(StorylineEditor.CurrentStoryline.nrofdomains, 0);
}

TEST_F(StorylinePageTest, TheEndYearOfTheLastPeriodIsTheTotalEndYear)
{
    Click(Form->NewSLBut);
    Click(Form->AddPerBut);
    Type(Form->tseEdit, "2080");
    EXPECT_EQ(Form->ttseEdit->Text(), "2080");
    EXPECT_EQ(StorylineEditor.CurrentStoryline.endyear, 2080);
    Choose(Form->pnrCB, 0);
    Type(Form->tseEdit, "2040");
    EXPECT_EQ(Form->ttseEdit->Text(), "2080");
    EXPECT_EQ(Domain().periodend[1], 2040);
    EXPECT_EQ(StorylineEditor.CurrentStoryline.endyear, 2080);
    EXPECT_EQ(Form->ttsbEdit->Text(), "2001");
}

TEST_F(StorylinePageTest, LandUseInAnotherLetterCaseIsStoredButBringsNoPanelToTheFront)
{
    Click(Form->NewSLBut);
    Choose(Form->luCB, 1);
    // Typed past the box's completion, which would offer "forest".
    Form->luCB->SetAutoComplete(false);
    Type(Form->luCB, "Forest");
    EXPECT_EQ(FrontLandUsePanel(), Form->grass_panel);
    EXPECT_EQ(Domain().landuse[1], "Forest");
    Type(Form->luCB, "forest");
    EXPECT_EQ(FrontLandUsePanel(), Form->forest_panel);
}

TEST_F(StorylinePageTest, ConditionsBoxesCoverTheirTablesWhileTicked)
{
    ASSERT_LT(ZOrder(Form->MowCond_Panel), ZOrder(Form->mowingTB));
    ASSERT_LT(ZOrder(Form->irrcond_panel), ZOrder(Form->irrigationTB));
    app::DriveClick(Form->mowcondCB);
    app::DriveClick(Form->irrcondCB);
    EXPECT_GT(ZOrder(Form->MowCond_Panel), ZOrder(Form->mowingTB));
    EXPECT_GT(ZOrder(Form->irrcond_panel), ZOrder(Form->irrigationTB));
    app::DriveClick(Form->mowcondCB);
    EXPECT_LT(ZOrder(Form->MowCond_Panel), ZOrder(Form->mowingTB));
    EXPECT_GT(ZOrder(Form->irrcond_panel), ZOrder(Form->irrigationTB));
}

TEST_F(StorylinePageTest, WithoutAStorylineEditsChangeOnlyThePageAndTheButtonsDoNothing)
{
    EditCell(Form->plantingTB, 0, 1, "2001-04-20");
    Type(Form->tsbEdit, "2005");
    Type(Form->tseEdit, "");
    Choose(Form->luCB, 2);
    Click(Form->AddPerBut);
    Click(Form->ExportSLBut);
    Click(Form->SaveSLBut);
    EXPECT_EQ(Form->plantingTB->Cells(0, 1), "2001-04-20");
    EXPECT_EQ(Form->pnrCB->Items().Count(), 0);
    EXPECT_TRUE(StorylineEditor.CurrentStoryline.domains.empty());
    EXPECT_EQ(StorylineEditor.CurrentPeriodIndex, 0);
    EXPECT_FALSE(Form->MSGpanel1->Visible());
    EXPECT_FALSE(fs::exists(Dir.Path() / "input"));
    EXPECT_TRUE(Backend->ErrorTexts().empty());
}

TEST_F(StorylinePageTest, ChoosingAClimateProjectionOrTypingOutputVariablesKeepsTheCellsAndTheName)
{
    Click(Form->NewSLBut);
    Type(Form->cIDmemo, "12; 13; ");
    Choose(Form->cpCB, 4);
    Type(Form->ovEdit, "3061");
    EXPECT_EQ(Lines(Form->cIDmemo->Lines()), (std::vector<std::string>{"12; 13; "}));
    EXPECT_EQ(Domain().cellIDs, "12; 13; ");
    EXPECT_EQ(StorylineEditor.CurrentStoryline.name, "storyline");
}

// Counts the pixels of a cell's inside that differ from white.
int InkInCell(grid::TExtStringGrid* g, int col, int row)
{
    rtl::TRect r = g->CellRect(col, row);
    int ink = 0;
    for (int y = r.Top + 3; y < r.Bottom - 3; ++y)
        for (int x = r.Left + 3; x < r.Right - 3; ++x)
            if (THeadlessBackend::Pixel(g, x, y) != gfx::clWhite) ++ink;
    return ink;
}

TEST_F(StorylinePageTest, StorylinePageWithAFilledPlantingTableIsSavedAsAScreenshot)
{
    Click(Form->NewSLBut);
    Type(Form->slnEdit, "maize_wheat");
    const std::vector<std::vector<std::string>> rows{{"2001-04-20", "maize", "Mv Ködmön", "7"},
                                                     {"2001-10-05", "wheat", "GK Öthalom", "450"}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c) EditCell(Form->plantingTB, c, r + 1, rows[r][c]);
    Choose(Form->cIDsCB, 6);
    App->ProcessMessages();
    Form->PaintPending();

    const fs::path file = testsupport::BuildDir() / "screenshots" / "storyline-page.png";
    fs::create_directories(file.parent_path());
    fs::remove(file);
    gfx::TCanvas image(Form->Surface());
    image.SaveToPngFile(file.string());
    EXPECT_GT(fs::file_size(file), 1000u);

    // The typed cells show their text; the empty rows below stay white.
    for (int c = 0; c < 4; ++c) {
        EXPECT_GT(InkInCell(Form->plantingTB, c, 1), 10) << c;
        EXPECT_GT(InkInCell(Form->plantingTB, c, 2), 10) << c;
        EXPECT_EQ(InkInCell(Form->plantingTB, c, 3), 0) << c;
    }
}

}  // namespace
