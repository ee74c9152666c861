// The collection shape shared by the column and item lists of the list drop-downs.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/rtl/Object.h"

namespace grid {

// An owned, ordered list of collection items that knows the object that made it. OnChange is
// kept for form descriptions and callers; adding, inserting or deleting does not fire it.
template <typename TItem>
class TListCollection : public rtl::TPersistent {
public:
    explicit TListCollection(rtl::TPersistent* AOwner) : FOwner(AOwner) {}
    rtl::TPersistent* GetOwner() const { return FOwner; }
    int Count() const { return static_cast<int>(FItems.size()); }
    TItem* Add() { return Insert(Count()); }
    TItem* Insert(int Index)
    {
        auto item = NewItem();
        TItem* raw = item.get();
        FItems.insert(FItems.begin() + Index, std::move(item));
        return raw;
    }
    void Delete(int Index) { FItems.erase(FItems.begin() + Index); }
    void Clear() { FItems.clear(); }
    TItem* Items(int Index) const { return FItems.at(static_cast<std::size_t>(Index)).get(); }
    // Writing an item assigns the given one into the stored one.
    void SetItems(int Index, const TItem* Value) { Items(Index)->Assign(Value); }
    // Replaces the items by copies made through each item's own Assign.
    void Assign(const rtl::TPersistent* Source) override
    {
        const auto* src = dynamic_cast<const TListCollection*>(Source);
        if (src == nullptr) {
            rtl::TPersistent::Assign(Source);
            return;
        }
        if (src == this) return;
        Clear();
        for (const auto& item : src->FItems) Add()->Assign(item.get());
    }
    std::function<void(rtl::TObject* Sender)> OnChange;

protected:
    virtual std::unique_ptr<TItem> NewItem() const { return std::make_unique<TItem>(); }

private:
    rtl::TPersistent* FOwner;
    std::vector<std::unique_ptr<TItem>> FItems;
};

}  // namespace grid
