// The storyline file: reading a whole file into a new storyline and "Open Storyline".
#include "app/StorylineFile.h"

#include "app/GlobalTables.h"
#include "app/Unit2.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/TextFile.h"
#include "platform/rtl/Utf8.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace app {

namespace {

// Character positions (1-based) and lengths of the values; the labels before
// them are not compared.
constexpr long long NamePos = 12, NameLength = 100;
constexpr long long StartYearPos = 12, EndYearPos = 17, YearLength = 4;
constexpr long long CountPos = 16, CountLength = 6;
constexpr long long CellIDsPos = 18;
constexpr long long PeriodStartPos = 15, PeriodEndPos = 20;
constexpr long long LandUsePos = 25, LandUseLength = 20;
constexpr long long EventsPos = 16;
constexpr long long ToLineEnd = std::numeric_limits<int>::max();

// More domains than 10 km cells cannot each name a cell; a larger count is a
// damaged file, refused before memory is taken for it.
constexpr int MaxDomains = CellCount10km;

class TStorylineReader {
public:
    explicit TStorylineReader(const std::string& fileName) : FFileName(fileName), FFile(fileName)
    {
        FFile.Reset();
    }

    Tstoryline Read()
    {
        Tstoryline s;
        std::string line = NextLine();
        s.name = rtl::Utf8Copy(line, NamePos, NameLength);
        line = NextLine();
        s.startyear = Integer(line, StartYearPos, YearLength);
        s.endyear = Integer(line, EndYearPos, YearLength);
        line = NextLine();
        s.nrofdomains = Count(line, 0, MaxDomains, "number of domains");
        // Domains are added as they are read, so a count larger than the file
        // ends in an error at the first missing line, not in a huge array.
        s.domains.resize(1);
        for (int d = 1; d <= s.nrofdomains; ++d) ReadDomain(s.domains.emplace_back());
        FFile.Close();
        return s;
    }

private:
    std::string NextLine()
    {
        ++FLineNumber;
        return FFile.ReadLn();  // past the end: an empty line
    }

    [[noreturn]] void Fail(const std::string& what) const
    {
        throw rtl::EConvertError(FFileName + ", line " + std::to_string(FLineNumber) + ": " + what);
    }

    int Integer(const std::string& line, long long pos, long long length) const
    {
        const std::string text = rtl::Utf8Copy(line, pos, length);
        int value = 0;
        if (!rtl::TryStrToInt(text, value)) Fail("'" + text + "' is not a valid integer value");
        return value;
    }

    int Count(const std::string& line, int low, int high, const char* what) const
    {
        const int value = Integer(line, CountPos, CountLength);
        if (value < low || value > high)
            Fail(std::string("the ") + what + " " + std::to_string(value) + " is outside " +
                 std::to_string(low) + " to " + std::to_string(high));
        return value;
    }

    void ReadDomain(Tdomain& domain)
    {
        domain.cellIDs = rtl::Utf8Copy(NextLine(), CellIDsPos, ToLineEnd);
        domain.nrofperiods = Count(NextLine(), 1, MaxPeriods, "number of periods");
        for (int k = 1; k <= domain.nrofperiods; ++k) {
            const auto p = static_cast<std::size_t>(k);
            const std::string line = NextLine();
            domain.periodstart[p] = Integer(line, PeriodStartPos, YearLength);
            domain.periodend[p] = Integer(line, PeriodEndPos, YearLength);
            domain.landuse[p] = rtl::Utf8Copy(line, LandUsePos, LandUseLength);
            for (TEventKind kind : AllEventKinds) ReadEvents(domain, kind, k);
        }
    }

    // The events of one line fill the slots in order, F fields per event.
    // The whole line is read: an event line is never cut, so a long line does
    // not lose the end of its last event.
    void ReadEvents(Tdomain& domain, TEventKind kind, int period)
    {
        const std::string text = rtl::Utf8Copy(NextLine(), EventsPos, ToLineEnd);
        const int fieldCount = EventFieldCount(kind);
        const int slotCount = EventSlotCount(kind);
        const auto found = std::count(text.begin(), text.end(), ';') + 1;
        // Fields beyond the slots would be dropped unseen; such a line was not
        // written by a storyline of this shape (or a field held a ";").
        if (found > static_cast<long long>(fieldCount) * slotCount)
            Fail(std::to_string(found) + " fields are more than the " + std::to_string(slotCount) +
                 " events of " + std::to_string(fieldCount) + " fields a period holds");
        SplitFields(text, ';');
        for (int slot = 1; slot <= slotCount; ++slot)
            for (int f = 0; f < fieldCount; ++f)
                EventText(domain, kind, period, f, slot) = SharedFields[(slot - 1) * fieldCount + f + 1];
    }

    std::string FFileName;
    rtl::TTextFile FFile;
    int FLineNumber = 0;
};

}  // namespace

Tstoryline ReadStorylineFile(const std::string& fileName)
{
    return TStorylineReader(fileName).Read();
}

bool OpenStoryline(TStorylineEditor& editor, const std::string& fileName)
{
    if (!rtl::FileExists(fileName)) return false;
    // The file is read whole into a new storyline; the current one is replaced
    // only when the file was read without error.
    Tstoryline opened = ReadStorylineFile(fileName);
    editor.CurrentStoryline = std::move(opened);
    const Tstoryline& s = editor.CurrentStoryline;
    editor.StorylineDomainCount = s.nrofdomains;
    // A file without domains leaves nothing to edit: the indexes stay 0, as
    // before the first storyline, instead of pointing at a missing domain.
    const bool hasDomain = s.nrofdomains > 0;
    editor.CurrentDomainIndex = hasDomain ? 1 : 0;
    editor.StorylinePeriodCount = hasDomain ? s.domains[1].nrofperiods : 0;
    editor.CurrentPeriodIndex = hasDomain ? 1 : 0;
    return true;
}

}  // namespace app
