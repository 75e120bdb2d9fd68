#pragma once

#include "CalcState.h"

#include <array>
#include <cstddef>

// The 20 bytes of "Test.txt": three little-endian IEEE singles and a name tag.
struct CalcRecord {
    float Precision = 0;
    float X = 0;
    float Series1 = 0;
};

inline constexpr const char* CalcFileName = "Test.txt";
inline constexpr const char RecordNameTag[] = "Raschet"; // written with its NUL: 8 bytes
inline constexpr std::size_t CalcRecordSize = 20;

using CalcRecordBytes = std::array<unsigned char, CalcRecordSize>;

CalcRecordBytes EncodeCalcRecord(const TCalcState& state);
CalcRecord DecodeCalcRecord(const CalcRecordBytes& bytes);

enum class SaveResult {
    Saved,
    OpenFailed,  // the file could not be opened or created, or is marked read-only
    NotRegular,  // a device, FIFO or socket: left alone
    NotARecord,  // a file that holds something else: left alone
    ReadFailed,  // what the file holds could not be read: left alone
    WriteFailed, // the 20 bytes did not all reach the file; what was there is put back
};

enum class LoadStatus {
    Loaded,
    OpenFailed, // missing, not a regular file, or not readable by us
    Short,      // fewer than 20 bytes
    ReadFailed, // the system reported an error while reading
};

struct LoadResult {
    LoadStatus Status;
    CalcRecord Record; // zero unless Status is Loaded
};

// Writes the record over the first 20 bytes of "Test.txt" in the current
// directory, creating it if absent (mode 0666 less the umask); bytes after
// offset 20 are kept. Only a regular file that is empty, a record or the
// leftover of a save cut short is written. A write that fails puts back the
// bytes it replaced (and removes a file it created), so no mix of old and new
// is left for a read to take as a record.
SaveResult SaveCalcRecord(const TCalcState& state);

// Reads the first 20 bytes of "Test.txt" in the current directory. Anything
// other than a regular file (a FIFO, a socket, a device, a directory) gives
// OpenFailed without reading; a FIFO is not waited for.
LoadResult LoadCalcRecord();
