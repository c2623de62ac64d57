#pragma once

// Zip archives made in memory with minizip, as plot programs write show files
// and GDTF files: for the tests, and for the benchmarks' rig makers.
#include <zip.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace testzip {

struct Entry {
    Entry(std::string entryName, std::string entryBytes, bool storedAsIs = false)
        : name(std::move(entryName))
        , bytes(std::move(entryBytes))
        , stored(storedAsIs) {}

    std::string name;
    std::string bytes;
    bool stored = false; // as it is, as GDTF files inside an MVR often are
};

struct Memory {
    std::string bytes;
    std::uint64_t position = 0;
};

// The archive of the entries, compressed fast: tests make large ones too.
inline std::string zipOf(const std::vector<Entry>& entries) {
    // minizip's file functions over memory; it only writes, tells and seeks.
    Memory memory;
    zlib_filefunc64_def functions{};
    functions.opaque = &memory;
    functions.zopen64_file = [](voidpf opaque, const void*, int) {
        return opaque;
    };
    functions.zwrite_file = [](voidpf, voidpf stream, const void* buffer, uLong size) {
        auto* to = static_cast<Memory*>(stream);
        to->bytes.resize(std::max<std::size_t>(to->bytes.size(), to->position + size));
        std::memcpy(to->bytes.data() + to->position, buffer, size);
        to->position += size;
        return size;
    };
    functions.ztell64_file = [](voidpf, voidpf stream) -> ZPOS64_T {
        return static_cast<Memory*>(stream)->position;
    };
    functions.zseek64_file = [](voidpf, voidpf stream, ZPOS64_T offset, int origin) -> long {
        auto* to = static_cast<Memory*>(stream);
        to->position = offset + (origin == ZLIB_FILEFUNC_SEEK_CUR   ? to->position
                                 : origin == ZLIB_FILEFUNC_SEEK_END ? to->bytes.size()
                                                                    : 0);
        return 0;
    };
    functions.zclose_file = functions.zerror_file = [](voidpf, voidpf) {
        return 0;
    };
    zipFile zip = zipOpen2_64("", APPEND_STATUS_CREATE, nullptr, &functions);
    for (const Entry& entry : entries) {
        const zip_fileinfo info{};
        zipOpenNewFileInZip64(zip, entry.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                              entry.stored ? 0 : Z_DEFLATED, 1, 0);
        zipWriteInFileInZip(zip, entry.bytes.data(), static_cast<unsigned>(entry.bytes.size()));
        zipCloseFileInZip(zip);
    }
    zipClose(zip, nullptr);
    return memory.bytes;
}

} // namespace testzip
