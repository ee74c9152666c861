// TExtGridPopup: the abstract pop-up tool bar a grid shows over its cells.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/Types.h"

namespace grid {

// A tool bar class derived from it answers whether a point lies inside its window.
class TExtGridPopup : public rtl::TComponent {
public:
    explicit TExtGridPopup(rtl::TComponent* AOwner) : rtl::TComponent(AOwner) {}
    std::string ClassName() const override { return "TExtGridPopup"; }

    virtual void Show(const rtl::TPoint& /*pt*/) { FVisible = true; }
    virtual void Hide() { FVisible = false; }
    virtual bool MouseInPopup(const rtl::TPoint& pt) = 0;

    bool Visible() const { return FVisible; }

private:
    bool FVisible = false;
};

}  // namespace grid
