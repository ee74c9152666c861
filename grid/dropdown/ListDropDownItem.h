// One row of a list drop-down's pop-up table: an image index and the texts of its columns, shared by both list families.
#pragma once

#include <memory>
#include <string>

#include "platform/rtl/Object.h"

namespace rtl {
class TStringList;
class TStrings;
}  // namespace rtl

namespace grid {

// Element i of Text is the text of column i; a missing element counts as empty. Each list
// family derives its own item class with its own Assign.
class TListDropDownItem : public rtl::TPersistent {
public:
    TListDropDownItem();
    ~TListDropDownItem() override;

    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; }
    rtl::TStringList& Text() const { return *FText; }
    void SetText(const rtl::TStrings* value);
    // The text of a column, empty when the item has none there.
    std::string ColumnText(int column) const;
    bool HasColumnText(int column) const;

private:
    int FImageIndex = -1;
    std::unique_ptr<rtl::TStringList> FText;
};

}  // namespace grid
