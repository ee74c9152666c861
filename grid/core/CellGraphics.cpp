// Cell graphic records: copying, kind setters, owned objects and the picture-size rule.
#include "grid/core/CellGraphics.h"

#include <cmath>

#include "grid/core/CellGraphicsFilePicture.h"
#include "grid/core/GridLists.h"
#include "platform/gfx/Graphic.h"
#include "platform/gfx/Picture.h"

namespace grid {

TBaseCellGraphic::TBaseCellGraphic() = default;

TBaseCellGraphic::~TBaseCellGraphic()
{
    FreeOwnedBitmap();
    FreeOwnedIcon();
}

// ---------------------------------------------------------------- copying

void TBaseCellGraphic::Assign(const rtl::TPersistent* Source)
{
    auto* src = dynamic_cast<const TBaseCellGraphic*>(Source);
    if (src == nullptr) return;
    FCellType = src->FCellType;
    FCellVAlign = src->FCellVAlign;
    FCellHAlign = src->FCellHAlign;
    FCellIndex = src->FCellIndex;
    FCellTransparent = src->FCellTransparent;
    FCellValue = src->FCellValue;
    FCellAngle = src->FCellAngle;
    FCellBoolean = src->FCellBoolean;
    FCellErrFrom = src->FCellErrFrom;
    FCellErrLen = src->FCellErrLen;
    FCellText = src->FCellText;
    // A copied three-state check box keeps its state: the state is copied with the kind.
    FCellCheckBoxState = src->FCellCheckBoxState;
    FCellBitmapColor = src->FCellBitmapColor;
    FCellIconColor = src->FCellIconColor;
    // The main objects are not copied, so neither is their ownership: copying the
    // source's "created" flag would make this graphic free an object it never owned
    // (its own borrowed bitmap), a double free once the caller frees it too.
}

void TCellGraphic::Assign(const rtl::TPersistent* Source)
{
    TBaseCellGraphic::Assign(Source);
    auto* src = dynamic_cast<const TCellGraphic*>(Source);
    if (src == nullptr) return;
    FCommentColor = src->FCommentColor;
    FCellComment = src->FCellComment;
}

// ---------------------------------------------------------------- main objects

void TBaseCellGraphic::FreeOwnedBitmap()
{
    if (FOwnsBitmap) delete FCellBitmap;
    FCellBitmap = nullptr;
    FOwnsBitmap = false;
}

void TBaseCellGraphic::FreeOwnedIcon()
{
    if (FOwnsIcon) delete FCellIcon;
    FCellIcon = nullptr;
    FOwnsIcon = false;
}

void TBaseCellGraphic::SetCellBitmap(rtl::TObject* Value)
{
    // Handing in the object already held changes nothing (in particular, an owned object
    // is not freed and stays owned).
    if (Value == FCellBitmap) return;
    FreeOwnedBitmap();
    FCellBitmap = Value;
}

void TBaseCellGraphic::AdoptCellBitmap(std::unique_ptr<rtl::TObject> Value)
{
    if (Value.get() == FCellBitmap) {
        FOwnsBitmap = FCellBitmap != nullptr;
        (void)Value.release();
        return;
    }
    FreeOwnedBitmap();
    FCellBitmap = Value.release();
    FOwnsBitmap = FCellBitmap != nullptr;
}

void TBaseCellGraphic::SetCellIcon(gfx::TIcon* Value)
{
    if (Value == FCellIcon) return;
    FreeOwnedIcon();
    FCellIcon = Value;
}

void TBaseCellGraphic::AdoptCellIcon(std::unique_ptr<gfx::TIcon> Value)
{
    if (Value.get() == FCellIcon) {
        FOwnsIcon = FCellIcon != nullptr;
        (void)Value.release();
        return;
    }
    FreeOwnedIcon();
    FCellIcon = Value.release();
    FOwnsIcon = FCellIcon != nullptr;
}

// ---------------------------------------------------------------- kind setters

void TBaseCellGraphic::SetAlignments(TCellHAlign hal, TCellVAlign val)
{
    FCellHAlign = hal;
    FCellVAlign = val;
}

void TBaseCellGraphic::SetBitmap(rtl::TObject* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    FCellType = ctBitmap;
    SetCellBitmap(ABmp);
    FCellTransparent = Transparent;
    SetAlignments(hal, val);
}

void TBaseCellGraphic::SetPicture(rtl::TObject* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                                  TCellHAlign hal, TCellVAlign val)
{
    FCellType = ctPicture;
    SetCellBitmap(APicture);
    FCellTransparent = Transparent;
    FCellAngle = StretchMode;
    FCellIndex = padding;
    SetAlignments(hal, val);
}

void TBaseCellGraphic::SetFilePicture(rtl::TObject* APicture, bool Transparent, TStretchMode stretchmode,
                                      int padding, TCellHAlign hal, TCellVAlign val)
{
    SetPicture(APicture, Transparent, stretchmode, padding, hal, val);
    FCellType = ctFilePicture;
}

void TBaseCellGraphic::SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val)
{
    FCellType = ctImageList;
    FCellIndex = idx;
    SetAlignments(hal, val);
}

void TBaseCellGraphic::SetDataImage(int idx, TCellHAlign hal, TCellVAlign val)
{
    FCellType = ctDataImage;
    FCellIndex = idx;
    SetAlignments(hal, val);
}

