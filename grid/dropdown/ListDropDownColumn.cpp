// The settings of one column of a list drop-down's pop-up table, shared by both list families.
#include "grid/dropdown/ListDropDownColumn.h"

#include "platform/gfx/GraphicsObjects.h"

namespace grid {

TListDropDownColumn::TListDropDownColumn() : FFont(std::make_unique<gfx::TFont>()) {}

TListDropDownColumn::~TListDropDownColumn() = default;

void TListDropDownColumn::SetFont(const gfx::TFont* value)
{
    FFont->Assign(value);
}

void TListDropDownColumn::CopyColumn(const TListDropDownColumn& source)
{
    FWordwrap = source.FWordwrap;
    FWidth = source.FWidth;
    FHeader = source.FHeader;
    FAlignment = source.FAlignment;
    FColor = source.FColor;
    FColumnType = source.FColumnType;
    FFont->Assign(source.FFont.get());
    FEllipsis = source.FEllipsis;
    FAutoSize = source.FAutoSize;
}

}  // namespace grid
