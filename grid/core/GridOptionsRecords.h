// Option records of the string grid: column sizing, HTML export and print settings.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "grid/core/GridOptions.h"
#include "grid/core/GridTypes.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/rtl/Object.h"

namespace rtl {
class TComponent;
class TStringList;
class TStrings;
}  // namespace rtl

namespace grid {

class TIntList;

// Column-size storage and column stretching. Assign copies only from a TColumnSize
// (another source is ignored), as plain fields without the stretching side effects;
// StretchAll is not copied.
class TColumnSize : public rtl::TPersistent {
public:
    explicit TColumnSize(rtl::TComponent* AOwner) : FOwner(AOwner) {}
    std::string ClassName() const override { return "TColumnSize"; }
    void Assign(const rtl::TPersistent* Source) override;

    rtl::TComponent* Owner() const { return FOwner; }

    // Stores; when the owner grid has a parent, stretches again with StretchColumn.
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    // Nothing when unchanged; switching on sets StretchColumn to -1; stores and stretches
    // all columns again (column -1), with or without a parent.
    bool StretchAll() const { return FStretchAll; }
    void SetStretchAll(bool value);

    // The grid's column stretching (column, -1 = last), bound by the grid.
    std::function<void(int column)> OnApplyStretch;

    GRID_PLAIN_PROPERTY(bool, Save, false)
    GRID_PLAIN_PROPERTY(std::string, Key, "")
    GRID_PLAIN_PROPERTY(std::string, Section, "")
    GRID_PLAIN_PROPERTY(TColumnSizeLocation, Location, clRegistry)
    // -1: the last column.
    GRID_PLAIN_PROPERTY(int, StretchColumn, -1)
    GRID_PLAIN_PROPERTY(bool, SynchWithGrid, false)
    GRID_PLAIN_PROPERTY(bool, SynchNormalCellsOnly, false)
    GRID_PLAIN_PROPERTY(TAutoSizeRows, Rows, arAll)

private:
    void ApplyStretch(int column);

    rtl::TComponent* FOwner;
    bool FStretch = false;
    bool FStretchAll = false;
};

// Settings of the HTML export. Assign copies only from a THTMLSettings (another source is
// ignored); ExportImages and ColWidths are not copied.
class THTMLSettings : public rtl::TPersistent {
public:
    THTMLSettings();
    ~THTMLSettings() override;
    THTMLSettings(const THTMLSettings&) = delete;
    THTMLSettings& operator=(const THTMLSettings&) = delete;
    std::string ClassName() const override { return "THTMLSettings"; }
    void Assign(const rtl::TPersistent* Source) override;

    TIntList* ColWidths() const { return FColWidths.get(); }

    GRID_PLAIN_PROPERTY(bool, AutoPreview, false)
    GRID_PLAIN_PROPERTY(bool, ConvertSpecialChars, false)
    GRID_PLAIN_PROPERTY(bool, NonBreakingText, false)
    GRID_PLAIN_PROPERTY(bool, SaveColor, true)
    GRID_PLAIN_PROPERTY(bool, SaveFonts, true)
    GRID_PLAIN_PROPERTY(std::string, FooterFile, "")
    GRID_PLAIN_PROPERTY(std::string, HeaderFile, "")
    GRID_PLAIN_PROPERTY(int, BorderSize, 1)
    GRID_PLAIN_PROPERTY(int, CellSpacing, 0)
    GRID_PLAIN_PROPERTY(int, CellPadding, 0)
    GRID_PLAIN_PROPERTY(std::string, TableStyle, "")
    GRID_PLAIN_PROPERTY(std::string, PrefixTag, "")
    GRID_PLAIN_PROPERTY(std::string, SuffixTag, "")
    GRID_PLAIN_PROPERTY(std::string, Summary, "")
    GRID_PLAIN_PROPERTY(std::string, HeaderText, "")
    GRID_PLAIN_PROPERTY(std::string, FooterText, "")
    GRID_PLAIN_PROPERTY(int, Width, 100)
    GRID_PLAIN_PROPERTY(bool, XHTML, false)
    GRID_PLAIN_PROPERTY(bool, ExportImages, true)
    GRID_PLAIN_PROPERTY(std::string, ImageBaseName, "img")
    GRID_PLAIN_PROPERTY(std::string, ImageFolder, "images")

private:
    std::unique_ptr<TIntList> FColWidths;
};

// Settings of printing. Assign takes only a TPrintSettings: any other source raises
// rtl::EInvalidCast; FixedCellsAlways, ScaleHeader and ScaleFooter are not copied.
class TPrintSettings : public rtl::TPersistent {
public:
    explicit TPrintSettings(rtl::TComponent* AOwner);
    ~TPrintSettings() override;
    TPrintSettings(const TPrintSettings&) = delete;
    TPrintSettings& operator=(const TPrintSettings&) = delete;
    std::string ClassName() const override { return "TPrintSettings"; }
    void Assign(const rtl::TPersistent* Source) override;

