// Spreadsheet workbooks: .xlsx read and written (zip parts of XML), .xls read.
#include "platform/office/Workbook.h"

#include <algorithm>
#include <charconv>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>

#include "platform/office/A1Notation.h"
#include "platform/office/OfficeErrors.h"
#include "platform/office/SheetDates.h"
#include "platform/office/WorkbookStyles.h"
#include "platform/office/XmlParts.h"
#include "platform/office/ZipArchive.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/SafeFile.h"

namespace office {

TWorkbook ReadXls(const std::string& fileName);
TWorkbook ReadXlsx(const std::string& fileName);

std::string TWorksheet::UsedRangeAddress() const
{
    if (Cells.empty()) return {};
    int top = INT_MAX, left = INT_MAX, bottom = 0, right = 0;
    for (const TSheetCell& c : Cells) {
        top = std::min(top, c.Row);
        bottom = std::max(bottom, c.Row);
        left = std::min(left, c.Col);
        right = std::max(right, c.Col);
    }
    const std::string first = "$" + ColumnLetters(left) + "$" + std::to_string(top);
    if (top == bottom && left == right) return first;
    return first + ":$" + ColumnLetters(right) + "$" + std::to_string(bottom);
}

namespace {

const char* const MainNs = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const char* const RelNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const char* const SheetRelType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet";
const char* const SheetContentType = "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml";
const char* const StylesRelType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles";
const char* const StylesContentType = "application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml";

// How the cells of one workbook show their numbers: date styles and the date system.
struct TNumberLook {
    TCellFormats Formats;
    bool Date1904 = false;
};

// "B12" → column 2, row 12; false for anything else.
bool ParseCellRef(const std::string& ref, int& col, int& row)
{
    std::size_t i = 0;
    while (i < ref.size() && std::isalpha(static_cast<unsigned char>(ref[i]))) ++i;
    col = ColumnNumber(ref.substr(0, i));
    if (col == 0 || i == ref.size()) return false;
    char* end = nullptr;
    const long r = std::strtol(ref.c_str() + i, &end, 10);
    if (*end != '\0' || r <= 0 || r > 1048576) return false;
    row = static_cast<int>(r);
    return true;
}

// A part name relative to xl/ (or absolute) as the zip entry name.
std::string PartPath(const std::string& target)
{
    if (!target.empty() && target[0] == '/') return target.substr(1);
    return "xl/" + target;
}

std::string InlineText(xmlNode* is)
{
    std::string text;
    for (xmlNode* t : Children(is, "t")) text += TextOf(t);
    for (xmlNode* r : Children(is, "r")) text += TextOf(FirstChild(r, "t"));
    return text;
}

std::vector<std::string> ReadSharedStrings(const TZipEntries& parts, const std::string& fileName)
{
    std::vector<std::string> strings;
    auto it = parts.find("xl/sharedStrings.xml");
    if (it == parts.end()) return strings;
    TXmlDoc doc = ParseXmlPart(it->second, it->first, fileName);
    for (xmlNode* si : Children(xmlDocGetRootElement(doc.get()), "si")) strings.push_back(InlineText(si));
    return strings;
}

void ReadSheetCells(const std::string& bytes, const std::string& part, const std::string& fileName,
                    const std::vector<std::string>& shared, const TNumberLook& look, TWorksheet& sheet)
{
    TXmlDoc doc = ParseXmlPart(bytes, part, fileName);
    xmlNode* data = FirstChild(xmlDocGetRootElement(doc.get()), "sheetData");
    for (xmlNode* row : Children(data, "row")) {
        for (xmlNode* c : Children(row, "c")) {
            TSheetCell cell;
            const std::string ref = Attribute(c, "r");
            if (!ParseCellRef(ref, cell.Col, cell.Row))
                throw EOfficeFileError("Incorrect Excel file " + fileName + ": cell reference \"" + ref + "\" in " + part);
            const std::string type = Attribute(c, "t");
            xmlNode* v = FirstChild(c, "v");
            if (type == "inlineStr") {
                cell.Text = InlineText(FirstChild(c, "is"));
            } else if (!v) {
                continue;  // an empty (formatted) cell
            } else if (type == "s") {
                const std::string index = TextOf(v);
                char* end = nullptr;
                const long i = std::strtol(index.c_str(), &end, 10);
                if (*end != '\0' || i < 0 || i >= static_cast<long>(shared.size()))
                    throw EOfficeFileError("Incorrect Excel file " + fileName + ": shared string \"" + index +
                                           "\" of cell " + ref);
                cell.Text = shared[static_cast<std::size_t>(i)];
            } else if (type == "b") {
                cell.Text = TextOf(v) == "1" ? "True" : "False";
            } else if (type == "e") {
                continue;  // error values are not taken
            } else if (type == "str") {
                cell.Text = TextOf(v);
            } else {
                const std::string number = TextOf(v);
                char* end = nullptr;
                const double d = std::strtod(number.c_str(), &end);
                if (number.empty() || *end != '\0')
                    throw EOfficeFileError("Incorrect Excel file " + fileName + ": number \"" + number +
                                           "\" in cell " + ref);
                // A number in a date style is a date: it reads as the program writes dates.
                const std::string style = Attribute(c, "s");
                const int styleIndex = style.empty() ? -1 : std::atoi(style.c_str());
                if (look.Formats.IsDate(styleIndex))
                    cell.Text = SheetDateText(d, look.Formats.IsTimeOnly(styleIndex), look.Date1904);
                else
                    cell.Text = rtl::FloatToStr(d);
            }
            sheet.Cells.push_back(std::move(cell));
        }
    }
}

std::map<std::string, std::string> ReadRelationships(const TZipEntries& parts, const std::string& fileName)
{
    std::map<std::string, std::string> targets;
    auto it = parts.find("xl/_rels/workbook.xml.rels");
    if (it == parts.end()) throw EOfficeFileError("Incorrect Excel file " + fileName + ": no workbook relationships");
    TXmlDoc doc = ParseXmlPart(it->second, it->first, fileName);
    for (xmlNode* r : Children(xmlDocGetRootElement(doc.get()), "Relationship"))
        targets[Attribute(r, "Id")] = Attribute(r, "Target");
    return targets;
}

bool IsZipFile(const std::string& fileName)
{
    std::ifstream in(rtl::MapPath(fileName), std::ios::binary);
    char magic[2] = {};
    in.read(magic, 2);
    return in && magic[0] == 'P' && magic[1] == 'K';
}

}  // namespace

TWorkbook TWorkbook::FromSheets(std::vector<TWorksheet> sheets, int active)
{
    TWorkbook book;
    book.FSheets = std::move(sheets);
    book.FActive = active >= 0 && active < book.Count() ? active : 0;
    return book;
}

TWorkbook ReadXlsx(const std::string& fileName)
{
    const TZipEntries parts = ReadZipFile(fileName);
    auto wb = parts.find("xl/workbook.xml");
    if (wb == parts.end()) throw EOfficeFileError("Incorrect Excel file " + fileName + ": no workbook part");
    TXmlDoc doc = ParseXmlPart(wb->second, wb->first, fileName);
    xmlNode* root = xmlDocGetRootElement(doc.get());
    const auto targets = ReadRelationships(parts, fileName);
    const std::vector<std::string> shared = ReadSharedStrings(parts, fileName);
    TNumberLook look;
    if (auto styles = parts.find("xl/styles.xml"); styles != parts.end())
        look.Formats = TCellFormats::Read(styles->second, styles->first, fileName);
    const std::string date1904 = Attribute(FirstChild(root, "workbookPr"), "date1904");
    look.Date1904 = date1904 == "1" || date1904 == "true";
    std::vector<TWorksheet> sheets;
    for (xmlNode* s : Children(FirstChild(root, "sheets"), "sheet")) {
        TWorksheet sheet;
        sheet.Name = Attribute(s, "name");
        auto target = targets.find(Attribute(s, "id"));
        if (target == targets.end())
            throw EOfficeFileError("Incorrect Excel file " + fileName + ": sheet \"" + sheet.Name + "\" has no part");
        const std::string part = PartPath(target->second);
        auto bytes = parts.find(part);
        if (bytes == parts.end()) throw EOfficeFileError("Incorrect Excel file " + fileName + ": missing " + part);
        ReadSheetCells(bytes->second, part, fileName, shared, look, sheet);
        sheets.push_back(std::move(sheet));
    }
    int active = 0;
    if (xmlNode* view = FirstChild(FirstChild(root, "bookViews"), "workbookView"))
        active = std::atoi(Attribute(view, "activeTab").c_str());
    return TWorkbook::FromSheets(std::move(sheets), active);
}

TWorkbook TWorkbook::Open(const std::string& fileName)
{
    if (!std::filesystem::exists(rtl::MapPath(fileName)))
        throw EOfficeFileError("Cannot open " + fileName + ": file not found");
    return IsZipFile(fileName) ? ReadXlsx(fileName) : ReadXls(fileName);
}

namespace {

bool IsPlainNumber(const std::string& text)
{
    static const std::regex number("-?(0|[1-9][0-9]{0,14})(\\.[0-9]{1,15})?");
    return text.size() <= 32 && std::regex_match(text, number);
}

std::string SerialText(double serial)
{
    char buf[32];
    const auto result = std::to_chars(buf, buf + sizeof buf, serial);
    return std::string(buf, result.ptr);
}

bool HoldsDates(const std::vector<std::vector<std::string>>& rows)
{
    double serial = 0;
    for (const auto& row : rows)
        for (const std::string& text : row)
            if (!IsPlainNumber(text) && ParseSheetDate(text, serial) != sdkNone) return true;
    return false;
}

// Numbers are stored as numbers, texts in the program's date and time formats as date
// serials in the date styles, everything else as inline strings.
std::string SheetXml(const std::vector<std::vector<std::string>>& rows, const TDateStyles& styles)
{
    std::string xml = std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<worksheet xmlns=\"") +
                      MainNs + "\"><sheetData>";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::string rowNr = std::to_string(r + 1);
        xml += "<row r=\"" + rowNr + "\">";
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const std::string& text = rows[r][c];
            if (text.empty()) continue;
            const std::string ref = ColumnLetters(static_cast<int>(c) + 1) + rowNr;
            double serial = 0;
            TSheetDateKind kind = sdkNone;
            if (IsPlainNumber(text)) {
                xml += "<c r=\"" + ref + "\"><v>" + text + "</v></c>";
            } else if ((kind = ParseSheetDate(text, serial)) != sdkNone) {
                const int style = kind == sdkDate ? styles.Date : kind == sdkDateTime ? styles.DateTime : styles.Time;
                xml += "<c r=\"" + ref + "\" s=\"" + std::to_string(style) + "\"><v>" + SerialText(serial) + "</v></c>";
            } else {
                xml += "<c r=\"" + ref + "\" t=\"inlineStr\"><is><t xml:space=\"preserve\">" + XmlEscape(text) +
                       "</t></is></c>";
            }
        }
        xml += "</row>";
    }
    xml += "</sheetData></worksheet>";
    return xml;
}

