#include "store/DataFile.h"
#include "store/FileConversion.h"
#include "store/LineCipher.h"
#include "store/StoreError.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace store;
using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const std::string kPlain = crlfLines({
    "000010000001Open      Garden\xAC" "seeds",
    "000010000002Ann\xAC" "ann@example.org",
    "000020000101Tomatoes\xAC",
});

TEST(FileConversion, EncipheringLeavesTheNewFileAndAPlainBackupOnly)
{
    TempFolder folder;
    const fs::path plain = folder.write("notes.bcn", kPlain);
    EXPECT_EQ(ConvertDataFile(plain, "pw").conversion, Conversion::Enciphered);

    EXPECT_FALSE(fs::exists(plain));
    EXPECT_EQ(readFile(folder.file("BackUp_notes.bcn")), kPlain);
    const std::string enciphered = readFile(folder.file("notes.bcy"));
    EXPECT_EQ(enciphered.substr(0, enciphered.find("\r\n")),
              ScrambleLine(EncipherLine("000010000001Open      Garden\xAC" "seeds", "pw")));

    AppState state;
    openFile(state, folder.file("notes.bcy"), true, "pw");
    ASSERT_FALSE(state.LoadFailed);
    EXPECT_EQ(state.Records[2].Content, "Tomatoes\xAC");
}

TEST(FileConversion, DecipheringGivesBackTheSameLines)
{
    TempFolder folder;
    ConvertDataFile(folder.write("notes.bcn", kPlain), "pw");
    EXPECT_EQ(ConvertDataFile(folder.file("notes.bcy"), "pw").conversion, Conversion::Deciphered);
    EXPECT_EQ(readFile(folder.file("notes.bcn")), kPlain);
    EXPECT_FALSE(fs::exists(folder.file("notes.bcy")));
    // The backup of the enciphered file is enciphered.
    EXPECT_EQ(readFile(folder.file("BackUp_notes.bcy")).find_first_not_of("0123456789,\r\n"), std::string::npos);
}

TEST(FileConversion, AnExistingFileOfTheOtherKindIsKeptAsABackupBeforeItIsReplaced)
{
    TempFolder folder;
    folder.write("notes.bcy", "other records\r\n");
    const ConversionResult result = ConvertDataFile(folder.write("notes.bcn", kPlain), "pw");
    EXPECT_EQ(result.keptTarget, folder.file("BackUp_notes.bcy"));
    EXPECT_EQ(readFile(folder.file("BackUp_notes.bcy")), "other records\r\n");
    EXPECT_EQ(readFile(folder.file("BackUp_notes.bcn")), kPlain);
    EXPECT_NE(readFile(folder.file("notes.bcy")), "other records\r\n");
    EXPECT_EQ(conversionMessage(result),
              "File encrypted. The file notes.bcy that was already there is kept as BackUp_notes.bcy.");

    const ConversionResult back = ConvertDataFile(folder.file("notes.bcy"), "pw");
    EXPECT_TRUE(back.keptTarget.empty());
    EXPECT_EQ(conversionMessage(back), "File decrypted.");
    EXPECT_EQ(conversionMessage({Conversion::Enciphered, {}}), "File encrypted.");
}

TEST(FileConversion, EmptyAndNewFilesConvert)
{
    TempFolder folder;
    ConvertDataFile(folder.write("empty.bcn", ""), "pw");
    EXPECT_EQ(readFile(folder.file("empty.bcy")), "");
    ConvertDataFile(folder.write("new.bcn", "\r\n"), "pw");
    EXPECT_EQ(readFile(folder.file("new.bcy")), "\r\n");
}

TEST(FileConversion, AWrongPasswordIsRefusedBeforeAnythingChanges)
{
    TempFolder folder;
    ConvertDataFile(folder.write("notes.bcn", kPlain), "pw");
    fs::remove(folder.file("BackUp_notes.bcn"));
    const std::string enciphered = readFile(folder.file("notes.bcy"));
    try {
        ConvertDataFile(folder.file("notes.bcy"), "Pw");
        ADD_FAILURE() << "a wrong password deciphered the file";
    } catch (const StoreError& error) {
        EXPECT_EQ(error.kind(), ErrorKind::WrongPassword);
        EXPECT_STREQ(error.what(), "The password does not fit this file; nothing was changed.");
    }
    EXPECT_EQ(readFile(folder.file("notes.bcy")), enciphered);
    EXPECT_FALSE(fs::exists(folder.file("notes.bcn")));
    EXPECT_FALSE(fs::exists(folder.file("BackUp_notes.bcy")));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(FileConversion, ADamagedOrUnknownFileChangesNothing)
{
    TempFolder folder;
    const fs::path damaged = folder.write("bad.bcy", "048,049\r\nnot codes\r\n");
    EXPECT_THROW(ConvertDataFile(damaged, "pw"), StoreError);
    const fs::path skipping = folder.write("skip.bcn", crlfLines({"000010000001Open      A", "000030000001Open      C"}));
    try {
        ConvertDataFile(skipping, "pw");
        ADD_FAILURE() << "a file that does not load was enciphered";
    } catch (const StoreError& error) {
        EXPECT_THAT(error.what(), ::testing::StartsWith("The file '" + skipping.string() + "' does not load"));
        EXPECT_THAT(error.what(), ::testing::EndsWith("; nothing was changed."));
    }
    EXPECT_FALSE(fs::exists(folder.file("skip.bcy")));
    EXPECT_FALSE(fs::exists(folder.file("BackUp_skip.bcn")));
    EXPECT_EQ(readFile(damaged), "048,049\r\nnot codes\r\n");
    EXPECT_FALSE(fs::exists(folder.file("bad.bcn")));
    EXPECT_FALSE(fs::exists(folder.file("BackUp_bad.bcy")));

    const fs::path upper = folder.write("NOTES.BCN", kPlain);
    EXPECT_THROW(ConvertDataFile(upper, "pw"), StoreError);
    EXPECT_TRUE(fs::exists(upper));
    EXPECT_THROW(ConvertDataFile(folder.file("missing.bcn"), "pw"), StoreError);
}

} // namespace
