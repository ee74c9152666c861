// The items of the image picker: a picture or an image-list index with a caption and a hint.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Object.h"

namespace gfx {
class TPicture;
}

namespace grid {

class TImageItem : public rtl::TPersistent {
public:
    // Changed runs when the caption or the image index changes.
    explicit TImageItem(std::function<void()> Changed);
    ~TImageItem() override;
    std::string ClassName() const override { return "TImageItem"; }
    // From another image item: caption and image index through their writers, the picture,
    // the enabled state and the hint.
    void Assign(const rtl::TPersistent* Source) override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    // Stores the caption without telling the collection (the folder loader names its items so).
    void StoreCaption(const std::string& value) { FCaption = value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    gfx::TPicture& Image() const { return *FImage; }
    // Copies the given picture.
    void SetImage(const gfx::TPicture* value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value) { FHint = value; }

private:
    std::function<void()> FChanged;
    std::string FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    std::unique_ptr<gfx::TPicture> FImage;
    std::string FHint;
};

class TImageItems : public rtl::TPersistent {
public:
    explicit TImageItems(rtl::TPersistent* owner) : FMyOwner(owner) {}
    std::string ClassName() const override { return "TImageItems"; }
    rtl::TPersistent* GetOwner() const { return FMyOwner; }
    int Count() const { return static_cast<int>(FItems.size()); }
    TImageItem* Add() { return Insert(Count()); }
    // Raises EListError for an index outside 0 .. Count.
    TImageItem* Insert(int index);
    void Delete(int index);
    void Clear() { FItems.clear(); }
    // Raises EListError for an index outside the items.
    TImageItem* Items(int index) const;
    void SetItems(int index, const TImageItem* value) { Items(index)->Assign(value); }
    void Assign(const rtl::TPersistent* Source) override;

    std::function<void(rtl::TObject* Sender)> OnChange;

private:
    rtl::TPersistent* FMyOwner;
    std::vector<std::unique_ptr<TImageItem>> FItems;
};

}  // namespace grid
