// Byte streams of the class library: the abstract stream, file, memory, bytes and string streams.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rtl/Object.h"
#include "platform/rtl/SafeFile.h"

namespace rtl {

enum TSeekOrigin { soBeginning = 0, soCurrent = 1, soEnd = 2 };

// Abstract byte stream. Descendants implement Read, Write and Seek; Size and
// SetSize have defaults built on Seek.
class TStream : public TObject {
public:
    std::string ClassName() const override { return "TStream"; }

    // Reads up to `count` bytes; returns how many were read (0 at the end).
    virtual long long Read(void* buffer, long long count) = 0;
    // Writes up to `count` bytes; returns how many were written.
    virtual long long Write(const void* buffer, long long count) = 0;
    // Moves the position; returns the new position from the start.
    virtual long long Seek(long long offset, TSeekOrigin origin) = 0;

    long long Position();
    void SetPosition(long long position);
    virtual long long Size();
    // Changes the size where the stream supports it (default: raises EStreamError).
    virtual void SetSize(long long newSize);

    // Exactly `count` bytes or EReadError "Stream read error".
    void ReadBuffer(void* buffer, long long count);
    // Exactly `count` bytes or EWriteError "Stream write error".
    void WriteBuffer(const void* buffer, long long count);
    // Copies `count` bytes from `source`'s position; a count of 0 copies the
    // whole source from its start. Returns the bytes copied; EReadError when
    // the source has fewer.
    long long CopyFrom(TStream& source, long long count);
    long long CopyFrom(TStream* source, long long count) { return CopyFrom(*source, count); }
};

// File open modes: one access mode, optionally or-ed with a sharing mode (the
// sharing modes are accepted for compatibility; Linux does not lock).
constexpr unsigned fmCreate = 0xFF00;
constexpr unsigned fmOpenRead = 0x0000;
constexpr unsigned fmOpenWrite = 0x0001;
constexpr unsigned fmOpenReadWrite = 0x0002;
constexpr unsigned fmShareCompat = 0x0000;
constexpr unsigned fmShareExclusive = 0x0010;
constexpr unsigned fmShareDenyWrite = 0x0020;
constexpr unsigned fmShareDenyRead = 0x0030;
constexpr unsigned fmShareDenyNone = 0x0040;

// A stream over a file (the name goes through MapPath). fmCreate creates or
// empties the file and fails with EFCreateError 'Cannot create file "%s". %s';
// the open modes fail with EFOpenError 'Cannot open file "%s". %s' (the second
// %s is the system's reason). A write that fails raises EWriteError.
//
// A file created with fmCreate is written through a temporary file beside it
// (TSafeFileWriter): the old file stays as it was until Commit renames the new
// one over it. A write to it that fails (a full disk, a size limit) raises
// EInOutError naming the file and removes the temporary file. Destroying the
// stream commits what was written, or, while an exception unwinds, keeps the
// old file; call Commit to see errors of the close and the rename.
class TFileStream : public TStream {
public:
    TFileStream(const std::string& fileName, unsigned mode);
    ~TFileStream() override;
    // Completes a file created with fmCreate (no effect for other modes or a
    // second time); raises EInOutError naming the file when it cannot.
    void Commit();
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;
    std::string ClassName() const override { return "TFileStream"; }

    long long Read(void* buffer, long long count) override;
    long long Write(const void* buffer, long long count) override;
    long long Seek(long long offset, TSeekOrigin origin) override;
    void SetSize(long long newSize) override;
    const std::string& FileName() const { return FFileName; }

private:
    std::string FFileName;
    int FHandle = -1;
    TSafeFileWriter FReplacement;  // open from fmCreate until Commit
    bool FCreated = false;
    int FExceptionsAtCreate = 0;
};

// A stream in memory; Memory() points at its bytes (valid until the next
// write or size change).
class TMemoryStream : public TStream {
public:
    std::string ClassName() const override { return "TMemoryStream"; }

    long long Read(void* buffer, long long count) override;
    long long Write(const void* buffer, long long count) override;
    long long Seek(long long offset, TSeekOrigin origin) override;
    long long Size() override { return static_cast<long long>(FData.size()); }
    void SetSize(long long newSize) override;

    std::uint8_t* Memory() { return FData.data(); }
    const std::uint8_t* Memory() const { return FData.data(); }
    // Empties the stream.
    void Clear();
    // Replaces the content by the whole of `stream` / the file; position 0.
    void LoadFromStream(TStream& stream);
    void LoadFromFile(const std::string& fileName);
    // Writes the whole content (regardless of the position).
    void SaveToStream(TStream& stream) const;
    void SaveToFile(const std::string& fileName) const;

protected:
    std::vector<std::uint8_t> FData;
    long long FPosition = 0;
};

// A memory stream over a byte array.
class TBytesStream : public TMemoryStream {
public:
    TBytesStream() = default;
    explicit TBytesStream(std::vector<std::uint8_t> bytes);
    std::string ClassName() const override { return "TBytesStream"; }
    // The bytes of the stream (exactly Size() of them).
    const std::vector<std::uint8_t>& Bytes() const { return FData; }
};

// A memory stream over a string; DataString() is its bytes as a string.
class TStringStream : public TMemoryStream {
public:
    TStringStream() = default;
    explicit TStringStream(std::string_view data);
    std::string ClassName() const override { return "TStringStream"; }

    std::string DataString() const;
    // Up to `count` bytes from the position, as a string.
    std::string ReadString(long long count);
    void WriteString(std::string_view text);
};

}  // namespace rtl
