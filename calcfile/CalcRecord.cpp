#include "CalcRecord.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t PrecisionOffset = 0;
constexpr std::size_t XOffset = 4;
constexpr std::size_t Series1Offset = 8;
constexpr std::size_t NameTagOffset = 12;

static_assert(sizeof(float) == 4 && std::numeric_limits<float>::is_iec559);
static_assert(NameTagOffset + sizeof(RecordNameTag) == CalcRecordSize);

// Little-endian whatever the host, so the file reads the same everywhere.
void PutSingle(CalcRecordBytes& bytes, std::size_t offset, float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<unsigned char>(bits >> (8 * i));
    }
}

float GetSingle(const CalcRecordBytes& bytes, std::size_t offset) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        bits |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
    }
    return std::bit_cast<float>(bits);
}

} // namespace

CalcRecordBytes EncodeCalcRecord(const TCalcState& state) {
    CalcRecordBytes bytes{};
    PutSingle(bytes, PrecisionOffset, state.Precision);
    PutSingle(bytes, XOffset, state.X);
    PutSingle(bytes, Series1Offset, state.Series1);
    std::memcpy(bytes.data() + NameTagOffset, RecordNameTag, sizeof(RecordNameTag));
    return bytes;
}

CalcRecord DecodeCalcRecord(const CalcRecordBytes& bytes) {
    // The name tag is not checked: any 20 bytes are a record.
    return CalcRecord{GetSingle(bytes, PrecisionOffset), GetSingle(bytes, XOffset),
                      GetSingle(bytes, Series1Offset)};
}

