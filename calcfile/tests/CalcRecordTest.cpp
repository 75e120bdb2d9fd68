#include "CalcRecord.h"

#include <gtest/gtest.h>

#include <bit>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

static_assert(std::bit_cast<std::uint32_t>(7.388995f) == 0x40EC72A6);

// Precision 0.001, x 1 and e^2, as saved after a typical computation.
const TCalcState SampleState{0.001f, 1.0f, 7.388995f};
const Bytes SampleBytes{0x6F, 0x12, 0x83, 0x3A, 0x00, 0x00, 0x80, 0x3F, 0xA6, 0x72,
                        0xEC, 0x40, 0x52, 0x61, 0x73, 0x63, 0x68, 0x65, 0x74, 0x00};
const Bytes ZeroStateBytes{0, 0, 0,   0,   0,   0,   0,   0,   0,   0,
                           0, 0, 'R', 'a', 's', 'c', 'h', 'e', 't', 0};

std::uint32_t Bits(float value) {
    return std::bit_cast<std::uint32_t>(value);
}

void ExpectSameBits(const CalcRecord& record, const TCalcState& state) {
    EXPECT_EQ(Bits(record.Precision), Bits(state.Precision));
    EXPECT_EQ(Bits(record.X), Bits(state.X));
    EXPECT_EQ(Bits(record.Series1), Bits(state.Series1));
}

Bytes ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

Bytes Concat(Bytes head, const Bytes& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// Counts this process's open descriptors, so a leak shows even behind a
// lower descriptor that the test closed.
long OpenDescriptorCount() {
    const fs::directory_iterator entries("/proc/self/fd");
    return std::distance(fs::begin(entries), fs::end(entries));
}

// Runs the call on another thread. If it still waits after five seconds (a
// FIFO opened or read in blocking mode), opens the FIFO from both ends and
// feeds it a record so the call can return, and fails the test.
template <typename Call> auto RunBounded(Call call) {
    auto pending = std::async(std::launch::async, call);
    if (pending.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
        ADD_FAILURE() << "the call on the FIFO did not return within 5 seconds";
        const int fd = open(CalcFileName, O_RDWR | O_NONBLOCK);
        [[maybe_unused]] const auto fed = write(fd, SampleBytes.data(), SampleBytes.size());
        pending.wait();
        close(fd);
    }
    return pending.get();
}

// Each test runs in a fresh directory under /tmp that is removed afterwards.
class CalcFileTest : public testing::Test {
protected:
    void SetUp() override {
        openBefore_ = OpenDescriptorCount();
        std::string pattern = "/tmp/calcfile-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        previous_ = fs::current_path();
        fs::current_path(dir_);
    }

    void TearDown() override {
        if (dir_.empty()) {
            return;
        }
        fs::current_path(previous_);
        fs::remove_all(dir_);
        EXPECT_EQ(OpenDescriptorCount(), openBefore_) << "a descriptor was left open";
    }

private:
    fs::path dir_;
    fs::path previous_;
    long openBefore_ = 0;
};

template <typename Row> std::string RowName(const testing::TestParamInfo<Row>& info) {
    return info.param.Name;
}

TEST(EncodeCalcRecordTest, SinglesAreLittleEndianFollowedByNameTag) {
    const CalcRecordBytes bytes = EncodeCalcRecord(SampleState);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.end()), SampleBytes);
}

TEST(EncodeCalcRecordTest, StateBeforeAnyComputationIsTwelveZeroBytesAndTag) {
    const CalcRecordBytes bytes = EncodeCalcRecord(TCalcState{});
    EXPECT_EQ(Bytes(bytes.begin(), bytes.end()), ZeroStateBytes);
}

TEST(DecodeCalcRecordTest, ReadsSinglesWhateverTheNameTag) {
    CalcRecordBytes bytes{};
    std::copy(SampleBytes.begin(), SampleBytes.end(), bytes.begin());
    ExpectSameBits(DecodeCalcRecord(bytes), SampleState);

    std::fill(bytes.begin() + 12, bytes.end(), 0xEE);
    ExpectSameBits(DecodeCalcRecord(bytes), SampleState);
}

struct BitsRow {
    const char* Name;
    std::uint32_t Precision;
    std::uint32_t X;
    std::uint32_t Series1;
};

class RoundTripTest : public CalcFileTest, public testing::WithParamInterface<BitsRow> {};

