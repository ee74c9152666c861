// String grid calculations: sums, averages, extremes, standard deviation and distinct counts over columns, rows, rectangles and the selection.
#include <algorithm>
#include <cmath>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/data/ExtGridCalcRange.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/data/ExtGridHiddenRows.h"
#include "grid/foundation/EsgHTMLEUtil.h"
#include "platform/rtl/StrUtils.h"

namespace grid {

TExtStringGrid::TColumnRange TExtStringGrid::ResolveColumnRange(int FromRow, int ToRow, bool ForceReal)
{
    if (FromRow == -1 || ToRow == -1) {
        FromRow = FixedRows();
        ToRow = RowCount() - FixedFooters() - 1;
    }
    bool footerShown = FloatingFooter().Visible();
    bool real = ForceReal || (footerShown ? ToRow > RowCount() - 1 : ToRow > RowCount());
    TColumnRange range{FromRow, ToRow, real, {}};
    if (real)
        for (int i = 0; i < NumHiddenRows(); ++i) range.Hidden.emplace(GridItems(i).Idx(), &GridItems(i));
    return range;
}

// Node and summary rows of a grouped grid stay out, hidden rows always count; so do the
// covered cells of merged blocks.
bool TExtStringGrid::ColumnCalcCounts(int ACol, int ARow, const TColumnRange& Range)
{
    if (Range.Real && Range.Hidden.contains(ARow)) return true;
    int d = Range.Real ? DisplRowIndex(ARow) : ARow;
    bool grouped = FGroupColumn != -1;
    if (grouped && (IsNode(d) || IsSummary(d))) return false;
    return IsBaseCell(ACol, d);
}

// Real-row texts of hidden rows come from their records, others from the displayed row.
std::string TExtStringGrid::ColumnRowText(int ACol, int ARow, const TColumnRange& Range)
{
    if (!Range.Real) return GetCellEx(ACol, ARow);
    auto it = Range.Hidden.find(ARow);
    if (it == Range.Hidden.end()) return GetCellEx(ACol, DisplRowIndex(ARow));
    const rtl::TStrings& items = it->second->Items();
    int rc = RealColIndex(ACol);
    std::string text = rc >= 0 && rc < items.Count() ? items.Get(rc) : std::string();
    GetDisplText(ACol, ARow, text);
    return text;
}

std::string TExtStringGrid::AllCellText(int ACol, int ARow)
{
    if (ARow < 0) return {};
    if (NumHiddenRows() == 0) return GetCellEx(ACol, ARow);
    TColumnRange range = ResolveColumnRange(ARow, ARow, true);
    return ColumnRowText(ACol, ARow, range);
}

double TExtStringGrid::ColumnRowValue(int ACol, int ARow, const TColumnRange& Range)
{
    double value = 0.0;
    if (!TryColumnRowValue(ACol, ARow, Range, value)) throw VIdoZovuVozir("Cell does not contain a float value");
    return value;
}

bool TExtStringGrid::TryColumnRowValue(int ACol, int ARow, const TColumnRange& Range, double& Value)
{
    std::string text = ColumnRowText(ACol, ARow, Range);
    if (!Range.Real && text.find('<') != std::string::npos) text = StripHtmlTags(text);
    return TryTextToFloat(text, Value);
}

namespace {

// Tells the export hooks that a calculation starts and, also when it fails, that it is done.
class TCalcNotification {
public:
    TCalcNotification(TExtStringGrid& grid, int fromRow) : FGrid(grid)
    {
        FGrid.ExportNotification(TExtStringGrid::esExportStart, fromRow);
    }
    ~TCalcNotification() { FGrid.ExportNotification(TExtStringGrid::esExportDone, -1); }
    TCalcNotification(const TCalcNotification&) = delete;
    TCalcNotification& operator=(const TCalcNotification&) = delete;

private:
    TExtStringGrid& FGrid;
};

}  // namespace

// --- columns

double TExtStringGrid::ColumnSum(int ACol, int FromRow, int ToRow)
{
    return ColumnSumIn(ACol, ResolveColumnRange(FromRow, ToRow));
}

double TExtStringGrid::ColumnSumIn(int ACol, const TColumnRange& Range)
{
    TCalcNotification notify(*this, Range.From);
    double sum = 0.0;
    for (int r = Range.From; r <= Range.To; ++r) {
        if (!ColumnCalcCounts(ACol, r, Range)) continue;
        ExportNotification(esExportNextRow, r);
        double v = 0.0;
        if (TryColumnRowValue(ACol, r, Range, v)) sum += v;
    }
    return sum;
}

double TExtStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow)
{
    return ColumnAvgIn(ACol, ResolveColumnRange(FromRow, ToRow));
}

double TExtStringGrid::ColumnAvgIn(int ACol, const TColumnRange& Range)
{
    if (Range.To < Range.From) return 0.0;
    return ColumnSumIn(ACol, Range) / (Range.To - Range.From + 1);
}

double TExtStringGrid::ColumnMin(int ACol, int FromRow, int ToRow)
{
    return ColumnExtremeIn(ACol, ResolveColumnRange(FromRow, ToRow), false);
}

double TExtStringGrid::ColumnMax(int ACol, int FromRow, int ToRow)
{
    return ColumnExtremeIn(ACol, ResolveColumnRange(FromRow, ToRow), true);
}

// Starts from the first row's value whether or not that row counts; later rows whose text
// is no number are passed over.
double TExtStringGrid::ColumnExtremeIn(int ACol, const TColumnRange& Range, bool Max)
{
    TCalcNotification notify(*this, Range.From);
    double result = ColumnRowValue(ACol, Range.From, Range);
    for (int r = Range.From; r <= Range.To; ++r) {
        if (!ColumnCalcCounts(ACol, r, Range)) continue;
        ExportNotification(esExportNextRow, r);
        double v = 0.0;
        if (TryColumnRowValue(ACol, r, Range, v) && (Max ? v > result : v < result)) result = v;
    }
    return result;
}

