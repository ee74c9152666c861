// Writes a file through a temporary file beside it, renamed over the old file only when complete.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rtl {

// Every file the program creates goes through this class, so that an earlier
// file is never lost: the bytes go to a hidden temporary file in the same
// folder (".<name>.<pid>-<n>-<random>.tmp", created exclusively, so it can
// never be a file the user has), and Commit renames it over the target in one
// atomic step. Until then the old file stays byte for byte as it was; a
// process killed on the way leaves the old file and at most that temporary
// file, never a truncated target.
//
// - The name goes through MapPath. A target that is a symbolic link is
//   written where the link points; a target that exists but is no regular
//   file (a device, a pipe) is written in place, as renaming over it would
//   replace the device itself.
// - The new file takes the permission bits of the file it replaces.
// - Every write and the close are checked: a failure (a full disk, ENOSPC; a
//   file-size limit, EFBIG) raises EInOutError naming the file, after the
//   temporary file has been removed.
// - A writer destroyed before Commit removes its temporary file.
// - The data are not synced to the disk before the rename: the rename keeps
//   the old file whole across a killed process or a full disk, which is what
//   the program guards against, and syncing each of thousands of small model
//   files would make the batch writers several times slower.
class TSafeFileWriter {
public:
    TSafeFileWriter() = default;
    // Opens at once (see Open).
    explicit TSafeFileWriter(const std::string& fileName);
    ~TSafeFileWriter();
    TSafeFileWriter(const TSafeFileWriter&) = delete;
    TSafeFileWriter& operator=(const TSafeFileWriter&) = delete;
    TSafeFileWriter(TSafeFileWriter&& other) noexcept;
    TSafeFileWriter& operator=(TSafeFileWriter&& other) noexcept;

    // Creates the temporary file for `fileName`; an open writer is discarded
    // first. Raises EInOutError (operation "create") naming the file when the
    // folder does not exist or takes no new file.
    void Open(const std::string& fileName);
    // Writes all `size` bytes or raises EInOutError (operation "write"); the
    // temporary file is removed before the error is raised.
    void Write(const void* data, std::size_t size);
    void Write(std::string_view bytes) { Write(bytes.data(), bytes.size()); }
    // Closes the temporary file and renames it over the target. Raises
    // EInOutError naming the file when the close or the rename fails; the
    // temporary file is removed and the old target is left as it was.
    void Commit();
    // Closes and removes the temporary file; the target is untouched. Never
    // raises. A closed writer may be discarded again.
    void Discard() noexcept;

    bool IsOpen() const { return FHandle >= 0; }
    // The descriptor being written (for streams that read back or seek).
    int Handle() const { return FHandle; }
    // The name as the caller gave it, for messages.
    const std::string& FileName() const { return FFileName; }
    // The temporary file ("" for a target written in place).
    const std::string& TempName() const { return FTempName; }

private:
    [[noreturn]] void Fail(const char* operation, int err);

    std::string FFileName;    // as given
    std::string FTargetPath;  // where the file ends up
    std::string FTempName;    // hidden temporary file beside it; "" when written in place
    int FHandle = -1;
};

// Replaces the content of `fileName` by `bytes` through TSafeFileWriter.
void SaveFileSafely(const std::string& fileName, std::string_view bytes);

}  // namespace rtl
