// The image picker on a headless form over a folder of PNG, JPEG and BMP files: items and
// captions found by a pattern, the chosen picture centred in the edit, keys by column with
// the pop-up open and closed, the wheel, clicks, cancelling and the type-ahead search on a
// clock the test moves.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "ImagePickerFixture.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtImagePicker.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Picture.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"

namespace {

using namespace grid;
using ui::THeadlessBackend;

std::uint32_t Rgb(std::int32_t pixel)
{
    const auto p = static_cast<std::uint32_t>(pixel);
    // Pixels read back as colour values (0xBBGGRR): turned into 0xRRGGBB to match the files.
    return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}

class ExtImagePickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui::SetMonotonicClock(&Clock);
        imagepicker::WriteFixtureFolder(Dir.Path() / "pics");
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(100, 100, 400, 300);
        Picker = new TExtImagePickerDropDown(Form);
        Picker->SetParent(Form);
        Picker->SetBounds(10, 10, 160, 24);
        Picker->OnChange = [this](rtl::TObject*) { Events.push_back("change " + std::to_string(Picker->ItemIndex())); };
        Picker->OnSelect = [this](rtl::TObject*) { Events.push_back("select " + std::to_string(Picker->ItemIndex())); };
        Form->Show();
        App->ActivateForm(Form);
        Picker->SetFocus();
        App->ProcessMessages();
    }
    void TearDown() override
    {
        App.reset();
        ui::SetMonotonicClock(nullptr);
    }

    // The folder as the program names it: a Windows path below the current directory.
    void LoadFolder(const std::string& pattern = "pics\\*", bool captions = true)
    {
        testsupport::CurrentDirScope here(Dir.Path());
        Picker->AddImagesFromFolder(pattern, captions);
    }
    void Key(int vk, ui::TShiftState shift = 0)
    {
        THeadlessBackend::PressKey(vk, shift);
        App->ProcessMessages();
    }
    void Wait(int ms)
    {
        Clock.Advance(ms);
        App->ProcessMessages();
    }
    void Open()
    {
        Picker->ShowDropDown();
        App->ProcessMessages();
        ASSERT_TRUE(Picker->DroppedDown());
    }
    TCustomItemSelector& Panel() const { return *Picker->ItemSelector()->SelectorPanel(); }
    std::vector<std::string> Captions() const
    {
        std::vector<std::string> captions;
        for (int i = 0; i < Picker->Items().Count(); ++i) captions.push_back(Picker->Items().Items(i)->Caption());
        return captions;
    }
    std::uint32_t EditPixel(int x, int y) const { return Rgb(THeadlessBackend::Pixel(Picker, x, y)); }

    ui::TManualClock Clock;
    testsupport::TempDir Dir;
    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    TExtImagePickerDropDown* Picker = nullptr;
    std::vector<std::string> Events;
};

TEST_F(ExtImagePickerTest, FolderGivesOneItemPerEntryWithPicturesAndCaptionsOfFilesThatLoad)
{
    LoadFolder();
    const std::vector<std::string> expected = {"apple.png", "Birch.JPG", "Bonsai.png", "", "cedar.bmp",
                                               "dune.png",  "elm.png",   ""};
    EXPECT_EQ(Captions(), expected) << "the file that is no picture and the folder have no caption";
    // Every picture format loads at its size; the broken file and the folder stay empty.
    for (const imagepicker::TFixturePicture& p : imagepicker::FixturePictures()) {
        SCOPED_TRACE(p.Name);
        int index = -1;
        for (int i = 0; i < Picker->Items().Count(); ++i)
            if (Picker->Items().Items(i)->Caption() == p.Name) index = i;
        ASSERT_GE(index, 0);
        const gfx::TPicture& picture = Picker->Items().Items(index)->Image();
        EXPECT_EQ(picture.Width(), p.Width);
        EXPECT_EQ(picture.Height(), p.Height);
    }
    EXPECT_TRUE(Picker->Items().Items(3)->Image().Empty());
    EXPECT_TRUE(Picker->Items().Items(7)->Image().Empty());
    EXPECT_TRUE(Events.empty()) << "filling chooses nothing";
    EXPECT_EQ(Picker->ItemIndex(), -1);
}

