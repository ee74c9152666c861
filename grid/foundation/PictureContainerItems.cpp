// The picture cache (pictures by URL) and the picture container (named pictures in a collection).
#include "grid/foundation/PictureContainer.h"

#include <algorithm>

#include "platform/gfx/Picture.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/Controls.h"

namespace grid {

// --- THTMLPictureCache ---

THTMLPictureCache::~THTMLPictureCache() { ClearPictures(); }

THTMLPicture* THTMLPictureCache::AddPicture()
{
    FItems.push_back(std::make_unique<THTMLPicture>());
    return FItems.back().get();
}

THTMLPicture* THTMLPictureCache::FindPicture(const std::string& id) const
{
    for (const auto& p : FItems)
        if (p->ID() == id) return p.get();
    return nullptr;
}

THTMLPicture* THTMLPictureCache::GetPicture(int index) const
{
    if (index < 0 || index >= Count()) rtl::RaiseListIndexError(index);
    return FItems[static_cast<std::size_t>(index)].get();
}

void THTMLPictureCache::SetPicture(int index, THTMLPicture* picture)
{
    if (index < 0 || index >= Count()) rtl::RaiseListIndexError(index);
    FItems[static_cast<std::size_t>(index)].reset(picture);
}

void THTMLPictureCache::ClearPictures() { FItems.clear(); }

bool THTMLPictureCache::Animate()
{
    bool moved = false;
    for (const auto& p : FItems)
        if (p->Step()) moved = true;
    return moved;
}

// --- TPictureItem ---

TPictureItem::TPictureItem(TPictureCollection* collection) : FCollection(collection), FPicture(CreatePicture()) {}
TPictureItem::~TPictureItem() = default;

std::unique_ptr<THTMLPicture> TPictureItem::CreatePicture() { return std::make_unique<THTMLPicture>(); }

void TPictureItem::Assign(const rtl::TPersistent* source)
{
    const auto* item = dynamic_cast<const TPictureItem*>(source);
    if (!item) {
        rtl::TPersistent::Assign(source);
        return;
    }
    FName = item->FName;
    FTag = item->FTag;
    FPicture->Assign(item->FPicture.get());
}

void TPictureItem::SetPicture(const gfx::TGraphic* graphic) { FPicture->Assign(graphic); }

// --- TPictureCollection ---

TPictureCollection::TPictureCollection(rtl::TComponent* owner) : FOwner(owner) {}
TPictureCollection::~TPictureCollection() = default;

std::unique_ptr<TPictureItem> TPictureCollection::ItemClass() { return std::make_unique<TPictureItem>(this); }

TPictureItem* TPictureCollection::Add()
{
    FItems.push_back(ItemClass());
    return FItems.back().get();
}

TPictureItem* TPictureCollection::Insert(int index)
{
    index = std::clamp(index, 0, Count());
    auto it = FItems.insert(FItems.begin() + index, ItemClass());
    return it->get();
}

void TPictureCollection::Delete(int index)
{
    if (index < 0 || index >= Count()) rtl::RaiseListIndexError(index);
    FItems.erase(FItems.begin() + index);
}

void TPictureCollection::Clear() { FItems.clear(); }

TPictureItem* TPictureCollection::Items(int index) const
{
    if (index < 0 || index >= Count()) rtl::RaiseListIndexError(index);
    return FItems[static_cast<std::size_t>(index)].get();
}

bool TPictureCollection::Animate()
{
    bool moved = false;
    for (const auto& item : FItems)
        if (item->Picture()->Step()) moved = true;
    return moved;
}

// --- TPictureContainer ---

TPictureContainer::TPictureContainer(rtl::TComponent* owner) : rtl::TComponent(owner), FItems(CreateItems()) {}

TPictureContainer::~TPictureContainer()
{
    Destroying();
    FBitmap.reset();
    for (ui::TControl* c : FControls) c->RemoveFreeNotification(this);
    FControls.clear();
    FItems.reset();
}

std::unique_ptr<TPictureCollection> TPictureContainer::CreateItems() { return std::make_unique<TPictureCollection>(this); }

THTMLPicture* TPictureContainer::FindPicture(const std::string& name) const
{
    for (int i = 0; i < FItems->Count(); ++i)
        if (rtl::SameText(FItems->Items(i)->Name(), name)) return FItems->Items(i)->Picture();
    return nullptr;
}

gfx::TPicture* TPictureContainer::FindBitmap(const std::string& name)
{
    FBitmap.reset();
    THTMLPicture* picture = FindPicture(name);
    if (!picture) return nullptr;
    FBitmap = std::make_unique<gfx::TPicture>();
    if (!picture->Empty() && !picture->Bytes().empty()) FBitmap->LoadFromBytes(picture->Bytes());
    return FBitmap.get();
}

void TPictureContainer::RegisterControl(ui::TControl* control)
{
    if (!control) return;
    FControls.push_back(control);
    control->FreeNotification(this);
}

void TPictureContainer::Notification(rtl::TComponent* component, rtl::TOperation operation)
{
    if (operation == rtl::opRemove)
        FControls.erase(std::remove(FControls.begin(), FControls.end(), component), FControls.end());
    rtl::TComponent::Notification(component, operation);
}

void TPictureContainer::Changed()
{
    for (ui::TControl* c : FControls) c->Invalidate();
    if (OnChange) OnChange(this);
}

std::string TPictureContainer::Version() const
{
    const int v = PackedVersion();
    return std::to_string((v >> 24) & 0xFF) + "." + std::to_string((v >> 16) & 0xFF) + "." +
           std::to_string((v >> 8) & 0xFF) + "." + std::to_string(v & 0xFF);
}

}  // namespace grid