// The workbook's styles part gets the date styles; a workbook without one gets a new one.
void AddDateStylesPart(TZipEntries& parts, xmlDoc* rels, const std::map<std::string, std::string>& targets,
                       const std::string& fileName, TDateStyles& styles)
{
    for (xmlNode* r : Children(xmlDocGetRootElement(rels), "Relationship")) {
        if (Attribute(r, "Type") != StylesRelType) continue;
        const std::string part = PartPath(Attribute(r, "Target"));
        auto it = parts.find(part);
        if (it == parts.end()) break;
        it->second = AddDateStyles(it->second, part, fileName, styles);
        return;
    }
    // An id of its own, apart from the "rId" numbers a new sheet takes.
    std::string id = "rIdStyles";
    while (targets.count(id)) id += "X";
    std::string name = "styles.xml";
    for (int n = 2; parts.count("xl/" + name); ++n) name = "styles" + std::to_string(n) + ".xml";
    xmlNode* rel = xmlNewChild(xmlDocGetRootElement(rels), nullptr, BAD_CAST "Relationship", nullptr);
    xmlNewProp(rel, BAD_CAST "Id", BAD_CAST id.c_str());
    xmlNewProp(rel, BAD_CAST "Type", BAD_CAST StylesRelType);
    xmlNewProp(rel, BAD_CAST "Target", BAD_CAST name.c_str());
    auto typesPart = parts.find("[Content_Types].xml");
    TXmlDoc types = ParseXmlPart(typesPart->second, typesPart->first, fileName);
    xmlNode* root = xmlDocGetRootElement(types.get());
    xmlNode* over = xmlNewChild(root, root->ns, BAD_CAST "Override", nullptr);
    xmlNewProp(over, BAD_CAST "PartName", BAD_CAST("/xl/" + name).c_str());
    xmlNewProp(over, BAD_CAST "ContentType", BAD_CAST StylesContentType);
    typesPart->second = SerializeXml(types.get());
    parts["xl/" + name] = NewStylesXml(styles);
}

