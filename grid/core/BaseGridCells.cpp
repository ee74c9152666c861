// Base grid cell store: text accessors, property objects in the object slots, freeing and wiping.
#include <algorithm>
#include <typeinfo>

#include "grid/core/BaseGrid.h"
#include "grid/core/CellGraphics.h"
#include "grid/foundation/ExtUtilCellText.h"

namespace grid {

// --- cell text

std::string TBaseGrid::GetCellEx(int c, int r)
{
    int bc = c;
    int br = r;
    if (HasCellProperties(c, r)) {
        rtl::TPoint base = GetCellPropsDirect(c, r)->BaseCellAt(c, r);
        bc = base.X;
        br = base.Y;
    }
    std::string result = TStringGrid::Cells(bc, br);
    if (br < FNormalRowCount) {
        GetDisplText(bc, br, result);
        if (OnGetDisplWideText) {
            std::string wide = DecodeUnicodeEscapes(result);
            GetDisplWideText(bc, br, wide);
            result = EncodeUnicodeEscapes(wide);
        }
    }
    return result;
}

void TBaseGrid::SetCellEx(int c, int r, const std::string& Value)
{
    if (HasCellProperties(c, r)) {
        rtl::TPoint base = GetCellPropsDirect(c, r)->BaseCellAt(c, r);
        TStringGrid::SetCells(base.X, base.Y, Value);
        UpdateAutoRangeScroll(base.X, base.Y);
        if (HasParent()) RepaintCell(c, r);
    } else {
        // Read by the in-place editor when it loses the focus while this write runs.
        FEditCellSet = true;
        try {
            TStringGrid::SetCells(c, r, Value);
        } catch (...) {
            FEditCellSet = false;
            throw;
        }
        FEditCellSet = false;
    }
    if (FHideLastRow && r == RowCount() - 1) FooterRowChanged();
}

void TBaseGrid::SetGridCell(int c, int r, const std::string& Value)
{
    TStringGrid::SetCells(c, r, Value);
}

// --- property objects

bool TBaseGrid::HasCellProperties(int c, int r) const
{
    // Until a property object exists no slot can hold one: no look-up is needed.
    if (!FHasCellProps || c < 0 || r < 0 || c >= TotalColCount()) return false;
    return TStringGrid::Objects(c, r) != nullptr;
}

// The slots hold nothing or a TCellProperties: every writer of a slot goes through the
// accessors of this class.
TCellProperties* TBaseGrid::GetCellPropsDirect(int c, int r) const
{
    return static_cast<TCellProperties*>(TStringGrid::Objects(c, r));
}

void TBaseGrid::SetCellPropsDirect(int c, int r, TCellProperties* Value)
{
    if (Value != nullptr) {
        NoteSlotCol(c);
        FHasCellProps = true;  // the object may have been made for another grid
    }
    TStringGrid::SetObjects(c, r, Value);
}

TCellProperties* TBaseGrid::GetCellProperties(int c, int r)
{
    if (TCellProperties* p = GetCellPropsDirect(c, r)) return p;
    return CreateCellProperties(c, r);
}

void TBaseGrid::SetCellProperties(int c, int r, TCellProperties* Value)
{
    TCellProperties* old = GetCellPropsDirect(c, r);
    if (old == Value) return;
    SetCellPropsDirect(c, r, Value);
    delete old;
}

TCellProperties* TBaseGrid::CreateCellProperties(int c, int r)
{
    auto props = std::make_unique<TCellProperties>(this, c, r);
    props->SetAlignment(GetDefaultAlignment());
    TCellProperties* p = props.get();
    SetCellPropsDirect(c, r, props.release());

    gfx::TColor colorTo = clGridNone;
    gfx::TColor mirror = clGridNone;
    gfx::TColor mirrorTo = clGridNone;
    ui::TAlignment hAlign = p->Alignment();
    TVAlignment vAlign = vtaTop;
    bool wordWrap = FWordWrap;
    TCellGradientDirection direction = GradientVertical;
    GetDefaultCellProperties(c, r, *FDefFont, *FDefBrush, colorTo, mirror, mirrorTo, hAlign, vAlign, wordWrap,
                             direction);
    p->FCalcType = acNONE;
    p->SetAlignment(hAlign);
    p->FVAlignment = vAlign;
    p->FWordWrap = wordWrap;
    p->FFontName = FDefFont->Name();
    p->FFontHeight = FDefFont->Height();
    p->FFontStyle = FDefFont->Style();
    p->FFontColor = FDefFont->Color();
    p->FBrushColor = FDefBrush->Color();
    p->FBrushColorTo = colorTo;
    p->FGradientDirection = direction;
    return p;
}

// --- objects kept in the property object

rtl::TObject* TBaseGrid::GetObjectEx(int c, int r) const
{
    const TCellProperties* p = GetCellPropsDirect(c, r);
    return p != nullptr ? reinterpret_cast<rtl::TObject*>(p->CellObject()) : nullptr;
}

void TBaseGrid::SetObjectEx(int c, int r, rtl::TObject* Value)
{
    // A blank keeps the platform's entry for the cell while the object is attached.
    bool wasEmpty = GetGridCell(c, r).empty();
    if (wasEmpty) SetGridCell(c, r, " ");
    GetCellProperties(c, r)->SetCellObject(reinterpret_cast<std::uintptr_t>(Value));
    if (wasEmpty) SetGridCell(c, r, "");
}

rtl::TObject* TBaseGrid::GetGraphicObjectEx(int c, int r) const
{
    return CellPropsGraphic(GetCellPropsDirect(c, r));
}

bool TBaseGrid::IsGridOwnedGraphic(const rtl::TObject* Graphic)
{
    return Graphic != nullptr && typeid(*Graphic) == typeid(TCellGraphic);
}

void TBaseGrid::SetGraphicObjectEx(int c, int r, rtl::TObject* Value)
{
    if (HasState(rtl::csDestroying)) {
        if (Value == nullptr) {
            if (TCellProperties* p = GetCellPropsDirect(c, r)) p->SetGraphicObject(nullptr);
        }
        return;
    }
    bool wasEmpty = GetGridCell(c, r).empty();
    if (wasEmpty) SetCellEx(c, r, " ");
    TCellProperties* p = GetCellPropsDirect(c, r);
    if (p == nullptr) {
        p = new TCellProperties(this, c, r);
        p->SetAlignment(GetDefaultAlignment());
        SetCellPropsDirect(c, r, p);
        gfx::TFont font;
        gfx::TBrush brush;
        gfx::TColor colorTo = clGridNone;
        gfx::TColor mirror = clGridNone;
        gfx::TColor mirrorTo = clGridNone;
        ui::TAlignment hAlign = p->Alignment();
        TVAlignment vAlign = vtaTop;
        bool wordWrap = FWordWrap;
        TCellGradientDirection direction = GradientVertical;
        GetDefaultCellProperties(c, r, font, brush, colorTo, mirror, mirrorTo, hAlign, vAlign, wordWrap, direction);
        p->SetAlignment(hAlign);
        p->SetVAlignment(vAlign);
        p->SetWordWrap(wordWrap);
        p->SetFontName(font.Name());
        p->SetFontSize(font.Height());
        p->SetFontStyle(font.Style());
        p->SetFontColor(font.Color());
        p->SetBrushColor(brush.Color());
        p->SetBrushColorTo(colorTo);
        p->SetGradientDirection(direction);
    }
    // A graphic the grid owns is freed when another one takes its place; keeping it would
    // leak it, since nothing else refers to it any more.
    rtl::TObject* old = p->GraphicObject();
    p->SetGraphicObject(Value);
    if (old != Value && IsGridOwnedGraphic(old)) delete old;
    if (wasEmpty) SetCellEx(c, r, "");
}

// --- freeing and wiping

void TBaseGrid::FreeSlotObject(int c, int r, bool withGraphic)
{
    TCellProperties* p = GetCellPropsDirect(c, r);
    if (p == nullptr) return;
    TStringGrid::SetObjects(c, r, nullptr);
    if (withGraphic && IsGridOwnedGraphic(p->GraphicObject())) delete p->GraphicObject();
    delete p;
}

void TBaseGrid::FreeCellProperties(int ACol1, int ARow1, int ACol2, int ARow2)
{
    if (!FHasCellProps) return;
    for (int c = ACol1; c <= ACol2; ++c)
        for (int r = ARow1; r <= ARow2; ++r) FreeSlotObject(c, r, true);
}

void TBaseGrid::FreeCellPropertiesAt(int c, int r) { FreeSlotObject(c, r, false); }

void TBaseGrid::FreeAllCellProperties() { FreeCellProperties(0, 0, ColCount() - 1, RowCount() - 1); }

void TBaseGrid::DeleteRow(int ARow)
{
    if (FHasCellProps) {
        int cols = std::max(TotalColCount(), FSlotColExtent);
        for (int c = 0; c < cols; ++c) FreeSlotObject(c, ARow, true);
    }
    TObjStringGrid::DeleteRow(ARow);
}

void TBaseGrid::DeleteColumn(int ACol)
{
    if (FHasCellProps) {
        int rows = std::max(RowCount(), CellStore().RowExtent());
        for (int r = 0; r < rows; ++r) FreeSlotObject(ACol, r, true);
    }
    TObjStringGrid::DeleteColumn(ACol);
}

void TBaseGrid::WipeCol(int ACol)
{
    for (int r = 0; r < RowCount(); ++r) {
        TStringGrid::SetObjects(ACol, r, nullptr);
        SetCellEx(ACol, r, "");
    }
}

// Hidden columns are stored beyond ColCount, so a vacated row is wiped across all of them:
// a slot left behind there would be a second reference to a moved property object.
void TBaseGrid::WipeRow(int ARow)
{
    int cols = TotalColCount();
    for (int c = 0; c < cols; ++c) {
        TStringGrid::SetObjects(c, ARow, nullptr);
        SetCellEx(c, ARow, "");
    }
}

void TBaseGrid::WipeCell(int ACol, int ARow)
{
    SetCellEx(ACol, ARow, "");
    TStringGrid::SetObjects(ACol, ARow, nullptr);
}

// --- owner rows of property objects

void TBaseGrid::ShiftOwnerRows(int From, int Delta)
{
    if (Delta == 0) return;
    const int touched = std::max(0, Delta < 0 ? From + Delta : From);
    FRowShiftLow = FRowShifts.empty() ? touched : std::min(FRowShiftLow, touched);
    FRowShifts.push_back({From, Delta});
    const std::size_t limit = std::max<std::size_t>(64, static_cast<std::size_t>(RowCount()) / 256);
    if (FRowShifts.size() >= limit) StampAllOwnerRows();
}

int TBaseGrid::CurrentOwnerRow(int Row, std::uint32_t Stamp) const
{
    // An object stamped before the last full stamping was not in the grid's rows then.
    if (Stamp < FRowShiftBase) return Row;
    for (std::size_t i = Stamp - FRowShiftBase; i < FRowShifts.size(); ++i)
        if (Row >= FRowShifts[i].From) Row += FRowShifts[i].Delta;
    return Row;
}

void TBaseGrid::StampAllOwnerRows()
{
    const int first = FRowShiftLow;
    FRowShiftBase = OwnerRowStamp();
    FRowShifts.clear();
    if (!FHasCellProps) return;
    for (int r = first; r < RowCount(); ++r)
        for (int c = 0; c < FSlotColExtent; ++c)
            if (TCellProperties* props = GetCellPropsDirect(c, r)) props->SetOwnerRow(r);
}

}  // namespace grid
