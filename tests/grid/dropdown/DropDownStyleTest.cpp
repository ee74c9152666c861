// Every component style row applied to a drop-down and checked colour by colour.
#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "grid/dropdown/ExtDropDownEdit.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/ui/Forms.h"

namespace {

using namespace grid;

// A colour the style must leave as it was.
constexpr gfx::TColor Keep = 0x7FFFFFFF;
// What every colour holds before the style is applied, to see the kept ones.
constexpr gfx::TColor Marker = 0x010203;

struct StyleRow {
    TJyxStyle Style;
    std::array<gfx::TColor, 11> Bars;     // pop-up 3, header 4, footer 4
    std::array<gfx::TColor, 15> Buttons;  // normal, hot, down, disabled, checked: fill, fill to, border
};

#define KeepColor Keep
const StyleRow Rows[] = {
    {tsOffice2003Blue,
     {0xFFFFFF, gfx::clNone, KeepColor, 0xFCE1CB, 0xE0A57D, 0x000000, 0x000000, 0xFCE1CB, 0xE0A57D, 0x000000, 0x962D00},
     {0xFCE1CB, 0xE0A57D, gfx::clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, KeepColor, 0x76AFF1, 0x4190F3, 0x45667B}},
    {tsOffice2003Silver,
     {0xFFFFFF, gfx::clNone, KeepColor, 0xECE2E1, 0xB39698, 0x000000, 0x947C7C, 0xECE2E1, 0xB39698, 0x000000, 0x947C7C},
     {0xECE2E1, 0xB39698, gfx::clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, KeepColor, 0x76AFF1, 0x4190F3, 0x45667B}},
    {tsOffice2003Olive,
     {0xFFFFFF, gfx::clNone, gfx::clNone, 0xCFF0EA, 0x8CC0B1, 0x000000, 0x588060, 0xCFF0EA, 0x8CC0B1, 0x000000, 0x588060},
     {0xCFF0EA, 0x8CC0B1, gfx::clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, KeepColor, 0x76AFF1, 0x4190F3, 0x45667B}},
    {tsOffice2003Classic,
     {0xF2F2F2, 0xF2F2F2, gfx::clNone, 0x808080, 0x808080, 0xFFFFFF, 0x808080, 0x808080, 0x808080, 0xFFFFFF, 0x808080},
     {0xFFFFFF, 0xC9D1D5, gfx::clNone, 0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285, 0xB59285, 0x808080, 0xD8D5D4, 0xD8D5D4, KeepColor, 0xD8D5D4, 0xD8D5D4, 0x808080}},
    {tsOffice2007Luna,
     {0xF3E5DA, 0xF0DED0, gfx::clNone, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF},
     {0xFFEFE3, 0xFFDDC4, gfx::clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, KeepColor, 0x76AFF1, 0x4190F3, 0x45667B}},
    {tsOffice2007Obsidian,
     {0xFFFFFF, gfx::clNone, gfx::clNone, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C},
     {0xF2F1F0, 0xC9C2BD, gfx::clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, KeepColor, 0x76AFF1, 0x4190F3, 0x45667B}},
    {tsWindowsXP,
     {0xFFFFFF, gfx::clNone, KeepColor, 0xFFFFFF, gfx::clBtnFace, 0x000000, 0x808080, 0xFFFFFF, gfx::clBtnFace, 0x000000, 0x808080},
     {0xFFFFFF, gfx::clBtnFace, gfx::clNone, 0xEFD3C6, 0xEFD3C6, gfx::clHighlight, gfx::clInactiveCaption, gfx::clInactiveCaption, gfx::clHighlight, 0xB6B6B6, 0xB6B6B6, KeepColor, 0xB9D8DC, 0xB9D8DC, 0x000000}},
    {tsWhidbey,
     {0xF5F9FA, 0xF5F9FA, gfx::clNone, 0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00, 0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00},
     {0xFFFFFF, 0xDFEDF0, gfx::clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, KeepColor, 0x76AFF1, 0x4190F3, 0x45667B}},
    {tsCustom,
     {KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor},
     {KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor}},
    {tsOffice2007Silver,
     {0xF8F4F1, 0xF0E8E3, gfx::clNone, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F},
     {0xF9F8F8, 0xE4E2DF, gfx::clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, KeepColor, 0x76AFF1, 0x4190F3, 0x45667B}},
    {tsWindowsVista,
     {0xFFFFFF, 0xFFFFFF, 0x979797, 0xFFFDF9, 0xFFFAF0, 0x000000, 0xFCF2DA, 0xFFFAF0, 0xFFFDF9, 0x000000, 0xFCF2DA},
     {0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A, 0xFFFFFF, 0xFFFFFF, KeepColor, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A}},
    {tsWindows7,
     {0xFFFFFF, 0xFFFFFF, 0x979797, 0xFDFBFA, 0xFDF3EB, 0x000000, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0x000000, 0xFBD6B8},
     {0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xFFFFFF, 0xFFFFFF, KeepColor, 0xFEF9F0, 0xFCDBC1, 0xCEA27D}},
    {tsTerminal,
     {0xFFFFFF, 0xFFFFFF, 0x808080, gfx::clBtnFace, gfx::clBtnFace, 0x000000, gfx::clNone, gfx::clBtnFace, gfx::clBtnFace, 0x000000, gfx::clNone},
     {gfx::clBtnFace, gfx::clBtnFace, gfx::clNone, 0xC0C0C0, 0xC0C0C0, 0x808080, gfx::clHighlight, gfx::clHighlight, 0x808080, gfx::clBtnFace, gfx::clBtnFace, KeepColor, gfx::clBtnFace, gfx::clBtnFace, gfx::clHighlight}},
    {tsOffice2010Blue,
     {0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F, 0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F},
     {0xFDF6EF, 0xF0DAC7, 0xC7B29F, 0x8AE3FD, gfx::clNone, 0x58CAF1, 0x6CD0FF, gfx::clNone, 0x308AC2, 0xF2F2F2, 0xB6B6B6, KeepColor, 0x45E1FE, gfx::clNone, 0x4FA0CE}},
    {tsOffice2010Silver,
     {0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8, 0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8},
     {0xFFFFFF, 0xEDE5E0, 0xD2CDC8, 0x8AE3FD, gfx::clNone, 0x58CAF1, 0x6CD0FF, gfx::clNone, 0x308AC2, 0xF2F2F2, 0xB6B6B6, KeepColor, 0x45E1FE, gfx::clNone, 0x4FA0CE}},
    {tsOffice2010Black,
     {0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D},
     {0xBFBFBF, 0x919191, 0xD7D7D6, 0x8AE3FD, gfx::clNone, 0x58CAF1, 0x6CD0FF, gfx::clNone, 0x308AC2, 0xF2F2F2, 0xB6B6B6, KeepColor, 0x45E1FE, gfx::clNone, 0x4FA0CE}},
    {tsWindows8,
     {0xFFFFFF, 0xFFFFFF, 0xE4E3E2, 0xF7F6F5, 0xF7F6F5, 0x000000, 0xE4E3E2, 0xF7F6F5, 0xF7F6F5, 0x000000, 0xE4E3E2},
     {0xF7F6F5, gfx::clNone, 0xE4E3E2, 0xF7EFE8, gfx::clNone, 0xF9CEA4, 0xF7E0C9, gfx::clNone, 0xE4A262, 0xF7F7F7, gfx::clNone, 0xF7F6F5, 0xDAA026, gfx::clNone, 0xDAA026}},
    {tsOffice2013White,
     {0xFFFFFF, gfx::clNone, 0xD4D4D4, 0xFFFFFF, gfx::clNone, 0x000000, 0xD4D4D4, 0xFFFFFF, gfx::clNone, 0x000000, 0xD4D4D4},
     {0xFFFFFF, gfx::clNone, 0xD4D4D4, 0xFCF0E4, gfx::clNone, 0xEAB47E, 0xFCE2C8, gfx::clNone, 0xE59D56, 0xEEEEEE, gfx::clNone, 0xACACAC, 0xFF9933, gfx::clNone, 0xFF9933}},
    {tsOffice2013LightGray,
     {0xFFFFFF, gfx::clNone, 0xD4D4D4, 0xF6F6F6, gfx::clNone, 0x000000, 0xC6C6C6, 0xF6F6F6, gfx::clNone, 0x000000, 0xC6C6C6},
     {0xF6F6F6, gfx::clNone, 0xC6C6C6, 0xFCF0E4, gfx::clNone, 0xEAB47E, 0xFCE2C8, gfx::clNone, 0xE59D56, 0xEEEEEE, gfx::clNone, 0xACACAC, 0xFF9933, gfx::clNone, 0xFF9933}},
    {tsOffice2013Gray,
     {0xFFFFFF, gfx::clNone, 0xD4D4D4, 0xE5E5E5, gfx::clNone, 0x000000, 0xABABAB, 0xE5E5E5, gfx::clNone, 0x000000, 0xABABAB},
     {0xE5E5E5, gfx::clNone, 0xABABAB, 0xFCF0E4, gfx::clNone, 0xEAB47E, 0xFCE2C8, gfx::clNone, 0xE59D56, 0xEEEEEE, gfx::clNone, 0xACACAC, 0xFF9933, gfx::clNone, 0xFF9933}},
    {tsWindows10,
     {0xFFFFFF, 0xFFFFFF, 0xE4E3E2, 0xF7F6F5, 0xF7F6F5, 0x000000, 0xE4E3E2, 0xF7F6F5, 0xF7F6F5, 0x000000, 0xE4E3E2},
     {0xF7F6F5, gfx::clNone, 0xE4E3E2, 0xF7EFE8, gfx::clNone, 0xF9CEA4, 0xF7E0C9, gfx::clNone, 0xE4A262, 0xF7F7F7, gfx::clNone, 0xF7F6F5, 0xDAA026, gfx::clNone, 0xDAA026}},
    {tsOffice2016White,
     {0xFFFFFF, gfx::clNone, 0xD4D4D4, 0xFFFFFF, gfx::clNone, 0x505050, 0xD4D4D4, 0xFFFFFF, gfx::clNone, 0x505050, 0xD4D4D4},
     {0xFFFFFF, gfx::clNone, 0xD4D4D4, 0xF2E1D5, gfx::clNone, 0xF2E1D5, 0xE3BDA3, gfx::clNone, 0xE3BDA3, 0xFFFFFF, gfx::clNone, 0xD4D4D4, 0xF2D5C2, gfx::clNone, 0xF2D5C2}},
    {tsOffice2016Gray,
     {0xB2B2B2, gfx::clNone, 0x444444, 0x444444, gfx::clNone, 0xF0F0F0, 0x444444, 0x444444, gfx::clNone, 0xF0F0F0, 0x444444},
     {0xB2B2B2, gfx::clNone, 0x444444, 0xF2E1D5, gfx::clNone, 0xF2E1D5, 0xE3BDA3, gfx::clNone, 0xE3BDA3, 0xB2B2B2, gfx::clNone, 0x444444, 0xF2D5C2, gfx::clNone, 0xF2D5C2}},
    {tsOffice2016Black,
     {0x363636, gfx::clNone, 0x444444, 0x444444, gfx::clNone, 0xF0F0F0, 0x444444, 0x444444, gfx::clNone, 0xF0F0F0, 0x444444},
     {0x363636, 0x363636, 0x444444, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x444444, 0x444444, 0x444444, 0x363636, gfx::clNone, 0x444444, 0x575757, 0x575757, 0x575757}},
};
#undef KeepColor

class DropDownStyleTest : public ::testing::TestWithParam<StyleRow> {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Edit = new TExtDropDown(App.get());
    }
    std::unique_ptr<ui::TApplication> App;
    TExtDropDown* Edit = nullptr;
};

