#pragma once

// Zip archives made in memory with minizip, as plot programs write show files
// and GDTF files: for the tests, and for the benchmarks' rig makers.
#include <zip.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace testzip {

struct Entry {
    std::string name;
    std::string bytes;
    bool stored = false; // as it is, as GDTF files inside an MVR often are
};

// minizip's file functions over memory; it only writes, tells and seeks.
struct Memory {
    std::string bytes;
    std::uint64_t position = 0;

    static Memory& of(voidpf stream) { return *static_cast<Memory*>(stream); }
    static voidpf open(voidpf opaque, const void* /*name*/, int /*mode*/) { return opaque; }
    static int close(voidpf /*opaque*/, voidpf /*stream*/) { return 0; }
    static ZPOS64_T tell(voidpf /*opaque*/, voidpf stream) { return of(stream).position; }
    static uLong write(voidpf /*opaque*/, voidpf stream, const void* buffer, uLong size) {
        Memory& to = of(stream);
        to.bytes.resize(std::max<std::size_t>(to.bytes.size(), to.position + size));
        std::memcpy(to.bytes.data() + to.position, buffer, size);
        to.position += size;
        return size;
    }
    static long seek(voidpf /*opaque*/, voidpf stream, ZPOS64_T offset, int origin) {
        Memory& to = of(stream);
        to.position = offset + (origin == ZLIB_FILEFUNC_SEEK_CUR   ? to.position
                                : origin == ZLIB_FILEFUNC_SEEK_END ? to.bytes.size()
                                                                   : 0);
        return 0;
    }
};

// The archive of the entries, compressed fast: tests make large ones too.
inline std::string zipOf(const std::vector<Entry>& entries) {
    Memory memory;
    zlib_filefunc64_def functions{Memory::open, nullptr,       Memory::write, Memory::tell,
                                  Memory::seek, Memory::close, Memory::close, &memory};
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
