// Loading and storing data file images, and that a store never destroys the file on disk.
#include <gtest/gtest.h>

#include <algorithm>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "formats/data_image.h"
#include "image_bytes.h"

namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> Pattern(size_t n, uint8_t seed) { return PatternBytes(n, 31, seed); }

void WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

class DataImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("image-test-" + std::to_string(getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    buffer_.assign(SAVE_FILE_LENGTH, 0xEE);
    image_ = DataFileImage{};
    image_.length = SAVE_FILE_LENGTH;
    image_.data = buffer_.data();
  }
  void TearDown() override { fs::remove_all(dir_); }

  void Open(const fs::path& path) { ASSERT_TRUE(SetImagePath(image_, path.c_str())); }
  void Fill(uint8_t seed) {
    buffer_ = Pattern(SAVE_FILE_LENGTH, seed);
    image_.data = buffer_.data();
  }
  std::vector<std::string> FilesInDir() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename());
    return names;
  }

  fs::path dir_;
  std::vector<uint8_t> buffer_;
  DataFileImage image_;
};

TEST_F(DataImageTest, LoadOutcomesByFileLength) {
  struct Row {
    const char* name;
    long extra;  // bytes beyond the image's length; negative: shorter; -999: no file
    int dirty_before;
    LoadResult result;
    int dirty_after;
  };
  const Row rows[] = {
      {"exact length", 0, 1, LoadResult::Loaded, 0},
      {"100 bytes longer", 100, 1, LoadResult::Loaded, 0},
      {"one byte short", -1, 1, LoadResult::TooShort, 0},
      {"missing file", -999, 1, LoadResult::NotFound, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    fs::path path = dir_ / "data.sav";
    fs::remove(path);
    auto file = Pattern(static_cast<size_t>(std::max(0L, SAVE_FILE_LENGTH + row.extra)), 7);
    if (row.extra != -999) WriteBytes(path, file);
    buffer_.assign(SAVE_FILE_LENGTH, 0xEE);
    Open(path);
    image_.dirty = row.dirty_before;
    EXPECT_EQ(ReadImageFile(image_), row.result);
    EXPECT_EQ(image_.dirty, row.dirty_after);
    if (row.extra == -999) {
      EXPECT_EQ(buffer_, std::vector<uint8_t>(SAVE_FILE_LENGTH, 0xEE));
    } else {
      // The file's bytes are at the start of the buffer; a short file leaves the rest as it was.
      size_t got = std::min(file.size(), buffer_.size());
      EXPECT_TRUE(std::equal(file.begin(), file.begin() + static_cast<long>(got), buffer_.begin()));
      if (got < buffer_.size()) {
        EXPECT_EQ(buffer_.back(), 0xEE);
      }
    }
  }
}

TEST_F(DataImageTest, StoreRoundTripIsByteIdenticalAndALongerFileShrinks) {
  fs::path path = dir_ / "data.sav";
  auto original = Pattern(SAVE_FILE_LENGTH + 100, 3);
  WriteBytes(path, original);
  Open(path);
  ASSERT_EQ(ReadImageFile(image_), LoadResult::Loaded);
  image_.dirty = 1;
  ASSERT_EQ(WriteImageFile(image_), StoreResult::Stored);
  EXPECT_EQ(image_.dirty, 0);
  // The first store keeps the file as it was opened, all of it, beside it.
  EXPECT_EQ(ReadBytes(dir_ / "data.sav.bak"), original);
  original.resize(SAVE_FILE_LENGTH);
  EXPECT_EQ(ReadBytes(path), original);
  auto files = FilesInDir();
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::string>{"data.sav", "data.sav.bak"}));
  // A clean image is stored just the same.
  ASSERT_EQ(WriteImageFile(image_), StoreResult::Stored);
  EXPECT_EQ(ReadBytes(path), original);
}

TEST_F(DataImageTest, StoreCreatesANewFileAndHandlesKanjiWithBackslashTrailBytes) {
  // "ソ" is 83 5C in Shift-JIS: its second byte must not be taken for a folder separator.
  fs::path sub = dir_ / "\x83\x5C";
  fs::create_directories(sub);
  fs::path path = sub / "\x83\x5C.sav";
  Open(path);
  Fill(9);
  ASSERT_EQ(WriteImageFile(image_), StoreResult::Stored);
  EXPECT_EQ(ReadBytes(path), buffer_);
  EXPECT_EQ(std::distance(fs::directory_iterator(sub), fs::directory_iterator()), 1);
}

