// Tests of the option rules of the "INI file maker" page.
#include "app/IniPageOptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

using namespace app;

TEST(IniPageOptions, RunModeEnablesTransientRunOnlyInSpinup)
{
    TIniPageState page;
    EXPECT_FALSE(page.TransientRunEnabled);  // NORMAL at start: cannot be ticked

    page.Spinup = true;
    ApplyRunMode(page);
    EXPECT_TRUE(page.TransientRunEnabled);
    page.TransientRun = true;
    ApplyRunMode(page);  // clicking SPINUP again keeps the tick
    EXPECT_TRUE(page.TransientRun);

    page.Spinup = false;
    ApplyRunMode(page);
    EXPECT_FALSE(page.TransientRun);
    EXPECT_FALSE(page.TransientRunEnabled);
}

TEST(IniPageOptions, WeatherSourceBoxesExcludeEachOther)
{
    TIniPageState page;
    page.UseCarpatclim = true;
    page.UseProjection = true;
    page.Projection = "RCP85_CNRM-CM5_RCA4";

    page.UseEra5 = true;
    ApplyEra5Box(page);
    EXPECT_FALSE(page.UseCarpatclim);
    EXPECT_FALSE(page.UseProjection);
    EXPECT_EQ(page.Projection, "select projection...");

    page.UseProjection = true;
    ApplyProjectionBox(page);
    EXPECT_FALSE(page.UseEra5);
    EXPECT_TRUE(page.UseProjection);
    EXPECT_EQ(page.Projection, "");

    page.Projection = "SRESA1B_ECHAM5_REMO";
    page.UseCarpatclim = true;
    ApplyCarpatclimBox(page);
    EXPECT_TRUE(page.UseCarpatclim);
    EXPECT_FALSE(page.UseEra5);
    EXPECT_FALSE(page.UseProjection);
    EXPECT_EQ(page.Projection, "select projection...");
}

TEST(IniPageOptions, UntickingAWeatherSourceBoxChangesNothingElse)
{
    TIniPageState page;
    page.UseCarpatclim = true;  // an inconsistent state left as it is
    page.UseEra5 = false;
    page.UseProjection = false;
    page.Projection = "typed projection";
    const TIniPageState before = page;

    ApplyEra5Box(page);
    ApplyProjectionBox(page);
    EXPECT_TRUE(page.UseCarpatclim);
    EXPECT_EQ(page.Projection, before.Projection);
}

TEST(IniPageOptions, ExtendedWeatherBoxSetsTheLastYear)
{
    TIniPageState page;
    page.ExtendedForesee = true;
    ApplyExtendedWeatherBox(page);
    EXPECT_EQ(page.LastYear, "2086");
    page.ExtendedForesee = false;
    ApplyExtendedWeatherBox(page);
    EXPECT_EQ(page.LastYear, "2018");
}

TEST(IniPageOptions, FirstOptionClickBuildsFieldsFromEmptyWords)
{
    TSelectedOptionWords words;
    TIniPageState page;
    ApplyOptionBox(TIniOptionBox::HuPtf, words, page);
    EXPECT_EQ(page.EpcFile, "input/plant/_generic.epc");
    EXPECT_EQ(page.SoilFolder, "HU-PTF/");
    EXPECT_EQ(page.OutputFolder, "grid/10km/__HU-PTF/");
}

TEST(IniPageOptions, OptionClicksInAnyOrderGiveTheSameFields)
{
    std::array<TIniOptionBox, 3> boxes = {TIniOptionBox::Era5, TIniOptionBox::EuPtf,
                                          TIniOptionBox::Maize};
    std::sort(boxes.begin(), boxes.end());
    do {
        TSelectedOptionWords words;
        TIniPageState page;
        for (TIniOptionBox box : boxes) ApplyOptionBox(box, words, page);
        EXPECT_EQ(page.EpcFile, "input/plant/maize_generic.epc");
        EXPECT_EQ(page.SoilFolder, "EU-PTF/");
        EXPECT_EQ(page.OutputFolder, "grid/10km/maize_era5_EU-PTF/");

        // Clicking "maize" again (unticking it) stores the same word: nothing changes.
        ApplyOptionBox(TIniOptionBox::Maize, words, page);
        EXPECT_EQ(page.OutputFolder, "grid/10km/maize_era5_EU-PTF/");
    } while (std::next_permutation(boxes.begin(), boxes.end()));
}

TEST(IniPageOptions, EachOptionBoxSetsItsOwnWord)
{
    struct Case {
        TIniOptionBox box;
        const char* crop;
        const char* climate;
        const char* ptf;
    };
    const Case cases[] = {
        {TIniOptionBox::Maize, "maize", "", ""},      {TIniOptionBox::Grass, "grass", "", ""},
        {TIniOptionBox::Foresee, "", "foresee", ""},  {TIniOptionBox::Carpatclim, "", "carpatclim", ""},
        {TIniOptionBox::Era5, "", "era5", ""},        {TIniOptionBox::EuShg, "", "", "EU-SHG"},
        {TIniOptionBox::EuPtf, "", "", "EU-PTF"},     {TIniOptionBox::HuPtf, "", "", "HU-PTF"},
        {TIniOptionBox::UsPtf, "", "", "US-PTF"},
    };
    for (const Case& c : cases) {
        TSelectedOptionWords words;
        TIniPageState page;
        ApplyOptionBox(c.box, words, page);
        EXPECT_EQ(words.SelectedCropWord, c.crop);
        EXPECT_EQ(words.SelectedClimateWord, c.climate);
        EXPECT_EQ(words.SelectedPtfWord, c.ptf);
    }
    // Later words of the same kind replace earlier ones.
    TSelectedOptionWords words;
    TIniPageState page;
    ApplyOptionBox(TIniOptionBox::Maize, words, page);
    ApplyOptionBox(TIniOptionBox::Grass, words, page);
    EXPECT_EQ(page.EpcFile, "input/plant/grass_generic.epc");
}

TEST(IniPageOptions, SelectAndDeselectAllTickEveryItem)
{
    std::vector<bool> ticked = {true, false, true, false};
    SetAllTicked(ticked, true);
    EXPECT_EQ(ticked, std::vector<bool>(4, true));
    SetAllTicked(ticked, false);
    EXPECT_EQ(ticked, std::vector<bool>(4, false));
}

}  // namespace
