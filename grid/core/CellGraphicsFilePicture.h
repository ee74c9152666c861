// TFilePicture: a picture named by its file, loaded only while its size is read or it is drawn.
#pragma once

#include <string>

#include "platform/rtl/Object.h"
#include "platform/rtl/Types.h"

namespace gfx {
class TCanvas;
}

namespace grid {

// Keeps only the file name and the picture's size in pixels; the picture itself exists
// only during a load or a draw. A missing or unreadable file is never reported: the name
// is stored, the size stays as it was, and drawing does nothing.
class TFilePicture : public rtl::TPersistent {
public:
    TFilePicture() = default;
    std::string ClassName() const override { return "TFilePicture"; }

    const std::string& Filename() const { return FFilename; }
    // Stores the name; when the file exists and reads as a picture, takes its size.
    void SetFilename(const std::string& value);
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

    // Stretches the picture into r when the file exists and can be read.
    void DrawPicture(gfx::TCanvas& Canvas, const rtl::TRect& r) const;

    // Copies name, width and height from another TFilePicture.
    void Assign(const rtl::TPersistent* Source) override;

private:
    std::string FFilename;
    int FWidth = 0;
    int FHeight = 0;
};

}  // namespace grid