// A store never touches a file it did not make but its target: files named like its temporaries
// stay byte for byte (another name is taken), a folder at the target's path is refused. The
// backup holds the file as opened and is written once per opening, even when it cannot be.
TEST_F(DataImageTest, StoreClobbersNothingAndBacksUpOncePerOpening) {
  struct Clash {
    const char* target;
    std::vector<const char*> others;
  };
  const Clash clashes[] = {{"data.sav", {"~data.sa", "~data.s1", "~data.s2"}}, {"a", {"~", "1"}}, {"~", {"1"}}};
  for (const Clash& clash : clashes) {
    SCOPED_TRACE(clash.target);
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    std::vector<std::vector<uint8_t>> others;
    for (size_t k = 0; k < clash.others.size(); ++k) {
      others.push_back(Pattern(100 + k, static_cast<uint8_t>(20 + k)));
      WriteBytes(dir_ / clash.others[k], others.back());
    }
    Open(dir_ / clash.target);
    Fill(11);
    ASSERT_EQ(WriteImageFile(image_), StoreResult::Stored);
    EXPECT_EQ(ReadBytes(dir_ / clash.target), buffer_);
    for (size_t k = 0; k < others.size(); ++k) EXPECT_EQ(ReadBytes(dir_ / clash.others[k]), others[k]);
    EXPECT_EQ(FilesInDir().size(), others.size() + 1);
  }

  fs::create_directories(dir_ / "folder.sav");
  Open(dir_ / "folder.sav");
  EXPECT_EQ(WriteImageFile(image_), StoreResult::NotAFile);
  EXPECT_TRUE(fs::is_directory(dir_ / "folder.sav"));

  const fs::path path = dir_ / "kept.sav";
  const auto opened = Pattern(SAVE_FILE_LENGTH, 12);
  WriteBytes(path, opened);
  Open(path);
  ASSERT_EQ(ReadImageFile(image_), LoadResult::Loaded);
  buffer_[0] ^= 1;
  ASSERT_EQ(WriteImageFile(image_), StoreResult::Stored);
  buffer_[1] ^= 1;
  ASSERT_EQ(WriteImageFile(image_), StoreResult::Stored);
  EXPECT_EQ(ReadBytes(dir_ / "kept.sav.bak"), opened);
  EXPECT_EQ(ReadBytes(path), buffer_);
  // A save as leaves the backup of the opened file alone and makes none of its own.
  Open(dir_ / "other.sav");
  ASSERT_EQ(WriteImageFile(image_, StoreKind::SaveAs), StoreResult::Stored);
  ASSERT_EQ(WriteImageFile(image_), StoreResult::Stored);
  EXPECT_FALSE(fs::exists(dir_ / "other.sav.bak"));

  // A backup that cannot be written (a folder has its name) is said once; the store goes on.
  Open(path);
  ASSERT_EQ(ReadImageFile(image_), LoadResult::Loaded);
  fs::remove(dir_ / "kept.sav.bak");
  fs::create_directories(dir_ / "kept.sav.bak");
  EXPECT_EQ(WriteImageFile(image_), StoreResult::StoredWithoutBackup);
  EXPECT_EQ(WriteImageFile(image_), StoreResult::Stored);
  EXPECT_EQ(ReadBytes(path), buffer_);
}

// Another program writing the file after it was opened or last stored is noticed by its size, its
// last write or, with both kept, its contents; a store here makes it current again.
TEST_F(DataImageTest, ChangesOnDiskSinceOpeningOrStoringAreNoticed) {
  const fs::path path = dir_ / "shared.sav";
  const auto original = Pattern(SAVE_FILE_LENGTH, 13);
  WriteBytes(path, original);
  Open(path);
  EXPECT_FALSE(FileChangedOnDisk(image_));  // never read here: nothing to compare with
  ASSERT_EQ(ReadImageFile(image_), LoadResult::Loaded);
  EXPECT_FALSE(FileChangedOnDisk(image_));

  const auto written_time = fs::last_write_time(path);
  auto same_size = original;
  same_size[1000] ^= 0xFF;
  WriteBytes(path, same_size);
  fs::last_write_time(path, written_time);  // contents alone differ
  EXPECT_TRUE(FileChangedOnDisk(image_));
  ASSERT_EQ(WriteImageFile(image_), StoreResult::Stored);
  EXPECT_FALSE(FileChangedOnDisk(image_));

  auto longer = original;
  longer.push_back(0);
  WriteBytes(path, longer);
  EXPECT_TRUE(FileChangedOnDisk(image_));
  fs::remove(path);
  EXPECT_TRUE(FileChangedOnDisk(image_));
}

