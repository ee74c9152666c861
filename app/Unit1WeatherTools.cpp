// Handlers of the weather tools on the hidden pages: model weather files, their converters and the weather tables.
#include "app/Unit1.h"
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
}

// --- model weather files and their converters ---
void TForm1::Button83Click(rtl::TObject*) { JoinForeseeCarpatclim({}, StatusLabelOf(*this)); }
void TForm1::Button81Click(rtl::TObject*) { ExtendForesee({}, StatusLabelOf(*this)); }
void TForm1::Button64Click(rtl::TObject*) { CopyForeseeByPaddedNumber({}, StatusLabelOf(*this)); }
void TForm1::Button87Click(rtl::TObject*) { CopyForeseeWithSuffix({}, StatusLabelOf(*this)); }
void TForm1::Button39Click(rtl::TObject*) { CutSpinupWeatherAt2018({}, StatusLabelOf(*this)); }
void TForm1::Button34Click(rtl::TObject*) { ModelWeatherToCarpatclimTables({}, StatusLabelOf(*this)); }
void TForm1::Button55Click(rtl::TObject*) { ModelWeatherToOldCellCropFiles({}, StatusLabelOf(*this)); }

}  // namespace app
