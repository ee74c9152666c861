// Handlers of the crop model's files: project ("Create PRO"), agromanagement ("Create AGR", "4M agr") and soil ("4M", "4M100m").
#include "app/CropModelAgro.h"
#include "app/CropModelProject.h"
#include "app/CropModelSoil.h"
#include "app/Unit1.h"

namespace app {

// These writers take nothing from their pages: their tables and folders are fixed.
// They are registered with the pages' other writers (Unit1IniVariants.cpp, Unit1Soil.cpp).

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
