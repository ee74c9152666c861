// The detail drop-down on a headless form, driven by keys, the mouse and the wheel: rows
// painted with a picture or an image of the list, typing completing a caption, picking,
// cancelling and the item list's own rules.
#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include "grid/dropdown/DetailItems.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtDetailDropDown.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"

namespace {

using namespace grid;
using ui::THeadlessBackend;

constexpr gfx::TColor kPictureColor = 0x0000FF;
constexpr gfx::TColor kListColor = 0x00FF00;
constexpr int kImageSize = 10;

// A square of one colour whose bottom-left pixel (the automatic transparent colour) differs.
void PaintSquare(gfx::TBitmap& bitmap, gfx::TColor color)
{
    bitmap.SetSize(kImageSize, kImageSize);
    bitmap.Canvas().Brush().SetColor(color);
    bitmap.Canvas().FillRect(rtl::Rect(0, 0, kImageSize, kImageSize));
    bitmap.Canvas().SetPixels(0, kImageSize - 1, 0xFFFFFF);
}

class ExtDetailDropDownTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(100, 100, 400, 300);
        Images = std::make_unique<gfx::TImageList>(kImageSize, kImageSize);
        gfx::TBitmap listImage;
        PaintSquare(listImage, kListColor);
        Images->Add(listImage);

        Drop = new TExtDetailDropDown(Form);
        Drop->SetParent(Form);
        Drop->SetBounds(10, 10, 200, 21);
        Drop->SetImages(Images.get());
        Drop->SetItemHeight(30);
        AddItem("Apple", 0, true, "crisp <b>red</b>");
        AddItem("Banana", 0, false, "");
        AddItem("", 0, false, "");
        AddItem("apricot", -1, false, "");
        Drop->OnSelect = [this](rtl::TObject*) { Selects.push_back(Drop->ItemIndex()); };
        Form->Show();
        App->ActivateForm(Form);
        Drop->SetFocus();
        App->ProcessMessages();
    }

    void AddItem(const std::string& caption, int imageIndex, bool withPicture, const std::string& notes)
    {
        TDetailItem* item = Drop->Items().Add();
        item->SetCaption(caption);
        item->SetImageIndex(imageIndex);
        item->SetNotes(notes);
        if (withPicture) {
            gfx::TBitmap bitmap;
            PaintSquare(bitmap, kPictureColor);
            item->Image().Bitmap().Assign(&bitmap);
        }
    }
    void Key(int vk)
    {
        THeadlessBackend::PressKey(vk);
        App->ProcessMessages();
    }
    // Each letter as a keyboard gives it: key down, its character, key up.
    void Type(const std::string& text)
    {
        for (char c : text) {
            const int vk = std::toupper(static_cast<unsigned char>(c));
            THeadlessBackend::KeyDown(vk);
            THeadlessBackend::TypeText(std::string(1, c));
            App->ProcessMessages();
            THeadlessBackend::KeyUp(vk);
            App->ProcessMessages();
        }
    }
    void Open()
    {
        Drop->ShowDropDown();
        App->ProcessMessages();
        ASSERT_TRUE(Drop->DroppedDown());
    }
    TCustomItemSelector& Panel() const { return *Drop->ItemSelector()->SelectorPanel(); }
    std::int32_t PanelPixel(int x, int y) const { return THeadlessBackend::Pixel(&Panel(), x, y); }
    std::string SelectedText() const { return Drop->Text().substr(Drop->SelStart(), Drop->SelLength()); }

    std::unique_ptr<ui::TApplication> App;
    std::unique_ptr<gfx::TImageList> Images;
    ui::TForm* Form = nullptr;
    TExtDetailDropDown* Drop = nullptr;
    std::vector<int> Selects;
};

TEST_F(ExtDetailDropDownTest, RowsShowThePictureBeforeTheListImageAndCentreAnImageWithoutCaption)
{
    Open();
    const int top = (30 - kImageSize) / 2;
    // Apple has both a picture and an image index: the picture is painted at the left.
    const rtl::TRect apple = Panel().GetItemRect(0);
    EXPECT_EQ(PanelPixel(apple.Left + 2 + 5, apple.Top + top + 5), static_cast<std::int32_t>(kPictureColor));
    // Banana has only the list's image.
    const rtl::TRect banana = Panel().GetItemRect(1);
    EXPECT_EQ(PanelPixel(banana.Left + 2 + 5, banana.Top + top + 5), static_cast<std::int32_t>(kListColor));
    // The captionless row has its image in the middle, nothing at the left.
    const rtl::TRect blank = Panel().GetItemRect(2);
    const int centreX = blank.Left + (blank.Width() - kImageSize) / 2;
    EXPECT_EQ(PanelPixel(centreX + 5, blank.Top + top + 5), static_cast<std::int32_t>(kListColor));
    EXPECT_NE(PanelPixel(blank.Left + 2 + 5, blank.Top + top + 5), static_cast<std::int32_t>(kListColor));
    // The transparent corner of the picture shows the row, not the picture's white.
    EXPECT_NE(PanelPixel(apple.Left + 2, apple.Top + top + kImageSize - 1), 0xFFFFFF);
}

