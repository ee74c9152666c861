// Clipboard copy and cut of the string grid: the selection text builder and the text, rich-text and cell-block formats.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/ExtGridUndoRedo.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/data/ExtGridClipboard.h"
#include "grid/foundation/EsgHTMLEUtil.h"
#include "grid/foundation/ExtUtilCellText.h"
#include "grid/foundation/ExtUtilText.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Clipboard.h"

namespace grid {

// Plain text of rich text: groups of destinations (font and colour tables, pictures, "\*"
// groups) are skipped, "\par" and "\line" become CR LF, "\tab" a TAB, "\'hh" a code-page
// character and "\uN" a Unicode character (its replacement character skipped).
std::string RtfToPlainText(const std::string& rtf)
{
    static const char* const kSkipped[] = {"fonttbl", "colortbl", "stylesheet", "info", "pict", "header",
                                           "footer", "listtable", "listoverridetable", "generator"};
    std::string out;
    std::vector<int> skipStack{0};
    int skipChars = 0;
    std::size_t i = 0;
    const auto emit = [&](const std::string& s) {
        if (skipStack.back() == 0) out += s;
    };
    while (i < rtf.size()) {
        const char ch = rtf[i];
        if (ch == '{') {
            skipStack.push_back(skipStack.back());
            ++i;
        } else if (ch == '}') {
            if (skipStack.size() > 1) skipStack.pop_back();
            ++i;
        } else if (ch == '\\' && i + 1 < rtf.size()) {
            const char next = rtf[i + 1];
            if (next == '\\' || next == '{' || next == '}') {
                emit(std::string(1, next));
                i += 2;
            } else if (next == '*') {
                skipStack.back() = 1;
                i += 2;
            } else if (next == '\'' && i + 3 < rtf.size()) {
                const std::string hex = rtf.substr(i + 2, 2);
                const char byte = static_cast<char>(std::strtol(hex.c_str(), nullptr, 16));
                if (skipChars > 0) --skipChars;
                else emit(rtl::Win1250ToUtf8(std::string(1, byte)));
                i += 4;
            } else if (std::isalpha(static_cast<unsigned char>(next))) {
                std::size_t j = i + 1;
                while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j]))) ++j;
                const std::string word = rtf.substr(i + 1, j - i - 1);
                std::size_t k = j;
                if (k < rtf.size() && (rtf[k] == '-' || std::isdigit(static_cast<unsigned char>(rtf[k])))) ++k;
                while (k < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[k]))) ++k;
                const std::string param = rtf.substr(j, k - j);
                if (k < rtf.size() && rtf[k] == ' ') ++k;
                i = k;
                if (word == "par" || word == "line") emit("\r\n");
                else if (word == "tab") emit("\t");
                else if (word == "u" && !param.empty()) {
                    long v = std::strtol(param.c_str(), nullptr, 10);
                    if (v < 0) v += 65536;
                    std::string s;
                    rtl::Utf8AppendChar(s, static_cast<char32_t>(v));
                    emit(s);
                    skipChars = 1;
                } else {
                    for (const char* name : kSkipped)
                        if (word == name) skipStack.back() = 1;
                }
            } else {
                i += 2;
            }
        } else if (ch == '\r' || ch == '\n') {
            ++i;
        } else {
            if (skipChars > 0) --skipChars;
            else emit(std::string(1, ch));
            ++i;
        }
    }
    while (out.size() >= 2 && out.compare(out.size() - 2, 2, "\r\n") == 0) out.resize(out.size() - 2);
    return out;
}

namespace {

// CR LF and a lone CR both become one LF.
std::string CrToLineFeeds(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') out.push_back(text[i]);
        else if (i + 1 >= text.size() || text[i + 1] != '\n') out.push_back('\n');
    }
    return out;
}

int CountCrLines(const std::string& text) { return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\r')); }

}  // namespace

// The text a displayed cell contributes to the clipboard text.
std::string TExtStringGrid::ClipboardCellText(int ACol, int ARow)
{
    std::string text = SaveCellText(ACol, ARow);
    if (text.rfind("|\\", 0) == 0) text = DecodeUnicodeEscapes(text);
    if (text.find('\r') != std::string::npos) text = "\"" + CrToLineFeeds(text) + "\"";
    if (!Navigation().CopyHTMLTagsToClipboard() && text.find("</") != std::string::npos)
        text = StripHtmlTags(GetCellEx(ACol, ARow));
    else if (text.find("{\\") != std::string::npos)
        text = RtfToPlainText(text);
    if (ExcelClipboardFormat()) {
        const int lines = Multilinecells() ? CountCrLines(text) : 1;
        if (lines >= 2) QuoteMultilineCsvField(text);
    }
    return text;
}

std::string TExtStringGrid::BuildSelectionText(const rtl::TRect& R, bool Disjunct)
{
    FClipTopLeft = rtl::TPoint{R.Left, R.Top};
    const bool manyRows = R.Bottom > R.Top;
    const bool spansData = R.Top <= FixedRows() && R.Bottom >= RowCount() - FixedFooters() - 1;
    const TMouseActions& ma = MouseActions();
    std::string out;
    if (manyRows) ExportNotification(esExportStart, -1);
    for (int r = R.Top; r <= R.Bottom; ++r) {
        if (manyRows) ExportNotification(spansData ? esExportNewRow : esExportSelRow, r);
        bool rowTaken = !ma.DisjunctRowSelect() || !Disjunct || ma.DisjunctColSelect();
        if (!rowTaken) rowTaken = RowSelect(ma.RowSelectPersistent() ? RealRowIndex(r) : r);
        if (!rowTaken) continue;
        for (int c = R.Left; c <= R.Right; ++c) {
            if (ma.DisjunctColSelect() && Disjunct && !IsColSelected(c)) continue;
            out += ClipboardCellText(c, r);
            if (c != R.Right) out += '\t';
        }
        if (manyRows) out += "\r\n";
    }
    if (manyRows) ExportNotification(esExportDone, -1);
    return out;
}

