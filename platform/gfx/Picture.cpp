// Decoded pictures (PNG, JPEG, GIF, icons) and TPicture, which picks the format from the data.
#include "platform/gfx/Picture.h"

#include <cairo.h>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/CanvasImpl.h"

namespace gfx {

// --- TRasterImage ---

void TRasterImage::Draw(TCanvas& canvas, const rtl::TRect& rect) const
{
    if (Empty()) return;
    const TImageFrame& frame = FImage.Frames[static_cast<std::size_t>(FFrame)];
    TCanvas::TImpl::PaintPixels(canvas, rect, frame.Pixels.data(), FImage.Width, FImage.Height, FImage.Width, true);
}

void TRasterImage::LoadFromBytes(const std::uint8_t* data, std::size_t size)
{
    FBytes.assign(data, data + size);
    FFrame = 0;
    if (!DecodeImage(data, size, FImage)) FImage.Clear();
    Changed();
}

void TRasterImage::SetFrame(int index)
{
    if (index < 0 || index >= FrameCount() || index == FFrame) return;
    FFrame = index;
    Changed();
}

void TRasterImage::ToBitmap(TBitmap& bitmap) const
{
    bitmap.SetPixelFormat(pf32bit);
    bitmap.SetAlphaFormat(FImage.HasAlpha ? afPremultiplied : afIgnored);
    if (Empty()) {
        bitmap.SetSize(0, 0);
        return;
    }
    bitmap.SetPixels(FImage.Width, FImage.Height, FImage.Frames[static_cast<std::size_t>(FFrame)].Pixels.data(),
                     FImage.Width);
}

void TRasterImage::Assign(const rtl::TPersistent* source)
{
    if (source == this) return;
    if (auto* r = dynamic_cast<const TRasterImage*>(source)) {
        FBytes = r->FBytes;
        FImage = r->FImage;
        FFrame = r->FFrame;
        SetTransparent(r->Transparent());
        Changed();
        return;
    }
    if (auto* g = dynamic_cast<const TGraphic*>(source)) {
        const TBytes bytes = g->SaveToBytes();
        LoadFromBytes(bytes.data(), bytes.size());
        return;
    }
    TGraphic::Assign(source);
}

void TPngImage::AssignBitmap(const TBitmap& bitmap)
{
    TBytes png;
    if (!bitmap.Empty()) {
        const std::uint32_t* first = bitmap.ScanLine(0);
        const int stride = bitmap.Height() > 1 ? static_cast<int>(bitmap.ScanLine(1) - first) : bitmap.Width();
        EncodePng(bitmap.Width(), bitmap.Height(), first, stride, png);
    }
    LoadFromBytes(png.data(), png.size());
}

std::unique_ptr<TGraphic> CreateGraphic(TImageFormat format)
{
    switch (format) {
    case TImageFormat::Bmp: return std::make_unique<TBitmap>();
    case TImageFormat::Png: return std::make_unique<TPngImage>();
    case TImageFormat::Jpeg: return std::make_unique<TJPEGImage>();
    case TImageFormat::Gif: return std::make_unique<TGIFImage>();
    case TImageFormat::Ico: return std::make_unique<TIcon>();
    default: return std::make_unique<TRasterImage>();
    }
}

// --- TPicture ---

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

namespace {

std::unique_ptr<TGraphic> CloneGraphic(const TGraphic& g)
{
    std::unique_ptr<TGraphic> copy;
    if (dynamic_cast<const TBitmap*>(&g)) copy = std::make_unique<TBitmap>();
    else if (auto* r = dynamic_cast<const TRasterImage*>(&g)) copy = CreateGraphic(r->Format());
    if (!copy) return nullptr;
    copy->Assign(&g);
    return copy;
}

}  // namespace

void TPicture::Changed()
{
    if (FGraphic) {
        FGraphic->OnChange = [this](rtl::TObject*) {
            if (OnChange) OnChange(this);
        };
    }
    if (OnChange) OnChange(this);
}

void TPicture::SetGraphic(const TGraphic* graphic)
{
    FGraphic = graphic ? CloneGraphic(*graphic) : nullptr;
    Changed();
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic)
{
    FGraphic = std::move(graphic);
    Changed();
}

TBitmap& TPicture::Bitmap()
{
    if (auto* b = dynamic_cast<TBitmap*>(FGraphic.get())) return *b;
    auto bitmap = std::make_unique<TBitmap>();
    if (FGraphic) bitmap->Assign(FGraphic.get());
    TBitmap& result = *bitmap;
    FGraphic = std::move(bitmap);
    Changed();
    return result;
}

int TPicture::Width() const { return FGraphic ? FGraphic->Width() : 0; }
int TPicture::Height() const { return FGraphic ? FGraphic->Height() : 0; }

void TPicture::LoadFromFile(const std::string& fileName)
{
    const TBytes bytes = ReadAllBytes(fileName);
    LoadFromBytes(bytes.data(), bytes.size());
}

void TPicture::LoadFromBytes(const std::uint8_t* data, std::size_t size)
{
    std::unique_ptr<TGraphic> graphic = CreateGraphic(DetectImageFormat(data, size));
    graphic->LoadFromBytes(data, size);
    FGraphic = std::move(graphic);
    Changed();
}

void TPicture::LoadFromStream(rtl::TStream& stream)
{
    const TBytes bytes = ReadStreamBytes(stream);
    LoadFromBytes(bytes.data(), bytes.size());
}

void TPicture::SaveToFile(const std::string& fileName) const
{
    if (FGraphic) FGraphic->SaveToFile(fileName);
    else WriteAllBytes(fileName, nullptr, 0);
}

void TPicture::Assign(const rtl::TPersistent* source)
{
    if (source == this) return;
    if (!source) {
        SetGraphic(static_cast<const TGraphic*>(nullptr));
        return;
    }
    if (auto* p = dynamic_cast<const TPicture*>(source)) {
        SetGraphic(p->Graphic());
        return;
    }
    if (auto* g = dynamic_cast<const TGraphic*>(source)) {
        SetGraphic(g);
        return;
    }
    rtl::TPersistent::Assign(source);
}

}  // namespace gfx
