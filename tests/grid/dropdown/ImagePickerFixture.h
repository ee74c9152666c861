// A folder of small pictures for the image picker's tests: PNG, JPEG and BMP files of one
// colour each, a file that is no picture and a sub-folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/gfx/ImageCodecs.h"
#include "platform/gfx/JpegEncoder.h"
#include "tests/support/TempDir.h"

namespace imagepicker {

struct TFixturePicture {
    const char* Name;
    int Width;
    int Height;
    std::uint32_t Rgb;  // 0xRRGGBB
};

// In the order a listing by name without regard to case gives them, with the file that does
// not load and the folder among them.
inline const std::vector<std::string>& FixtureNames()
{
    static const std::vector<std::string> names = {"apple.png", "Birch.JPG", "Bonsai.png", "broken.png",
                                                   "cedar.bmp", "dune.png",  "elm.png",    "pictures"};
    return names;
}

inline const std::vector<TFixturePicture>& FixturePictures()
{
    static const std::vector<TFixturePicture> pictures = {
        {"apple.png", 8, 8, 0xFF0000},  {"Birch.JPG", 12, 10, 0x00FF00}, {"Bonsai.png", 6, 6, 0x0000FF},
        {"cedar.bmp", 10, 6, 0xFFFF00}, {"dune.png", 8, 8, 0xFF00FF},    {"elm.png", 8, 8, 0x00FFFF},
    };
    return pictures;
}

inline std::string ExtensionOf(const std::string& name)
{
    std::string ext = std::filesystem::path(name).extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

// One picture file of a colour, written in the format its extension names.
inline void WritePicture(const std::filesystem::path& file, int w, int h, std::uint32_t rgb)
{
    const std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h, 0xFF000000u | rgb);
    std::vector<std::uint8_t> bytes;
    const std::string ext = ExtensionOf(file.filename().string());
    if (ext == ".png") gfx::EncodePng(w, h, pixels.data(), w, bytes);
    else if (ext == ".jpg") bytes = gfx::EncodeJpeg(w, h, pixels.data(), w);
    else bytes = gfx::EncodeBmp(w, h, pixels.data(), w, false);
    testsupport::WriteFileBytes(file, std::string(bytes.begin(), bytes.end()));
}

// Fills `folder` with the fixture: the pictures, "broken.png" holding text and the
// sub-folder "pictures" (which holds a picture of its own that no listing reaches).
inline void WriteFixtureFolder(const std::filesystem::path& folder)
{
    for (const TFixturePicture& p : FixturePictures()) WritePicture(folder / p.Name, p.Width, p.Height, p.Rgb);
    testsupport::WriteFileBytes(folder / "broken.png", "this is no picture");
    WritePicture(folder / "pictures" / "inner.png", 4, 4, 0x808080);
}

}  // namespace imagepicker