double TExtStringGrid::ColumnStdDev(int ACol, int FromRow, int ToRow)
{
    return ColumnStdDevIn(ACol, ResolveColumnRange(FromRow, ToRow));
}

// Population standard deviation; every row of the range takes part. An empty range has
// no spread: 0.
double TExtStringGrid::ColumnStdDevIn(int ACol, const TColumnRange& Range)
{
    int n = Range.To - Range.From + 1;
    if (n <= 0) return 0.0;
    double mean = ColumnAvgIn(ACol, Range);
    TCalcNotification notify(*this, Range.From);
    double s = 0.0;
    for (int r = Range.From; r <= Range.To; ++r) {
        double d = ColumnRowValue(ACol, r, Range) - mean;
        s += d * d;
    }
    return std::sqrt(s / n);
}

double TExtStringGrid::ColumnDistinct(int ACol, int FromRow, int ToRow)
{
    return ColumnDistinctIn(ACol, ResolveColumnRange(FromRow, ToRow));
}

// The texts are compared without regard to case by the locale's rules; an empty text is a
// value too. Sorting once keeps this fast on long columns.
double TExtStringGrid::ColumnDistinctIn(int ACol, const TColumnRange& Range)
{
    TCalcNotification notify(*this, Range.From);
    std::vector<std::string> texts;
    if (Range.To >= Range.From) texts.reserve(static_cast<std::size_t>(Range.To - Range.From + 1));
    for (int r = Range.From; r <= Range.To; ++r) {
        ExportNotification(esExportNextRow, r);
        texts.push_back(ColumnRowText(ACol, r, Range));
    }
    auto less = [](const std::string& a, const std::string& b) { return rtl::AnsiCompareText(a, b) < 0; };
    auto same = [](const std::string& a, const std::string& b) { return rtl::AnsiCompareText(a, b) == 0; };
    std::sort(texts.begin(), texts.end(), less);
    return static_cast<double>(std::unique(texts.begin(), texts.end(), same) - texts.begin());
}

double TExtStringGrid::ColumnCount(int, int FromRow, int ToRow)
{
    if (FromRow != -1 && ToRow != -1) return ToRow - FromRow + 1;
    return RowCount() - FixedRows() - FixedFooters();
}

double TExtStringGrid::ColumnCustomCalc(int ACol, int FromRow, int ToRow)
{
    double res = 0.0;
    if (OnColumnCalc) OnColumnCalc(this, ACol, FromRow, ToRow, res);
    return res;
}

double TExtStringGrid::DoGroupCalc(int ACol, int FromRow, int ToRow)
{
    double res = 0.0;
    if (OnGroupCalc) OnGroupCalc(this, ACol, FromRow, ToRow, res);
    return res;
}

// --- rows

double TExtStringGrid::RowSum(int ARow, int FromCol, int ToCol)
{
    TColumnRange shown{ARow, ARow, false, {}};
    double sum = 0.0;
    for (int c = FromCol; c <= ToCol; ++c) {
        double v = 0.0;
        if (IsBaseCell(c, ARow) && TryColumnRowValue(c, ARow, shown, v)) sum += v;
    }
    return sum;
}

// An empty column range averages to 0.
double TExtStringGrid::RowAvg(int ARow, int FromCol, int ToCol)
{
    if (ToCol < FromCol) return 0.0;
    return RowSum(ARow, FromCol, ToCol) / (ToCol - FromCol + 1);
}

double TExtStringGrid::RowMin(int ARow, int FromCol, int ToCol)
{
    TColumnRange shown{ARow, ARow, false, {}};
    double result = GetFloats(FromCol, ARow);
    for (int c = FromCol; c <= ToCol; ++c) {
        double v = 0.0;
        if (IsBaseCell(c, ARow) && TryColumnRowValue(c, ARow, shown, v) && v < result) result = v;
    }
    return result;
}

double TExtStringGrid::RowMax(int ARow, int FromCol, int ToCol)
{
    TColumnRange shown{ARow, ARow, false, {}};
    double result = GetFloats(FromCol, ARow);
    for (int c = FromCol; c <= ToCol; ++c) {
        double v = 0.0;
        if (IsBaseCell(c, ARow) && TryColumnRowValue(c, ARow, shown, v) && v > result) result = v;
    }
    return result;
}

// --- rectangles and the selection

double TExtStringGrid::RectCalc(const rtl::TRect& GR, TCalcType CalcType)
{
    int left = std::min(GR.Left, GR.Right);
    int right = std::max(GR.Left, GR.Right);
    int top = std::min(GR.Top, GR.Bottom);
    int bottom = std::max(GR.Top, GR.Bottom);
    double result = CalcType == ctMin || CalcType == ctMax ? GetAllFloats(left, top) : 0.0;
    int count = 0;
    for (int c = left; c <= right; ++c) {
        for (int r = top; r <= bottom; ++r) {
            double v = GetAllFloats(c, r);
            ++count;
            switch (CalcType) {
            case ctSum:
            case ctAvg: result += v; break;
            case ctMin: result = std::min(result, v); break;
            case ctMax: result = std::max(result, v); break;
            }
        }
    }
    if (CalcType == ctAvg && count > 0) result /= count;
    return result;
}

double TExtStringGrid::SelectionSum() { return RectSum(Selection()); }
double TExtStringGrid::SelectionAvg() { return RectAvg(Selection()); }
double TExtStringGrid::SelectionMin() { return RectMin(Selection()); }
double TExtStringGrid::SelectionMax() { return RectMax(Selection()); }

}  // namespace grid
