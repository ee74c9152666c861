// The save text of a cell and the shared helpers of the string grid's text file readers and writers.
#include "grid/data/ExtGridTextFileSupport.h"

#include <algorithm>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/data/ExtGridHiddenColumns.h"
#include "grid/foundation/EsgHTMLEUtil.h"
#include "grid/foundation/ExtUtilCellText.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Utf8.h"

namespace grid {

void WriteUtf16Line(rtl::TStream& Stream, const std::string& Line)
{
    // The Unicode encoding puts a byte-order mark first, which the stream form leaves out.
    const std::string bytes = rtl::EncodeText(Line + "\r\n", rtl::TTextEncoding::teUnicode);
    Stream.WriteBuffer(bytes.data() + 2, static_cast<long long>(bytes.size() - 2));
}

std::string ReadUtf16Line(rtl::TStream& Stream)
{
    std::string units("\xFF\xFE", 2);
    unsigned char unit[2];
    while (Stream.Read(unit, 2) == 2) {
        if (unit[0] == '\r' && unit[1] == 0) {
            Stream.Read(unit, 2);
            break;
        }
        units.append(reinterpret_cast<const char*>(unit), 2);
    }
    return rtl::DecodeText(units);
}

int TExtStringGrid::SavedStoreCol(int ACol) { return FSaveHiddenCells ? DisplColIndex(ACol) : ACol; }

// Steps of the save text: formatted or stored text, merged non-base cells, the check text
// of an empty check box, HTML and rich text, and last the SaveCell hook.
std::string TExtStringGrid::SaveCellText(int ACol, int ARow)
{
    std::string text = FSaveVirtCells ? GetFormattedCell(ACol, ARow) : GetGridCell(ACol, ARow);
    if (!FSaveMergedCells && IsMergedNonBaseCell(ACol, ARow)) text.clear();
    if (text.empty()) {
        const TCellType kind = GetCellType(ACol, ARow);
        if (kind == ctCheckBox || kind == ctTriStateCheckBox) {
            const TCellGraphic* g = GetCellGraphic(ACol, ARow);
            const bool checked = g != nullptr && (kind == ctCheckBox ? g->CellBoolean()
                                                                      : g->CellCheckBoxState() == ui::cbChecked);
            const int realRow = RemapRowDisplToReal(ARow);
            if (checked)
                GetCheckTrue(ACol, realRow, text);
            else
                GetCheckFalse(ACol, realRow, text);
        }
    }
    const int kind = DetectCellTextKind(text, true);
    if (kind == ctkHtml && !FSaveWithHTML) text = StripHtmlTags(text);
    if (kind == ctkRichText && SaveWithRTF()) std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    SaveCell(ACol, ARow, text);
    return text;
}

// Lines are separated by CR (an LF after it belongs to the break); widths count characters.
int TExtStringGrid::ColumnTextWidth(int ACol)
{
    int widest = 0;
    for (int r = 0; r < RowCount(); ++r) {
        const std::string text = SaveCellText(ACol, r);
        std::size_t start = 0;
        while (true) {
            const std::size_t cr = text.find('\r', start);
            const std::size_t end = cr == std::string::npos ? text.size() : cr;
            widest = std::max(widest, static_cast<int>(rtl::Utf8Length(std::string_view(text).substr(start, end - start))));
            if (cr == std::string::npos || !Multilinecells()) break;
            start = cr + 1;
            if (start < text.size() && text[start] == '\n') ++start;
        }
    }
    return widest;
}

}  // namespace grid
