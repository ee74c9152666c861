// Buffered line-oriented text files in the system code page.
#include "platform/rtl/TextFile.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/rtl/CodePage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/SafeFile.h"
#include "platform/rtl/WriteBehind.h"

namespace rtl {

namespace {

constexpr std::size_t kReadBufferSize = 256 * 1024;
constexpr std::size_t kWriteFlushSize = 256 * 1024;

enum class TMode { Closed, Input, Output };

}  // namespace

struct TTextFile::Impl {
    std::string name;
    int fd = -1;
    TMode mode = TMode::Closed;
    // Input: bytes [pos, len) of `in` are read from the file but not consumed.
    std::vector<char> in;
    std::size_t pos = 0;
    std::size_t len = 0;
    // Output: code-page bytes waiting to be written.
    std::string out;
    // Rewrite writes through a temporary file that Close renames over the
    // old one (Append extends the file in place through `fd`).
    TSafeFileWriter replacement;
    bool rewritten = false;
    // Exceptions in flight when the file was rewritten: more of them at
    // destruction means the writing was abandoned, and the old file is kept.
    int exceptionsAtRewrite = 0;
    // Declared last: destroyed first, so its thread is joined before the
    // members its writes use go away.
    TWriteBehind behind{[this](const std::string& bytes) { WriteBytes(bytes); }};

    // Reads the next block; false at the end of the file.
    bool Fill()
    {
        pos = 0;
        len = 0;
        while (true) {
            const ssize_t n = ::read(fd, in.data(), in.size());
            if (n >= 0) {
                len = static_cast<std::size_t>(n);
                return n > 0;
            }
            if (errno != EINTR)
                RaiseInOutError("read", name, errno);
        }
    }

    // Writes `bytes` to the file: through the temporary file of a Rewrite,
    // or straight to the descriptor of an Append.
    void WriteBytes(const std::string& bytes)
    {
        if (rewritten) {
            replacement.Write(bytes);
            return;
        }
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                RaiseInOutError("write", name, errno);
            }
            done += static_cast<std::size_t>(n);
        }
    }

    // A full buffer goes to the writer thread, so converting and formatting
    // the next lines overlaps the system's copying of this one.
    void WriteFullBuffer()
    {
        try {
            behind.Submit(out);
        } catch (...) {
            out.clear();
            throw;
        }
    }

    // Writes everything buffered, the writer thread's part first.
    void WriteOut()
    {
        try {
            behind.Wait();
            WriteBytes(out);
        } catch (...) {
            out.clear();
            throw;
        }
        out.clear();
    }

    void Open(int flags, const char* operation)
    {
        const std::string mapped = MapPath(name);
        const int handle = ::open(mapped.c_str(), flags | O_CLOEXEC, 0666);
        if (handle < 0)
            RaiseInOutError(operation, name, errno);
        // A folder opens for reading on Linux; it is no text file.
        struct stat st;
        if (::fstat(handle, &st) == 0 && S_ISDIR(st.st_mode)) {
            ::close(handle);
            RaiseInOutError(operation, name, EISDIR);
        }
        if (flags & O_CREAT)
            NoteFileCreated(mapped);
        fd = handle;
    }

    void Require(TMode wanted, const char* operation)
    {
        if (mode == wanted)
            return;
        if (mode == TMode::Closed)
            RaiseFileModeError(103, operation, name);
        RaiseFileModeError(wanted == TMode::Input ? 104 : 105, operation, name);
    }

    void Close()
    {
        if (mode == TMode::Closed)
            return;
        const TMode was = mode;
        mode = TMode::Closed;
        pos = len = 0;
        int err = 0;
        if (was == TMode::Output) {
            try {
                behind.WaitForClose();
                // A write that failed and was reported has already removed
                // the temporary file: there is nothing left to put in place.
                if (rewritten && !replacement.IsOpen()) {
                    rewritten = false;
                    out.clear();
                    return;
                }
                WriteBytes(out);
                out.clear();
            } catch (...) {
                out.clear();
                if (rewritten) {
                    rewritten = false;
                    replacement.Discard();
                } else {
                    ::close(fd);
                    fd = -1;
                }
                throw;
            }
            if (rewritten) {
                rewritten = false;
                replacement.Commit();
                return;
            }
        }
        if (::close(fd) != 0 && was == TMode::Output)
            err = errno;
        fd = -1;
        if (err != 0)
            RaiseInOutError("close", name, err);
    }
};

TTextFile::TTextFile() : FImpl(std::make_unique<Impl>()) {}

TTextFile::TTextFile(const std::string& fileName) : TTextFile() { FImpl->name = fileName; }

