// Tests of the option records: column sizing, HTML export and print settings, with their copy rules.
#include "grid/core/GridOptionsRecords.h"

#include <gtest/gtest.h>

#include <vector>

#include "grid/core/GridLists.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Controls.h"

using namespace grid;

TEST(ColumnSizeTest, StretchAllTakesTheLastColumnAndStretchesWithOrWithoutAParent)
{
    TColumnSize size(nullptr);
    EXPECT_EQ(size.StretchColumn(), -1);
    EXPECT_EQ(size.Location(), clRegistry);
    EXPECT_EQ(size.Rows(), arAll);
    std::vector<int> stretched;
    size.OnApplyStretch = [&](int column) { stretched.push_back(column); };

    size.SetStretchColumn(3);
    size.SetStretchAll(true);
    EXPECT_EQ(size.StretchColumn(), -1);
    size.SetStretchAll(true);  // unchanged: nothing
    size.SetStretchColumn(2);
    size.SetStretchAll(false);
    EXPECT_EQ(size.StretchColumn(), 2);
    EXPECT_EQ(stretched, (std::vector<int>{-1, -1}));
}

TEST(ColumnSizeTest, StretchRestretchesOnlyAGridThatHasAParent)
{
    ui::TWinControl form(nullptr);
    ui::TWinControl grid(nullptr);
    TColumnSize size(&grid);
    std::vector<int> stretched;
    size.OnApplyStretch = [&](int column) { stretched.push_back(column); };
    size.SetStretchColumn(2);

    size.SetStretch(true);
    EXPECT_TRUE(size.Stretch());
    EXPECT_TRUE(stretched.empty());

    grid.SetParent(&form);
    size.SetStretch(true);
    EXPECT_EQ(stretched, (std::vector<int>{2}));
    grid.SetParent(nullptr);
}

TEST(ColumnSizeTest, CopyTakesFieldsWithoutStretchingAndNotStretchAll)
{
    TColumnSize source(nullptr);
    source.SetSave(true);
    source.SetKey("grid.ini");
    source.SetSection("cols");
    source.SetLocation(clIniFile);
    source.SetStretchColumn(4);
    source.SetStretchAll(true);  // also sets StretchColumn -1
    source.SetStretchColumn(4);
    source.SetSynchWithGrid(true);
    source.SetRows(arFixed);

    TColumnSize target(nullptr);
    int stretches = 0;
    target.OnApplyStretch = [&](int) { ++stretches; };
    target.Assign(&source);
    EXPECT_TRUE(target.Save());
    EXPECT_EQ(target.Key(), "grid.ini");
    EXPECT_EQ(target.Section(), "cols");
    EXPECT_EQ(target.Location(), clIniFile);
    EXPECT_EQ(target.StretchColumn(), 4);
    EXPECT_TRUE(target.SynchWithGrid());
    EXPECT_EQ(target.Rows(), arFixed);
    EXPECT_FALSE(target.StretchAll());
    EXPECT_EQ(stretches, 0);

    THTMLSettings foreign;
    target.Assign(&foreign);  // ignored
    EXPECT_EQ(target.Key(), "grid.ini");
}

TEST(HTMLSettingsTest, DefaultsAndCopyLeaveExportImagesAndColumnWidths)
{
    THTMLSettings source;
    EXPECT_EQ(source.BorderSize(), 1);
    EXPECT_EQ(source.Width(), 100);
    EXPECT_TRUE(source.SaveColor() && source.SaveFonts() && source.ExportImages());
    EXPECT_EQ(source.ImageBaseName(), "img");
    EXPECT_EQ(source.ImageFolder(), "images");
    ASSERT_NE(source.ColWidths(), nullptr);

    source.SetExportImages(false);
    source.SetXHTML(true);
    source.SetTableStyle("border:0");
    source.SetImageFolder("pics");
    source.SetCellPadding(3);
    source.ColWidths()->Add(80);

    THTMLSettings target;
    target.Assign(&source);
    EXPECT_TRUE(target.ExportImages());
    EXPECT_EQ(target.ColWidths()->Count(), 0);
    EXPECT_TRUE(target.XHTML());
    EXPECT_EQ(target.TableStyle(), "border:0");
    EXPECT_EQ(target.ImageFolder(), "pics");
    EXPECT_EQ(target.CellPadding(), 3);
}

