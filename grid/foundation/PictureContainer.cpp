// THTMLPicture: image bytes decoded through the GDI+ object layer, animated-GIF frame bookkeeping, loading from files, resources and URLs.
#include "grid/foundation/PictureContainer.h"

#include <map>
#include <new>

#include "grid/foundation/ExtGDIP.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"

namespace grid {

namespace {

struct TRawResources {
    std::map<std::string, std::vector<std::uint8_t>> ByName;  // upper-cased names
    std::map<int, std::vector<std::uint8_t>> ById;
};

TRawResources& Resources()
{
    static TRawResources r;
    return r;
}

int LittleEndian16(const std::vector<std::uint8_t>& d, std::size_t p) { return d[p] | (d[p + 1] << 8); }

// A stream over a copy of the bytes; the copy fails with the picture's own message.
std::unique_ptr<rtl::TMemoryStream> StreamOf(const std::vector<std::uint8_t>& bytes)
{
    auto stream = std::make_unique<rtl::TMemoryStream>();
    try {
        stream->SetSize(static_cast<long long>(bytes.size()));
    } catch (const std::bad_alloc&) {
        throw rtl::Exception("Could not allocate memory for image");
    }
    stream->SetPosition(0);
    if (!bytes.empty()) stream->WriteBuffer(bytes.data(), static_cast<long long>(bytes.size()));
    stream->SetPosition(0);
    return stream;
}

}  // namespace

void RegisterRawDataResource(const std::string& name, std::vector<std::uint8_t> bytes)
{
    Resources().ByName[rtl::UpperCase(name)] = std::move(bytes);
}

void RegisterRawDataResource(int id, std::vector<std::uint8_t> bytes) { Resources().ById[id] = std::move(bytes); }

// --- THTMLPicture ---

THTMLPicture::THTMLPicture() = default;
THTMLPicture::~THTMLPicture() = default;

void THTMLPicture::ResetFrames()
{
    FFrameCount = -1;
    FNextCount = -1;
    FTimerCount = -1;
    FMarkers.reset();
}

void THTMLPicture::SetBytes(const std::uint8_t* data, std::size_t size)
{
    FData.assign(data, data + size);
    FImage.reset();
    ResetFrames();
}

void THTMLPicture::Assign(const rtl::TPersistent* source)
{
    FIsEmpty = true;
    ResetFrames();
    SetFrame(1);
    if (!source) {
        FData.clear();
        FImage.reset();
        FWidth = FHeight = 0;
        return;
    }
    if (const auto* pic = dynamic_cast<const THTMLPicture*>(source)) {
        FStretched = pic->FStretched;
        FID = pic->FID;
        const std::vector<std::uint8_t> bytes = pic->FData;
        FFrame = pic->FFrame;
        SetBytes(bytes.data(), bytes.size());
        FIsEmpty = pic->FIsEmpty;
        Decode();
        Changed();
        return;
    }
    if (const auto* holder = dynamic_cast<const gfx::TPicture*>(source)) {
        // A holder without a graphic has nothing to save: the picture stays empty.
        if (!holder->Graphic() || holder->Graphic()->Empty()) return;
        LoadFromBytes(holder->Graphic()->SaveToBytes());
        return;
    }
    if (const auto* graphic = dynamic_cast<const gfx::TGraphic*>(source)) {
        LoadFromBytes(graphic->SaveToBytes());
        return;
    }
    gfx::TGraphic::Assign(source);
}

void THTMLPicture::LoadFromBytes(const std::uint8_t* data, std::size_t size)
{
    SetBytes(data, size);
    FIsEmpty = false;
    Decode();
    Changed();
}

gfx::TBytes THTMLPicture::SaveToBytes() const { return FData; }

void THTMLPicture::LoadFromStream(rtl::TStream* stream)
{
    if (!stream) return;
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[65536];
    for (;;) {
        const long long n = stream->Read(buffer, sizeof buffer);
        if (n <= 0) break;
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    LoadFromBytes(bytes.data(), bytes.size());
}

void THTMLPicture::ReadData(rtl::TStream* stream)
{
    if (!stream) return;
    const auto onChange = OnChange;
    OnChange = nullptr;
    LoadFromStream(stream);
    OnChange = onChange;
}

void THTMLPicture::LoadFromFile(const std::string& fileName)
{
    try {
        LoadFromBytes(gfx::ReadAllBytes(rtl::MapPath(fileName)));
    } catch (...) {
        FData.clear();
        FImage.reset();
        ResetFrames();
        FIsEmpty = true;
        FWidth = FHeight = 0;
    }
}

void THTMLPicture::LoadFromResourceName(const std::string& name)
{
    const auto& byName = Resources().ByName;
    const auto it = byName.find(rtl::UpperCase(name));
    if (it == byName.end()) return;
    LoadFromBytes(it->second.data(), it->second.size());
}

void THTMLPicture::LoadFromResourceID(int id)
{
    const auto& byId = Resources().ById;
    const auto it = byId.find(id);
    if (it == byId.end()) throw rtl::Exception("Resource " + std::to_string(id) + " not found");
    LoadFromBytes(it->second.data(), it->second.size());
}

void THTMLPicture::LoadFromURL(const std::string& url)
{
    const std::string up = rtl::UpperCase(url);
    if (up.rfind("RES://", 0) == 0) {
        FID = url;
        if (url.size() > 6) LoadFromResourceName(url.substr(6));
        return;
    }
    if (up.rfind("FILE://", 0) == 0) {
        FID = url;
        if (url.size() > 7) LoadFromFile(url.substr(7));
        return;
    }
    if (!FAsynch) {
        FURL = url;
        FID = url;
        return;
    }
    if (FThreadBusy) return;
    FURL = url;
    FThreadBusy = true;
    Download(url);
}

namespace {

TDownloadFetcher& Fetcher()
{
    static TDownloadFetcher fetcher = FetchLocalFile;
    return fetcher;
}

}  // namespace

void THTMLPicture::SetDownloadFetcher(TDownloadFetcher fetcher)
{
    Fetcher() = fetcher ? std::move(fetcher) : TDownloadFetcher(FetchLocalFile);
}

TDownloadResult FetchLocalFile(const std::string& url, const TDownloadProgress& progress)
{
    TDownloadResult result;
    const std::size_t scheme = url.find("://");
    if (scheme != std::string::npos) {
        result.Error = "Cannot download " + url + ": no network access";
        return result;
    }
    try {
        result.Bytes = gfx::ReadAllBytes(rtl::MapPath(url));
    } catch (const std::exception& e) {
        result.Error = "Cannot download " + url + ": " + e.what();
        return result;
    }
    const auto size = static_cast<std::uint32_t>(result.Bytes.size());
    if (progress && !progress(size, size)) {
        result.Cancelled = true;
        result.Bytes.clear();
        return result;
    }
    result.Ok = true;
    return result;
}

// The download runs to its end on the calling thread: progress asks OnDownLoadCancel first
// and then reports; the bytes are loaded (OnChange) before OnDownLoadComplete. A failed or
// cancelled download leaves the picture empty with the URL as its ID, so a cache does not
// ask for it again.
void THTMLPicture::Download(const std::string& url)
{
    const TDownloadProgress progress = [this](std::uint32_t size, std::uint32_t total) {
        bool cancel = false;
        if (OnDownLoadCancel) OnDownLoadCancel(this, cancel);
        if (cancel) return false;
        if (OnDownLoadProgress) OnDownLoadProgress(this, size, total);
        return true;
    };
    TDownloadResult result = Fetcher()(url, progress);
    FThreadBusy = false;
    FID = url;
    if (result.Cancelled) return;
    if (!result.Ok) {
        if (OnDownLoadError) OnDownLoadError(this, result.Error);
        return;
    }
    LoadFromBytes(result.Bytes.data(), result.Bytes.size());
    if (OnDownLoadComplete) OnDownLoadComplete(this);
}

void THTMLPicture::SaveToStream(rtl::TStream* stream) const
{
    if (!stream || FData.empty()) return;
    stream->WriteBuffer(FData.data(), static_cast<long long>(FData.size()));
}

bool THTMLPicture::IsGIF() const
{
    return FData.size() > 4 && FData[0] == 'G' && FData[1] == 'I' && FData[2] == 'F' && FData[3] == '8';
}

const std::vector<std::size_t>& THTMLPicture::FrameMarkers() const
{
    if (!FMarkers) {
        FMarkers = std::make_unique<std::vector<std::size_t>>();
        // Only positions whose whole marker (through the image separator at p + 8) lies
        // within the bytes count: a truncated file is never read past its end.
        for (std::size_t p = 0; p + 8 < FData.size(); ++p)
            if (FData[p] == 0x21 && FData[p + 1] == 0xF9 && FData[p + 2] == 0x04 && FData[p + 8] == 0x2C)
                FMarkers->push_back(p);
    }
    return *FMarkers;
}

int THTMLPicture::FrameCount()
{
    if (!IsGIF()) return -1;
    if (FFrameCount < 0) FFrameCount = static_cast<int>(FrameMarkers().size());
    return FFrameCount;
}

int THTMLPicture::GetFrameTime(int i) const
{
    if (!IsGIF()) return -1;
    const std::vector<std::size_t>& markers = FrameMarkers();
    if (i < 1 || i > static_cast<int>(markers.size())) return -1;
    return LittleEndian16(FData, markers[static_cast<std::size_t>(i - 1)] + 4);
}

void THTMLPicture::Decode()
{
    if (FData.empty()) return;
    FWidth = FHeight = 0;
    FFrameXPos = FFrameYPos = 0;
    if (IsGIF() && FrameCount() >= 1 && FFrame >= 1 && FFrame <= FFrameCount) {
        const std::size_t p = FrameMarkers()[static_cast<std::size_t>(FFrame - 1)];
        // The descriptor's position follows its separator at p + 8; a file cut short
        // inside it leaves the position at 0.
        if (p + 12 < FData.size()) {
            FFrameXPos = LittleEndian16(FData, p + 9);
            FFrameYPos = LittleEndian16(FData, p + 11);
        }
    }
    if (!FImage) {
        auto stream = StreamOf(FData);
        FImage = std::make_unique<TGPImage>(stream.get());
    }
    if (FImage->LastResult() != gfx::Ok) return;
    FWidth = static_cast<int>(FImage->GetWidth());
    FHeight = static_cast<int>(FImage->GetHeight());
}

void THTMLPicture::SetFrame(int value)
{
    FFrame = value;
    if (FData.empty()) return;
    Decode();
    if (OnFrameChange) OnFrameChange(this);
}

void THTMLPicture::FrameNext()
{
    ++FFrame;
    if (FFrame > FFrameCount) FFrame = 1;
}

void THTMLPicture::FramePrev()
{
    --FFrame;
    if (FFrame < 1) FFrame = FFrameCount;
}

bool THTMLPicture::Step()
{
    if (FFrameCount < 2 || FIsEmpty) return false;
    bool moved = false;
    if (FNextCount == -1) FNextCount = GetFrameTime(FFrame);
    if (FTimerCount * 10 >= FNextCount) {
        FrameNext();
        Decode();
        FNextCount += GetFrameTime(FFrame);
        moved = true;
    }
    ++FTimerCount;
    return moved;
}

void THTMLPicture::Draw(gfx::TCanvas& canvas, const rtl::TRect& rect) const
{
    if (FIsEmpty || FData.empty()) return;
    if (!FImage) {
        auto stream = StreamOf(FData);
        FImage = std::make_unique<TGPImage>(stream.get());
    }
    if (FImage->LastResult() != gfx::Ok) return;
    if (FImage->GetFormat() == ifBMP) {
        gfx::TBitmap bitmap;
        bitmap.LoadFromBytes(FData);
        bitmap.SetTransparent(true);
        canvas.StretchDraw(rect, bitmap);
        return;
    }
    // An animated picture shows its current frame; the decoder keeps every frame composed
    // over the whole picture area, so each frame appears at its own place in that area and
    // the first frame does not jump by another frame's offset.
    if (FImage->GetFrameCount() > 1 && FFrame >= 1 && static_cast<unsigned>(FFrame) <= FImage->GetFrameCount())
        FImage->SelectActiveFrame(static_cast<unsigned>(FFrame - 1));
    TGPGraphics graphics(&canvas);
    graphics.DrawImage(FImage.get(), float(rect.Left), float(rect.Top), float(rect.Width()), float(rect.Height()));
}

}  // namespace grid
