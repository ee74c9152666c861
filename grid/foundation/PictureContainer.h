// Pictures of HTML-formatted text: THTMLPicture (image bytes decoded through GDI+), the picture cache and the named picture container.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Graphic.h"
#include "platform/rtl/Component.h"

namespace gfx {
class TPicture;
}
namespace rtl {
class TStream;
class TMemoryStream;
}  // namespace rtl
namespace ui {
class TControl;
}

namespace grid {

class TGPImage;

using TDownloadProgressEvent = std::function<void(rtl::TObject* sender, std::uint32_t dwSize, std::uint32_t dwTotSize)>;
using TDownloadCompleteEvent = std::function<void(rtl::TObject* sender)>;
using TDownloadCancelEvent = std::function<void(rtl::TObject* sender, bool& cancel)>;
using TDownloadErrorEvent = std::function<void(rtl::TObject* sender, const std::string& err)>;

// What a download fetcher hands back: the bytes, or an error text; Cancelled when the
// progress callback asked to stop.
struct TDownloadResult {
    bool Ok = false;
    bool Cancelled = false;
    std::vector<std::uint8_t> Bytes;
    std::string Error;
};
// Fetches what a URL names. Progress(bytes so far, total) is called as bytes arrive and
// answers false to cancel.
using TDownloadProgress = std::function<bool(std::uint32_t size, std::uint32_t total)>;
using TDownloadFetcher = std::function<TDownloadResult(const std::string& url, const TDownloadProgress& progress)>;
// The fetcher this program downloads with: it reads local paths (mapped as every file path
// is) and refuses web addresses, since the workbench has no network access.
TDownloadResult FetchLocalFile(const std::string& url, const TDownloadProgress& progress);

// Raw-data resources of the program, found by name ("RES://name") or by numeric ID.
void RegisterRawDataResource(const std::string& name, std::vector<std::uint8_t> bytes);
void RegisterRawDataResource(int id, std::vector<std::uint8_t> bytes);

// A picture kept as the image file's bytes, decoded and drawn through the GDI+ object layer,
// with the frame bookkeeping of animated GIF files.
class THTMLPicture : public gfx::TGraphic {
public:
    THTMLPicture();
    ~THTMLPicture() override;
    std::string ClassName() const override { return "THTMLPicture"; }

    void Assign(const rtl::TPersistent* source) override;
    // --- loading ---
    void LoadFromStream(rtl::TStream* stream);
    // Any failure leaves the picture empty; nothing is raised.
    void LoadFromFile(const std::string& fileName);
    void LoadFromResourceName(const std::string& name);
    // Raises rtl::Exception when there is no resource with that ID.
    void LoadFromResourceID(int id);
    void LoadFromURL(const std::string& url);
    void SaveToStream(rtl::TStream* stream) const;
    void WriteData(rtl::TStream* stream) const { SaveToStream(stream); }
    void ReadData(rtl::TStream* stream);
    void LoadFromClipboardFormat() {}
    void SaveToClipboardFormat() const {}

    // --- TGraphic ---
    void Draw(gfx::TCanvas& canvas, const rtl::TRect& rect) const override;
    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    int MaxWidth() const { return FWidth; }
    int MaxHeight() const { return FHeight; }
    void SetWidth(int) override {}
    void SetHeight(int) override {}
    bool Empty() const override { return FIsEmpty; }
    void LoadFromBytes(const std::uint8_t* data, std::size_t size) override;
    using gfx::TGraphic::LoadFromBytes;
    gfx::TBytes SaveToBytes() const override;

    // --- frames ---
    bool IsGIF() const;
    int FrameCount();
    // Delay of frame i (1-based) in hundredths of a second; -1 when unknown.
    int GetFrameTime(int i) const;
    int Frame() const { return FFrame; }
    void SetFrame(int value);
    void FrameNext();
    void FramePrev();
    // One animation tick of a tenth of a second; true when the frame changed.
    bool Step();
    int FrameXPos() const { return FFrameXPos; }
    int FrameYPos() const { return FFrameYPos; }

    // --- properties ---
    bool Stretch() const { return FStretched; }
    void SetStretch(bool value) { FStretched = value; }
    const std::string& ID() const { return FID; }
    void SetID(const std::string& value) { FID = value; }
    bool IsDB() const { return FIsDB; }
    void SetIsDB(bool value) { FIsDB = value; }
    bool Asynch() const { return FAsynch; }
    void SetAsynch(bool value) { FAsynch = value; }
    bool Busy() const { return FThreadBusy; }
    const std::string& URL() const { return FURL; }
    const std::vector<std::uint8_t>& Bytes() const { return FData; }
    // The fetcher of every picture's downloads; an empty one restores FetchLocalFile.
    static void SetDownloadFetcher(TDownloadFetcher fetcher);