TEST_F(DataImageTest, ReadOnlyFileIsRefusedAndKept) {
  fs::path path = dir_ / "locked.sav";
  auto original = Pattern(SAVE_FILE_LENGTH, 1);
  WriteBytes(path, original);
  chmod(path.c_str(), 0444);
  Open(path);
  image_.dirty = 1;
  EXPECT_EQ(WriteImageFile(image_), StoreResult::ReadOnly);
  EXPECT_EQ(image_.dirty, 1);
  EXPECT_EQ(ReadBytes(path), original);
}

// A file system that fails at a chosen step, to show that the target survives every failure.
class FailingFileSystem : public FileSystem {
 public:
  enum Step { FailCreate, FailWriteAfter, FailCommit, FailReplace };
  FailingFileSystem(Step step, size_t bytes = 0, FileFailure why = FileFailure::Other)
      : step_(step), bytes_(bytes), why_(why) {}
  FileFailure LastFailure() override { return why_; }
  std::unique_ptr<InputFile> OpenForReading(const char* path) override { return real_.OpenForReading(path); }
  FileStamp Stat(const char* path) override { return real_.Stat(path); }
  std::unique_ptr<OutputFile> CreateNew(const char* path, bool& exists) override {
    exists = false;
    if (step_ == FailCreate) return nullptr;
    auto file = real_.CreateNew(path, exists);
    if (!file) return nullptr;
    return std::make_unique<Output>(std::move(file), step_, bytes_);
  }
  bool Replace(const char* from, const char* to) override {
    return step_ != FailReplace && real_.Replace(from, to);
  }
  void Remove(const char* path) override { real_.Remove(path); }

 private:
  class Output : public OutputFile {
   public:
    Output(std::unique_ptr<OutputFile> file, Step step, size_t bytes)
        : file_(std::move(file)), step_(step), left_(bytes) {}
    bool Write(const uint8_t* bytes, size_t count) override {
      if (step_ != FailWriteAfter) return file_->Write(bytes, count);
      size_t part = std::min(count, left_);
      file_->Write(bytes, part);  // the bytes before the failure do reach the file
      left_ -= part;
      return part == count;
    }
    bool Commit() override { return file_->Commit() && step_ != FailCommit; }

   private:
    std::unique_ptr<OutputFile> file_;
    Step step_;
    size_t left_;
  };
  FileSystem& real_ = PlatformFileSystem();
  Step step_;
  size_t bytes_;
  FileFailure why_;
};

TEST_F(DataImageTest, AFailureAtAnyStepLeavesTheOldFileWholeAndNoTemporaryFile) {
  struct Row {
    const char* name;
    FailingFileSystem::Step step;
    size_t bytes;
    FileFailure why = FileFailure::Other;  // what the file system says of the failure
    StoreResult result = StoreResult::WriteFailed;
  };
  const Row rows[] = {
      {"cannot create", FailingFileSystem::FailCreate, 0},
      {"folder not writable", FailingFileSystem::FailCreate, 0, FileFailure::AccessDenied, StoreResult::AccessDenied},
      {"fails after 0 bytes", FailingFileSystem::FailWriteAfter, 0},
      {"fails after 1 byte", FailingFileSystem::FailWriteAfter, 1},
      {"fails after 4096 bytes", FailingFileSystem::FailWriteAfter, 4096, FileFailure::DiskFull, StoreResult::DiskFull},
      {"fails before the last byte", FailingFileSystem::FailWriteAfter, SAVE_FILE_LENGTH - 1},
      {"flush fails", FailingFileSystem::FailCommit, 0},
      {"replace fails", FailingFileSystem::FailReplace, 0},
      {"target in use", FailingFileSystem::FailReplace, 0, FileFailure::InUse, StoreResult::InUse},
  };
  fs::path path = dir_ / "data.sav";
  auto original = Pattern(SAVE_FILE_LENGTH, 5);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    WriteBytes(path, original);
    Open(path);
    Fill(6);
    image_.dirty = 1;
    FailingFileSystem failing(row.step, row.bytes, row.why);
    EXPECT_EQ(WriteImageFile(image_, StoreKind::Overwrite, failing), row.result);
    EXPECT_EQ(image_.dirty, 1);
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_EQ(FilesInDir(), std::vector<std::string>{"data.sav"});
  }
}