std::array<gfx::TColor, 11> BarColors(const TExtDropDown& e)
{
    const THeaderAppearance& h = e.DropDownHeader();
    const TFooterAppearance& f = e.DropDownFooter();
    return {e.DropDownColor(), e.DropDownColorTo(), e.DropDownBorderColor(), h.Color(), h.ColorTo(),
            h.Font().Color(), h.BorderColor(), f.Color(), f.ColorTo(), f.Font().Color(), f.BorderColor()};
}

std::array<gfx::TColor, 15> ButtonColors(const TExtButtonAppearance& b)
{
    return {b.Color(), b.ColorTo(), b.BorderColor(), b.ColorHot(), b.ColorHotTo(), b.BorderColorHot(),
            b.ColorDown(), b.ColorDownTo(), b.BorderColorDown(), b.ColorDisabled(), b.ColorDisabledTo(),
            b.BorderColorDisabled(), b.ColorChecked(), b.ColorCheckedTo(), b.BorderColorChecked()};
}

void PaintEverything(TExtDropDown& e, gfx::TColor c)
{
    e.SetDropDownColor(c);
    e.SetDropDownColorTo(c);
    e.SetDropDownBorderColor(c);
    for (TBarAppearance* bar : {static_cast<TBarAppearance*>(&e.DropDownHeader()),
                                static_cast<TBarAppearance*>(&e.DropDownFooter())}) {
        bar->SetColor(c);
        bar->SetColorTo(c);
        bar->Font().SetColor(c);
        bar->SetBorderColor(c);
    }
    TExtButtonAppearance& b = e.ButtonAppearance();
    for (auto set : {&TExtButtonAppearance::SetColor, &TExtButtonAppearance::SetColorTo,
                     &TExtButtonAppearance::SetBorderColor, &TExtButtonAppearance::SetColorHot,
                     &TExtButtonAppearance::SetColorHotTo, &TExtButtonAppearance::SetBorderColorHot,
                     &TExtButtonAppearance::SetColorDown, &TExtButtonAppearance::SetColorDownTo,
                     &TExtButtonAppearance::SetBorderColorDown, &TExtButtonAppearance::SetColorDisabled,
                     &TExtButtonAppearance::SetColorDisabledTo, &TExtButtonAppearance::SetBorderColorDisabled,
                     &TExtButtonAppearance::SetColorChecked, &TExtButtonAppearance::SetColorCheckedTo,
                     &TExtButtonAppearance::SetBorderColorChecked})
        (b.*set)(c);
}