TEST_F(ExtDetailDropDownTest, AFreedImageListIsLetGoAndItsRowsDrawWithoutImage)
{
    Images.reset();
    EXPECT_EQ(Drop->Images(), nullptr);
    Open();
    const rtl::TRect banana = Panel().GetItemRect(1);
    const int top = (30 - kImageSize) / 2;
    EXPECT_NE(PanelPixel(banana.Left + 7, banana.Top + top + 5), static_cast<std::int32_t>(kListColor));
    const rtl::TRect apple = Panel().GetItemRect(0);
    EXPECT_EQ(PanelPixel(apple.Left + 7, apple.Top + top + 5), static_cast<std::int32_t>(kPictureColor));
}

TEST_F(ExtDetailDropDownTest, ImageFollowsTheVerticalAlignment)
{
    Drop->SetImageVAlign(ui::tlTop);
    Open();
    const rtl::TRect banana = Panel().GetItemRect(1);
    EXPECT_EQ(PanelPixel(banana.Left + 7, banana.Top + 1), static_cast<std::int32_t>(kListColor));
    Drop->HideDropDown(true);
    App->ProcessMessages();
    Drop->SetImageVAlign(ui::tlBottom);
    Open();
    const rtl::TRect row = Panel().GetItemRect(1);
    EXPECT_EQ(PanelPixel(row.Left + 7, row.Bottom - 2), static_cast<std::int32_t>(kListColor));
    EXPECT_NE(PanelPixel(row.Left + 7, row.Top + 1), static_cast<std::int32_t>(kListColor));
}

TEST_F(ExtDetailDropDownTest, NotesAreDrawnBelowTheCaption)
{
    Open();
    // Text pixels (dark) in a band of the row: caption band above, notes band below.
    auto darkInBand = [&](int index, int fromY, int toY) {
        const rtl::TRect r = Panel().GetItemRect(index);
        for (int y = r.Top + fromY; y < r.Top + toY && y < r.Bottom; ++y)
            for (int x = r.Left + kImageSize + 10; x < r.Right - 4; ++x)
                if ((PanelPixel(x, y) & 0xFFFFFF) < 0x404040) return true;
        return false;
    };
    const int captionHeight = Drop->CaptionFont().Height() < 0 ? -Drop->CaptionFont().Height() : 13;
    const int notesTop = 2 + captionHeight + 3;
    EXPECT_TRUE(darkInBand(0, 2, notesTop - 2));
    EXPECT_TRUE(darkInBand(0, notesTop, 30));   // Apple has notes
    EXPECT_FALSE(darkInBand(1, notesTop, 30));  // Banana has none
}

TEST_F(ExtDetailDropDownTest, TypingCompletesACaptionAndSelectsTheAddedPart)
{
    Type("ba");
    EXPECT_EQ(Drop->Text(), "banana");
    EXPECT_EQ(SelectedText(), "nana");
    EXPECT_EQ(Drop->ItemIndex(), 1);
    EXPECT_TRUE(Selects.empty());  // completion stores the index without OnSelect

    // Backspace switches the completion off: the shorter text stays as typed.
    Key(ui::VK_BACK);
    EXPECT_EQ(Drop->Text(), "ba");
    Key(ui::VK_BACK);
    EXPECT_EQ(Drop->Text(), "b");
    // The next key switches it on again; the case of the typed part is kept.
    Type("A");
    EXPECT_EQ(Drop->Text(), "bAnana");
}

TEST_F(ExtDetailDropDownTest, CompletionComparesCaseOnlyWithMatchCase)
{
    Type("ap");
    EXPECT_EQ(Drop->Text(), "apple");  // the first caption in order, whatever its case
    Drop->SetText("");
    Drop->SetMatchCase(true);
    Type("ap");
    EXPECT_EQ(Drop->Text(), "apricot");
    EXPECT_EQ(Drop->ItemIndex(), 3);
}

TEST_F(ExtDetailDropDownTest, EnterSelectsOnlyACaptionEqualToTheText)
{
    Drop->SetText("Banan");
    Key(ui::VK_RETURN);
    EXPECT_EQ(Drop->ItemIndex(), -1);
    EXPECT_TRUE(Selects.empty());

    Drop->SetText("Banana");
    Key(ui::VK_RETURN);
    EXPECT_EQ(Drop->ItemIndex(), 1);
    EXPECT_EQ(Selects, std::vector<int>{1});
}

