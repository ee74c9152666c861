// Word-processor export of the grid: its cells as a table in a new or an existing document.
#include "grid/core/ExtGrid.h"
#include "grid/data/ExtGridOfficeCursor.h"
#include "platform/office/Document.h"

namespace grid {

void TExtStringGrid::SaveToDOC(const std::string& Filename, bool) { WriteDoc(Filename, nullptr, false); }

void TExtStringGrid::AppendToDoc(const std::string& Filename, const std::string& Bookmark)
{
    WriteDoc(Filename, &Bookmark, true);
}

void TExtStringGrid::WriteDoc(const std::string& Filename, const std::string* Bookmark, bool Append)
{
    THourGlassScope hourglass;
    office::TWordDocument doc = Append ? office::TWordDocument::Open(Filename) : office::TWordDocument::Create();
    doc.TypeParagraphAtStart(Text());
    std::vector<std::vector<office::TTableCell>> rows;
    ExportNotification(esExportStart, 0);
    for (int r = 0; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r + 1);
        auto& row = rows.emplace_back();
        for (int c = 0; c < ColCount(); ++c) {
            office::TTableCell cell;
            cell.Text = SaveCellText(c, r);
            const ui::TAlignment align = GetCellAutoAlignment(RealColIndex(c), r).first;
            if (align == ui::taRightJustify) cell.Alignment = office::paRight;
            if (align == ui::taCenter) cell.Alignment = office::paCenter;
            row.push_back(std::move(cell));
        }
    }
    ExportNotification(esExportDone, -1);
    if (!Append) doc.AddTableAtStart(rows);
    else if (Bookmark && !Bookmark->empty() && doc.BookmarkExists(*Bookmark)) doc.AddTableAtBookmark(*Bookmark, rows);
    else doc.AddTableAtEnd(rows);
    doc.SaveAs(Filename);
}

}  // namespace grid