TEST_P(DropDownStyleTest, StyleRowColoursPopupBarsAndButtons)
{
    const StyleRow& row = GetParam();
    PaintEverything(*Edit, Marker);
    Edit->SetComponentStyle(row.Style);
    EXPECT_EQ(Edit->GetComponentStyle(), row.Style);
    std::array<gfx::TColor, 11> bars = BarColors(*Edit);
    for (std::size_t i = 0; i < bars.size(); ++i)
        EXPECT_EQ(bars[i], row.Bars[i] == Keep ? Marker : row.Bars[i]) << "bar colour " << i;
    std::array<gfx::TColor, 15> buttons = ButtonColors(Edit->ButtonAppearance());
    for (std::size_t i = 0; i < buttons.size(); ++i)
        EXPECT_EQ(buttons[i], row.Buttons[i] == Keep ? Marker : row.Buttons[i]) << "button colour " << i;
    EXPECT_EQ(Edit->Font().Color() == 0xA6A6A6, row.Style == tsOffice2016Black);
}

INSTANTIATE_TEST_SUITE_P(EveryStyle, DropDownStyleTest, ::testing::ValuesIn(Rows),
                         [](const ::testing::TestParamInfo<StyleRow>& info) {
                             return std::to_string(static_cast<int>(info.param.Style));
                         });

