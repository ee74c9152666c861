// Tests of THTMLPicture, the picture cache and the picture container: loading, sizes, GIF frames, URLs, look-ups.
#include <gtest/gtest.h>

#include "grid/foundation/PictureContainer.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Controls.h"
#include "tests/support/TempDir.h"

using namespace grid;

namespace {

std::string Fixture(const std::string& name)
{
    return (testsupport::TestDataDir() / "grid" / "foundation" / "html" / name).string();
}

std::vector<std::uint8_t> FixtureBytes(const std::string& name)
{
    const std::string s = testsupport::ReadFileBytes(Fixture(name));
    return {s.begin(), s.end()};
}

class CountingControl : public ui::TControl {
public:
    using ui::TControl::TControl;
    void Invalidate() override { ++Invalidations; }
    int Invalidations = 0;
};

}  // namespace

TEST(PictureContainer, PngFromFileAndFromStreamReportTheSameSize)
{
    THTMLPicture fromFile;
    EXPECT_TRUE(fromFile.Empty());
    fromFile.LoadFromFile(Fixture("redblue.png"));
    EXPECT_FALSE(fromFile.Empty());
    EXPECT_EQ(fromFile.Width(), 20);
    EXPECT_EQ(fromFile.Height(), 10);

    THTMLPicture fromStream;
    int changes = 0;
    fromStream.OnChange = [&](rtl::TObject*) { ++changes; };
    const std::vector<std::uint8_t> bytes = FixtureBytes("redblue.png");
    rtl::TBytesStream stream(bytes);
    fromStream.LoadFromStream(&stream);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(fromStream.Width(), 20);
    EXPECT_EQ(fromStream.Height(), 10);
    EXPECT_EQ(fromStream.MaxWidth(), 20);
    fromStream.LoadFromStream(nullptr);
    EXPECT_EQ(changes, 1);

    rtl::TMemoryStream saved;
    fromStream.SaveToStream(&saved);
    EXPECT_EQ(saved.Size(), static_cast<long long>(bytes.size()));
}

TEST(PictureContainer, UndecodableAndMissingFiles)
{
    THTMLPicture notImage;
    notImage.LoadFromFile(Fixture("notimage.png"));
    EXPECT_FALSE(notImage.Empty());
    EXPECT_EQ(notImage.Width(), 0);
    EXPECT_EQ(notImage.Height(), 0);

    // A damaged GIF that claims a picture area too large to hold (found by fuzzing).
    THTMLPicture huge;
    EXPECT_NO_THROW(huge.LoadFromFile(Fixture("hugearea.gif")));
    EXPECT_EQ(huge.Width(), 0);

    THTMLPicture missing;
    EXPECT_NO_THROW(missing.LoadFromFile(Fixture("no-such-file.png")));
    EXPECT_TRUE(missing.Empty());

    // Drawing either paints nothing.
    gfx::TBitmap bitmap(20, 20);
    bitmap.Canvas().Brush().SetColor(gfx::clWhite);
    bitmap.Canvas().FillRect(rtl::Rect(0, 0, 20, 20));
    notImage.Draw(bitmap.Canvas(), rtl::Rect(0, 0, 20, 20));
    missing.Draw(bitmap.Canvas(), rtl::Rect(0, 0, 20, 20));
    EXPECT_EQ(bitmap.Canvas().Pixels(10, 10), gfx::clWhite);
}

TEST(PictureContainer, GifFramesAndTheirDelays)
{
    THTMLPicture anim;
    anim.LoadFromFile(Fixture("anim3.gif"));
    EXPECT_TRUE(anim.IsGIF());
    EXPECT_EQ(anim.FrameCount(), 3);
    EXPECT_EQ(anim.GetFrameTime(1), 10);
    EXPECT_EQ(anim.GetFrameTime(2), 20);
    EXPECT_EQ(anim.GetFrameTime(3), 30);
    EXPECT_EQ(anim.GetFrameTime(4), -1);
    int frameChanges = 0;
    anim.OnFrameChange = [&](rtl::TObject*) { ++frameChanges; };
    anim.SetFrame(2);
    EXPECT_EQ(frameChanges, 1);
    EXPECT_EQ(anim.FrameXPos(), 4);
    EXPECT_EQ(anim.FrameYPos(), 2);
    anim.FrameNext();
    EXPECT_EQ(anim.Frame(), 3);
    anim.FrameNext();
    EXPECT_EQ(anim.Frame(), 1);
    anim.FramePrev();
    EXPECT_EQ(anim.Frame(), 3);

    THTMLPicture still;
    still.LoadFromFile(Fixture("still.gif"));
    EXPECT_EQ(still.FrameCount(), 0);
    EXPECT_EQ(still.Width(), 6);
    THTMLPicture png;
    png.LoadFromFile(Fixture("redblue.png"));
    EXPECT_FALSE(png.IsGIF());
    EXPECT_EQ(png.FrameCount(), -1);
    EXPECT_EQ(png.GetFrameTime(1), -1);
}

