// Zip archives read whole into memory and written from memory, as office files store their parts.
#include "platform/office/ZipArchive.h"

#include <zip.h>

#include <memory>

#include "platform/office/OfficeErrors.h"
#include "platform/rtl/Paths.h"

namespace office {

namespace {

// The largest part read: a spreadsheet part beyond it is not one this program wrote or can hold.
constexpr zip_uint64_t MaxPartBytes = zip_uint64_t{1} << 30;

// A part read in chunks: the size its header declares is checked, never trusted for an
// allocation, so a forged header cannot make the reader ask for gigabytes.
std::string ReadPart(zip_t* archive, zip_int64_t index, const zip_stat_t& st, const std::string& fileName)
{
    const std::string name = st.name != nullptr ? st.name : std::string();
    if (st.size > MaxPartBytes)
        throw EOfficeFileError("Part " + name + " in " + fileName + " is too large (" + std::to_string(st.size) + " bytes)");
    zip_file_t* f = zip_fopen_index(archive, index, 0);
    if (!f) throw EOfficeFileError("Cannot read " + name + " in " + fileName);
    std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> guard(f, zip_fclose);
    std::string bytes;
    char chunk[65536];
    while (true) {
        const zip_int64_t n = zip_fread(f, chunk, sizeof chunk);
        if (n < 0) throw EOfficeFileError("Cannot read " + name + " in " + fileName);
        if (n == 0) break;
        bytes.append(chunk, static_cast<std::size_t>(n));
        if (bytes.size() > st.size) throw EOfficeFileError("Cannot read " + name + " in " + fileName);
    }
    if (bytes.size() != st.size) throw EOfficeFileError("Cannot read " + name + " in " + fileName);
    return bytes;
}

}  // namespace

TZipEntries ReadZipFile(const std::string& fileName)
{
    int err = 0;
    const std::string path = rtl::MapPath(fileName);
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &err);
    if (!archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, err);
        std::string reason = zip_error_strerror(&error);
        zip_error_fini(&error);
        throw EOfficeFileError("Cannot open " + fileName + ": " + reason);
    }
    std::unique_ptr<zip_t, int (*)(zip_t*)> guard(archive, zip_close);
    TZipEntries entries;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        if (zip_stat_index(archive, i, 0, &st) != 0) continue;
        entries[st.name] = ReadPart(archive, i, st, fileName);
    }
    return entries;
}

std::string WriteZipBytes(const TZipEntries& entries)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!buffer) throw EOfficeFileError("Cannot make a zip archive");
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    if (!archive) {
        zip_source_free(buffer);
        throw EOfficeFileError("Cannot make a zip archive");
    }
    zip_source_keep(buffer);
    for (const auto& [name, bytes] : entries) {
        zip_source_t* part = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        if (!part || zip_file_add(archive, name.c_str(), part, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
            if (part) zip_source_free(part);
            zip_discard(archive);
            zip_source_free(buffer);
            throw EOfficeFileError("Cannot add " + name + " to a zip archive");
        }
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        zip_source_free(buffer);
        throw EOfficeFileError("Cannot make a zip archive");
    }
    std::string out;
    if (zip_source_open(buffer) == 0) {
        zip_source_seek(buffer, 0, SEEK_END);
        const zip_int64_t size = zip_source_tell(buffer);
        zip_source_seek(buffer, 0, SEEK_SET);
        out.resize(static_cast<std::size_t>(size));
        zip_source_read(buffer, out.data(), size);
        zip_source_close(buffer);
    }
    zip_source_free(buffer);
    return out;
}

}  // namespace office