TEST_F(ExtDetailDropDownTest, ClickingARowClosesThePopupWithItsCaptionInTheEdit)
{
    Drop->SetItemIndex(0);
    Selects.clear();
    Open();
    EXPECT_EQ(Drop->ItemSelector()->ItemIndex(), 0);
    const rtl::TRect banana = Panel().GetItemRect(1);
    THeadlessBackend::Click(&Panel(), banana.Left + 40, banana.Top + 5);
    App->ProcessMessages();
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_EQ(Drop->ItemIndex(), 1);
    EXPECT_EQ(Drop->Text(), "Banana");
    EXPECT_EQ(SelectedText(), "Banana");
    EXPECT_EQ(Selects, std::vector<int>{1});
}

TEST_F(ExtDetailDropDownTest, WheelStepsThroughItemsClosedAndMovesTheOpenSelectionWithoutClosing)
{
    const int midY = Drop->Height() / 2;
    THeadlessBackend::Wheel(Drop, -120, 20, midY);
    App->ProcessMessages();
    EXPECT_EQ(Drop->ItemIndex(), 0);
    EXPECT_EQ(Drop->Text(), "Apple");
    THeadlessBackend::Wheel(Drop, -120, 20, midY);
    App->ProcessMessages();
    EXPECT_EQ(Drop->ItemIndex(), 1);
    THeadlessBackend::Wheel(Drop, 120, 20, midY);
    THeadlessBackend::Wheel(Drop, 120, 20, midY);
    App->ProcessMessages();
    EXPECT_EQ(Drop->ItemIndex(), 0);  // nothing before the first

    Open();
    THeadlessBackend::Wheel(&Panel(), -120, 20, 5);
    App->ProcessMessages();
    EXPECT_TRUE(Drop->DroppedDown());
    EXPECT_EQ(Drop->ItemSelector()->ItemIndex(), 1);
    EXPECT_EQ(Drop->ItemIndex(), 1);
    EXPECT_EQ(Drop->Text(), "Banana");
}

TEST_F(ExtDetailDropDownTest, CancelledPopupRestoresTheItemItOpenedWith)
{
    Drop->SetItemIndex(0);
    Open();
    THeadlessBackend::Wheel(&Panel(), -120, 20, 5);
    App->ProcessMessages();
    ASSERT_EQ(Drop->ItemIndex(), 1);
    Drop->HideDropDown(true);
    App->ProcessMessages();
    EXPECT_EQ(Drop->ItemIndex(), 0);
    EXPECT_EQ(Drop->Text(), "Apple");
}

TEST_F(ExtDetailDropDownTest, SettingTheIndexIgnoresOutOfRangeValuesAndMinusOneEmptiesTheText)
{
    Drop->SetItemIndex(1);
    for (int bad : {4, 99, -2}) {
        Drop->SetItemIndex(bad);
        EXPECT_EQ(Drop->ItemIndex(), 1) << bad;
    }
    EXPECT_EQ(Drop->Text(), "Banana");
    Drop->SetItemIndex(-1);
    EXPECT_EQ(Drop->ItemIndex(), -1);
    EXPECT_EQ(Drop->Text(), "");
    EXPECT_EQ(Selects, std::vector<int>{1});

    Drop->SelectLast();
    EXPECT_EQ(Drop->ItemIndex(), 3);
    Drop->SelectNext();
    EXPECT_EQ(Drop->ItemIndex(), 3);
    Drop->SelectFirst();
    Drop->SelectPrevious();
    EXPECT_EQ(Drop->ItemIndex(), 0);
}

TEST(DetailItemsTest, IndexOfIsExactAndCopiesKeepEveryField)
{
    TDetailItems items(nullptr);
    int changes = 0;
    items.OnChange = [&](rtl::TObject*) { ++changes; };
    items.Add()->SetCaption("Pear");
    items.Add()->SetCaption("pear");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(items.IndexOf("pear"), 1);
    EXPECT_EQ(items.IndexOf("PEAR"), -1);
    EXPECT_EQ(items.IndexOf("Pea"), -1);
    items.Items(0)->SetCaption("Pear");  // unchanged: no notification
    EXPECT_EQ(changes, 2);

    TDetailItem* first = items.Items(0);
    first->SetNotes("<i>ripe</i>");
    first->SetTag(7);
    first->SetImageIndex(3);
    TDetailItems copy(nullptr);
    copy.Assign(&items);
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy.Items(0)->Caption(), "Pear");
    EXPECT_EQ(copy.Items(0)->Notes(), "<i>ripe</i>");
    EXPECT_EQ(copy.Items(0)->Tag(), 7);
    EXPECT_EQ(copy.Items(0)->ImageIndex(), 3);
    EXPECT_THROW(items.Items(2), rtl::EListError);

    // Assigning the list to itself keeps its items rather than clearing them first.
    copy.Assign(&copy);
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy.Items(1)->Caption(), "pear");
}

}  // namespace
