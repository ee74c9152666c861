// "Export Storyline to CSV": the year list of each table's cycle and its events written into the period's slots.
#include "app/StorylineExpansion.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Utf8.h"

#include <cstdint>

namespace app {

namespace {

constexpr std::array<const char*, EventKindCount> KindNames{
    "Planting", "Harvest", "Fertilization", "Irrigation", "Cultivation", "Grazing", "Mowing", "Thinning"};

// A planting after June belongs to the autumn sowing of the next season.
constexpr int LastSpringMonth = 6;

constexpr const char* OutsideSpanMessage = "Period time span is outside the total time span!";

struct TTemplateRow {
    int Row;  // row number in the table
    const std::vector<std::string>* Cells;
    std::int64_t Year;
};

std::int64_t DatePart(TEventKind kind, int row, const std::string& date, long long pos, long long length)
{
    const std::string text = rtl::Utf8Copy(date, pos, length);
    int value = 0;
    if (!rtl::TryStrToInt(text, value))
        throw rtl::EConvertError(std::string(KindNames[static_cast<std::size_t>(kind)]) + " row " +
                                 std::to_string(row) + ": '" + text + "' is not a valid integer value");
    return value;
}

// The template: the rows with a date, in order. Rows after an empty row are
// taken where they stand in the cycle rather than leaving an empty row in it.
std::vector<TTemplateRow> TemplateRows(TEventKind kind, const TEventTableTexts& table)
{
    std::vector<TTemplateRow> rows;
    for (std::size_t r = 0; r < table.Rows.size() && r < static_cast<std::size_t>(EventSlotCount(kind)); ++r) {
        const auto& cells = table.Rows[r];
        if (cells.empty() || cells[0].empty()) continue;
        const int row = static_cast<int>(r) + 1;
        rows.push_back({row, &cells, DatePart(kind, row, cells[0], 1, 4)});
    }
    return rows;
}

// The year of the first event of the second cycle.
std::int64_t NextCycleYear(TEventKind kind, const std::vector<TTemplateRow>& rows)
{
    const TTemplateRow& first = rows.front();
    const TTemplateRow& last = rows.back();
    if (kind != ekPlanting) return last.Year + 1;
    const bool lastInAutumn = DatePart(kind, last.Row, (*last.Cells)[0], 6, 2) > LastSpringMonth;
    const bool firstInAutumn = DatePart(kind, first.Row, (*first.Cells)[0], 6, 2) > LastSpringMonth;
    if (lastInAutumn) return last.Year + (firstInAutumn ? 1 : 2);
    return last.Year + (firstInAutumn ? 0 : 1);
}

// The years of the events: the template's, then the cycle repeated while the
// year does not pass the end. At most `limit` + 1 years are made: one more
// than fit tells that the events do not all fit.
std::vector<std::int64_t> EventYears(TEventKind kind, const std::vector<TTemplateRow>& rows, std::int64_t next,
                                     std::int64_t endYear, std::size_t limit)
{
    const std::size_t n = rows.size();
    std::vector<std::int64_t> years;
    for (const TTemplateRow& row : rows) years.push_back(row.Year);
    // Gaps between consecutive events of one cycle: gaps[0] leads from the
    // first row to the second, gaps[n - 1] from the last row to the next cycle.
    std::vector<std::int64_t> gaps;
    for (std::size_t i = 1; i < n; ++i) gaps.push_back(years[i] - years[i - 1]);
    gaps.push_back(next - years[n - 1]);

    std::int64_t year = next;
    for (std::size_t i = 0; year <= endYear && years.size() <= limit; ++i) {
        years.push_back(year);
        // Harvests repeat one year apart whatever the gaps of the template.
        year += kind == ekHarvest ? 1 : gaps[i % n];
    }
    return years;
}

std::string WithYear(std::int64_t year, const std::string& date)
{
    return rtl::IntToStr(static_cast<long long>(year)) + rtl::Utf8Copy(date, 5, 6);
}

// A repeated grazing ends as many years later as it starts, so that it keeps
// its length instead of ending before it starts; an end date without a
// readable year is copied as it stands.
std::string ShiftedEndDate(const std::string& endDate, std::int64_t shift)
{
    int year = 0;
    if (!rtl::TryStrToInt(rtl::Utf8Copy(endDate, 1, 4), year)) return endDate;
    return WithYear(year + shift, endDate);
}

std::vector<std::string> EventOf(TEventKind kind, const TTemplateRow& row, std::int64_t year)
{
    std::vector<std::string> event = *row.Cells;
    event.resize(static_cast<std::size_t>(EventFieldCount(kind)));
    event[0] = WithYear(year, event[0]);
    if (kind == ekGrazing) event[1] = ShiftedEndDate(event[1], year - row.Year);
    return event;
}

std::string Joined(const std::string& a, const std::string& b)
{
    return a.empty() ? b : a + "\n" + b;
}

std::string TableMessage(TEventKind kind, const TTableExpansion& e)
{
    const std::string name = KindNames[static_cast<std::size_t>(kind)];
    if (e.Outcome == TTableExpansion::eoNoAdvance)
        return name + " dates do not advance the year: the table was not expanded!";
    if (e.Truncated)
        return name + ": a period holds " + std::to_string(EventSlotCount(kind)) + " events; the events from " +
               e.FirstDroppedDate + " on were not written!";
    return {};
}

void WriteEvents(Tdomain& domain, TEventKind kind, int period, const TTableExpansion& e)
{
    const int fields = EventFieldCount(kind);
    for (int slot = 1; slot <= EventSlotCount(kind); ++slot) {
        const auto q = static_cast<std::size_t>(slot - 1);
        for (int f = 0; f < fields; ++f) {
            // Slots after the expanded events are emptied, so that events of an
            // earlier, longer expansion do not stay behind beyond the period.
            EventText(domain, kind, period, f, slot) =
                q < e.Events.size() ? e.Events[q][static_cast<std::size_t>(f)] : std::string();
        }
    }
}

}  // namespace

TTableExpansion ExpandEventTable(TEventKind kind, const TEventTableTexts& table, int endYear)
{
    TTableExpansion result;
    const std::vector<TTemplateRow> rows = TemplateRows(kind, table);
    if (rows.empty()) return result;

    const std::int64_t next = NextCycleYear(kind, rows);
    // A cycle that ends where it began (or earlier) never reaches the end year.
    if (kind != ekHarvest && next <= rows.front().Year) {
        result.Outcome = TTableExpansion::eoNoAdvance;
        return result;
    }

    const auto slots = static_cast<std::size_t>(EventSlotCount(kind));
    const std::vector<std::int64_t> years = EventYears(kind, rows, next, endYear, slots);
    result.Outcome = TTableExpansion::eoExpanded;
    for (std::size_t q = 0; q < years.size(); ++q) {
        const TTemplateRow& row = rows[q % rows.size()];
        if (q == slots) {
            result.Truncated = true;
            result.FirstDroppedDate = WithYear(years[q], (*row.Cells)[0]);
            break;
        }
        result.Events.push_back(EventOf(kind, row, years[q]));
    }
    return result;
}

TStorylineMessage ExpandStoryline(TStorylineEditor& editor, const TExpansionInput& input)
{
    if (!editor.HasStoryline()) return {};
    const int periodStart = rtl::StrToInt(input.PeriodStart);
    const int totalStart = rtl::StrToInt(input.TotalStart);
    if (periodStart < totalStart) return TStorylineMessage{OutsideSpanMessage};
    const int periodEnd = rtl::StrToInt(input.PeriodEnd);
    const int totalEnd = rtl::StrToInt(input.TotalEnd);
    if (periodEnd > totalEnd) return TStorylineMessage{OutsideSpanMessage};

    std::array<TTableExpansion, EventKindCount> expansions;
    for (TEventKind kind : AllEventKinds)
        expansions[static_cast<std::size_t>(kind)] =
            ExpandEventTable(kind, input.Tables[static_cast<std::size_t>(kind)], periodEnd);

    Tdomain& domain = editor.CurrentDomain();
    const int period = editor.CurrentPeriodIndex;
    domain.periodstart[static_cast<std::size_t>(period)] = periodStart;
    domain.periodend[static_cast<std::size_t>(period)] = periodEnd;
    domain.landuse[static_cast<std::size_t>(period)] = input.LandUse;

    TStorylineMessage message;
    for (TEventKind kind : AllEventKinds) {
        const TTableExpansion& e = expansions[static_cast<std::size_t>(kind)];
        if (e.Outcome == TTableExpansion::eoExpanded) WriteEvents(domain, kind, period, e);
        const std::string text = TableMessage(kind, e);
        if (!text.empty()) message.Text = Joined(message.Text, text);
    }
    return message;
}

}  // namespace app
