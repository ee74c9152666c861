// Buffered line-oriented text files in the system code page, as the class library's text files.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace rtl {

// A text file variable: assign a name, open it for reading (Reset), writing
// (Rewrite) or appending (Append), read or write lines, close it.
//
// - The name goes through MapPath (Paths.h): "\" becomes "/", drive letters map
//   below the current directory, and a name that exists under another case is
//   found.
// - On disk the text is Windows-1250; in memory it is UTF-8 (CodePage.h).
// - A line ends at LF; a CR right before the LF belongs to the line break. The
//   last line needs no line break: a file with and without a final line break
//   reads the same lines.
// - WriteLn ends lines with CR LF.
// - Reading past the end gives an empty line, not an error. Eof becomes true as
//   soon as the last line has been read, so a loop "read a line, process it,
//   stop when Eof" processes exactly the lines of the file.
// - Every failure raises EInOutError naming the file and the reason: opening a
//   missing or unreadable file, writing to a full disk, reading a file opened
//   for writing (104 "File not open for input"), writing to a file opened for
//   reading (105 "File not open for output"), any use of a closed file (103
//   "File not open").
// The destructor closes a file that is still open (flushing what was written;
// errors at that point are swallowed, call Close to see them).
class TTextFile {
public:
    TTextFile();
    explicit TTextFile(const std::string& fileName);
    ~TTextFile();
    TTextFile(const TTextFile&) = delete;
    TTextFile& operator=(const TTextFile&) = delete;
    // A moved-from file may only be destroyed or assigned to.
    TTextFile(TTextFile&&) noexcept;
    TTextFile& operator=(TTextFile&&) noexcept;

    // Names the file; a file still open is closed first.
    void Assign(const std::string& fileName);
    const std::string& FileName() const;

    // Opens the assigned file for reading from its start.
    void Reset();
    // Opens the file for writing from empty. The lines go to a temporary file
    // beside it (TSafeFileWriter) that Close renames over the old file, so an
    // existing file stays as it was until the new one is complete; a file
    // destroyed unclosed while an exception unwinds keeps the old file.
    void Rewrite();
    // Opens the file for writing at its end; the file must exist.
    void Append();
    // Writes what is buffered and closes; a closed file may be closed again.
    void Close();
    bool IsOpen() const;

    // The next line without its line break; "" past the end.
    std::string ReadLn();
    // Same, into `line` (reusing its storage); returns false past the end.
    bool ReadLn(std::string& line);
    // True when no further line can be read (also for an empty file).
    bool Eof();

    void Write(std::string_view text);
    void WriteLn(std::string_view text = {});
    // Hands what is buffered to the operating system.
    void Flush();

private:
    struct Impl;
    std::unique_ptr<Impl> FImpl;
};

// The class library's procedural forms of the members above.
void AssignFile(TTextFile& f, const std::string& fileName);
void Reset(TTextFile& f);
void Rewrite(TTextFile& f);
void Append(TTextFile& f);
void CloseFile(TTextFile& f);
std::string ReadLn(TTextFile& f);
void ReadLn(TTextFile& f, std::string& line);
void Write(TTextFile& f, std::string_view text);
void WriteLn(TTextFile& f, std::string_view text = {});
bool Eof(TTextFile& f);

}  // namespace rtl
