// The items of the detail drop-down: caption, image, notes and the application's own data.
#pragma once

#include <functional>
#include <string>

#include "grid/dropdown/CaptionedItems.h"
#include "platform/gfx/Picture.h"

namespace grid {

class TDetailItem : public TCaptionedItem {
public:
    // Changed runs when the caption or the image index changes.
    explicit TDetailItem(std::function<void()> Changed) : TCaptionedItem(std::move(Changed)) {}
    std::string ClassName() const override { return "TDetailItem"; }

    // Mini-HTML shown below the caption.
    const std::string& Notes() const { return FNotes; }
    void SetNotes(const std::string& value) { FNotes = value; }
    int Tag() const { return FTag; }
    void SetTag(int value) { FTag = value; }
    // Free for the application; not owned.
    rtl::TObject* ItemObject() const { return FItemObject; }
    void SetItemObject(rtl::TObject* value) { FItemObject = value; }

    // From another item: caption, image index, picture, notes, enabled state, tag and object.
    void Assign(const rtl::TPersistent* Source) override;

private:
    std::string FNotes;
    rtl::TObject* FItemObject = nullptr;
    int FTag = 0;
};

class TDetailItems : public TCaptionedItems<TDetailItem> {
public:
    using TCaptionedItems::TCaptionedItems;
    std::string ClassName() const override { return "TDetailItems"; }
    // The first item whose caption equals the value exactly (case counts); -1 for none.
    int IndexOf(const std::string& value) const;
};

}  // namespace grid