TEST(PictureContainer, TruncatedGifIsReadOnlyWithinItsBytes)
{
    const std::vector<std::uint8_t> full = FixtureBytes("anim3.gif");
    // The second frame's marker: its image descriptor follows 8 bytes after it.
    std::size_t second = 0;
    for (std::size_t p = 0, seen = 0; p + 8 < full.size(); ++p)
        if (full[p] == 0x21 && full[p + 1] == 0xF9 && full[p + 2] == 0x04 && full[p + 8] == 0x2C && ++seen == 2) {
            second = p;
            break;
        }
    ASSERT_GT(second, 0u);
    // Cut inside the descriptor's position: the frame is counted, its position stays 0.
    THTMLPicture cut;
    const std::vector<std::uint8_t> part(full.begin(), full.begin() + static_cast<long>(second + 11));
    cut.LoadFromBytes(part.data(), part.size());
    EXPECT_EQ(cut.FrameCount(), 2);
    cut.SetFrame(2);
    EXPECT_EQ(cut.FrameXPos(), 0);
    EXPECT_EQ(cut.FrameYPos(), 0);
    // Every shorter cut counts only whole markers and never fails.
    for (std::size_t n = 0; n <= full.size(); ++n) {
        THTMLPicture p;
        p.LoadFromBytes(full.data(), n);
        const int frames = p.FrameCount();
        EXPECT_LE(frames, 3) << n;
        for (int i = 1; i <= std::max(frames, 0); ++i) {
            EXPECT_GE(p.GetFrameTime(i), 0) << n;
            p.SetFrame(i);
        }
    }
}

TEST(PictureContainer, StepChangesFramesWhenTheirDelaysHaveRunOut)
{
    THTMLPicture anim;
    anim.LoadFromFile(Fixture("anim2.gif"));
    ASSERT_EQ(anim.FrameCount(), 2);
    std::vector<int> changedOn;
    for (int call = 1; call <= 10; ++call)
        if (anim.Step()) changedOn.push_back(call);
    EXPECT_EQ(changedOn, (std::vector<int>{3, 5, 6, 8, 9}));

    THTMLPicture still;
    still.LoadFromFile(Fixture("redblue.png"));
    EXPECT_FALSE(still.Step());

    THTMLPictureCache cache;
    cache.AddPicture()->LoadFromFile(Fixture("anim2.gif"));
    cache.GetPicture(0)->FrameCount();
    bool any = false;
    for (int i = 0; i < 3; ++i) any = cache.Animate() || any;
    EXPECT_TRUE(any);
}

TEST(PictureContainer, UrlsFromResourcesFilesAndTheWeb)
{
    RegisterRawDataResource("LOGO", FixtureBytes("redblue.png"));
    THTMLPicture res;
    res.LoadFromURL("res://logo");
    EXPECT_EQ(res.ID(), "res://logo");
    EXPECT_EQ(res.Width(), 20);

    THTMLPicture file;
    file.LoadFromURL("FILE://" + Fixture("wide.png"));
    EXPECT_EQ(file.Width(), 64);

    THTMLPicture web;
    web.SetAsynch(false);
    web.LoadFromURL("http://example.org/a.png");
    EXPECT_TRUE(web.Empty());
    EXPECT_EQ(web.ID(), "http://example.org/a.png");
    // An asynchronous web address is downloaded; without network access the download fails
    // and the picture stays empty under its URL.
    THTMLPicture asynch;
    std::string error;
    asynch.OnDownLoadError = [&](rtl::TObject*, const std::string& e) { error = e; };
    asynch.LoadFromURL("http://example.org/a.png");
    EXPECT_FALSE(asynch.Busy());
    EXPECT_TRUE(asynch.Empty());
    EXPECT_EQ(asynch.ID(), "http://example.org/a.png");
    EXPECT_NE(error.find("http://example.org/a.png"), std::string::npos);

    THTMLPicture byId;
    RegisterRawDataResource(7, FixtureBytes("wide.png"));
    byId.LoadFromResourceID(7);
    EXPECT_EQ(byId.Height(), 32);
    EXPECT_THROW(byId.LoadFromResourceID(8), rtl::Exception);
    THTMLPicture none;
    none.LoadFromResourceName("NOSUCH");
    EXPECT_TRUE(none.Empty());
}

