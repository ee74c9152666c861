// Settings of the filter drop-down list and of the filter-edit row: setters and copying.
#include "grid/core/GridOptionsFilter.h"

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/rtl/StringList.h"

namespace grid {

TFilterDropDown::TFilterDropDown()
    : FFont(std::make_unique<gfx::TFont>()),
      FGlyph(std::make_unique<gfx::TBitmap>()),
      FGlyphActive(std::make_unique<gfx::TBitmap>())
{
}

TFilterDropDown::~TFilterDropDown() = default;

void TFilterDropDown::Changed()
{
    if (OnChange) OnChange(this);
}

void TFilterDropDown::SetFont(const gfx::TFont* v) { FFont->Assign(v); }

void TFilterDropDown::SetGlyph(const gfx::TBitmap* v)
{
    FGlyph->Assign(v);
    Changed();
}

void TFilterDropDown::SetGlyphActive(const gfx::TBitmap* v)
{
    FGlyphActive->Assign(v);
    Changed();
}

void TFilterDropDown::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TFilterDropDown*>(Source);
    if (src == nullptr) return;
    FCaseSensitive = src->FCaseSensitive;
    FColor = src->FColor;
    FColumnWidth = src->FColumnWidth;
    FFont->Assign(src->FFont.get());
    FHeight = src->FHeight;
    FWidth = src->FWidth;
    FGlyph->Assign(src->FGlyph.get());
    FGlyphActive->Assign(src->FGlyphActive.get());
    FTextChecked = src->FTextChecked;
    FTextUnChecked = src->FTextUnChecked;
    FIgnoreHTML = src->FIgnoreHTML;
    FMethod = src->FMethod;
}

TFilterEdit::TFilterEdit() : FTypeNames(std::make_unique<rtl::TStringList>())
{
    for (const char* name : {"Starts with", "Ends with", "Contains", "Not contains", "Equal", "Not equal",
                             "Larger than", "Smaller than", "Clear"})
        FTypeNames->Add(name);
}

TFilterEdit::~TFilterEdit() = default;

void TFilterEdit::Repaint()
{
    if (OnRepaint) OnRepaint(this);
}

void TFilterEdit::SetEnabled(bool v)
{
    if (v == FEnabled) return;
    FEnabled = v;
    Repaint();
    if (OnEnabledChange) OnEnabledChange(this);
}

void TFilterEdit::SetRow(int v)
{
    if (v == FRow) return;
    FRow = v;
    Repaint();
}

void TFilterEdit::SetColumns(TFilterDropDownColumns v)
{
    if (v == FColumns) return;
    FColumns = v;
    Repaint();
}

void TFilterEdit::SetColor(gfx::TColor v)
{
    if (v == FColor) return;
    FColor = v;
    Repaint();
}

void TFilterEdit::SetTypeNames(const rtl::TStrings* v) { FTypeNames->Assign(v); }

void TFilterEdit::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TFilterEdit*>(Source);
    if (src == nullptr) return;
    FEnabled = src->FEnabled;
    FRow = src->FRow;
    FColumns = src->FColumns;
    FColor = src->FColor;
    FCaseSensitive = src->FCaseSensitive;
    FTypeNames->Assign(src->FTypeNames.get());
}

}  // namespace grid