namespace {

// What "Test.txt" holds, judged from its first bytes.
enum class FileContent {
    Empty,
    Record,   // 20 bytes or more, the name tag and its NUL at offset 12
    Leftover, // 13 to 19 bytes, a beginning of the name tag from offset 12: a save cut short
    Other,    // a user's own file; 12 bytes or fewer cannot be told from ours
};

// `size` is how many bytes the file holds, or 20 if it holds more.
FileContent JudgeContent(const CalcRecordBytes& head, std::size_t size) {
    if (size == 0) {
        return FileContent::Empty;
    }
    if (size <= NameTagOffset ||
        std::memcmp(head.data() + NameTagOffset, RecordNameTag, size - NameTagOffset) != 0) {
        return FileContent::Other;
    }
    return size == CalcRecordSize ? FileContent::Record : FileContent::Leftover;
}

// Reads up to the record's size from offset 0, to the end of the file or the
// record, whichever comes first. False if the system reported an error: the
// bytes are then unknown, which is not the same as none.
bool ReadHead(int fd, CalcRecordBytes& bytes, std::size_t& filled) {
    filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got =
            pread(fd, bytes.data() + filled, bytes.size() - filled, static_cast<off_t>(filled));
        if (got == -1 && errno == EINTR) {
            continue;
        }
        if (got == -1) {
            return false;
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    return true;
}

// Writes `size` bytes at offset 0; returns how many reached the file.
std::size_t WriteHead(int fd, const unsigned char* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t put = pwrite(fd, data + done, size - done, static_cast<off_t>(done));
        if (put == -1 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            break;
        }
        done += static_cast<std::size_t>(put);
    }
    return done;
}

// After a write that stopped short, puts back the bytes it replaced and the
// length of a file that was shorter than a record. Those bytes were just
// written at those places, so a full disk or a size limit does not stop them.
// If a record's bytes cannot go back, the file is cut to 19 bytes: a read
// does not take that for a record, and the next save writes over it. Returns
// whether the file is as it was.
bool UndoWrite(int fd, const CalcRecordBytes& old, std::size_t oldSize, std::size_t written) {
    const std::size_t replaced = std::min(written, oldSize);
    const bool restored = WriteHead(fd, old.data(), replaced) == replaced;
    if (oldSize < CalcRecordSize) {
        return ftruncate(fd, static_cast<off_t>(oldSize)) == 0 && restored;
    }
    if (!restored) {
        [[maybe_unused]] const int cut = ftruncate(fd, static_cast<off_t>(CalcRecordSize - 1));
    }
    return restored;
}

// A network folder may report a full disk or a lost server only when the
// bytes are flushed, or at close(), when the write can no longer be undone.
// Flushing first catches that while it still can be. A file system that
// cannot flush (EINVAL) has nothing to report.
bool Flushed(int fd) {
    int result;
    do {
        result = fdatasync(fd);
    } while (result == -1 && errno == EINTR);
    return result == 0 || errno == EINVAL;
}

// Opens "Test.txt" to read and write, creating it if absent; `created` tells
// whether this call made it. O_NONBLOCK makes a FIFO without a reader fail at
// once instead of waiting.
int OpenForSave(bool& created) {
    constexpr int flags = O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK;
    int fd = open(CalcFileName, flags | O_EXCL, 0666);
    created = fd != -1;
    // EEXIST: a file is there, or a symlink, which O_EXCL never follows.
    if (fd == -1 && errno == EEXIST) {
        fd = open(CalcFileName, flags, 0666);
    }
    return fd;
}

// Decides from what the descriptor shows whether the record may go there,
// and writes it. The record is written in place, so hard links, the owner,
// the permissions and the symlinks of "Test.txt" all stay as they were, and a
// folder the user cannot write is no obstacle. A write that stops short is
// undone.
SaveResult SaveThrough(int fd, const CalcRecordBytes& bytes) {
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        return SaveResult::ReadFailed;
    }
    if (!S_ISREG(info.st_mode)) {
        return SaveResult::NotRegular;
    }
    // Only root gets here with a file no one may write; it is refused as it
    // would be for anyone else.
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return SaveResult::OpenFailed;
    }
    CalcRecordBytes old{};
    std::size_t oldSize = 0;
    if (!ReadHead(fd, old, oldSize)) {
        return SaveResult::ReadFailed;
    }
    if (JudgeContent(old, oldSize) == FileContent::Other) {
        return SaveResult::NotARecord;
    }
    const std::size_t written = WriteHead(fd, bytes.data(), bytes.size());
    if (written == bytes.size() && Flushed(fd)) {
        return SaveResult::Saved;
    }
    UndoWrite(fd, old, oldSize, written);
    return SaveResult::WriteFailed;
}

} // namespace

SaveResult SaveCalcRecord(const TCalcState& state) {
    bool created = false;
    const int fd = OpenForSave(created);
    if (fd == -1) {
        return SaveResult::OpenFailed;
    }
    SaveResult result = SaveThrough(fd, EncodeCalcRecord(state));

    // close() is called once even if it fails: on Linux the descriptor is
    // released either way, and retrying could close someone else's. A failed
    // close may mean the bytes never reached a network folder.
    if (close(fd) != 0 && result == SaveResult::Saved) {
        result = SaveResult::WriteFailed;
    }
    // A failed save leaves no file that was not there before.
    if (created && result != SaveResult::Saved) {
        unlink(CalcFileName);
    }
    return result;
}

LoadResult LoadCalcRecord() {
    // O_NONBLOCK so that opening a FIFO without a writer does not wait.
    const int fd = open(CalcFileName, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd == -1) {
        return {LoadStatus::OpenFailed, {}};
    }

    struct stat info {};
    if (fstat(fd, &info) == -1 || !S_ISREG(info.st_mode)) {
        close(fd);
        return {LoadStatus::OpenFailed, {}};
    }

    CalcRecordBytes bytes{};
    std::size_t filled = 0;
    const bool read = ReadHead(fd, bytes, filled);
    close(fd);

    if (!read) {
        return {LoadStatus::ReadFailed, {}};
    }
    if (filled < bytes.size()) {
        return {LoadStatus::Short, {}};
    }
    return {LoadStatus::Loaded, DecodeCalcRecord(bytes)};
}
