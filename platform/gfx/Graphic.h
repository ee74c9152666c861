// TGraphic: the abstract picture that a canvas can draw, load and save.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/rtl/Object.h"
#include "platform/rtl/Types.h"

namespace rtl {
class TStream;
}

namespace gfx {

class TCanvas;

using TBytes = std::vector<std::uint8_t>;

class TGraphic : public rtl::TPersistent {
public:
    // Draws the picture scaled into the rectangle (logical coordinates of the canvas).
    virtual void Draw(TCanvas& canvas, const rtl::TRect& rect) const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int) {}
    virtual void SetHeight(int) {}
    virtual bool Empty() const = 0;
    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool value);

    // Loading never raises for bad picture data: a corrupt or truncated picture leaves the
    // graphic empty (size 0). Loading from a missing file raises rtl::EFOpenError.
    virtual void LoadFromBytes(const std::uint8_t* data, std::size_t size) = 0;
    void LoadFromBytes(const TBytes& bytes) { LoadFromBytes(bytes.data(), bytes.size()); }
    virtual TBytes SaveToBytes() const = 0;
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;
    // Reads from the stream's position to its end; writes at its position.
    void LoadFromStream(rtl::TStream& stream);
    void SaveToStream(rtl::TStream& stream) const;

    std::function<void(rtl::TObject* sender)> OnChange;
    bool Modified() const { return FModified; }
    void SetModified(bool value) { FModified = value; }
    std::string ClassName() const override { return "TGraphic"; }

protected:
    void Changed();

private:
    bool FTransparent = false;
    bool FModified = false;
};

// The bytes from a stream's position to its end.
TBytes ReadStreamBytes(rtl::TStream& stream);
// Reads a whole file; raises rtl::EFOpenError naming the file when it cannot be read.
TBytes ReadAllBytes(const std::string& fileName);
// Writes a whole file through a temporary file renamed over the old one when complete;
// raises rtl::EFCreateError naming the file when it cannot be created, and
// rtl::EInOutError naming it when the writing fails (the old file is then kept).
void WriteAllBytes(const std::string& fileName, const std::uint8_t* data, std::size_t size);

}  // namespace gfx
