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
    OpenFailed,  // the file could not be opened or created
    WriteFailed, // opened, but the 20 bytes did not all reach it, or close failed
};

enum class LoadStatus {
    Loaded,
    OpenFailed, // missing, or not a file we can read
    ReadFailed, // fewer than 20 bytes could be read
};

struct LoadResult {
    LoadStatus Status;
    CalcRecord Record; // zero unless Status is Loaded
};

// Writes the record over the first 20 bytes of "Test.txt" in the current
// directory, creating it if absent (mode 0666 less the umask); bytes after
// offset 20 are kept. Only a regular file that is empty or already holds a
// record (20 bytes or more, the name tag and its NUL at offset 12), or a
// character device, is written: any other file, a FIFO, socket, directory or
// other kind gives OpenFailed without writing.
SaveResult SaveCalcRecord(const TCalcState& state);

// Reads the first 20 bytes of "Test.txt" in the current directory. A FIFO or
// socket gives OpenFailed without waiting for a writer.
LoadResult LoadCalcRecord();
