#include "CalcRecord.h"

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

// FIFOs and sockets would block or swallow the record, so they count as
// "cannot open"; directories fail on their own (open for writing, or read).
bool IsStreamEndpoint(mode_t mode) {
    return S_ISFIFO(mode) || S_ISSOCK(mode);
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

// Reads up to the record's size from offset 0 through the descriptor.
std::size_t ReadHead(int fd, CalcRecordBytes& bytes) {
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got =
            pread(fd, bytes.data() + filled, bytes.size() - filled, static_cast<off_t>(filled));
        if (got == -1 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    return filled;
}

// Whether a file whose first bytes are these (all of them if fewer than 20)
// may take a record: an empty one, or a record with its name tag.
bool IsRecordOrEmpty(const CalcRecordBytes& bytes, std::size_t size) {
    return size == 0 ||
           (size == bytes.size() &&
            std::memcmp(bytes.data() + NameTagOffset, RecordNameTag, sizeof(RecordNameTag)) == 0);
}

} // namespace

SaveResult SaveCalcRecord(const TCalcState& state) {
    const CalcRecordBytes bytes = EncodeCalcRecord(state);

    // No O_TRUNC: the record overwrites the first 20 bytes and anything after
    // them stays. Read and write, so that what is there is checked through
    // the same descriptor that writes. O_NONBLOCK makes a FIFO without a
    // reader fail at once.
    const int fd = open(CalcFileName, O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd == -1) {
        return SaveResult::OpenFailed;
    }

    // Only regular files and character devices take the record; a character
    // device such as /dev/full is tried and reports its own write error. A
    // regular file must be empty or hold a record already: a user's own
    // "Test.txt" is left as it is.
    struct stat info {};
    bool writable = fstat(fd, &info) == 0 && (S_ISREG(info.st_mode) || S_ISCHR(info.st_mode));
    if (writable && S_ISREG(info.st_mode)) {
        CalcRecordBytes existing{};
        writable = IsRecordOrEmpty(existing, ReadHead(fd, existing));
    }
    if (!writable) {
        close(fd);
        return SaveResult::OpenFailed;
    }

    // pread left the offset at 0, where the record goes.
    ssize_t written;
    do {
        written = write(fd, bytes.data(), bytes.size());
    } while (written == -1 && errno == EINTR);

    // A record cut short, say by a size limit, would make every later save
    // refuse the file as a user's own: a file that was empty is emptied again.
    const bool whole = written == static_cast<ssize_t>(bytes.size());
    const bool cleared =
        whole || !S_ISREG(info.st_mode) || info.st_size != 0 || ftruncate(fd, 0) == 0;

    // close() is called once even if it fails: on Linux the descriptor is
    // released either way, and retrying could close someone else's.
    const bool closed = close(fd) == 0;
    if (!whole || !cleared || !closed) {
        return SaveResult::WriteFailed;
    }
    return SaveResult::Saved;
}

LoadResult LoadCalcRecord() {
    // O_NONBLOCK so that opening a FIFO without a writer does not wait.
    const int fd = open(CalcFileName, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd == -1) {
        return {LoadStatus::OpenFailed, {}};
    }

    struct stat info {};
    if (fstat(fd, &info) == -1 || IsStreamEndpoint(info.st_mode)) {
        close(fd);
        return {LoadStatus::OpenFailed, {}};
    }

    CalcRecordBytes bytes{};
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got == -1 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    close(fd);

    if (filled < bytes.size()) {
        return {LoadStatus::ReadFailed, {}};
    }
    return {LoadStatus::Loaded, DecodeCalcRecord(bytes)};
}
