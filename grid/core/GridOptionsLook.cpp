// The control look of the string grid and the drop-down bar appearances it owns.
#include "grid/core/GridOptionsLook.h"

#include "grid/core/ExtGrid.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/GraphicsObjects.h"

namespace grid {

TControlLook::TControlLook(TExtStringGrid* AGrid)
    : FGrid(AGrid),
      FCheckedGlyph(std::make_unique<gfx::TBitmap>()),
      FUnCheckedGlyph(std::make_unique<gfx::TBitmap>()),
      FRadioOnGlyph(std::make_unique<gfx::TBitmap>()),
      FRadioOffGlyph(std::make_unique<gfx::TBitmap>()),
      FDropDownHeader(std::make_unique<THeaderAppearance>(AGrid)),
      FDropDownFooter(std::make_unique<TFooterAppearance>(AGrid))
{
    Init();
}

TControlLook::~TControlLook() = default;

void TControlLook::Init()
{
    FColor = gfx::clBlack;
    FCommentColor = gfx::clRed;
    FProgressBorderColor = 0x808080;
    FFixedGradientFrom = gfx::clNone;
    FFixedGradientTo = gfx::clNone;
    FFixedGradientMirrorFrom = gfx::clNone;
    FFixedGradientMirrorTo = gfx::clNone;
    FFixedGradientHoverFrom = gfx::clGray;
    FFixedGradientHoverTo = gfx::clWhite;
    FFixedGradientHoverBorder = 0xC0C0C0;
    FFixedGradientDownFrom = gfx::clGray;
    FFixedGradientDownTo = gfx::clSilver;
    FFixedGradientDownBorder = 0x808080;
    SetFixedGradientHoverMirrorFrom(gfx::clNone);
    SetFixedGradientHoverMirrorTo(gfx::clNone);
    SetFixedGradientDownMirrorFrom(gfx::clNone);
    SetFixedGradientDownMirrorTo(gfx::clNone);
}

void TControlLook::Repaint()
{
    if (FGrid != nullptr) FGrid->Invalidate();
}

void TControlLook::SetCheckSize(int v) { FCheckSize = v; Repaint(); }
void TControlLook::SetRadioSize(int v) { FRadioSize = v; Repaint(); }
void TControlLook::SetColor(gfx::TColor v) { FColor = v; Repaint(); }
void TControlLook::SetCommentColor(gfx::TColor v)
{
    FCommentColor = v;
    if (FGrid != nullptr) FGrid->SetCommentColor(v);
    Repaint();
}
void TControlLook::SetFlatButton(bool v) { FFlatButton = v; Repaint(); }
void TControlLook::SetSpinButtonsAlwaysVisible(bool v) { FSpinButtonsAlwaysVisible = v; Repaint(); }
void TControlLook::SetNoDisabledCheckRadioLook(bool v) { FNoDisabledCheckRadioLook = v; Repaint(); }
void TControlLook::SetNoDisabledButtonLook(bool v) { FNoDisabledButtonLook = v; Repaint(); }
void TControlLook::SetProgressMarginX(int v) { FProgressMarginX = v; Repaint(); }
void TControlLook::SetProgressMarginY(int v) { FProgressMarginY = v; Repaint(); }
void TControlLook::SetProgressXP(bool v) { FProgressXP = v; Repaint(); }

void TControlLook::SetControlStyle(TControlStyle v)
{
    if (v == FControlStyle) return;
    FControlStyle = v;
    Repaint();
}

void TControlLook::SetDropDownAlwaysVisible(bool v)
{
    if (v == FDropDownAlwaysVisible) return;
    FDropDownAlwaysVisible = v;
    Repaint();
}

void TControlLook::SetDropDownButtonWidth(int v)
{
    if (v == FDropDownButtonWidth) return;
    FDropDownButtonWidth = v;
    Repaint();
}

void TControlLook::SetRadioRange(bool v)
{
    if (v == FRadioRange) return;
    FRadioRange = v;
    Repaint();
}

void TControlLook::SetProgressHeight(int v)
{
    if (v < 0) return;
    FProgressHeight = v;
    Repaint();
}

void TControlLook::SetCheckedGlyph(const gfx::TBitmap* v) { FCheckedGlyph->Assign(v); Repaint(); }
void TControlLook::SetUnCheckedGlyph(const gfx::TBitmap* v) { FUnCheckedGlyph->Assign(v); Repaint(); }
void TControlLook::SetRadioOnGlyph(const gfx::TBitmap* v) { FRadioOnGlyph->Assign(v); Repaint(); }
void TControlLook::SetRadioOffGlyph(const gfx::TBitmap* v) { FRadioOffGlyph->Assign(v); Repaint(); }
void TControlLook::SetDropDownHeader(const THeaderAppearance* v) { FDropDownHeader->Assign(v); }
void TControlLook::SetDropDownFooter(const TFooterAppearance* v) { FDropDownFooter->Assign(v); }

void TControlLook::SetFixedGradientFrom(gfx::TColor v)
{
    FFixedGradientFrom = v;
    if (FGrid != nullptr && v != gfx::clNone) FGrid->SetJyxGradientFrom(v);
}

void TControlLook::SetFixedGradientTo(gfx::TColor v)
{
    FFixedGradientTo = v;
    if (FGrid != nullptr && v != gfx::clNone) FGrid->SetJyxGradientTo(v);
}

void TControlLook::SetFixedGradientMirrorFrom(gfx::TColor v)
{
    FFixedGradientMirrorFrom = v;
    if (FGrid != nullptr) FGrid->SetJyxGradientMirrorFrom(v);
}

void TControlLook::SetFixedGradientMirrorTo(gfx::TColor v)
{
    FFixedGradientMirrorTo = v;
    if (FGrid != nullptr) FGrid->SetJyxGradientMirrorTo(v);
}

void TControlLook::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TControlLook*>(Source);
    if (src == nullptr) return;
    FButtonPrefix = src->FButtonPrefix;
    FCheckSize = src->CheckSize();
    FRadioSize = src->FRadioSize;
    FControlStyle = src->FControlStyle;
    FCheckedGlyph->Assign(src->FCheckedGlyph.get());
    FUnCheckedGlyph->Assign(src->FUnCheckedGlyph.get());
    FRadioOnGlyph->Assign(src->FRadioOnGlyph.get());
    FRadioOffGlyph->Assign(src->FRadioOffGlyph.get());
    FProgressMarginX = src->FProgressMarginX;
    FProgressMarginY = src->FProgressMarginY;
    FProgressHeight = src->FProgressHeight;
    FProgressBorderColor = src->FProgressBorderColor;
    FProgressXP = src->FProgressXP;
    FCommentColor = src->FCommentColor;
    FColor = src->FColor;
    FCheckAlwaysActive = src->FCheckAlwaysActive;
    FRadioAlwaysActive = src->FRadioAlwaysActive;
    FFixedGradientFrom = src->FFixedGradientFrom;
    FFixedGradientTo = src->FFixedGradientTo;
    FFixedGradientMirrorFrom = src->FFixedGradientMirrorFrom;
    FFixedGradientMirrorTo = src->FFixedGradientMirrorTo;
    FFixedGradientHoverFrom = src->FFixedGradientHoverFrom;
    FFixedGradientHoverTo = src->FFixedGradientHoverTo;
    FFixedGradientHoverMirrorFrom = src->FFixedGradientHoverMirrorFrom;
    FFixedGradientHoverMirrorTo = src->FFixedGradientHoverMirrorTo;
    FFixedGradientHoverBorder = src->FFixedGradientHoverBorder;
    FFixedGradientDownFrom = src->FFixedGradientDownFrom;
    FFixedGradientDownTo = src->FFixedGradientDownTo;
    FFixedGradientDownMirrorFrom = src->FFixedGradientDownMirrorFrom;
    FFixedGradientDownMirrorTo = src->FFixedGradientDownMirrorTo;
    FFixedGradientDownBorder = src->FFixedGradientDownBorder;
    FDropDownAlwaysVisible = src->FDropDownAlwaysVisible;
    FSpinButtonsAlwaysVisible = src->FSpinButtonsAlwaysVisible;
    FDropDownCount = src->FDropDownCount;
    FDropDownFooter->Assign(src->FDropDownFooter.get());
    FDropDownHeader->Assign(src->FDropDownHeader.get());
    FHintMaxWidth = src->FHintMaxWidth;
    FDropDownButtonWidth = src->FDropDownButtonWidth;
    FRadioRange = src->FRadioRange;
}

}  // namespace grid
