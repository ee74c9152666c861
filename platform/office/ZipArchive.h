// Zip archives read whole into memory and written from memory, as office files store their parts.
#pragma once

#include <map>
#include <string>

namespace office {

// The entries of a zip archive by name. Reading raises office::EOfficeFileError naming the
// file when it is no zip archive; writing returns the archive's bytes (deflated entries).
using TZipEntries = std::map<std::string, std::string>;

TZipEntries ReadZipFile(const std::string& fileName);
std::string WriteZipBytes(const TZipEntries& entries);

}  // namespace office
