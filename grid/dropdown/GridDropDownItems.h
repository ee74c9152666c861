// Columns and row items of the grid drop-down.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "grid/dropdown/ListDropDownCollection.h"
#include "grid/dropdown/ListDropDownColumn.h"
#include "platform/rtl/StringList.h"

namespace grid::griddropdown {

class TDropDownColumn : public TListDropDownColumn {
public:
    std::string ClassName() const override { return "TDropDownColumn"; }
    // From a column of this family every setting is copied (the font by value); any other
    // source is refused as the platform refuses it.
    void Assign(const rtl::TPersistent* Source) override;
};

class TDropDownColumns : public TListCollection<TDropDownColumn> {
public:
    using TListCollection::TListCollection;
    std::string ClassName() const override { return "TDropDownColumns"; }
};

// One row: element i of Text is the text of column i; a missing element counts as empty.
class TDropDownItem : public rtl::TPersistent {
public:
    TDropDownItem();
    ~TDropDownItem() override;
    std::string ClassName() const override { return "TDropDownItem"; }
    // From an item of this family only the image index is copied: the texts stay as they
    // were. Any other source is refused as the platform refuses it.
    void Assign(const rtl::TPersistent* Source) override;

    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; }
    rtl::TStringList& Text() const { return *FText; }
    void SetText(const rtl::TStrings* value) { FText->Assign(value); }
    std::string ColumnText(int column) const;

private:
    int FImageIndex = -1;
    std::unique_ptr<rtl::TStringList> FText;
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
