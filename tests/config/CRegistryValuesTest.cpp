#include "CRegistryValues.h"

#include "CProcess.h"
#include "CProgramVersion.h"
#include "CRegistry.h"
#include "CScopedEnvironment.h"
#include "CTempDir.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

namespace {
using Hive = CRegistry::Hive;

class RegistryValuesTest : public testing::Test {
protected:
    void Store(const char* name, const std::string& text, Hive hive = Hive::CurrentUser)
    {
        ASSERT_TRUE(CRegistry().WriteValue(hive, CRegistryValues::ProgramKey(), name, text));
    }
    CProcessResult RunInstallScript(const std::vector<std::string>& accountArgs)
    {
        std::vector<std::string> args{std::string(test_config::kSourceDir) + "scripts/install-machine-key",
                                      "--version-key", CProgramVersion::GetVersionKey()};
        args.insert(args.end(), accountArgs.begin(), accountArgs.end());
        return CProcess::Run("/bin/sh", args, {{"QX_SENDORA_REGISTRY_DIR", m_dir.Path()}});
    }

    CTempDir m_dir;
    CScopedEnvironment m_registryDir{"QX_SENDORA_REGISTRY_DIR", m_dir.Path()};
};

TEST_F(RegistryValuesTest, PrinterNoIsANumberFromZeroTo99)
{
    EXPECT_EQ(CRegistryValues::ReadPrinterNo(), 0);
    const std::pair<const char*, int> stored[] = {{"", 0},   {"7", 7},   {"07", 7},   {"99", 99}, {"100", 0},
                                                  {"-1", 0}, {"abc", 0}, {"4x", 0}};
    for (const auto& [text, number] : stored) {
        Store("PrinterNo", text);
        EXPECT_EQ(CRegistryValues::ReadPrinterNo(), number) << text;
    }
}

TEST_F(RegistryValuesTest, FtpAccountComesFromTheMachineHiveAndDefaultsWhenMissingOrEmpty)
{
    Store("FtpUserName", "user-level");
    EXPECT_EQ(CRegistryValues::ReadFtpUserName() + "/" + CRegistryValues::ReadFtpPassword(), "Sendora/KX");
    Store("FtpUserName", "", Hive::LocalMachine);
    Store("FtpPassword", "", Hive::LocalMachine);
    EXPECT_EQ(CRegistryValues::ReadFtpUserName() + "/" + CRegistryValues::ReadFtpPassword(), "Sendora/KX");
    Store("FtpUserName", "plot", Hive::LocalMachine);
    Store("FtpPassword", "s3cret", Hive::LocalMachine);
    EXPECT_EQ(CRegistryValues::ReadFtpUserName() + "/" + CRegistryValues::ReadFtpPassword(), "plot/s3cret");
}

// Read back through the owner and printer choices' tests.
TEST_F(RegistryValuesTest, WindowStateIsWrittenInOrder)
{
    ASSERT_TRUE(CRegistryValues::WriteWindowState(7, "alice", "plotter1", "A0 drawings"));
    EXPECT_EQ(ReadFileBytes(m_dir.File("HKEY_CURRENT_USER.ini")),
              "[" + CRegistryValues::ProgramKey() +
                  "]\r\nPrinterNo=7\r\nOwnerName=alice\r\nPrinterName=plotter1\r\nPrinterSetting=A0 drawings\r\n");
    EXPECT_EQ(CRegistryValues::ReadPrinterSetting(), "A0 drawings");
}

// A line break it refuses, writing nothing.
TEST_F(RegistryValuesTest, InstallScriptTakesTheAccountAndKeepsOtherValues)
{
    EXPECT_NE(RunInstallScript({"user", "pass\nword"}).exitCode, 0);
    EXPECT_FALSE(FileExists(m_dir.File("HKEY_LOCAL_MACHINE.ini")));
    Store("Other", "kept", Hive::LocalMachine);
    Store("FtpUserName", "old", Hive::LocalMachine);
    ASSERT_TRUE(CRegistry().WriteValue(Hive::LocalMachine, "Software\\Else", "FtpUserName", "untouched"));
    const CProcessResult result = RunInstallScript({" plot user", "p\"w=1"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(CRegistryValues::ReadFtpUserName(), " plot user");
    EXPECT_EQ(CRegistryValues::ReadFtpPassword(), "p\"w=1");
    EXPECT_EQ(CRegistry().ReadValue(Hive::LocalMachine, CRegistryValues::ProgramKey(), "Other"), "kept");
    EXPECT_EQ(CRegistry().ReadValue(Hive::LocalMachine, "Software\\Else", "FtpUserName"), "untouched");
}

TEST_F(RegistryValuesTest, InstallStepCreatesTheMachineKeyWithTheDefaultAccount)
{
    EXPECT_FALSE(CRegistryValues::IsInstalled());
    const std::string buildDir = std::string(test_config::kProgramDir) + "..";
    const CProcessResult result =
        CProcess::Run("/usr/bin/env", {"cmake", "--install", buildDir, "--component", "MachineKey"},
                      {{"QX_SENDORA_REGISTRY_DIR", m_dir.Path()}});
    ASSERT_EQ(result.exitCode, 0) << result.out << result.err;
    EXPECT_EQ(ReadFileBytes(m_dir.File("HKEY_LOCAL_MACHINE.ini")),
              "[" + CRegistryValues::ProgramKey() + "]\nFtpUserName=Sendora\nFtpPassword=KX\n");
    EXPECT_TRUE(CRegistryValues::IsInstalled());
}
}
