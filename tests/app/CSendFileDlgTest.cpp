#include "CSendoraFixture.h"

#include "CSendFileDlg.h"
#include "CTransferProgress.h"

#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <limits>

// The progress window as the upload drives it through the shared progress.
namespace {
class SendFileDlg : public CSendoraFixture {
protected:
    SendFileDlg()
    {
        OpenWindow();
        m_dialog = new CSendFileDlg(*m_app, *m_window);
        m_dialog->SetMessage("connecting");
        m_dialog->show();
        m_dialog->Watch(m_progress, "sending");
    }

    // What the window shows once it has looked again.
    void Poll() const { QTest::qWait(3 * CSendFileDlg::kPollMilliseconds); }
    QProgressBar& Bar() const { return *m_dialog->findChild<QProgressBar*>("progressSend"); }
    QPushButton& Cancel() const { return *m_dialog->findChild<QPushButton*>("buttonCancel"); }
    QString Text() const { return m_dialog->findChild<QLabel*>("labelMessage")->text(); }

    std::shared_ptr<CTransferProgress> m_progress = std::make_shared<CTransferProgress>();
    CSendFileDlg* m_dialog = nullptr;
};

// Cancel while the printer is still being reached: CSendoraDlgCancelTest.
// The bar moves a block at a time, the last one short, with percent and bytes.
TEST_F(SendFileDlg, FollowsTheUploadWithPercentAndBytes)
{
    const int length = (10 << 20) + 2048;
    m_progress->Begin(length);
    Poll();
    EXPECT_EQ(Text(), "sending");
    EXPECT_TRUE(Cancel().isEnabled());
    const struct {
        int blocks;
        int value;
        const char* text;
    } steps[] = {{0, 0, "0% (0 B of 10.5 MB)"},
                 {1280, 1280 * 4096, "49% (5.2 MB of 10.5 MB)"},
                 {2561, length, "100% (10.5 MB of 10.5 MB)"}};
    int sent = 0;
    for (const auto& step : steps) {
        for (; sent < step.blocks; ++sent)
            m_progress->Advance(4096);
        Poll();
        EXPECT_EQ(Bar().maximum(), length);
        EXPECT_EQ(Bar().value(), step.value) << step.blocks;
        EXPECT_EQ(Bar().text().toStdString(), step.text) << step.blocks;
    }
}

TEST_F(SendFileDlg, LengthPastWhatTheBarHoldsIsScaledOverTheWholeBar)
{
    const std::uint64_t length = std::uint64_t{5} << 30;
    m_progress->Begin(length);
    for (std::uint64_t step = 0; step < length / 2 / 4096; ++step)
        m_progress->Advance(4096);
    Poll();
    EXPECT_GT(Bar().maximum(), std::numeric_limits<int>::max() / 2);
    EXPECT_EQ(Bar().value(), Bar().maximum() / 2);
    m_progress->Complete();
    Poll();
    EXPECT_EQ(Bar().value(), Bar().maximum());
}

// Without a frame from the desktop, the edges of the window below would
// look like its own.
TEST_F(SendFileDlg, OpensCentredOverItsOwnerWithAnEdgeOfItsOwnAllRound)
{
    EXPECT_LE((m_window->frameGeometry().center() - m_dialog->frameGeometry().center()).manhattanLength(), 2);
    const QImage image = m_dialog->grab().toImage();
    const QRgb background = m_dialog->palette().color(QPalette::Window).rgb();
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    for (const QPoint at : {QPoint(right / 2, 0), QPoint(right / 2, bottom), QPoint(0, bottom / 2),
                            QPoint(right, bottom / 2)})
        EXPECT_NE(image.pixel(at), background) << at.x() << "," << at.y();
}
}
