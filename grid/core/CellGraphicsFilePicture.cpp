// Size query and drawing of pictures named by their file.
#include "grid/core/CellGraphicsFilePicture.h"

#include <memory>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Graphic.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"

namespace grid {

namespace {
// A temporary picture of the file, or none when it is missing or cannot be read.
std::unique_ptr<gfx::TPicture> LoadPicture(const std::string& fileName)
{
    if (fileName.empty() || !rtl::FileExists(fileName)) return nullptr;
    auto picture = std::make_unique<gfx::TPicture>();
    try {
        picture->LoadFromFile(fileName);
    } catch (const rtl::Exception&) {
        return nullptr;
    }
    if (picture->Empty()) return nullptr;
    return picture;
}
}  // namespace

void TFilePicture::SetFilename(const std::string& value)
{
    FFilename = value;
    auto picture = LoadPicture(value);
    if (!picture) return;
    FWidth = picture->Width();
    FHeight = picture->Height();
}

void TFilePicture::DrawPicture(gfx::TCanvas& Canvas, const rtl::TRect& r) const
{
    auto picture = LoadPicture(FFilename);
    if (!picture || picture->Graphic() == nullptr) return;
    try {
        Canvas.StretchDraw(r, *picture->Graphic());
    } catch (const rtl::Exception&) {
        // A picture that cannot be drawn is skipped.
    }
}

void TFilePicture::Assign(const rtl::TPersistent* Source)
{
    auto* src = dynamic_cast<const TFilePicture*>(Source);
    if (src == nullptr) {
        rtl::TPersistent::Assign(Source);
        return;
    }
    FFilename = src->FFilename;
    FWidth = src->FWidth;
    FHeight = src->FHeight;
}

}  // namespace grid
