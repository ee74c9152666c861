// The boxes of the colour box selector, their collection and the look of their frames.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/Types.h"

namespace grid {

// Where a box stands in a column of shades framed together.
enum TItemPos { ipStandAlone, ipTop, ipMiddle, ipBottom };

class TColorBoxItems;

class TColorBoxItem : public rtl::TPersistent {
public:
    explicit TColorBoxItem(TColorBoxItems* collection) : FCollection(collection) {}
    std::string ClassName() const override { return "TColorBoxItem"; }
    // Copies the colour (through its writer) and the enabled state.
    void Assign(const rtl::TPersistent* Source) override;

    gfx::TColor Color() const { return FColor; }
    void SetColor(gfx::TColor value);
    TItemPos ColorBoxPos() const { return FColorBoxPos; }
    void SetColorBoxPos(TItemPos value) { FColorBoxPos = value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    const rtl::TRect& ItemRect() const { return FRect; }
    void SetItemRect(const rtl::TRect& value) { FRect = value; }

private:
    TColorBoxItems* FCollection;
    gfx::TColor FColor = gfx::clNone;
    bool FEnabled = true;
    rtl::TRect FRect{};
    TItemPos FColorBoxPos = ipStandAlone;
};

class TColorBoxItems : public rtl::TPersistent {
public:
    explicit TColorBoxItems(rtl::TPersistent* owner) : FMyOwner(owner) {}
    std::string ClassName() const override { return "TColorBoxItems"; }
    rtl::TPersistent* GetOwner() const { return FMyOwner; }
    int Count() const { return static_cast<int>(FItems.size()); }
    TColorBoxItem* Add() { return Insert(Count()); }
    TColorBoxItem* Insert(int index);
    void Delete(int index) { FItems.erase(FItems.begin() + index); }
    void Clear() { FItems.clear(); }
    TColorBoxItem* Items(int index) const { return FItems.at(static_cast<std::size_t>(index)).get(); }
    void Assign(const rtl::TPersistent* Source) override;

    std::function<void(rtl::TObject* Sender)> OnChange;

private:
    rtl::TPersistent* FMyOwner;
    std::vector<std::unique_ptr<TColorBoxItem>> FItems;
};

class TColorBoxAppearance : public rtl::TPersistent {
public:
    std::string ClassName() const override { return "TColorBoxAppearance"; }
    void Assign(const rtl::TPersistent* Source) override;

    gfx::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(gfx::TColor v) { FBorderColor = v; }
    gfx::TColor OuterBorderColorHot() const { return FOuterBorderColorHot; }
    void SetOuterBorderColorHot(gfx::TColor v) { FOuterBorderColorHot = v; }
    gfx::TColor InnerBorderColorHot() const { return FInnerBorderColorHot; }
    void SetInnerBorderColorHot(gfx::TColor v) { FInnerBorderColorHot = v; }
    gfx::TColor OuterBorderColorSelected() const { return FOuterBorderColorSelected; }
    void SetOuterBorderColorSelected(gfx::TColor v) { FOuterBorderColorSelected = v; }
    gfx::TColor InnerBorderColorSelected() const { return FInnerBorderColorSelected; }
    void SetInnerBorderColorSelected(gfx::TColor v) { FInnerBorderColorSelected = v; }

    std::function<void(rtl::TObject* Sender)> OnChange;

private:
    gfx::TColor FBorderColor = 0xC5C5C5;
    gfx::TColor FOuterBorderColorHot = 0x3694F2;
    gfx::TColor FInnerBorderColorHot = 0x94E2FF;
    gfx::TColor FOuterBorderColorSelected = 0x0000FF;
    gfx::TColor FInnerBorderColorSelected = 0x94E2FF;
};

}  // namespace grid
