// The look of hot and selected items of an item selector and its style presets.
#include "grid/dropdown/ItemAppearance.h"

#include "platform/gfx/GraphicsObjects.h"

namespace grid {

namespace {

// The twelve colours a named selection style sets, in the order of the members below.
struct TItemStylePreset {
    gfx::TColor Hot, HotTo, MirrorHot, MirrorHotTo, BorderTop, BorderBottom, Border, Edge;
    gfx::TColor Selected, SelectedTo, MirrorSelected, MirrorSelectedTo;
};

constexpr TItemStylePreset kOffice2007{0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF,
                                       0x8DD7D3, 0xC3D9DF, 0xA6FFFB, 0x04B9F4, 0x15C1FB, 0x68E3F9};
constexpr TItemStylePreset kWindowsVista{0xFDF8F1, 0xFCEFD5, gfx::clNone, gfx::clNone, 0xFDFBF6, 0xFDF5E7,
                                         0xFDDE99, 0xFCEDCB, 0xFAEEDE, 0xFAE3B4, gfx::clNone, gfx::clNone};
constexpr TItemStylePreset kWindows7{0xFCEBDC, 0xFCDBC1, gfx::clNone, gfx::clNone, 0xFDF4EB, 0xFDEADB,
                                     0xCEA27D, 0xE0C5AE, 0xF9D8B9, 0xFBCAA2, gfx::clNone, gfx::clNone};

const TItemStylePreset* PresetOf(TSelectionColorStyle style)
{
    switch (style) {
    case scOffice2007: return &kOffice2007;
    case scWindowsVista: return &kWindowsVista;
    case scWindows7: return &kWindows7;
    case scCustom: break;
    }
    return nullptr;
}

}  // namespace

TItemAppearance::TItemAppearance(rtl::TPersistent* AOwner)
    : FOwner(AOwner), FFont(std::make_unique<gfx::TFont>())
{
    FFont->SetName("Tahoma");
    SetColorStyle(scOffice2007);
    FColorSelectedText = 0;
    FColorHotText = 0;
    FBorderColorHot = gfx::clNone;
    FBorderColorSelected = gfx::clNone;
}

TItemAppearance::~TItemAppearance() = default;

void TItemAppearance::SetFont(const gfx::TFont* value)
{
    FFont->Assign(value);
}

void TItemAppearance::SetColorStyle(TSelectionColorStyle value)
{
    if (value == FColorStyle) return;
    FColorStyle = value;
    const TItemStylePreset* p = PresetOf(value);
    if (p == nullptr) return;
    FColorHot = p->Hot;
    FColorHotTo = p->HotTo;
    FColorMirrorHot = p->MirrorHot;
    FColorMirrorHotTo = p->MirrorHotTo;
    FBorderColorTop = p->BorderTop;
    FBorderColorBottom = p->BorderBottom;
    FBorderColor = p->Border;
    FEdgeColor = p->Edge;
    FColorSelected = p->Selected;
    FColorSelectedTo = p->SelectedTo;
    FColorMirrorSelected = p->MirrorSelected;
    FColorMirrorSelectedTo = p->MirrorSelectedTo;
}

void TItemAppearance::CopyStyleColors(const TItemAppearance& s)
{
    FColorHot = s.FColorHot;
    FColorHotTo = s.FColorHotTo;
    FColorMirrorHot = s.FColorMirrorHot;
    FColorMirrorHotTo = s.FColorMirrorHotTo;
    FBorderColorTop = s.FBorderColorTop;
    FBorderColorBottom = s.FBorderColorBottom;
    FBorderColor = s.FBorderColor;
    FEdgeColor = s.FEdgeColor;
    FColorSelected = s.FColorSelected;
    FColorSelectedTo = s.FColorSelectedTo;
    FColorMirrorSelected = s.FColorMirrorSelected;
    FColorMirrorSelectedTo = s.FColorMirrorSelectedTo;
}

void TItemAppearance::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TItemAppearance*>(Source);
    if (src == nullptr) {
        rtl::TPersistent::Assign(Source);
        return;
    }
    CopyStyleColors(*src);
    FFont->Assign(src->FFont.get());
    SetColorStyle(src->FColorStyle);
    FColorSelectedText = src->FColorSelectedText;
    FBorderColorHot = src->FBorderColorHot;
    FBorderColorSelected = src->FBorderColorSelected;
}

}  // namespace grid
