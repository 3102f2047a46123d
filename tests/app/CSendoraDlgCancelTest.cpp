#include "CSendFromWindowFixture.h"

#include "CMakeSendFile.h"
#include "CMessageService.h"
#include "CSendFileDlg.h"
#include "CUploadThread.h"
#include "ResourceIds.h"
#include "SimulatorOptions.h"

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <iterator>

// Sends from the main window that the user ends early: Cancel pressed, or
// the window closed, in the printer dialogue, the build or the upload.
namespace {
using namespace std::chrono_literals;

constexpr std::uint64_t kStallBytes = 256 << 10;
// More than the sockets of both sides hold once the printer stalls.
constexpr std::uint64_t kLargeFileBytes = 48 << 20;

// Threads of this process, which may end a while after their work.
int ThreadCount()
{
    return static_cast<int>(std::distance(std::filesystem::directory_iterator("/proc/self/task"),
                                          std::filesystem::directory_iterator()));
}

// Counts the build windows shown while it lives.
class CBuildWindowCounter : public QObject {
public:
    CBuildWindowCounter() { qApp->installEventFilter(this); }
    int Shown() const { return m_shown; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<CMakeSendFile*>(watched))
            ++m_shown;
        return false;
    }

private:
    int m_shown = 0;
};

class SendFromWindow : public CSendFromWindowFixture {};

// Cancel pressed, or the window closed, while the printer takes nothing:
// the upload ends at once, without a word, and leaves no file anywhere.
class SendFromWindowStalled : public SendFromWindow, public testing::WithParamInterface<bool> {};

TEST_P(SendFromWindowStalled, CancelOrCloseStopsTheUploadSilentlyAndLeavesNoFile)
{
    const bool close = GetParam();
    Open(SimulatorOptions([](auto& o) { o.stallAfter = kStallBytes; }));
    // Zeros that take no room on the disk.
    std::filesystem::resize_file(AddEntry("big.plt", ""), kLargeFileBytes);
    // The Size column reads the grown file again.
    QTest::qWait(100);
    const int threads = ThreadCount();

    CSendWatch send(*this, "buttonSend");
    // The upload runs, and data has reached the printer's file (which it
    // then stops taking).
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return ProgressWindow() && ProgressText() == CMessageService::Format(ResId::kSendingCaption); },
        kSendTimeoutMs));
    const std::string partial = m_printer->Root() + "plt00p/big.plt.pjl";
    ASSERT_TRUE(QTest::qWaitFor([&] { return SizeOf(partial) > 0; }, kSendTimeoutMs));
    CSendFileDlg& progress = *ProgressWindow();
    // The job: the plot file and a few lines of PJL, in a file without a name.
    const auto jobBytes = static_cast<std::uint64_t>(progress.findChild<QProgressBar*>("progressSend")->maximum());
    EXPECT_GT(jobBytes, kLargeFileBytes);
    EXPECT_LT(jobBytes, kLargeFileBytes + 1024);
    EXPECT_TRUE(SendFilesLeft().empty());
    const auto start = std::chrono::steady_clock::now();
    if (close)
        m_window->close();
    else
        QTest::mouseClick(&CancelButton(progress), Qt::LeftButton);
    EXPECT_FALSE(progress.isVisible());
    ASSERT_TRUE(send.WaitForEnd());

    EXPECT_LT(std::chrono::steady_clock::now() - start, 20s);
    EXPECT_NE(m_window->isVisible(), close);
    // No late report of the ended upload either.
    QTest::qWait(200);
    EXPECT_TRUE(m_window->findChildren<CUploadThread*>().empty());
    EXPECT_LE(ThreadCount(), threads);
    ExpectQuietEndLeavingNothing(send);
    EXPECT_EQ(m_printer->Output().find("received"), std::string::npos) << m_printer->Output();
    if (close) {
        EXPECT_EQ(ReadUserValue("PrinterName"), m_printer->Address());
    }
}

INSTANTIATE_TEST_SUITE_P(By, SendFromWindowStalled, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "Close" : "Cancel"; });

TEST_F(SendFromWindow, CancelDuringTheBuildStopsSilentlyAndLeavesNoFile)
{
    Open({});
    std::filesystem::resize_file(AddEntry("big.plt", ""), std::uint64_t{1} << 30);
    bool cancelled = false;
    QTimer canceller;
    QObject::connect(&canceller, &QTimer::timeout, [&] {
        for (CMakeSendFile* build : m_window->findChildren<CMakeSendFile*>())
            if (build->isVisible() && !cancelled) {
                cancelled = true;
                QTest::mouseClick(&CancelButton(*build), Qt::LeftButton);
            }
    });
    canceller.start(5);

    CSendWatch send(*this, "buttonSend");
    ASSERT_TRUE(send.WaitForEnd());

    EXPECT_TRUE(cancelled);
    ExpectQuietEndLeavingNothing(send);
}

TEST_F(SendFromWindow, ClosingTheWindowDuringThePrinterDialogueClosesBeforeAnyBuild)
{
    Open({});
    AddEntry("a.plt");
    CBuildWindowCounter builds;
    bool inDialogue = false;
    // The dialogue waits half a second for the status reply alone.
    QTimer::singleShot(100, m_window.get(), [&] {
        inDialogue = ProgressText() == CMessageService::Format(ResId::kConnectingCaption);
        m_window->close();
    });

    CSendWatch send(*this, "buttonSend");
    ASSERT_TRUE(send.WaitForEnd());

    EXPECT_TRUE(inDialogue);
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_EQ(builds.Shown(), 0);
    EXPECT_FALSE(send.sendingSeen);
    ExpectQuietEndLeavingNothing(send);
    EXPECT_EQ(ReadUserValue("PrinterName"), m_printer->Address());
}

// A printer that takes the connection and never says a word: Cancel is
// enabled while the window says it is connecting, and ends the dialogue at
// once rather than after its time limit.
TEST_F(SendFromWindow, CancelWhileConnectingEndsTheDialogueAtOnce)
{
    Open(SimulatorOptions([](auto& o) { o.mute = true; }));
    AddEntry("a.plt");
    CBuildWindowCounter builds;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        CSendFileDlg* progress = ProgressWindow();
        if (!progress || ProgressText() != CMessageService::Format(ResId::kConnectingCaption) ||
            !CancelButton(*progress).isEnabled())
            return;
        look.stop();
        QTest::mouseClick(&CancelButton(*progress), Qt::LeftButton);
    });
    look.start(50);
    const auto start = std::chrono::steady_clock::now();

    CSendWatch send(*this, "buttonSend");
    ASSERT_TRUE(send.WaitForEnd());

    EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
    EXPECT_TRUE(send.cancelEnabledBeforeUpload);
    EXPECT_EQ(builds.Shown(), 0);
    ExpectQuietEndLeavingNothing(send);
    EXPECT_TRUE(History().empty());
}
}
