// Handlers of the weather tools on the hidden pages: model weather files, their converters and the weather tables.
#include "app/CropWeatherTools.h"
#include "app/Unit1.h"
#include "app/WeatherTables.h"
#include "app/WeatherConverters.h"

namespace app {

namespace {

TToolStatus StatusLabelOf(TForm1& form)
{
    return [&form](const std::string& text) { form.ShowStatus(text); };
}

}  // namespace

void TForm1::RegisterWeatherToolHandlers()
{
    Bind("Button83Click", &TForm1::Button83Click);
    Bind("Button81Click", &TForm1::Button81Click);
    Bind("Button64Click", &TForm1::Button64Click);
    Bind("Button87Click", &TForm1::Button87Click);
    Bind("Button39Click", &TForm1::Button39Click);
    Bind("Button34Click", &TForm1::Button34Click);
    Bind("Button55Click", &TForm1::Button55Click);
    Bind("Button32Click", &TForm1::Button32Click);
    Bind("Button33Click", &TForm1::Button33Click);
    Bind("Button3Click", &TForm1::Button3Click);
    Bind("Button4Click", &TForm1::Button4Click);
    Bind("Button60Click", &TForm1::Button60Click);
    Bind("Button28Click", &TForm1::Button28Click);
    Bind("Button59Click", &TForm1::Button59Click);
    Bind("Button1Click", &TForm1::Button1Click);
    Bind("Button44Click", &TForm1::Button44Click);
    Bind("Button97Click", &TForm1::Button97Click);
    Bind("Button8Click", &TForm1::Button8Click);
    Bind("RadiationClick", &TForm1::RadiationClick);
    Bind("Button35Click", &TForm1::Button35Click);
    Bind("Button40Click", &TForm1::Button40Click);
}

// --- model weather files and their converters ---
void TForm1::Button83Click(rtl::TObject*) { JoinForeseeCarpatclim({}, StatusLabelOf(*this)); }
void TForm1::Button81Click(rtl::TObject*) { ExtendForesee({}, StatusLabelOf(*this)); }
void TForm1::Button64Click(rtl::TObject*) { CopyForeseeByPaddedNumber({}, StatusLabelOf(*this)); }
void TForm1::Button87Click(rtl::TObject*) { CopyForeseeWithSuffix({}, StatusLabelOf(*this)); }
void TForm1::Button39Click(rtl::TObject*) { CutSpinupWeatherAt2018({}, StatusLabelOf(*this)); }
void TForm1::Button34Click(rtl::TObject*) { ModelWeatherToCarpatclimTables({}, StatusLabelOf(*this)); }
void TForm1::Button55Click(rtl::TObject*) { ModelWeatherToOldCellCropFiles({}, StatusLabelOf(*this)); }


// --- crop-model weather files and CARPATCLIM tables ---
void TForm1::Button32Click(rtl::TObject*) { CarpatclimTablesToCropFiles({}, StatusLabelOf(*this)); }
void TForm1::Button33Click(rtl::TObject*) { CropFilesToCarpatclimTables({}, StatusLabelOf(*this)); }
void TForm1::Button3Click(rtl::TObject*) { ForeseeInputTablesToCropFiles({}); }
void TForm1::Button4Click(rtl::TObject*) { ForeseeInputTablesToCropFiles({}); }
void TForm1::Button60Click(rtl::TObject*) { RenumberCropFilesPadded({}, StatusLabelOf(*this)); }
void TForm1::Button28Click(rtl::TObject*) { RenumberCropFilesByKeyLine({}, StatusLabelOf(*this)); }
void TForm1::Button59Click(rtl::TObject*) { KeepCropWeatherYears2015And2016({}, StatusLabelOf(*this)); }
void TForm1::Button1Click(rtl::TObject*) { ListCropFileCoordinates({}); }
void TForm1::Button44Click(rtl::TObject*) { SumPrecipitation2015To2016({}, StatusLabelOf(*this)); }
void TForm1::Button97Click(rtl::TObject*) { ReadStationJoinTables({}); }

// --- the weather table and the climate summaries ---
void TForm1::Button8Click(rtl::TObject*) { WriteJoinedWeatherTable({}, StatusLabelOf(*this)); }
void TForm1::RadiationClick(rtl::TObject*) { WriteMonthlyClimateTable({}, StatusLabelOf(*this)); }
void TForm1::Button35Click(rtl::TObject*) { WriteForeseeRadiation({}, StatusLabelOf(*this)); }
void TForm1::Button40Click(rtl::TObject*) { WriteTemperatureAverages({}, StatusLabelOf(*this)); }

}  // namespace app
