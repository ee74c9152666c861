// Tests of the string grid's HTML and XHTML export and its clipboard "HTML Format".
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsRecords.h"
#include "grid/data/ExtGridHtmlExport.h"
#include "grid/foundation/ExtUtilHtml.h"
#include "grid/core/CellGraphics.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/ImageCodecs.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/JpegEncoder.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Clipboard.h"
#include "tests/grid/GridOnFormTest.h"
#include "tests/support/TempDir.h"

namespace {

class HtmlExportTest : public gridtest::GridInAppTest {
protected:
    void SetUp() override
    {
        GridInAppTest::SetUp();
        Grid->SetFixedCols(0);
        Grid->SetFixedRows(1);
    }
    void Fill(int Cols, int Rows)
    {
        Grid->SetColCount(Cols);
        Grid->SetRowCount(Rows);
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c) Grid->SetCells(c, r, std::string(1, static_cast<char>('A' + c)) + std::to_string(r));
    }
    std::string Html()
    {
        std::string text;
        Grid->SaveToHTMLString("", text);
        return text;
    }
    // The content of the first cell of data row 1 (the text between its tag and "</td>").
    std::string FirstDataCell()
    {
        const std::string text = Html();
        const std::size_t row = text.find("<tr>", text.find("<tr>") + 1);
        const std::size_t open = text.find('>', text.find("<td", row)) + 1;
        return text.substr(open, text.find("</td>", open) - open);
    }
    std::string Expected(const std::string& Name)
    {
        return testsupport::ReadFileBytes((testsupport::TestDataDir() / "grid" / "htmlexport" / Name).string());
    }
    testsupport::TempDir Dir;
};

// Header row with the fixed colour, data cells with their own colours, fonts and alignments,
// a block merged over two columns and two rows, a hidden column and a cell holding HTML.
TEST_F(HtmlExportTest, WritesStylesSpansAndCellsOfTheVisibleColumns)
{
    Fill(4, 4);
    Grid->SetCells(0, 0, "Name");
    Grid->SetCells(2, 1, "<b>bold</b> text");
    Grid->SetSaveWithHTML(true);
    Grid->SetCells(0, 3, " ");
    grid::TCellProperties* p = Grid->CellProperties(0, 1);
    p->SetBrushColor(gfx::clYellow);
    p->SetFontColor(gfx::clRed);
    p->SetFontStyle(gfx::TFontStyles{gfx::fsBold, gfx::fsItalic});
    p->SetAlignment(ui::taRightJustify);
    Grid->CellProperties(1, 1)->SetAlignment(ui::taCenter);
    Grid->CellProperties(1, 1)->SetVAlignment(grid::vtaBottom);
    Grid->CellProperties(1, 1)->SetWordWrap(false);
    Grid->MergeCells(1, 2, 2, 2);
    Grid->HideColumn(3);
    Grid->SaveToHTML(Dir.File("table.html"), false, true);
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("table.html")), Expected("table.html"));
}

TEST_F(HtmlExportTest, XhtmlDocumentCarriesPrologSettingsTextsAndHeaderWidths)
{
    Fill(2, 2);
    grid::THTMLSettings& hs = Grid->HTMLSettings();
    hs.SetXHTML(true);
    hs.SetHeaderText("<h1>Report</h1>");
    hs.SetPrefixTag("<div>");
    hs.SetSuffixTag("</div>");
    hs.SetFooterText("<p>end</p>");
    hs.SetSummary("yields");
    hs.SetTableStyle("style=\"x\"");
    hs.SetBorderSize(2);
    hs.SetCellSpacing(3);
    hs.SetCellPadding(4);
    hs.SetWidth(50);
    hs.ColWidths()->Add(80);
    Grid->SaveToHTML(Dir.File("x.html"), false, true);
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("x.html")), Expected("xhtml.html"));
}

