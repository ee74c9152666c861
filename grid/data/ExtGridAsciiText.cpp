// The string grid's fixed-width text files and its ASCII table export.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/data/ExtGridTextFileSupport.h"
#include "grid/foundation/ExtUtilNumbers.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Forms.h"

namespace grid {

namespace {

// Cuts a text to w characters or pads it with blanks to w.
std::string FitToWidth(const std::string& text, int w)
{
    if (w <= 0) return {};
    if (static_cast<int>(rtl::Utf8Length(text)) > w) return rtl::Utf8Copy(text, 1, w);
    return rtl::Utf8PadRight(text, static_cast<std::size_t>(w));
}

int CharCount(std::string_view text) { return static_cast<int>(rtl::Utf8Length(text)); }

// The lines of a text separated by CR LF.
std::vector<std::string> SplitCrLf(const std::string& text)
{
    std::vector<std::string> parts;
    std::size_t pos = 0;
    for (std::size_t hit; (hit = text.find("\r\n", pos)) != std::string::npos; pos = hit + 2)
        parts.push_back(text.substr(pos, hit - pos));
    parts.push_back(text.substr(pos));
    return parts;
}

// Blanks in front (right-aligned) or around (centred, one on each side per step) until the
// text is at least Width characters long.
std::string AlignToWidth(std::string text, ui::TAlignment align, int width)
{
    if (align == ui::taRightJustify) {
        const int len = CharCount(text);
        if (len < width) text.insert(0, static_cast<std::size_t>(width - len), ' ');
    } else if (align == ui::taCenter) {
        while (CharCount(text) < width) text = " " + text + " ";
    }
    return text;
}

}  // namespace

// ----- fixed-width files

void TExtStringGrid::SaveToFixed(const std::string& FileName, TIntList& FieldList)
{
    std::unique_ptr<rtl::TFileStream> file;
    try {
        file = std::make_unique<rtl::TFileStream>(FileName, rtl::fmCreate);
    } catch (const rtl::EStreamError&) {
        throw VIdoZovuVozir("Cannot Create file " + rtl::DisplayPath(FileName));
    }
    const int firstCol = SaveStartCol();
    const int lastCol = SaveEndCol() + (FSaveHiddenCells ? NumHiddenColumns() : 0);
    for (int c = firstCol; c <= lastCol; ++c)
        if (FieldList.Count() <= c - firstCol) FieldList.Add(ColumnTextWidth(SavedStoreCol(c)) + 1);
    rtl::TStringList lines;
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        std::string line;
        for (int c = firstCol; c <= lastCol; ++c)
            line += FitToWidth(SaveCellText(SavedStoreCol(c), r), FieldList[c - firstCol]);
        lines.Add(line);
    }
    ExportNotification(esExportDone, -1);
    lines.SaveToStream(*file, rtl::TTextEncoding::teAnsi);
    // The file replaces the old one only now, complete; errors are reported.
    file->Commit();
}

// The grid is sized once for the lines to read instead of growing by a row per line; the
// row count ends as with row-by-row growth. MaxRows lines are read exactly.
void TExtStringGrid::LoadFromFixed(const std::string& FileName, TIntList& FieldList, bool DoTrim, int MaxRows)
{
    TFileStringList lines;
    try {
        lines.LoadFromFile(FileName);
    } catch (const rtl::EFOpenError&) {
        throw VIdoZovuVozir("File " + FileName + " not found");
    }
    std::vector<int> positions = FieldList.Values();
    std::sort(positions.begin(), positions.end());
    for (int i = 0; i < FieldList.Count(); ++i)
        if (FieldList[i] != positions[static_cast<std::size_t>(i)]) FieldList.SetInteger(i, positions[static_cast<std::size_t>(i)]);
    const int fields = std::max(0, static_cast<int>(positions.size()) - 1);
    // Fewer than two positions describe no field: the columns stay as they are.
    if (fields > 0) SetColCount(FixedCols() + fields);

    const int toRead = MaxRows == -1 ? lines.Count() : std::clamp(MaxRows, 0, lines.Count());
    int row = SaveStartRow();
    if (row + toRead > RowCount()) SetRowCount(row + toRead);
    LoadCellsUnderUpdate(*this, [&] {
        lines.Reset();
        std::string line;
        for (int read = 0; read < toRead && !lines.Eof(); ++read, ++row) {
            lines.ReadLn(line);
            for (int k = 0; k < fields; ++k) {
                // Positions come from the caller's list and may lie anywhere in the int range:
                // the field length is taken in 64 bits, so {INT_MIN, INT_MAX} reads the whole line.
                const long long start = positions[static_cast<std::size_t>(k)];
                const long long length = positions[static_cast<std::size_t>(k) + 1] - start;
                std::string field = rtl::Utf8Copy(line, start, length);
                if (DoTrim) field = rtl::Trim(field);
                LoadCell(SaveStartCol() + k, row, field);
            }
        }
    });
}

