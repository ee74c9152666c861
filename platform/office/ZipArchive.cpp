// Zip archives read whole into memory and written from memory, as office files store their parts.
#include "platform/office/ZipArchive.h"

#include <zip.h>

#include <memory>

#include "platform/office/OfficeErrors.h"
#include "platform/rtl/Paths.h"

namespace office {

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
        std::string bytes(st.size, '\0');
        zip_file_t* f = zip_fopen_index(archive, i, 0);
        if (!f) throw EOfficeFileError("Cannot read " + std::string(st.name) + " in " + fileName);
        const zip_int64_t n = zip_fread(f, bytes.data(), st.size);
        zip_fclose(f);
        if (n < 0 || static_cast<zip_uint64_t>(n) != st.size)
            throw EOfficeFileError("Cannot read " + std::string(st.name) + " in " + fileName);
        entries[st.name] = std::move(bytes);
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
