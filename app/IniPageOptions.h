// Rules that keep the choices of the "INI file maker" page consistent, on a plain copy of the page's state.
#pragma once

#include "app/IniMaker10km.h"

#include <string>
#include <vector>

namespace app {

// The controls of the page that its option handlers read and change. A handler
// reads the page into this struct (one line per field), calls one of the
// functions below and writes the struct back.
struct TIniPageState {
    bool Spinup = false;                 // RB1 "SPINUP" ticked (RB2 "NORMAL" otherwise)
    bool TransientRun = false;           // cbtrans "transient run", ticked
    bool TransientRunEnabled = false;    // cbtrans enabled (disabled at start)
    bool UseCarpatclim = false;          // cb4 "use CARPATCLIM"
    bool UseEra5 = false;                // cb5 "use ERA5"
    bool UseProjection = false;          // cb6, the projection box
    std::string Projection = ProjectionPlaceholder;  // text of projCB
    bool ExtendedForesee = false;        // CB3 "kiterjesztés" (hidden)
    std::string LastYear = "2010";       // Edit29
    std::string EpcFile = "input/plant/maize.epc";  // Edit32
    std::string SoilFolder;                         // Edit35
    std::string OutputFolder = "grid/10km/";        // Edit33
    std::vector<bool> DailyTicked;   // tick marks of the items of dol, in list order
    std::vector<bool> AnnualTicked;  // tick marks of the items of aol, in list order
};

// The crop, climate and pedotransfer words of the option boxes clicked last;
// empty at start, kept for the whole run (SelectedWords()).
struct TSelectedOptionWords {
    std::string SelectedCropWord;
    std::string SelectedClimateWord;
    std::string SelectedPtfWord;
};

// The process-wide words of the page.
TSelectedOptionWords& SelectedWords();

// RB1Click, RB2Click: SPINUP enables "transient run"; NORMAL unticks and
// disables it.
void ApplyRunMode(TIniPageState& page);

// cb4Click: a ticked "use CARPATCLIM" unticks ERA5 and the projection box and
// shows the placeholder in the projection box. Unticking changes nothing.
void ApplyCarpatclimBox(TIniPageState& page);
// cb5Click: a ticked "use ERA5" unticks CARPATCLIM and the projection box and
// shows the placeholder.
void ApplyEra5Box(TIniPageState& page);
// cb6Click: a ticked projection box unticks CARPATCLIM and ERA5 and empties
// the projection text, so the user picks or types a projection.
void ApplyProjectionBox(TIniPageState& page);

// CB3Click: the extended FORESEE weather runs to 2086, the plain one to 2018.
void ApplyExtendedWeatherBox(TIniPageState& page);

// The nine option boxes (CheckBox6, 7, 3, 4, 5, 8, 9, 10, 11).
enum class TIniOptionBox {
    Maize,       // CheckBox6 "maize"
    Grass,       // CheckBox7 "grass"
    Foresee,     // CheckBox3 "foresee"
    Carpatclim,  // CheckBox4 "carpatclim"
    Era5,        // CheckBox5 "era5"
    EuShg,       // CheckBox8 "EU-SHG"
    EuPtf,       // CheckBox9 "EU-PTF"
    HuPtf,       // CheckBox10 "HU-PTF"
    UsPtf,       // CheckBox11 "US-PTF"
};

// A click on an option box, ticking or unticking alike: stores the box's word,
// then rebuilds the EPC file, soil folder and output folder fields.
void ApplyOptionBox(TIniOptionBox box, TSelectedOptionWords& words, TIniPageState& page);

// Button89Click … Button92Click: tick or untick every item of a list.
void SetAllTicked(std::vector<bool>& ticked, bool tick);

}  // namespace app