void WriteParts(const std::string& fileName, const TZipEntries& parts)
{
    const std::string bytes = WriteZipBytes(parts);
    rtl::TSafeFileWriter writer(fileName);
    writer.Write(bytes);
    writer.Commit();
}

}  // namespace

void SaveNewWorkbook(const std::string& fileName, const std::string& sheetName,
                     const std::vector<std::vector<std::string>>& rows)
{
    TZipEntries parts;
    parts["[Content_Types].xml"] =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Override PartName=\"/xl/workbook.xml\" "
        "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
        "<Override PartName=\"/xl/worksheets/sheet1.xml\" ContentType=\"" + std::string(SheetContentType) + "\"/>"
        "<Override PartName=\"/xl/styles.xml\" ContentType=\"" + StylesContentType + "\"/>"
        "</Types>";
    parts["_rels/.rels"] =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" "
        "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
        "Target=\"xl/workbook.xml\"/></Relationships>";
    parts["xl/workbook.xml"] = std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n") +
                               "<workbook xmlns=\"" + MainNs + "\" xmlns:r=\"" + RelNs + "\"><sheets><sheet name=\"" +
                               XmlEscape(sheetName) + "\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
    parts["xl/_rels/workbook.xml.rels"] =
        std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n") +
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"" + SheetRelType + "\" Target=\"worksheets/sheet1.xml\"/>"
        "<Relationship Id=\"rId2\" Type=\"" + StylesRelType + "\" Target=\"styles.xml\"/></Relationships>";
    TDateStyles styles;
    parts["xl/styles.xml"] = NewStylesXml(styles);
    parts["xl/worksheets/sheet1.xml"] = SheetXml(rows, styles);
    WriteParts(fileName, parts);
}

