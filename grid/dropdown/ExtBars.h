// The header and footer bars of a drop-down's pop-up: background, frame, mini-HTML caption,
// a row of gradient buttons and, on the footer, the size grip.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "grid/dropdown/DropDownAppearance.h"
#include "grid/dropdown/ExtButton.h"
#include "platform/ui/Controls.h"

namespace grid {

class TExtCustomDropDown;

using TDrawBackGroundEvent = std::function<void(rtl::TObject* Sender, gfx::TCanvas& Canvas, rtl::TRect Rect)>;
using TGetTextEvent = std::function<void(rtl::TObject* Sender, std::string& Text)>;

class TExtBar : public ui::TCustomControl {
public:
    TBarAppearance& Appearance() const { return *FAppearance; }
    // The list of the bar's image and its buttons' images (not owned; the linked drop-down's).
    gfx::TImageList* Images() const { return FImages; }
    void SetImages(gfx::TImageList* value);
    TExtCustomDropDown* ExtDropDown() const { return FExtDropDown; }
    // Links the bar: copies the drop-down's appearance of this bar.
    void SetExtDropDown(TExtCustomDropDown* value);
    void RebuildButtons();
    int ButtonCount() const { return static_cast<int>(FButtonList.size()); }
    TExtButton* Button(int index) const { return FButtonList.at(static_cast<std::size_t>(index)); }
    // The area for buttons inside the client rectangle.
    rtl::TRect InnerRect() const;
    bool SizeGripShows() const;
    // Paints the part `area` (bar coordinates) of the bar's background and frame into a
    // child's canvas, so that a button without a face shows the bar through.
    void PaintBackgroundInto(gfx::TCanvas& canvas, const rtl::TRect& area);

    TDrawBackGroundEvent OnDrawBackGround;
    TGetTextEvent OnGetText;

protected:
    TExtBar(rtl::TComponent* AOwner, bool footer);
    void Paint() override;
    void Resize() override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void Notification(rtl::TComponent* AComponent, rtl::TOperation Operation) override;
    void CreateButtons();
    void ClearButtons();
    void ArrangeButtons();

private:
    void PaintBackground(gfx::TCanvas& c, const rtl::TRect& r);
    void PaintBorder(gfx::TCanvas& c, const rtl::TRect& r);
    void PaintImage(gfx::TCanvas& c, rtl::TRect& content);
    void PaintCaption(gfx::TCanvas& c, rtl::TRect content);
    void PaintSizeGrip(gfx::TCanvas& c, const rtl::TRect& r);
    void ButtonClicked(rtl::TObject* sender);
    bool FFooter;
    std::unique_ptr<TBarAppearance> FAppearance;
    TExtCustomDropDown* FExtDropDown = nullptr;
    gfx::TImageList* FImages = nullptr;
    std::vector<TExtButton*> FButtonList;
};

class TExtHeader : public TExtBar {
public:
    explicit TExtHeader(rtl::TComponent* AOwner) : TExtBar(AOwner, false) {}
    std::string ClassName() const override { return "TExtHeader"; }
};

class TExtFooter : public TExtBar {
public:
    explicit TExtFooter(rtl::TComponent* AOwner) : TExtBar(AOwner, true) {}
    std::string ClassName() const override { return "TExtFooter"; }
};

}  // namespace grid