TEST_F(ExtImagePickerTest, PatternMatchesNamesWithoutRegardToCaseAndCaptionsAreOptional)
{
    LoadFolder("PICS\\*.PnG", false);
    ASSERT_EQ(Picker->Items().Count(), 5);  // apple, Bonsai, broken, dune, elm
    for (const std::string& caption : Captions()) EXPECT_EQ(caption, "");
    EXPECT_EQ(Picker->Items().Items(1)->Image().Width(), 6);  // Bonsai.png
    EXPECT_TRUE(Picker->Items().Items(2)->Image().Empty());   // broken.png

    Picker->Items().Clear();
    LoadFolder("pics\\missing\\*.png");
    EXPECT_EQ(Picker->Items().Count(), 0) << "a folder that is not there gives nothing, without error";
}

TEST_F(ExtImagePickerTest, ChosenPictureIsPaintedCentredInTheEdit)
{
    LoadFolder();
    Picker->SetItemIndex(0);  // apple.png: 8 x 8 red
    App->ProcessMessages();
    Form->PaintPending();
    const rtl::TRect area = Picker->EditRect();
    const int left = area.Left + (area.Width() - 8) / 2;
    const int top = area.Top + (area.Height() - 8) / 2;
    EXPECT_EQ(EditPixel(left, top), 0xFF0000u);
    EXPECT_EQ(EditPixel(left + 7, top + 7), 0xFF0000u);
    EXPECT_NE(EditPixel(left - 1, top + 4), 0xFF0000u);
    EXPECT_NE(EditPixel(left + 8, top + 4), 0xFF0000u);
    EXPECT_NE(EditPixel(left + 4, top - 1), 0xFF0000u);

    // An item without a picture shows its image of the list, centred the same way.
    gfx::TImageList images(16, 16);
    gfx::TBitmap square(16, 16);
    square.Canvas().Brush().SetColor(0x00FF00);
    square.Canvas().FillRect(rtl::Rect(0, 0, 16, 16));
    images.Add(square);
    Picker->SetImages(&images);
    Picker->Items().Items(3)->SetImageIndex(0);  // broken.png has no picture
    Picker->SetItemIndex(3);
    App->ProcessMessages();
    Form->PaintPending();
    const int listLeft = area.Left + (area.Width() - 16) / 2;
    const int listTop = area.Top + (area.Height() - 16) / 2;
    EXPECT_EQ(EditPixel(listLeft + 1, listTop + 1), 0x00FF00u);
    EXPECT_EQ(EditPixel(listLeft + 14, listTop + 14), 0x00FF00u);
    EXPECT_NE(EditPixel(listLeft - 1, listTop + 8), 0x00FF00u);
    Picker->SetImages(nullptr);
}

TEST_F(ExtImagePickerTest, OwnDrawingOfTheEditReplacesThePicture)
{
    LoadFolder();
    rtl::TRect given{};
    Picker->OnDrawSelectedImage = [&](rtl::TObject*, gfx::TCanvas& canvas, rtl::TRect r) {
        given = r;
        canvas.Brush().SetColor(0x00FF00);
        canvas.FillRect(r);
    };
    Picker->SetItemIndex(0);
    App->ProcessMessages();
    Form->PaintPending();
    EXPECT_EQ(given, Picker->EditRect());
    const rtl::TRect area = Picker->EditRect();
    EXPECT_EQ(EditPixel(area.Left + area.Width() / 2, area.Top + area.Height() / 2), 0x00FF00u)
        << "the handler's green where the red apple would be";
}