TTextFile::~TTextFile()
{
    if (!FImpl)
        return;
    // A file rewritten and left open while an exception unwinds was not
    // finished: keep the old file instead of putting a partial one in place.
    if (FImpl->replacement.IsOpen() && std::uncaught_exceptions() > FImpl->exceptionsAtRewrite) {
        FImpl->behind.Abandon();
        FImpl->replacement.Discard();
        return;
    }
    try {
        FImpl->Close();
    } catch (...) {
        // A destructor cannot report; Close() does.
    }
}

TTextFile::TTextFile(TTextFile&&) noexcept = default;

TTextFile& TTextFile::operator=(TTextFile&& other) noexcept
{
    if (this != &other) {
        try {
            if (FImpl)
                FImpl->Close();
        } catch (...) {
        }
        FImpl = std::move(other.FImpl);
    }
    return *this;
}

void TTextFile::Assign(const std::string& fileName)
{
    FImpl->Close();
    FImpl->name = fileName;
}

const std::string& TTextFile::FileName() const { return FImpl->name; }

void TTextFile::Reset()
{
    FImpl->Close();
    FImpl->Open(O_RDONLY, "open");
    FImpl->in.resize(kReadBufferSize);
    FImpl->pos = FImpl->len = 0;
    FImpl->mode = TMode::Input;
}

void TTextFile::Rewrite()
{
    FImpl->Close();
    FImpl->replacement.Open(FImpl->name);
    FImpl->rewritten = true;
    FImpl->exceptionsAtRewrite = std::uncaught_exceptions();
    FImpl->out.clear();
    FImpl->mode = TMode::Output;
}

void TTextFile::Append()
{
    FImpl->Close();
    FImpl->Open(O_WRONLY | O_APPEND, "open for appending");
    FImpl->out.clear();
    FImpl->mode = TMode::Output;
}

void TTextFile::Close() { FImpl->Close(); }

bool TTextFile::IsOpen() const { return FImpl->mode != TMode::Closed; }

std::string TTextFile::ReadLn()
{
    std::string line;
    ReadLn(line);
    return line;
}

// A line ends at LF; a CR right before it belongs to the break. A lone CR is
// kept as text: ending the line there would cut off what follows it up to the
// next LF, which is data loss.
bool TTextFile::ReadLn(std::string& line)
{
    Impl& f = *FImpl;
    f.Require(TMode::Input, "read");
    line.clear();
    bool consumed = false;
    while (true) {
        if (f.pos >= f.len && !f.Fill())
            break;
        const char* start = f.in.data() + f.pos;
        const std::size_t avail = f.len - f.pos;
        const void* nl = std::memchr(start, '\n', avail);
        if (nl != nullptr) {
            const std::size_t n = static_cast<const char*>(nl) - start;
            AppendWin1250AsUtf8(line, start, n);
            f.pos += n + 1;
            // The CR of a CR LF may have come with an earlier block.
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return true;
        }
        AppendWin1250AsUtf8(line, start, avail);
        f.pos = f.len;
        consumed = true;
    }
    // Last line without a line break (a lone CR at its end is kept: it is not
    // followed by LF, so it is text).
    return consumed;
}

bool TTextFile::Eof()
{
    Impl& f = *FImpl;
    f.Require(TMode::Input, "test end of");
    if (f.pos < f.len)
        return false;
    return !f.Fill();
}

void TTextFile::Write(std::string_view text)
{
    Impl& f = *FImpl;
    f.Require(TMode::Output, "write");
    // The code page never takes more bytes than UTF-8: room for the whole text at once
    // spares a large write its growing copies.
    f.out.reserve(f.out.size() + text.size());
    AppendUtf8AsWin1250(f.out, text.data(), text.size());
    if (f.out.size() >= kWriteFlushSize)
        f.WriteFullBuffer();
}

void TTextFile::WriteLn(std::string_view text)
{
    Impl& f = *FImpl;
    f.Require(TMode::Output, "write");
    AppendUtf8AsWin1250(f.out, text.data(), text.size());
    f.out.append("\r\n", 2);
    if (f.out.size() >= kWriteFlushSize)
        f.WriteFullBuffer();
}

void TTextFile::Flush()
{
    Impl& f = *FImpl;
    f.Require(TMode::Output, "flush");
    f.WriteOut();
}

void AssignFile(TTextFile& f, const std::string& fileName) { f.Assign(fileName); }
void Reset(TTextFile& f) { f.Reset(); }
void Rewrite(TTextFile& f) { f.Rewrite(); }
void Append(TTextFile& f) { f.Append(); }
void CloseFile(TTextFile& f) { f.Close(); }
std::string ReadLn(TTextFile& f) { return f.ReadLn(); }
void ReadLn(TTextFile& f, std::string& line) { f.ReadLn(line); }
void Write(TTextFile& f, std::string_view text) { f.Write(text); }
void WriteLn(TTextFile& f, std::string_view text) { f.WriteLn(text); }
bool Eof(TTextFile& f) { return f.Eof(); }

}  // namespace rtl
