// The named colours of the colour picker's list and their collection.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/rtl/Object.h"

namespace grid {

class TColorItems;

class TColorItem : public rtl::TPersistent {
public:
    explicit TColorItem(TColorItems* collection) : FCollection(collection) {}
    std::string ClassName() const override { return "TColorItem"; }
    // Copies caption and colour (through their writers), the enabled state and the hint.
    void Assign(const rtl::TPersistent* Source) override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    gfx::TColor Color() const { return FColor; }
    void SetColor(gfx::TColor value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value) { FHint = value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }

private:
    void Changed();
    TColorItems* FCollection;
    std::string FCaption;
    gfx::TColor FColor = gfx::clNone;
    bool FEnabled = true;
    std::string FHint;
};

class TColorItems : public rtl::TPersistent {
public:
    explicit TColorItems(rtl::TPersistent* owner) : FMyOwner(owner) {}
    std::string ClassName() const override { return "TColorItems"; }
    rtl::TPersistent* GetOwner() const { return FMyOwner; }
    int Count() const { return static_cast<int>(FItems.size()); }
    TColorItem* Add() { return Insert(Count()); }
    TColorItem* Insert(int index);
    void Delete(int index) { FItems.erase(FItems.begin() + index); }
    void Clear() { FItems.clear(); }
    TColorItem* Items(int index) const { return FItems.at(static_cast<std::size_t>(index)).get(); }
    void Assign(const rtl::TPersistent* Source) override;

    std::function<void(rtl::TObject* Sender)> OnChange;

private:
    friend class TColorItem;
    rtl::TPersistent* FMyOwner;
    std::vector<std::unique_ptr<TColorItem>> FItems;
};

}  // namespace grid
