#include "CRegistry.h"

#include "CScopedEnvironment.h"
#include "CTempDir.h"
#include "CaseNames.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <tuple>

namespace {
using Hive = CRegistry::Hive;

const std::string kKey = "Software\\Marovia\\QX-Sendora\\3.4";

class RegistryTest : public testing::Test {
protected:
    // A folder that does not exist yet: the first write creates it.
    std::string Folder() const { return m_dir.Path() + "hives/nested/"; }
    std::string UserFile() const { return Folder() + "HKEY_CURRENT_USER.ini"; }

    CTempDir m_dir;
    CScopedEnvironment m_registryDir{"QX_SENDORA_REGISTRY_DIR", m_dir.Path() + "hives/nested"};
    CRegistry m_registry;
};

// Names compare without regard to case; "*" and "" name the default value.
TEST_F(RegistryTest, WriteCreatesParentFoldersAndStoresOneLinePerValue)
{
    ASSERT_FALSE(FileExists(Folder()));
    EXPECT_EQ(m_registry.ReadValue(Hive::CurrentUser, kKey, "PrinterNo"), "");
    EXPECT_TRUE(m_registry.WriteValue(Hive::CurrentUser, kKey, "PrinterNo", "7"));
    EXPECT_TRUE(m_registry.WriteValue(Hive::CurrentUser, kKey, "OwnerName", "alice"));
    EXPECT_TRUE(m_registry.WriteValue(Hive::CurrentUser, kKey, "PrinterNo", "12"));
    EXPECT_EQ(ReadFileBytes(UserFile()), "[Software\\Marovia\\QX-Sendora\\3.4]\r\nPrinterNo=12\r\nOwnerName=alice\r\n");

    ASSERT_TRUE(m_registry.WriteValue(Hive::CurrentUser, kKey, "*", "default"));
    EXPECT_EQ(m_registry.ReadValue(Hive::CurrentUser, "software\\marovia\\qx-sendora\\3.4", "ownername"), "alice");
    EXPECT_EQ(m_registry.ReadValue(Hive::CurrentUser, kKey, "*"), "default");
    EXPECT_EQ(m_registry.ReadValue(Hive::CurrentUser, kKey, ""), "default");
    EXPECT_EQ(m_registry.ReadValue(Hive::CurrentUser, kKey, "PrinterName"), "");
    EXPECT_EQ(m_registry.ReadValue(Hive::CurrentUser, kKey + "\\Other", "OwnerName"), "");
}

// Except HKEY_CLASSES_ROOT, which is refused without touching anything.
TEST_F(RegistryTest, EachHiveHasItsOwnFile)
{
    EXPECT_FALSE(m_registry.WriteValue(Hive::ClassesRoot, kKey, "Value", "x"));
    EXPECT_EQ(m_registry.ReadValue(Hive::ClassesRoot, kKey, "Value"), "");
    EXPECT_FALSE(m_registry.KeyExists(Hive::ClassesRoot, kKey));
    EXPECT_FALSE(CRegistry::HiveFile(Hive::ClassesRoot));
    EXPECT_FALSE(FileExists(Folder()));
    const std::pair<Hive, std::string> hives[] = {{Hive::LocalMachine, "HKEY_LOCAL_MACHINE"},
        {Hive::CurrentUser, "HKEY_CURRENT_USER"}, {Hive::Users, "HKEY_USERS"},
        {Hive::CurrentConfig, "HKEY_CURRENT_CONFIG"}};
    for (const auto& [hive, name] : hives)
        EXPECT_TRUE(m_registry.WriteValue(hive, kKey, "FtpUserName", name));
    for (const auto& [hive, name] : hives) {
        EXPECT_EQ(m_registry.ReadValue(hive, kKey, "FtpUserName"), name);
        EXPECT_TRUE(FileExists(Folder() + name + ".ini")) << name;
    }
}

class RegistryRoundTripTest : public RegistryTest, public testing::WithParamInterface<std::string> {};

TEST_P(RegistryRoundTripTest, ReadsBackExactlyWhatWasWritten)
{
    ASSERT_TRUE(m_registry.WriteValue(Hive::CurrentUser, kKey, "Value", GetParam()));
    ASSERT_TRUE(m_registry.WriteValue(Hive::CurrentUser, kKey, "Neighbour", "kept"));
    EXPECT_EQ(m_registry.ReadValue(Hive::CurrentUser, kKey, "Value"), GetParam());
    EXPECT_EQ(m_registry.ReadValue(Hive::CurrentUser, kKey, "Neighbour"), "kept");
}

INSTANTIATE_TEST_SUITE_P(Texts, RegistryRoundTripTest,
                         testing::Values("", "7", "plotter-3.example", " leading blank", "trailing blank ",
                                         "\tleading tab", "\"quoted\"", "'single'", "\"", "'", "\"half",
                                         "a=b;c#d", "[not a section]", "; not a comment", "C:\\Plot Files\\",
                                         "HP-PJL_NOTHING", "caf\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac",
                                         std::string(4096, 'x')));

struct RefusedWrite {
    const char* name;
    std::string keyPath;
    std::string valueName;
    std::string text;
};

class RegistryRefusalTest : public RegistryTest, public testing::WithParamInterface<RefusedWrite> {};

TEST_P(RegistryRefusalTest, RefusesWhatCannotBeReadBackAndKeepsTheOldValue)
{
    const RefusedWrite& write = GetParam();
    ASSERT_TRUE(m_registry.WriteValue(Hive::CurrentUser, kKey, "Value", "old"));
    const std::string before = ReadFileBytes(UserFile());
    EXPECT_FALSE(m_registry.WriteValue(Hive::CurrentUser, write.keyPath, write.valueName, write.text));
    EXPECT_EQ(ReadFileBytes(UserFile()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Writes, RegistryRefusalTest,
    testing::ValuesIn(std::vector<RefusedWrite>{
        {"LineFeed", kKey, "Value", "first\nsecond"}, {"CarriageReturn", kKey, "Value", "first\rsecond"},
        {"TrailingLineFeed", kKey, "Value", "text\n"}, {"Nul", kKey, "Value", std::string("a\0b", 3)},
        {"TooLong", kKey, "Value", std::string(4097, 'x')}, {"NameWithEquals", kKey, "a=b", "x"},
        {"NameLikeSection", kKey, "[a", "x"}, {"NameLikeComment", kKey, ";a", "x"}, {"NameWithBlank", kKey, " a", "x"},
        {"NameWithLineBreak", kKey, "a\nb", "x"}, {"KeyWithBracket", kKey + "]x", "Value", "x"},
        {"KeyWithLineBreak", "Software\nX", "Value", "x"}, {"KeyWithBlank", kKey + " ", "Value", "x"}}),
    ByCaseName());

TEST_F(RegistryTest, KeyExistsForStoredKeysAndTheirParentsAlsoInAReadOnlyFile)
{
    EXPECT_FALSE(m_registry.KeyExists(Hive::LocalMachine, kKey));
    ASSERT_TRUE(m_registry.WriteValue(Hive::LocalMachine, kKey, "FtpUserName", "Sendora"));
    EXPECT_TRUE(m_registry.KeyExists(Hive::LocalMachine, kKey));
    EXPECT_TRUE(m_registry.KeyExists(Hive::LocalMachine, "software\\MAROVIA"));
    EXPECT_FALSE(m_registry.KeyExists(Hive::LocalMachine, "Software\\Marov"));
    EXPECT_FALSE(m_registry.KeyExists(Hive::LocalMachine, kKey + "\\Sub"));
    EXPECT_FALSE(m_registry.KeyExists(Hive::LocalMachine, "Software\\Marovia\\QX-Sendora\\3.5"));
    EXPECT_FALSE(m_registry.KeyExists(Hive::CurrentUser, kKey));
    WriteFileBytes(Folder() + "HKEY_CURRENT_USER.ini", "[" + kKey + "]\n");
    EXPECT_TRUE(m_registry.KeyExists(Hive::CurrentUser, kKey)) << "a key without values";

    // A read-only machine file is still read.
    ASSERT_TRUE(m_registry.WriteValue(Hive::LocalMachine, kKey, "FtpPassword", "secret"));
    const std::string file = Folder() + "HKEY_LOCAL_MACHINE.ini";
    ASSERT_EQ(chmod(file.c_str(), 0444), 0);
    ASSERT_EQ(chmod(Folder().c_str(), 0555), 0);
    EXPECT_EQ(m_registry.ReadValue(Hive::LocalMachine, kKey, "FtpPassword"), "secret");
    EXPECT_TRUE(m_registry.KeyExists(Hive::LocalMachine, kKey));
    EXPECT_FALSE(m_registry.WriteValue(Hive::LocalMachine, kKey, "FtpPassword", "changed"));
    EXPECT_EQ(m_registry.ReadValue(Hive::LocalMachine, kKey, "FtpPassword"), "secret");
}

// The override folder holds every hive; else the user's follows an absolute
// XDG_CONFIG_HOME.
TEST(RegistryLocationTest, HiveFilesFollowTheOverrideElseXdgConfigHome)
{
    using Variable = std::optional<std::string>;
    const std::string portable = "/opt/portable/registry/";
    const std::string home = "/home/alice/.config/qx-sendora/HKEY_CURRENT_USER.ini";
    const std::tuple<Variable, Variable, Hive, std::string> cases[] = {
        {portable, "/srv/config", Hive::CurrentUser, portable + "HKEY_CURRENT_USER.ini"},
        {portable, std::nullopt, Hive::LocalMachine, portable + "HKEY_LOCAL_MACHINE.ini"},
        {std::nullopt, "/srv/config", Hive::CurrentUser, "/srv/config/qx-sendora/HKEY_CURRENT_USER.ini"},
        {std::nullopt, "relative/config", Hive::CurrentUser, home},
        {std::nullopt, std::nullopt, Hive::CurrentUser, home},
        {std::nullopt, std::nullopt, Hive::LocalMachine, "/etc/xdg/qx-sendora/HKEY_LOCAL_MACHINE.ini"}};
    CScopedEnvironment user("HOME", "/home/alice");
    for (const auto& [folder, config, hive, file] : cases) {
        CScopedEnvironment override("QX_SENDORA_REGISTRY_DIR", folder);
        CScopedEnvironment xdg("XDG_CONFIG_HOME", config);
        EXPECT_EQ(CRegistry::HiveFile(hive), file);
    }
}
}
