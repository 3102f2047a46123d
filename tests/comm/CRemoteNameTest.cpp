#include "CRemoteName.h"

#include "CFormatTable.h"
#include "CPrintJob.h"

#include "CMessageRecorder.h"
#include "CTempDir.h"
#include "ResourceIds.h"

#include <gtest/gtest.h>

namespace {
TEST(RemoteName, FolderOfThePrinterNumber)
{
    EXPECT_EQ(CRemoteName::Folder(0), "plt00p");
    EXPECT_EQ(CRemoteName::Folder(7), "plt07p");
    EXPECT_EQ(CRemoteName::Folder(99), "plt99p");
}

class RemoteFileName : public testing::Test {
protected:
    void Add(const std::string& name)
    {
        auto entry = std::make_unique<CPrintData>();
        ASSERT_TRUE(entry->SetFile(m_files.Write(name, "IN;"), m_formats));
        m_job.InsertAt(m_job.GetCount(), std::move(entry));
    }

    CTempDir m_files;
    CFormatTable m_formats{{"HPGL"}, {"hpg"}, "(unknown)"};
    CPrintJob m_job;
    CMessageRecorder m_messages;
};

// A job without entries is the setup job.
TEST_F(RemoteFileName, FirstEntryNamesTheJob)
{
    EXPECT_EQ(CRemoteName::FileName(m_job), "SetupPrint.pjl");
    Add("A0 #1 100%.hpg");
    Add("B.hpg");
    m_job.SetReverseOrder(true);
    EXPECT_EQ(CRemoteName::FileName(m_job), "A0 #1 100%.hpg.pjl");
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(RemoteFileName, ControlCharactersAreRefused)
{
    for (const std::string name : {"a\nb.hpg", "a\rb.hpg", "tab\t.hpg", "del\x7f.hpg"}) {
        m_job.DeleteAt(0);
        m_messages.Clear();
        Add(name);
        EXPECT_EQ(CRemoteName::FileName(m_job), std::nullopt) << name;
        EXPECT_EQ(m_messages.Ids(), std::vector<unsigned>{ResId::kUnusableNameMessage});
        EXPECT_NE(m_messages.Messages()[0].text.find(name), std::string::npos);
    }
}
}