// ----- ASCII table

void TExtStringGrid::SaveToASCII(const std::string& FileName, bool Unicode) { SaveASCIIInternal(FileName, false, Unicode); }

void TExtStringGrid::AppendToASCII(const std::string& FileName, bool Unicode) { SaveASCIIInternal(FileName, true, Unicode); }

// Numbers right-aligned with AutoNumAlign, else the cell's own alignment or the default;
// then the alignment hook.
static ui::TAlignment ExportAlignment(TExtStringGrid& g, int ACol, int ARow)
{
    ui::TAlignment align = g.DefaultAlignment();
    TVAlignment valign = g.VAlignment();
    if (g.AutoNumAlign()) {
        std::string text = g.GetCellEx(ACol, ARow);
        if (text.starts_with("=")) text = g.GetCellValue(ACol, ARow);
        const int kind = ClassifyNumberText(rtl::Trim(text));
        if (!text.empty() && (kind == nkInteger || kind == nkFloat || kind == nkScientific)) align = ui::taRightJustify;
    } else if (g.HasCellProperties(ACol, ARow)) {
        align = g.GetCellPropsDirect(ACol, ARow)->Alignment();
    }
    g.GetCellAlignment(ACol, ARow, align, valign);
    return align;
}

// Column widths are not cut to 8 bits: a column with lines longer than 255 characters keeps
// its full width, so the columns after it stay aligned.
void TExtStringGrid::SaveASCIIInternal(const std::string& FileName, bool Append, bool Unicode)
{
    const ui::TCursor oldCursor = ui::Screen().Cursor();
    ui::Screen().SetCursor(ui::crHourGlass);
    TFileStringList lines;
    bool appended = false;
    if (Append && rtl::FileExists(FileName)) {
        lines.LoadFromFile(FileName);
        appended = true;
    }
    auto finish = [&] {
        ExportNotification(esExportDone, -1);
        const rtl::TTextEncoding encoding =
            Unicode ? Encoding() : (appended ? lines.Encoding() : rtl::TTextEncoding::teAnsi);
        lines.SaveToFile(FileName, encoding);
        ui::Screen().SetCursor(oldCursor);
    };
    try {
        const int fc = FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols();
        const int fr = FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows();
        const int lastCol = ColCount() - 1 + (FSaveHiddenCells ? NumHiddenColumns() : 0);
        std::vector<int> stores;
        std::vector<int> widths;
        for (int c = fc; c <= lastCol; ++c) {
            stores.push_back(SavedStoreCol(c));
            widths.push_back(ColumnTextWidth(stores.back()));
        }
        ExportNotification(esExportStart, fr);
        std::vector<std::string> more;
        for (int r = fr; r < RowCount(); ++r) {
            ExportNotification(esExportNextRow, r);
            std::string main;
            for (std::size_t i = 0; i < stores.size(); ++i) {
                const int width = widths[i];
                const ui::TAlignment align = ExportAlignment(*this, stores[i], r);
                std::string text = SaveCellText(stores[i], r);
                if (text.find("\r\n") != std::string::npos) {
                    std::vector<std::string> parts = SplitCrLf(text);
                    text = parts[0];
                    if (Multilinecells()) {
                        const std::size_t offset = static_cast<std::size_t>(CharCount(main));
                        if (more.size() < parts.size() - 1) more.resize(parts.size() - 1);
                        for (std::size_t k = 1; k < parts.size(); ++k) {
                            std::string& cont = more[k - 1];
                            cont = rtl::Utf8PadRight(cont, offset);
                            cont += AlignToWidth(parts[k], align, width);
                        }
                    }
                }
                text = AlignToWidth(text, align, width);
                main += text;
                const int len = CharCount(text);
                if (len <= width) main.append(static_cast<std::size_t>(width - len + 1), ' ');
            }
            lines.WriteLn(main);
            for (const std::string& cont : more) lines.WriteLn(cont);
            more.clear();
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

}  // namespace grid
