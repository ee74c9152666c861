// The string grid's HTML and XHTML export: the document text, the files and the clipboard's "HTML Format".
#include "grid/data/ExtGridHtmlExport.h"

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsRecords.h"
#include "grid/foundation/EsgHTMLEUtil.h"
#include "grid/foundation/ExtUtilHtml.h"
#include "grid/foundation/ExtUtilText.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/JpegEncoder.h"
#include "platform/rtl/StrUtils.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Clipboard.h"

extern char** environ;

namespace grid {

unsigned HtmlClipboardFormat()
{
    static const unsigned format = ui::RegisterClipboardFormat("HTML Format");
    return format;
}

namespace {

// A colour the export has not been given: the look starts from it and writes no colour then.
constexpr gfx::TColor kColorNotSet = 0x7FFFFFFF;

bool ColorIsSet(gfx::TColor c) { return c != kColorNotSet && c != clGridNone && c != gfx::clNone; }

constexpr const char* kCrLf = "\r\n";

std::string Quoted(const std::string& v) { return "\"" + v + "\""; }

std::string Attribute(const std::string& name, const std::string& value) { return name + "=" + Quoted(value); }

// The anchor of a link: the whole text as the reference, the label after the prefix unless
// the full text is wanted (a URL label is cut to 255 characters).
std::string Anchor(const std::string& text, std::size_t labelStart, bool full, bool cut)
{
    std::string label = full ? text : text.substr(labelStart);
    if (cut && !full && rtl::Utf8Length(label) > 255) label = rtl::Utf8Copy(label, 1, 255);
    return "<a href=" + Quoted(text) + ">" + label + "</a>";
}

// XHTML is XML: markup characters of a text are escaped, and only the entities XML knows or
// numeric character references are written.
std::string XmlEscaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

// Every character outside 7-bit ASCII as a numeric character reference.
std::string NonAsciiAsReferences(std::string_view text)
{
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        const int length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        char32_t cp = length == 1 ? c : c & (0xFF >> (length + 1));
        for (int k = 1; k < length && i + k < text.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        out += "&#" + std::to_string(static_cast<unsigned>(cp)) + ";";
        i += static_cast<std::size_t>(length);
    }
    return out;
}

// Line breaks (CR LF, CR or LF) as closed "<br />" elements.
std::string LineBreaksToXhtml(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += "<br />";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string XhtmlAnchor(const std::string& text, std::size_t labelStart, bool full, bool cut)
{
    std::string label = full ? text : text.substr(labelStart);
    if (cut && !full && rtl::Utf8Length(label) > 255) label = rtl::Utf8Copy(label, 1, 255);
    return "<a href=" + Quoted(XmlEscaped(text)) + ">" + XmlEscaped(label) + "</a>";
}

bool BlanksOnly(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

// Every character outside 7-bit ASCII becomes one "?".
std::string ToAscii(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text) {
        if (c < 0x80) out.push_back(static_cast<char>(c));
        else if ((c & 0xC0) != 0x80) out.push_back('?');
    }
    return out;
}

// The lines of a text separated by CR LF; a closing CR LF adds no empty line.
void AddCrLfLines(rtl::TStringList& lines, const std::string& text)
{
    std::size_t pos = 0;
    for (std::size_t hit; (hit = text.find(kCrLf, pos)) != std::string::npos; pos = hit + 2)
        lines.Add(text.substr(pos, hit - pos));
    if (pos < text.size()) lines.Add(text.substr(pos));
}

// Opens a file with the desktop's default application. A shell starts the opener in the
// background and ends at once, so nothing is left waiting for the browser.
void ShellOpen(const std::string& fileName)
{
    const char* argv[] = {"sh", "-c", "xdg-open \"$0\" >/dev/null 2>&1 &", fileName.c_str(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, "sh", nullptr, nullptr, const_cast<char* const*>(argv), environ) == 0)
        waitpid(pid, nullptr, 0);
}

// The distinct cell styles in order of first use; a style's number is found by hashing,
// so tables with many looks stay fast.
class TStyleList {
public:
    int IndexOf(const std::string& style)
    {
        const auto [it, added] = FIndex.try_emplace(style, static_cast<int>(FStyles.size()));
        if (added) FStyles.push_back(style);
        return it->second;
    }
    const std::vector<std::string>& Styles() const { return FStyles; }

private:
    std::vector<std::string> FStyles;
    std::unordered_map<std::string, int> FIndex;
};

// Writes a picture as the next numbered JPEG file in the picture folder below Folder and
// answers its path. A JPEG graphic keeps its bytes; any other is drawn at its own size.
std::string ExportCellImage(const gfx::TGraphic& Graphic, int& Number, const std::string& Folder,
                            const THTMLSettings& Settings)
{
    const std::string dir = Folder + Settings.ImageFolder();
    if (!rtl::DirectoryExists(dir) && !rtl::ForceDirectories(dir)) throw rtl::Exception("Cannot create " + dir);
    const std::string path = dir + "/" + Settings.ImageBaseName() + std::to_string(Number) + ".jpg";
    const auto* raster = dynamic_cast<const gfx::TRasterImage*>(&Graphic);
    if (raster != nullptr && raster->Format() == gfx::TImageFormat::Jpeg) {
        Graphic.SaveToFile(path);
    } else {
        const int w = Graphic.Width();
        const int h = Graphic.Height();
        gfx::TBitmap bitmap;
        bitmap.SetSize(w, h);
        bitmap.Canvas().Brush().SetColor(gfx::clWhite);
        bitmap.Canvas().FillRect(rtl::TRect{0, 0, w, h});
        Graphic.Draw(bitmap.Canvas(), rtl::TRect{0, 0, w, h});
        std::vector<std::uint32_t> pixels;
        pixels.reserve(static_cast<std::size_t>(w) * static_cast<std::size_t>(std::max(h, 0)));
        for (int y = 0; y < h; ++y) pixels.insert(pixels.end(), bitmap.ScanLine(y), bitmap.ScanLine(y) + w);
        const std::vector<std::uint8_t> jpeg = gfx::EncodeJpeg(w, h, pixels.data(), w);
        rtl::TFileStream file(path, rtl::fmCreate);
        file.WriteBuffer(jpeg.data(), static_cast<long long>(jpeg.size()));
        file.Commit();
    }
    ++Number;
    return path;
}

std::string ImageTag(const std::string& path, bool xhtml)
{
    if (xhtml) return "<img src=\"file://" + XmlEscaped(path) + "\" alt=\"\" />";
    return "<img src= \"file://" + path + "\">";
}

// The graphic a cell's bitmap or picture object stands for.
const gfx::TGraphic* GraphicOf(rtl::TObject* object)
{
    if (const auto* picture = dynamic_cast<const gfx::TPicture*>(object)) return picture->Graphic();
    return dynamic_cast<const gfx::TGraphic*>(object);
}

}  // namespace

// The look starts with no colours and no font style; the cell's own properties and the
// colour hook fill it in, so only what was given to the cell becomes part of its class.
std::string TExtStringGrid::HtmlCellStyle(int ACol, int ARow, bool FixedLook)
{
    gfx::TBrush brush;
    gfx::TFont font;
    font.Assign(&Font());
    brush.SetColor(kColorNotSet);
    font.SetColor(kColorNotSet);
    font.SetStyle(gfx::TFontStyles{});
    ui::TAlignment ha = FDefaultAlignment;
    TVAlignment va = FVAlignment;
    if (HasCellProperties(ACol, ARow)) {
        const TCellProperties* p = GetCellPropsDirect(ACol, ARow);
        if (!p->FontName().empty()) font.SetName(p->FontName());
        if (p->FontSize() != 0) font.SetHeight(p->FontSize());
        font.SetStyle(p->FontStyle());
        font.SetColor(p->FontColor());
        brush.SetColor(p->BrushColor());
        ha = p->Alignment();
        va = p->VAlignment();
    }
    const ui::TGridDrawState state = FixedLook ? ui::TGridDrawState{ui::gdFixed} : ui::TGridDrawState{0};
    GetCellColor(ACol, ARow, state, &brush, &font);
    GetCellAlignment(ACol, ARow, ha, va);
    if (FixedLook) brush.SetColor(FixedColor());

    std::vector<std::string> parts;
    const THTMLSettings& hs = HTMLSettings();
    // System colours are written as the colour they stand for.
    if (hs.SaveColor() && ColorIsSet(brush.Color()))
        parts.push_back("background-color: #" + ColorToHtmlHex(gfx::ColorToRGB(brush.Color())));
    if (hs.SaveColor() && ColorIsSet(font.Color()))
        parts.push_back("color: #" + ColorToHtmlHex(gfx::ColorToRGB(font.Color())));
    parts.push_back("font-size:" + std::to_string(font.Size()) + "pt");
    if (font.Style().Contains(gfx::fsItalic)) parts.push_back("font-style: italic");
    if (font.Style().Contains(gfx::fsBold)) parts.push_back("font-weight: bold");
    parts.push_back("font-family: " + font.Name());
    if (ha == ui::taRightJustify) parts.push_back("text-align: right");
    if (ha == ui::taCenter) parts.push_back("text-align: center");
    static const char* const kVertical[] = {"vertical-align: top", "vertical-align: middle", "vertical-align: bottom"};
    parts.push_back(kVertical[std::min<int>(va, 2)]);

    std::string style;
    for (const std::string& part : parts) {
        if (!style.empty()) style += ";";
        style += part;
    }
    return style;
}

// XHTML cell text is the cell's text as text: escaped, with numeric references for special
// characters and non-breaking blanks, closed line-break elements and escaped links, so that
// the document is well-formed XML whatever the cells hold.
std::string TExtStringGrid::XhtmlCellText(int ACol, int ARow, bool DataRow)
{
    const THTMLSettings& hs = HTMLSettings();
    const std::string raw = SaveCellText(ACol, ARow);
    if (URLShow() && raw.find("</") == std::string::npos) {
        if (const std::size_t p = raw.find("mailto:"); p != std::string::npos) return XhtmlAnchor(raw, p + 7, URLFull(), false);
        if (const std::size_t p = raw.find("://"); p != std::string::npos) return XhtmlAnchor(raw, p + 3, URLFull(), true);
    }
    if (raw.empty() || (DataRow && BlanksOnly(raw))) return "&#160;";
    std::string text = XmlEscaped(raw);
    if (hs.ConvertSpecialChars()) text = NonAsciiAsReferences(text);
    if (hs.NonBreakingText()) rtl::ReplaceAllInPlace(text, " ", "&#160;");
    return LineBreaksToXhtml(text);
}

std::string TExtStringGrid::HtmlCellText(int ACol, int ARow, bool DataRow)
{
    const THTMLSettings& hs = HTMLSettings();
    if (hs.XHTML()) return XhtmlCellText(ACol, ARow, DataRow);
    std::string text = SaveCellText(ACol, ARow);
    if (hs.ConvertSpecialChars()) text = HtmlEncodeEntities(text, true);
    if (hs.NonBreakingText()) text = SpacesToNbsp(text);
    text = LineBreaksToHtml(text);
    if (URLShow() && text.find("</") == std::string::npos) {
        const std::string before = text;
        if (const std::size_t p = before.find("://"); p != std::string::npos)
            text = Anchor(before, p + 3, URLFull(), true);
        if (const std::size_t p = before.find("mailto:"); p != std::string::npos)
            text = Anchor(before, p + 7, URLFull(), false);
    }
    if (text.empty() || (DataRow && BlanksOnly(text))) text = "&nbsp;";
    return text;
}

// The cell's content with its pictures; Closing receives the closing tag of the cell.
std::string TExtStringGrid::HtmlCellContent(int ACol, int ARow, const std::string& Text, const std::string& Folder,
                                            int& PictureNo, std::string& Closing)
{
    Closing = "</td>";
    const THTMLSettings& hs = HTMLSettings();
    if (!hs.ExportImages() || !HasCellProperties(ACol, ARow)) return Text;
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) return Text;
    const auto image = [&](const gfx::TGraphic* graphic) {
        return graphic != nullptr ? ImageTag(ExportCellImage(*graphic, PictureNo, Folder, hs), hs.XHTML()) : std::string();
    };
    const auto listImage = [&](const gfx::TImageList& list, int index) {
        gfx::TBitmap bitmap;
        list.GetBitmap(index, bitmap);
        return image(&bitmap);
    };
    gfx::TImageList* list = GetCellImageList(ACol, ARow);
    switch (g->CellType()) {
    case ctBitmap:
    case ctPicture:
    case ctInterface:
        return Text + image(GraphicOf(g->CellBitmap()));
    case ctImageList:
        if (list != nullptr && g->CellIndex() >= 0 && g->CellIndex() < list->Count())
            return listImage(*list, g->CellIndex()) + Text;
        if (!hs.XHTML()) Closing = "</TD>";
        return Text;
    case ctDataImage: {
        const int index = rtl::StrToIntDef(GetCellEx(ACol, ARow), -1);
        if (list != nullptr && index >= 0 && index < list->Count()) return listImage(*list, index);
        return Text;
    }
    case ctImages: {
        const auto* indexes = dynamic_cast<const TIntList*>(g->CellBitmap());
        if (list == nullptr || indexes == nullptr) return Text;
        std::string out;
        for (int i = 0; i < indexes->Count(); ++i)
            if ((*indexes)[i] >= 0 && (*indexes)[i] < list->Count()) out += listImage(*list, (*indexes)[i]);
        return out + Text;
    }
    case ctNode:
        return "+" + Text;
    default:
        return Text;
    }
}

void TExtStringGrid::SaveToHTMLString(const std::string& Folder, std::string& Text)
{
    const THTMLSettings& hs = HTMLSettings();
    const int fc = FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols();
    const int fr = FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows();
    const bool headerRow = FixedRows() > 0 && (FSaveFixedCells || FSaveFixedRows);
    const int firstDataRow = headerRow ? 1 : fr;
    TIntList& widths = *hs.ColWidths();

    TStyleList styles;
    int pictureNo = 1;
    std::string body;
    body += "<table " + Attribute("border", std::to_string(hs.BorderSize())) + " " +
            Attribute("cellspacing", std::to_string(hs.CellSpacing())) + " " +
            Attribute("cellpadding", std::to_string(hs.CellPadding())) + " ";
    if (!hs.Summary().empty()) body += Attribute("summary", hs.Summary()) + " ";
    if (!hs.TableStyle().empty()) body += " " + hs.TableStyle() + " ";
    body += " " + Attribute("width", std::to_string(hs.Width()) + "%") + ">" + kCrLf;

    auto writeRow = [&](int r, bool isHeader) {
        body += std::string("<tr>") + kCrLf;
        for (int c = fc; c < ColCount(); ++c) {
            int baseCol = c;
            int baseRow = r;
            if (!GetBaseCellPos(c, r, baseCol, baseRow)) continue;
            const std::string text = HtmlCellText(c, r, !isHeader);
            const bool fixedLook = isHeader || c < FixedCols();
            const int styleNo = styles.IndexOf(HtmlCellStyle(c, r, fixedLook));
            std::string cell = "<td " + Attribute("class", "c" + std::to_string(styleNo));
            const rtl::TPoint span = CellSpan(c, r);
            if (span.X > 0) cell += " " + Attribute("colspan", std::to_string(span.X + 1));
            if (span.Y > 0) cell += " " + Attribute("rowspan", std::to_string(span.Y + 1));
            bool wrap = WordWrap();
            if (HasCellProperties(c, r)) wrap = GetCellPropsDirect(c, r)->WordWrap();
            if (!wrap) cell += " " + Attribute("nowrap", "nowrap");
            int widthIndex = -1;
            if (isHeader) widthIndex = c;
            else if (!headerRow) widthIndex = c - fc;
            if (widthIndex >= 0 && widthIndex < widths.Count()) {
                const std::string width = std::to_string(widths[widthIndex]) + "px";
                cell += " width=" + (hs.XHTML() ? Quoted(width) : width);
            }
            std::string closing;
            const std::string content = HtmlCellContent(c, r, text, Folder, pictureNo, closing);
            body += cell + ">" + content + closing + kCrLf;
        }
        body += std::string("</tr>") + kCrLf;
    };

    ExportNotification(esExportStart, firstDataRow);
    if (headerRow) writeRow(0, true);
    for (int r = firstDataRow; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        writeRow(r, false);
    }
    ExportNotification(esExportDone, -1);
    body += std::string("</table>") + kCrLf;
    if (!hs.SuffixTag().empty()) body += hs.SuffixTag() + kCrLf;
    if (!hs.FooterText().empty()) body += hs.FooterText() + kCrLf;
    if (hs.XHTML()) body += std::string("</html>") + kCrLf;

    std::string doc;
    if (hs.XHTML()) {
        doc += "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n";
        doc += "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"\r\n";
        doc += "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\r\n";
        doc += "<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">\r\n";
    }
    doc += hs.HeaderText() + hs.PrefixTag();
    doc += std::string("<style>") + kCrLf;
    for (std::size_t i = 0; i < styles.Styles().size(); ++i)
        doc += ".c" + std::to_string(i) + " {" + styles.Styles()[i] + "}" + kCrLf;
    doc += std::string("</style>") + kCrLf;
    doc += body;
    Text = std::move(doc);
}

void TExtStringGrid::SaveToHTML(const std::string& FileName, bool Show, bool Unicode)
{
    SaveHTMLInternal(FileName, false, Show, Unicode);
}

void TExtStringGrid::AppendToHTML(const std::string& FileName, bool Show, bool Unicode)
{
    SaveHTMLInternal(FileName, true, Show, Unicode);
}

// The whole file is built in memory before it is created, so a missing header or footer
// file or a failing export leaves an existing file as it was.
void TExtStringGrid::SaveHTMLInternal(const std::string& FileName, bool Append, bool Show, bool Unicode)
{
    const THTMLSettings& hs = HTMLSettings();
    rtl::TStringList lines;
    if (Append && rtl::FileExists(FileName)) {
        try {
            lines.LoadFromFile(FileName);
        } catch (const rtl::Exception&) {
            lines.Clear();
        }
    }
    if (!hs.HeaderFile().empty()) {
        rtl::TStringList header;
        header.LoadFromFile(hs.HeaderFile());
        lines.AddStrings(header);
    }
    std::string folder = rtl::ExtractFilePath(FileName);
    std::replace(folder.begin(), folder.end(), '\\', '/');
    std::string doc;
    SaveToHTMLString(folder, doc);
    AddCrLfLines(lines, doc);
    if (!hs.FooterFile().empty()) {
        rtl::TStringList footer;
        footer.LoadFromFile(hs.FooterFile());
        lines.AddStrings(footer);
    }
    const std::string bytes = Unicode ? rtl::EncodeText(lines.Text(), Encoding()) : ToAscii(lines.Text());
    {
        rtl::TFileStream file(FileName, rtl::fmCreate);
        file.WriteBuffer(bytes.data(), static_cast<long long>(bytes.size()));
        file.Commit();
    }
    if (Show || hs.AutoPreview()) ShellOpen(FileName);
}

// The clipboard gets the block both as "HTML Format" and as text.
void TExtStringGrid::CopyToClipBoardAsHTML()
{
    std::string html;
    SaveToHTMLString("", html);
    BuildClipboardHtml(html);
    ui::TClipboard& cb = ui::Clipboard();
    cb.Open();
    try {
        cb.SetData(HtmlClipboardFormat(), html);
        cb.SetAsText(html);
    } catch (...) {
        cb.Close();
        throw;
    }
    cb.Close();
}

}  // namespace grid
