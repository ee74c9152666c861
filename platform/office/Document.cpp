// Word-processor documents (.docx): text paragraphs and tables written, existing documents appended to.
#include "platform/office/Document.h"

#include <libxml/parser.h>

#include "platform/office/OfficeErrors.h"
#include "platform/office/XmlParts.h"
#include "platform/office/ZipArchive.h"
#include "platform/rtl/SafeFile.h"

namespace office {

namespace {

const char* const WordNs = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

std::string Runs(const std::string& text)
{
    std::string xml;
    std::size_t start = 0;
    while (true) {
        const std::size_t lf = text.find('\n', start);
        const std::string line = text.substr(start, lf == std::string::npos ? std::string::npos : lf - start);
        if (start > 0) xml += "<w:br/>";
        xml += "<w:t xml:space=\"preserve\">" + XmlEscape(line) + "</w:t>";
        if (lf == std::string::npos) break;
        start = lf + 1;
    }
    return "<w:r>" + xml + "</w:r>";
}

std::string TableXml(const std::vector<std::vector<TTableCell>>& rows)
{
    std::size_t cols = 0;
    for (const auto& r : rows) cols = std::max(cols, r.size());
    std::string xml = std::string("<w:tbl xmlns:w=\"") + WordNs +
                      "\"><w:tblPr><w:tblW w:w=\"0\" w:type=\"auto\"/><w:tblBorders>"
                      "<w:top w:val=\"single\" w:sz=\"4\"/><w:left w:val=\"single\" w:sz=\"4\"/>"
                      "<w:bottom w:val=\"single\" w:sz=\"4\"/><w:right w:val=\"single\" w:sz=\"4\"/>"
                      "<w:insideH w:val=\"single\" w:sz=\"4\"/><w:insideV w:val=\"single\" w:sz=\"4\"/>"
                      "</w:tblBorders></w:tblPr><w:tblGrid>";
    for (std::size_t c = 0; c < cols; ++c) xml += "<w:gridCol/>";
    xml += "</w:tblGrid>";
    for (const auto& r : rows) {
        xml += "<w:tr>";
        for (std::size_t c = 0; c < cols; ++c) {
            const TTableCell cell = c < r.size() ? r[c] : TTableCell{};
            xml += "<w:tc><w:tcPr><w:tcW w:w=\"0\" w:type=\"auto\"/></w:tcPr><w:p>";
            if (cell.Alignment == paRight) xml += "<w:pPr><w:jc w:val=\"right\"/></w:pPr>";
            if (cell.Alignment == paCenter) xml += "<w:pPr><w:jc w:val=\"center\"/></w:pPr>";
            if (!cell.Text.empty()) xml += Runs(cell.Text);
            xml += "</w:p></w:tc>";
        }
        xml += "</w:tr>";
    }
    return xml + "</w:tbl>";
}

}  // namespace

struct TWordDocument::TImpl {
    TZipEntries Parts;
    TXmlDoc Doc;  // word/document.xml

    xmlNode* Body() const { return FirstChild(xmlDocGetRootElement(Doc.get()), "body"); }

    // A fragment of body XML as nodes of the document, inserted before `before` (or at the
    // body's end, ahead of the section properties).
    void Insert(const std::string& fragment, xmlNode* before)
    {
        TXmlDoc piece = ParseXmlPart(fragment, "word/document.xml", "the new document part");
        xmlNode* copy = xmlDocCopyNode(xmlDocGetRootElement(piece.get()), Doc.get(), 1);
        xmlNode* body = Body();
        if (!before) before = FirstChild(body, "sectPr");
        if (before) xmlAddPrevSibling(before, copy);
        else xmlAddChild(body, copy);
        xmlReconciliateNs(Doc.get(), copy);
    }

    xmlNode* FirstBodyElement() const
    {
        for (xmlNode* n = Body()->children; n; n = n->next)
            if (n->type == XML_ELEMENT_NODE) return n;
        return nullptr;
    }

