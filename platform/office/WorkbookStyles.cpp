// The styles part of a workbook: the number formats of its cells when read, and the date styles of a written sheet.
#include "platform/office/WorkbookStyles.h"

#include <algorithm>
#include <cstdlib>
#include <map>

#include "platform/office/SheetDates.h"
#include "platform/office/XmlParts.h"

namespace office {

namespace {

const char* const MainNs = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr int FirstCustomFormat = 164;

const TSheetDateKind DateKinds[3] = {sdkDate, sdkDateTime, sdkTime};

int* StyleOf(TDateStyles& styles, TSheetDateKind kind)
{
    return kind == sdkDate ? &styles.Date : kind == sdkDateTime ? &styles.DateTime : &styles.Time;
}

xmlNode* EnsureChild(xmlNode* parent, const char* name, xmlNode* before)
{
    if (xmlNode* found = FirstChild(parent, name)) return found;
    xmlNode* node = xmlNewNode(parent->ns, BAD_CAST name);
    if (before) return xmlAddPrevSibling(before, node);
    return xmlAddChild(parent, node);
}

void SetCount(xmlNode* list, const char* item)
{
    xmlSetProp(list, BAD_CAST "count", BAD_CAST std::to_string(Children(list, item).size()).c_str());
}

}  // namespace

TCellFormats TCellFormats::Read(const std::string& xml, const std::string& part, const std::string& fileName)
{
    TCellFormats formats;
    TXmlDoc doc = ParseXmlPart(xml, part, fileName);
    xmlNode* root = xmlDocGetRootElement(doc.get());
    std::map<int, std::string> codes;
    for (xmlNode* f : Children(FirstChild(root, "numFmts"), "numFmt"))
        codes[std::atoi(Attribute(f, "numFmtId").c_str())] = Attribute(f, "formatCode");
    for (xmlNode* xf : Children(FirstChild(root, "cellXfs"), "xf")) {
        const int id = std::atoi(Attribute(xf, "numFmtId").c_str());
        const auto code = codes.find(id);
        const std::string text = code == codes.end() ? std::string() : code->second;
        formats.FDate.push_back(IsDateNumberFormat(id, text));
        formats.FTimeOnly.push_back(IsTimeOnlyNumberFormat(id, text));
    }
    return formats;
}

bool TCellFormats::IsDate(int style) const
{
    return style >= 0 && style < static_cast<int>(FDate.size()) && FDate[static_cast<std::size_t>(style)];
}

bool TCellFormats::IsTimeOnly(int style) const
{
    return style >= 0 && style < static_cast<int>(FTimeOnly.size()) && FTimeOnly[static_cast<std::size_t>(style)];
}

std::string NewStylesXml(TDateStyles& styles)
{
    const std::string xml =
        std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<styleSheet xmlns=\"") + MainNs +
        "\"><fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
        "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
        "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
        "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
        "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>"
        "<cellXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/></cellXfs>"
        "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
        "</styleSheet>";
    return AddDateStyles(xml, "xl/styles.xml", "", styles);
}

std::string AddDateStyles(const std::string& xml, const std::string& part, const std::string& fileName,
                          TDateStyles& styles)
{
    TXmlDoc doc = ParseXmlPart(xml, part, fileName);
    xmlNode* root = xmlDocGetRootElement(doc.get());
    // Number formats come first in a styles part, cell styles after the style records.
    xmlNode* numFmts = EnsureChild(root, "numFmts", root->children);
    xmlNode* cellXfs = EnsureChild(root, "cellXfs", nullptr);
    int nextId = FirstCustomFormat;
    for (xmlNode* f : Children(numFmts, "numFmt"))
        nextId = std::max(nextId, std::atoi(Attribute(f, "numFmtId").c_str()) + 1);
    for (TSheetDateKind kind : DateKinds) {
        const std::string id = std::to_string(nextId++);
        xmlNode* f = xmlNewChild(numFmts, root->ns, BAD_CAST "numFmt", nullptr);
        xmlNewProp(f, BAD_CAST "numFmtId", BAD_CAST id.c_str());
        xmlNewProp(f, BAD_CAST "formatCode", BAD_CAST SheetDateFormatCode(kind).c_str());
        *StyleOf(styles, kind) = static_cast<int>(Children(cellXfs, "xf").size());
        xmlNode* xf = xmlNewChild(cellXfs, root->ns, BAD_CAST "xf", nullptr);
        xmlNewProp(xf, BAD_CAST "numFmtId", BAD_CAST id.c_str());
        xmlNewProp(xf, BAD_CAST "fontId", BAD_CAST "0");
        xmlNewProp(xf, BAD_CAST "fillId", BAD_CAST "0");
        xmlNewProp(xf, BAD_CAST "borderId", BAD_CAST "0");
        xmlNewProp(xf, BAD_CAST "xfId", BAD_CAST "0");
        xmlNewProp(xf, BAD_CAST "applyNumberFormat", BAD_CAST "1");
    }
    SetCount(numFmts, "numFmt");
    SetCount(cellXfs, "xf");
    return SerializeXml(doc.get());
}

}  // namespace office
