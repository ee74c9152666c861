// TGraphic file loading and saving, and whole-file byte helpers.
#include "platform/gfx/Graphic.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/SafeFile.h"
#include "platform/rtl/Streams.h"

namespace gfx {

void TGraphic::SetTransparent(bool value)
{
    if (FTransparent == value) return;
    FTransparent = value;
    Changed();
}

void TGraphic::Changed()
{
    FModified = true;
    if (OnChange) OnChange(this);
}

void TGraphic::LoadFromFile(const std::string& fileName)
{
    const TBytes bytes = ReadAllBytes(fileName);
    LoadFromBytes(bytes.data(), bytes.size());
}

void TGraphic::SaveToFile(const std::string& fileName) const
{
    const TBytes bytes = SaveToBytes();
    WriteAllBytes(fileName, bytes.data(), bytes.size());
}

void TGraphic::LoadFromStream(rtl::TStream& stream)
{
    const TBytes bytes = ReadStreamBytes(stream);
    LoadFromBytes(bytes.data(), bytes.size());
}

void TGraphic::SaveToStream(rtl::TStream& stream) const
{
    const TBytes bytes = SaveToBytes();
    if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<long long>(bytes.size()));
}

TBytes ReadStreamBytes(rtl::TStream& stream)
{
    TBytes bytes;
    std::uint8_t buffer[65536];
    for (;;) {
        const long long n = stream.Read(buffer, sizeof buffer);
        if (n <= 0) break;
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    return bytes;
}

TBytes ReadAllBytes(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        const int err = errno;
        throw rtl::EFOpenError("Cannot open file \"" + fileName + "\". " + std::strerror(err));
    }
    return TBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAllBytes(const std::string& fileName, const std::uint8_t* data, std::size_t size)
{
    // Through a temporary file, so a failed save keeps the earlier picture.
    rtl::TSafeFileWriter writer;
    try {
        writer.Open(fileName);
    } catch (const rtl::EInOutError& e) {
        throw rtl::EFCreateError("Cannot create file \"" + rtl::DisplayPath(fileName) + "\". " +
                                 std::strerror(e.ErrorCode));
    }
    writer.Write(data, size);
    writer.Commit();
}

}  // namespace gfx
