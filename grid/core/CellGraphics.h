// Cell graphics: the graphic record a cell carries besides its text, its kinds and what it owns.
#pragma once

#include <memory>
#include <string>
#include <variant>

#include "grid/core/GridEvents.h"
#include "grid/core/GridTypes.h"
#include "platform/gfx/Color.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/Types.h"
#include "platform/ui/StdCtrlsButtons.h"

namespace gfx {
class TIcon;
}

namespace grid {

// Free value a graphic kind may keep (CellVar).
using TCellVariant = std::variant<std::monostate, bool, long long, double, std::string>;

// The graphic of one cell. It starts as ctNone and is turned into a kind by one of the
// setters; a setter sets the kind and the fields it lists and leaves the others as they were.
//
// Ownership. A graphic is owned by exactly one holder (the cell's property object holds it
// in a std::unique_ptr) and cannot be copied as a C++ object; Assign copies values only.
// Its main objects (CellBitmap, CellIcon) are either borrowed (handed in by a setter or
// SetCellBitmap / SetCellIcon: they stay the caller's) or owned (created by the graphic, as
// the image-index list of SetMultiImage, or handed over through AdoptCellBitmap /
// AdoptCellIcon). The destructor frees exactly what is owned, whatever the kind is by then;
// replacing an owned main object frees it. CellCreated tells whether a main object is owned.
class TBaseCellGraphic : public rtl::TPersistent {
public:
    TBaseCellGraphic();
    ~TBaseCellGraphic() override;
    TBaseCellGraphic(const TBaseCellGraphic&) = delete;
    TBaseCellGraphic& operator=(const TBaseCellGraphic&) = delete;
    std::string ClassName() const override { return "TBaseCellGraphic"; }

    // From a TBaseCellGraphic: kind, placements, index, transparency, value, angle, state,
    // marked range, text and check-box state. Main objects, their ownership and CellVar
    // stay as they were; any other source is ignored.
    void Assign(const rtl::TPersistent* Source) override;

    // --- Main objects and their ownership
    rtl::TObject* CellBitmap() const { return FCellBitmap; }
    // Keeps a borrowed object (nullptr clears); an owned previous object is freed.
    void SetCellBitmap(rtl::TObject* Value);
    // Takes ownership of the object; an owned previous object is freed.
    void AdoptCellBitmap(std::unique_ptr<rtl::TObject> Value);
    bool OwnsCellBitmap() const { return FOwnsBitmap; }
    gfx::TIcon* CellIcon() const { return FCellIcon; }
    void SetCellIcon(gfx::TIcon* Value);
    void AdoptCellIcon(std::unique_ptr<gfx::TIcon> Value);
    bool OwnsCellIcon() const { return FOwnsIcon; }
    // The graphic created its main object itself and frees it.
    bool CellCreated() const { return FOwnsBitmap || FOwnsIcon; }

    // --- Plain fields
    TCellType CellType() const { return FCellType; }
    void SetCellType(TCellType v) { FCellType = v; }
    TCellVAlign CellVAlign() const { return FCellVAlign; }
    void SetCellVAlign(TCellVAlign v) { FCellVAlign = v; }
    TCellHAlign CellHAlign() const { return FCellHAlign; }
    void SetCellHAlign(TCellHAlign v) { FCellHAlign = v; }
    // Image index, button size (width low 16 bits, height high 16 bits) or picture padding.
    int CellIndex() const { return FCellIndex; }
    void SetCellIndex(int v) { FCellIndex = v; }
    bool CellTransparent() const { return FCellTransparent; }
    void SetCellTransparent(bool v) { FCellTransparent = v; }
    bool CellBoolean() const { return FCellBoolean; }
    void SetCellBoolean(bool v) { FCellBoolean = v; }
    // Rotation angle, picture stretch mode, radio-button group or check-box bitmap marker.
    int CellAngle() const { return FCellAngle; }
    void SetCellAngle(int v) { FCellAngle = v; }
    double CellValue() const { return FCellValue; }
    void SetCellValue(double v) { FCellValue = v; }
    int CellErrFrom() const { return FCellErrFrom; }
    void SetCellErrFrom(int v) { FCellErrFrom = v; }
    int CellErrLen() const { return FCellErrLen; }
    void SetCellErrLen(int v) { FCellErrLen = v; }
    const std::string& CellText() const { return FCellText; }
    void SetCellText(const std::string& v) { FCellText = v; }
    const TCellVariant& CellVar() const { return FCellVar; }
    void SetCellVar(const TCellVariant& v) { FCellVar = v; }
    ui::TCheckBoxState CellCheckBoxState() const { return FCellCheckBoxState; }
    void SetCellCheckBoxState(ui::TCheckBoxState v) { FCellCheckBoxState = v; }
    // Colours of the kinds that keep a colour in place of a main object: the bar, pie,
    // negative-value and shape-line colour (CellBitmap's slot) and the bar background and
    // positive-value colour (CellIcon's slot). Kept apart from the object slots so that an
    // object is never mistaken for a colour or the other way round.
    gfx::TColor CellBitmapColor() const { return FCellBitmapColor; }
    void SetCellBitmapColor(gfx::TColor v) { FCellBitmapColor = v; }
    gfx::TColor CellIconColor() const { return FCellIconColor; }
    void SetCellIconColor(gfx::TColor v) { FCellIconColor = v; }

