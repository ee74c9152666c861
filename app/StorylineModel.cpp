// The storyline in memory: generic access to event slots and the page's rules that change the storyline.
#include "app/StorylineModel.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Utf8.h"

#include <string>

namespace app {

TStorylineEditor StorylineEditor;

namespace {

// Each record's fields in record order, as member pointers, so that a table
// column or a file field can name a field by its number.
template <class Record, int SlotCount, std::size_t FieldCount>
using TFieldList = std::array<TSlotTexts<SlotCount> Record::*, FieldCount>;

constexpr TFieldList<Tplanting, CropEventSlots, 4> PlantingFields{
    &Tplanting::date, &Tplanting::crop, &Tplanting::cultivar, &Tplanting::density};
constexpr TFieldList<Tharvest, CropEventSlots, 3> HarvestFields{
    &Tharvest::date, &Tharvest::cutptot, &Tharvest::taken};
constexpr TFieldList<Tfertilization, EventSlots, 4> FertilizationFields{
    &Tfertilization::date, &Tfertilization::ftype, &Tfertilization::amount, &Tfertilization::depth};
constexpr TFieldList<Tirrigation, EventSlots, 2> IrrigationFields{
    &Tirrigation::date, &Tirrigation::amount};
constexpr TFieldList<Tcultivation, EventSlots, 3> CultivationFields{
    &Tcultivation::date, &Tcultivation::ctype, &Tcultivation::depth};
constexpr TFieldList<Tgrazing, EventSlots, 4> GrazingFields{
    &Tgrazing::datesta, &Tgrazing::dateend, &Tgrazing::gtype, &Tgrazing::density};
constexpr TFieldList<Tmowing, EventSlots, 3> MowingFields{
    &Tmowing::date, &Tmowing::afterlai, &Tmowing::taken};
constexpr TFieldList<Tthinning, EventSlots, 5> ThinningFields{
    &Tthinning::date, &Tthinning::ratew, &Tthinning::ratenw, &Tthinning::takenw, &Tthinning::takennw};

struct TKindShape {
    int SlotCount;
    int FieldCount;
};
constexpr std::array<TKindShape, EventKindCount> KindShapes{{
    {CropEventSlots, 4}, {CropEventSlots, 3}, {EventSlots, 4}, {EventSlots, 2},
    {EventSlots, 3}, {EventSlots, 4}, {EventSlots, 3}, {EventSlots, 5},
}};

void CheckKind(TEventKind kind)
{
    if (kind < 0 || kind >= EventKindCount)
        throw rtl::ERangeError("Event kind " + std::to_string(static_cast<int>(kind)) + " does not exist");
}

void CheckEventIndexes(TEventKind kind, int period, int field, int slot)
{
    CheckKind(kind);
    const TKindShape shape = KindShapes[static_cast<std::size_t>(kind)];
    if (period < 1 || period > MaxPeriods)
        throw rtl::ERangeError("Period " + std::to_string(period) + " is outside 1 to 10");
    if (field < 0 || field >= shape.FieldCount)
        throw rtl::ERangeError("Event field " + std::to_string(field) + " is outside 0 to " +
                               std::to_string(shape.FieldCount - 1));
    if (slot < 1 || slot > shape.SlotCount)
        throw rtl::ERangeError("Event slot " + std::to_string(slot) + " is outside 1 to " +
                               std::to_string(shape.SlotCount));
}

template <class Record, class Texts, std::size_t FieldCount>
std::string& Pick(Record& record, const std::array<Texts Record::*, FieldCount>& fields, int field, int slot)
{
    return (record.*fields[static_cast<std::size_t>(field)])[static_cast<std::size_t>(slot)];
}

template <class Record, class Texts, std::size_t FieldCount>
void EmptyRecord(Record& record, const std::array<Texts Record::*, FieldCount>& fields)
{
    for (auto member : fields)
        for (std::string& text : record.*member) text.clear();
}

bool HasDateLength(const std::string& date)
{
    return rtl::Utf8Length(date) == static_cast<std::size_t>(EventDateLength);
}

}  // namespace

int EventSlotCount(TEventKind kind)
{
    CheckKind(kind);
    return KindShapes[static_cast<std::size_t>(kind)].SlotCount;
}

int EventFieldCount(TEventKind kind)
{
    CheckKind(kind);
    return KindShapes[static_cast<std::size_t>(kind)].FieldCount;
}

std::string& EventText(Tdomain& domain, TEventKind kind, int period, int field, int slot)
{
    CheckEventIndexes(kind, period, field, slot);
    const auto p = static_cast<std::size_t>(period);
    switch (kind) {
    case ekPlanting: return Pick(domain.planting[p], PlantingFields, field, slot);
    case ekHarvest: return Pick(domain.harvest[p], HarvestFields, field, slot);
    case ekFertilization: return Pick(domain.fertilization[p], FertilizationFields, field, slot);
    case ekIrrigation: return Pick(domain.irrigation[p], IrrigationFields, field, slot);
    case ekCultivation: return Pick(domain.cultivation[p], CultivationFields, field, slot);
    case ekGrazing: return Pick(domain.grazing[p], GrazingFields, field, slot);
    case ekMowing: return Pick(domain.mowing[p], MowingFields, field, slot);
    case ekThinning: break;
    }
    return Pick(domain.thinning[p], ThinningFields, field, slot);
}

const std::string& EventText(const Tdomain& domain, TEventKind kind, int period, int field, int slot)
{
    return EventText(const_cast<Tdomain&>(domain), kind, period, field, slot);
}

bool IsEventPresent(const Tdomain& domain, TEventKind kind, int period, int slot)
{
    if (!HasDateLength(EventText(domain, kind, period, 0, slot))) return false;
    // A grazing event has a start and an end date; both must be complete.
    return kind != ekGrazing || HasDateLength(EventText(domain, kind, period, 1, slot));
}

void EmptyPeriod(Tdomain& domain, int period)
{
    if (period < 1 || period > MaxPeriods)
        throw rtl::ERangeError("Period " + std::to_string(period) + " is outside 1 to 10");
    const auto p = static_cast<std::size_t>(period);
    EmptyRecord(domain.planting[p], PlantingFields);
    EmptyRecord(domain.harvest[p], HarvestFields);
    EmptyRecord(domain.fertilization[p], FertilizationFields);
    EmptyRecord(domain.irrigation[p], IrrigationFields);
    EmptyRecord(domain.cultivation[p], CultivationFields);
    EmptyRecord(domain.grazing[p], GrazingFields);
    EmptyRecord(domain.mowing[p], MowingFields);
    EmptyRecord(domain.thinning[p], ThinningFields);
}

// --- Editor state ---------------------------------------------------------------

bool TStorylineEditor::HasStoryline() const
{
    return CurrentDomainIndex > 0 && CurrentPeriodIndex > 0 &&
           static_cast<std::size_t>(CurrentDomainIndex) < CurrentStoryline.domains.size();
}

Tdomain& TStorylineEditor::CurrentDomain()
{
    return CurrentStoryline.domains.at(static_cast<std::size_t>(CurrentDomainIndex));
}

const Tdomain& TStorylineEditor::CurrentDomain() const
{
    return CurrentStoryline.domains.at(static_cast<std::size_t>(CurrentDomainIndex));
}

namespace {

constexpr int NewStartYear = 2001;
constexpr int NewEndYear = 2100;
constexpr const char* NewLandUse = "cropland";
constexpr const char* NewName = "storyline";
constexpr const char* NewCellIDs = "ALL";

}  // namespace

void NewStoryline(TStorylineEditor& editor)
{
    Tstoryline& s = editor.CurrentStoryline;
    // The new storyline starts from a fresh domain: events and periods of an
    // earlier storyline never reappear in it.
    s.domains.clear();
    s.domains.resize(2);
    s.nrofdomains = 1;
    s.startyear = NewStartYear;
    s.endyear = NewEndYear;
    s.name = NewName;

    Tdomain& d = s.domains[1];
    d.cellIDs = NewCellIDs;
    d.nrofperiods = 1;
    d.periodstart[1] = NewStartYear;
    d.periodend[1] = NewEndYear;
    d.landuse[1] = NewLandUse;

    editor.StorylineDomainCount = 1;
    editor.CurrentDomainIndex = 1;
    editor.StorylinePeriodCount = 1;
    editor.CurrentPeriodIndex = 1;
}

bool AddPeriod(TStorylineEditor& editor)
{
    if (!editor.HasStoryline() || editor.StorylinePeriodCount >= MaxPeriods) return false;
    Tdomain& d = editor.CurrentDomain();
    const int period = editor.StorylinePeriodCount + 1;
    // A new period starts empty, whatever an earlier storyline left in its slots.
    EmptyPeriod(d, period);
    d.periodstart[static_cast<std::size_t>(period)] = editor.CurrentStoryline.startyear;
    d.periodend[static_cast<std::size_t>(period)] = editor.CurrentStoryline.endyear;
    d.landuse[static_cast<std::size_t>(period)] = NewLandUse;
    d.nrofperiods = period;
    editor.StorylinePeriodCount = period;
    editor.CurrentPeriodIndex = period;
    return true;
}

bool SelectDomain(TStorylineEditor& editor, int domain)
{
    if (!editor.HasStoryline() || domain < 1 || domain > editor.CurrentStoryline.nrofdomains) return false;
    editor.CurrentDomainIndex = domain;
    // The period count follows the domain, so that Add Period and the period
    // selector work on this domain's periods and not on another's.
    const int periods = editor.CurrentDomain().nrofperiods;
    editor.StorylinePeriodCount = periods;
    if (editor.CurrentPeriodIndex > periods) editor.CurrentPeriodIndex = periods;
    return true;
}

bool SelectPeriod(TStorylineEditor& editor, int period)
{
    if (!editor.HasStoryline() || period < 1 || period > editor.StorylinePeriodCount) return false;
    editor.CurrentPeriodIndex = period;
    return true;
}

void SetPeriodStart(TStorylineEditor& editor, int year)
{
    if (!editor.HasStoryline()) return;
    editor.CurrentDomain().periodstart[static_cast<std::size_t>(editor.CurrentPeriodIndex)] = year;
}

void SetPeriodEnd(TStorylineEditor& editor, int year)
{
    if (!editor.HasStoryline()) return;
    Tdomain& d = editor.CurrentDomain();
    d.periodend[static_cast<std::size_t>(editor.CurrentPeriodIndex)] = year;
    editor.CurrentStoryline.endyear = d.periodend[static_cast<std::size_t>(editor.StorylinePeriodCount)];
}

void SetLandUse(TStorylineEditor& editor, std::string_view landUse)
{
    if (!editor.HasStoryline()) return;
    editor.CurrentDomain().landuse[static_cast<std::size_t>(editor.CurrentPeriodIndex)] = landUse;
}

void SetCellIDs(TStorylineEditor& editor, std::string_view cellIDsText)
{
    if (!editor.HasStoryline()) return;
    const std::size_t lineEnd = cellIDsText.find_first_of("\r\n");
    editor.CurrentDomain().cellIDs = cellIDsText.substr(0, lineEnd);
}

void SetStorylineName(TStorylineEditor& editor, std::string_view name)
{
    editor.CurrentStoryline.name = name;
}

}  // namespace app
