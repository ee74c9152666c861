// Handlers of the annual output, sheet, statistics and soil-variant tools of the hidden pages.
#include "app/AnnualOutputs.h"
#include "app/Unit1.h"
#include "app/YieldStatistics.h"
#include "platform/ui/StdCtrls.h"

namespace app {

namespace {

TToolStatus StatusOf(TForm1& form)
{
    return [&form](const std::string& text) { form.ShowStatus(text); };
}

}  // namespace

void TForm1::RegisterAnnualToolHandlers()
{
    Bind("Button82Click", &TForm1::Button82Click);
    Bind("Button85Click", &TForm1::Button85Click);
    Bind("Button94Click", &TForm1::Button94Click);
    Bind("Button42Click", &TForm1::Button42Click);
    Bind("Button31Click", &TForm1::Button31Click);
    Bind("Button45Click", &TForm1::Button45Click);
    Bind("Button73Click", &TForm1::Button73Click);
    Bind("Button74Click", &TForm1::Button74Click);
    Bind("Button71Click", &TForm1::Button71Click);
}

// --- annual outputs ---
void TForm1::Button82Click(rtl::TObject*) { WriteCarbonBalance({}, Edit34->GetText(), StatusOf(*this)); }
void TForm1::Button85Click(rtl::TObject*) { WriteVariantDifferences({}, StatusOf(*this)); }
void TForm1::Button94Click(rtl::TObject*)
{
    WriteScenarioMeans({}, {Edit1->GetText(), Edit37->GetText(), Edit38->GetText()}, StatusOf(*this));
}
void TForm1::Button42Click(rtl::TObject*) { WriteSoilOrganicMatter(".", StatusOf(*this)); }
void TForm1::Button31Click(rtl::TObject*)
{
    WriteShrunkStatistics({}, {Edit4->GetText(), Edit5->GetText(), Edit6->GetText(), Edit7->GetText()}, StatusOf(*this));
}
void TForm1::Button45Click(rtl::TObject*) { WritePrecipitationGrid({}); }


// --- yield and fertiliser statistics ---
void TForm1::Button73Click(rtl::TObject*) { WriteYieldMultipliers({}, StatusOf(*this)); }
void TForm1::Button74Click(rtl::TObject*) { WriteDisaggregatedYields({}, StatusOf(*this)); }
void TForm1::Button71Click(rtl::TObject*) { WriteFertiliserTables({}, StatusOf(*this)); }

}  // namespace app
