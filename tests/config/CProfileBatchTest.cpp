#include "CProfile.h"
#include "CProfileBatch.h"

#include "CTempDir.h"
#include "CaseNames.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

#include <regex>

namespace {
struct Edit {
    const char* section;
    const char* key;    // nullptr: delete the section
    const char* value;  // nullptr: delete the key
};

// What a save does to a setting file, and what it must survive: new keys
// and sections, deletes before and after writes, spellings of another case,
// and a value the file cannot hold.
const Edit kEdits[] = {
    {"QXSD", "QXSD Version", "9.9.9"},
    {"hpglpen", "PEN1", "18,ROUND,ROUND,RED"},
    {"HPGLPen", "Pen33", "35,SQUARE,MITTER,BLACK"},
    {"Color", "RasterColor", nullptr},
    {"Color", "RasterColor", "RED"},
    {"Label", nullptr, nullptr},
    {"Label", "Label", "ON"},
    {"Stamp", "StampNumberingString", "a\r\n[Evil]"},
    {"Missing", "Key", nullptr},
    {"Missing", nullptr, nullptr},
    {"New Section", "Key", "=value with = and ; "},
    {"PaperSize", "Paper1Size", "AUTO_R1"},
    {"QXSD", "HPPJL Version", "1.0.0"},
};

// Deletes alone leave a missing file missing.
const Edit kDeletes[] = {{"Stamp", "StampID", nullptr}, {"Label", nullptr, nullptr}};

struct FileCase {
    const char* name;
    std::string bytes;  // empty: no file
};

void PrintTo(const FileCase& c, std::ostream* out)
{
    *out << c.name;
}

std::string WithCrLf(const std::string& bytes)
{
    return std::regex_replace(bytes, std::regex("\n"), "\r\n");
}

const std::string kDefaultOrg = ReadFileBytes(std::string(test_config::kSourceDir) + "PrinterSetting/default.org");
const std::string kFull = ReadFileBytes(std::string(test_config::kTestDataDir) + "settings/full.prn");

const FileCase kFiles[] = {{"DefaultOrg", kDefaultOrg}, {"Full", kFull}, {"CrLf", WithCrLf(kFull)}, {"Missing", ""}};

// A profile stores each edit at once, a batch on Commit.
template <class Target>
void Apply(Target& target, const std::vector<Edit>& edits)
{
    for (const Edit& edit : edits) {
        if (!edit.key)
            target.DeleteSection(edit.section);
        else if (!edit.value)
            target.DeleteKey(edit.section, edit.key);
        else
            target.WriteString(edit.section, edit.key, edit.value);
    }
}

class CProfileBatchTest : public testing::TestWithParam<FileCase> {};

TEST_P(CProfileBatchTest, GivesTheBytesOfTheSameEditsOneByOne)
{
    for (const auto& edits : {std::vector<Edit>(std::begin(kEdits), std::end(kEdits)),
                              std::vector<Edit>(std::begin(kDeletes), std::end(kDeletes))}) {
        CTempDir dir;
        const std::string single = dir.File("single.prn");
        const std::string batch = dir.File("batch.prn");
        if (!GetParam().bytes.empty()) {
            WriteFileBytes(single, GetParam().bytes);
            WriteFileBytes(batch, GetParam().bytes);
        }
        CProfile profile;
        profile.Open(single);
        Apply(profile, edits);
        CProfileBatch inOneBatch(batch);
        Apply(inOneBatch, edits);
        EXPECT_TRUE(inOneBatch.Commit());
        EXPECT_EQ(FileExists(batch), FileExists(single));
        EXPECT_EQ(ReadFileBytes(batch), ReadFileBytes(single));
        EXPECT_EQ(FilesBelow(dir.Path()).size(), FileExists(single) ? 2u : 0u);
        EXPECT_TRUE(!FileExists(single) || ReadFileBytes(single) != GetParam().bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, CProfileBatchTest, testing::ValuesIn(kFiles), ByCaseName());
}
