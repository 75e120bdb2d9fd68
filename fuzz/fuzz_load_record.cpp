// Fuzzes LoadCalcRecord: the input (at most 64 bytes) becomes "Test.txt" in a
// private temporary folder, and the result must match the bytes written.

#include "CalcRecord.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::size_t MaxFileSize = 64;

[[noreturn]] void Fail(const char* what, const std::uint8_t* data, std::size_t size) {
    std::fprintf(stderr, "fuzz_load_record: %s (%zu bytes:", what, size);
    for (std::size_t i = 0; i < size; ++i) {
        std::fprintf(stderr, " %02x", data[i]);
    }
    std::fprintf(stderr, ")\n");
    std::abort();
}

[[noreturn]] void FailSystem(const char* what) {
    std::fprintf(stderr, "fuzz_load_record: %s: %s\n", what, std::strerror(errno));
    std::abort();
}

// The private folder, and the folder libFuzzer started in. LoadCalcRecord
// reads from the current folder, so each call switches to the private one and
// back: libFuzzer's relative paths (corpus, crash files) keep working.
struct Folders {
    std::string PrivatePath;
    int Private = -1;
    int Original = -1;
};

Folders* TheFolders = nullptr;

void RemovePrivateFolder() {
    unlinkat(TheFolders->Private, CalcFileName, 0);
    rmdir(TheFolders->PrivatePath.c_str());
}

// A new file each time rather than O_TRUNC: on ext4, truncating a file that
// holds data starts a writeback on close, which cuts the speed many times over.
void WriteFile(int folder, const std::uint8_t* data, std::size_t size) {
    if (unlinkat(folder, CalcFileName, 0) != 0 && errno != ENOENT) {
        FailSystem("remove Test.txt");
    }
    const int fd = openat(folder, CalcFileName, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd == -1) {
        FailSystem("create Test.txt");
    }
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = write(fd, data + done, size - done);
        if (n == -1 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            FailSystem("write Test.txt");
        }
        done += static_cast<std::size_t>(n);
    }
    if (close(fd) != 0) {
        FailSystem("close Test.txt");
    }
}

// Reads the file back whole, to see that loading left it as it was.
std::string ReadFile(int folder) {
    const int fd = openat(folder, CalcFileName, O_RDONLY | O_CLOEXEC);
    if (fd == -1) {
        FailSystem("reopen Test.txt");
    }
    std::string contents;
    char buffer[256];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n == -1 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            FailSystem("read Test.txt");
        }
        if (n == 0) {
            break;
        }
        contents.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return contents;
}

LoadResult LoadIn(const Folders& folders) {
    if (fchdir(folders.Private) != 0) {
        FailSystem("fchdir to the private folder");
    }
    const LoadResult result = LoadCalcRecord();
    if (fchdir(folders.Original) != 0) {
        FailSystem("fchdir back");
    }
    return result;
}

// Before any file exists, loading must report that it cannot open one.
void CheckMissingFile(const Folders& folders) {
    if (LoadIn(folders).Status != LoadStatus::OpenFailed) {
        std::fprintf(stderr, "fuzz_load_record: a missing file did not give OpenFailed\n");
        std::abort();
    }
}

Folders& GetFolders() {
    if (TheFolders != nullptr) {
        return *TheFolders;
    }
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern =
        std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/fuzz_load_record.XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        FailSystem("mkdtemp");
    }
    TheFolders = new Folders{pattern, -1, -1};
    TheFolders->Private = open(pattern.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    TheFolders->Original = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (TheFolders->Private == -1 || TheFolders->Original == -1) {
        FailSystem("open folder");
    }
    std::atexit(RemovePrivateFolder);
    CheckMissingFile(*TheFolders);
    return *TheFolders;
}

std::uint32_t LittleEndianAt(const std::uint8_t* data, std::size_t offset) {
    return static_cast<std::uint32_t>(data[offset]) |
           static_cast<std::uint32_t>(data[offset + 1]) << 8 |
           static_cast<std::uint32_t>(data[offset + 2]) << 16 |
           static_cast<std::uint32_t>(data[offset + 3]) << 24;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Folders& folders = GetFolders();
    size = std::min(size, MaxFileSize);

    WriteFile(folders.Private, data, size);
    const LoadResult result = LoadIn(folders);

    if (ReadFile(folders.Private) != std::string(reinterpret_cast<const char*>(data), size)) {
        Fail("loading changed the file", data, size);
    }

    const std::uint32_t precision = std::bit_cast<std::uint32_t>(result.Record.Precision);
    const std::uint32_t x = std::bit_cast<std::uint32_t>(result.Record.X);
    const std::uint32_t series1 = std::bit_cast<std::uint32_t>(result.Record.Series1);
    if (size < CalcRecordSize) {
        if (result.Status != LoadStatus::Short) {
            Fail("a short file did not give Short", data, size);
        }
        if (precision != 0 || x != 0 || series1 != 0) {
            Fail("a failed load left a non-zero record", data, size);
        }
        return 0;
    }
    if (result.Status != LoadStatus::Loaded) {
        Fail("a whole record did not give Loaded", data, size);
    }
    if (precision != LittleEndianAt(data, 0) || x != LittleEndianAt(data, 4) ||
        series1 != LittleEndianAt(data, 8)) {
        Fail("the loaded singles differ from the bytes at 0, 4 and 8", data, size);
    }
    return 0;
}
