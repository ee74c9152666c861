// String grid calculations: sums, averages, extremes, standard deviation and distinct counts over columns, rows, rectangles and the selection.
#include <algorithm>
#include <cmath>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/foundation/EsgHTMLEUtil.h"
#include "platform/rtl/StrUtils.h"

namespace grid {

// A column range with -1 resolved, and whether its rows are real rows (hidden ones included).
struct TExtStringGrid::TColumnRange {
    int From;
    int To;
    bool Real;
};

TExtStringGrid::TColumnRange TExtStringGrid::ResolveColumnRange(int FromRow, int ToRow)
{
    if (FromRow == -1 || ToRow == -1) {
        FromRow = FixedRows();
        ToRow = RowCount() - FixedFooters() - 1;
    }
    bool footerShown = FloatingFooter().Visible();
    bool real = footerShown ? ToRow > RowCount() - 1 : ToRow > RowCount();
    return TColumnRange{FromRow, ToRow, real};
}

// Node and summary rows of a grouped grid stay out; so do the covered cells of merged blocks.
bool TExtStringGrid::ColumnCalcCounts(int ACol, int ARow, const TColumnRange&)
{
    bool grouped = FGroupColumn != -1;
    if (grouped && (IsNode(ARow) || IsSummary(ARow))) return false;
    return IsBaseCell(ACol, ARow);
}

double TExtStringGrid::ColumnRowValue(int ACol, int ARow, const TColumnRange& Range)
{
    return Range.Real ? GetAllFloats(ACol, ARow) : GetFloats(ACol, ARow);
}

bool TExtStringGrid::TryColumnRowValue(int ACol, int ARow, const TColumnRange& Range, double& Value)
{
    std::string text = Range.Real ? AllCellText(ACol, ARow) : GetCellEx(ACol, ARow);
    if (!Range.Real && text.find('<') != std::string::npos) text = StripHtmlTags(text);
    return TryTextToFloat(text, Value);
}

// --- columns

double TExtStringGrid::ColumnSum(int ACol, int FromRow, int ToRow)
{
    TColumnRange range = ResolveColumnRange(FromRow, ToRow);
    double sum = 0.0;
    for (int r = range.From; r <= range.To; ++r) {
        if (!ColumnCalcCounts(ACol, r, range)) continue;
        double v = 0.0;
        if (TryColumnRowValue(ACol, r, range, v)) sum += v;
    }
    return sum;
}

double TExtStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow)
{
    TColumnRange range = ResolveColumnRange(FromRow, ToRow);
    if (range.To < range.From) return 0.0;
    return ColumnSum(ACol, range.From, range.To) / (range.To - range.From + 1);
}

double TExtStringGrid::ColumnMin(int ACol, int FromRow, int ToRow)
{
    TColumnRange range = ResolveColumnRange(FromRow, ToRow);
    double result = ColumnRowValue(ACol, range.From, range);
    for (int r = range.From; r <= range.To; ++r) {
        double v = 0.0;
        if (ColumnCalcCounts(ACol, r, range) && TryColumnRowValue(ACol, r, range, v) && v < result) result = v;
    }
    return result;
}

double TExtStringGrid::ColumnMax(int ACol, int FromRow, int ToRow)
{
    TColumnRange range = ResolveColumnRange(FromRow, ToRow);
    double result = ColumnRowValue(ACol, range.From, range);
    for (int r = range.From; r <= range.To; ++r) {
        double v = 0.0;
        if (ColumnCalcCounts(ACol, r, range) && TryColumnRowValue(ACol, r, range, v) && v > result) result = v;
    }
    return result;
}

// Population standard deviation; every row of the range takes part. An empty range has
// no spread: 0.
double TExtStringGrid::ColumnStdDev(int ACol, int FromRow, int ToRow)
{
    TColumnRange range = ResolveColumnRange(FromRow, ToRow);
    int n = range.To - range.From + 1;
    if (n <= 0) return 0.0;
    double mean = ColumnAvg(ACol, range.From, range.To);
    double s = 0.0;
    for (int r = range.From; r <= range.To; ++r) {
        double d = ColumnRowValue(ACol, r, range) - mean;
        s += d * d;
    }
    return std::sqrt(s / n);
}

// The texts are compared without regard to case by the locale's rules; an empty text is a
// value too. Sorting once keeps this fast on long columns.
double TExtStringGrid::ColumnDistinct(int ACol, int FromRow, int ToRow)
{
    TColumnRange range = ResolveColumnRange(FromRow, ToRow);
    std::vector<std::string> texts;
    if (range.To >= range.From) texts.reserve(static_cast<std::size_t>(range.To - range.From + 1));
    for (int r = range.From; r <= range.To; ++r)
        texts.push_back(range.Real ? AllCellText(ACol, r) : GetCellEx(ACol, r));
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
    TColumnRange shown{ARow, ARow, false};
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
    TColumnRange shown{ARow, ARow, false};
    double result = GetFloats(FromCol, ARow);
    for (int c = FromCol; c <= ToCol; ++c) {
        double v = 0.0;
        if (IsBaseCell(c, ARow) && TryColumnRowValue(c, ARow, shown, v) && v < result) result = v;
    }
    return result;
}

double TExtStringGrid::RowMax(int ARow, int FromCol, int ToCol)
{
    TColumnRange shown{ARow, ARow, false};
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
