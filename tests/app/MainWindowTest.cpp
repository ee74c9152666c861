// The main window built from its description: pages, shared controls, defaults, start-up loading and the message panel.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/GlobalTables.h"
#include "app/IniMaker10km.h"
#include "app/OutputLists.h"
#include "app/Program.h"
#include "app/SoilPropWriter10km.h"
#include "app/StorylineModel.h"
#include "app/StorylineTables.h"
#include "app/Unit1.h"
#include "app/Unit3.h"
#include "grid/core/ExtGrid.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/Paths.h"
#include "platform/ui/CheckLst.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"
#include "tests/support/StringLines.h"
#include "tests/support/TempDir.h"
#include "tests/support/UnreadableFileScope.h"

namespace {

using testsupport::CurrentDirScope;
using testsupport::Lines;
using testsupport::TempDir;
using testsupport::UnreadableFileScope;

// The workbench started headless in an empty temporary folder, as the program starts.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InDir = std::make_unique<CurrentDirScope>(Dir.Path());
    }
    void Start()
    {
        App = std::make_unique<ui::TApplication>();
        auto backend = std::make_unique<ui::THeadlessBackend>();
        Backend = backend.get();
        App->SetBackend(std::move(backend));
        Forms = app::CreateWorkbenchForms(*App);
        Form1 = Forms.MainForm;
    }
    void TearDown() override
    {
        App.reset();
        InDir.reset();
    }

    TempDir Dir;
    std::unique_ptr<CurrentDirScope> InDir;
    std::unique_ptr<ui::TApplication> App;
    ui::THeadlessBackend* Backend = nullptr;
    app::TWorkbenchForms Forms;
    app::TForm1* Form1 = nullptr;
};

