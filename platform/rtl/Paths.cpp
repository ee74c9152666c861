// File names and folders: path mapping, file tests, name parts and wildcard searches.
#include "platform/rtl/Paths.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <dirent.h>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"

namespace rtl {

namespace {

bool IsPathDelimiter(char c) { return c == '/' || c == '\\'; }

bool Exists(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

bool IsDirectory(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsRegularFile(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

// Entry names of a folder, sorted by bytes so that a case-insensitive lookup
// with several candidates always picks the same one.
std::vector<std::string> ListFolder(const std::string& dir)
{
    std::vector<std::string> names;
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (d == nullptr)
        return names;
    while (const dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(d);
    std::sort(names.begin(), names.end());
    return names;
}

// Case-folded index of the folders that case-free lookups searched. Writers
// create thousands of new files in one folder, and each new name is looked up
// without regard to case first; rescanning the folder for each would cost
// O(n^2). An index is valid while the folder's modification time is the one
// it was built at, and files this process creates are added to it in place
// (NoteFileCreated), so a run of creations scans the folder once.
class TFolderIndexCache {
public:
    // The entry of `dir` named `name` without regard to case, "" when there is none, or
    // nothing when `dir` itself does not exist.
    std::optional<std::string> Find(const std::string& dir, const std::string& name)
    {
        struct stat st;
        if (::stat(DirOrDot(dir), &st) != 0)
            return std::nullopt;
        std::lock_guard<std::mutex> lock(FMutex);
        const TIndex& index = IndexOf(dir, st.st_mtim);
        const auto it = index.ByFolded.find(AnsiUpperCase(name));
        return it == index.ByFolded.end() ? std::string() : it->second;
    }

    void NoteCreated(const std::string& dir, const std::string& name)
    {
        std::lock_guard<std::mutex> lock(FMutex);
        const auto it = FIndexes.find(dir);
        if (it == FIndexes.end())
            return;
        struct stat st;
        if (::stat(DirOrDot(dir), &st) != 0) {
            FIndexes.erase(it);
            return;
        }
        Add(it->second, name);
        it->second.ModTime = st.st_mtim;
    }

private:
    struct TIndex {
        timespec ModTime{};
        std::unordered_map<std::string, std::string> ByFolded;
    };

    static const char* DirOrDot(const std::string& dir) { return dir.empty() ? "." : dir.c_str(); }

    static bool SameTime(const timespec& a, const timespec& b)
    {
        return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
    }

    // Among names that fold alike the byte-wise smallest wins, so the choice
    // never depends on the order the file system lists them in.
    static void Add(TIndex& index, const std::string& name)
    {
        auto [it, inserted] = index.ByFolded.try_emplace(AnsiUpperCase(name), name);
        if (!inserted && name < it->second)
            it->second = name;
    }

    const TIndex& IndexOf(const std::string& dir, const timespec& modTime)
    {
        const auto found = FIndexes.find(dir);
        if (found != FIndexes.end() && SameTime(found->second.ModTime, modTime))
            return found->second;
        // Bound the memory a long run of lookups in many folders can take.
        if (FIndexes.size() >= MaxFolders)
            FIndexes.clear();
        TIndex& index = FIndexes[dir];
        index = TIndex{};
        index.ModTime = modTime;
        if (DIR* d = ::opendir(DirOrDot(dir))) {
            while (const dirent* e = ::readdir(d)) {
                const std::string_view entry = e->d_name;
                if (entry != "." && entry != "..")
                    Add(index, std::string(entry));
            }
            ::closedir(d);
        }
        return index;
    }

    static constexpr std::size_t MaxFolders = 256;
    std::mutex FMutex;
    std::unordered_map<std::string, TIndex> FIndexes;
};

TFolderIndexCache& FolderIndexCache()
{
    static TFolderIndexCache cache;
    return cache;
}

// The entry of `dir` named `name` without regard to case, or "" when none is.
std::string FindWithoutCase(const std::string& dir, const std::string& name)
{
    return FolderIndexCache().Find(dir, name).value_or(std::string());
}

// "\" to "/", and a leading drive "X:" to "drives/x".
std::string NormalizeSeparatorsAndDrive(const std::string& path)
{
    std::string p = path;
    std::replace(p.begin(), p.end(), '\\', '/');
    if (p.size() >= 2 && p[1] == ':' && std::isalpha(static_cast<unsigned char>(p[0]))) {
        std::string rest = p.substr(2);
        while (!rest.empty() && rest.front() == '/')
            rest.erase(0, 1);
        std::string drive = "drives/";
        drive.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(p[0]))));
        p = rest.empty() ? drive : drive + "/" + rest;
    }
    return p;
}

// The usual miss is a new file in a folder named exactly: when `p`'s folder exists as
// written, every component before the last does too, and only the last needs a case-free
// look-up (one stat of the folder instead of one per component). Nothing when the folder
// does not exist as written, or the last component is no plain name.
std::optional<std::string> ResolveLastComponent(const std::string& p)
{
    const std::size_t slash = p.find_last_of('/');
    const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    const std::string last = p.substr(start);
    if (last.empty() || last == "." || last == "..")
        return std::nullopt;
    const std::string dir = p.substr(0, start);
    const std::optional<std::string> match = FolderIndexCache().Find(dir, last);
    if (!match)
        return std::nullopt;
    return dir + (match->empty() ? last : *match);
}

// Looks each component up without regard to case, below `p`'s existing part.
std::string ResolveCase(const std::string& p)
{
    if (std::optional<std::string> resolved = ResolveLastComponent(p))
        return *resolved;
    std::string base;
    std::size_t pos = 0;
    if (!p.empty() && p[0] == '/') {
        base = "/";
        pos = 1;
    }
    bool searching = true;
    while (pos <= p.size()) {
        std::size_t next = p.find('/', pos);
        if (next == std::string::npos)
            next = p.size();
        std::string component = p.substr(pos, next - pos);
        const bool last = next == p.size();
        if (searching && !component.empty() && component != "." && component != "..") {
            const std::string exact = base + component;
            if (!Exists(exact)) {
                const std::string match = FindWithoutCase(base, component);
                if (match.empty())
                    searching = false;  // the rest does not exist; keep it as written
                else
                    component = match;
            }
        }
        base += component;
        if (!last)
            base += '/';
        pos = next + 1;
    }
    return base;
}

// "*" and "?" matching on code points without regard to case.
bool WildMatch(const std::u32string& name, const std::u32string& mask)
{
    std::size_t n = 0, m = 0, starMask = std::u32string::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == U'?' || AnsiUpperChar(mask[m]) == AnsiUpperChar(name[n]))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == U'*') {
            starMask = m++;
            starName = n;
        } else if (starMask != std::u32string::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == U'*')
        ++m;
    return m == mask.size();
}

// Index just past the last "\", "/" or ":" (0 when none).
std::size_t NameStart(const std::string& fileName)
{
    const std::size_t i = fileName.find_last_of("\\/:");
    return i == std::string::npos ? 0 : i + 1;
}

}  // namespace

