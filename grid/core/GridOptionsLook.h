// The control look of the string grid: sizes, styles and colours of what cells draw or host, and the drop-down bars.
#pragma once

#include <memory>
#include <string>

#include "grid/core/GridOptions.h"
#include "grid/dropdown/DropDownAppearance.h"
#include "platform/gfx/Color.h"
#include "platform/rtl/Object.h"

namespace rtl {
class TComponent;
}
namespace gfx {
class TBitmap;
class TFont;
}  // namespace gfx

namespace grid {

class TExtStringGrid;

// How check boxes, radio buttons and buttons in cells are drawn.
enum TControlStyle : std::uint8_t { csClassic, csFlat, csWinXP, csBorland, csJyx, csGlyph, csTheme };

// The grid's ControlLook. Setters store and then repaint the grid or pass a fixed-gradient
// colour on to the grid as their table says; Assign copies field by field and tells the
// grid nothing.
class TControlLook : public rtl::TPersistent {
public:
    // AGrid may be nil (a look not attached to a grid only stores values).
    explicit TControlLook(TExtStringGrid* AGrid);
    ~TControlLook() override;
    TControlLook(const TControlLook&) = delete;
    TControlLook& operator=(const TControlLook&) = delete;
    std::string ClassName() const override { return "TControlLook"; }
    void Assign(const rtl::TPersistent* Source) override;
    // Colour, comment colour, progress border and the fourteen fixed-gradient colours
    // back to their start values.
    void Init();

    // Repaint the grid after storing.
    int CheckSize() const { return FControlStyle == csJyx ? 16 : FCheckSize; }
    void SetCheckSize(int v);
    int RadioSize() const { return FRadioSize; }
    void SetRadioSize(int v);
    gfx::TColor Color() const { return FColor; }
    void SetColor(gfx::TColor v);
    gfx::TColor CommentColor() const { return FCommentColor; }
    void SetCommentColor(gfx::TColor v);
    bool FlatButton() const { return FFlatButton; }
    void SetFlatButton(bool v);
    bool SpinButtonsAlwaysVisible() const { return FSpinButtonsAlwaysVisible; }
    void SetSpinButtonsAlwaysVisible(bool v);
    bool NoDisabledCheckRadioLook() const { return FNoDisabledCheckRadioLook; }
    void SetNoDisabledCheckRadioLook(bool v);
    bool NoDisabledButtonLook() const { return FNoDisabledButtonLook; }
    void SetNoDisabledButtonLook(bool v);
    int ProgressMarginX() const { return FProgressMarginX; }
    void SetProgressMarginX(int v);
    int ProgressMarginY() const { return FProgressMarginY; }
    void SetProgressMarginY(int v);
    bool ProgressXP() const { return FProgressXP; }
    void SetProgressXP(bool v);
    // Repaint only on a change.
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle v);
    bool DropDownAlwaysVisible() const { return FDropDownAlwaysVisible; }
    void SetDropDownAlwaysVisible(bool v);
    int DropDownButtonWidth() const { return FDropDownButtonWidth; }
    void SetDropDownButtonWidth(int v);
    bool RadioRange() const { return FRadioRange; }
    void SetRadioRange(bool v);
    // A negative height is ignored.
    int ProgressHeight() const { return FProgressHeight; }
    void SetProgressHeight(int v);
    // Owned bitmaps: the setters copy the given bitmap and repaint.
    gfx::TBitmap& CheckedGlyph() const { return *FCheckedGlyph; }
    void SetCheckedGlyph(const gfx::TBitmap* v);
    gfx::TBitmap& UnCheckedGlyph() const { return *FUnCheckedGlyph; }
    void SetUnCheckedGlyph(const gfx::TBitmap* v);
    gfx::TBitmap& RadioOnGlyph() const { return *FRadioOnGlyph; }
    void SetRadioOnGlyph(const gfx::TBitmap* v);
    gfx::TBitmap& RadioOffGlyph() const { return *FRadioOffGlyph; }
    void SetRadioOffGlyph(const gfx::TBitmap* v);
    // Owned appearances: the setters copy, without a repaint.
    THeaderAppearance& DropDownHeader() const { return *FDropDownHeader; }
    void SetDropDownHeader(const THeaderAppearance* v);
    TFooterAppearance& DropDownFooter() const { return *FDropDownFooter; }
    void SetDropDownFooter(const TFooterAppearance* v);

