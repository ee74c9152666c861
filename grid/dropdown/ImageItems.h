// The items of the image picker: a picture or an image-list index with a caption and a hint.
#pragma once

#include <functional>
#include <string>

#include "grid/dropdown/CaptionedItems.h"

namespace grid {

class TImageItem : public TCaptionedItem {
public:
    // Changed runs when the caption or the image index changes.
    explicit TImageItem(std::function<void()> Changed) : TCaptionedItem(std::move(Changed)) {}
    std::string ClassName() const override { return "TImageItem"; }
    // From another image item: caption and image index through their writers, the picture,
    // the enabled state and the hint.
    void Assign(const rtl::TPersistent* Source) override;

    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value) { FHint = value; }

private:
    std::string FHint;
};

class TImageItems : public TCaptionedItems<TImageItem> {
public:
    using TCaptionedItems::TCaptionedItems;
    std::string ClassName() const override { return "TImageItems"; }
};

}  // namespace grid