// Without a header row the widths go to the data cells, counted from the first written column.
TEST_F(HtmlExportTest, ColumnWidthsGoToDataCellsWhenNoHeaderRowIsWritten)
{
    Fill(3, 2);
    Grid->SetFixedCols(1);
    Grid->SetSaveFixedCells(false);
    Grid->HTMLSettings().ColWidths()->Add(40);
    const std::string text = Html();
    EXPECT_EQ(text.find("B0"), std::string::npos);  // fixed row and column are left out
    EXPECT_EQ(text.find("A1"), std::string::npos);
    EXPECT_NE(text.find("<td class=\"c0\" width=40px>B1</td>"), std::string::npos) << text;
    EXPECT_NE(text.find("<td class=\"c0\">C1</td>"), std::string::npos) << text;
}

TEST_F(HtmlExportTest, CellTextRules)
{
    struct Case {
        const char* Text;
        bool UrlShow, UrlFull, NonBreaking, Special;
        const char* Cell;
    } const cases[] = {
        {"http://example.org/a", true, false, false, false, "<a href=\"http://example.org/a\">example.org/a</a>"},
        {"http://example.org/a", true, true, false, false, "<a href=\"http://example.org/a\">http://example.org/a</a>"},
        {"http://example.org/a", false, false, false, false, "http://example.org/a"},
        {"mailto:ann@example.org", true, false, false, false, "<a href=\"mailto:ann@example.org\">ann@example.org</a>"},
        {"see <i>http://x.org</i>", true, false, false, false, "see <i>http://x.org</i>"},
        {"two words", false, false, true, false, "two&nbsp;words"},
        {"a < b \xC3\xA9", false, false, false, true, "a &lt; b &eacute;"},
        {"line1\r\nline2", false, false, false, false, "line1<br>\nline2"},
        {"   ", false, false, false, false, "&nbsp;"},
        {"", false, false, false, false, "&nbsp;"},
    };
    Fill(1, 2);
    Grid->SetSaveWithHTML(true);
    for (const Case& k : cases) {
        Grid->SetCells(0, 1, k.Text);
        Grid->SetURLShow(k.UrlShow);
        Grid->SetURLFull(k.UrlFull);
        Grid->HTMLSettings().SetNonBreakingText(k.NonBreaking);
        Grid->HTMLSettings().SetConvertSpecialChars(k.Special);
        EXPECT_EQ(FirstDataCell(), k.Cell) << k.Text;
    }
}

TEST_F(HtmlExportTest, AsciiFileTurnsAccentedLettersIntoQuestionMarksUnlessEntitiesAreWritten)
{
    Fill(1, 2);
    Grid->SetCells(0, 1, "caf\xC3\xA9");
    Grid->SaveToHTML(Dir.File("a.html"));
    const std::string ascii = testsupport::ReadFileBytes(Dir.File("a.html"));
    EXPECT_NE(ascii.find(">caf?</td>"), std::string::npos);
    Grid->HTMLSettings().SetConvertSpecialChars(true);
    Grid->SaveToHTML(Dir.File("a.html"));
    EXPECT_NE(testsupport::ReadFileBytes(Dir.File("a.html")).find(">caf&eacute;</td>"), std::string::npos);
    Grid->SaveToHTML(Dir.File("u.html"), false, true);
    const std::string utf8 = testsupport::ReadFileBytes(Dir.File("u.html"));
    EXPECT_EQ(utf8.substr(0, 3), "\xEF\xBB\xBF");
}

TEST_F(HtmlExportTest, AppendKeepsExistingLinesBetweenHeaderAndFooterFiles)
{
    Fill(1, 2);
    testsupport::WriteFileBytes(Dir.File("head.txt"), "<html><body>\r\n");
    testsupport::WriteFileBytes(Dir.File("foot.txt"), "</body></html>\r\n");
    testsupport::WriteFileBytes(Dir.File("out.html"), "old line\r\n");
    Grid->HTMLSettings().SetHeaderFile(Dir.File("head.txt"));
    Grid->HTMLSettings().SetFooterFile(Dir.File("foot.txt"));
    Grid->AppendToHTML(Dir.File("out.html"));
    std::string doc;
    Grid->SaveToHTMLString(Dir.Path().string() + "/", doc);
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("out.html")),
              "old line\r\n<html><body>\r\n" + doc + "</body></html>\r\n");
}

