// The handlers of the "StoryLine Creator" page: they read the page, call the storyline rules and show the result.
#include <array>
#include <string>
#include <vector>

#include "app/StorylineCellSelection.h"
#include "app/StorylineExpansion.h"
#include "app/StorylineFile.h"
#include "app/StorylineModel.h"
#include "app/StorylineTables.h"
#include "app/Unit1.h"
#include "grid/core/ExtGrid.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/StdCtrls.h"

namespace app {

namespace {

// The grids of the eight management tables, in AllEventKinds order.
constexpr std::array<grid::TExtStringGrid* TForm1::*, EventKindCount> TableGrids{
    &TForm1::plantingTB, &TForm1::harvestTB, &TForm1::fertilizationTB, &TForm1::irrigationTB,
    &TForm1::cultivationTB, &TForm1::grazingTB, &TForm1::mowingTB, &TForm1::thinningTB};

grid::TExtStringGrid& TableGrid(TForm1& form, TEventKind kind)
{
    return *(form.*TableGrids[static_cast<std::size_t>(kind)]);
}

void SetTableCells(grid::TExtStringGrid& g, const std::vector<TTableCellText>& cells)
{
    for (const TTableCellText& cell : cells) g.SetCells(cell.Col, cell.Row, cell.Text);
}

// The table fill rule on every table: each event cell shows its field of the
// current period, so nothing of another period stays visible.
void FillTables(TForm1& form)
{
    for (TEventKind kind : AllEventKinds) SetTableCells(TableGrid(form, kind), PeriodTableCells(StorylineEditor, kind));
}

// What the page holds for the expansion: the year fields, the land use and the
// eight tables as they show.
TExpansionInput ReadExpansionInput(TForm1& form)
{
    TExpansionInput input{form.tsbEdit->Text(), form.tseEdit->Text(), form.ttsbEdit->Text(), form.ttseEdit->Text(),
                          form.luCB->Text(), {}};
    for (TEventKind kind : AllEventKinds) {
        grid::TExtStringGrid& g = TableGrid(form, kind);
        input.Tables[static_cast<std::size_t>(kind)] =
            ReadEventTable(kind, [&g](int col, int row) { return g.Cells(col, row); });
    }
    return input;
}

// The land-use panel of an exact item text comes to the front; another text
// leaves the panels as they are.
void ShowLandUsePanel(TForm1& form, const std::string& landUse)
{
    if (landUse == "cropland") form.crop_panel->BringToFront();
    else if (landUse == "grassland") form.grass_panel->BringToFront();
    else if (landUse == "forest") form.forest_panel->BringToFront();
}

// A selector listing "1" to `count`, showing `shown` (nothing for 0).
void ShowNumberItems(ui::TComboBox& box, int count, int shown)
{
    box.Items().BeginUpdate();
    box.Items().Clear();
    for (int i = 1; i <= count; ++i) box.Items().Add(rtl::IntToStr(i));
    box.Items().EndUpdate();
    box.SetText(shown > 0 ? rtl::IntToStr(shown) : std::string());
}

void ShowYear(ui::TEdit& edit, int year, bool hasPeriod)
{
    edit.SetText(hasPeriod ? rtl::IntToStr(year) : std::string());
}

// The current period: its land use (with the land-use rule), its years (their
// rules store them back) and its events in the tables.
void ShowPeriod(TForm1& form)
{
    const bool has = StorylineEditor.HasStoryline();
    const auto p = static_cast<std::size_t>(StorylineEditor.CurrentPeriodIndex);
    const Tdomain* d = has ? &StorylineEditor.CurrentDomain() : nullptr;
    form.luCB->SetText(has ? d->landuse[p] : std::string());
    form.luCBChange(form.luCB);
    ShowYear(*form.tsbEdit, has ? d->periodstart[p] : 0, has);
    ShowYear(*form.tseEdit, has ? d->periodend[p] : 0, has);
    FillTables(form);
}

// The current domain: its cells, its periods in the period selector and its
// current period.
void ShowDomain(TForm1& form)
{
    const bool has = StorylineEditor.HasStoryline();
    form.cIDmemo->SetText(has ? StorylineEditor.CurrentDomain().cellIDs : std::string());
    ShowNumberItems(*form.pnrCB, StorylineEditor.StorylinePeriodCount, StorylineEditor.CurrentPeriodIndex);
    ShowPeriod(form);
}

// The whole storyline after New or Open: name, total span, the domain selector
// with the single item "1", and the current domain.
void ShowStoryline(TForm1& form)
{
    const Tstoryline& s = StorylineEditor.CurrentStoryline;
    form.slnEdit->SetText(s.name);
    form.ttsbEdit->SetText(rtl::IntToStr(s.startyear));
    form.ttseEdit->SetText(rtl::IntToStr(s.endyear));
    ShowNumberItems(*form.dnrCB, StorylineEditor.CurrentDomainIndex > 0 ? 1 : 0, StorylineEditor.CurrentDomainIndex);
    ShowDomain(form);
}

void ShowStorylineMessage(const TStorylineMessage& message)
{
    if (!message.Empty()) ShowMessagePanel(message.Text, message.ShowConfirm, message.ShowCancel);
}

// A conditions panel covers its table while its box is ticked.
void ShowConditionsPanel(ui::TPanel& panel, bool covers)
{
    if (covers) panel.BringToFront();
    else panel.SendToBack();
}

}  // namespace

void TForm1::RegisterStorylineHandlers()
{
    Bind("NewSLButClick", &TForm1::NewSLButClick);
    Bind("OpenSLButClick", &TForm1::OpenSLButClick);
    Bind("SaveSLButClick", &TForm1::SaveSLButClick);
    Bind("ExportSLButClick", &TForm1::ExportSLButClick);
    Bind("AddPerButClick", &TForm1::AddPerButClick);
    Bind("mowcondCBClick", &TForm1::mowcondCBClick);
    Bind("irrcondCBClick", &TForm1::irrcondCBClick);
    Bind("dnrCBChange", &TForm1::dnrCBChange);
    Bind("pnrCBChange", &TForm1::pnrCBChange);
    Bind("tsbEditChange", &TForm1::tsbEditChange);
    Bind("tseEditChange", &TForm1::tseEditChange);
    Bind("luCBChange", &TForm1::luCBChange);
    // The climate projection box and the output variables field store nothing:
    // they are bound to no rule, so that choosing a projection cannot replace a
    // cell list typed by hand.
    Bind("cIDsCBChange", &TForm1::cIDsCBChange);
    Bind("cIDmemoChange", &TForm1::cIDmemoChange);
    Bind("slnEditChange", &TForm1::slnEditChange);
    BindEvent<ui::TSetEditEvent>("plantingTBSetEditText", &TForm1::plantingTBSetEditText);
    BindEvent<ui::TSetEditEvent>("harvestTBSetEditText", &TForm1::harvestTBSetEditText);
    BindEvent<ui::TSetEditEvent>("fertilizationTBSetEditText", &TForm1::fertilizationTBSetEditText);
    BindEvent<ui::TSetEditEvent>("irrigationTBSetEditText", &TForm1::irrigationTBSetEditText);
    BindEvent<ui::TSetEditEvent>("cultivationTBSetEditText", &TForm1::cultivationTBSetEditText);
    BindEvent<ui::TSetEditEvent>("grazingTBSetEditText", &TForm1::grazingTBSetEditText);
    BindEvent<ui::TSetEditEvent>("mowingTBSetEditText", &TForm1::mowingTBSetEditText);
    BindEvent<ui::TSetEditEvent>("thinningTBSetEditText", &TForm1::thinningTBSetEditText);
}

// --- Buttons ---------------------------------------------------------------------

void TForm1::NewSLButClick(rtl::TObject*)
{
    NewStoryline(StorylineEditor);
    cIDsCB->SetItemIndex(0);
    ShowStoryline(*this);
}

void TForm1::OpenSLButClick(rtl::TObject*)
{
    // A bad file raises its error before anything changes: the storyline and
    // the page stay as they were.
    if (!OD->Execute() || !OpenStoryline(StorylineEditor, OD->FileName())) return;
    ShowStoryline(*this);
}

void TForm1::SaveSLButClick(rtl::TObject*)
{
    ShowStorylineMessage(SaveStoryline(StorylineEditor));
}

void TForm1::ExportSLButClick(rtl::TObject*)
{
    if (!StorylineEditor.HasStoryline()) return;
    ShowStorylineMessage(ExpandStoryline(StorylineEditor, ReadExpansionInput(*this)));
}

void TForm1::AddPerButClick(rtl::TObject*)
{
    if (!AddPeriod(StorylineEditor)) return;
    pnrCB->Items().Add(rtl::IntToStr(StorylineEditor.StorylinePeriodCount));
    pnrCB->SetText(rtl::IntToStr(StorylineEditor.CurrentPeriodIndex));
    ShowPeriod(*this);
}

void TForm1::mowcondCBClick(rtl::TObject*)
{
    ShowConditionsPanel(*MowCond_Panel, mowcondCB->Checked());
}

void TForm1::irrcondCBClick(rtl::TObject*)
{
    ShowConditionsPanel(*irrcond_panel, irrcondCB->Checked());
}

// --- Fields and selectors ------------------------------------------------------------

void TForm1::dnrCBChange(rtl::TObject*)
{
    // The page shows the chosen domain, so that the tables show the events the
    // edits go to. A number outside the domains is ignored.
    if (SelectDomain(StorylineEditor, rtl::StrToInt(dnrCB->Text()))) ShowDomain(*this);
}

void TForm1::pnrCBChange(rtl::TObject*)
{
    // A number outside the domain's periods is ignored.
    if (SelectPeriod(StorylineEditor, rtl::StrToInt(pnrCB->Text()))) ShowPeriod(*this);
}

void TForm1::tsbEditChange(rtl::TObject*)
{
    if (StorylineEditor.HasStoryline()) SetPeriodStart(StorylineEditor, rtl::StrToInt(tsbEdit->Text()));
}

void TForm1::tseEditChange(rtl::TObject*)
{
    if (!StorylineEditor.HasStoryline()) return;
    SetPeriodEnd(StorylineEditor, rtl::StrToInt(tseEdit->Text()));
    ttseEdit->SetText(rtl::IntToStr(StorylineEditor.CurrentStoryline.endyear));
}

void TForm1::luCBChange(rtl::TObject*)
{
    ShowLandUsePanel(*this, luCB->Text());
    SetLandUse(StorylineEditor, luCB->Text());
}

void TForm1::cIDsCBChange(rtl::TObject*)
{
    cIDmemo->SetText(SelectCellIDs(cIDsCB->ItemIndex(), cIDsCB->Text()));
}

void TForm1::cIDmemoChange(rtl::TObject*)
{
    SetCellIDs(StorylineEditor, cIDmemo->Text());
}

void TForm1::slnEditChange(rtl::TObject*)
{
    SetStorylineName(StorylineEditor, slnEdit->Text());
}

// --- The eight tables: an edited cell goes at once into the current period ------------

void TForm1::plantingTBSetEditText(rtl::TObject*, int ACol, int ARow, const std::string& Value)
{
    StoreTableEdit(StorylineEditor, ekPlanting, ACol, ARow, Value);
}

void TForm1::harvestTBSetEditText(rtl::TObject*, int ACol, int ARow, const std::string& Value)
{
    StoreTableEdit(StorylineEditor, ekHarvest, ACol, ARow, Value);
}

void TForm1::fertilizationTBSetEditText(rtl::TObject*, int ACol, int ARow, const std::string& Value)
{
    StoreTableEdit(StorylineEditor, ekFertilization, ACol, ARow, Value);
}

void TForm1::irrigationTBSetEditText(rtl::TObject*, int ACol, int ARow, const std::string& Value)
{
    StoreTableEdit(StorylineEditor, ekIrrigation, ACol, ARow, Value);
}

void TForm1::cultivationTBSetEditText(rtl::TObject*, int ACol, int ARow, const std::string& Value)
{
    StoreTableEdit(StorylineEditor, ekCultivation, ACol, ARow, Value);
}

void TForm1::grazingTBSetEditText(rtl::TObject*, int ACol, int ARow, const std::string& Value)
{
    StoreTableEdit(StorylineEditor, ekGrazing, ACol, ARow, Value);
}

void TForm1::mowingTBSetEditText(rtl::TObject*, int ACol, int ARow, const std::string& Value)
{
    StoreTableEdit(StorylineEditor, ekMowing, ACol, ARow, Value);
}

void TForm1::thinningTBSetEditText(rtl::TObject*, int ACol, int ARow, const std::string& Value)
{
    StoreTableEdit(StorylineEditor, ekThinning, ACol, ARow, Value);
}

}  // namespace app
