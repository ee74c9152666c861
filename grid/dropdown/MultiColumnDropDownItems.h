// Columns and row items of the multi-column drop-down.
#pragma once

#include <memory>
#include <string>

#include "grid/dropdown/ListDropDownCollection.h"
#include "grid/dropdown/ListDropDownColumn.h"
#include "grid/dropdown/ListDropDownItem.h"
#include "platform/rtl/StringList.h"

namespace grid::multicolumn {

class TDropDownColumn : public TFamilyDropDownColumn<TDropDownColumn> {};

class TDropDownColumns : public TListCollection<TDropDownColumn> {
public:
    using TListCollection::TListCollection;
    std::string ClassName() const override { return "TDropDownColumns"; }
};

class TDropDownItem : public TListDropDownItem {
public:
    std::string ClassName() const override { return "TDropDownItem"; }
    // From an item of this family: image index, texts and tag; other sources are ignored.
    void Assign(const rtl::TPersistent* Source) override;

    int Tag() const { return FTag; }
    void SetTag(int value) { FTag = value; }

private:
    int FTag = 0;
};

class TDropDownItems : public TListCollection<TDropDownItem> {
public:
    using TListCollection::TListCollection;
    std::string ClassName() const override { return "TDropDownItems"; }
    // The first item whose text at Column is exactly Value (case counts), -1 when none; items
    // without a text at that position are skipped.
    int IndexInColumn(int Column, const std::string& Value) const;
};

}  // namespace grid::multicolumn
