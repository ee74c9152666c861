// The items of an item selector: a mini-HTML caption with a picture, an image-list image or a
// colour box, and the collection that holds them.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/Types.h"

namespace gfx {
class TPicture;
}

namespace grid {

class TSelectorItems;

class TSelectorItem : public rtl::TPersistent {
public:
    explicit TSelectorItem(TSelectorItems* collection);
    ~TSelectorItem() override;
    std::string ClassName() const override { return "TSelectorItem"; }
    // Copies caption, colour and image index through their writers, the picture, the enabled
    // state and the hint.
    void Assign(const rtl::TPersistent* Source) override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    gfx::TColor Color() const { return FColor; }
    void SetColor(gfx::TColor value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    gfx::TPicture& Image() const { return *FImage; }
    void SetImage(const gfx::TPicture* value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value) { FHint = value; }
    // A disabled item can be neither hot nor selected.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    // Where the layout put the item inside the panel.
    const rtl::TRect& ItemRect() const { return FRect; }
    void SetItemRect(const rtl::TRect& value) { FRect = value; }

private:
    void Changed();
    TSelectorItems* FCollection;
    std::string FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    gfx::TColor FColor = gfx::clNone;
    std::unique_ptr<gfx::TPicture> FImage;
    rtl::TRect FRect{};
    std::string FHint;
};

// Adding or deleting items fires nothing; changing an item's caption, colour or image index
// fires OnChange.
class TSelectorItems : public rtl::TPersistent {
public:
    explicit TSelectorItems(rtl::TPersistent* owner) : FMyOwner(owner) {}
    std::string ClassName() const override { return "TSelectorItems"; }
    rtl::TPersistent* GetOwner() const { return FMyOwner; }
    int Count() const { return static_cast<int>(FItems.size()); }
    TSelectorItem* Add() { return Insert(Count()); }
    TSelectorItem* Insert(int index);
    void Delete(int index);
    void Clear() { FItems.clear(); }
    TSelectorItem* Items(int index) const { return FItems.at(static_cast<std::size_t>(index)).get(); }
    void SetItems(int index, const TSelectorItem* value) { Items(index)->Assign(value); }
    void Assign(const rtl::TPersistent* Source) override;

    std::function<void(rtl::TObject* Sender)> OnChange;

private:
    friend class TSelectorItem;
    void Changed();
    rtl::TPersistent* FMyOwner;
    int FUpdateCount = 0;
    std::vector<std::unique_ptr<TSelectorItem>> FItems;
};

}  // namespace grid