// Downloads go through the replaceable fetcher: progress asks for a cancel first, a finished
// download loads the bytes before it completes, a failure reports the fetcher's error, and a
// local path is read by the program's own fetcher.
TEST(PictureContainer, DownloadsFireTheirEventsInOrder)
{
    struct TFetcherScope {
        ~TFetcherScope() { THTMLPicture::SetDownloadFetcher(nullptr); }
    } restore;
    const std::vector<std::uint8_t> png = FixtureBytes("wide.png");
    THTMLPicture::SetDownloadFetcher([&](const std::string& url, const TDownloadProgress& progress) {
        TDownloadResult r;
        if (url.find("missing") != std::string::npos) {
            r.Error = "404 " + url;
            return r;
        }
        const auto half = static_cast<std::uint32_t>(png.size() / 2), all = static_cast<std::uint32_t>(png.size());
        if (!progress(half, all) || !progress(all, all)) {
            r.Cancelled = true;
            return r;
        }
        r.Ok = true;
        r.Bytes = png;
        return r;
    });
    struct TCase {
        std::string Url;
        bool CancelAtSecond;
        std::string Events;
        int Width;
    };
    for (const TCase& c : {TCase{"http://example.org/w.png", false, "c p c p change complete ", 64},
                           TCase{"http://example.org/w.png", true, "c p c ", 0},
                           TCase{"http://example.org/missing.png", false, "error:404 http://example.org/missing.png ", 0}}) {
        THTMLPicture pic;
        std::string events;
        int asked = 0;
        pic.OnDownLoadCancel = [&](rtl::TObject*, bool& cancel) {
            events += "c ";
            cancel = c.CancelAtSecond && ++asked == 2;
        };
        pic.OnDownLoadProgress = [&](rtl::TObject*, std::uint32_t, std::uint32_t) { events += "p "; };
        pic.OnChange = [&](rtl::TObject*) { events += "change "; };
        pic.OnDownLoadComplete = [&](rtl::TObject*) { events += "complete "; };
        pic.OnDownLoadError = [&](rtl::TObject*, const std::string& e) { events += "error:" + e + " "; };
        pic.LoadFromURL(c.Url);
        EXPECT_EQ(events, c.Events) << c.Url;
        EXPECT_EQ(pic.Width(), c.Width) << c.Url;
        EXPECT_EQ(pic.ID(), c.Url);
        EXPECT_FALSE(pic.Busy());
    }

    THTMLPicture::SetDownloadFetcher(nullptr);
    THTMLPicture local;
    bool complete = false;
    local.OnDownLoadComplete = [&](rtl::TObject*) { complete = true; };
    local.LoadFromURL(Fixture("wide.png"));
    EXPECT_TRUE(complete);
    EXPECT_EQ(local.Width(), 64);
}

TEST(PictureContainer, CacheFindsByExactIdAndContainerByNameWithoutCase)
{
    THTMLPictureCache cache;
    THTMLPicture* p = cache.AddPicture();
    p->SetID("Logo");
    EXPECT_EQ(cache.FindPicture("Logo"), p);
    EXPECT_EQ(cache.FindPicture("LOGO"), nullptr);
    cache.ClearPictures();
    EXPECT_EQ(cache.Count(), 0);

    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items().Add();
    item->SetName("Logo");
    item->Picture()->LoadFromFile(Fixture("redblue.png"));
    EXPECT_EQ(container.FindPicture("LOGO"), item->Picture());
    EXPECT_EQ(container.FindPicture("other"), nullptr);
    EXPECT_EQ(container.Version(), "2.0.0.0");

    gfx::TPicture* holder = container.FindBitmap("logo");
    ASSERT_NE(holder, nullptr);
    EXPECT_EQ(holder->Width(), 20);
    EXPECT_EQ(container.FindBitmap("nothing"), nullptr);
}

TEST(PictureContainer, AssignCopiesPicturesAndLeavesEmptySourcesEmpty)
{
    THTMLPicture source;
    source.LoadFromFile(Fixture("anim3.gif"));
    source.SetID("src");
    THTMLPicture copy;
    copy.Assign(&source);
    EXPECT_EQ(copy.Width(), 12);
    EXPECT_EQ(copy.ID(), "src");
    EXPECT_EQ(copy.FrameCount(), 3);

    gfx::TPicture holder;
    holder.LoadFromFile(Fixture("wide.png"));
    THTMLPicture fromHolder;
    fromHolder.Assign(&holder);
    EXPECT_EQ(fromHolder.Width(), 64);

    gfx::TPicture emptyHolder;
    THTMLPicture fromEmpty;
    fromEmpty.Assign(&emptyHolder);
    EXPECT_TRUE(fromEmpty.Empty());
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());

    TPictureContainer container(nullptr);
    TPictureItem* a = container.Items().Add();
    a->SetName("a");
    a->SetTag(5);
    a->SetPicture(&source);
    TPictureItem* b = container.Items().Add();
    b->Assign(a);
    EXPECT_EQ(b->Name(), "a");
    EXPECT_EQ(b->Tag(), 5);
    EXPECT_EQ(b->Picture()->Width(), 12);
}

TEST(PictureContainer, ChangedRepaintsRegisteredControlsUntilTheyGo)
{
    TPictureContainer container(nullptr);
    int changes = 0;
    container.OnChange = [&](rtl::TObject*) { ++changes; };
    auto control = std::make_unique<CountingControl>(nullptr);
    container.RegisterControl(control.get());
    container.Changed();
    EXPECT_EQ(control->Invalidations, 1);
    EXPECT_EQ(changes, 1);
    control.reset();
    EXPECT_EQ(container.RegisteredControlCount(), 0);
    container.Changed();
    EXPECT_EQ(changes, 2);
}
