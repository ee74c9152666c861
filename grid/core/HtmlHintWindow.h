// The hint window that shows mini-HTML (with the images of a grid's lists) or a unicode-escaped line, kept on the display.
#pragma once

#include <string>

#include "platform/ui/Forms.h"

namespace gfx {
class TImageList;
}

namespace grid {

class TPictureContainer;

// The font name of unicode-escaped hint texts: the cell-hint handling of a grid stores the
// grid's font name here before the hint shows.
std::string& HintFontName();

class THTMLHintWindow : public ui::THintWindow {
public:
    explicit THTMLHintWindow(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "THTMLHintWindow"; }
    // The size of the text laid out within maxWidth, without margins.
    rtl::TRect CalcHintRect(int maxWidth, const std::string& hint, void* data = nullptr) override;
    // Sizes the window to the text plus its margins and keeps it 2 pixels inside the
    // display's right and bottom edges.
    void ActivateHint(const rtl::TRect& rect, const std::string& hint) override;
    // A grid as data lends its image list and picture container to the text's IMG tags;
    // other data keeps those of the previous use.
    void ActivateHintData(const rtl::TRect& rect, const std::string& hint, void* data) override;
    int TextWidth() const { return FTextWidth; }
    int TextHeight() const { return FTextHeight; }

protected:
    void Paint() override;
    void WndProc(ui::TMessage& Message) override;

private:
    bool IsWide() const;
    rtl::TSize MeasureText(const std::string& hint, int maxWidth);

    const gfx::TImageList* FImages = nullptr;
    TPictureContainer* FPictureContainer = nullptr;
    int FTextWidth = 0;
    int FTextHeight = 0;
    std::string FWideCaption;
};

// The window class of THTMLHintWindow for hint records.
ui::THintWindow* NewHTMLHintWindow(rtl::TComponent* AOwner);

}  // namespace grid
