// Header and footer appearances: defaults, which writes tell the owner, copies.
#include <gtest/gtest.h>

#include "grid/dropdown/DropDownAppearance.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"

namespace {

using namespace grid;

TEST(DropDownAppearance, DefaultsOfHeaderAndFooter)
{
    rtl::TPersistent owner;
    THeaderAppearance h(&owner);
    TFooterAppearance f(&owner);
    for (TBarAppearance* a : std::initializer_list<TBarAppearance*>{&h, &f}) {
        EXPECT_TRUE(a->Visible());
        EXPECT_EQ(a->Height(), 22);
        EXPECT_EQ(a->BorderWidth(), 1);
        EXPECT_EQ(a->ImageIndex(), -1);
        EXPECT_EQ(a->Color(), 0xC0C0C0);
        EXPECT_EQ(a->ColorTo(), 0xFFFFFF);
        EXPECT_EQ(a->BorderColor(), 0x000000);
        EXPECT_EQ(a->GradientDirection(), gdVertical);
        EXPECT_EQ(a->ButtonAlignment(), baRight);
        EXPECT_EQ(a->GetOwner(), &owner);
    }
    EXPECT_EQ(h.Font().Name(), "Tahoma");
    EXPECT_EQ(f.Font().Name(), gfx::TFont().Name());
    EXPECT_TRUE(f.SizeGrip());
    EXPECT_EQ(h.Buttons().GetOwner(), &owner);
}

TEST(DropDownAppearance, OnlyVisibilityFooterCaptionAndSomeButtonWritesNotify)
{
    THeaderAppearance h(nullptr);
    TFooterAppearance f(nullptr);
    int headerChanges = 0, footerChanges = 0, headerButtons = 0;
    rtl::TObject* sender = nullptr;
    h.FOnChange = [&](rtl::TObject*) { ++headerChanges; };
    f.FOnChange = [&](rtl::TObject*) { ++footerChanges; };
    h.FOnButtonsChanged = [&](rtl::TObject* s) {
        ++headerButtons;
        sender = s;
    };

    h.SetVisible(true);
    h.SetColor(0x123456);
    h.SetHeight(30);
    h.SetImageIndex(2);
    h.SetCaption("x");
    h.SetCaption("x");
    EXPECT_EQ(headerChanges, 0);
    h.SetVisible(false);
    EXPECT_EQ(headerChanges, 1);

    f.SetCaption("same");
    f.SetCaption("same");
    EXPECT_EQ(footerChanges, 2);

    THeaderButton* b = h.Buttons().Add();
    EXPECT_EQ(headerButtons, 0);
    b->SetHeight(40);
    b->SetImageIndex(3);
    EXPECT_EQ(headerButtons, 0);
    b->SetCaption("OK");
    b->SetCaption("OK");
    b->SetEnabled(false);
    b->SetWidth(50);
    EXPECT_EQ(headerButtons, 3);
    EXPECT_EQ(sender, &h);
}

TEST(DropDownAppearance, AssignCopiesSameClassOnlyAndAssignColorsCopiesTheLook)
{
    TFooterAppearance src(nullptr);
    src.SetColor(0x0000FF);
    src.SetColorTo(gfx::clNone);
    src.SetHeight(40);
    src.SetVisible(false);
    src.SetSizeGrip(false);
    src.SetCaption("<b>Sum</b>");
    src.Font().SetName("Arial");
    TFooterButton* ok = src.Buttons().Add();
    ok->SetCaption("OK");
    ok->SetModalResult(1);

    TFooterAppearance dst(nullptr);
    int changes = 0;
    dst.FOnChange = [&](rtl::TObject*) { ++changes; };
    dst.Assign(&src);
    EXPECT_EQ(changes, 1);  // visibility changed; the caption is stored silently
    EXPECT_EQ(dst.Color(), 0x0000FF);
    EXPECT_EQ(dst.ColorTo(), gfx::clNone);
    EXPECT_EQ(dst.Height(), 40);
    EXPECT_FALSE(dst.SizeGrip());
    EXPECT_EQ(dst.Caption(), "<b>Sum</b>");
    EXPECT_EQ(dst.Font().Name(), "Arial");
    ASSERT_EQ(dst.Buttons().Count(), 1);
    EXPECT_EQ(dst.Buttons().Items(0)->ModalResult(), 1);
    EXPECT_EQ(dst.Buttons().Items(0)->Caption(), "OK");

    THeaderAppearance header(nullptr);
    header.SetColor(0x00FF00);
    dst.Assign(&header);  // another class: ignored, no error
    EXPECT_EQ(dst.Color(), 0x0000FF);

    TFooterAppearance colours(nullptr);
    colours.AssignColors(&src);
    EXPECT_EQ(colours.Color(), 0x0000FF);
    EXPECT_EQ(colours.Font().Name(), "Arial");
    EXPECT_EQ(colours.Height(), 22);
    EXPECT_TRUE(colours.Visible());
    EXPECT_EQ(colours.Caption(), "");
    EXPECT_EQ(colours.Buttons().Count(), 0);

    THeaderButton* hb = header.Buttons().Add();
    EXPECT_THROW(hb->Assign(ok), rtl::EConvertError);
}

}  // namespace
