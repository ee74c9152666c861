// The rich edit control: RTF written and read back, a hand-written RTF file read, typing with attributes, and painted runs.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/rtl/Exceptions.h"
#include "platform/ui/RichEdit.h"
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

}  // namespace
