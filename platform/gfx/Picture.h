// TPicture and the picture formats: PNG, JPEG, GIF (all frames) and icons.
#pragma once

#include <memory>
#include <string>

#include "platform/gfx/Graphic.h"
#include "platform/gfx/ImageCodecs.h"

namespace gfx {

class TBitmap;

// A picture kept as its file bytes and decoded into frames. Bad data decodes as empty.
class TRasterImage : public TGraphic {
public:
    void Draw(TCanvas& canvas, const rtl::TRect& rect) const override;
    int Width() const override { return FImage.Width; }
    int Height() const override { return FImage.Height; }
    bool Empty() const override { return FImage.Empty(); }
    void LoadFromBytes(const std::uint8_t* data, std::size_t size) override;
    using TGraphic::LoadFromBytes;
    TBytes SaveToBytes() const override { return FBytes; }
    void Assign(const rtl::TPersistent* source) override;

    TImageFormat Format() const { return FImage.Format; }
    const TDecodedImage& Image() const { return FImage; }
    const TBytes& Bytes() const { return FBytes; }
    int FrameCount() const { return static_cast<int>(FImage.Frames.size()); }
    // The frame Draw shows, 0-based; out-of-range values are ignored.
    int Frame() const { return FFrame; }
    void SetFrame(int index);
    // A copy of the shown frame as a 32-bit bitmap.
    void ToBitmap(TBitmap& bitmap) const;
    std::string ClassName() const override { return "TRasterImage"; }

protected:
    TBytes FBytes;
    TDecodedImage FImage;
    int FFrame = 0;
};

class TPngImage : public TRasterImage {
public:
    std::string ClassName() const override { return "TPngImage"; }
    // A PNG made from a bitmap's pixels.
    void AssignBitmap(const TBitmap& bitmap);
};
class TJPEGImage : public TRasterImage {
public:
    std::string ClassName() const override { return "TJPEGImage"; }
};
class TGIFImage : public TRasterImage {
public:
    std::string ClassName() const override { return "TGIFImage"; }
};
class TIcon : public TRasterImage {
public:
    std::string ClassName() const override { return "TIcon"; }
};

// A new empty graphic of the class for the format (TBitmap for BMP, TRasterImage for Unknown).
std::unique_ptr<TGraphic> CreateGraphic(TImageFormat format);

// Holds one graphic of any format; the format is taken from the data, not the file name.
class TPicture : public rtl::TPersistent {
public:
    TPicture();
    ~TPicture() override;

    TGraphic* Graphic() const { return FGraphic.get(); }
    // Keeps a copy of the graphic (none clears the picture).
    void SetGraphic(const TGraphic* graphic);
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    // The graphic as a bitmap: a bitmap graphic itself, else it is replaced by a bitmap
    // copy of the picture.
    TBitmap& Bitmap();
    int Width() const;
    int Height() const;
    bool Empty() const { return !FGraphic || FGraphic->Empty(); }

    // Bad picture data leaves the picture holding an empty graphic (size 0); a missing
    // file raises rtl::EFOpenError.
    void LoadFromFile(const std::string& fileName);
    void LoadFromBytes(const std::uint8_t* data, std::size_t size);
    void LoadFromBytes(const TBytes& bytes) { LoadFromBytes(bytes.data(), bytes.size()); }
    // Reads from the stream's position to its end.
    void LoadFromStream(rtl::TStream& stream);
    void SaveToFile(const std::string& fileName) const;

    void Assign(const rtl::TPersistent* source) override;
    std::function<void(rtl::TObject* sender)> OnChange;
    std::string ClassName() const override { return "TPicture"; }

private:
    void Changed();
    std::unique_ptr<TGraphic> FGraphic;
};

}  // namespace gfx