std::string TExtStringGrid::GetSelectionAsText() { return BuildSelectionText(Selection(), false); }

void TExtStringGrid::CopyToClipboardInternal(const rtl::TRect& R, bool Disjunct)
{
    const std::string text = BuildSelectionText(R, Disjunct);
    ui::TClipboard& cb = ui::Clipboard();
    cb.Open();
    try {
        cb.SetAsText(text);
        if (Navigation().AllowRTFClipboard()) {
            const std::string rich = GetCellEx(R.Left, R.Top);
            if (rich.find("{\\") != std::string::npos)
                cb.SetData(CF_RTF(), rtl::Utf8ToWin1250(rich) + std::string(1, '\0'));
        }
        if (Navigation().AllowFmtClipboard()) {
            rtl::TStringStream block;
            SaveRectToBinStream(R, block, false);
            cb.SetData(CF_GRIDCELLS(), block.DataString());
        }
    } catch (...) {
        cb.Close();
        throw;
    }
    cb.Close();
}

void TExtStringGrid::CopyToClipBoard()
{
    CopyToClipboardInternal(rtl::Rect(SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()), false);
    FClipLastOp = coCopy;
}

void TExtStringGrid::CopySelectionToClipboard()
{
    AdjustSelectionForMerge();
    const TMouseActions& ma = MouseActions();
    const bool fmt = Navigation().AllowFmtClipboard();
    if (ma.DisjunctRowSelect()) {
        if (fmt) CopyToClipboardInternal(Selection(), false);
        else CopyToClipboardInternal(rtl::Rect(FixedCols(), SaveStartRow(), ColCount() - FixedRightCols() - 1, SaveEndRow()), true);
    } else if (!ma.DisjunctColSelect() || fmt) {
        CopyToClipboardInternal(Selection(), false);
    } else {
        CopyToClipboardInternal(rtl::Rect(SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()), true);
    }
    FClipLastOp = coCopy;
}

// Whether a paste or cut may change the cell (real column): the grid's editing options, the
// cell's read-only flag and OnCanEditCell; AllowClipboardAlways overrides all of them.
bool TExtStringGrid::CellEditableForPaste(int ACol, int ARow)
{
    if (Navigation().AllowClipboardAlways()) return true;
    bool canEdit = (Options() & ui::goEditing) || MouseActions().RangeSelectAndEdit();
    IsEditableCell(ACol, ARow, canEdit);
    return canEdit;
}

void TExtStringGrid::CutToClipboard()
{
    const rtl::TRect range = rtl::Rect(SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow());
    CopyToClipboardInternal(range, false);
    for (int c = range.Left; c <= range.Right; ++c)
        for (int r = range.Top; r <= range.Bottom; ++r)
            if (CellEditableForPaste(c, r)) SetCellEx(c, r, "");
    if (ShowModified().Enabled())
        for (int r = range.Top; r <= range.Bottom; ++r) SetRowModified(RealRowIndex(r), true);
    if (Navigation().ClipboardCutAction() == caRemove && (Options() & ui::goRowSelect))
        RemoveRows(range.Top, range.Bottom - range.Top + 1);
    FClipLastOp = coCut;
}

void TExtStringGrid::CutSelectionToClipboard()
{
    const rtl::TRect sel = Selection();
    CopySelectionToClipboard();
    const TMouseActions& ma = MouseActions();
    if (ma.DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r) {
            const int idx = ma.RowSelectPersistent() ? RealRowIndex(r) : r;
            if (!RowSelect(idx)) continue;
            ClearRows(r, 1);
            if (ShowModified().Enabled()) SetRowModified(idx, true);
        }
    } else if (ma.DisjunctColSelect()) {
        for (int c = FixedCols(); c < ColCount(); ++c)
            if (IsColSelected(c)) ClearCols(c, 1);
    } else {
        TExtGridUndoRedo* undo = UndoRedo();
        if (undo != nullptr) undo->StartSequence();
        try {
            for (int r = sel.Top; r <= sel.Bottom; ++r)
                for (int c = sel.Left; c <= sel.Right; ++c) {
                    if (!CellEditableForPaste(c, r)) continue;
                    if (undo != nullptr) undo->RegisterChange(c, r, GetCellEx(c, r), "");
                    SetCellEx(c, r, "");
                }
        } catch (...) {
            if (undo != nullptr) undo->StopSequence();
            throw;
        }
        if (undo != nullptr) undo->StopSequence();
        if (ShowModified().Enabled())
            for (int r = sel.Top; r <= sel.Bottom; ++r) SetRowModified(RealRowIndex(r), true);
        if (Navigation().AllowFmtClipboard()) FreeCellProperties(sel.Left, sel.Top, sel.Right, sel.Bottom);
    }
    FClipLastOp = coCut;
    CellsChanged(sel);
    if (Navigation().ClipboardCutAction() == caRemove && (Options() & ui::goRowSelect)) {
        if (ma.DisjunctRowSelect()) {
            TIntList rows(-1, -1);
            for (int r = FixedRows(); r < RowCount(); ++r)
                if (RowSelect(ma.RowSelectPersistent() ? RealRowIndex(r) : r)) rows.Add(RealRowIndex(r));
            ResetRowSelect();
            RemoveRowList(rows);
        } else {
            RemoveRows(sel.Top, sel.Bottom - sel.Top + 1);
        }
    }
    if (NumHiddenColumns() > 0) Invalidate();
}

}  // namespace grid
