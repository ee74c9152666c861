// Handlers of the spin-up run-control writers ("MAKE INI", "MAKE selected INI", "MAKE 100m GRID INI") and "GET from CC".
#include "app/IniMakerVariants.h"
#include "app/IniMakerVariantsLookup.h"
#include "app/Unit1.h"
#include "platform/ui/StdCtrls.h"

namespace app {

// The project and agromanagement buttons (Unit1CropModel.cpp) register here with the
// run-control variants: they share the "Make INI" page.
void TForm1::RegisterWriterVariantHandlers()
{
    Bind("Button51Click", &TForm1::Button51Click);
    Bind("Button52Click", &TForm1::Button52Click);
    Bind("Button58Click", &TForm1::Button58Click);
    Bind("Button70Click", &TForm1::Button70Click);
}

// These writers take nothing from their pages: their tables and folders are fixed.
void TForm1::Button51Click(rtl::TObject*)
{
    MakeSpinupInis10km(TSpinupIni10kmOptions{}, [this](const std::string& text) { ShowStatus(text); });
}

void TForm1::Button70Click(rtl::TObject*)
{
    MakeSelectedInis(TSelectedIniOptions{}, [this](const std::string& text) { ShowStatus(text); });
}

void TForm1::Button58Click(rtl::TObject*)
{
    MakeGridInis100m(TGridIni100mOptions{}, [this](const std::string& text) { ShowStatus(text); });
}

void TForm1::Button52Click(rtl::TObject*)
{
    TGetFromCcOptions options;
    options.CellId = Edit27->Text();
    const TCcSiteValues site = GetSiteFromCc(options);
    if (!site.Found) return;
    Edit24->SetText(site.Elevation);
    Edit25->SetText(site.MeanTemperature);
    Edit26->SetText(site.TemperatureRange);
}

}  // namespace app
