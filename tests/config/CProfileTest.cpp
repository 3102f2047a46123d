#include "CProfile.h"

#include "CTempDir.h"
#include "CaseNames.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
struct ReadCase {
    const char* name;
    const char* file;
    const char* section;
    const char* key;
    const char* expected;
};

const std::string kLongFile = "[S]\nk=" + std::string(5000, 'x') + "\n";
const std::string kLongValueCut(4096, 'x');

const ReadCase kReads[] = {
    {"plain", "[S]\r\nk=v\r\n", "S", "k", "v"},
    {"caseInsensitiveNames", "[Sec]\nKey=v\n", "sEC", "kEY", "v"},
    {"trimmedNameAndValue", "[S]\n  k  =  a b  \n", "S", "k", "a b"},
    {"splitAtFirstEquals", "[S]\nk=a=b\n", "S", "k", "a=b"},
    {"noInlineComments", "[S]\na=b ;c\n", "S", "a", "b ;c"},
    {"commentNeverMatches", "[S]\n;k=v\nk=w\n", "S", "k", "w"},
    {"lineWithoutEquals", "[S]\nk\n", "S", "k", kMissingValue},
    {"keyBeforeFirstHeader", "k=v\n[S]\n", "S", "k", kMissingValue},
    {"firstSectionWins", "[S]\nk=1\n[S]\nk=2\n", "S", "k", "1"},
    {"firstKeyWins", "[S]\nk=1\nk=2\n", "S", "k", "1"},
    {"secondSectionNotSearched", "[S]\na=1\n[S]\nk=2\n", "S", "k", kMissingValue},
    {"doubleQuotesRemoved", "[S]\nk=\"a b\"\n", "S", "k", "a b"},
    {"singleQuotesRemoved", "[S]\nk='a'\n", "S", "k", "a"},
    {"mixedQuotesKept", "[S]\nk=\"a'\n", "S", "k", "\"a'"},
    {"onePairOnly", "[S]\nk=\"\"a\"\"\n", "S", "k", "\"a\""},
    {"headerUpToLastBracket", "[ a]b ] x\nk=v\n", "a]b", "k", "v"},
    {"crOnlyLines", "[S]\rk=v\r", "S", "k", "v"},
    {"runsOfLineEnds", "[S]\r\n\r\n\n\rk=v", "S", "k", "v"},
    {"emptyValue", "[S]\nk=\n", "S", "k", ""},
    {"bytesUnchanged", "[S]\nk=\xEF\xBB\xBF\xE4\xB8\x80\xFF\n", "S", "k", "\xEF\xBB\xBF\xE4\xB8\x80\xFF"},
    {"missingSection", "[T]\nk=v\n", "S", "k", kMissingValue},
    {"longValueCut", kLongFile.c_str(), "S", "k", kLongValueCut.c_str()},
};

class ProfileRead : public testing::TestWithParam<ReadCase> {};

TEST_P(ProfileRead, GivesValueOrDefault)
{
    CTempDir dir;
    CProfile profile;
    profile.Open(dir.Write("a.ini", GetParam().file));
    EXPECT_EQ(profile.GetString(GetParam().section, GetParam().key, kMissingValue), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileRead, testing::ValuesIn(kReads), ByCaseName());

struct WriteCase {
    const char* name;
    const char* before;  // nullptr: the file does not exist
    const char* section;
    const char* key;      // nullptr: delete the section
    const char* value;    // nullptr: delete the key
    const char* after;
};

const WriteCase kWrites[] = {
    {"newFileUsesCrLf", nullptr, "S", "k", "v", "[S]\r\nk=v\r\n"},
    {"replaceKeepsSpellingAndLineEnd", "; c\n[S]\n  KeY = old\nx=1\n", "s", "key", "new", "; c\n[S]\nKeY=new\nx=1\n"},
    {"replaceFirstOccurrenceOnly", "[S]\nk=1\nk=2\n", "S", "k", "3", "[S]\nk=3\nk=2\n"},
    {"newKeyAfterLastKeyLine", "[S]\na=1\n\n; note\n[T]\nb=2\n", "S", "c", "3",
     "[S]\na=1\nc=3\n\n; note\n[T]\nb=2\n"},
    {"newKeyInEmptySection", "[S]\n\n[T]\n", "S", "k", "v", "[S]\nk=v\n\n[T]\n"},
    {"newKeyAtEndWithoutFinalLineEnd", "[S]\r\na=1", "S", "b", "2", "[S]\r\na=1\r\nb=2\r\n"},
    {"newSectionAppended", "[S]\na=1\n", "T", "k", "v", "[S]\na=1\n[T]\nk=v\n"},
    {"newSectionAfterMissingLineEnd", "[S]\r\na=1", "T", "k", "v", "[S]\r\na=1\r\n[T]\r\nk=v\r\n"},
    {"crOnlyFileKeepsCr", "[S]\ra=1\r", "S", "b", "2", "[S]\ra=1\rb=2\r"},
    {"deleteKeyRemovesLine", "[S]\r\na=1\r\nb=2\r\n", "S", "a", nullptr, "[S]\r\nb=2\r\n"},
    {"deleteMissingKeyChangesNothing", "[S]\na=1\n", "S", "z", nullptr, "[S]\na=1\n"},
    {"deleteSectionUpToNextHeader", "[S]\na=1\n; c\n\n[T]\nb=2\n", "S", nullptr, nullptr, "[T]\nb=2\n"},
    {"deleteLastSection", "x=0\n[T]\nb=2\n[S]\na=1", "s", nullptr, nullptr, "x=0\n[T]\nb=2\n"},
};

class ProfileWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWrite, EditsInPlace)
{
    const WriteCase& c = GetParam();
    CTempDir dir;
    const std::string path = dir.File("a.ini");
    if (c.before)
        WriteFileBytes(path, c.before);
    CProfile profile;
    profile.Open(path);
    bool ok;
    if (!c.key)
        ok = profile.DeleteSection(c.section);
    else if (!c.value)
        ok = profile.DeleteKey(c.section, c.key);
    else
        ok = profile.WriteString(c.section, c.key, c.value);
    EXPECT_TRUE(ok);
    EXPECT_EQ(ReadFileBytes(path), c.after);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileWrite, testing::ValuesIn(kWrites), ByCaseName());