TEST_F(DataImageTest, FullDiskLeavesTheOldFileWhole) {
  fs::path mount_point = dir_ / "small";
  fs::create_directories(mount_point);
  // 600 KiB holds the old file (366 KiB) but not a second copy beside it.
  if (mount("tmpfs", mount_point.c_str(), "tmpfs", 0, "size=600k") != 0) {
    GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
  }
  fs::path path = mount_point / "data.sav";
  auto original = Pattern(SAVE_FILE_LENGTH, 2);
  WriteBytes(path, original);
  Open(path);
  Fill(4);
  image_.dirty = 1;
  StoreResult result = WriteImageFile(image_);
  std::vector<uint8_t> after = ReadBytes(path);
  size_t files = static_cast<size_t>(std::distance(fs::directory_iterator(mount_point), fs::directory_iterator()));
  umount(mount_point.c_str());
  EXPECT_EQ(result, StoreResult::DiskFull);
  EXPECT_EQ(image_.dirty, 1);
  EXPECT_EQ(after, original);
  EXPECT_EQ(files, 1u);
}

TEST_F(DataImageTest, UnwritableFolderFailsAndKeepsTheFile) {
  fs::path path = dir_ / "data.sav";
  auto original = Pattern(SAVE_FILE_LENGTH, 8);
  WriteBytes(path, original);
  Open(path);
  image_.dirty = 1;
  // An immutable folder stops root too.
  if (std::system(("chattr +i '" + dir_.string() + "' 2>/dev/null").c_str()) != 0) {
    GTEST_SKIP() << "chattr is not available on this file system";
  }
  StoreResult result = WriteImageFile(image_);
  std::system(("chattr -i '" + dir_.string() + "'").c_str());
  EXPECT_EQ(result, StoreResult::AccessDenied);
  EXPECT_EQ(image_.dirty, 1);
  EXPECT_EQ(ReadBytes(path), original);
}

// Other files (the CSV files) go through the same temporary and rename, and are read whole up to a limit.
TEST_F(DataImageTest, WholeFilesAreStoredSafelyAndReadUpToALimit) {
  const fs::path path = dir_ / "table.csv";
  const auto first = Pattern(1000, 3), second = Pattern(10, 9);
  EXPECT_EQ(StoreWholeFile(path.c_str(), first), StoreResult::Stored);
  EXPECT_EQ(StoreWholeFile(path.c_str(), second), StoreResult::Stored);  // a longer file is replaced whole
  EXPECT_EQ(ReadBytes(path), second);
  FailingFileSystem failing(FailingFileSystem::FailWriteAfter, 5);
  EXPECT_EQ(StoreWholeFile(path.c_str(), first, failing), StoreResult::WriteFailed);
  EXPECT_EQ(ReadBytes(path), second);
  EXPECT_EQ(FilesInDir(), std::vector<std::string>{"table.csv"});
  EXPECT_EQ(StoreWholeFile(dir_.c_str(), first), StoreResult::NotAFile);
  chmod(path.c_str(), 0444);
  EXPECT_EQ(StoreWholeFile(path.c_str(), first), StoreResult::ReadOnly);
  EXPECT_EQ(ReadBytes(path), second);

  std::string bytes;
  EXPECT_EQ(ReadWholeFile(path.c_str(), second.size(), bytes), WholeReadResult::Read);
  EXPECT_EQ(bytes, std::string(second.begin(), second.end()));
  EXPECT_EQ(ReadWholeFile(path.c_str(), second.size() - 1, bytes), WholeReadResult::TooLarge);
  EXPECT_EQ(ReadWholeFile((dir_ / "missing.csv").c_str(), 100, bytes), WholeReadResult::CannotOpen);
}

TEST(DataImagePath, PathsOf260BytesOrMoreAreRefused) {
  DataFileImage image{};
  std::string longest(259, 'a');
  EXPECT_TRUE(SetImagePath(image, longest.c_str()));
  EXPECT_TRUE(IsImageOpen(image));
  EXPECT_FALSE(SetImagePath(image, (longest + "b").c_str()));
  EXPECT_EQ(std::string(image.path), longest);
  ClearImagePath(image);
  EXPECT_FALSE(IsImageOpen(image));
}

}  // namespace
