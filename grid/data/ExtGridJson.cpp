// The string grid's JSON export: the save range as a "grid" array with a line per row.
#include <cstdio>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/StringList.h"

namespace grid {

namespace {

// A JSON string body. Besides the quotation mark, a backslash and control characters (line
// breaks of multi-line cells) are escaped too, so the written text stays valid JSON and reads
// back as the cell's text.
std::string EscapeJsonText(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(static_cast<unsigned char>(c)));
                out += buf;
            } else {
                out += c;
            }
        }
    }
    return out;
}

std::string Quoted(const std::string& text) { return "\"" + EscapeJsonText(text) + "\""; }

}  // namespace

void TExtStringGrid::SaveToJSON(const std::string& FileName, const std::string& RecordDescr,
                                const rtl::TStrings* FieldDescr)
{
    const int startCol = SaveStartCol();
    const int endCol = SaveEndCol();
    const bool named = FieldDescr != nullptr && FieldDescr->Count() >= endCol - startCol + 1;
    std::vector<std::string> names;
    if (named)
        for (int i = 0; i <= endCol - startCol; ++i) names.push_back(Quoted(FieldDescr->Get(i)));

    rtl::TStringList lines;
    const std::string opening = "{\"grid\":[";
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        std::string record;
        for (int c = startCol; c <= endCol; ++c) {
            if (c > startCol) record += ',';
            const std::string value = Quoted(SaveCellText(c, r));
            record += named ? "{" + names[static_cast<std::size_t>(c - startCol)] + ":" + value + "}" : value;
        }
        record = RecordDescr.empty() ? "[" + record + "]" : "{" + Quoted(RecordDescr) + ":[" + record + "]}";
        lines.Add((lines.Count() == 0 ? opening : std::string(",")) + record);
    }
    // Without saved rows the opening still comes first, so the text is an empty "grid" array
    // and not a lone closing bracket.
    if (lines.Count() == 0) lines.Add(opening);
    lines.Add("]}");
    // JSON text is UTF-8 without a byte-order mark; the code page would turn every letter
    // it lacks into "?" and give readers bytes that are not JSON.
    lines.SaveToFile(FileName, rtl::TTextEncoding::teUTF8NoBOM);
}

}  // namespace grid
