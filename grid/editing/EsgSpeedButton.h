// A speed button that shows an image-list image or a picture centred over its face.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/Buttons.h"

namespace gfx {
class TImageList;
class TPicture;
}

namespace grid {

class TEsgSpeedButton : public ui::TSpeedButton {
public:
    explicit TEsgSpeedButton(rtl::TComponent* AOwner);
    ~TEsgSpeedButton() override;
    std::string ClassName() const override { return "TEsgSpeedButton"; }
    gfx::TPicture& Picture() { return *FPicture; }
    // Copies the picture and repaints.
    void SetPicture(const gfx::TPicture& Value);
    // Not owned; the button is not told when the list goes away.
    gfx::TImageList* Images() const { return FImages; }
    void SetImages(gfx::TImageList* Value) { FImages = Value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);

protected:
    void Paint() override;

private:
    std::unique_ptr<gfx::TPicture> FPicture;
    gfx::TImageList* FImages = nullptr;
    int FImageIndex = -1;
};

}  // namespace grid
