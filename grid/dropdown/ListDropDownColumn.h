// The settings of one column of a list drop-down's pop-up table, shared by both list families.
#pragma once

#include <memory>
#include <string>

#include "platform/gfx/Color.h"
#include "platform/rtl/Object.h"
#include "platform/ui/StdCtrlsEdit.h"

namespace gfx {
class TFont;
}

namespace grid {

enum TColumnType { ctText, ctImage };

// Each list family derives its own column class from this; Assign copies only between columns
// of the same family, so the copy is done by the derived class through CopyColumn.
class TListDropDownColumn : public rtl::TPersistent {
public:
    TListDropDownColumn();
    ~TListDropDownColumn() override;

    bool Wordwrap() const { return FWordwrap; }
    void SetWordwrap(bool value) { FWordwrap = value; }
    int Width() const { return FWidth; }
    void SetWidth(int value) { FWidth = value; }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value) { FAutoSize = value; }
    const std::string& Header() const { return FHeader; }
    void SetHeader(const std::string& value) { FHeader = value; }
    ui::TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(ui::TAlignment value) { FAlignment = value; }
    gfx::TColor Color() const { return FColor; }
    void SetColor(gfx::TColor value) { FColor = value; }
    TColumnType ColumnType() const { return FColumnType; }
    void SetColumnType(TColumnType value) { FColumnType = value; }
    gfx::TFont& Font() const { return *FFont; }
    // Copies the font's settings; the column keeps its own font.
    void SetFont(const gfx::TFont* value);
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool value) { FEllipsis = value; }

protected:
    void CopyColumn(const TListDropDownColumn& source);

private:
    bool FWordwrap = false;
    int FWidth = 80;
    bool FAutoSize = false;
    std::string FHeader;
    ui::TAlignment FAlignment = ui::taLeftJustify;
    gfx::TColor FColor = 0xFFFFFF;
    TColumnType FColumnType = ctText;
    std::unique_ptr<gfx::TFont> FFont;
    bool FEllipsis = false;
};

// The column class of one list family, Family being that class itself: from a column of the
// same family every setting is copied (the font by value); any other source is refused as the
// platform refuses it.
template <typename Family>
class TFamilyDropDownColumn : public TListDropDownColumn {
public:
    std::string ClassName() const override { return "TDropDownColumn"; }
    void Assign(const rtl::TPersistent* Source) override
    {
        if (const auto* src = dynamic_cast<const TFamilyDropDownColumn*>(Source)) {
            CopyColumn(*src);
            return;
        }
        rtl::TPersistent::Assign(Source);
    }
};

}  // namespace grid