TEST(Profile, UnboundAccessorReadsEmptyAndRefusesWrites)
{
    CProfile profile;
    std::vector<std::string> names{"kept"};
    int value = 7;
    EXPECT_EQ(profile.GetString("S", "k", kMissingValue), "");
    EXPECT_FALSE(profile.WriteString("S", "k", "v"));
    EXPECT_FALSE(profile.DeleteKey("S", "k"));
    EXPECT_FALSE(profile.DeleteSection("S"));
    EXPECT_FALSE(profile.GetKeyNames("S", names));
    EXPECT_FALSE(profile.Get2nd("S", value));
    EXPECT_EQ(names, std::vector<std::string>{"kept"});
    EXPECT_EQ(value, 7);
}

TEST(Profile, KeyNamesInFileOrderAppendedAndThe2ndNumber)
{
    CTempDir dir;
    CProfile profile;
    profile.Open(dir.Write("a.ini", "[S]\nb=1\n;c=2\nnoequals\n A = 3\n[T]\nz=1\n"));
    std::vector<std::string> names{"first"};
    EXPECT_TRUE(profile.GetKeyNames("s", names));
    EXPECT_EQ(names, (std::vector<std::string>{"first", "b", "A"}));
    EXPECT_TRUE(profile.GetKeyNames("missing", names));
    EXPECT_EQ(names.size(), 3u);

    // Get2nd reads the leading number, in the forms of every capability range.
    const std::pair<const char*, int> cases[] = {{"[V]\n2nd=  42x\n", 42}, {"[V]\n", 0}, {"[V]\n2nd=\"7\"\n", 7}};
    for (const auto& [file, expected] : cases) {
        dir.Write("a.ini", file);
        int value = -99;
        EXPECT_TRUE(profile.Get2nd("V", value));
        EXPECT_EQ(value, expected) << file;
    }
}

// A write renames a new file into place, with the old one's permissions.
TEST(Profile, EveryCallSeesTheFileAsItIsNowAndAWriteReplacesItWhole)
{
    CTempDir dir;
    const std::string path = dir.Write("a.ini", "[S]\nk=1\n");
    chmod(path.c_str(), 0640);
    CProfile profile;
    profile.Open(path);
    EXPECT_EQ(profile.GetString("S", "k", ""), "1");
    WriteFileBytes(path, "[S]\nk=22\n");
    EXPECT_EQ(profile.GetString("S", "k", ""), "22");
    struct stat before {};
    stat(path.c_str(), &before);
    CProfile other;
    other.Open(path);
    EXPECT_TRUE(other.WriteString("S", "k", "3"));
    struct stat after {};
    stat(path.c_str(), &after);
    EXPECT_NE(before.st_ino, after.st_ino);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadFileBytes(path), "[S]\nk=3\n");
    EXPECT_EQ(profile.GetString("S", "k", ""), "3");
}

TEST(Profile, FailedWritesLeaveTheOldFile)
{
    CTempDir dir;
    const std::string inReadOnlyFolder = dir.Write("ro/a.ini", "[S]\nk=1\n");
    chmod(dir.File("ro").c_str(), 0555);
    const std::string readOnlyFile = dir.Write("b.ini", "[S]\nk=1\n");
    chmod(readOnlyFile.c_str(), 0444);
    // The value with a line break would be stored altered.
    const std::pair<std::string, std::string> writes[] = {{dir.File("none/a.ini"), "v"},
                                                          {inReadOnlyFolder, "2"},
                                                          {readOnlyFile, "2"},
                                                          {dir.Write("c.ini", "[S]\nk=1\n"), "a\r\n[Evil]"}};
    for (const auto& [path, value] : writes) {
        const std::string before = ReadFileBytes(path);
        CProfile profile;
        profile.Open(path);
        EXPECT_FALSE(profile.WriteString("S", "k", value)) << path;
        EXPECT_EQ(ReadFileBytes(path), before) << path;
    }
    EXPECT_FALSE(FileExists(dir.File("none")));
}

TEST(Profile, MissingCapabilityFileFallsBackToShippedData)
{
    CTempDir dir;
    CProfile capability;
    capability.Open(dir.File("PrinterSetting/PJLConfig.txt"));
    EXPECT_NE(capability.GetPath(), dir.File("PrinterSetting/PJLConfig.txt"));
    EXPECT_EQ(capability.GetPath().substr(capability.GetPath().size() - 14), "/PJLConfig.txt");

    CProfile other;
    other.Open(dir.File("missing.ini"));
    EXPECT_EQ(other.GetPath(), dir.File("missing.ini"));
}
}
