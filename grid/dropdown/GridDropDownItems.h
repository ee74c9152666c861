// Columns and row items of the grid drop-down.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "grid/dropdown/ListDropDownCollection.h"
#include "grid/dropdown/ListDropDownColumn.h"
#include "grid/dropdown/ListDropDownItem.h"
#include "platform/rtl/StringList.h"

namespace grid::griddropdown {

class TDropDownColumn : public TFamilyDropDownColumn<TDropDownColumn> {};

class TDropDownColumns : public TListCollection<TDropDownColumn> {
public:
    using TListCollection::TListCollection;
    std::string ClassName() const override { return "TDropDownColumns"; }
};

class TDropDownItem : public TListDropDownItem {
public:
    std::string ClassName() const override { return "TDropDownItem"; }
    // From an item of this family only the image index is copied: the texts stay as they
    // were. Any other source is refused as the platform refuses it.
    void Assign(const rtl::TPersistent* Source) override;
};

using TDropDownItemClass = std::function<std::unique_ptr<TDropDownItem>()>;

// The items ask ItemClass for each new item, so a descendant collection can substitute its
// own item class.
class TDropDownItems : public TListCollection<TDropDownItem> {
public:
    using TListCollection::TListCollection;
    std::string ClassName() const override { return "TDropDownItems"; }
    virtual TDropDownItemClass ItemClass() const;

protected:
    std::unique_ptr<TDropDownItem> NewItem() const override { return ItemClass()(); }
};

}  // namespace grid::griddropdown
