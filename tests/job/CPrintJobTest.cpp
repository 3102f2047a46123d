#include "CPrintJob.h"
#include "CSendFile.h"

#include "CFakeFileSystemQuery.h"
#include "CFormatTable.h"
#include "CMessageRecorder.h"
#include "CScopedEnvironment.h"
#include "CTempDir.h"

#include <gtest/gtest.h>

namespace {
using Fake = CFakeFileSystemQuery;

class PrintJobTest : public testing::Test {
protected:
    // A new entry for a file of the user's folder, copied when remote.
    std::unique_ptr<CPrintData> Entry(const std::string& name, bool remote = false)
    {
        auto entry = std::make_unique<CPrintData>();
        const Fake drive(remote ? Fake::kNfs : Fake::kExt4, false);
        EXPECT_TRUE(entry->SetFile(m_user.Write(name, name), m_formats, drive));
        return entry;
    }
    std::vector<std::string> FileNames(const CPrintJob& job) const
    {
        std::vector<std::string> names;
        for (int i = 0; i < job.GetCount(); ++i)
            names.push_back(job.GetAt(i)->GetFileName());
        return names;
    }
    std::size_t TempFileCount() const { return FilesBelow(m_temp.Path()).size(); }

    CTempDir m_user;
    CTempDir m_temp;
    CScopedEnvironment m_tmpdir{"TMPDIR", m_temp.Path()};
    CMessageRecorder m_messages;
    const CFormatTable m_formats{{"HPGL"}, {"plt"}, "(unknown format)"};
};

using Names = std::vector<std::string>;

TEST_F(PrintJobTest, InsertKeepsTheGivenOrder)
{
    CPrintJob job;
    EXPECT_TRUE(job.InsertAt(0, Entry("b.plt")));
    EXPECT_TRUE(job.InsertAt(0, Entry("a.plt")));
    EXPECT_TRUE(job.InsertAt(2, Entry("d.plt")));
    EXPECT_TRUE(job.InsertAt(2, Entry("c.plt")));
    EXPECT_EQ(FileNames(job), (Names{"a.plt", "b.plt", "c.plt", "d.plt"}));
}

TEST_F(PrintJobTest, OutOfRangeIndexesAreRefused)
{
    CPrintJob job;
    EXPECT_FALSE(job.InsertAt(1, Entry("a.plt")));
    EXPECT_FALSE(job.InsertAt(-1, Entry("a.plt")));
    EXPECT_FALSE(job.InsertAt(0, nullptr));
    EXPECT_EQ(job.GetCount(), 0);
    ASSERT_TRUE(job.InsertAt(0, Entry("a.plt")));
    EXPECT_EQ(job.GetAt(1), nullptr);
    EXPECT_EQ(job.GetAt(-1), nullptr);
    EXPECT_EQ(job.RemoveAt(1), nullptr);
    EXPECT_FALSE(job.DeleteAt(-1));
    EXPECT_EQ(job.GetCount(), 1);
}

// Entries take their copies along when they move, and the copy goes with
// the entry, whenever that goes; the user's files stay.
TEST_F(PrintJobTest, CopiesLiveAsLongAsTheirEntries)
{
    const Names names{"a.plt", "b.plt", "c.plt", "d.plt"};
    auto job = std::make_unique<CPrintJob>();
    for (const auto& name : names)
        ASSERT_TRUE(job->InsertAt(job->GetCount(), Entry(name, true)));
    const std::string copy = job->GetAt(2)->GetSendPath();
    auto moved = job->RemoveAt(2);
    ASSERT_NE(moved, nullptr);
    EXPECT_TRUE(FileExists(copy));
    ASSERT_TRUE(job->InsertAt(1, std::move(moved)));
    EXPECT_EQ(FileNames(*job), (Names{"a.plt", "c.plt", "b.plt", "d.plt"}));
    EXPECT_EQ(job->GetAt(1)->GetSendPath(), copy);
    EXPECT_EQ(ReadFileBytes(copy), "c.plt");

    ASSERT_TRUE(job->DeleteAt(0));
    EXPECT_EQ(TempFileCount(), 3u);
    auto removed = job->RemoveAt(0);
    EXPECT_EQ(TempFileCount(), 3u);
    removed.reset();
    EXPECT_EQ(TempFileCount(), 2u);
    job.reset();
    EXPECT_EQ(TempFileCount(), 0u);
    for (const auto& name : names)
        EXPECT_EQ(ReadFileBytes(m_user.File(name)), name);
}

// The send file goes with its last owner, whichever that is, and only then.
TEST_F(PrintJobTest, SendFileIsDeletedWithItsLastOwner)
{
    auto first = CHeldTempFile::CreateNamed(m_temp.Path(), "MSD");
    auto second = CHeldTempFile::CreateNamed(m_temp.Path(), "MSD");
    ASSERT_TRUE(first && second);
    const std::string firstPath = first->GetPath();
    const std::string secondPath = second->GetPath();
    CSendFile held;
    {
        CSendFile file(std::move(*first));
        held = std::move(file);
    }
    EXPECT_TRUE(FileExists(firstPath));
    held = CSendFile(std::move(*second));
    EXPECT_FALSE(FileExists(firstPath));
    EXPECT_EQ(held.GetPath(), secondPath);
    held = CSendFile();
    EXPECT_FALSE(FileExists(secondPath));
    EXPECT_TRUE(m_messages.Messages().empty());
}
}
