// Byte streams: the abstract stream's helpers, file, memory, bytes and string streams.
#include "platform/rtl/Streams.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"

namespace rtl {

// --- TStream

long long TStream::Position() { return Seek(0, soCurrent); }

void TStream::SetPosition(long long position) { Seek(position, soBeginning); }

long long TStream::Size()
{
    const long long pos = Seek(0, soCurrent);
    const long long size = Seek(0, soEnd);
    Seek(pos, soBeginning);
    return size;
}

void TStream::SetSize(long long /*newSize*/) { throw EStreamError("Stream size cannot be changed"); }

void TStream::ReadBuffer(void* buffer, long long count)
{
    auto* p = static_cast<char*>(buffer);
    long long done = 0;
    while (done < count) {
        const long long n = Read(p + done, count - done);
        if (n <= 0)
            throw EReadError("Stream read error");
        done += n;
    }
}

void TStream::WriteBuffer(const void* buffer, long long count)
{
    const auto* p = static_cast<const char*>(buffer);
    long long done = 0;
    while (done < count) {
        const long long n = Write(p + done, count - done);
        if (n <= 0)
            throw EWriteError("Stream write error");
        done += n;
    }
}

long long TStream::CopyFrom(TStream& source, long long count)
{
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    constexpr long long kChunk = 1 << 16;
    std::vector<char> buffer(static_cast<std::size_t>(std::min(count, kChunk)));
    long long left = count;
    while (left > 0) {
        const long long n = std::min(left, kChunk);
        source.ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.data(), n);
        left -= n;
    }
    return count;
}

// --- TFileStream

TFileStream::TFileStream(const std::string& fileName, unsigned mode) : FFileName(fileName)
{
    const std::string mapped = MapPath(fileName);
    if ((mode & 0xFF00) == fmCreate) {
        try {
            FReplacement.Open(fileName);
        } catch (const EInOutError& e) {
            throw EFCreateError("Cannot create file \"" + DisplayPath(fileName) + "\". " +
                                std::strerror(e.ErrorCode));
        }
        FHandle = FReplacement.Handle();
        FCreated = true;
        FExceptionsAtCreate = std::uncaught_exceptions();
        return;
    }
    int flags = O_RDONLY;
    if ((mode & 3) == fmOpenWrite)
        flags = O_WRONLY;
    else if ((mode & 3) == fmOpenReadWrite)
        flags = O_RDWR;
    FHandle = ::open(mapped.c_str(), flags | O_CLOEXEC);
    int err = errno;
    if (FHandle >= 0) {
        struct stat st;
        if (::fstat(FHandle, &st) == 0 && S_ISDIR(st.st_mode)) {
            ::close(FHandle);
            FHandle = -1;
            err = EISDIR;
        }
    }
    if (FHandle < 0)
        throw EFOpenError("Cannot open file \"" + DisplayPath(fileName) + "\". " + std::strerror(err));
}

TFileStream::~TFileStream()
{
    if (FCreated) {
        if (!FReplacement.IsOpen())
            return;
        // Unwinding means the content is not complete: the old file stays.
        if (std::uncaught_exceptions() > FExceptionsAtCreate) {
            FReplacement.Discard();
            return;
        }
        try {
            FReplacement.Commit();
        } catch (...) {
            // A destructor cannot report; Commit does.
        }
        return;
    }
    if (FHandle >= 0)
        ::close(FHandle);
}

void TFileStream::Commit()
{
    if (!FCreated || !FReplacement.IsOpen())
        return;
    FHandle = -1;
    FReplacement.Commit();
}

long long TFileStream::Read(void* buffer, long long count)
{
    if (count <= 0)
        return 0;
    while (true) {
        const ssize_t n = ::read(FHandle, buffer, static_cast<std::size_t>(count));
        if (n >= 0)
            return n;
        if (errno != EINTR)
            throw EReadError("Stream read error");
    }
}