TEST(PrintSettingsTest, DefaultsOfANewRecord)
{
    TPrintSettings print(nullptr);
    EXPECT_EQ(print.Borders(), pbSingle);
    EXPECT_TRUE(print.Centered());
    EXPECT_EQ(print.DateFormat(), "dd/mm/yyyy");
    EXPECT_EQ(print.PageNumSep(), "/");
    EXPECT_EQ(print.Orientation(), poPortrait);
    EXPECT_EQ(print.FitToPage(), fpNever);
    EXPECT_EQ(print.BorderStyle(), gfx::psSolid);
    EXPECT_TRUE(print.UseDisplayFont() && print.PrintComments() && print.ScaleHeader() && print.ScaleFooter());
    EXPECT_EQ(print.Font()->Name(), gfx::TFont().Name());
    EXPECT_EQ(print.TitleLines()->Count(), 0);
}

TEST(PrintSettingsTest, FontSettersCopyAndIgnoreNil)
{
    TPrintSettings print(nullptr);
    gfx::TFont big;
    big.SetSize(20);
    print.SetHeaderFont(&big);
    big.SetSize(9);
    EXPECT_EQ(print.HeaderFont()->Size(), 20);
    print.SetHeaderFont(nullptr);
    print.SetFont(nullptr);
    EXPECT_EQ(print.HeaderFont()->Size(), 20);
    ASSERT_NE(print.Font(), nullptr);

    rtl::TStringList lines;
    lines.Add("Title");
    print.SetTitleLines(&lines);
    lines.Clear();
    EXPECT_EQ(print.TitleLines()->Text(), "Title\r\n");
}

TEST(PrintSettingsTest, CopyFromAnotherClassFailsWithInvalidCast)
{
    TPrintSettings print(nullptr);
    print.SetJobName("mine");
    TColumnSize other(nullptr);
    EXPECT_THROW(print.Assign(&other), rtl::EInvalidCast);
    EXPECT_THROW(print.Assign(nullptr), rtl::EInvalidCast);
    EXPECT_EQ(print.JobName(), "mine");
}

TEST(PrintSettingsTest, CopyTakesEverySettingButTheThreeLayoutSwitches)
{
    TPrintSettings source(nullptr);
    source.SetTime(ppTopLeft);
    source.SetTitle(ppTopCenter);
    source.SetTitleText("Report");
    source.TitleLines()->Add("line");
    gfx::TFont fixed;
    fixed.SetSize(15);
    source.SetFixedFont(&fixed);
    source.SetBorders(pbAround);
    source.SetBorderStyle(gfx::psDot);
    source.SetBorderColor(0x0000FF);
    source.SetOrientation(poLandscape);
    source.SetFitToPage(fpShrink);
    source.SetPageNumSep(" of ");
    source.SetMaxPagesOffset(2);
    source.SetPrintComments(false);
    source.SetFixedCellsAlways(true);
    source.SetScaleHeader(false);
    source.SetScaleFooter(false);

    TPrintSettings target(nullptr);
    target.Assign(&source);
    EXPECT_EQ(target.Time(), ppTopLeft);
    EXPECT_EQ(target.Title(), ppTopCenter);
    EXPECT_EQ(target.TitleText(), "Report");
    EXPECT_EQ(target.TitleLines()->Count(), 1);
    EXPECT_EQ(target.FixedFont()->Size(), 15);
    EXPECT_NE(target.FixedFont(), source.FixedFont());
    EXPECT_EQ(target.Borders(), pbAround);
    EXPECT_EQ(target.BorderStyle(), gfx::psDot);
    EXPECT_EQ(target.BorderColor(), 0x0000FF);
    EXPECT_EQ(target.Orientation(), poLandscape);
    EXPECT_EQ(target.FitToPage(), fpShrink);
    EXPECT_EQ(target.PageNumSep(), " of ");
    EXPECT_EQ(target.MaxPagesOffset(), 2);
    EXPECT_FALSE(target.PrintComments());
    EXPECT_FALSE(target.FixedCellsAlways());
    EXPECT_TRUE(target.ScaleHeader());
    EXPECT_TRUE(target.ScaleFooter());
}
