// The storyline file: the coverage check, the line layout and "Save Storyline".
#include "app/StorylineFile.h"

#include "app/ModelFileLayout.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Paths.h"

#include <array>
#include <string_view>

namespace app {

namespace {

// Each label is 15 characters, so the events start at character 16.
constexpr std::array<const char*, EventKindCount> EventLineLabels{
    "PLANTING:      ", "HARVEST:       ", "FERTILIZATION: ", "IRRIGATION:    ",
    "CULTIVATION:   ", "GRAZING:       ", "MOWING:        ", "THINNING:      "};

TStorylineMessage Fault(const char* text)
{
    return TStorylineMessage{text, true, false};
}

TStorylineMessage CheckDomainCoverage(const Tstoryline& storyline, const Tdomain& domain)
{
    // The check compares the domain's outer years with the total span only;
    // the periods in between are the user's to arrange (stored storylines
    // with uneven periods must stay savable).
    if (domain.nrofperiods < 1 || domain.nrofperiods > MaxPeriods) return Fault(CoverageGapMessage);
    if (domain.periodstart[1] != storyline.startyear) return Fault(CoverageGapMessage);
    if (domain.periodend[static_cast<std::size_t>(domain.nrofperiods)] != storyline.endyear)
        return Fault(CoverageGapMessage);
    return {};
}

std::string TwoDigits(int k)
{
    return (k >= 0 && k < 10 ? "0" : "") + rtl::IntToStr(k);
}

std::string EventLine(const Tdomain& domain, TEventKind kind, int period)
{
    std::string line = EventLineLabels[static_cast<std::size_t>(kind)];
    const int fields = EventFieldCount(kind);
    bool first = true;
    for (int slot = 1; slot <= EventSlotCount(kind); ++slot) {
        if (!IsEventPresent(domain, kind, period, slot)) continue;
        if (!first) line += ';';
        first = false;
        for (int f = 0; f < fields; ++f) {
            if (f > 0) line += ';';
            line += EventText(domain, kind, period, f, slot);
        }
    }
    return line;
}

void LayOutDomain(const Tdomain& domain, TModelFileLayout& layout)
{
    layout.Verbatim("CELLS IN DOMAIN: " + domain.cellIDs);
    layout.Verbatim("NR OF PERIODS: " + rtl::IntToStr(domain.nrofperiods));
    for (int k = 1; k <= domain.nrofperiods && k <= MaxPeriods; ++k) {
        const auto p = static_cast<std::size_t>(k);
        layout.Verbatim("PERIOD NR " + TwoDigits(k) + ": " + rtl::IntToStr(domain.periodstart[p]) + "-" +
                        rtl::IntToStr(domain.periodend[p]) + " " + domain.landuse[p]);
        for (TEventKind kind : AllEventKinds) layout.Verbatim(EventLine(domain, kind, k));
    }
}

// The name becomes a file name in the storyline folder; a name that is empty
// or holds a folder separator or a character no file name may hold would
// write elsewhere or fail, so it is refused before anything is written.
void CheckFileNamePart(const std::string& name)
{
    const bool dotsOnly = name.find_first_not_of('.') == std::string::npos;
    if (dotsOnly || name.find_first_of("\\/:*?\"<>|") != std::string::npos)
        throw rtl::Exception("'" + name + "' cannot be the name of a storyline file");
}

}  // namespace

TStorylineMessage CheckCoverage(const Tstoryline& storyline)
{
    for (int d = 1; d <= storyline.nrofdomains; ++d) {
        TStorylineMessage message = CheckDomainCoverage(storyline, storyline.domains.at(static_cast<std::size_t>(d)));
        if (!message.Empty()) return message;
    }
    return {};
}

void LayOutStorylineFile(const Tstoryline& storyline, TModelFileLayout& layout)
{
    layout.Verbatim("STORYLINE: " + storyline.name);
    layout.Verbatim("TIME SPAN: " + rtl::IntToStr(storyline.startyear) + "-" + rtl::IntToStr(storyline.endyear));
    layout.Verbatim("NR OF DOMAINS: " + rtl::IntToStr(storyline.nrofdomains));
    for (int d = 1; d <= storyline.nrofdomains; ++d)
        LayOutDomain(storyline.domains.at(static_cast<std::size_t>(d)), layout);
}

void WriteStorylineFile(const Tstoryline& storyline, const std::string& fileName)
{
    TModelFileLayout layout;
    LayOutStorylineFile(storyline, layout);
    layout.SaveToFile(fileName);
}

std::string StorylineFolder()
{
    return rtl::MapPath(rtl::IncludeTrailingPathDelimiter(rtl::GetCurrentDir()) + "input\\storyline\\");
}

std::string StorylineFileName(const std::string& name)
{
    return rtl::IncludeTrailingPathDelimiter(StorylineFolder()) + name + ".stl";
}

TStorylineMessage SaveStoryline(const TStorylineEditor& editor)
{
    // Before the first New or Open there is nothing to save: the empty record
    // would give a file that cannot be opened again.
    if (!editor.HasStoryline()) return {};
    const Tstoryline& storyline = editor.CurrentStoryline;
    TStorylineMessage message = CheckCoverage(storyline);
    if (!message.Empty()) return message;
    CheckFileNamePart(storyline.name);
    const std::string folder = StorylineFolder();
    // A missing folder is made; when it cannot be, creating the file reports
    // the input/output error naming it.
    rtl::ForceDirectories(folder);
    WriteStorylineFile(storyline, StorylineFileName(storyline.name));
    return {};
}

}  // namespace app
