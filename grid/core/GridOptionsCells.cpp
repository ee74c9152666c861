// Settings of the string grid's background, nodes, size-while-typing, hover buttons and floating footer: setters and copying.
#include "grid/core/GridOptionsCells.h"

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Exceptions.h"

namespace grid {

TBackGround::TBackGround() : FBitmap(std::make_unique<gfx::TBitmap>()) {}
TBackGround::~TBackGround() = default;

void TBackGround::Changed()
{
    if (OnChange) OnChange(this);
}

void TBackGround::SetBitmap(const gfx::TBitmap* v)
{
    FBitmap->Assign(v);
    Changed();
}

void TBackGround::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TBackGround*>(Source);
    if (src == nullptr) return;
    FBitmap->Assign(src->FBitmap.get());
    FDisplay = src->FDisplay;
    FTop = src->FTop;
    FLeft = src->FLeft;
    FCells = src->FCells;
    FColor = src->FColor;
    FColorTo = src->FColorTo;
}

TCellNode::TCellNode()
    : FExpandGlyph(std::make_unique<gfx::TBitmap>()), FContractGlyph(std::make_unique<gfx::TBitmap>())
{
}

TCellNode::~TCellNode() = default;

void TCellNode::Changed()
{
    if (OnChange) OnChange(this);
}

void TCellNode::SetNodeColumn(int v)
{
    if (HasNodes && HasNodes()) throw rtl::Exception("Cannot change node column when grid has nodes");
    FNodeColumn = v;
}

void TCellNode::SetExpandGlyph(const gfx::TBitmap* v) { FExpandGlyph->Assign(v); }
void TCellNode::SetContractGlyph(const gfx::TBitmap* v) { FContractGlyph->Assign(v); }

void TCellNode::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TCellNode*>(Source);
    if (src == nullptr) return;
    FColor = src->FColor;
    FExpandOne = src->FExpandOne;
    FNodeType = src->FNodeType;
    FNodeColor = src->FNodeColor;
    FNodeColumn = src->FNodeColumn;
    FNodeIndent = src->FNodeIndent;
    FExpandGlyph->Assign(src->FExpandGlyph.get());
    FContractGlyph->Assign(src->FContractGlyph.get());
    FShowTree = src->FShowTree;
    FShowTreeFull = src->FShowTreeFull;
    FTreeColor = src->FTreeColor;
}

void TSizeWhileTyping::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TSizeWhileTyping*>(Source);
    if (src == nullptr) return;
    FHeight = src->FHeight;
    FWidth = src->FWidth;
}

THoverButtonsCollectionItem::THoverButtonsCollectionItem(THoverButtonsCollection* ACollection)
    : FCollection(ACollection), FPicture(std::make_unique<gfx::TPicture>())
{
}

THoverButtonsCollectionItem::~THoverButtonsCollectionItem() = default;

void THoverButtonsCollectionItem::Changed()
{
    if (FCollection != nullptr) FCollection->SetUpdated(true);
}

void THoverButtonsCollectionItem::SetCaption(const std::string& v)
{
    if (v == FCaption) return;
    FCaption = v;
    Changed();
}

void THoverButtonsCollectionItem::SetHint(const std::string& v)
{
    if (v == FHint) return;
    FHint = v;
    Changed();
}

void THoverButtonsCollectionItem::SetEnabled(bool v)
{
    if (v == FEnabled) return;
    FEnabled = v;
    Changed();
}

void THoverButtonsCollectionItem::SetFlat(bool v)
{
    if (v == FFlat) return;
    FFlat = v;
    Changed();
}

void THoverButtonsCollectionItem::SetImageIndex(int v)
{
    if (v == FImageIndex) return;
    FImageIndex = v;
    Changed();
}

void THoverButtonsCollectionItem::SetPicture(const gfx::TPicture* v)
{
    FPicture->Assign(v);
    Changed();
}

void THoverButtonsCollectionItem::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const THoverButtonsCollectionItem*>(Source);
    if (src == nullptr) return;
    FTag = src->FTag;
    FFlat = src->FFlat;
    FEnabled = src->FEnabled;
    FCaption = src->FCaption;
    FHint = src->FHint;
    FPicture->Assign(src->FPicture.get());
    FWidth = src->FWidth;
}

THoverButtonsCollection::THoverButtonsCollection() = default;
THoverButtonsCollection::~THoverButtonsCollection() = default;

THoverButtonsCollectionItem& THoverButtonsCollection::Items(int i) const
{
    if (i < 0 || i >= Count()) rtl::RaiseListIndexError(i);
    return *FItems[static_cast<std::size_t>(i)];
}

THoverButtonsCollectionItem& THoverButtonsCollection::Add() { return Insert(Count()); }

THoverButtonsCollectionItem& THoverButtonsCollection::Insert(int index)
{
    if (index < 0 || index > Count()) rtl::RaiseListIndexError(index);
    auto it = FItems.insert(FItems.begin() + index, std::make_unique<THoverButtonsCollectionItem>(this));
    FUpdated = true;
    return **it;
}

void THoverButtonsCollection::Clear()
{
    FItems.clear();
    FUpdated = true;
}

void THoverButtonsCollection::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const THoverButtonsCollection*>(Source);
    if (src == nullptr || src == this) return;
    FItems.clear();
    for (const auto& item : src->FItems) Add().Assign(item.get());
}

THoverButtons::THoverButtons() : FButtons(std::make_unique<THoverButtonsCollection>()) {}
THoverButtons::~THoverButtons() = default;

void THoverButtons::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const THoverButtons*>(Source);
    if (src == nullptr) return;
    FEnabled = src->FEnabled;
    FButtons->Assign(src->FButtons.get());
    FColumn = src->FColumn;
    FPosition = src->FPosition;
    FRows = src->FRows;
    FMoveActiveRow = src->FMoveActiveRow;
}

void TFloatingFooter::Changed()
{
    if (OnChange) OnChange(this);
}

void TFloatingFooter::SetVisible(bool v)
{
    if (v == FVisible) return;
    FVisible = v;
    ApplyPanelVisible();
    if (OnVisibleChange) OnVisibleChange(this);
}

void TFloatingFooter::SetFooterStyle(TFooterStyle v)
{
    FFooterStyle = v;
    if (OnStyleChange) OnStyleChange(this);
}

void TFloatingFooter::SetColor(gfx::TColor v)
{
    FColor = v;
    Changed();
}

void TFloatingFooter::SetBorderColor(gfx::TColor v)
{
    if (v == FBorderColor) return;
    FBorderColor = v;
    Changed();
}

void TFloatingFooter::SetColumn(int v)
{
    FColumn = v;
    Changed();
}

void TFloatingFooter::SetCustomTemplate(const std::string& v)
{
    FCustomTemplate = v;
    Changed();
}

void TFloatingFooter::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TFloatingFooter*>(Source);
    if (src == nullptr) return;
    FCalculateHiddenRows = src->FCalculateHiddenRows;
    FColor = src->FColor;
    FColumn = src->FColumn;
    FCustomTemplate = src->FCustomTemplate;
    FFooterStyle = src->FFooterStyle;
    SetVisible(src->FVisible);
    FShowHint = src->FShowHint;
}

}  // namespace grid