TEST_F(ExtImagePickerTest, UpAndDownMoveByColumnsWhileOpenAndByOneItemWhileClosed)
{
    LoadFolder();
    Picker->SetColumns(3);
    Open();
    Key(ui::VK_DOWN);
    EXPECT_EQ(Picker->ItemSelector()->ItemIndex(), 0) << "from no choice the first item";
    Key(ui::VK_DOWN);
    Key(ui::VK_DOWN);
    EXPECT_EQ(Picker->ItemSelector()->ItemIndex(), 6);
    Key(ui::VK_DOWN);
    EXPECT_EQ(Picker->ItemSelector()->ItemIndex(), 6) << "no item three further on";
    Key(ui::VK_UP);
    EXPECT_EQ(Picker->ItemSelector()->ItemIndex(), 3);
    Key(ui::VK_RIGHT);
    EXPECT_EQ(Picker->ItemSelector()->ItemIndex(), 4);
    EXPECT_TRUE(Picker->DroppedDown()) << "moves on the open pop-up keep it open";
    EXPECT_EQ(Picker->ItemIndex(), 4) << "and choose the item";
    Key(ui::VK_END);
    EXPECT_EQ(Picker->ItemIndex(), 7);
    Key(ui::VK_HOME);
    EXPECT_EQ(Picker->ItemIndex(), 0);
    Key(ui::VK_RETURN);
    EXPECT_FALSE(Picker->DroppedDown());

    // Closed: one item at a time, Left and Right do nothing.
    Key(ui::VK_DOWN);
    EXPECT_EQ(Picker->ItemIndex(), 1);
    Key(ui::VK_RIGHT);
    EXPECT_EQ(Picker->ItemIndex(), 1);
    Key(ui::VK_END);
    EXPECT_EQ(Picker->ItemIndex(), 7);
    Key(ui::VK_DOWN);
    EXPECT_EQ(Picker->ItemIndex(), 7);
    Key(ui::VK_UP);
    EXPECT_EQ(Picker->ItemIndex(), 6);
    EXPECT_FALSE(Picker->DroppedDown());
}

TEST_F(ExtImagePickerTest, PageKeysMoveByTheVisibleItemsOpenOrClosed)
{
    LoadFolder();
    Picker->SetDropDownHeight(150);
    Open();
    const int n = Picker->ItemSelector()->GetVisibleItemCount();
    ASSERT_GT(n, 0);
    ASSERT_LT(n, 7);
    Key(ui::VK_NEXT);
    EXPECT_EQ(Picker->ItemIndex(), n - 1) << "from no choice (-1) n items on";
    Key(ui::VK_NEXT);
    EXPECT_EQ(Picker->ItemIndex(), std::min(2 * n - 1, 7));
    Key(ui::VK_ESCAPE);
    EXPECT_EQ(Picker->ItemIndex(), -1) << "cancelling brings back the choice of the opening";

    // Closed, the selector of the last opening moves, from the current choice.
    Picker->SetItemIndex(7);
    Key(ui::VK_PRIOR);
    EXPECT_EQ(Picker->ItemIndex(), 7 - n);
    EXPECT_FALSE(Picker->DroppedDown());
}

TEST_F(ExtImagePickerTest, ClickOnAnItemChoosesItAndClosesAndEnterPicksTheHotItem)
{
    LoadFolder();
    Open();
    const rtl::TRect cedar = Panel().GetItemRect(4);
    THeadlessBackend::Click(&Panel(), cedar.Left + 3, cedar.Top + 3);
    App->ProcessMessages();
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->ItemIndex(), 4);
    EXPECT_EQ(Events, (std::vector<std::string>{"change 4", "select 4"}));

    Events.clear();
    Open();
    const rtl::TRect dune = Panel().GetItemRect(5);
    THeadlessBackend::MouseMove(&Panel(), dune.Left + 3, dune.Top + 3);
    App->ProcessMessages();
    ASSERT_EQ(Panel().ItemHot(), 5);
    Key(ui::VK_RETURN);
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->ItemIndex(), 5);
    EXPECT_EQ(Events, (std::vector<std::string>{"change 5", "select 5"})) << "no second OnSelect for the Enter";

    // Enter on the closed control tells again without changing the choice.
    Events.clear();
    Key(ui::VK_RETURN);
    EXPECT_EQ(Picker->ItemIndex(), 5);
    EXPECT_EQ(Events, std::vector<std::string>{"select 5"});
}

TEST_F(ExtImagePickerTest, WheelChoosesWhileClosedAndMovesTheHotItemWhileOpen)
{
    LoadFolder();
    const int midY = Picker->Height() / 2;
    THeadlessBackend::Wheel(Picker, -120, 20, midY);
    THeadlessBackend::Wheel(Picker, -120, 20, midY);
    App->ProcessMessages();
    EXPECT_EQ(Picker->ItemIndex(), 1) << "a picker never opened steps through its items";
    EXPECT_FALSE(Picker->DroppedDown());
    THeadlessBackend::Wheel(Picker, 120, 20, midY);
    App->ProcessMessages();
    EXPECT_EQ(Picker->ItemIndex(), 0);

    Open();
    THeadlessBackend::Wheel(&Panel(), -120, 5, 5);
    THeadlessBackend::Wheel(&Panel(), -120, 5, 5);
    App->ProcessMessages();
    EXPECT_TRUE(Picker->DroppedDown());
    EXPECT_EQ(Panel().ItemHot(), 1);
    EXPECT_EQ(Picker->ItemIndex(), 0) << "the hot item is not chosen until picked";
}

