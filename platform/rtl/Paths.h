// File names and folders: mapping the program's Windows-style paths, file tests, name parts, searches.
#pragma once

#include <string>
#include <vector>

struct stat;

namespace rtl {

// The program names its files the Windows way ("\input\storyline\", "e:\data\x.csv").
// MapPath turns such a name into a path of this system, and every routine of
// the runtime layer that opens or tests a file passes its name through it:
// - "\" becomes "/";
// - a drive "X:\" (or "X:/", or "X:" alone) maps to the folder "drives/x/"
//   below the current directory, so drive paths stay below it;
// - when the path does not exist under its exact name, each component is
//   looked up without regard to case (ASCII and accented letters), and the
//   first match on disk is used; components not found stay as written, so a
//   file about to be created keeps its given name in the matched folder.
std::string MapPath(const std::string& path);

// MapPath for a file about to be written, with what is at the mapped path now (`st`, from
// lstat: a symbolic link is not followed); false when nothing is there. A new file costs one
// look-up of its name and one of its folder, not MapPath's look-ups and then the caller's.
bool MapPathAndInspect(const std::string& path, std::string& mapped, struct stat& st);

// The name of a file as messages show it: the path MapPath gives, with this
// system's separators ("out/input/soil/10km0001.soi", never "out\input\soil").
std::string DisplayPath(const std::string& path);

// Tells the case-free lookup that this process created the file at
// `mappedPath` (a result of MapPath), so the lookup need not scan its folder
// again. File routines that create files call it.
void NoteFileCreated(const std::string& mappedPath);

bool FileExists(const std::string& fileName);       // a file (not a folder)
bool DirectoryExists(const std::string& dirName);
// Creates the folder and its missing parents; true when it exists afterwards.
bool ForceDirectories(const std::string& dirName);
bool CreateDir(const std::string& dirName);
bool RemoveDir(const std::string& dirName);
bool DeleteFile(const std::string& fileName);
bool RenameFile(const std::string& oldName, const std::string& newName);
std::string GetCurrentDir();
bool SetCurrentDir(const std::string& dirName);

// Name parts. "\" and "/" both separate folders, ":" ends a drive.
std::string ExtractFileName(const std::string& fileName);   // "a\b.txt" -> "b.txt"
std::string ExtractFilePath(const std::string& fileName);   // "a\b.txt" -> "a\"
std::string ExtractFileDir(const std::string& fileName);    // "a\b.txt" -> "a"
std::string ExtractFileExt(const std::string& fileName);    // "a\b.txt" -> ".txt"
std::string ChangeFileExt(const std::string& fileName, const std::string& extension);
// Adds a "/" unless the name already ends in "/" or "\".
std::string IncludeTrailingPathDelimiter(const std::string& path);
std::string ExcludeTrailingPathDelimiter(const std::string& path);

// True when `name` matches `mask` with "*" (any run) and "?" (one character),
// without regard to case; "*.*" matches every name.
bool MatchesMask(const std::string& name, const std::string& mask);

enum class TFindKind { fkFiles, fkDirectories, fkAll };
// Names (without folder) of the entries of a folder that match the mask of
// `pattern` ("input\soil\*.csv"), sorted by CompareText and then byte order;
// "." and ".." are never listed. A missing folder gives an empty list.
std::vector<std::string> FindFiles(const std::string& pattern, TFindKind kind = TFindKind::fkFiles);

}  // namespace rtl
