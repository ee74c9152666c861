// The analog clock driven by real clicks and keys on a headless form: hit-testing, wraps and rolls, the animation on the replaceable clock, live mode, presets and pixels.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "grid/dropdown/ExtWatch.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"

namespace {

using namespace grid;
using ui::THeadlessBackend;

// Colours equal within a step of the banded gradient per channel.
bool Near(gfx::TColor a, gfx::TColor b)
{
    for (int shift : {0, 8, 16})
        if (std::abs(((a >> shift) & 0xFF) - ((b >> shift) & 0xFF)) > 3) return false;
    return true;
}

class TRecordingSleeper : public ui::TSleeper {
public:
    void SleepMs(int ms) override { Pauses.push_back(ms); }
    std::vector<int> Pauses;
};

class ExtWatchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui::SetMonotonicClock(&Clock);
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(10, 10, 220, 220);
        Watch = new TExtWatch(Form);
        Watch->SetParent(Form);
        Watch->SetBounds(0, 0, 180, 180);  // face 160, centre (90, 90), radius 80
        Watch->SetTime(rtl::EncodeTime(10, 5, 0, 0));
        Watch->OnChange = [this](rtl::TObject*) { ++Changes; };
        Form->Show();
        App->ActivateForm(Form);
        App->ProcessMessages();
    }
    void TearDown() override
    {
        App.reset();
        ui::SetMonotonicClock(nullptr);
        ui::SetLocalTimeSource(nullptr);
        ui::SetSleeper(nullptr);
    }
    std::pair<int, int> HourMinute() const
    {
        int h, n, s, ms;
        rtl::DecodeTime(Watch->Time(), h, n, s, ms);
        return {h, n};
    }
    // Window timers fire at most every 10 ms, as the platform's do.
    void Tick(int ms = 10)
    {
        Clock.Advance(ms);
        App->ProcessMessages();
    }
    gfx::TColor PixelAt(int x, int y)
    {
        App->ProcessMessages();
        return THeadlessBackend::Pixel(Watch, x, y);
    }
    ui::TManualClock Clock{10000};
    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    TExtWatch* Watch = nullptr;
    int Changes = 0;
};

TEST_F(ExtWatchTest, GeometryCentresTheFaceAndVersionIsFixed)
{
    EXPECT_EQ(Watch->FaceRect(), rtl::Bounds(10, 10, 160, 160));
    EXPECT_EQ(Watch->Center(), (rtl::TPoint{90, 90}));
    EXPECT_EQ(Watch->Radius(), 80);
    Watch->Appearance().SetSize(100);
    EXPECT_EQ(Watch->FaceRect(), rtl::Bounds(40, 40, 100, 100));
    EXPECT_EQ(Watch->Version(), "1.2.1.0");
    Watch->SetVersion("9.9");
    EXPECT_EQ(Watch->Version(), "1.2.1.0");
}

TEST_F(ExtWatchTest, PointsGiveMinutesInAllFourQuadrants)
{
    struct Case {
        int dx, dy, minute;
    } cases[] = {
        {60, 0, 15}, {0, -60, 0}, {-60, 0, 45}, {0, 60, 30},   // the axes
        {50, 50, 23}, {-50, 50, 37}, {-50, -50, 53}, {50, -50, 7},  // 45°: k = 7.5 rounds to 8
        {20, -58, 3}, {-20, -58, 57},                            // near 12 on either side
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.dx) + "," + std::to_string(c.dy));
        EXPECT_EQ(Watch->XYToMinute(90 + c.dx, 90 + c.dy), c.minute);
    }
    // Snapping to a quarter hour: 58 minutes become 0, 22 become 15.
    Watch->SetResolution(15);
    EXPECT_EQ(Watch->XYToMinute(90 - 12, 90 - 58), 0);
    EXPECT_EQ(Watch->XYToMinute(90 + 50, 90 + 50), 30);
    Watch->SetResolution(45);  // above 30: ignored
    EXPECT_EQ(Watch->Resolution(), 15);
}

TEST_F(ExtWatchTest, PointsGiveHoursByTheFacesHalfOfTheDay)
{
    // Just left of 12 o'clock: hour 0 in the morning, 12 in the afternoon.
    EXPECT_EQ(Watch->XYToHour(87, 50), 0);
    EXPECT_EQ(Watch->XYToHour(130, 90), 3);
    Watch->SetTime(rtl::EncodeTime(15, 0, 0, 0));
    EXPECT_FALSE(Watch->AM());
    EXPECT_EQ(Watch->XYToHour(87, 50), 12);
    EXPECT_EQ(Watch->XYToHour(50, 90), 21);
}