    xmlNode* BookmarkParagraph(xmlNode* node, const std::string& name) const
    {
        for (xmlNode* n = node ? node->children : nullptr; n; n = n->next) {
            if (n->type != XML_ELEMENT_NODE) continue;
            if (std::string(reinterpret_cast<const char*>(n->name)) == "bookmarkStart" && Attribute(n, "name") == name)
                return node;
            if (xmlNode* found = BookmarkParagraph(n, name)) return found;
        }
        return nullptr;
    }
};

TWordDocument::TWordDocument() : FImpl(std::make_unique<TImpl>()) {}
TWordDocument::~TWordDocument() = default;
TWordDocument::TWordDocument(TWordDocument&&) noexcept = default;
TWordDocument& TWordDocument::operator=(TWordDocument&&) noexcept = default;

TWordDocument TWordDocument::Create()
{
    TWordDocument d;
    d.FImpl->Parts["[Content_Types].xml"] =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Override PartName=\"/word/document.xml\" "
        "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
        "</Types>";
    d.FImpl->Parts["_rels/.rels"] =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" "
        "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
        "Target=\"word/document.xml\"/></Relationships>";
    const std::string body = std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n") +
                             "<w:document xmlns:w=\"" + WordNs + "\"><w:body><w:sectPr/></w:body></w:document>";
    d.FImpl->Doc = ParseXmlPart(body, "word/document.xml", "the new document");
    return d;
}

TWordDocument TWordDocument::Open(const std::string& fileName)
{
    TWordDocument d;
    d.FImpl->Parts = ReadZipFile(fileName);
    auto part = d.FImpl->Parts.find("word/document.xml");
    if (part == d.FImpl->Parts.end()) throw EOfficeFileError("Incorrect document " + fileName + ": no document part");
    d.FImpl->Doc = ParseXmlPart(part->second, part->first, fileName);
    if (!d.FImpl->Body()) throw EOfficeFileError("Incorrect document " + fileName + ": no body");
    return d;
}

void TWordDocument::TypeParagraphAtStart(const std::string& text)
{
    const std::string p = std::string("<w:p xmlns:w=\"") + WordNs + "\">" + (text.empty() ? "" : Runs(text)) + "</w:p>";
    FImpl->Insert(p, FImpl->FirstBodyElement());
}

bool TWordDocument::BookmarkExists(const std::string& name) const
{
    return FImpl->BookmarkParagraph(FImpl->Body(), name) != nullptr;
}

void TWordDocument::AddTableAtStart(const std::vector<std::vector<TTableCell>>& rows)
{
    FImpl->Insert(TableXml(rows), FImpl->FirstBodyElement());
}

void TWordDocument::AddTableAtEnd(const std::vector<std::vector<TTableCell>>& rows)
{
    // A paragraph first, as a table cannot follow another table directly.
    FImpl->Insert(std::string("<w:p xmlns:w=\"") + WordNs + "\"/>", nullptr);
    FImpl->Insert(TableXml(rows), nullptr);
    FImpl->Insert(std::string("<w:p xmlns:w=\"") + WordNs + "\"/>", nullptr);
}

void TWordDocument::AddTableAtBookmark(const std::string& name, const std::vector<std::vector<TTableCell>>& rows)
{
    xmlNode* holder = FImpl->BookmarkParagraph(FImpl->Body(), name);
    if (!holder) throw EOfficeFileError("Bookmark " + name + " not found");
    // The block of the body that holds the bookmark; the table goes right after it.
    while (holder->parent && holder->parent != FImpl->Body()) holder = holder->parent;
    xmlNode* next = holder->next;
    while (next && next->type != XML_ELEMENT_NODE) next = next->next;
    FImpl->Insert(TableXml(rows), next);
}

void TWordDocument::SaveAs(const std::string& fileName)
{
    FImpl->Parts["word/document.xml"] = SerializeXml(FImpl->Doc.get());
    const std::string bytes = WriteZipBytes(FImpl->Parts);
    rtl::TSafeFileWriter writer(fileName);
    writer.Write(bytes);
    writer.Commit();
}

}  // namespace office
