// Columns and row items of the multi-column drop-down.
#pragma once

#include <memory>
#include <string>

#include "grid/dropdown/ListDropDownCollection.h"
#include "grid/dropdown/ListDropDownColumn.h"
#include "platform/rtl/StringList.h"

namespace grid::multicolumn {

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
    // From an item of this family: image index, texts and tag; other sources are ignored.
    void Assign(const rtl::TPersistent* Source) override;

    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; }
    rtl::TStringList& Text() const { return *FText; }
    void SetText(const rtl::TStrings* value) { FText->Assign(value); }
    int Tag() const { return FTag; }
    void SetTag(int value) { FTag = value; }
    // The text of a column, empty when the item has none there.
    std::string ColumnText(int column) const;
    bool HasColumnText(int column) const { return column >= 0 && column < FText->Count(); }

private:
    int FImageIndex = -1;
    std::unique_ptr<rtl::TStringList> FText;
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
