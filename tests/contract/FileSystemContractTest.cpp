#include "contract/Subjects.h"

#include <gtest/gtest.h>

namespace orvane::contract {
namespace {

namespace file_error = platform::file_error;
using Bytes = std::vector<std::uint8_t>;

class FileSystemContract : public ::testing::Test {
protected:
    void SetUp() override {
        subject = MakeFileSystemSubject();
        folder = subject->ScratchFolder();
    }
    platform::FileSystem& Files() { return subject->Files(); }

    std::unique_ptr<FileSystemSubject> subject;
    std::string folder;
};

TEST_F(FileSystemContract, TheTemporaryFolderEndsWithABackslashAndTakesNewFiles) {
    const auto temp = Files().TempPath();
    ASSERT_EQ(temp.error, 0u);
    ASSERT_GT(temp.value.size(), 1u);
    EXPECT_EQ(temp.value.back(), '\\');
    EXPECT_FALSE(Files().FileExists(temp.value)); // a folder is not a file

    const std::string name = temp.value + "~orvane-contract.tmp";
    Files().Delete(name); // a leftover of an interrupted run
    ASSERT_EQ(Files().CreateNew(name), 0u);
    EXPECT_TRUE(Files().FileExists(name));
    EXPECT_EQ(Files().Delete(name), 0u);
}

TEST_F(FileSystemContract, ANewFileIsEmptyAndItsNameCanBeTakenOnlyOnce) {
    const std::string name = folder + "~fs70.dll";
    EXPECT_FALSE(Files().FileExists(name));
    ASSERT_EQ(Files().CreateNew(name), 0u);
    EXPECT_TRUE(Files().FileExists(name));
    const auto empty = Files().Read(name);
    EXPECT_EQ(empty.error, 0u);
    EXPECT_TRUE(empty.value.empty());

    // A second claim fails and leaves the first claimant's contents alone,
    // whatever the spelling of the name.
    ASSERT_EQ(Files().Write(name, Bytes{1, 2, 3}), 0u);
    EXPECT_EQ(Files().CreateNew(name), file_error::FileExists);
    EXPECT_EQ(Files().CreateNew(folder + "~FS70.DLL"), file_error::FileExists);
    EXPECT_TRUE(Files().FileExists(folder + "~Fs70.Dll"));
    EXPECT_EQ(Files().Read(name).value, (Bytes{1, 2, 3}));
}

TEST_F(FileSystemContract, WritingReplacesTheWholeContentsByteForByte) {
    const std::string name = folder + "data.bin";
    Bytes large(300000);
    for (std::size_t i = 0; i < large.size(); ++i) large[i] = std::uint8_t(i * 7 + i / 251);
    ASSERT_EQ(Files().Write(name, large), 0u); // creates the file
    EXPECT_EQ(Files().Read(name).value, large);

    const Bytes small{0x00, 0xFF, 0x1A, 0x0D, 0x0A, 0x00};
    ASSERT_EQ(Files().Write(name, small), 0u);
    EXPECT_EQ(Files().Read(name).value, small);
    ASSERT_EQ(Files().Write(name, Bytes{}), 0u);
    const auto cleared = Files().Read(name);
    EXPECT_EQ(cleared.error, 0u);
    EXPECT_TRUE(cleared.value.empty());
}

TEST_F(FileSystemContract, ADeletedFileIsGoneAndMissingFilesSayWhy) {
    const std::string name = folder + "gone.dll";
    ASSERT_EQ(Files().CreateNew(name), 0u);
    EXPECT_EQ(Files().Delete(name), 0u);
    EXPECT_FALSE(Files().FileExists(name));
    EXPECT_EQ(Files().Delete(name), file_error::FileNotFound);
    const auto read = Files().Read(name);
    EXPECT_EQ(read.error, file_error::FileNotFound);
    EXPECT_TRUE(read.value.empty());
    // Gone means free: the name can be taken again.
    EXPECT_EQ(Files().CreateNew(name), 0u);
}

TEST_F(FileSystemContract, NothingIsMadeInAFolderThatDoesNotExist) {
    const std::string name = folder + "missing\\lib.dll";
    EXPECT_EQ(Files().CreateNew(name), file_error::PathNotFound);
    EXPECT_EQ(Files().Write(name, Bytes{1}), file_error::PathNotFound);
    EXPECT_EQ(Files().Read(name).error, file_error::PathNotFound);
    EXPECT_EQ(Files().Delete(name), file_error::PathNotFound);
    EXPECT_FALSE(Files().FileExists(name));
    EXPECT_FALSE(Files().FileExists(folder.substr(0, folder.size() - 1))); // the folder itself
}

TEST_F(FileSystemContract, AHeldFileCanBeReadButNotChangedOrDeletedUntilItIsLetGo) {
    const std::string name = folder + "held.dll";
    EXPECT_EQ(Files().Hold(name).error, file_error::FileNotFound);
    ASSERT_EQ(Files().Write(name, Bytes{1, 2}), 0u);
    {
        auto hold = Files().Hold(name);
        ASSERT_EQ(hold.error, 0u);
        ASSERT_TRUE(hold.value);
        EXPECT_EQ(Files().Read(name).value, (Bytes{1, 2}));
        EXPECT_EQ(Files().Hold(name).error, 0u); // holders may share
        EXPECT_EQ(Files().Write(name, Bytes{3}), file_error::SharingViolation);
        EXPECT_EQ(Files().Delete(name), file_error::SharingViolation);
        EXPECT_EQ(Files().Read(name).value, (Bytes{1, 2}));
    }
    EXPECT_EQ(Files().Write(name, Bytes{3}), 0u);
    EXPECT_EQ(Files().Delete(name), 0u);
}

} // namespace
} // namespace orvane::contract
