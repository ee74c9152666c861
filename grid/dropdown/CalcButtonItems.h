// The calculator keypad's buttons and their collection.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/Types.h"

namespace gfx {
class TPicture;
}

namespace grid {

class TCalcButtonItems;

// One keypad button: its caption, key code (Tag), picture and its rectangle in the keypad.
class TCalcButtonItem : public rtl::TPersistent {
public:
    explicit TCalcButtonItem(TCalcButtonItems* collection);
    ~TCalcButtonItem() override;
    std::string ClassName() const override { return "TCalcButtonItem"; }
    // Copies caption, caption colour, tag, image index, picture, enabled flag and name.
    void Assign(const rtl::TPersistent* Source) override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    // Disabled buttons take no hover, press or click.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    gfx::TPicture& Image() const { return *FImage; }
    void SetImage(const gfx::TPicture* value);
    // The key code the calculator acts on.
    int Tag() const { return FTag; }
    void SetTag(int value) { FTag = value; }
    const std::string& Name() const { return FName; }
    void SetName(const std::string& value) { FName = value; }
    gfx::TColor CaptionColor() const { return FCaptionColor; }
    void SetCaptionColor(gfx::TColor value) { FCaptionColor = value; }
    // Drawn in the special text colour.
    bool Special() const { return FSpecial; }
    void SetSpecial(bool value) { FSpecial = value; }

    // The rectangle in keypad coordinates, set when the keypad arranges its buttons.
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetBounds(int left, int top, int width, int height);
    rtl::TRect Rect() const { return rtl::Rect(FLeft, FTop, FLeft + FWidth, FTop + FHeight); }

private:
    void Changed();
    TCalcButtonItems* FCollection;
    std::string FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    std::unique_ptr<gfx::TPicture> FImage;
    int FTag = 0;
    int FHeight = 0;
    int FLeft = 0;
    int FWidth = 0;
    int FTop = 0;
    std::string FName;
    gfx::TColor FCaptionColor = 0xFFFFFF;
    bool FSpecial = false;
};

class TCalcButtonItems : public rtl::TPersistent {
public:
    explicit TCalcButtonItems(rtl::TPersistent* owner) : FMyOwner(owner) {}
    std::string ClassName() const override { return "TCalcButtonItems"; }
    rtl::TPersistent* GetOwner() const { return FMyOwner; }
    int Count() const { return static_cast<int>(FItems.size()); }
    TCalcButtonItem* Add() { return Insert(Count()); }
    TCalcButtonItem* Insert(int index);
    void Clear();
    TCalcButtonItem* Items(int index) const { return FItems.at(static_cast<std::size_t>(index)).get(); }
    void Assign(const rtl::TPersistent* Source) override;

    std::function<void(rtl::TObject* Sender)> OnChange;

private:
    friend class TCalcButtonItem;
    void Changed();
    rtl::TPersistent* FMyOwner;
    std::vector<std::unique_ptr<TCalcButtonItem>> FItems;
};

}  // namespace grid
