// Handler of the "SOI file maker" page: the soil-property files of the 10 km grid, progress in the status bar.
#include "app/SoilPropWriter10km.h"
#include "app/Unit1.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/StdCtrls.h"

namespace app {

namespace {

// The soil writer reports in the first panel of the status bar, not in the status label.
void ShowStatusBarText(TForm1& form, const std::string& text)
{
    form.SB->Panels()[0].SetText(text);
    form.Repaint();
}

}  // namespace

// The buttons of the crop-model soil files (Unit1CropModel.cpp) register here with the
// soil page's handler; `Button29` runs the same writer as `Button27`.
void TForm1::RegisterSoilHandlers()
{
    Bind("Button36Click", &TForm1::Button36Click);
}

void TForm1::Button36Click(rtl::TObject*)
{
    TSoilPropOptions options;
    options.SoiFolder = Edit36->Text();
    options.HydraulicSet = pCB->Text();
    options.ChemicalSet = cCB->Text();
    options.UseChemicalSelector = cpscb->Checked();
    MakeSoilPropFiles10km(options, [this](const std::string& text) { ShowStatusBarText(*this, text); });
}

}  // namespace app
