// A form description holding an image list that a drop-down names as its Images: the list is
// read from its binary image-list stream and the header paints its image from it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtBars.h"
#include "grid/dropdown/ExtDropDownEdit.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrlsRegistration.h"
#include "tests/grid/dropdown/FormDescriptionFixture.h"

namespace {

using namespace grid;
using ui::THeadlessBackend;

constexpr gfx::TColor Green = 0x00C000;
constexpr gfx::TColor Magenta = 0xC000C0;

void Put16(std::vector<std::uint8_t>& out, unsigned v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// A 1-bit BMP file, bottom-up, palette black then white; `white(x, y)` sets a bit.
template <typename F>
std::vector<std::uint8_t> MonochromeBmp(int width, int height, F white)
{
    const int stride = ((width + 31) / 32) * 4;
    const std::uint32_t bits = static_cast<std::uint32_t>(stride * height);
    std::vector<std::uint8_t> out{'B', 'M'};
    Put32(out, 14 + 40 + 8 + bits);
    Put32(out, 0);
    Put32(out, 14 + 40 + 8);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, 1);
    for (int i = 0; i < 6; ++i) Put32(out, 0);
    Put32(out, 0x00000000);
    Put32(out, 0x00FFFFFF);
    for (int y = height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(stride), 0);
        for (int x = 0; x < width; ++x)
            if (white(x, y)) row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

// The image-list stream of two 16 x 16 images, green and magenta, four to a row; the top-left
// 4 x 4 pixels of the magenta one are white and masked out.
std::vector<std::uint8_t> TwoImageStream()
{
    gfx::TBitmap strip(64, 16);
    gfx::TCanvas& c = strip.Canvas();
    c.Brush().SetColor(gfx::clWhite);
    c.FillRect(rtl::Rect(0, 0, 64, 16));
    c.Brush().SetColor(Green);
    c.FillRect(rtl::Rect(0, 0, 16, 16));
    c.Brush().SetColor(Magenta);
    c.FillRect(rtl::Rect(16, 0, 32, 16));
    c.Brush().SetColor(gfx::clWhite);
    c.FillRect(rtl::Rect(16, 0, 20, 4));
    std::vector<std::uint8_t> out{'I', 'L'};
    Put16(out, 0x0101);             // version
    Put16(out, 2);                  // images
    Put16(out, 4);                  // room for
    Put16(out, 4);                  // growth
    Put16(out, 16);                 // width
    Put16(out, 16);                 // height
    Put32(out, 0xFFFFFFFF);         // no background colour
    Put16(out, 0x0001 | 0x0018);    // masked, 24 bit
    for (int i = 0; i < 4; ++i) Put16(out, 0xFFFF);  // no overlays
    const gfx::TBytes images = strip.SaveToBytes();
    out.insert(out.end(), images.begin(), images.end());
    const auto mask = MonochromeBmp(64, 16, [](int x, int y) { return x >= 32 || (x >= 16 && x < 20 && y < 4); });
    out.insert(out.end(), mask.begin(), mask.end());
    return out;
}

std::string Hex(const std::vector<std::uint8_t>& bytes)
{
    std::string text;
    char two[3];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % 32 == 0) text += "\n      ";
        std::snprintf(two, sizeof two, "%02X", bytes[i]);
        text += two;
    }
    return text;
}

class DropDownImageListFormTest : public dropdowntest::FormDescriptionTest {};

TEST_F(DropDownImageListFormTest, TheHeaderPaintsAnImageOfTheListTheDescriptionNames)
{
    ui::ReadComponentResText("object Form1: TForm\n"
                             "  Left = 100\n  Top = 100\n  Width = 400\n  Height = 300\n"
                             "  object ImageList1: TImageList\n"
                             "    Masked = True\n"
                             "    Bitmap = {" + Hex(TwoImageStream()) + "}\n"
                             "  end\n"
                             "  object Pick: TExtDropDown\n"
                             "    Left = 10\n    Top = 10\n"
                             "    Images = ImageList1\n"
                             "    DropDownHeader.ImageIndex = 1\n"
                             "    DropDownHeader.Caption = ''\n"
                             "    EmptyText = 'kg'\n"
                             "    EmptyTextStyle = [fsBold, fsUnderline]\n"
                             "  end\n"
                             "end\n",
                             "pick.dfm", Form);
    auto* list = dynamic_cast<gfx::TImageList*>(Form->FindComponent("ImageList1"));
    auto* pick = dynamic_cast<TExtDropDown*>(Form->FindComponent("Pick"));
    ASSERT_NE(list, nullptr);
    ASSERT_NE(pick, nullptr);
    EXPECT_EQ(list->Count(), 2);
    EXPECT_EQ(list->Width(), 16);
    EXPECT_EQ(pick->Images(), list);
    EXPECT_EQ(pick->EmptyTextStyle().Bits(), (gfx::TFontStyles{gfx::fsBold, gfx::fsUnderline}).Bits());

    Form->Show();
    App->ActivateForm(Form);
    pick->ShowDropDown();
    App->ProcessMessages();
    TExtHeader* header = pick->DropDownForm()->Header();
    ASSERT_NE(header, nullptr);
    // The image sits 4 pixels inside the 1-pixel border, centred in the 20 rows left: at (5, 3).
    EXPECT_EQ(THeadlessBackend::Pixel(header, 5 + 8, 3 + 8), Magenta);
    EXPECT_EQ(THeadlessBackend::Pixel(header, 5 + 15, 3 + 15), Magenta);
    const gfx::TColor masked = THeadlessBackend::Pixel(header, 5 + 1, 3 + 1);
    EXPECT_NE(masked, gfx::clWhite) << "the masked corner shows the bar";
    EXPECT_NE(masked, Magenta);
    EXPECT_NE(THeadlessBackend::Pixel(header, 5 + 17, 3 + 8), Magenta) << "one image wide";
}

TEST_F(DropDownImageListFormTest, BinaryDataThatIsNoImageListIsAnErrorNamingFileAndLine)
{
    std::vector<std::uint8_t> damaged = TwoImageStream();
    damaged.resize(60);  // the header and the start of the images only
    const struct {
        std::string data;
        const char* message;
    } cases[] = {
        {"424D0000", "pick.dfm(3): Error reading ImageList1.Bitmap: Invalid image list stream: no \"IL\" header"},
        {Hex(damaged), "pick.dfm(3): Error reading ImageList1.Bitmap: Invalid image list stream: unreadable images"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadErrorMessage("object F: TForm\n  object ImageList1: TImageList\n    Bitmap = {" + c.data +
                                       "}\n  end\nend\n",
                                   "pick.dfm"),
                  c.message);
    }
}

}  // namespace
