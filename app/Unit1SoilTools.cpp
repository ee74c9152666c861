// Handlers of the soil tools on the hidden pages: the soil table check and repairs, the Ritchie calculator, the 100 m grid.
#include "app/RitchieCalculator.h"
#include "app/SoilDbCheck.h"
#include "app/SoilGrid100m.h"
#include "app/SoilTableRepairs.h"
#include "app/Unit1.h"
#include "platform/ui/StdCtrls.h"

namespace app {

namespace {

TSoilGridOptions GridOptionsOf(const TForm1& form)
{
    TSoilGridOptions options;
    options.DataTable = form.Edit2->Text();
    options.BorderColumn = form.Edit3->Text();
    return options;
}

// The hidden status label, shown and repainted at each text.
TToolStatus StatusLabelOf(TForm1& form)
{
    return [&form](const std::string& text) { form.ShowStatus(text); };
}

}  // namespace

void TForm1::RegisterSoilToolHandlers()
{
    Bind("Button78Click", &TForm1::Button78Click);
    Bind("Button48Click", &TForm1::Button48Click);
    Bind("Button47Click", &TForm1::Button47Click);
    Bind("Button75Click", &TForm1::Button75Click);
    Bind("Button76Click", &TForm1::Button76Click);
    Bind("Button93Click", &TForm1::Button93Click);
    Bind("Button37Click", &TForm1::Button37Click);
    Bind("Button43Click", &TForm1::Button43Click);
    Bind("Button11Click", &TForm1::Button11Click);
    Bind("Button12Click", &TForm1::Button12Click);
    Bind("Button13Click", &TForm1::Button13Click);
    Bind("Button14Click", &TForm1::Button14Click);
    Bind("Button10Click", &TForm1::Button10Click);
    Bind("Button15Click", &TForm1::Button15Click);
    Bind("Button18Click", &TForm1::Button18Click);
    Bind("Button9Click", &TForm1::Button9Click);
}

// --- the soil database table ---
void TForm1::Button78Click(rtl::TObject*) { CheckSoilDatabase({}, StatusLabelOf(*this)); }
void TForm1::Button48Click(rtl::TObject*) { RewriteSoilTableHeader({}, StatusLabelOf(*this)); }
void TForm1::Button47Click(rtl::TObject*) { AdjustWaterCapacity({}, StatusLabelOf(*this)); }
void TForm1::Button75Click(rtl::TObject*) { CorrectSoilTable({}, StatusLabelOf(*this)); }
void TForm1::Button76Click(rtl::TObject*) { FixZeroSoilDepth({}, StatusLabelOf(*this)); }
void TForm1::Button93Click(rtl::TObject*) { RestoreSoilTable({}, StatusLabelOf(*this)); }
void TForm1::Button37Click(rtl::TObject*) { ReplaceTopsoilDepth({}, StatusLabelOf(*this)); }

// --- "PTFs": the Ritchie calculator; no files, no status ---
void TForm1::Button43Click(rtl::TObject*)
{
    TRitchieInput input;
    input.BulkDensity = Edit8->Text();
    input.OrganicMatter = Edit9->Text();
    input.Sand = Edit10->Text();
    input.Silt = Edit11->Text();
    input.Clay = Edit12->Text();
    const TRitchieOutput output = RitchieWaterContents(input);
    Edit13->SetText(output.Saturation);
    Edit14->SetText(output.DrainedUpperLimit);
    Edit15->SetText(output.LowerLimit);
    Edit16->SetText(output.AvailableWater);
}

// --- "GRID OPERATIONS": the 100 m soil grid ---
void TForm1::Button11Click(rtl::TObject*) { MakeTheGrid(GridOptionsOf(*this), StatusLabelOf(*this)); }
void TForm1::Button12Click(rtl::TObject*) { ListMissingIds(GridOptionsOf(*this), StatusLabelOf(*this)); }
void TForm1::Button13Click(rtl::TObject*) { FixMissingData(GridOptionsOf(*this), StatusLabelOf(*this)); }
void TForm1::Button14Click(rtl::TObject*) { FixData(GridOptionsOf(*this), StatusLabelOf(*this)); }
void TForm1::Button10Click(rtl::TObject*) { FindMinGrid(GridOptionsOf(*this), StatusLabelOf(*this)); }
void TForm1::Button15Click(rtl::TObject*) { MergeData(GridOptionsOf(*this), StatusLabelOf(*this)); }
void TForm1::Button18Click(rtl::TObject*) { SplitGridByCellFiles(GridOptionsOf(*this), StatusLabelOf(*this)); }
void TForm1::Button9Click(rtl::TObject*) { ListSubcellsOf10kmCells(GridOptionsOf(*this), StatusLabelOf(*this)); }

}  // namespace app