TEST_P(RoundTripTest, SaveThenLoadKeepsEveryBit) {
    const BitsRow& row = GetParam();
    const TCalcState state{std::bit_cast<float>(row.Precision), std::bit_cast<float>(row.X),
                           std::bit_cast<float>(row.Series1)};

    ExpectSameBits(DecodeCalcRecord(EncodeCalcRecord(state)), state);

    ASSERT_EQ(SaveCalcRecord(state), SaveResult::Saved);
    EXPECT_EQ(ReadBytes(CalcFileName).size(), CalcRecordSize);
    const LoadResult loaded = LoadCalcRecord();
    ASSERT_EQ(loaded.Status, LoadStatus::Loaded);
    ExpectSameBits(loaded.Record, state);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundTripTest,
    testing::Values(BitsRow{"OrdinaryValues", 0x3A83126F, 0x3F800000, 0x40EC72A6},
                    BitsRow{"DistinctByteInEveryPosition", 0x01020304, 0x05060708, 0x090A0B0C},
                    BitsRow{"NegativeZero", 0x80000000, 0x80000000, 0x80000000},
                    BitsRow{"QuietNanWithPayload", 0x7FC12345, 0xFFC00001, 0x7FFFFFFF},
                    BitsRow{"SignalingNanWithPayload", 0x7F800001, 0xFF9ABCDE, 0x7FA00000},
                    BitsRow{"Infinities", 0x7F800000, 0xFF800000, 0x7F800000},
                    BitsRow{"Denormals", 0x00000001, 0x807FFFFF, 0x00400000},
                    BitsRow{"LargestAndSmallestNormal", 0x7F7FFFFF, 0xFF7FFFFF, 0x00800000}),
    RowName<BitsRow>);

TEST_F(CalcFileTest, SaveCreatesFileWithExactlyTheRecord) {
    ASSERT_EQ(SaveCalcRecord(SampleState), SaveResult::Saved);
    EXPECT_EQ(ReadBytes(CalcFileName), SampleBytes);
}

TEST_F(CalcFileTest, SaveBeforeAnyComputationWritesZerosAndTag) {
    ASSERT_EQ(SaveCalcRecord(TCalcState{}), SaveResult::Saved);
    EXPECT_EQ(ReadBytes(CalcFileName), ZeroStateBytes);
}

struct ExistingFileRow {
    const char* Name;
    Bytes Existing;
    SaveResult Result;
    Bytes After;
};

class SaveOverExistingTest : public CalcFileTest,
                             public testing::WithParamInterface<ExistingFileRow> {};

// Only an empty file or a record takes the record, keeping what follows it.
TEST_P(SaveOverExistingTest, WritesOverEmptyFilesAndRecordsOnly) {
    const ExistingFileRow& row = GetParam();
    WriteBytes(CalcFileName, row.Existing);
    EXPECT_EQ(SaveCalcRecord(SampleState), row.Result);
    EXPECT_EQ(ReadBytes(CalcFileName), row.After);
}

const Bytes UserText{'D', 'e', 'a', 'r', ' ', 'd', 'i', 'a', 'r', 'y', ',', ' ', 't', 'o',
                     'd', 'a', 'y', ' ', 'I', ' ', 'l', 'e', 'a', 'r', 'n', 't', '\n'};
const Bytes TagWithoutNul = Concat(Bytes(SampleBytes.begin(), SampleBytes.end() - 1), {'!'});

INSTANTIATE_TEST_SUITE_P(
    Contents, SaveOverExistingTest,
    testing::Values(
        ExistingFileRow{"EmptyFileTakesTheRecord", {}, SaveResult::Saved, SampleBytes},
        ExistingFileRow{"RecordIsReplaced", ZeroStateBytes, SaveResult::Saved, SampleBytes},
        ExistingFileRow{"LongerRecordKeepsItsTail", Concat(ZeroStateBytes, Bytes(20, 0xEE)),
                        SaveResult::Saved, Concat(SampleBytes, Bytes(20, 0xEE))},
        ExistingFileRow{"UsersTextIsLeftAlone", UserText, SaveResult::NotARecord, UserText},
        ExistingFileRow{"NineteenBytesOfARecordAreALeftover",
                        Bytes(SampleBytes.begin(), SampleBytes.end() - 1), SaveResult::Saved,
                        SampleBytes},
        ExistingFileRow{"ThirteenBytesOfARecordAreALeftover", Concat(Bytes(12, 0xEE), {'R'}),
                        SaveResult::Saved, SampleBytes},
        ExistingFileRow{"TagWithoutItsNulIsNotARecord", TagWithoutNul, SaveResult::NotARecord,
                        TagWithoutNul}),
    RowName<ExistingFileRow>);

struct UmaskRow {
    const char* Name;
    mode_t Mask;
    mode_t Mode;
};

class NewFileModeTest : public CalcFileTest, public testing::WithParamInterface<UmaskRow> {};

TEST_P(NewFileModeTest, IsReadWriteForAllLessTheUmask) {
    const UmaskRow& row = GetParam();
    const mode_t previous = umask(row.Mask);
    const SaveResult result = SaveCalcRecord(SampleState);
    umask(previous);
    ASSERT_EQ(result, SaveResult::Saved);

    struct stat info {};
    ASSERT_EQ(stat(CalcFileName, &info), 0);
    EXPECT_EQ(info.st_mode & 07777, row.Mode);
}

INSTANTIATE_TEST_SUITE_P(Masks, NewFileModeTest,
                         testing::Values(UmaskRow{"Umask022Gives0644", 022, 0644},
                                         UmaskRow{"Umask077Gives0600", 077, 0600},
                                         UmaskRow{"Umask000Gives0666", 0, 0666}),
                         RowName<UmaskRow>);