    // --- Kind setters (the objects handed in stay the caller's)
    void SetBitmap(rtl::TObject* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    void SetPicture(rtl::TObject* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                    TCellHAlign hal, TCellVAlign val);
    void SetFilePicture(rtl::TObject* APicture, bool Transparent, TStretchMode stretchmode, int padding,
                        TCellHAlign hal, TCellVAlign val);
    void SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val);
    void SetDataImage(int idx, TCellHAlign hal, TCellVAlign val);
    void SetDataPicture(TCellHAlign hal, TCellVAlign val);
    // ctImages: a new, owned integer list for the cell whose change event is Notifier;
    // CellBoolean is true when dir is 0.
    void SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val,
                       const TImageChangeEvent& Notifier);
    void SetIcon(gfx::TIcon* aicon, TCellHAlign hal, TCellVAlign val);
    // ctDataCheckBox when Data, else ctCheckBox; the state goes to CellBoolean.
    void SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val);
    // ctTriStateCheckBox.
    void SetCheckBox(ui::TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val, TRadioButtonGroup Group);
    // ctRotated; the angle is brought into 0 .. 360 (360 stays 360, -90 becomes 270).
    void SetAngle(short AAngle);
    void SetButton(int bw, int bh, const std::string& caption, TCellHAlign hal, TCellVAlign val);
    void SetBitButton(int bw, int bh, const std::string& caption, rtl::TObject* Glyph, TCellHAlign hal,
                      TCellVAlign val);
    void SetInterfacedCell(rtl::TObject* AObject);

    // Drawn size of a ctPicture / ctFilePicture graphic in a cell of width cw and height
    // rh (padding CellIndex taken off once), by its stretch mode (CellAngle).
    rtl::TPoint GetPictureSize(int cw, int rh) const;

private:
    void FreeOwnedBitmap();
    void FreeOwnedIcon();
    void SetAlignments(TCellHAlign hal, TCellVAlign val);

    TCellType FCellType = ctNone;
    rtl::TObject* FCellBitmap = nullptr;
    gfx::TIcon* FCellIcon = nullptr;
    TCellVAlign FCellVAlign = vaTop;
    TCellHAlign FCellHAlign = haLeft;
    int FCellIndex = 0;
    bool FCellTransparent = false;
    bool FOwnsBitmap = false;
    bool FOwnsIcon = false;
    bool FCellBoolean = false;
    int FCellAngle = 0;
    double FCellValue = 0.0;
    int FCellErrFrom = 0;
    int FCellErrLen = 0;
    std::string FCellText;
    TCellVariant FCellVar;
    ui::TCheckBoxState FCellCheckBoxState = ui::cbUnchecked;
    gfx::TColor FCellBitmapColor = 0;
    gfx::TColor FCellIconColor = 0;
};

// The graphic a cell keeps, with the cell's comment.
class TCellGraphic : public TBaseCellGraphic {
public:
    TCellGraphic() = default;
    std::string ClassName() const override { return "TCellGraphic"; }

    // Base fields from a TBaseCellGraphic, then comment and its colour from a TCellGraphic.
    void Assign(const rtl::TPersistent* Source) override;

    const std::string& CellComment() const { return FCellComment; }
    void SetCellComment(const std::string& v) { FCellComment = v; }
    gfx::TColor CommentColor() const { return FCommentColor; }
    void SetCommentColor(gfx::TColor v) { FCommentColor = v; }

private:
    std::string FCellComment;
    gfx::TColor FCommentColor = 0;
};

inline ui::TCheckBoxState BoolToCheckBoxState(bool bChecked) { return bChecked ? ui::cbChecked : ui::cbUnchecked; }

// Placement of a check box added to a cell: the grid's vertical alignment mapped to the
// graphic's (top, centre, bottom).
TCellVAlign CellVAlignOf(TVAlignment Alignment);

}  // namespace grid