    std::function<void(rtl::TObject* sender)> OnFrameChange;
    TDownloadProgressEvent OnDownLoadProgress;
    TDownloadCancelEvent OnDownLoadCancel;
    TDownloadCompleteEvent OnDownLoadComplete;
    TDownloadErrorEvent OnDownLoadError;

private:
    void SetBytes(const std::uint8_t* data, std::size_t size);
    void Decode();
    void Download(const std::string& url);
    // Byte positions of the frame markers (graphic control extension + image separator).
    const std::vector<std::size_t>& FrameMarkers() const;
    void ResetFrames();

    std::vector<std::uint8_t> FData;  // the image file's bytes
    bool FIsEmpty = true;
    bool FStretched = false;
    std::string FURL;
    std::string FID;
    int FHeight = 0;
    int FWidth = 0;
    bool FIsDB = false;
    bool FAsynch = true;
    bool FThreadBusy = false;
    int FFrame = 1;
    int FFrameCount = -1;
    int FFrameXPos = 0;
    int FFrameYPos = 0;
    int FNextCount = -1;
    int FTimerCount = -1;
    mutable std::unique_ptr<std::vector<std::size_t>> FMarkers;
    mutable std::unique_ptr<TGPImage> FImage;  // decoded once per load, drawn many times
};

// Pictures found by the URL they were loaded from; owns them.
class THTMLPictureCache : public rtl::TObject {
public:
    THTMLPictureCache() = default;
    ~THTMLPictureCache() override;
    THTMLPictureCache(const THTMLPictureCache&) = delete;
    THTMLPictureCache& operator=(const THTMLPictureCache&) = delete;
    std::string ClassName() const override { return "THTMLPictureCache"; }

    THTMLPicture* AddPicture();
    // The first picture whose ID equals the text exactly; none when absent.
    THTMLPicture* FindPicture(const std::string& id) const;
    THTMLPicture* GetPicture(int index) const;
    void SetPicture(int index, THTMLPicture* picture);
    int Count() const { return static_cast<int>(FItems.size()); }
    void ClearPictures();
    bool Animate();

private:
    std::vector<std::unique_ptr<THTMLPicture>> FItems;
};

class TPictureCollection;

class TPictureItem : public rtl::TPersistent {
public:
    explicit TPictureItem(TPictureCollection* collection = nullptr);
    ~TPictureItem() override;
    std::string ClassName() const override { return "TPictureItem"; }
    void Assign(const rtl::TPersistent* source) override;

    THTMLPicture* Picture() const { return FPicture.get(); }
    void SetPicture(const gfx::TGraphic* graphic);
    const std::string& Name() const { return FName; }
    void SetName(const std::string& value) { FName = value; }
    long long Tag() const { return FTag; }
    void SetTag(long long value) { FTag = value; }
    TPictureCollection* Collection() const { return FCollection; }

protected:
    virtual std::unique_ptr<THTMLPicture> CreatePicture();

private:
    TPictureCollection* FCollection;
    std::unique_ptr<THTMLPicture> FPicture;
    std::string FName;
    long long FTag = 0;
};

class TPictureCollection : public rtl::TPersistent {
public:
    explicit TPictureCollection(rtl::TComponent* owner);
    ~TPictureCollection() override;
    std::string ClassName() const override { return "TPictureCollection"; }

    TPictureItem* Add();
    TPictureItem* Insert(int index);
    void Delete(int index);
    void Clear();
    TPictureItem* Items(int index) const;
    int Count() const { return static_cast<int>(FItems.size()); }
    rtl::TComponent* Owner() const { return FOwner; }
    bool Animate();

protected:
    virtual std::unique_ptr<TPictureItem> ItemClass();

private:
    rtl::TComponent* FOwner;
    std::vector<std::unique_ptr<TPictureItem>> FItems;
};

class TPictureContainer : public rtl::TComponent {
public:
    explicit TPictureContainer(rtl::TComponent* owner);
    ~TPictureContainer() override;
    std::string ClassName() const override { return "TPictureContainer"; }

    TPictureCollection& Items() { return *FItems; }
    // The picture of the first item of that name (without regard to case); none when absent.
    virtual THTMLPicture* FindPicture(const std::string& name) const;
    // A picture holder with a copy of that picture, valid until the next call.
    virtual gfx::TPicture* FindBitmap(const std::string& name);
    void RegisterControl(ui::TControl* control);
    int RegisteredControlCount() const { return static_cast<int>(FControls.size()); }
    void Notification(rtl::TComponent* component, rtl::TOperation operation) override;
    std::string Version() const;
    void SetVersion(const std::string&) {}

    std::function<void(rtl::TObject* sender)> OnChange;

    // Asks every registered control to repaint, then fires OnChange.
    virtual void Changed();

protected:
    virtual std::unique_ptr<TPictureCollection> CreateItems();
    virtual int PackedVersion() const { return 0x02000000; }

private:
    std::unique_ptr<TPictureCollection> FItems;
    std::vector<ui::TControl*> FControls;
    std::unique_ptr<gfx::TPicture> FBitmap;
};

}  // namespace grid
