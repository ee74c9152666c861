// The option rules of the "INI file maker" page: run mode, weather sources, end year, option words, lists.
#include "app/IniPageOptions.h"

#include <algorithm>

namespace app {

namespace {

enum class TWordKind { Crop, Climate, Ptf };

struct TOptionBoxWord {
    TIniOptionBox Box;
    TWordKind Kind;
    const char* Word;
};

constexpr TOptionBoxWord OptionBoxWords[] = {
    {TIniOptionBox::Maize, TWordKind::Crop, "maize"},
    {TIniOptionBox::Grass, TWordKind::Crop, "grass"},
    {TIniOptionBox::Foresee, TWordKind::Climate, "foresee"},
    {TIniOptionBox::Carpatclim, TWordKind::Climate, "carpatclim"},
    {TIniOptionBox::Era5, TWordKind::Climate, "era5"},
    {TIniOptionBox::EuShg, TWordKind::Ptf, "EU-SHG"},
    {TIniOptionBox::EuPtf, TWordKind::Ptf, "EU-PTF"},
    {TIniOptionBox::HuPtf, TWordKind::Ptf, "HU-PTF"},
    {TIniOptionBox::UsPtf, TWordKind::Ptf, "US-PTF"},
};

std::string& WordOf(TWordKind kind, TSelectedOptionWords& words)
{
    switch (kind) {
    case TWordKind::Crop: return words.SelectedCropWord;
    case TWordKind::Climate: return words.SelectedClimateWord;
    case TWordKind::Ptf: break;
    }
    return words.SelectedPtfWord;
}

}  // namespace

TSelectedOptionWords& SelectedWords()
{
    static TSelectedOptionWords words;
    return words;
}

void ApplyRunMode(TIniPageState& page)
{
    if (page.Spinup) {
        page.TransientRunEnabled = true;
        return;
    }
    page.TransientRun = false;
    page.TransientRunEnabled = false;
}

void ApplyCarpatclimBox(TIniPageState& page)
{
    if (!page.UseCarpatclim) return;
    page.UseEra5 = false;
    page.UseProjection = false;
    page.Projection = ProjectionPlaceholder;
}

void ApplyEra5Box(TIniPageState& page)
{
    if (!page.UseEra5) return;
    page.UseCarpatclim = false;
    page.UseProjection = false;
    page.Projection = ProjectionPlaceholder;
}

void ApplyProjectionBox(TIniPageState& page)
{
    if (!page.UseProjection) return;
    page.UseCarpatclim = false;
    page.UseEra5 = false;
    page.Projection.clear();
}

void ApplyExtendedWeatherBox(TIniPageState& page)
{
    page.LastYear = page.ExtendedForesee ? "2086" : "2018";
}

void ApplyOptionBox(TIniOptionBox box, TSelectedOptionWords& words, TIniPageState& page)
{
    const auto entry = std::find_if(std::begin(OptionBoxWords), std::end(OptionBoxWords),
                                    [box](const TOptionBoxWord& e) { return e.Box == box; });
    if (entry == std::end(OptionBoxWords)) return;
    WordOf(entry->Kind, words) = entry->Word;
    page.EpcFile = "input/plant/" + words.SelectedCropWord + "_generic.epc";
    page.SoilFolder = words.SelectedPtfWord + "/";
    page.OutputFolder = "grid/10km/" + words.SelectedCropWord + "_" + words.SelectedClimateWord +
                        "_" + words.SelectedPtfWord + "/";
}

void SetAllTicked(std::vector<bool>& ticked, bool tick)
{
    std::fill(ticked.begin(), ticked.end(), tick);
}

}  // namespace app