TEST_F(HtmlExportTest, MissingHeaderFileFailsBeforeTheFileIsTouched)
{
    Fill(1, 2);
    testsupport::WriteFileBytes(Dir.File("out.html"), "kept\r\n");
    Grid->HTMLSettings().SetHeaderFile(Dir.File("missing.txt"));
    EXPECT_THROW(Grid->SaveToHTML(Dir.File("out.html")), rtl::EFOpenError);
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("out.html")), "kept\r\n");
}

TEST_F(HtmlExportTest, UnwritableFileRaisesTheCreateErrorNamingIt)
{
    Fill(1, 2);
    const std::string name = Dir.File("no-such-folder") + "/t.html";
    try {
        Grid->SaveToHTML(name);
        FAIL() << "no error";
    } catch (const rtl::EFCreateError& e) {
        EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
    }
}

// A bitmap of one colour.
std::unique_ptr<gfx::TBitmap> SolidBitmap(int W, int H, gfx::TColor Color)
{
    auto bmp = std::make_unique<gfx::TBitmap>();
    bmp->SetSize(W, H);
    bmp->Canvas().Brush().SetColor(Color);
    bmp->Canvas().FillRect(rtl::TRect{0, 0, W, H});
    return bmp;
}

// Pictures are numbered over the whole table; a drawn bitmap is encoded as JPEG, a JPEG
// picture is copied byte for byte.
TEST_F(HtmlExportTest, CellPicturesBecomeNumberedJpegFilesInTheImageFolder)
{
    Fill(2, 2);
    const auto red = SolidBitmap(16, 12, gfx::clRed);
    Grid->CreateCellGraphic(0, 1)->SetBitmap(red.get(), false, grid::haLeft, grid::vaTop);
    const std::unique_ptr<gfx::TBitmap> blue = SolidBitmap(8, 8, gfx::clBlue);
    std::vector<std::uint32_t> bluePixels;
    for (int y = 0; y < 8; ++y) bluePixels.insert(bluePixels.end(), blue->ScanLine(y), blue->ScanLine(y) + 8);
    const std::vector<std::uint8_t> jpeg = gfx::EncodeJpeg(8, 8, bluePixels.data(), 8);
    gfx::TPicture picture;
    picture.LoadFromBytes(jpeg);
    Grid->CreateCellGraphic(1, 1)->SetPicture(&picture, false, grid::noStretch, 0, grid::haLeft, grid::vaTop);

    const std::string folder = Dir.Path().string() + "/";
    std::string text;
    Grid->SaveToHTMLString(folder, text);
    EXPECT_NE(text.find(">A1<img src= \"file://" + folder + "images/img1.jpg\"></td>"), std::string::npos) << text;
    EXPECT_NE(text.find(">B1<img src= \"file://" + folder + "images/img2.jpg\"></td>"), std::string::npos) << text;

    const std::string img1 = testsupport::ReadFileBytes(Dir.File("images/img1.jpg"));
    gfx::TDecodedImage decoded;
    ASSERT_TRUE(gfx::DecodeJpeg(reinterpret_cast<const std::uint8_t*>(img1.data()), img1.size(), decoded));
    EXPECT_EQ(decoded.Width, 16);
    EXPECT_EQ(decoded.Height, 12);
    for (std::uint32_t px : decoded.Frames[0].Pixels) {
        ASSERT_GT((px >> 16) & 0xFF, 240U);
        ASSERT_LT((px >> 8) & 0xFF, 16U);
        ASSERT_LT(px & 0xFF, 16U);
    }
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("images/img2.jpg")), std::string(jpeg.begin(), jpeg.end()));
}