void TBaseCellGraphic::SetDataPicture(TCellHAlign hal, TCellVAlign val)
{
    FCellType = ctDataPicture;
    SetAlignments(hal, val);
}

void TBaseCellGraphic::SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val,
                                     const TImageChangeEvent& Notifier)
{
    FCellType = ctImages;
    SetAlignments(hal, val);
    FCellBoolean = dir == 0;
    auto list = std::make_unique<TIntList>(Col, Row);
    list->OnChange = Notifier;
    AdoptCellBitmap(std::move(list));
}

void TBaseCellGraphic::SetIcon(gfx::TIcon* aicon, TCellHAlign hal, TCellVAlign val)
{
    FCellType = ctIcon;
    SetCellIcon(aicon);
    SetAlignments(hal, val);
}

void TBaseCellGraphic::SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    FCellType = Data ? ctDataCheckBox : ctCheckBox;
    FCellAngle = 0;
    FCellBoolean = Value;
    FCellTransparent = Flat;
    SetAlignments(hal, val);
}

void TBaseCellGraphic::SetCheckBox(ui::TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    FCellType = ctTriStateCheckBox;
    FCellCheckBoxState = Value;
    FCellBoolean = false;
    FCellTransparent = Flat;
    SetAlignments(hal, val);
}

void TBaseCellGraphic::SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val,
                                      TRadioButtonGroup Group)
{
    FCellType = ctRadioButton;
    FCellBoolean = Value;
    FCellAngle = Group;
    FCellTransparent = Flat;
    SetAlignments(hal, val);
}

void TBaseCellGraphic::SetAngle(short AAngle)
{
    FCellType = ctRotated;
    int angle = AAngle;
    while (angle < 0) angle += 360;
    while (angle > 360) angle -= 360;
    FCellAngle = angle;
}

void TBaseCellGraphic::SetButton(int bw, int bh, const std::string& caption, TCellHAlign hal, TCellVAlign val)
{
    FCellType = ctButton;
    auto packed = (static_cast<std::uint32_t>(bh) << 16) | (static_cast<std::uint32_t>(bw) & 0xFFFFu);
    FCellIndex = static_cast<int>(packed);
    FCellBoolean = false;
    FCellText = caption;
    SetAlignments(hal, val);
}

void TBaseCellGraphic::SetBitButton(int bw, int bh, const std::string& caption, rtl::TObject* Glyph,
                                    TCellHAlign hal, TCellVAlign val)
{
    SetButton(bw, bh, caption, hal, val);
    FCellType = ctBitButton;
    SetCellBitmap(Glyph);
}

void TBaseCellGraphic::SetInterfacedCell(rtl::TObject* AObject)
{
    FCellType = ctInterface;
    SetCellBitmap(AObject);
}

// ---------------------------------------------------------------- picture size

namespace {
// Natural size of the picture a picture kind holds (0 x 0 without one).
rtl::TPoint NaturalSize(TCellType kind, const rtl::TObject* object)
{
    if (object == nullptr) return {};
    if (kind == ctFilePicture) {
        if (auto* fp = dynamic_cast<const TFilePicture*>(object)) return {fp->Width(), fp->Height()};
    }
    if (auto* picture = dynamic_cast<const gfx::TPicture*>(object)) return {picture->Width(), picture->Height()};
    if (auto* graphic = dynamic_cast<const gfx::TGraphic*>(object)) return {graphic->Width(), graphic->Height()};
    if (auto* fp = dynamic_cast<const TFilePicture*>(object)) return {fp->Width(), fp->Height()};
    return {};
}

int RoundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// Fits (w, h) into (a, b) keeping the aspect ratio, by the smaller of the two ratios.
rtl::TPoint FitAspect(int w, int h, int a, int b, bool capAtOne)
{
    double rx = w < 1 ? 1.0 : static_cast<double>(a) / w;
    double ry = h < 1 ? 1.0 : static_cast<double>(b) / h;
    if (capAtOne) {
        rx = std::min(rx, 1.0);
        ry = std::min(ry, 1.0);
    }
    if (rx >= ry) return {RoundHalfEven(w * ry), b};
    return {a, RoundHalfEven(h * rx)};
}
}  // namespace

rtl::TPoint TBaseCellGraphic::GetPictureSize(int cw, int rh) const
{
    // Kinds without a picture have no drawn picture size: (0, 0) rather than an unset value.
    if (FCellType != ctPicture && FCellType != ctFilePicture) return {};
    rtl::TPoint natural = NaturalSize(FCellType, FCellBitmap);
    int w = natural.X;
    int h = natural.Y;
    int a = cw - FCellIndex;
    int b = rh - FCellIndex;
    bool fits = a >= w && b >= h;
    switch (static_cast<TStretchMode>(FCellAngle)) {
    case Stretch:
        return {a, b};
    case StretchWithAspectRatio:
        return FitAspect(w, h, a, b, false);
    case Shrink:
        return fits ? rtl::TPoint{w, h} : rtl::TPoint{a, b};
    case ShrinkWithAspectRatio:
        return fits ? rtl::TPoint{w, h} : FitAspect(w, h, a, b, true);
    case noStretch:
    default:
        return {w, h};
    }
}

TCellVAlign CellVAlignOf(TVAlignment Alignment)
{
    switch (Alignment) {
    case vtaCenter:
        return vaCenter;
    case vtaBottom:
        return vaBottom;
    case vtaTop:
    default:
        return vaTop;
    }
}

}  // namespace grid
