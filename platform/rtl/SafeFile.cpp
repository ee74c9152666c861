// Writes a file through a temporary file beside it, renamed over the old file only when complete.
#include "platform/rtl/SafeFile.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"

namespace rtl {

namespace {

// Longest part of the target's name kept in the temporary name, so that the
// suffix never pushes a long name past the file system's limit of 255 bytes.
constexpr std::size_t MaxNameInTemp = 180;
// Attempts at a fresh temporary name before giving up.
constexpr int MaxTempAttempts = 100;

std::atomic<unsigned> TempCounter{0};

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string NameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The process id, asked of the system once and again in a child after a fork: a batch
// names a temporary file for every file it writes.
pid_t ProcessId()
{
    static std::atomic<pid_t> cached{0};
    static const bool forgottenInChild =
        ::pthread_atfork(nullptr, nullptr, [] { cached.store(0, std::memory_order_relaxed); }) == 0;
    (void)forgottenInChild;
    pid_t pid = cached.load(std::memory_order_relaxed);
    if (pid == 0) {
        pid = ::getpid();
        cached.store(pid, std::memory_order_relaxed);
    }
    return pid;
}

// A name no user file has: hidden, with the process id, a counter and a
// clock-derived part; the exclusive create retries on the rare clash.
std::string TempNameFor(const std::string& target)
{
    const unsigned n = TempCounter.fetch_add(1, std::memory_order_relaxed);
    const auto ticks = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    char suffix[64];
    std::snprintf(suffix, sizeof suffix, ".%d-%u-%06llx.tmp", static_cast<int>(ProcessId()), n,
                  (ticks ^ (ticks >> 20)) & 0xFFFFFFull);
    return FolderOf(target) + "." + NameOf(target).substr(0, MaxNameInTemp) + suffix;
}

// Where the bytes must end up, and what is there now: a symbolic link is
// followed to the file it names, so the link stays a link. False when nothing
// is there yet.
bool InspectTarget(const std::string& fileName, std::string& target, struct stat& st)
{
    const bool there = MapPathAndInspect(fileName, target, st);
    if (!there || !S_ISLNK(st.st_mode))
        return there;
    char resolved[PATH_MAX];
    if (::realpath(target.c_str(), resolved) == nullptr)
        return false;  // a dangling link: the new file takes its place
    target = resolved;
    return ::stat(target.c_str(), &st) == 0;
}

// The new file replaces the old one: it keeps its permissions and, where this
// process may give it, its owner. Usually both are already right; changing
// them anyway would cost an inode update per file of a batch.
void TakeOverOwnerAndMode(int handle, const struct stat& old)
{
    struct stat now;
    if (::fstat(handle, &now) != 0)
        return;
    if ((now.st_mode & 07777) != (old.st_mode & 07777))
        (void)::fchmod(handle, old.st_mode & 07777);
    if (now.st_uid != old.st_uid || now.st_gid != old.st_gid)
        (void)::fchown(handle, old.st_uid, old.st_gid);
}

}  // namespace

TSafeFileWriter::TSafeFileWriter(const std::string& fileName) { Open(fileName); }

TSafeFileWriter::~TSafeFileWriter() { Discard(); }

TSafeFileWriter::TSafeFileWriter(TSafeFileWriter&& other) noexcept
    : FFileName(std::move(other.FFileName)),
      FTargetPath(std::move(other.FTargetPath)),
      FTempName(std::move(other.FTempName)),
      FHandle(std::exchange(other.FHandle, -1))
{
    other.FTempName.clear();
}

TSafeFileWriter& TSafeFileWriter::operator=(TSafeFileWriter&& other) noexcept
{
    if (this != &other) {
        Discard();
        FFileName = std::move(other.FFileName);
        FTargetPath = std::move(other.FTargetPath);
        FTempName = std::move(other.FTempName);
        FHandle = std::exchange(other.FHandle, -1);
        other.FTempName.clear();
    }
    return *this;
}

void TSafeFileWriter::Open(const std::string& fileName)
{
    Discard();
    FFileName = fileName;
    struct stat old;
    const bool exists = InspectTarget(fileName, FTargetPath, old);
    if (exists && S_ISDIR(old.st_mode))
        Fail("create", EISDIR);
    if (exists && !S_ISREG(old.st_mode)) {
        // A device or a pipe: there is no earlier file to keep.
        FHandle = ::open(FTargetPath.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (FHandle < 0)
            Fail("create", errno);
        return;
    }

    for (int attempt = 0; attempt < MaxTempAttempts; ++attempt) {
        const std::string temp = TempNameFor(FTargetPath);
        const int handle = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (handle < 0) {
            if (errno == EEXIST)
                continue;
            Fail("create", errno);
        }
        FHandle = handle;
        FTempName = temp;
        if (exists)
            TakeOverOwnerAndMode(FHandle, old);
        return;
    }
    Fail("create", EEXIST);
}

void TSafeFileWriter::Write(const void* data, std::size_t size)
{
    if (FHandle < 0)
        RaiseFileModeError(103, "write", FFileName);
    const char* bytes = static_cast<const char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(FHandle, bytes + done, size - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Fail("write", errno);
        }
        if (n == 0)
            Fail("write", ENOSPC);
        done += static_cast<std::size_t>(n);
    }
}

void TSafeFileWriter::Commit()
{
    if (FHandle < 0)
        RaiseFileModeError(103, "close", FFileName);
    const int handle = std::exchange(FHandle, -1);
    if (::close(handle) != 0) {
        const int err = errno;
        if (!FTempName.empty())
            ::unlink(FTempName.c_str());
        FTempName.clear();
        RaiseInOutError("close", FFileName, err);
    }
    if (FTempName.empty())
        return;
    if (::rename(FTempName.c_str(), FTargetPath.c_str()) != 0) {
        const int err = errno;
        ::unlink(FTempName.c_str());
        FTempName.clear();
        RaiseInOutError("replace", FFileName, err);
    }
    FTempName.clear();
    NoteFileCreated(FTargetPath);
}

void TSafeFileWriter::Discard() noexcept
{
    if (FHandle >= 0)
        ::close(std::exchange(FHandle, -1));
    if (!FTempName.empty())
        ::unlink(FTempName.c_str());
    FTempName.clear();
}

void TSafeFileWriter::Fail(const char* operation, int err)
{
    Discard();
    RaiseInOutError(operation, FFileName, err);
}

void SaveFileSafely(const std::string& fileName, std::string_view bytes)
{
    TSafeFileWriter writer(fileName);
    writer.Write(bytes);
    writer.Commit();
}

}  // namespace rtl
