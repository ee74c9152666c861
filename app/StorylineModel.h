// The storyline in memory: domains, periods and event slots, and the editor state that points into it.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// --- Shape ------------------------------------------------------------------

inline constexpr int MaxPeriods = 10;
inline constexpr int CropEventSlots = 5;  // planting and harvest
inline constexpr int EventSlots = 20;     // the other six kinds
inline constexpr int MaxEventFields = 5;  // thinning has the most fields
// A date "yyyy-mm-dd" has this many characters; only such events are saved.
inline constexpr int EventDateLength = 10;

// Texts of one field of an event record, by slot: [1..SlotCount], 0 unused.
template <int SlotCount>
using TSlotTexts = std::array<std::string, SlotCount + 1>;

// Something per period: [1..MaxPeriods], 0 unused.
template <class T>
using TPeriodArray = std::array<T, MaxPeriods + 1>;

// --- Event records: one text array per field; slot k of every field is one event.

struct Tplanting {
    TSlotTexts<CropEventSlots> date, crop, cultivar, density;
};
struct Tharvest {
    TSlotTexts<CropEventSlots> date, cutptot, taken;
};
struct Tfertilization {
    TSlotTexts<EventSlots> date, ftype, amount, depth;
};
struct Tirrigation {
    TSlotTexts<EventSlots> date, amount;
};
struct Tcultivation {
    TSlotTexts<EventSlots> date, ctype, depth;
};
struct Tgrazing {
    TSlotTexts<EventSlots> datesta, dateend, gtype, density;
};
struct Tmowing {
    TSlotTexts<EventSlots> date, afterlai, taken;
};
struct Tthinning {
    TSlotTexts<EventSlots> date, ratew, ratenw, takenw, takennw;
};

// The eight kinds of management events, in the order of the page's tables and
// of the storyline file.
enum TEventKind : int {
    ekPlanting,
    ekHarvest,
    ekFertilization,
    ekIrrigation,
    ekCultivation,
    ekGrazing,
    ekMowing,
    ekThinning,
};
inline constexpr int EventKindCount = 8;
inline constexpr std::array<TEventKind, EventKindCount> AllEventKinds{
    ekPlanting, ekHarvest, ekFertilization, ekIrrigation,
    ekCultivation, ekGrazing, ekMowing, ekThinning};

int EventSlotCount(TEventKind kind);   // 5 or 20
int EventFieldCount(TEventKind kind);  // fields of one event, 2..5

// --- Storyline ----------------------------------------------------------------

struct Tdomain {
    std::string cellIDs;  // "ALL" or cell numbers each followed by "; "
    int nrofperiods = 0;
    TPeriodArray<int> periodstart{};
    TPeriodArray<int> periodend{};
    TPeriodArray<std::string> landuse;
    TPeriodArray<Tplanting> planting;
    TPeriodArray<Tharvest> harvest;
    TPeriodArray<Tfertilization> fertilization;
    TPeriodArray<Tirrigation> irrigation;
    TPeriodArray<Tcultivation> cultivation;
    TPeriodArray<Tgrazing> grazing;
    TPeriodArray<Tmowing> mowing;
    TPeriodArray<Tthinning> thinning;
};

struct Tstoryline {
    std::string name;  // also the base name of its file
    int startyear = 0;
    int endyear = 0;
    int nrofdomains = 0;
    // nrofdomains + 1 elements once a storyline exists (element 0 holds no
    // domain); empty before.
    std::vector<Tdomain> domains;
};

// Field `field` (0-based, record order) of event slot `slot` (1-based) of a
// period's record of one kind. Indexes outside the record raise
// rtl::ERangeError.
std::string& EventText(Tdomain& domain, TEventKind kind, int period, int field, int slot);
const std::string& EventText(const Tdomain& domain, TEventKind kind, int period, int field, int slot);

// True when the event counts as present: its date (grazing: both dates) has
// exactly ten characters. Only present events are saved.
bool IsEventPresent(const Tdomain& domain, TEventKind kind, int period, int slot);

// Empties every field of every slot of the eight event records of a period.
void EmptyPeriod(Tdomain& domain, int period);

// --- Editor state ---------------------------------------------------------------

// The one storyline of the run and the indexes of what the page shows.
struct TStorylineEditor {
    Tstoryline CurrentStoryline;
    int StorylineDomainCount = 0;
    int CurrentDomainIndex = 0;    // 1-based; 0 before the first New or Open
    int StorylinePeriodCount = 0;  // periods of the current domain, at most 10
    int CurrentPeriodIndex = 0;    // 1-based; 0 before the first New or Open

    // A storyline has been created or opened and has a domain to edit.
    bool HasStoryline() const;
    // The domain the page edits; only while HasStoryline().
    Tdomain& CurrentDomain();
    const Tdomain& CurrentDomain() const;
};

// The storyline of the running workbench, empty at start.
extern TStorylineEditor StorylineEditor;

// --- Rules of the storyline page (each does nothing while no storyline exists,
// unless it says otherwise) -------------------------------------------------------

// "New Storyline": one domain with the cells "ALL" and one empty period
// 2001-2100 of "cropland"; name "storyline"; indexes point to domain 1,
// period 1. Works with or without an earlier storyline.
void NewStoryline(TStorylineEditor& editor);

// "Add Period": appends an empty period spanning the total time span, land
// use "cropland", and makes it current. False (nothing changed) without a
// storyline or when the domain already has ten periods.
bool AddPeriod(TStorylineEditor& editor);

// Domain and period chosen by number. A number outside 1..nrofdomains or
// 1..StorylinePeriodCount is ignored (false). Choosing a domain also takes its
// period count, keeping the current period within it.
bool SelectDomain(TStorylineEditor& editor, int domain);
bool SelectPeriod(TStorylineEditor& editor, int period);

// The current period's first and last year. Setting the last year makes the
// total end year follow the end of the domain's last period.
void SetPeriodStart(TStorylineEditor& editor, int year);
void SetPeriodEnd(TStorylineEditor& editor, int year);
// The current period's land use, stored as typed.
void SetLandUse(TStorylineEditor& editor, std::string_view landUse);
// The current domain's cells: the first line of the cell-ID field.
void SetCellIDs(TStorylineEditor& editor, std::string_view cellIDsText);
// The storyline's name; stored also before the first New.
void SetStorylineName(TStorylineEditor& editor, std::string_view name);

}  // namespace app