    rtl::TComponent* Owner() const { return FOwner; }

    // The fonts are owned; the setters copy the given font's settings (nil changes nothing).
    gfx::TFont* Font() const { return FFont.get(); }
    void SetFont(const gfx::TFont* value);
    gfx::TFont* HeaderFont() const { return FHeaderFont.get(); }
    void SetHeaderFont(const gfx::TFont* value);
    gfx::TFont* FooterFont() const { return FFooterFont.get(); }
    void SetFooterFont(const gfx::TFont* value);
    gfx::TFont* FixedFont() const { return FFixedFont.get(); }
    void SetFixedFont(const gfx::TFont* value);
    rtl::TStringList* TitleLines() const { return FTitleLines.get(); }
    // Copies the lines.
    void SetTitleLines(const rtl::TStrings* value);

    GRID_PLAIN_PROPERTY(TPrintPosition, Time, ppNone)
    GRID_PLAIN_PROPERTY(TPrintPosition, Date, ppNone)
    GRID_PLAIN_PROPERTY(TPrintPosition, PageNr, ppNone)
    GRID_PLAIN_PROPERTY(TPrintPosition, Title, ppNone)
    GRID_PLAIN_PROPERTY(std::string, PageNumSep, "/")
    GRID_PLAIN_PROPERTY(std::string, DateFormat, "dd/mm/yyyy")
    GRID_PLAIN_PROPERTY(std::string, TitleText, "")
    GRID_PLAIN_PROPERTY(TPrintBorders, Borders, pbSingle)
    GRID_PLAIN_PROPERTY(gfx::TPenStyle, BorderStyle, gfx::psSolid)
    GRID_PLAIN_PROPERTY(gfx::TColor, BorderColor, 0)
    GRID_PLAIN_PROPERTY(bool, Centered, true)
    GRID_PLAIN_PROPERTY(bool, RepeatFixedRows, false)
    GRID_PLAIN_PROPERTY(bool, RepeatFixedCols, false)
    GRID_PLAIN_PROPERTY(int, FooterSize, 0)
    GRID_PLAIN_PROPERTY(int, HeaderSize, 0)
    GRID_PLAIN_PROPERTY(int, LeftSize, 0)
    GRID_PLAIN_PROPERTY(int, RightSize, 0)
    GRID_PLAIN_PROPERTY(int, ColumnSpacing, 0)
    GRID_PLAIN_PROPERTY(int, RowSpacing, 0)
    GRID_PLAIN_PROPERTY(int, TitleSpacing, 0)
    GRID_PLAIN_PROPERTY(TPrinterOrientation, Orientation, poPortrait)
    GRID_PLAIN_PROPERTY(std::string, PagePrefix, "")
    GRID_PLAIN_PROPERTY(std::string, PageSuffix, "")
    GRID_PLAIN_PROPERTY(int, FixedHeight, 0)
    GRID_PLAIN_PROPERTY(int, FixedWidth, 0)
    GRID_PLAIN_PROPERTY(bool, UseFixedHeight, false)
    GRID_PLAIN_PROPERTY(bool, UseFixedWidth, false)
    GRID_PLAIN_PROPERTY(TFitToPage, FitToPage, fpNever)
    GRID_PLAIN_PROPERTY(bool, NoAutoSize, false)
    GRID_PLAIN_PROPERTY(bool, NoAutoSizeRow, false)
    GRID_PLAIN_PROPERTY(bool, PrintGraphics, false)
    GRID_PLAIN_PROPERTY(std::string, JobName, "")
    GRID_PLAIN_PROPERTY(int, PageNumberOffset, 0)
    GRID_PLAIN_PROPERTY(int, MaxPagesOffset, 0)
    GRID_PLAIN_PROPERTY(bool, UseDisplayFont, true)
    GRID_PLAIN_PROPERTY(bool, UseDefaultOrientation, false)
    GRID_PLAIN_PROPERTY(bool, FixedCellsAlways, false)
    GRID_PLAIN_PROPERTY(bool, PrintComments, true)
    GRID_PLAIN_PROPERTY(bool, ScaleHeader, true)
    GRID_PLAIN_PROPERTY(bool, ScaleFooter, true)

private:
    rtl::TComponent* FOwner;
    std::unique_ptr<gfx::TFont> FFont;
    std::unique_ptr<gfx::TFont> FHeaderFont;
    std::unique_ptr<gfx::TFont> FFooterFont;
    std::unique_ptr<gfx::TFont> FFixedFont;
    std::unique_ptr<rtl::TStringList> FTitleLines;
};

}  // namespace grid