TEST(DropDownSelectionStyle, PresetsAndCustomColour)
{
    ui::TApplication app;
    app.SetBackend(std::make_unique<ui::THeadlessBackend>());
    TExtDropDown edit(&app);
    EXPECT_EQ(edit.SelectionColorStyle(), scOffice2007);
    EXPECT_EQ(edit.SelectionColor(), 0xD7FFFD);
    EXPECT_EQ(edit.SelectionColorTo(), 0x58D4FC);
    struct Case {
        TSelectionColorStyle style;
        gfx::TColor from, to;
    };
    for (Case c : {Case{scWindowsVista, 0xFDF8F1, 0xFCEFD5}, Case{scWindows7, 0xFCEBDC, 0xFCDBC1},
                   Case{scCustom, 0xFCEBDC, 0xFCDBC1}, Case{scOffice2007, 0xD7FFFD, 0x58D4FC}}) {
        edit.SetSelectionColorStyle(c.style);
        EXPECT_EQ(edit.SelectionColor(), c.from);
        EXPECT_EQ(edit.SelectionColorTo(), c.to);
    }
    edit.SetSelectionColor(0x123456);
    EXPECT_EQ(edit.SelectionColorStyle(), scCustom);
    EXPECT_EQ(edit.SelectionColor(), 0x123456);
}