    // Fixed-cell gradients. From/To (and the hover and down borders) reach the grid only
    // when not clNone; the mirror colours reach it always.
    gfx::TColor FixedGradientFrom() const { return FFixedGradientFrom; }
    void SetFixedGradientFrom(gfx::TColor v);
    gfx::TColor FixedGradientTo() const { return FFixedGradientTo; }
    void SetFixedGradientTo(gfx::TColor v);
    gfx::TColor FixedGradientMirrorFrom() const { return FFixedGradientMirrorFrom; }
    void SetFixedGradientMirrorFrom(gfx::TColor v);
    gfx::TColor FixedGradientMirrorTo() const { return FFixedGradientMirrorTo; }
    void SetFixedGradientMirrorTo(gfx::TColor v);
    gfx::TColor FixedGradientHoverFrom() const { return FFixedGradientHoverFrom; }
    void SetFixedGradientHoverFrom(gfx::TColor v) { FFixedGradientHoverFrom = v; }
    gfx::TColor FixedGradientHoverTo() const { return FFixedGradientHoverTo; }
    void SetFixedGradientHoverTo(gfx::TColor v) { FFixedGradientHoverTo = v; }
    gfx::TColor FixedGradientHoverMirrorFrom() const { return FFixedGradientHoverMirrorFrom; }
    void SetFixedGradientHoverMirrorFrom(gfx::TColor v) { FFixedGradientHoverMirrorFrom = v; }
    gfx::TColor FixedGradientHoverMirrorTo() const { return FFixedGradientHoverMirrorTo; }
    void SetFixedGradientHoverMirrorTo(gfx::TColor v) { FFixedGradientHoverMirrorTo = v; }
    gfx::TColor FixedGradientHoverBorder() const { return FFixedGradientHoverBorder; }
    void SetFixedGradientHoverBorder(gfx::TColor v) { FFixedGradientHoverBorder = v; }
    gfx::TColor FixedGradientDownFrom() const { return FFixedGradientDownFrom; }
    void SetFixedGradientDownFrom(gfx::TColor v) { FFixedGradientDownFrom = v; }
    gfx::TColor FixedGradientDownTo() const { return FFixedGradientDownTo; }
    void SetFixedGradientDownTo(gfx::TColor v) { FFixedGradientDownTo = v; }
    gfx::TColor FixedGradientDownMirrorFrom() const { return FFixedGradientDownMirrorFrom; }
    void SetFixedGradientDownMirrorFrom(gfx::TColor v) { FFixedGradientDownMirrorFrom = v; }
    gfx::TColor FixedGradientDownMirrorTo() const { return FFixedGradientDownMirrorTo; }
    void SetFixedGradientDownMirrorTo(gfx::TColor v) { FFixedGradientDownMirrorTo = v; }
    gfx::TColor FixedGradientDownBorder() const { return FFixedGradientDownBorder; }
    void SetFixedGradientDownBorder(gfx::TColor v) { FFixedGradientDownBorder = v; }

    // Plain fields.
    GRID_PLAIN_PROPERTY(bool, CheckAlwaysActive, false)
    GRID_PLAIN_PROPERTY(bool, RadioAlwaysActive, false)
    GRID_PLAIN_PROPERTY(bool, ButtonPrefix, false)
    GRID_PLAIN_PROPERTY(bool, FixedDropDownButton, false)
    GRID_PLAIN_PROPERTY(int, DropDownCount, 8)
    GRID_PLAIN_PROPERTY(int, HintMaxWidth, 0)
    GRID_PLAIN_PROPERTY(gfx::TColor, ProgressBorderColor, 0x808080)

private:
    void Repaint();

    TExtStringGrid* FGrid;
    TControlStyle FControlStyle = csTheme;
    int FCheckSize = 15;
    int FRadioSize = 10;
    gfx::TColor FColor = gfx::clBlack;
    gfx::TColor FCommentColor = gfx::clRed;
    bool FFlatButton = false;
    bool FSpinButtonsAlwaysVisible = false;
    bool FNoDisabledCheckRadioLook = false;
    bool FNoDisabledButtonLook = false;
    int FProgressMarginX = 2;
    int FProgressMarginY = 2;
    bool FProgressXP = false;
    bool FDropDownAlwaysVisible = false;
    int FDropDownButtonWidth = 16;
    bool FRadioRange = false;
    int FProgressHeight = 0;
    gfx::TColor FFixedGradientFrom = gfx::clNone;
    gfx::TColor FFixedGradientTo = gfx::clNone;
    gfx::TColor FFixedGradientMirrorFrom = gfx::clNone;
    gfx::TColor FFixedGradientMirrorTo = gfx::clNone;
    gfx::TColor FFixedGradientHoverFrom = gfx::clGray;
    gfx::TColor FFixedGradientHoverTo = gfx::clWhite;
    gfx::TColor FFixedGradientHoverMirrorFrom = gfx::clNone;
    gfx::TColor FFixedGradientHoverMirrorTo = gfx::clNone;
    gfx::TColor FFixedGradientHoverBorder = 0xC0C0C0;
    gfx::TColor FFixedGradientDownFrom = gfx::clGray;
    gfx::TColor FFixedGradientDownTo = gfx::clSilver;
    gfx::TColor FFixedGradientDownMirrorFrom = gfx::clNone;
    gfx::TColor FFixedGradientDownMirrorTo = gfx::clNone;
    gfx::TColor FFixedGradientDownBorder = 0x808080;
    std::unique_ptr<gfx::TBitmap> FCheckedGlyph;
    std::unique_ptr<gfx::TBitmap> FUnCheckedGlyph;
    std::unique_ptr<gfx::TBitmap> FRadioOnGlyph;
    std::unique_ptr<gfx::TBitmap> FRadioOffGlyph;
    std::unique_ptr<THeaderAppearance> FDropDownHeader;
    std::unique_ptr<TFooterAppearance> FDropDownFooter;
};

}  // namespace grid