std::string MapPath(const std::string& path)
{
    const std::string p = NormalizeSeparatorsAndDrive(path);
    if (p.empty() || Exists(p))
        return p;
    return ResolveCase(p);
}

bool MapPathAndInspect(const std::string& path, std::string& mapped, struct stat& st)
{
    const std::string p = NormalizeSeparatorsAndDrive(path);
    const bool there = !p.empty() && ::lstat(p.c_str(), &st) == 0;
    if (there && S_ISLNK(st.st_mode)) {
        // What a link names decides MapPath's answer: take it as MapPath gives it.
        mapped = MapPath(path);
        return ::lstat(mapped.c_str(), &st) == 0;
    }
    if (there || p.empty()) {
        mapped = p;
        return there;
    }
    // Nothing under the exact name, so MapPath's own test of it would fail as well.
    mapped = ResolveCase(p);
    return mapped != p && ::lstat(mapped.c_str(), &st) == 0;
}

std::string DisplayPath(const std::string& path) { return MapPath(path); }

void NoteFileCreated(const std::string& mappedPath)
{
    const std::size_t slash = mappedPath.find_last_of('/');
    if (slash == std::string::npos)
        FolderIndexCache().NoteCreated("", mappedPath);
    else
        FolderIndexCache().NoteCreated(mappedPath.substr(0, slash + 1), mappedPath.substr(slash + 1));
}

bool FileExists(const std::string& fileName) { return !fileName.empty() && IsRegularFile(MapPath(fileName)); }

