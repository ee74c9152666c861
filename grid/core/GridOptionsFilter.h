// Settings of the filter drop-down list and of the filter-edit row of the string grid.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsSort.h"
#include "platform/gfx/Color.h"
#include "platform/rtl/Object.h"

namespace rtl {
class TStringList;
class TStrings;
}  // namespace rtl
namespace gfx {
class TBitmap;
class TFont;
}  // namespace gfx

namespace grid {

enum TFilterDropDownColumns : std::uint8_t { fdNormal, fdAll };

// The list of a column's values that drops down from a header cell. OnChange fires when
// Glyph or GlyphActive changes. Assign leaves AutoSize and Sorted.
class TFilterDropDown : public rtl::TPersistent {
public:
    TFilterDropDown();
    ~TFilterDropDown() override;
    TFilterDropDown(const TFilterDropDown&) = delete;
    TFilterDropDown& operator=(const TFilterDropDown&) = delete;
    std::string ClassName() const override { return "TFilterDropDown"; }
    void Assign(const rtl::TPersistent* Source) override;

    gfx::TFont& Font() const { return *FFont; }
    void SetFont(const gfx::TFont* v);
    gfx::TBitmap& Glyph() const { return *FGlyph; }
    void SetGlyph(const gfx::TBitmap* v);
    gfx::TBitmap& GlyphActive() const { return *FGlyphActive; }
    void SetGlyphActive(const gfx::TBitmap* v);
    TNotifyEvent OnChange;

    GRID_PLAIN_PROPERTY(bool, AutoSize, false)
    GRID_PLAIN_PROPERTY(int, Width, 150)
    GRID_PLAIN_PROPERTY(int, Height, 150)
    GRID_PLAIN_PROPERTY(bool, ColumnWidth, false)
    GRID_PLAIN_PROPERTY(gfx::TColor, Color, gfx::clWindow)
    GRID_PLAIN_PROPERTY(std::string, TextChecked, "")
    GRID_PLAIN_PROPERTY(std::string, TextUnChecked, "")
    GRID_PLAIN_PROPERTY(bool, CaseSensitive, false)
    GRID_PLAIN_PROPERTY(bool, Sorted, true)
    GRID_PLAIN_PROPERTY(bool, IgnoreHTML, true)
    GRID_PLAIN_PROPERTY(TFilterMethod, Method, fmExpression)

private:
    void Changed();

    std::unique_ptr<gfx::TFont> FFont;
    std::unique_ptr<gfx::TBitmap> FGlyph;
    std::unique_ptr<gfx::TBitmap> FGlyphActive;
};

// The filter-edit row. OnRepaint asks the grid to repaint; OnEnabledChange lets the grid
// switch its filter off, drop the conditions and clear the row (Enabled changed).
class TFilterEdit : public rtl::TPersistent {
public:
    TFilterEdit();
    ~TFilterEdit() override;
    TFilterEdit(const TFilterEdit&) = delete;
    TFilterEdit& operator=(const TFilterEdit&) = delete;
    std::string ClassName() const override { return "TFilterEdit"; }
    void Assign(const rtl::TPersistent* Source) override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool v);
    int Row() const { return FRow; }
    void SetRow(int v);
    TFilterDropDownColumns Columns() const { return FColumns; }
    void SetColumns(TFilterDropDownColumns v);
    gfx::TColor Color() const { return FColor; }
    void SetColor(gfx::TColor v);
    // Captions of the nine filter types, "Starts with" … "Clear"; the setter copies.
    rtl::TStringList& TypeNames() const { return *FTypeNames; }
    void SetTypeNames(const rtl::TStrings* v);

    TNotifyEvent OnRepaint;
    TNotifyEvent OnEnabledChange;

    GRID_PLAIN_PROPERTY(bool, CaseSensitive, true)

private:
    void Repaint();

    bool FEnabled = false;
    int FRow = 0;
    TFilterDropDownColumns FColumns = fdNormal;
    gfx::TColor FColor = gfx::clWhite;
    std::unique_ptr<rtl::TStringList> FTypeNames;
};

}  // namespace grid