TEST_F(CalcFileTest, LoadOfMissingFileFailsToOpen) {
    const LoadResult loaded = LoadCalcRecord();
    EXPECT_EQ(loaded.Status, LoadStatus::OpenFailed);
    ExpectSameBits(loaded.Record, TCalcState{});
}

struct FileContentRow {
    const char* Name;
    Bytes Content;
};

class ShortFileTest : public CalcFileTest, public testing::WithParamInterface<FileContentRow> {};

TEST_P(ShortFileTest, LoadFailsToReadAndLeavesRecordZero) {
    WriteBytes(CalcFileName, GetParam().Content);
    const LoadResult loaded = LoadCalcRecord();
    EXPECT_EQ(loaded.Status, LoadStatus::Short);
    ExpectSameBits(loaded.Record, TCalcState{});
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, ShortFileTest,
    testing::Values(FileContentRow{"Empty", {}},
                    FileContentRow{"OneByte", Bytes(SampleBytes.begin(), SampleBytes.begin() + 1)},
                    FileContentRow{"NineteenBytes",
                                   Bytes(SampleBytes.begin(), SampleBytes.begin() + 19)}),
    RowName<FileContentRow>);

class FullFileTest : public CalcFileTest, public testing::WithParamInterface<FileContentRow> {};

TEST_P(FullFileTest, LoadReadsTheFirstThreeSingles) {
    WriteBytes(CalcFileName, GetParam().Content);
    const LoadResult loaded = LoadCalcRecord();
    ASSERT_EQ(loaded.Status, LoadStatus::Loaded);
    ExpectSameBits(loaded.Record, SampleState);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, FullFileTest,
    testing::Values(FileContentRow{"ExactlyTwentyBytes", SampleBytes},
                    FileContentRow{"SixtyFourBytes", Concat(SampleBytes, Bytes(44, 0xEE))},
                    FileContentRow{"NameTagNotChecked",
                                   Concat(Bytes(SampleBytes.begin(), SampleBytes.begin() + 12),
                                          Bytes(8, 0xEE))}),
    RowName<FileContentRow>);

TEST_F(CalcFileTest, DirectoryNamedLikeTheFileIsNeitherLoadedNorWritten) {
    fs::create_directory(CalcFileName);

    EXPECT_EQ(LoadCalcRecord().Status, LoadStatus::OpenFailed);
    EXPECT_EQ(SaveCalcRecord(SampleState), SaveResult::OpenFailed);
    EXPECT_TRUE(fs::is_directory(CalcFileName));
    EXPECT_TRUE(fs::is_empty(CalcFileName));
}

TEST_F(CalcFileTest, SaveThatCannotWriteAllTwentyBytesFailsToWrite) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const rlimit tenBytes{10, previous.rlim_max}; // write() stores 10 and reports no error
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tenBytes), 0);
    const SaveResult shortWrite = SaveCalcRecord(SampleState);
    setrlimit(RLIMIT_FSIZE, &previous);
    EXPECT_EQ(shortWrite, SaveResult::WriteFailed);
    EXPECT_FALSE(fs::exists(CalcFileName)) << "a failed save left the file it made";
}

TEST_F(CalcFileTest, DanglingSymlinkFailsToLoadAndSaveCreatesItsTarget) {
    fs::create_symlink("target.bin", CalcFileName);

    EXPECT_EQ(LoadCalcRecord().Status, LoadStatus::OpenFailed);
    ASSERT_EQ(SaveCalcRecord(SampleState), SaveResult::Saved);
    EXPECT_TRUE(fs::is_symlink(CalcFileName));
    EXPECT_EQ(ReadBytes("target.bin"), SampleBytes);
}

TEST_F(CalcFileTest, FifoWithNoOtherEndFailsToOpenWithoutWaiting) {
    ASSERT_EQ(mkfifo(CalcFileName, 0666), 0);

    EXPECT_EQ(RunBounded([] { return SaveCalcRecord(SampleState); }), SaveResult::NotRegular);
    EXPECT_EQ(RunBounded(LoadCalcRecord).Status, LoadStatus::OpenFailed);
}

TEST_F(CalcFileTest, FifoOpenAtBothEndsIsNeitherWrittenNorRead) {
    ASSERT_EQ(mkfifo(CalcFileName, 0666), 0);
    const int fd = open(CalcFileName, O_RDWR | O_NONBLOCK | O_CLOEXEC);
    ASSERT_NE(fd, -1);
    unsigned char buffer[64];

    EXPECT_EQ(RunBounded([] { return SaveCalcRecord(SampleState); }), SaveResult::NotRegular);
    errno = 0;
    EXPECT_EQ(read(fd, buffer, sizeof buffer), -1) << "the save put bytes into the FIFO";
    EXPECT_EQ(errno, EAGAIN);

    ASSERT_EQ(write(fd, SampleBytes.data(), SampleBytes.size()),
              static_cast<ssize_t>(SampleBytes.size()));
    EXPECT_EQ(RunBounded(LoadCalcRecord).Status, LoadStatus::OpenFailed);
    EXPECT_EQ(read(fd, buffer, sizeof buffer), static_cast<ssize_t>(SampleBytes.size()))
        << "the load took bytes out of the FIFO";
    close(fd);
}

} // namespace