bool DirectoryExists(const std::string& dirName) { return !dirName.empty() && IsDirectory(MapPath(dirName)); }

bool ForceDirectories(const std::string& dirName)
{
    const std::string mapped = ExcludeTrailingPathDelimiter(MapPath(dirName));
    if (mapped.empty())
        return false;
    if (IsDirectory(mapped))
        return true;
    const std::size_t slash = mapped.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !ForceDirectories(mapped.substr(0, slash)))
        return false;
    return ::mkdir(mapped.c_str(), 0777) == 0 || IsDirectory(mapped);
}

bool CreateDir(const std::string& dirName) { return ::mkdir(MapPath(dirName).c_str(), 0777) == 0; }

bool RemoveDir(const std::string& dirName) { return ::rmdir(MapPath(dirName).c_str()) == 0; }

bool DeleteFile(const std::string& fileName)
{
    const std::string mapped = MapPath(fileName);
    return IsRegularFile(mapped) && ::unlink(mapped.c_str()) == 0;
}

bool RenameFile(const std::string& oldName, const std::string& newName)
{
    const std::string from = MapPath(oldName);
    const std::string to = MapPath(newName);
    // Renaming onto an existing entry fails instead of silently replacing it,
    // so a rename never destroys another file.
    if (!Exists(from) || Exists(to))
        return false;
    return std::rename(from.c_str(), to.c_str()) == 0;
}

std::string GetCurrentDir()
{
    std::string buffer(4096, '\0');
    while (::getcwd(buffer.data(), buffer.size()) == nullptr)
        buffer.resize(buffer.size() * 2);
    buffer.resize(std::char_traits<char>::length(buffer.c_str()));
    return buffer;
}

bool SetCurrentDir(const std::string& dirName) { return ::chdir(MapPath(dirName).c_str()) == 0; }

std::string ExtractFileName(const std::string& fileName) { return fileName.substr(NameStart(fileName)); }

std::string ExtractFilePath(const std::string& fileName) { return fileName.substr(0, NameStart(fileName)); }

std::string ExtractFileDir(const std::string& fileName)
{
    std::size_t end = NameStart(fileName);
    // Drop the final delimiter unless it is the root ("\", "X:\") or follows another.
    if (end > 1 && IsPathDelimiter(fileName[end - 1]) && fileName[end - 2] != ':' &&
        !IsPathDelimiter(fileName[end - 2]))
        --end;
    return fileName.substr(0, end);
}

std::string ExtractFileExt(const std::string& fileName)
{
    const std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string::npos || dot < NameStart(fileName))
        return {};
    return fileName.substr(dot);
}

std::string ChangeFileExt(const std::string& fileName, const std::string& extension)
{
    const std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string::npos || dot < NameStart(fileName))
        return fileName + extension;
    return fileName.substr(0, dot) + extension;
}

std::string IncludeTrailingPathDelimiter(const std::string& path)
{
    if (!path.empty() && IsPathDelimiter(path.back()))
        return path;
    return path + "/";
}

std::string ExcludeTrailingPathDelimiter(const std::string& path)
{
    if (path.size() > 1 && IsPathDelimiter(path.back()))
        return path.substr(0, path.size() - 1);
    return path;
}

bool MatchesMask(const std::string& name, const std::string& mask)
{
    if (mask == "*.*" || mask == "*")
        return true;
    return WildMatch(Utf8Decode(name), Utf8Decode(mask));
}

std::vector<std::string> FindFiles(const std::string& pattern, TFindKind kind)
{
    const std::string folder = ExtractFilePath(pattern);
    std::string mask = ExtractFileName(pattern);
    if (mask.empty())
        mask = "*";
    std::string dir = folder.empty() ? std::string() : IncludeTrailingPathDelimiter(MapPath(folder));
    std::vector<std::string> result;
    for (const std::string& name : ListFolder(dir)) {
        if (!MatchesMask(name, mask))
            continue;
        const bool isDir = IsDirectory(dir + name);
        if ((kind == TFindKind::fkFiles && isDir) || (kind == TFindKind::fkDirectories && !isDir))
            continue;
        result.push_back(name);
    }
    std::sort(result.begin(), result.end(), [](const std::string& a, const std::string& b) {
        const int c = CompareText(a, b);
        return c != 0 ? c < 0 : a < b;
    });
    return result;
}

}  // namespace rtl