TEST_F(MainWindowTest, TheWindowHasItsTenPagesWithThreeVisibleTabsAndTheStorylinePageInFront)
{
    Start();
    EXPECT_EQ(Form1->Caption(), "Tolvek Apps");
    EXPECT_EQ(Form1->ClientWidth(), 1016);
    EXPECT_EQ(Form1->ClientHeight(), 739);
    EXPECT_EQ(Form1->BorderStyle(), ui::bsSingle);
    EXPECT_EQ(Form1->Position(), ui::poScreenCenter);
    EXPECT_EQ(Form1->Color(), gfx::clWhite);
    EXPECT_EQ(App->MainForm(), Form1);

    struct TPage {
        ui::TTabSheet* Sheet;
        const char* Caption;
        bool TabShown;
    };
    const TPage pages[] = {
        {Form1->TabSheet6, "INI file maker", true},      {Form1->TabSheet1, "SOI file maker", true},
        {Form1->TabSheet2, "GRID OPERATIONS", false},    {Form1->TabSheet3, "MAKE SOIL INPUT", false},
        {Form1->TabSheet4, "CLIMATE", false},            {Form1->TabSheet5, "PTFs", false},
        {Form1->TabSheet7, "Make INI", false},           {Form1->TabSheet8, "Annout", false},
        {Form1->TabSheet9, "GoogleSheet > JSON", false}, {Form1->TabSheet10, "StoryLine Creator", true},
    };
    ASSERT_EQ(Form1->PageControl1->PageCount(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(Form1->PageControl1->Pages(i), pages[i].Sheet) << i;
        EXPECT_EQ(pages[i].Sheet->Caption(), pages[i].Caption);
        EXPECT_EQ(pages[i].Sheet->TabVisible(), pages[i].TabShown) << pages[i].Caption;
    }
    EXPECT_EQ(Form1->PageControl1->TabCount(), 3);
    EXPECT_EQ(Form1->PageControl1->ActivePage(), Form1->TabSheet10);

    // The map window exists, hidden, until the MAP button shows it.
    ASSERT_NE(Forms.MapForm, nullptr);
    EXPECT_EQ(Forms.MapForm->Caption(), "Form3");
    EXPECT_FALSE(Forms.MapForm->Visible());
    EXPECT_EQ(Forms.MapForm->Edit1->Text(), "e:\\map\\KEY_10kmID_OLD_NEW.csv");
    EXPECT_TRUE(Forms.MapForm->rb1->Checked());
    EXPECT_EQ(Forms.MapForm->Button1->Caption(), "DRAW");
}

TEST_F(MainWindowTest, SharedAndHiddenControlsCarryTheirCaptionsAndTexts)
{
    Start();
    EXPECT_FALSE(Form1->Label2->Visible());
    ASSERT_EQ(Form1->SB->Panels().Count(), 1);
    EXPECT_EQ(Form1->SB->Panels()[0].Width(), 200);
    EXPECT_FALSE(Form1->MSGpanel1->Visible());
    EXPECT_EQ(Form1->Image31->Hint(), "Rendben");
    EXPECT_EQ(Form1->Image30->Hint(), "Mégsem");
    for (ui::TImage* image : {Form1->Image47, Form1->Image31, Form1->Image30}) {
        EXPECT_EQ(image->Picture().Width(), 32) << image->Name();
        EXPECT_EQ(image->Picture().Height(), 32) << image->Name();
    }
    EXPECT_EQ(Form1->OD->Title(), "Open StoryLine file");
    EXPECT_EQ(Form1->OD->Filter(), "StoryLine files|*.stl");

    struct TCaption {
        ui::TControl* Control;
        const char* Text;
    };
    const TCaption hidden[] = {
        {Form1->Button30, "MAP"}, {Form1->Button31, "PROCESS"}, {Form1->Button5, "P R O C E S S   P E R I O D"},
        {Form1->Edit4, "30"},     {Form1->Edit5, "PROCESSED"},  {Form1->Edit6, "RAW.TXT"},
        {Form1->Edit7, "100"},
    };
    for (const TCaption& c : hidden) {
        EXPECT_FALSE(c.Control->Visible()) << c.Control->Name();
        EXPECT_EQ(c.Control->Text(), c.Text);
    }
    for (ui::TControl* c : {static_cast<ui::TControl*>(Form1->Button1), static_cast<ui::TControl*>(Form1->Button2),
                            static_cast<ui::TControl*>(Form1->Button3), static_cast<ui::TControl*>(Form1->Button4),
                            static_cast<ui::TControl*>(Form1->CB), static_cast<ui::TControl*>(Form1->CB2)})
        EXPECT_FALSE(c->Visible()) << c->Name();
}

TEST_F(MainWindowTest, ThePagesShowTheDefaultsTheWritersStartFrom)
{
    Start();
    const app::TIniMaker10kmOptions defaults = app::DefaultIniMaker10kmOptions();
    EXPECT_EQ(Lines(Form1->dol->Items()), app::DefaultOutputLists().Daily);
    EXPECT_EQ(Lines(Form1->aol->Items()), app::DefaultOutputLists().Annual);
    EXPECT_EQ(Lines(Form1->SC->Lines()), app::DefaultSimulationControlLines());
    EXPECT_EQ(Form1->Edit28->Text(), defaults.FirstYear);
    EXPECT_EQ(Form1->Edit29->Text(), defaults.LastYear);
    EXPECT_EQ(Form1->Edit32->Text(), defaults.EpcFile);
    EXPECT_EQ(Form1->Edit35->Text(), defaults.SoilFolder);
    EXPECT_EQ(Form1->Edit30->Text(), defaults.ManagementFile);
    EXPECT_EQ(Form1->Edit31->Text(), defaults.OutputType);
    EXPECT_EQ(Form1->Edit33->Text(), defaults.OutputFolder);
    EXPECT_FALSE(Form1->RB1->Checked());
    EXPECT_TRUE(Form1->RB2->Checked());
    EXPECT_FALSE(Form1->cbtrans->Enabled());
    EXPECT_FALSE(Form1->CB3->Visible());
    EXPECT_EQ(Form1->CB3->Caption(), "kiterjesztés");
    EXPECT_EQ(Form1->projCB->Text(), defaults.Projection);
    EXPECT_EQ(Form1->projCB->Items().Count(), 18);
    EXPECT_EQ(Form1->DCB->Text(), defaults.Delta);
    EXPECT_EQ(Lines(Form1->DCB->Items()), (std::vector<std::string>{"none", "D1", "D2", "D3", "D4", "D5"}));
    EXPECT_EQ(Form1->Button41->Caption(), "MAKE 10km GRID INIs");

    EXPECT_EQ(Form1->Edit36->Text(), app::TSoilPropOptions().SoiFolder);
    EXPECT_EQ(Form1->cpscb->Caption(), "use chemical selector file");
    EXPECT_EQ(Form1->Button36->Caption(), "MAKE 10km GRID SOIs");
    EXPECT_EQ(Form1->Edit27->Text(), "415");
    EXPECT_EQ(Form1->Edit24->Text(), "97");
    EXPECT_EQ(Form1->Edit25->Text(), "11.05");
    EXPECT_EQ(Form1->Edit26->Text(), "9.97");

    EXPECT_EQ(Form1->cIDsCB->Items().Count(), 12);
    EXPECT_EQ(Form1->cIDsCB->Items()[6], "HU21 - Central Transdanubia");
    EXPECT_EQ(Lines(Form1->luCB->Items()), (std::vector<std::string>{"cropland", "grassland", "forest"}));
    EXPECT_EQ(Form1->dnrCB->Items().Count(), 10);
    EXPECT_EQ(Form1->cpCB->Text(), "SRESA1B_HadCM3Q0_HadRM3Q0");
    EXPECT_TRUE(Form1->ttsbEdit->ReadOnly());
    EXPECT_TRUE(Form1->ttseEdit->ReadOnly());
}

TEST_F(MainWindowTest, TheToolsOfTheHiddenPagesSitOnTheirPagesWithTheirFieldDefaults)
{
    Start();
    struct TTool {
        ui::TControl* Control;
        ui::TTabSheet* Page;
        const char* Text;
        bool Visible;
    };
    const TTool tools[] = {
        {Form1->Button11, Form1->TabSheet2, "MAKE THE GRID", true},
        {Form1->Edit2, Form1->TabSheet2, "ths_0_30cm.txt", true},
        {Form1->Edit3, Form1->TabSheet2, "5", true},
        {Form1->Button78, Form1->TabSheet3, "SOIL DB ERR CHECK", true},
        {Form1->USDA, Form1->TabSheet3, "USDA", true},
        {Form1->Button53, Form1->TabSheet3, "4M100m", true},
        {Form1->Radiation, Form1->TabSheet4, "RAD, GDD, OPTDAYS", true},
        {Form1->Button43, Form1->TabSheet5, "Ritchie", true},
        {Form1->Edit8, Form1->TabSheet5, "1.4", true},
        {Form1->Edit12, Form1->TabSheet5, "30", true},
        {Form1->Edit13, Form1->TabSheet5, "", true},
        {Form1->Button52, Form1->TabSheet7, "GET from CC", true},
        {Form1->Button74, Form1->TabSheet7, "Ydisaggregation", true},
        {Form1->Button82, Form1->TabSheet8, "process", true},
        {Form1->Edit34, Form1->TabSheet8, "foresee_huptf", true},
        {Form1->Button42, Form1->TabSheet8, "PROCESS ANNOUT FILES", false},
        {Form1->Button94, Form1->TabSheet9, "process annout", true},
        {Form1->Edit1, Form1->TabSheet9, "e:\\DBsensitivity\\", true},
        {Form1->Edit38, Form1->TabSheet9, "3", true},
        {Form1->Edit39, Form1->TabSheet9, "3", true},
        {Form1->Button93, Form1->TabSheet9, "restore soil table", false},
    };
    for (const TTool& t : tools) {
        EXPECT_EQ(t.Control->Parent(), t.Page) << t.Control->Name();
        EXPECT_EQ(t.Control->Text(), t.Text) << t.Control->Name();
        EXPECT_EQ(t.Control->Visible(), t.Visible) << t.Control->Name();
    }
    EXPECT_TRUE(Form1->RadioButton1->Checked());
    EXPECT_EQ(Form1->RadioButton1->Caption(), "TSOC");
    EXPECT_EQ(Form1->RadioButton2->Caption(), "NBP");
}

TEST_F(MainWindowTest, CreationSetsTheStorylineSelectionToNoStoryline)
{
    app::StorylineEditor.StorylineDomainCount = 3;
    app::StorylineEditor.CurrentDomainIndex = 2;
    app::StorylineEditor.StorylinePeriodCount = 4;
    app::StorylineEditor.CurrentPeriodIndex = 1;
    Start();
    EXPECT_EQ(app::StorylineEditor.StorylineDomainCount, 0);
    EXPECT_EQ(app::StorylineEditor.CurrentDomainIndex, 0);
    EXPECT_EQ(app::StorylineEditor.StorylinePeriodCount, 0);
    EXPECT_EQ(app::StorylineEditor.CurrentPeriodIndex, 0);
    EXPECT_TRUE(Backend->ErrorTexts().empty());
}

TEST_F(MainWindowTest, ActivationPointsTheOpenDialogAtTheStorylineFolderAndTicksEveryOutput)
{
    Start();
    Form1->dol->SetChecked(0, false);
    Form1->aol->SetChecked(5, false);
    Form1->Show();
    App->ProcessMessages();
    App->ActivateForm(Form1);
    EXPECT_EQ(Form1->OD->InitialDir(), rtl::GetCurrentDir() + "\\input\\storyline");
    // Still active: what the user unticks stays unticked.
    Form1->dol->SetChecked(2, false);
    App->ActivateForm(Form1);
    EXPECT_FALSE(Form1->dol->Checked(2));
    // After the map window was active, everything is ticked again.
    Form1->Button30->Click();
    App->ProcessMessages();
    EXPECT_TRUE(Forms.MapForm->Visible());
    EXPECT_EQ(App->ActiveForm(), Forms.MapForm);
    App->ActivateForm(Form1);
    for (int i = 0; i < Form1->dol->Items().Count(); ++i) EXPECT_TRUE(Form1->dol->Checked(i)) << i;
    for (int i = 0; i < Form1->aol->Items().Count(); ++i) EXPECT_TRUE(Form1->aol->Checked(i)) << i;
}

TEST_F(MainWindowTest, TheStorylineGridsGetTheirColumnWidthsAndOneHeaderCommentPerColumnAtEachActivation)
{
    Start();
    Form1->Show();
    App->ProcessMessages();
    App->ActivateForm(Form1);
    Form1->Button30->Click();
    App->ActivateForm(Form1);  // a second activation
    for (app::TEventKind kind : app::AllEventKinds) {
        const app::TEventTable& table = app::EventTable(kind);
        auto* g = dynamic_cast<grid::TExtStringGrid*>(Form1->FindComponent(table.GridName));
        ASSERT_NE(g, nullptr) << table.GridName;
        EXPECT_EQ(g->ColCount(), table.ColCount) << table.GridName;
        EXPECT_EQ(g->RowCount(), table.RowCount()) << table.GridName;
        EXPECT_EQ(g->FixedRows(), 1);
        EXPECT_EQ(g->FixedCols(), 0);
        EXPECT_EQ(g->DefaultRowHeight(), 24);
        for (int c = 0; c < table.ColCount; ++c) {
            const app::TEventTableColumn& column = table.Columns[static_cast<std::size_t>(c)];
            EXPECT_EQ(g->ColWidths(c), column.Width) << table.GridName << " " << c;
            EXPECT_EQ(g->Cells(c, 0), column.Header) << table.GridName << " " << c;
            EXPECT_EQ(g->GetComment(c, 0), column.Meaning) << table.GridName << " " << c;
        }
    }
    EXPECT_EQ(Form1->plantingTB->Parent(), Form1->crop_panel);
    EXPECT_EQ(Form1->harvestTB->Parent(), Form1->crop_panel);
    EXPECT_EQ(Form1->grazingTB->Parent(), Form1->grass_panel);
    EXPECT_EQ(Form1->mowingTB->Parent(), Form1->grass_panel);
    EXPECT_EQ(Form1->thinningTB->Parent(), Form1->forest_panel);
    EXPECT_EQ(Form1->fertilizationTB->Parent(), Form1->TabSheet10);
}

TEST_F(MainWindowTest, TheMessagePanelShowsItsTextAndTheConfirmPictureHidesIt)
{
    Start();
    Form1->Show();
    App->ProcessMessages();
    app::ShowMessagePanel("Period time spans do not cover the total time span!", true, false);
    EXPECT_TRUE(Form1->MSGpanel1->Visible());
    EXPECT_EQ(Form1->MSGpLabel->Caption(), "Period time spans do not cover the total time span!");
    EXPECT_TRUE(Form1->Image31->Visible());
    EXPECT_FALSE(Form1->Image30->Visible());
    App->ProcessMessages();
    // On screen: the confirm picture's green disc lies over the storyline page.
    gfx::TColor centre = ui::THeadlessBackend::Pixel(Form1->Image31, 24, 22);
    EXPECT_GT(gfx::GetGValue(centre), gfx::GetRValue(centre) + 40) << std::hex << centre;

    ui::THeadlessBackend::Click(Form1->Image31, 16, 16);
    App->ProcessMessages();
    EXPECT_FALSE(Form1->MSGpanel1->Visible());

    app::ShowMessagePanel("both", true, true);
    EXPECT_TRUE(Form1->Image30->Visible());
    ui::THeadlessBackend::Click(Form1->Image30, 16, 16);
    App->ProcessMessages();
    EXPECT_TRUE(Form1->MSGpanel1->Visible());  // the cancel picture has no action
}

TEST_F(MainWindowTest, AnUnreadableOutputsFileIsReportedAndTheFixedTablesAreStillFilled)
{
    testsupport::WriteFileBytes(Dir.Path() / "outputs.txt", "heading\r\n2502      phase\r\n");
    app::SoiCommentTable.fill("");
    app::BaseTable10km.fill("");
    app::CellSelectorTable.fill("");
    {
        UnreadableFileScope unreadable(Dir.Path() / "outputs.txt");
        Start();
    }
    ASSERT_EQ(Backend->ErrorTexts().size(), 1u);
    EXPECT_NE(Backend->ErrorTexts()[0].find("outputs.txt"), std::string::npos) << Backend->ErrorTexts()[0];
    // The window is there with the form's lists, and the tables are filled.
    EXPECT_EQ(Form1->dol->Items().Count(), 56);
    EXPECT_EQ(app::SoiCommentTable[1], "(prop.) denitrification rate per g of CO2 respiration of SOM");
    EXPECT_EQ(app::BaseTable10km[1].rfind("1;26410;45.8;17.9;97;3;HU231;", 0), 0u);
    EXPECT_EQ(app::CellSelectorTable[1], "45.8;17.9;97;3;HU231;11");
}

}  // namespace
