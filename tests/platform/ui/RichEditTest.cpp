// The rich edit control: RTF written and read back, a hand-written RTF file read, typing with attributes, and painted runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "platform/rtl/Exceptions.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/RichTextLayout.h"
#include "platform/gfx/Canvas.h"
#include <cairo.h>
#include "tests/platform/ui/UiTestSupport.h"
#include "tests/support/TempDir.h"

namespace {

using ui::TRichCharFormat;

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// A document of two paragraphs: "Soil data" (bold "Soil", centred) and "red x2 under"
// (Times New Roman 14, red, a superscript 2, underlined last word, right-aligned).
ui::TRichText FormattedText()
{
    ui::TRichText doc;
    auto add = [&doc](const std::u32string& text, const TRichCharFormat& f) {
        doc.Text += text;
        doc.Formats.insert(doc.Formats.end(), text.size(), f);
    };
    TRichCharFormat bold;
    bold.Style.Include(gfx::fsBold);
    add(U"Soil", bold);
    add(U" data \u0151{\\}", TRichCharFormat{});
    add(U"\n", TRichCharFormat{});
    TRichCharFormat red{"Times New Roman", 14, {}, gfx::clRed, 0};
    add(U"red x", red);
    TRichCharFormat super = red;
    super.Offset = 40;
    add(U"2", super);
    TRichCharFormat under = red;
    under.Style.Include(gfx::fsUnderline);
    under.Style.Include(gfx::fsItalic);
    add(U" under", under);
    doc.ParagraphAlignment = {ui::taCenter, ui::taRightJustify};
    return doc;
}

TEST(RichEditRtf, FormattedTextSurvivesTheRoundTrip)
{
    const ui::TRichText doc = FormattedText();
    const std::string rtf = ui::RichTextToRtf(doc);
    EXPECT_TRUE(ui::IsRtf(rtf));
    const ui::TRichText back = ui::RtfToRichText(rtf);
    EXPECT_EQ(back.Text, doc.Text);
    ASSERT_EQ(back.Formats.size(), doc.Formats.size());
    for (std::size_t i = 0; i < doc.Formats.size(); ++i) {
        if (doc.Text[i] != U'\n') {
            EXPECT_EQ(back.Formats[i], doc.Formats[i]) << "character " << i;
        }
    }
    EXPECT_EQ(back.ParagraphAlignment, doc.ParagraphAlignment);
    EXPECT_EQ(ui::RichTextToRtf(back), rtf);  // written again, byte for byte the same
}

TEST(RichEditRtf, WrittenRtfHasTheTablesAndWordsOtherReadersExpect)
{
    const std::string rtf = ui::RichTextToRtf(FormattedText());
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi", 0), 0u);
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}}"), std::string::npos);
    EXPECT_NE(rtf.find("\\red255\\green0\\blue0;"), std::string::npos);
    EXPECT_NE(rtf.find("\\pard\\qc"), std::string::npos);
    EXPECT_NE(rtf.find("\\pard\\qr"), std::string::npos);
    EXPECT_NE(rtf.find("\\u337\\'f5"), std::string::npos);  // ő as Unicode and as its code page byte
    EXPECT_NE(rtf.find("\\{\\\\\\}"), std::string::npos);
    EXPECT_EQ(rtf.back(), '}');
}

TEST(RichEditRtf, HandWrittenFileIsRead)
{
    const ui::TRichText doc = ui::RtfToRichText(ReadFile(testsupport::TestDataDir() / "richedit" / "sample.rtf"));
    EXPECT_EQ(doc.PlainText(), "Talaj adatok\r\npiros al\u00e1h\u00fazott sz\u00f6veg\r\nH2O {x}");
    ASSERT_EQ(doc.ParagraphAlignment.size(), 3u);
    EXPECT_EQ(doc.ParagraphAlignment[0], ui::taCenter);
    EXPECT_EQ(doc.ParagraphAlignment[1], ui::taRightJustify);
    EXPECT_EQ(doc.ParagraphAlignment[2], ui::taLeftJustify);
    const TRichCharFormat& t = doc.Formats[0];  // "T" of Talaj
    EXPECT_EQ(t.FontName, "Arial");
    EXPECT_EQ(t.Size, 12);
    EXPECT_TRUE(t.Style.Contains(gfx::fsBold));
    const std::size_t piros = doc.Text.find(U"piros");
    EXPECT_EQ(doc.Formats[piros].FontName, "Times New Roman");
    EXPECT_EQ(doc.Formats[piros].Size, 10);
    EXPECT_EQ(doc.Formats[piros].Color, gfx::clRed);
    EXPECT_FALSE(doc.Formats[piros].Style.Contains(gfx::fsBold));
    const std::size_t underlined = doc.Text.find(U"al\u00e1h");
    EXPECT_TRUE(doc.Formats[underlined].Style.Contains(gfx::fsUnderline));
    const std::size_t after = doc.Text.find(U"sz");
    EXPECT_FALSE(doc.Formats[after].Style.Contains(gfx::fsUnderline));
    EXPECT_EQ(doc.Formats[after].Color, gfx::clBlack);
    EXPECT_EQ(doc.Formats[doc.Text.find(U"2O")].Offset, -40);
    EXPECT_EQ(doc.Formats[doc.Text.find(U"O {")].Offset, 0);
}

