// The item shape shared by the image picker and the detail drop-down: a caption, an image-list
// index or a picture of its own, and an enabled state, kept in an owned list that raises
// EListError for an index outside it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Object.h"

namespace gfx {
class TPicture;
}

namespace grid {

class TCaptionedItem : public rtl::TPersistent {
public:
    // Changed runs when the caption or the image index changes.
    explicit TCaptionedItem(std::function<void()> Changed);
    ~TCaptionedItem() override;

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

protected:
    // Caption and image index through their writers, the picture and the enabled state.
    void CopyItem(const TCaptionedItem& source);

private:
    std::function<void()> FChanged;
    std::string FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    std::unique_ptr<gfx::TPicture> FImage;
};

[[noreturn]] void RaiseItemIndexError(int index);

// TItem is built from the change callback; a change of any item's caption or image index
// fires OnChange with the list as sender.
template <typename TItem>
class TCaptionedItems : public rtl::TPersistent {
public:
    explicit TCaptionedItems(rtl::TPersistent* owner) : FMyOwner(owner) {}
    rtl::TPersistent* GetOwner() const { return FMyOwner; }
    int Count() const { return static_cast<int>(FItems.size()); }
    TItem* Add() { return Insert(Count()); }
    // Raises EListError for an index outside 0 .. Count.
    TItem* Insert(int index)
    {
        if (index < 0 || index > Count()) RaiseItemIndexError(index);
        auto item = std::make_unique<TItem>([this] {
            if (OnChange) OnChange(this);
        });
        TItem* raw = item.get();
        FItems.insert(FItems.begin() + index, std::move(item));
        return raw;
    }
    void Delete(int index)
    {
        Items(index);
        FItems.erase(FItems.begin() + index);
    }
    void Clear() { FItems.clear(); }
    // Raises EListError for an index outside the items.
    TItem* Items(int index) const
    {
        if (index < 0 || index >= Count()) RaiseItemIndexError(index);
        return FItems[static_cast<std::size_t>(index)].get();
    }
    void SetItems(int index, const TItem* value) { Items(index)->Assign(value); }
    // Replaces the items by copies of the source's; assigning a list to itself keeps it.
    void Assign(const rtl::TPersistent* Source) override
    {
        const auto* src = dynamic_cast<const TCaptionedItems*>(Source);
        if (src == nullptr) {
            rtl::TPersistent::Assign(Source);
            return;
        }
        if (src == this) return;
        Clear();
        for (const auto& item : src->FItems) Add()->Assign(item.get());
    }

    std::function<void(rtl::TObject* Sender)> OnChange;

private:
    rtl::TPersistent* FMyOwner;
    std::vector<std::unique_ptr<TItem>> FItems;
};

}  // namespace grid
