// The look of hot and selected items of an item selector: fill, mirror fill, border colours,
// text colours and font, with presets per selection colour style.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "grid/dropdown/ExtDropDownEdit.h"
#include "platform/gfx/Color.h"
#include "platform/rtl/Object.h"

namespace gfx {
class TFont;
}

namespace grid {

class TItemAppearance : public rtl::TPersistent {
public:
    explicit TItemAppearance(rtl::TPersistent* AOwner);
    ~TItemAppearance() override;
    TItemAppearance(const TItemAppearance&) = delete;
    TItemAppearance& operator=(const TItemAppearance&) = delete;
    std::string ClassName() const override { return "TItemAppearance"; }
    rtl::TPersistent* GetOwner() const { return FOwner; }
    // Copies the twelve style colours and the font, then the colour style through its writer
    // (a named style replaces the copied colours by its presets), then the selected text colour
    // and the hot and selected border colours.
    void Assign(const rtl::TPersistent* Source) override;

    // --- borders ---
    gfx::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(gfx::TColor v) { FBorderColor = v; }
    gfx::TColor BorderColorTop() const { return FBorderColorTop; }
    void SetBorderColorTop(gfx::TColor v) { FBorderColorTop = v; }
    gfx::TColor BorderColorBottom() const { return FBorderColorBottom; }
    void SetBorderColorBottom(gfx::TColor v) { FBorderColorBottom = v; }
    gfx::TColor BorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(gfx::TColor v) { FBorderColorHot = v; }
    gfx::TColor BorderColorSelected() const { return FBorderColorSelected; }
    void SetBorderColorSelected(gfx::TColor v) { FBorderColorSelected = v; }
    gfx::TColor EdgeColor() const { return FEdgeColor; }
    void SetEdgeColor(gfx::TColor v) { FEdgeColor = v; }

    // --- hot item ---
    gfx::TColor ColorHot() const { return FColorHot; }
    void SetColorHot(gfx::TColor v) { FColorHot = v; }
    gfx::TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(gfx::TColor v) { FColorHotTo = v; }
    gfx::TColor ColorMirrorHot() const { return FColorMirrorHot; }
    void SetColorMirrorHot(gfx::TColor v) { FColorMirrorHot = v; }
    gfx::TColor ColorMirrorHotTo() const { return FColorMirrorHotTo; }
    void SetColorMirrorHotTo(gfx::TColor v) { FColorMirrorHotTo = v; }
    gfx::TColor ColorHotText() const { return FColorHotText; }
    void SetColorHotText(gfx::TColor v) { FColorHotText = v; }

    // --- selected item ---
    gfx::TColor ColorSelected() const { return FColorSelected; }
    void SetColorSelected(gfx::TColor v) { FColorSelected = v; }
    gfx::TColor ColorSelectedTo() const { return FColorSelectedTo; }
    void SetColorSelectedTo(gfx::TColor v) { FColorSelectedTo = v; }
    gfx::TColor ColorMirrorSelected() const { return FColorMirrorSelected; }
    void SetColorMirrorSelected(gfx::TColor v) { FColorMirrorSelected = v; }
    gfx::TColor ColorMirrorSelectedTo() const { return FColorMirrorSelectedTo; }
    void SetColorMirrorSelectedTo(gfx::TColor v) { FColorMirrorSelectedTo = v; }
    gfx::TColor ColorSelectedText() const { return FColorSelectedText; }
    void SetColorSelectedText(gfx::TColor v) { FColorSelectedText = v; }

    // --- font and style ---
    gfx::TFont& Font() const { return *FFont; }
    void SetFont(const gfx::TFont* value);
    TSelectionColorStyle ColorStyle() const { return FColorStyle; }
    // A named style overwrites the twelve style colours with its presets; scCustom keeps them.
    void SetColorStyle(TSelectionColorStyle value);

    std::function<void(rtl::TObject* Sender)> OnChange;

private:
    void CopyStyleColors(const TItemAppearance& source);
    rtl::TPersistent* FOwner;
    gfx::TColor FColorMirrorHotTo = gfx::clNone;
    gfx::TColor FBorderColor = gfx::clNone;
    gfx::TColor FColorMirrorHot = gfx::clNone;
    gfx::TColor FColorSelectedTo = gfx::clNone;
    gfx::TColor FColorSelected = gfx::clNone;
    gfx::TColor FEdgeColor = gfx::clNone;
    gfx::TColor FColorHotTo = gfx::clNone;
    gfx::TColor FBorderColorBottom = gfx::clNone;
    gfx::TColor FColorHot = gfx::clNone;
    gfx::TColor FBorderColorTop = gfx::clNone;
    gfx::TColor FColorMirrorSelectedTo = gfx::clNone;
    gfx::TColor FColorMirrorSelected = gfx::clNone;
    gfx::TColor FColorSelectedText = 0;
    gfx::TColor FColorHotText = 0;
    TSelectionColorStyle FColorStyle = scCustom;
    std::unique_ptr<gfx::TFont> FFont;
    gfx::TColor FBorderColorHot = gfx::clNone;
    gfx::TColor FBorderColorSelected = gfx::clNone;
};

}  // namespace grid
