#include "input/FileSource.h"

#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "input/CompressErrors.h"
#include "input/CompressStream.h"
#include "input/FileSourceData.h"
#include "TestBytes.h"

#include <gtest/gtest.h>

namespace orvane::input {
namespace {

using Names = std::vector<std::string>;

class FileSourceTest : public ::testing::Test {
protected:
    FileSourceTest() { clock.now.second = 7; }

    std::unique_ptr<TFileSource> MakeSource(const std::string& extension = ".dll") {
        auto source = std::make_unique<TFileSource>(owner, "KeyHookFileSrc", files, clock);
        source->SetExtension(extension);
        source->SetStore(true);
        return source;
    }
    static std::string FailureOf(auto&& action) {
        try {
            action();
        } catch (const Exception& e) {
            return e.Message();
        }
        return "no failure";
    }

    fakes::FakeFileSystem files;
    fakes::FakeClock clock;
    ui::Component owner{nullptr, "MainForm"};
    const Bytes library = testing::MixedBytes(37888, 11);
};

TEST_F(FileSourceTest, ReadingTheFormWritesTheFileToATemporaryNameForTheSecond) {
    auto source = MakeSource();
    source->ReadFileData(EncodeFileData(library, false));
    EXPECT_EQ(source->FileName(), "C:\\Temp\\~fs70.dll");
    EXPECT_TRUE(source->Created());
    EXPECT_EQ(files.Contents("C:\\Temp\\~fs70.dll"), library);
    EXPECT_EQ(source->Extension(), ".dll");
    EXPECT_EQ(source->WriteFileData(), EncodeFileData(library, false));

    // Compressed data comes out as the same file.
    clock.now.second = 59;
    auto packed = MakeSource();
    packed->SetCompress(true);
    packed->ReadFileData(EncodeFileData(library, true));
    EXPECT_EQ(packed->FileName(), "C:\\Temp\\~fs590.dll");
    EXPECT_EQ(files.Contents(packed->FileName()), library);
    EXPECT_EQ(TCompressStream::Decompress(*packed->WriteFileData()), library);
}

TEST_F(FileSourceTest, NamesCountUpPastFilesThereAndOnesTakenWhileLooking) {
    files.Put("C:\\Temp\\~FS70.DLL");
    files.Put("C:\\Temp\\~fs72.dll", {9});
    // Another copy of the program takes ~fs71.dll after this one saw it free.
    int claims = 0;
    files.beforeCreateNew = [&](const std::string& path) {
        if (++claims == 1) files.Put(path, {1});
    };
    auto first = MakeSource();
    first->ReadFileData(EncodeFileData(library, false));
    EXPECT_EQ(first->FileName(), "C:\\Temp\\~fs73.dll");
    EXPECT_EQ(files.Contents("C:\\Temp\\~fs71.dll"), Bytes{1}); // the other copy's file is untouched
    EXPECT_EQ(files.Contents("C:\\Temp\\~fs72.dll"), Bytes{9});

    // A second copy in the same second.
    auto second = MakeSource();
    second->ReadFileData(EncodeFileData(library, false));
    EXPECT_EQ(second->FileName(), "C:\\Temp\\~fs74.dll");
    EXPECT_EQ(files.Contents(second->FileName()), library);
}

TEST_F(FileSourceTest, AnEmptyFileIsFourBytesOfDataAndAnEmptyTemporaryFile) {
    auto source = MakeSource(".txt");
    source->ReadFileData(Bytes(4, 0));
    EXPECT_EQ(source->FileName(), "C:\\Temp\\~fs70.txt");
    EXPECT_EQ(files.Contents(source->FileName()), Bytes{});
    EXPECT_EQ(source->WriteFileData(), Bytes(4, 0));
}

TEST_F(FileSourceTest, AssigningFileNameDeletesOnlyAFileThisComponentCreated) {
    files.Put("C:\\Lib\\other.DLL", {5});
    auto source = MakeSource();
    source->ReadFileData(EncodeFileData(library, false));
    source->SetFileName("C:\\Lib\\other.DLL");
    EXPECT_FALSE(files.Contents("C:\\Temp\\~fs70.dll"));
    EXPECT_FALSE(source->Created());
    EXPECT_EQ(source->Extension(), ".DLL");
    EXPECT_EQ(source->WriteFileData(), EncodeFileData(Bytes{5}, false));

    source->SetFileName("C:\\Lib.d\\README");
    EXPECT_EQ(source->Extension(), "");
    source.reset();
    EXPECT_EQ(files.FileNames(), Names{"C:\\Lib\\other.DLL"});
}

TEST_F(FileSourceTest, ReadingAgainReplacesTheFileWrittenBefore) {
    auto source = MakeSource();
    source->ReadFileData(EncodeFileData(Bytes{1}, false));
    source->ReadFileData(EncodeFileData(Bytes{2}, false));
    EXPECT_EQ(files.FileNames(), Names{"C:\\Temp\\~fs71.dll"});
    source.reset();
    EXPECT_TRUE(files.FileNames().empty());
}

TEST_F(FileSourceTest, AFileRemovedBySomeoneElseReadsAsEmptyAndCannotBeStored) {
    auto source = MakeSource();
    source->ReadFileData(EncodeFileData(library, false));
    files.Remove("C:\\Temp\\~fs70.dll");
    EXPECT_EQ(source->FileName(), "");
    EXPECT_EQ(source->GetTextProperty("FileName"), "");
    EXPECT_EQ(FailureOf([&] { source->WriteFileData(); }),
              "KeyHookFileSrc cannot store file: C:\\Temp\\~fs70.dll (file is missing)");
    // Without Store the form holds the name only, and nothing is read.
    source->SetStore(false);
    EXPECT_FALSE(source->WriteFileData());
}

TEST_F(FileSourceTest, DamagedDataOrAFailedWriteLeavesNoFileBehind) {
    auto source = MakeSource();
    Bytes damaged = EncodeFileData(library, false);
    damaged.pop_back();
    EXPECT_THROW(source->ReadFileData(damaged), EFileSource);
    source->SetCompress(true);
    EXPECT_THROW(source->ReadFileData(EncodeFileData(library, false)), ECompressStream);
    EXPECT_TRUE(files.FileNames().empty());

    source->SetCompress(false);
    files.FailNext("Write", 112); // ERROR_DISK_FULL
    EXPECT_EQ(FailureOf([&] { source->ReadFileData(EncodeFileData(library, false)); }),
              "Cannot write file C:\\Temp\\~fs70.dll (error 112)");
    EXPECT_TRUE(files.FileNames().empty());
    EXPECT_EQ(source->FileName(), "");
    EXPECT_FALSE(source->Created());
}

TEST_F(FileSourceTest, ATemporaryFolderThatCannotBeUsedIsReportedAtOnce) {
    files.tempPath = "C:\\Gone\\";
    auto source = MakeSource();
    int claims = 0;
    files.beforeCreateNew = [&](const std::string&) { ++claims; };
    EXPECT_EQ(FailureOf([&] { source->ReadFileData(Bytes(4, 0)); }),
              "Cannot create file C:\\Gone\\~fs70.dll (error 3)");
    EXPECT_EQ(claims, 1);

    files.FailNext("TempPath", 5);
    EXPECT_THROW(source->ReadFileData(Bytes(4, 0)), EFileSource);
    EXPECT_EQ(source->FileName(), "");
}

TEST_F(FileSourceTest, AHeldFileCannotBeChangedAndIsUsedOnlyAsWritten) {
    auto source = MakeSource();
    source->SetHold(true);
    source->ReadFileData(EncodeFileData(library, false));
    const std::string name = source->FileName();
    EXPECT_TRUE(files.Held(name));
    EXPECT_EQ(source->IntactFileName(), name);
    EXPECT_EQ(files.Delete(name), platform::file_error::SharingViolation);

    // Something that ignores the hold changes it: no longer ours to use.
    Bytes changed = library;
    changed[100] ^= 1;
    files.Put(name, changed);
    EXPECT_EQ(source->FileName(), name);
    EXPECT_EQ(source->IntactFileName(), "");

    // Writing anew lets the old file go and deletes it.
    source->ReadFileData(EncodeFileData(library, false));
    EXPECT_FALSE(files.FileExists(name));
    EXPECT_EQ(source->IntactFileName(), source->FileName());

    // A file that cannot be held, or was changed before it was held, is not left behind.
    files.FailNext("Hold", platform::file_error::SharingViolation);
    EXPECT_EQ(FailureOf([&] { source->ReadFileData(EncodeFileData(library, false)); }),
              "Cannot hold file C:\\Temp\\~fs70.dll (error 32)");
    files.FailNext("Read", platform::file_error::AccessDenied);
    EXPECT_EQ(FailureOf([&] { source->ReadFileData(EncodeFileData(library, false)); }),
              "File C:\\Temp\\~fs70.dll was changed as it was written");
    EXPECT_EQ(files.FileNames(), Names{});
    EXPECT_EQ(source->FileName(), "");
    source.reset();
    EXPECT_TRUE(files.FileNames().empty());
}

TEST_F(FileSourceTest, PropertiesArePublishedInOrderAndCompressImpliesStore) {
    TFileSource source(owner, "Src", files, clock);
    const Names names = source.PropertyNames();
    EXPECT_EQ(Names(names.end() - 5, names.end()),
              (Names{"Compress", "DisplayLabel", "Extension", "FileName", "Store"}));
    EXPECT_EQ(source.GetIntegerProperty("Store"), 0);
    source.SetIntegerProperty("Compress", 1);
    EXPECT_EQ(source.GetIntegerProperty("Store"), 1);
    source.SetIntegerProperty("Compress", 0);
    EXPECT_TRUE(source.Store());
}

} // namespace
} // namespace orvane::input
