// The items of the detail drop-down: caption, image, notes and the application's own data.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Picture.h"
#include "platform/rtl/Object.h"

namespace grid {

class TDetailItem : public rtl::TPersistent {
public:
    // Changed runs when the caption or the image index changes.
    explicit TDetailItem(std::function<void()> Changed);
    std::string ClassName() const override { return "TDetailItem"; }

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    gfx::TPicture& Image() const { return *FImage; }
    void SetImage(const gfx::TPicture* value) { FImage->Assign(value); }
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
    std::function<void()> FChanged;
    std::string FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    std::unique_ptr<gfx::TPicture> FImage;
    std::string FNotes;
    rtl::TObject* FItemObject = nullptr;
    int FTag = 0;
};

class TDetailItems : public rtl::TPersistent {
public:
    explicit TDetailItems(rtl::TPersistent* owner) : FMyOwner(owner) {}
    std::string ClassName() const override { return "TDetailItems"; }
    rtl::TPersistent* GetOwner() const { return FMyOwner; }
    int Count() const { return static_cast<int>(FItems.size()); }
    TDetailItem* Add() { return Insert(Count()); }
    TDetailItem* Insert(int index);
    void Delete(int index);
    void Clear() { FItems.clear(); }
    TDetailItem* Items(int index) const;
    void SetItems(int index, const TDetailItem* value) { Items(index)->Assign(value); }
    // The first item whose caption equals the value exactly (case counts); -1 for none.
    int IndexOf(const std::string& value) const;
    void Assign(const rtl::TPersistent* Source) override;

    std::function<void(rtl::TObject* Sender)> OnChange;

private:
    rtl::TPersistent* FMyOwner;
    std::vector<std::unique_ptr<TDetailItem>> FItems;
};

}  // namespace grid