TEST_F(ExtWatchTest, ClicksSetTheHourInsideTheMinuteInTheRingAndSwitchAmPm)
{
    Watch->SetAnimation(false);
    THeadlessBackend::Click(Watch, 130, 90);  // inside the face at 3 o'clock
    EXPECT_EQ(HourMinute(), std::make_pair(3, 5));
    THeadlessBackend::Click(Watch, 90, 176);  // below the face: the ring, 30 minutes
    EXPECT_EQ(HourMinute(), std::make_pair(3, 30));
    rtl::TRect box = Watch->AMPMRect();
    ASSERT_GT(box.Width(), 0);
    THeadlessBackend::Click(Watch, box.Left + box.Width() / 2, box.Top + box.Height() / 2);
    EXPECT_EQ(HourMinute(), std::make_pair(15, 30));
    EXPECT_FALSE(Watch->AM());
    THeadlessBackend::Click(Watch, box.Left + box.Width() / 2, box.Top + box.Height() / 2);
    EXPECT_EQ(HourMinute(), std::make_pair(3, 30));
    EXPECT_EQ(Changes, 4);
    // Read-only: clicks change nothing.
    Watch->SetReadOnly(true);
    THeadlessBackend::Click(Watch, 50, 90);
    EXPECT_EQ(HourMinute(), std::make_pair(3, 30));
}