TEST(RichEditRtf, TextThatIsNoRtfIsRefusedWithItsStart)
{
    try {
        ui::RtfToRichText("plain words");
        FAIL() << "no error";
    } catch (const rtl::EConvertError& e) {
        EXPECT_NE(e.Message().find("plain words"), std::string::npos);
    }
}

class RichEditControlTest : public uitest::UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Form = NewForm(300, 200);
        Edit = new ui::TRichEdit(Form);
        Edit->SetParent(Form);
        Edit->SetBounds(0, 0, 280, 120);
        Form->Show();
        Edit->SetFocus();
    }
    ui::TForm* Form = nullptr;
    ui::TRichEdit* Edit = nullptr;
};

TEST_F(RichEditControlTest, TypingTakesTheCurrentAttributesAndSavesAsRtf)
{
    ui::THeadlessBackend::TypeText("ab");
    Edit->SetSelStyle(gfx::fsBold, true);
    ui::THeadlessBackend::TypeText("CD");
    ui::THeadlessBackend::PressKey(ui::VK_RETURN);
    ui::THeadlessBackend::TypeText("e");
    ui::THeadlessBackend::PressKey(ui::VK_BACK);
    ui::THeadlessBackend::TypeText("f");
    EXPECT_EQ(Edit->Text(), "abCD\r\nf");
    const ui::TRichText doc = ui::RtfToRichText(Edit->RtfText());
    EXPECT_FALSE(doc.Formats[1].Style.Contains(gfx::fsBold));
    EXPECT_TRUE(doc.Formats[2].Style.Contains(gfx::fsBold));
    EXPECT_TRUE(doc.Formats[5].Style.Contains(gfx::fsBold));
}

TEST_F(RichEditControlTest, SelectionOffsetsAndAlignment)
{
    Edit->SetText("H2O");
    Edit->SetSel(1, 1);
    Edit->SelSuperscript();
    EXPECT_TRUE(Edit->IsSelSuperscript());
    EXPECT_FALSE(Edit->IsSelNormal());
    Edit->SelSubscript();
    EXPECT_TRUE(Edit->IsSelSubscript());
    Edit->SelNormal();
    EXPECT_TRUE(Edit->IsSelNormal());
    Edit->SetParaAlignment(ui::taRightJustify);
    EXPECT_EQ(ui::RtfToRichText(Edit->RtfText()).ParagraphAlignment[0], ui::taRightJustify);
    Edit->SetRtfText("not rtf");  // loaded as plain text
    EXPECT_EQ(Edit->Text(), "not rtf");
}

// The red, right-aligned word is painted at the right edge in red; nothing red on the left.
TEST_F(RichEditControlTest, PaintsRunsInTheirColourAtTheirAlignment)
{
    Edit->SetText("WWWW");
    Edit->SelectAll();
    Edit->SetSelColor(gfx::clRed);
    Edit->SetSelSize(20);
    Edit->SetParaAlignment(ui::taRightJustify);
    Form->PaintPending();
    auto redIn = [&](int x0, int x1) {
        for (int x = x0; x < x1; ++x)
            for (int y = 0; y < 40; ++y) {
                const std::int32_t p = ui::THeadlessBackend::Pixel(Edit, x, y);
                if ((p & 0xFF) > 200 && ((p >> 8) & 0xFF) < 80 && ((p >> 16) & 0xFF) < 80) return true;
            }
        return false;
    };
    EXPECT_TRUE(redIn(180, 280));
    EXPECT_FALSE(redIn(0, 100));
}