TEST_F(HtmlExportTest, ImageListCellsNeedTheListAndAValidIndex)
{
    Fill(3, 2);
    gfx::TImageList images(4, 4);
    images.Add(*SolidBitmap(4, 4, gfx::clLime));
    Grid->CreateCellGraphic(0, 1)->SetImageIdx(0, grid::haLeft, grid::vaTop);
    Grid->CreateCellGraphic(1, 1)->SetImageIdx(5, grid::haLeft, grid::vaTop);
    Grid->CreateCellGraphic(2, 1)->SetMultiImage(2, 1, 0, grid::haLeft, grid::vaTop, nullptr);
    Grid->HTMLSettings().SetImageFolder("pics");
    Grid->HTMLSettings().SetImageBaseName("p");
    const std::string folder = Dir.Path().string() + "/";

    std::string plain;
    Grid->SaveToHTMLString(folder, plain);  // no image list: texts only
    EXPECT_NE(plain.find(">A1</TD>"), std::string::npos) << plain;
    EXPECT_NE(plain.find(">B1</TD>"), std::string::npos) << plain;
    EXPECT_NE(plain.find(">C1</td>"), std::string::npos) << plain;

    Grid->SetGridImages(&images);
    auto* indexes = dynamic_cast<grid::TIntList*>(Grid->GetCellGraphic(2, 1)->CellBitmap());
    ASSERT_NE(indexes, nullptr);
    indexes->Add(0);
    indexes->Add(0);
    std::string text;
    Grid->SaveToHTMLString(folder, text);
    Grid->SetGridImages(nullptr);
    const std::string pics = "file://" + folder + "pics/";
    EXPECT_NE(text.find("><img src= \"" + pics + "p1.jpg\">A1</td>"), std::string::npos) << text;
    EXPECT_NE(text.find(">B1</TD>"), std::string::npos) << text;  // index beyond the list
    EXPECT_NE(text.find("><img src= \"" + pics + "p2.jpg\"><img src= \"" + pics + "p3.jpg\">C1</td>"),
              std::string::npos)
        << text;
    EXPECT_FALSE(testsupport::ReadFileBytes(Dir.File("pics/p3.jpg")).empty());
}

TEST_F(HtmlExportTest, PictureFolderThatCannotBeCreatedStopsTheExport)
{
    Fill(1, 2);
    const auto red = SolidBitmap(4, 4, gfx::clRed);
    Grid->CreateCellGraphic(0, 1)->SetBitmap(red.get(), false, grid::haLeft, grid::vaTop);
    testsupport::WriteFileBytes(Dir.File("images"), "a file in the way");
    std::string text;
    try {
        Grid->SaveToHTMLString(Dir.Path().string() + "/", text);
        FAIL() << "no error";
    } catch (const rtl::Exception& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create " + Dir.Path().string() + "/images");
    }
}

// Records the export hook's calls.
class TRecordingGrid : public grid::TExtStringGrid {
public:
    using grid::TExtStringGrid::TExtStringGrid;
    std::string Seen;
    void ExportNotification(TGridExportState AState, int ARow) override
    {
        Seen += std::to_string(static_cast<int>(AState)) + ":" + std::to_string(ARow) + " ";
    }
};

TEST_F(HtmlExportTest, ExportNotificationsFrameTheDataRows)
{
    auto* recorder = new TRecordingGrid(nullptr);
    Grid.reset(recorder);
    Grid->SetFixedCols(0);
    Grid->SetFixedRows(1);
    Fill(1, 3);
    Html();
    using G = grid::TExtStringGrid;
    EXPECT_EQ(recorder->Seen, std::to_string(G::esExportStart) + ":1 " + std::to_string(G::esExportNextRow) + ":1 " +
                                  std::to_string(G::esExportNextRow) + ":2 " + std::to_string(G::esExportDone) + ":-1 ");
}

TEST_F(HtmlExportTest, ClipboardGetsTheWrappedDocumentAsHtmlFormatAndText)
{
    Fill(2, 2);
    Grid->SetCells(1, 1, "x\xC3\xA9");
    std::string block = Html();
    grid::BuildClipboardHtml(block);
    Grid->CopyToClipBoardAsHTML();
    const std::string data = ui::Clipboard().GetData(grid::HtmlClipboardFormat());
    EXPECT_EQ(data, block);
    EXPECT_EQ(data.back(), '>');  // no terminating zero
    EXPECT_NE(data.find("<!--StartFragment--><style>"), std::string::npos);
    EXPECT_NE(data.find("x\xC3\xA9"), std::string::npos);  // UTF-8
    EXPECT_EQ(ui::Clipboard().AsText(), block);
    EXPECT_EQ(grid::HtmlClipboardFormat(), ui::RegisterClipboardFormat("HTML Format"));
}

}  // namespace