void SaveSheetInWorkbook(const std::string& fileName, const std::string& sheetName,
                         const std::vector<std::vector<std::string>>& rows)
{
    TZipEntries parts = ReadZipFile(fileName);
    auto wbPart = parts.find("xl/workbook.xml");
    auto relPart = parts.find("xl/_rels/workbook.xml.rels");
    auto typesPart = parts.find("[Content_Types].xml");
    if (wbPart == parts.end() || relPart == parts.end() || typesPart == parts.end())
        throw EOfficeFileError("Incorrect Excel file " + fileName + ": no workbook part");
    TXmlDoc wb = ParseXmlPart(wbPart->second, wbPart->first, fileName);
    TXmlDoc rels = ParseXmlPart(relPart->second, relPart->first, fileName);
    const auto targets = ReadRelationships(parts, fileName);
    xmlNode* sheets = FirstChild(xmlDocGetRootElement(wb.get()), "sheets");
    if (!sheets) throw EOfficeFileError("Incorrect Excel file " + fileName + ": no sheet list");
    xmlNode* found = nullptr;
    int maxId = 0;
    for (xmlNode* s : Children(sheets, "sheet")) {
        if (Attribute(s, "name") == sheetName) found = s;  // the last sheet so named
        maxId = std::max(maxId, std::atoi(Attribute(s, "sheetId").c_str()));
    }
    TDateStyles styles;
    if (HoldsDates(rows)) AddDateStylesPart(parts, rels.get(), targets, fileName, styles);
    if (found) {
        auto target = targets.find(Attribute(found, "id"));
        if (target == targets.end()) throw EOfficeFileError("Incorrect Excel file " + fileName + ": sheet without part");
        parts[PartPath(target->second)] = SheetXml(rows, styles);
        parts["xl/_rels/workbook.xml.rels"] = SerializeXml(rels.get());
        WriteParts(fileName, parts);
        return;
    }
    // A new sheet: its part, its relationship, its content type and its entry in the list.
    int n = 1;
    while (parts.count("xl/worksheets/sheet" + std::to_string(n) + ".xml")) ++n;
    const std::string target = "worksheets/sheet" + std::to_string(n) + ".xml";
    int rid = 1;
    while (targets.count("rId" + std::to_string(rid))) ++rid;
    const std::string id = "rId" + std::to_string(rid);
    xmlNode* rel = xmlNewChild(xmlDocGetRootElement(rels.get()), nullptr, BAD_CAST "Relationship", nullptr);
    xmlNewProp(rel, BAD_CAST "Id", BAD_CAST id.c_str());
    xmlNewProp(rel, BAD_CAST "Type", BAD_CAST SheetRelType);
    xmlNewProp(rel, BAD_CAST "Target", BAD_CAST target.c_str());
    xmlNode* sheet = xmlNewChild(sheets, sheets->ns, BAD_CAST "sheet", nullptr);
    xmlNewProp(sheet, BAD_CAST "name", BAD_CAST sheetName.c_str());
    xmlNewProp(sheet, BAD_CAST "sheetId", BAD_CAST std::to_string(maxId + 1).c_str());
    xmlNs* r = xmlSearchNsByHref(wb.get(), xmlDocGetRootElement(wb.get()), BAD_CAST RelNs);
    if (!r) r = xmlNewNs(xmlDocGetRootElement(wb.get()), BAD_CAST RelNs, BAD_CAST "r");
    xmlNewNsProp(sheet, r, BAD_CAST "id", BAD_CAST id.c_str());
    TXmlDoc types = ParseXmlPart(typesPart->second, typesPart->first, fileName);
    xmlNode* root = xmlDocGetRootElement(types.get());
    xmlNode* over = xmlNewChild(root, root->ns, BAD_CAST "Override", nullptr);
    xmlNewProp(over, BAD_CAST "PartName", BAD_CAST("/xl/" + target).c_str());
    xmlNewProp(over, BAD_CAST "ContentType", BAD_CAST SheetContentType);
    parts["xl/workbook.xml"] = SerializeXml(wb.get());
    parts["xl/_rels/workbook.xml.rels"] = SerializeXml(rels.get());
    parts["[Content_Types].xml"] = SerializeXml(types.get());
    parts["xl/" + target] = SheetXml(rows, styles);
    WriteParts(fileName, parts);
}

}  // namespace office