TEST(DropDownSelectionStyle, SelectionBackgroundPerStyleOnPixels)
{
    ui::TApplication app;
    app.SetBackend(std::make_unique<ui::THeadlessBackend>());
    TExtDropDown edit(&app);
    constexpr gfx::TColor Outside = 0x123456;  // the colour around the rounded corners
    constexpr gfx::TColor Untouched = 0x0F0F0F;
    struct Case {
        TSelectionColorStyle style;
        gfx::TColor corner, border, topLine, bottomLine;
        gfx::TColor top, middle, bottom;  // interior: first row, first row of the lower half, last row
    };
    // A 40 x 20 item: frame rows 0 and 18, inner lines 1 and 17, interior rows 2 to 16, the
    // lower half from row 9.
    const Case cases[] = {
        {scOffice2007, 0xC3D9DF, 0x8DD7D3, 0xF4FEFF, 0xCAF8FF, 0xD7FFFD, 0x58D4FC, gfx::clNone},
        {scWindowsVista, 0xFCEDCB, 0xFDDE99, 0xFDFBF6, 0xFDF5E7, 0xFDF8F1, gfx::clNone, 0xFCEFD5},
        {scWindows7, 0xE0C5AE, 0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xFCEBDC, gfx::clNone, 0xFCDBC1},
    };
    for (const Case& c : cases) {
        edit.SetSelectionColorStyle(c.style);
        gfx::TBitmap bitmap(40, 20);
        gfx::TCanvas& canvas = bitmap.Canvas();
        canvas.Brush().SetColor(Untouched);
        canvas.FillRect(rtl::Rect(0, 0, 40, 20));
        edit.DrawSelectionBackground(canvas, rtl::Rect(0, 0, 40, 20), 0, Outside);
        EXPECT_EQ(canvas.Pixels(0, 0), Outside) << c.style;
        EXPECT_EQ(canvas.Pixels(1, 0), c.corner) << c.style;
        EXPECT_EQ(canvas.Pixels(20, 0), c.border) << c.style;
        EXPECT_EQ(canvas.Pixels(20, 18), c.border) << c.style;
        EXPECT_EQ(canvas.Pixels(20, 1), c.topLine) << c.style;
        EXPECT_EQ(canvas.Pixels(20, 17), c.bottomLine) << c.style;
        EXPECT_EQ(canvas.Pixels(20, 2), c.top) << c.style;
        if (c.middle != gfx::clNone) {
            EXPECT_EQ(canvas.Pixels(20, 9), c.middle) << c.style;
        }
        if (c.bottom != gfx::clNone) {
            EXPECT_EQ(canvas.Pixels(20, 16), c.bottom) << c.style;
        }
        // The interior is banded along the height only.
        EXPECT_EQ(canvas.Pixels(3, 12), canvas.Pixels(35, 12)) << c.style;
    }
    // A custom colour fills the whole rectangle flat, corners included.
    edit.SetSelectionColor(0x3366CC);
    gfx::TBitmap flat(40, 20);
    edit.DrawSelectionBackground(flat.Canvas(), rtl::Rect(0, 0, 40, 20), 0, Outside);
    for (rtl::TPoint p : {rtl::TPoint{0, 0}, rtl::TPoint{39, 19}, rtl::TPoint{20, 10}})
        EXPECT_EQ(flat.Canvas().Pixels(p.X, p.Y), 0x3366CC);
}

TEST(DropDownGradientBackground, VerticalFlagChoosesTheBandDirection)
{
    ui::TApplication app;
    app.SetBackend(std::make_unique<ui::THeadlessBackend>());
    TExtDropDown edit(&app);
    // Two solid bands from red to blue: the second is half way, rounded to even.
    constexpr gfx::TColor From = 0x0000FF, To = 0xFF0000, Second = 0x80007F;
    struct Case {
        bool vertical;
        rtl::TPoint first, second;  // a pixel of each band
        rtl::TPoint sameAsFirst;    // across the bands' direction
    };
    for (Case c : {Case{true, {30, 2}, {30, 17}, {2, 2}}, Case{false, {2, 17}, {37, 2}, {2, 2}}}) {
        gfx::TBitmap bitmap(40, 20);
        edit.DrawGradientBackground(bitmap.Canvas(), From, c.vertical, rtl::Rect(0, 0, 40, 20), 2, To);
        const gfx::TCanvas& canvas = bitmap.Canvas();
        EXPECT_EQ(canvas.Pixels(c.first.X, c.first.Y), From) << c.vertical;
        EXPECT_EQ(canvas.Pixels(c.second.X, c.second.Y), Second) << c.vertical;
        EXPECT_EQ(canvas.Pixels(c.sameAsFirst.X, c.sameAsFirst.Y), From) << c.vertical;
    }
}

TEST(DropDownButtonAppearance, DefaultsCopyAndChangeHook)
{
    TExtButtonAppearance a;
    EXPECT_EQ(a.Color(), gfx::clNone);
    EXPECT_EQ(a.ColorHot(), 0xF5F0E1);
    EXPECT_EQ(a.ColorChecked(), 0xF5D8CA);
    EXPECT_EQ(a.ColorCheckedTo(), 0xF9BDA0);
    EXPECT_EQ(a.BorderColorChecked(), 0xFF0000);
    EXPECT_EQ(a.Gradient(), gdVertical);
    EXPECT_EQ(a.Font().Name(), "Tahoma");
    int changes = 0;
    a.OnChange = [&](rtl::TObject*) { ++changes; };
    a.SetColorHot(0xF5F0E1);
    EXPECT_EQ(changes, 0);
    TExtButtonAppearance b;
    b.SetColor(0x111111);
    b.SetBorderColorDown(0x222222);
    b.Font().SetName("Arial");
    a.Assign(&b);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(a.Color(), 0x111111);
    EXPECT_EQ(a.Font().Name(), "Tahoma");
}

}  // namespace
