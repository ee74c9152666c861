// Handlers of the crop model's files: project ("Create PRO"), agromanagement ("Create AGR", "4M agr") and soil ("4M", "4M100m").
#include "app/CropModelAgro.h"
#include "app/CropModelProject.h"
#include "app/CropModelSoil.h"
#include "app/Unit1.h"

namespace app {

// These writers take nothing from their pages: their tables and folders are fixed.

void TForm1::RegisterCropModelHandlers()
{
    Bind("Button62Click", &TForm1::Button62Click);
    Bind("Button63Click", &TForm1::Button63Click);
    Bind("Button54Click", &TForm1::Button54Click);
    Bind("Button27Click", &TForm1::Button27Click);
    Bind("Button53Click", &TForm1::Button53Click);
}

void TForm1::Button62Click(rtl::TObject*)
{
    CreateProjectFiles(TCreateProOptions{}, [this](const std::string& text) { ShowStatus(text); });
}

void TForm1::Button63Click(rtl::TObject*)
{
    CreateCropAgroFiles(TCreateAgrOptions{}, [this](const std::string& text) { ShowStatus(text); });
}

void TForm1::Button54Click(rtl::TObject*)
{
    CreateFieldAgroFiles(TFieldAgrOptions{}, [this](const std::string& text) { ShowStatus(text); });
}

void TForm1::Button27Click(rtl::TObject*)
{
    MakeCropSoilFiles10km(TCropSoil10kmOptions{}, [this](const std::string& text) { ShowStatus(text); });
}

void TForm1::Button53Click(rtl::TObject*)
{
    MakeCropSoilFiles100m(TCropSoil100mOptions{}, [this](const std::string& text) { ShowStatus(text); });
}

}  // namespace app
