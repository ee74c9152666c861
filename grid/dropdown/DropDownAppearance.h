// Header and footer appearances of a drop-down's pop-up: settings, copies and change hooks.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/rtl/Object.h"

namespace rtl {
class TComponent;
}
namespace gfx {
class TFont;
}

namespace grid {

enum TGradientDirection { gdHorizontal, gdVertical };
enum TButtonAlignment { baLeft, baRight };

using TAppearanceNotify = std::function<void(rtl::TObject* Sender)>;

// One button of a bar. Caption, Enabled and Width tell the collection; Height and ImageIndex
// only store.
class THeaderButton : public rtl::TPersistent {
public:
    explicit THeaderButton(std::function<void()> changed) : FChanged(std::move(changed)) {}
    std::string ClassName() const override { return "THeaderButton"; }
    void Assign(const rtl::TPersistent* Source) override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    int Height() const { return FHeight; }
    void SetHeight(int value) { FHeight = value; }
    int Width() const { return FWidth; }
    void SetWidth(int value);

protected:
    void Changed() const;

private:
    std::function<void()> FChanged;
    std::string FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    int FHeight = 0;
    int FWidth = 0;
};

class TFooterButton : public THeaderButton {
public:
    using THeaderButton::THeaderButton;
    std::string ClassName() const override { return "TFooterButton"; }
    void Assign(const rtl::TPersistent* Source) override;
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }

private:
    int FModalResult = 0;
};

// The buttons of a bar; adding, inserting or deleting fires nothing.
template <typename TItem>
class TBarButtons : public rtl::TPersistent {
public:
    explicit TBarButtons(rtl::TPersistent* owner) : FMyOwner(owner) {}
    rtl::TPersistent* GetOwner() const { return FMyOwner; }
    int Count() const { return static_cast<int>(FItems.size()); }
    TItem* Add() { return Insert(Count()); }
    TItem* Insert(int index)
    {
        auto item = std::make_unique<TItem>([this] {
            if (OnChange) OnChange(this);
        });
        TItem* raw = item.get();
        FItems.insert(FItems.begin() + index, std::move(item));
        return raw;
    }
    void Delete(int index) { FItems.erase(FItems.begin() + index); }
    void Clear() { FItems.clear(); }
    TItem* Items(int index) const { return FItems.at(static_cast<std::size_t>(index)).get(); }
    void SetItems(int index, const TItem* value) { Items(index)->Assign(value); }
    void Assign(const rtl::TPersistent* Source) override
    {
        const auto* src = dynamic_cast<const TBarButtons*>(Source);
        if (src == nullptr) {
            rtl::TPersistent::Assign(Source);
            return;
        }
        Clear();
        for (const auto& item : src->FItems) Add()->Assign(item.get());
    }
    std::function<void(rtl::TObject* Sender)> OnChange;

private:
    rtl::TPersistent* FMyOwner;
    std::vector<std::unique_ptr<TItem>> FItems;
};

class THeaderButtons : public TBarButtons<THeaderButton> {
public:
    using TBarButtons::TBarButtons;
    std::string ClassName() const override { return "THeaderButtons"; }
};

class TFooterButtons : public TBarButtons<TFooterButton> {
public:
    using TBarButtons::TBarButtons;
    std::string ClassName() const override { return "TFooterButtons"; }
};

// What the header and the footer share: colours, caption, font, size and the two hooks.
// Only Visible (and the footer's Caption) call FOnChange; the buttons call FOnButtonsChanged.
class TBarAppearance : public rtl::TPersistent {
public:
    explicit TBarAppearance(rtl::TPersistent* AOwner);
    ~TBarAppearance() override;
    TBarAppearance(const TBarAppearance&) = delete;
    TBarAppearance& operator=(const TBarAppearance&) = delete;

    rtl::TPersistent* GetOwner() const { return FOwner; }
    rtl::TPersistent* Owner() const { return FOwner; }

    gfx::TColor Color() const { return FColor; }
    void SetColor(gfx::TColor value) { FColor = value; }
    gfx::TColor ColorTo() const { return FColorTo; }
    void SetColorTo(gfx::TColor value) { FColorTo = value; }
    gfx::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(gfx::TColor value) { FBorderColor = value; }
    const std::string& Caption() const { return FCaption; }
    virtual void SetCaption(const std::string& value) { FCaption = value; }
    gfx::TFont& Font() const { return *FFont; }
    void SetFont(const gfx::TFont* value);
    TGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TGradientDirection value) { FGradientDirection = value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    int Height() const { return FHeight; }
    void SetHeight(int value) { FHeight = value; }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value) { FBorderWidth = value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; }
    TButtonAlignment ButtonAlignment() const { return FButtonAlignment; }
    void SetButtonAlignment(TButtonAlignment value) { FButtonAlignment = value; }

    TAppearanceNotify FOnChange;
    TAppearanceNotify FOnButtonsChanged;

protected:
    void ButtonsChanged();
    void Changed();
    rtl::TPersistent* FOwner;
    std::string FCaption;
    std::unique_ptr<gfx::TFont> FFont;

private:
    bool FVisible = true;
    int FHeight = 22;
    int FBorderWidth = 1;
    int FImageIndex = -1;
    gfx::TColor FColorTo = gfx::clWhite;
    gfx::TColor FColor = gfx::clSilver;
    gfx::TColor FBorderColor = gfx::clBlack;
    TGradientDirection FGradientDirection = gdVertical;
    TButtonAlignment FButtonAlignment = baRight;
};

class THeaderAppearance : public TBarAppearance {
public:
    explicit THeaderAppearance(rtl::TPersistent* AOwner);
    std::string ClassName() const override { return "THeaderAppearance"; }
    // Copies only from a header appearance; any other source is ignored.
    void Assign(const rtl::TPersistent* Source) override;
    void AssignColors(const rtl::TPersistent* Source);
    THeaderButtons& Buttons() { return FButtons; }
    const THeaderButtons& Buttons() const { return FButtons; }
    void SetButtons(const THeaderButtons* value) { FButtons.Assign(value); }

private:
    THeaderButtons FButtons;
};

class TFooterAppearance : public TBarAppearance {
public:
    explicit TFooterAppearance(rtl::TPersistent* AOwner);
    std::string ClassName() const override { return "TFooterAppearance"; }
    void Assign(const rtl::TPersistent* Source) override;
    void AssignColors(const rtl::TPersistent* Source);
    // Always tells the owner, also when the text is unchanged.
    void SetCaption(const std::string& value) override;
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool value) { FSizeGrip = value; }
    TFooterButtons& Buttons() { return FButtons; }
    const TFooterButtons& Buttons() const { return FButtons; }
    void SetButtons(const TFooterButtons* value) { FButtons.Assign(value); }

private:
    bool FSizeGrip = true;
    TFooterButtons FButtons;
};

}  // namespace grid
