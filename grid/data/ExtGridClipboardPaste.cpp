// Clipboard paste of the string grid: the cell block, rich text and text paths, smart fill of a selection, and reading a cell as a number.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/ExtGridUndoRedo.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/data/ExtGridBinStream.h"
#include "grid/data/ExtGridClipboard.h"
#include "grid/foundation/ExtUtilCellText.h"
#include "grid/foundation/ExtUtilDates.h"
#include "grid/foundation/ExtUtilNumbers.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Clipboard.h"

namespace grid {

namespace {

// Lines split at CR (a following LF belongs to the break); the text after the last break is
// a line too, even when empty.
std::vector<std::string> SplitPasteLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') continue;
        lines.push_back(text.substr(start, i - start));
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::vector<std::string> SplitFields(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t pos = line.find('\t'); pos != std::string::npos; pos = line.find('\t', start)) {
        fields.push_back(line.substr(start, pos - start));
        start = pos + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

// A multi-line field loses its enclosing quotation marks; character 11 becomes CR LF.
std::string UnquotePastedField(std::string field)
{
    if (field.find('\n') != std::string::npos) {
        if (!field.empty() && field.front() == '"') field.erase(0, 1);
        const std::size_t q = field.find('"');
        if (q != std::string::npos && q + 1 == field.size()) field.erase(q);
    }
    std::string out;
    for (char ch : field) {
        if (ch == '\x0B') out += "\r\n";
        else out.push_back(ch);
    }
    return out;
}

bool EndsWithBreak(const std::string& text) { return !text.empty() && (text.back() == '\r' || text.back() == '\n'); }

}  // namespace

// --- paste worker

int TExtStringGrid::PasteCellBlock(int ACol, int ARow, int& OutRows, int& OutCols)
{
    ui::TClipboard& cb = ui::Clipboard();
    cb.Open();
    BeforePasteCells();
    int result = 0;
    try {
        // The whole block is read and checked, and its place in the grid too, before the
        // grid grows or gains rows: a corrupt block changes nothing.
        rtl::TStringStream stream(cb.GetData(CF_GRIDCELLS()));
        TBinCellBlock block = ReadBinCellBlock(stream);
        const TGridPropIO& header = block.Header;
        CheckBinCellPlacement(rtl::TPoint{ACol, ARow}, block);
        const TNavigation& nav = Navigation();
        if (nav.AllowClipboardRowGrow() || nav.AllowClipboardColGrow() || nav.ClipboardPasteAction() == paInsert) {
            if (nav.AllowClipboardColGrow() && ACol + header.ColCount >= ColCount()) SetColCount(ACol + header.ColCount);
            if (nav.AllowClipboardRowGrow() && ARow + header.RowCount >= RowCount()) SetRowCount(ARow + header.RowCount);
            OutCols = ColCount();
            OutRows = RowCount();
            if (nav.ClipboardPasteAction() == paInsert) InsertRows(ARow, header.RowCount);
        }
        PlaceBinCellBlock(rtl::TPoint{ACol, ARow}, block);
        const rtl::TRect pasted = rtl::Rect(ACol, ARow, ACol + header.ColCount - 1, ARow + header.RowCount - 1);
        const rtl::TPoint from = header.ID == static_cast<long long>(Handle()) ? FClipTopLeft : rtl::TPoint{-1, -1};
        MarkRowsModified(from, pasted, FClipLastOp);
        result = header.ColCount * header.RowCount;
    } catch (...) {
        cb.Close();
        AfterPasteCells();
        throw;
    }
    cb.Close();
    AfterPasteCells();
    return result;
}

int TExtStringGrid::PasteFromClipboardInternal(int ACol, int ARow, int& OutRows, int& OutCols)
{
    OutRows = 0;
    OutCols = 0;
    ui::TClipboard& cb = ui::Clipboard();
    if (AllowFormattedClipboard() && cb.HasFormat(CF_GRIDCELLS()))
        return PasteCellBlock(ACol, ARow, OutRows, OutCols);
    if (Navigation().AllowRTFClipboard() && cb.HasFormat(CF_RTF())) {
        std::string rich = cb.GetData(CF_RTF());
        const std::size_t zero = rich.find('\0');
        if (zero != std::string::npos) rich.resize(zero);
        if (CellEditableForPaste(ACol, ARow)) StoreCellText(ACol, ARow, rtl::Win1250ToUtf8(rich));
        OutRows = 1;
        OutCols = 1;
        return 0;
    }
    if (cb.HasFormat(ui::CF_TEXT) || cb.HasFormat(ui::CF_UNICODETEXT)) {
        const std::string text = cb.AsText();
        if (!text.empty()) return PasteText(ACol, ARow, text, OutRows, OutCols);
    }
    return 0;
}

// --- text parser

// Fields go to existing cells only: a field beyond the last row, or beyond the last column
// without AllowClipboardColGrow, is counted but not stored, so a paste never writes cells
// outside the grid (where a hidden column keeps its cells).
int TExtStringGrid::PasteText(int ACol, int ARow, const std::string& Text, int& OutRows, int& OutCols)
{
    OutRows = 0;
    OutCols = 0;
    const TNavigation& nav = Navigation();
    const bool editing = (Options() & ui::goEditing) || nav.AllowClipboardAlways() || MouseActions().RangeSelectAndEdit();
    if (ACol < 0 || ARow < 0 || !editing) return 0;
    const int h = SaveHiddenCells() ? NumHiddenColumns() : 0;
    const std::vector<std::string> lines = SplitPasteLines(Text);
    const bool footerRow = FloatingFooter().Visible() && FloatingFooter().FooterStyle() == fsFixedLastRow;
    TExtGridUndoRedo* undo = UndoRedo();
    if (undo != nullptr) undo->StartSequence();
    int result = 0;
    int maxCol = -1;
    int maxRow = -1;
    int i = ARow;
    try {
        for (std::size_t li = 0; li < lines.size(); ++li) {
            const bool remainder = li + 1 == lines.size() && li > 0 && lines[li].empty();
            ImportNotification(FPasteAll ? isImportNewRow : isImportSelRow, i);
            if (nav.ClipboardPasteAction() == paInsert && !lines[li].empty()) InsertRows(i, 1);
            const std::vector<std::string> fields = SplitFields(lines[li]);
            int j = ACol;
            for (const std::string& raw : fields) {
                ++result;
                if (remainder) break;
                if (j >= ColCount() + h && nav.AllowClipboardColGrow()) SetColCount(j + 1 - h);
                if (j < ColCount() + h && i < RowCount() && CellEditableForPaste(j, i)) {
                    std::string value = UnquotePastedField(raw);
                    bool allow = true;
                    const bool wide = value.rfind("|\\", 0) == 0;
                    if (wide) {
                        std::string decoded = DecodeUnicodeEscapes(value);
                        if (OnClipboardBeforePasteWideCell) OnClipboardBeforePasteWideCell(this, j, i, decoded, allow);
                        value = EncodeUnicodeEscapes(decoded);
                    } else if (OnClipboardBeforePasteCell) {
                        OnClipboardBeforePasteCell(this, j, i, value, allow);
                    }
                    if (allow) {
                        StoreCellText(j, i, value);
                        maxCol = std::max(maxCol, j);
                        maxRow = std::max(maxRow, i);
                        if (wide && OnClipboardAfterPasteWideCell) OnClipboardAfterPasteWideCell(this, j, i, DecodeUnicodeEscapes(value));
                        if (!wide && OnClipboardAfterPasteCell) OnClipboardAfterPasteCell(this, j, i, value);
                    }
                }
                ++j;
            }
            const bool textFollows = li + 1 < lines.size() && !(li + 2 == lines.size() && lines.back().empty());
            if (!textFollows) continue;
            ++i;
            if (i == RowCount() - (footerRow ? 1 : 0) && nav.AllowClipboardRowGrow()) AddRow();
        }
    } catch (...) {
        if (undo != nullptr) undo->StopSequence();
        throw;
    }
    OutRows = static_cast<int>(lines.size()) - 1;
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
        const auto tabs = std::count(it->begin(), it->end(), '\t');
        if (tabs > 0) {
            OutCols = 1 + static_cast<int>(tabs);
            break;
        }
    }
    if (undo != nullptr) undo->StopSequence();
    if (maxCol >= 0) {
        const rtl::TRect stored = rtl::Rect(ACol, ARow, maxCol, maxRow);
        MarkRowsModified(FClipTopLeft, stored, FClipLastOp);
        CellsChanged(rtl::Rect(ACol, ARow, maxCol, maxRow));
    }
    return result;
}

// --- public pastes

void TExtStringGrid::PasteFromClipboard()
{
    ImportNotification(isImportStart, -1);
    FPasteAll = true;
    int rows = 0;
    int cols = 0;
    PasteFromClipboardInternal(SaveStartCol(), SaveStartRow(), rows, cols);
    ImportNotification(isImportDone, -1);
    ClipboardPasteDone();
    RecalcAllFooters();
}

void TExtStringGrid::SmartFillValue(int ACol, int ARow, const std::string& Value, bool First)
{
    if (!CellEditableForPaste(ACol, ARow)) return;
    std::string value = Value;
    bool allow = true;
    if (!First && OnClipboardBeforePasteCell) OnClipboardBeforePasteCell(this, ACol, ARow, value, allow);
    if (!allow) return;
    StoreCellText(ACol, ARow, value);
    MarkRowsModified(FClipTopLeft, rtl::Rect(ACol, ARow, ACol, ARow), FClipLastOp);
    if (!First && OnClipboardAfterPasteCell) OnClipboardAfterPasteCell(this, ACol, ARow, value);
}

// Every selected cell takes the top-left cell's value (a check box: its state as check text).
void TExtStringGrid::SmartFillSingle(const rtl::TRect& Sel)
{
    std::string value = GetCellEx(Sel.Left, Sel.Top);
    const TCellType kind = GetCellType(Sel.Left, Sel.Top);
    if (kind == ctCheckBox || kind == ctTriStateCheckBox) {
        bool state = false;
        GetCheckBoxState(Sel.Left, Sel.Top, state);
        value = state ? CheckTrue() : CheckFalse();
    }
    for (int r = Sel.Top; r <= Sel.Bottom; ++r)
        for (int c = Sel.Left; c <= Sel.Right; ++c) SmartFillValue(c, r, value, c == Sel.Left && r == Sel.Top);
}

// A single column or row continues a date, number or integer series of its first two cells,
// or repeats the pasted block. True when a series filled the selection (the paste is done).
bool TExtStringGrid::SmartFillSeries(const rtl::TRect& Sel, int Pasted)
{
    const bool column = Sel.Left == Sel.Right;
    const std::string first = GetCellEx(Sel.Left, Sel.Top);
    const std::string second = column ? GetCellEx(Sel.Left, Sel.Top + 1)
                                      : GetCellEx(Sel.Left + 1, Sel.Top);
    const rtl::TFormatSettings& fs = rtl::FormatSettings;
    const auto has = [](const std::string& s, char ch) { return s.find(ch) != std::string::npos; };
    // Visits the selected cells column by column, top to bottom, until next() fails.
    const auto fill = [&](const auto& next) {
        for (int c = Sel.Left; c <= Sel.Right; ++c)
            for (int r = Sel.Top; r <= Sel.Bottom; ++r) {
                std::string value;
                if (!next(value)) return;
                SmartFillValue(c, r, value, c == Sel.Left && r == Sel.Top);
            }
    };
    const bool dates = (IsDateLikeText(first) && IsDateLikeText(second)) ||
                       (has(first, fs.TimeSeparator) && has(second, fs.TimeSeparator));
    if (dates) {
        rtl::TDateTime v = 0;
        rtl::TDateTime w = 0;
        if (rtl::TryStrToDateTime(first, v) && rtl::TryStrToDateTime(second, w)) {
            int y1 = 0, m1 = 0, d1 = 0, y2 = 0, m2 = 0, d2 = 0;
            rtl::DecodeDate(v, y1, m1, d1);
            rtl::DecodeDate(w, y2, m2, d2);
            const double step = w - v;
            const bool asDate = has(first, fs.DateSeparator);
            fill([&](std::string& value) {
                value = asDate ? rtl::DateToStr(v) : rtl::TimeToStr(v);
                v = AddDatePart(y2 - y1, m2 - m1, d2 - d1, v, step);
                return true;
            });
        }
    } else if (has(first, fs.DecimalSeparator) || has(second, fs.DecimalSeparator)) {
        double v = 0;
        double w = 0;
        if (rtl::TryStrToFloat(first, v) && rtl::TryStrToFloat(second, w)) {
            const double step = w - v;
            fill([&](std::string& value) {
                value = rtl::Format(FloatFormat(), {v});
                v += step;
                return true;
            });
        }
    } else if (int n = 0, m = 0; rtl::TryStrToInt(first, n) && rtl::TryStrToInt(second, m)) {
        const int step = m - n;
        fill([&](std::string& value) {
            value = std::to_string(n);
            n += step;
            return true;
        });
    } else {
        // Block repeat: the period is the number of cells pasted in the line or column (an
        // empty remainder after the last line break is counted by the parser, not pasted).
        int period = Pasted;
        if (!ui::Clipboard().HasFormat(CF_GRIDCELLS()) || !AllowFormattedClipboard())
            if (EndsWithBreak(ui::Clipboard().AsText())) --period;
        if (period < 1) return false;
        if (column) {
            for (int r = Sel.Top + period; r <= Sel.Bottom; ++r)
                SmartFillValue(Sel.Left, r, GetCellEx(Sel.Left, r - period), false);
            if (Sel.Top + period <= Sel.Bottom)
                MarkRowsModified(rtl::TPoint{Sel.Left, Sel.Top}, rtl::Rect(Sel.Left, Sel.Top + period, Sel.Left, Sel.Bottom), FClipLastOp);
        } else {
            for (int c = Sel.Left + period; c <= Sel.Right; ++c)
                SmartFillValue(c, Sel.Top, GetCellEx(c - period, Sel.Top), false);
            if (Sel.Left + period <= Sel.Right)
                MarkRowsModified(rtl::TPoint{Sel.Left, Sel.Top}, rtl::Rect(Sel.Left + period, Sel.Top, Sel.Right, Sel.Top), FClipLastOp);
        }
        return false;
    }
    CellsChanged(rtl::Rect(Sel.Left, Sel.Top, Sel.Right, Sel.Bottom));
    ImportNotification(isImportDone, -1);
    return true;
}

// A pasted block of one row (one column) is pasted again at every further row (column) of
// a selection of several rows and columns.
void TExtStringGrid::RepeatPasteOverSelection(const rtl::TRect& Sel, int OutRows, int OutCols)
{
    if (Sel.Top == Sel.Bottom || Sel.Left == Sel.Right) return;
    int rows = OutRows;
    int cols = OutCols;
    if (rows == 1) {
        for (int r = Sel.Top + 1; r <= Sel.Bottom; ++r) {
            SetRow(r);
            PasteFromClipboardInternal(Sel.Left, r, rows, cols);
        }
    } else if (cols == 1) {
        for (int c = Sel.Left + 1; c <= Sel.Right; ++c) {
            SetCol(c);
            PasteFromClipboardInternal(c, Sel.Top, rows, cols);
        }
    }
    SetSelection(Sel);
}

void TExtStringGrid::PasteSelectionFromClipboard()
{
    ImportNotification(isImportStart, -1);
    FPasteAll = false;
    AdjustSelectionForMerge();
    const rtl::TRect sel = Selection();
    const int startCol = (Options() & ui::goRowSelect) ? FixedCols() : sel.Left;
    int rows = 0;
    int cols = 0;
    const int d = PasteFromClipboardInternal(startCol, sel.Top, rows, cols);
    if (!Navigation().AllowSmartClipboard()) {
        ClipboardPasteDone();
        ImportNotification(isImportDone, -1);
        RecalcAllFooters();
        return;
    }
    const int e = (sel.Right - sel.Left + 1) * (sel.Bottom - sel.Top + 1);
    if (d >= e) {
        ImportNotification(isImportDone, -1);
        return;
    }
    BeforePasteCells();
    if (d == 1 && e > 1) {
        SmartFillSingle(sel);
        AfterPasteCells();
    }
    if (d > 1 && (sel.Left == sel.Right || sel.Top == sel.Bottom) && SmartFillSeries(sel, d)) return;
    RepeatPasteOverSelection(sel, rows, cols);
    ImportNotification(isImportDone, -1);
    CellsChanged(rtl::Rect(sel.Left, sel.Top, sel.Right, sel.Bottom));
    ClipboardPasteDone();
    RecalcAllFooters();
}

void TExtStringGrid::SetSelectionAsText(const std::string& Value)
{
    const rtl::TRect sel = Selection();
    const std::vector<std::string> lines = SplitPasteLines(Value);
    const bool footerRow = FloatingFooter().Visible() && FloatingFooter().FooterStyle() == fsFixedLastRow;
    int i = sel.Top;
    int maxCol = sel.Left;
    for (std::size_t li = 0; li < lines.size(); ++li) {
        const bool remainder = li + 1 == lines.size() && li > 0 && lines[li].empty();
        if (remainder) break;
        int j = sel.Left;
        for (const std::string& raw : SplitFields(lines[li])) {
            std::string value = UnquotePastedField(raw);
            if (value.rfind("|\\", 0) == 0) value = EncodeUnicodeEscapes(DecodeUnicodeEscapes(value));
            if (j >= ColCount()) SetColCount(j + 1);
            SetCellEx(j, i, value);
            maxCol = std::max(maxCol, j);
            ++j;
        }
        const bool textFollows = li + 1 < lines.size() && !(li + 2 == lines.size() && lines.back().empty());
        if (!textFollows) break;
        ++i;
        if (i >= RowCount() - (footerRow ? 1 : 0)) AddRow();
    }
    CellsChanged(rtl::Rect(sel.Left, sel.Top, maxCol, i));
}

// --- a cell as a number

double TExtStringGrid::CellToReal(int ACol, int ARow)
{
    const std::string text = GetCellEx(ACol, ARow);
    if (text.empty()) return 0.0;
    const std::string number = ParseFinancialNumber(text);
    const char* begin = number.c_str();
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    if (number.empty() || *end != '\0') {
        const long long pos = static_cast<long long>(end - begin) + 1;
        throw VIdoZovuVozir("Error at position: " + std::to_string(pos) + " in Cell [" + std::to_string(ACol) + ", " +
                            std::to_string(ARow) + "].");
    }
    return value;
}

}  // namespace grid