TEST_F(ExtImagePickerTest, TypedKeysSearchTogetherUntilTheTimerRunsOutFromTheFirstKey)
{
    LoadFolder();  // never opened: the search still finds the folder's captions
    Key('B');
    EXPECT_EQ(Picker->ItemIndex(), 1);  // Birch.JPG
    Wait(300);
    THeadlessBackend::KeyDown(ui::VK_SHIFT);  // a modifier is no character of the search
    App->ProcessMessages();
    Key('O');
    THeadlessBackend::KeyUp(ui::VK_SHIFT);
    EXPECT_EQ(Picker->ItemIndex(), 2) << "\"BO\": Bonsai.png";
    Wait(250);  // 550 ms after the first key: the later key did not restart the timer
    Key('E');
    EXPECT_EQ(Picker->ItemIndex(), 6) << "a new search for \"E\": elm.png";
    EXPECT_FALSE(Picker->DroppedDown());

    // Open, the search moves the pop-up's selection and keeps it open.
    Wait(600);
    Open();
    Key('C');
    EXPECT_TRUE(Picker->DroppedDown());
    EXPECT_EQ(Picker->ItemSelector()->ItemIndex(), 4);
    EXPECT_EQ(Picker->ItemIndex(), 4);
}

TEST_F(ExtImagePickerTest, ImageIndexChoosesTheFirstItemShowingItAndTheListGivesOneItemPerImage)
{
    Picker->AddImagesFromImageList();
    EXPECT_EQ(Picker->Items().Count(), 0) << "no image list: nothing";
    gfx::TImageList images(8, 8);
    gfx::TBitmap square(8, 8);
    for (int i = 0; i < 5; ++i) images.Add(square);
    Picker->SetImages(&images);
    Picker->AddImagesFromImageList();
    ASSERT_EQ(Picker->Items().Count(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Picker->Items().Items(i)->ImageIndex(), i);

    Picker->SetImageIndex(3);
    EXPECT_EQ(Picker->ItemIndex(), 3);
    EXPECT_EQ(Picker->ImageIndex(), 3);
    Picker->SetImageIndex(9);
    EXPECT_EQ(Picker->ItemIndex(), -1);
    EXPECT_EQ(Picker->ImageIndex(), -1);

    // Values not below the item count are ignored; lower ones mean no choice.
    Events.clear();
    Picker->SetItemIndex(2);
    Picker->SetItemIndex(5);
    EXPECT_EQ(Picker->ItemIndex(), 2);
    Picker->SetItemIndex(-7);
    EXPECT_EQ(Picker->ItemIndex(), -1);
    EXPECT_EQ(Events, (std::vector<std::string>{"change 2", "select 2", "change -1", "select -1"}));
    Picker->SetImages(nullptr);
}

TEST_F(ExtImagePickerTest, CancelRestoresTheChoiceOfTheOpeningAndTheSelectorShowsTheItems)
{
    LoadFolder();
    Picker->SetColumns(4);
    Picker->SetItemIndex(2);
    Open();
    EXPECT_EQ(Picker->ItemSelector()->Items().Count(), 8);
    EXPECT_EQ(Picker->ItemSelector()->Items().Items(4)->Caption(), "cedar.bmp");
    // Four columns: the fifth item starts the second row.
    EXPECT_EQ(Panel().GetItemRect(4).Left, Panel().GetItemRect(0).Left);
    EXPECT_GT(Panel().GetItemRect(4).Top, Panel().GetItemRect(0).Top);
    Key(ui::VK_DOWN);
    ASSERT_EQ(Picker->ItemIndex(), 6);
    Picker->HideDropDown(true);
    App->ProcessMessages();
    EXPECT_EQ(Picker->ItemIndex(), 2);
}

}  // namespace