TEST_F(ExtWatchTest, KeysStepHoursAndMinutesWithTheirWrapsAndRolls)
{
    Watch->SetAnimation(false);
    struct Case {
        const char* name;
        int h, n;
        ui::WORD key;
        int toH, toN;
    } cases[] = {
        {"Page Up at 23 wraps to 0", 23, 10, ui::VK_PRIOR, 0, 10},
        {"Page Up", 9, 10, ui::VK_PRIOR, 10, 10},
        {"Page Down at 0 wraps to 23", 0, 10, ui::VK_NEXT, 23, 10},
        {"Home is noon", 7, 10, ui::VK_HOME, 12, 10},
        {"Left at minute 0 is 59 of the hour before", 5, 0, ui::VK_LEFT, 4, 59},
        {"Left at midnight", 0, 0, ui::VK_LEFT, 23, 59},
        {"Right at 59 rolls into the next hour", 4, 59, ui::VK_RIGHT, 5, 0},
        {"Right at 23:59 rolls to 0:00", 23, 59, ui::VK_RIGHT, 0, 0},
        {"End in the first half keeps the hour", 4, 20, ui::VK_END, 4, 0},
        {"End in the second half is the next hour", 4, 40, ui::VK_END, 5, 0},
        {"A takes the morning", 15, 10, 'A', 3, 10},
        {"A in the morning does nothing", 3, 10, 'A', 3, 10},
        {"P takes the afternoon", 3, 10, 'P', 15, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Watch->SetTime(rtl::EncodeTime(c.h, c.n, 0, 0));
        Watch->KeyStep(c.key);
        EXPECT_EQ(HourMinute(), std::make_pair(c.toH, c.toN));
    }
    EXPECT_THROW(Watch->SetMinute(60), rtl::Exception);
    try {
        Watch->SetMinute(60);
    } catch (const rtl::Exception& e) {
        EXPECT_STREQ(e.what(), "Invalid time");
    }
}

TEST_F(ExtWatchTest, AnimationMovesTheMinuteTickByTickWithOneChange)
{
    ASSERT_TRUE(Watch->Animation());
    Watch->SetMinute(45);
    EXPECT_EQ(HourMinute(), std::make_pair(10, 5));  // nothing yet: the timer moves it
    std::vector<int> minutes;
    for (int i = 0; i < 100 && Watch->Animating(); ++i) {
        Tick();
        minutes.push_back(HourMinute().second);
    }
    EXPECT_FALSE(Watch->Animating());
    std::vector<int> steps;
    int from = 5;
    for (int m : minutes) {
        if (m != from) steps.push_back(m - from);
        from = m;
    }
    const std::vector<int> firstSteps{4, 4, 3, 3, 3, 2, 2, 2, 2, 2};
    ASSERT_GE(steps.size(), firstSteps.size());
    EXPECT_EQ(std::vector<int>(steps.begin(), steps.begin() + 10), firstSteps);
    for (std::size_t i = 10; i < steps.size(); ++i) EXPECT_EQ(steps[i], 1);
    EXPECT_EQ(HourMinute(), std::make_pair(10, 45));
    EXPECT_EQ(Changes, 1);

    // 50 to 0 goes forward through 59 and takes the next hour; 20 to 0 goes back.
    Watch->SetTime(rtl::EncodeTime(10, 50, 0, 0));
    Watch->SetMinute(0);
    for (int i = 0; i < 100 && Watch->Animating(); ++i) {
        Tick();
        EXPECT_GE(HourMinute().second == 0 ? 60 : HourMinute().second, 50);
    }
    EXPECT_EQ(HourMinute(), std::make_pair(11, 0));
    Watch->SetTime(rtl::EncodeTime(10, 20, 0, 0));
    Watch->SetMinute(0);
    for (int i = 0; i < 100 && Watch->Animating(); ++i) Tick();
    EXPECT_EQ(HourMinute(), std::make_pair(10, 0));
    EXPECT_EQ(Changes, 3);
}

TEST_F(ExtWatchTest, AmPmClickSlidesTheBoxTenMillisecondsPerPixel)
{
    TRecordingSleeper sleeper;
    ui::SetSleeper(&sleeper);
    rtl::TRect box = Watch->AMPMRect();
    THeadlessBackend::Click(Watch, box.Left + 3, box.Top + 3);
    EXPECT_EQ(sleeper.Pauses, std::vector<int>(static_cast<std::size_t>(box.Height()), 10));
    EXPECT_FALSE(Watch->AM());
    EXPECT_EQ(HourMinute(), std::make_pair(22, 5));
    // Without animation there is no slide.
    sleeper.Pauses.clear();
    Watch->SetAnimation(false);
    THeadlessBackend::Click(Watch, box.Left + 3, box.Top + 3);
    EXPECT_TRUE(sleeper.Pauses.empty());
    EXPECT_TRUE(Watch->AM());
}

TEST_F(ExtWatchTest, LiveModeFollowsTheLocalTimeRedrawsOnlyTheHandsAndIgnoresInput)
{
    ui::TManualLocalTime local(rtl::EncodeDate(2026, 12, 11) + rtl::EncodeTime(14, 0, 0, 0));
    ui::SetLocalTimeSource(&local);
    Watch->Settings().SetTimeOffset(30);
    Watch->Settings().SetAuto(true);
    int h, n, s, ms;
    rtl::DecodeTime(Watch->CurrentTime(), h, n, s, ms);
    EXPECT_EQ(h, 14);
    EXPECT_EQ(n, 30);
    EXPECT_FALSE(Watch->AM());
    App->ProcessMessages();
    int facePaints = Watch->FaceCachePaints();
    // The second hand at 0 s points up, at 15 s to the right.
    EXPECT_EQ(PixelAt(90, 90 - 60), gfx::ColorToRGB(0x0000FF));
    local.Set(local.Now() + rtl::EncodeTime(0, 0, 15, 0));
    Tick(100);
    EXPECT_EQ(PixelAt(90 + 60, 90), gfx::ColorToRGB(0x0000FF));
    EXPECT_NE(PixelAt(90, 90 - 60), gfx::ColorToRGB(0x0000FF));
    EXPECT_EQ(Watch->FaceCachePaints(), facePaints);
    double before = Watch->Time();
    THeadlessBackend::Click(Watch, 50, 90);
    Watch->KeyStep(ui::VK_PRIOR);
    EXPECT_EQ(Watch->Time(), before);
}

TEST_F(ExtWatchTest, FaceMarksHandsAndBorderShowOnPixels)
{
    Watch->SetTime(rtl::EncodeTime(3, 0, 0, 0));  // hour hand right, minute hand up
    const gfx::TColor white = gfx::ColorToRGB(0xFFFFFF), black = 0;
    EXPECT_EQ(PixelAt(2, 2), gfx::ColorToRGB(Watch->Color()));  // outside the round face
    EXPECT_EQ(PixelAt(90 - 30, 90 + 10), white);                // the face
    EXPECT_EQ(PixelAt(90, 11), black);                          // the border, 4 pixels wide
    EXPECT_EQ(PixelAt(90 + 77, 90), black);                     // the 3 o'clock mark
    EXPECT_EQ(PixelAt(90 + 30, 90), black);                     // the hour hand
    EXPECT_EQ(PixelAt(90, 90 - 45), black);                     // the minute hand
    EXPECT_EQ(PixelAt(90, 90 + 10), gfx::ColorToRGB(gfx::clBtnShadow));  // its shadow, 3 pixels lower

    // wsTower: a square face of bands from light to dark yellow, pointer-shaped hands.
    Watch->SetStyle(wsTower);
    EXPECT_TRUE(Near(PixelAt(2, 2), gfx::ColorToRGB(0xB1F0FE)));  // the first of 80 bands
    EXPECT_NE(PixelAt(2, 177), gfx::ColorToRGB(0xB1F0FE));
    EXPECT_EQ(PixelAt(90 + 30, 90), black);
    EXPECT_EQ(PixelAt(100, 92), black);  // the pointer is wider than a line
    EXPECT_EQ(PixelAt(90, 90), gfx::ColorToRGB(0x002BD5));  // the hub

    // wsBlack: a dark face, white hands.
    Watch->SetStyle(wsBlack);
    EXPECT_EQ(PixelAt(90 - 30, 90 + 10), gfx::ColorToRGB(0x202020));
    EXPECT_EQ(PixelAt(90 + 30, 90), white);
    EXPECT_EQ(PixelAt(2, 2), gfx::ColorToRGB(Watch->Color()));
}

TEST_F(ExtWatchTest, PresetsResetTheLookAndKeepUnsetFontStyles)
{
    TWatchAppearance fresh;
    Watch->SetStyle(wsClassic);  // unchanged: no preset
    EXPECT_EQ(Watch->Appearance().HourMarkLength(), fresh.HourMarkLength());
    Watch->SetStyle(wsGray);
    EXPECT_EQ(Watch->Appearance().HourPointer(), 0x4E4E4E);
    EXPECT_EQ(Watch->Appearance().HourPointerShadow(), gfx::clNone);
    Watch->SetStyle(wsClassic);
    EXPECT_EQ(Watch->Appearance().HourMarkLength(), 8);
    EXPECT_EQ(Watch->Appearance().HourPointerShadow(), gfx::clBtnShadow);
    EXPECT_EQ(Watch->Appearance().HourFont().Name(), "Comic Sans MS");
    EXPECT_TRUE(Watch->Appearance().HourFont().Style().Contains(gfx::fsBold));
    Watch->SetStyle(wsBlack);  // sets no style: the bold hour font stays
    EXPECT_EQ(Watch->Appearance().HourFont().Name(), "Century Gothic");
    EXPECT_TRUE(Watch->Appearance().HourFont().Style().Contains(gfx::fsBold));
    EXPECT_FALSE(Watch->ShowAMPM());
    EXPECT_TRUE(Watch->ShowNumbers());
    Watch->SetStyle(wsSuperNova);  // sizes from the clock's 180 × 180
    EXPECT_EQ(Watch->Appearance().HourMarkLength(), 40);
    EXPECT_EQ(Watch->Appearance().MinuteMarkLength(), 60);

    Watch->SetComponentStyle(tsOffice2007Obsidian);
    EXPECT_EQ(Watch->Appearance().BackgroundColor(), 0x5C534C);
    EXPECT_EQ(Watch->Appearance().HourFont().Color(), 0xF2F1F0);
    EXPECT_EQ(Watch->Appearance().CenterPointOuterBorderColor(), 0);
    Watch->SetComponentStyle(tsWindows8);  // not in the table: only the fonts go black
    EXPECT_EQ(Watch->Appearance().BackgroundColor(), 0x5C534C);
    EXPECT_EQ(Watch->Appearance().HourFont().Color(), 0);
}

TEST_F(ExtWatchTest, AppearanceCopyNotifiesOnlyThroughItsThreeProperties)
{
    TWatchAppearance from, to;
    int notes = 0;
    to.OnChange = [&](rtl::TObject*) { ++notes; };
    from.SetBackgroundColor(0x123456);
    from.SetHourPointerSize(9);
    to.Assign(&from);
    EXPECT_EQ(to.BackgroundColor(), 0x123456);
    EXPECT_EQ(to.HourPointerSize(), 9);
    EXPECT_EQ(notes, 0);
    from.SetTickMarks(tmHours);
    to.Assign(&from);
    EXPECT_EQ(notes, 1);
}

}  // namespace