// A transparent rich edit leaves the pixels beneath its text as they were: nothing of its
// own window colour is painted.
TEST_F(RichEditControlTest, TransparentEditPaintsNoBackground)
{
    Form->SetColor(gfx::clLime);
    Edit->SetColor(gfx::clWhite);
    Edit->SetText("x");
    Edit->SetTransparent(true);
    Form->Invalidate();
    Form->PaintPending();
    EXPECT_EQ(static_cast<gfx::TColor>(ui::THeadlessBackend::Pixel(Edit, 200, 100)) & 0xFFFFFF, gfx::clLime);
    Edit->SetTransparent(false);
    Form->Invalidate();
    Form->PaintPending();
    EXPECT_EQ(static_cast<gfx::TColor>(ui::THeadlessBackend::Pixel(Edit, 200, 100)) & 0xFFFFFF, gfx::clWhite);
}

// Drawing into a plain bitmap canvas: word wrap, paragraph alignment and the clip.
class RichTextDrawTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 400, 200);
        Canvas = std::make_unique<gfx::TCanvas>(Surface);
        Clear();
    }
    void TearDown() override
    {
        Canvas.reset();
        cairo_surface_destroy(Surface);
    }
    void Clear()
    {
        Canvas->Brush().SetStyle(gfx::bsSolid);
        Canvas->Brush().SetColor(gfx::clWhite);
        Canvas->FillRect({0, 0, 400, 200});
    }
    // Rows (y) holding ink, and the leftmost and rightmost ink columns.
    struct TInk {
        int Rows = 0, Left = 1 << 30, Right = -1, Top = 1 << 30, Bottom = -1;
    };
    TInk Ink() const
    {
        TInk ink;
        for (int y = 0; y < 200; ++y) {
            bool row = false;
            for (int x = 0; x < 400; ++x) {
                if ((Canvas->Pixels(x, y) & 0xFFFFFF) == gfx::clWhite) continue;
                row = true;
                ink.Left = std::min(ink.Left, x);
                ink.Right = std::max(ink.Right, x);
                ink.Top = std::min(ink.Top, y);
                ink.Bottom = std::max(ink.Bottom, y);
            }
            ink.Rows += row;
        }
        return ink;
    }
    static ui::TRichText Doc(const std::string& text)
    {
        ui::TRichEdit edit(nullptr);
        edit.SetText(text);
        return edit.Document();
    }
    cairo_surface_t* Surface = nullptr;
    std::unique_ptr<gfx::TCanvas> Canvas;
};

TEST_F(RichTextDrawTest, WordWrapBreaksBetweenWordsAtTheRectangleWidth)
{
    const ui::TRichText doc = Doc("alpha beta gamma delta");
    ui::TRichDrawOptions options;
    const rtl::TSize oneLine = ui::MeasureRichText(*Canvas, doc, 80, options);
    options.WordWrap = true;
    const rtl::TSize wrapped = ui::MeasureRichText(*Canvas, doc, 80, options);
    EXPECT_GT(oneLine.cx, 80);
    EXPECT_LE(wrapped.cx, 80 + Canvas->TextWidth(" "));
    EXPECT_GE(wrapped.cy, 2 * oneLine.cy);

    ui::DrawRichText(*Canvas, doc, {0, 0, 80, 200}, options);
    const TInk ink = Ink();
    EXPECT_LT(ink.Right, 80);
    EXPECT_GE(ink.Bottom - ink.Top, oneLine.cy);  // more than one line of ink
}

TEST_F(RichTextDrawTest, ParagraphsArePlacedByTheirAlignmentAndClippedToTheRectangle)
{
    ui::TRichText doc = Doc("WW");
    ui::TRichDrawOptions options;
    const rtl::TSize size = ui::MeasureRichText(*Canvas, doc, 400, options);
    struct TCase {
        ui::TAlignment Alignment;
        int ExpectedLeft;
    };
    for (const TCase& c : {TCase{ui::taLeftJustify, 100}, TCase{ui::taCenter, 100 + (200 - size.cx) / 2},
                           TCase{ui::taRightJustify, 300 - size.cx}}) {
        Clear();
        doc.ParagraphAlignment[0] = c.Alignment;
        ui::DrawRichText(*Canvas, doc, {100, 10, 300, 100}, options);
        const TInk ink = Ink();
        EXPECT_NEAR(ink.Left, c.ExpectedLeft, 3) << c.Alignment;
        EXPECT_LE(ink.Right, 300);
    }
    // Only the top half of the line fits the rectangle: nothing is drawn below it.
    Clear();
    ui::DrawRichText(*Canvas, doc, {100, 10, 300, 10 + size.cy / 2}, options);
    const TInk ink = Ink();
    EXPECT_GT(ink.Rows, 0);
    EXPECT_LT(ink.Bottom, 10 + size.cy / 2);
}

}  // namespace