long long TFileStream::Write(const void* buffer, long long count)
{
    if (count <= 0)
        return 0;
    if (FCreated) {
        // Raises EInOutError naming the file; the temporary file is then gone.
        FHandle = -1;
        FReplacement.Write(buffer, static_cast<std::size_t>(count));
        FHandle = FReplacement.Handle();
        return count;
    }
    while (true) {
        const ssize_t n = ::write(FHandle, buffer, static_cast<std::size_t>(count));
        if (n >= 0)
            return n;
        if (errno != EINTR)
            throw EWriteError("Stream write error");
    }
}

long long TFileStream::Seek(long long offset, TSeekOrigin origin)
{
    const int whence = origin == soBeginning ? SEEK_SET : (origin == soCurrent ? SEEK_CUR : SEEK_END);
    const off_t result = ::lseek(FHandle, static_cast<off_t>(offset), whence);
    if (result < 0)
        throw EStreamError("Stream seek error in \"" + FFileName + "\". " + std::strerror(errno));
    return result;
}

void TFileStream::SetSize(long long newSize)
{
    const long long pos = Position();
    if (::ftruncate(FHandle, static_cast<off_t>(newSize)) != 0)
        throw EStreamError("Cannot change the size of \"" + FFileName + "\". " + std::strerror(errno));
    if (pos > newSize)
        Seek(newSize, soBeginning);
}

// --- TMemoryStream

long long TMemoryStream::Read(void* buffer, long long count)
{
    const long long size = Size();
    if (count <= 0 || FPosition >= size)
        return 0;
    const long long n = std::min(count, size - FPosition);
    std::memcpy(buffer, FData.data() + FPosition, static_cast<std::size_t>(n));
    FPosition += n;
    return n;
}

long long TMemoryStream::Write(const void* buffer, long long count)
{
    if (count <= 0)
        return 0;
    const long long end = FPosition + count;
    if (end > Size())
        FData.resize(static_cast<std::size_t>(end));
    std::memcpy(FData.data() + FPosition, buffer, static_cast<std::size_t>(count));
    FPosition = end;
    return count;
}

long long TMemoryStream::Seek(long long offset, TSeekOrigin origin)
{
    long long target = offset;
    if (origin == soCurrent)
        target += FPosition;
    else if (origin == soEnd)
        target += Size();
    // The position may lie past the end (a later write fills the gap with
    // zeros) but never before the start.
    FPosition = std::max(0LL, target);
    return FPosition;
}

void TMemoryStream::SetSize(long long newSize)
{
    FData.resize(static_cast<std::size_t>(std::max(0LL, newSize)));
    if (FPosition > Size())
        FPosition = Size();
}

void TMemoryStream::Clear()
{
    FData.clear();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& stream)
{
    stream.SetPosition(0);
    const long long size = stream.Size();
    FData.resize(static_cast<std::size_t>(size));
    if (size > 0)
        stream.ReadBuffer(FData.data(), size);
    FPosition = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName)
{
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

void TMemoryStream::SaveToStream(TStream& stream) const
{
    if (!FData.empty())
        stream.WriteBuffer(FData.data(), static_cast<long long>(FData.size()));
}

void TMemoryStream::SaveToFile(const std::string& fileName) const
{
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
    file.Commit();
}

// --- TBytesStream, TStringStream

TBytesStream::TBytesStream(std::vector<std::uint8_t> bytes) { FData = std::move(bytes); }

TStringStream::TStringStream(std::string_view data) { FData.assign(data.begin(), data.end()); }

std::string TStringStream::DataString() const
{
    return std::string(reinterpret_cast<const char*>(FData.data()), FData.size());
}

std::string TStringStream::ReadString(long long count)
{
    const long long n = std::max(0LL, std::min(count, Size() - FPosition));
    std::string out(static_cast<std::size_t>(n), '\0');
    if (n > 0)
        Read(out.data(), n);
    return out;
}

void TStringStream::WriteString(std::string_view text)
{
    WriteBuffer(text.data(), static_cast<long long>(text.size()));
}

}  // namespace rtl
