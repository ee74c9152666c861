// The calculator keypad's buttons: copying and change notification of the collection.
#include "grid/dropdown/CalcButtonItems.h"

#include "platform/gfx/Picture.h"

namespace grid {

TCalcButtonItem::TCalcButtonItem(TCalcButtonItems* collection)
    : FCollection(collection), FImage(std::make_unique<gfx::TPicture>())
{
}

TCalcButtonItem::~TCalcButtonItem() = default;

void TCalcButtonItem::Changed()
{
    if (FCollection != nullptr) FCollection->Changed();
}

void TCalcButtonItem::SetCaption(const std::string& value)
{
    if (FCaption == value) return;
    FCaption = value;
    Changed();
}

void TCalcButtonItem::SetImageIndex(int value)
{
    if (FImageIndex == value) return;
    FImageIndex = value;
    Changed();
}

void TCalcButtonItem::SetEnabled(bool value)
{
    if (FEnabled == value) return;
    FEnabled = value;
    Changed();
}

void TCalcButtonItem::SetImage(const gfx::TPicture* value)
{
    FImage->Assign(value);
    Changed();
}

void TCalcButtonItem::SetBounds(int left, int top, int width, int height)
{
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
}

void TCalcButtonItem::Assign(const rtl::TPersistent* Source)
{
    const auto* s = dynamic_cast<const TCalcButtonItem*>(Source);
    if (s == nullptr) return;
    FCaption = s->FCaption;
    FCaptionColor = s->FCaptionColor;
    FTag = s->FTag;
    FImageIndex = s->FImageIndex;
    FImage->Assign(s->FImage.get());
    FEnabled = s->FEnabled;
    FName = s->FName;
    Changed();
}

TCalcButtonItem* TCalcButtonItems::Insert(int index)
{
    auto item = std::make_unique<TCalcButtonItem>(this);
    TCalcButtonItem* raw = item.get();
    FItems.insert(FItems.begin() + index, std::move(item));
    Changed();
    return raw;
}

void TCalcButtonItems::Clear()
{
    FItems.clear();
    Changed();
}

void TCalcButtonItems::Changed()
{
    if (OnChange) OnChange(this);
}

void TCalcButtonItems::Assign(const rtl::TPersistent* Source)
{
    const auto* s = dynamic_cast<const TCalcButtonItems*>(Source);
    if (s == nullptr) return;
    FItems.clear();
    for (const auto& item : s->FItems) {
        auto copy = std::make_unique<TCalcButtonItem>(this);
        copy->Assign(item.get());
        copy->SetSpecial(item->Special());
        FItems.push_back(std::move(copy));
    }
    Changed();
}

}  // namespace grid
