#include "CSendFromWindowFixture.h"

#include "CEditWithSpin.h"
#include "CMessageService.h"
#include "CSDComboBox.h"
#include "CSendFileDlg.h"
#include "ResourceIds.h"
#include "TestConfig.h"

#include <QLabel>
#include <QPushButton>

#include <filesystem>

namespace {
constexpr const char* kControls[] = {"buttonSend",        "buttonSendSetup", "buttonClose",
                                     "buttonAddFiles",    "comboPrinterName", "editPrinterNumber",
                                     "checkReverseOrder", "listPrintData"};
}

CSendFromWindowFixture::CSendWatch::CSendWatch(CSendFromWindowFixture& test, const char* button)
    : m_test(test)
    , m_finished(test.m_window.get(), &CSendoraDlg::SendFinished)
    , m_next(CMessageService::SetSink(this))
{
    QObject::connect(&m_look, &QTimer::timeout, &m_look, [this] { Look(); });
    QObject::connect(test.m_window.get(), &CSendoraDlg::SendFinished, &m_look, &QTimer::stop);
    m_look.start(2);
    m_test.Child<QPushButton>(button).click();
}

CSendFromWindowFixture::CSendWatch::~CSendWatch()
{
    CMessageService::SetSink(m_next);
}

bool CSendFromWindowFixture::CSendWatch::WaitForEnd()
{
    const bool ended = m_finished.count() > 0 || m_finished.wait(kSendTimeoutMs);
    m_look.stop();
    return ended && m_finished.count() == 1;
}

void CSendFromWindowFixture::CSendWatch::ShowMessage(unsigned id, const std::string& text)
{
    controlsSeenEnabled = controlsSeenEnabled || m_test.AnyControlEnabled();
    progressAtMessage = progressAtMessage || m_test.ProgressWindow();
    m_next->ShowMessage(id, text);
}

bool CSendFromWindowFixture::CSendWatch::Confirm(unsigned id, const std::string& text)
{
    return m_next->Confirm(id, text);
}

void CSendFromWindowFixture::CSendWatch::Look()
{
    controlsSeenEnabled = controlsSeenEnabled || m_test.AnyControlEnabled();
    if (CSendFileDlg* progress = m_test.ProgressWindow()) {
        const std::string text = m_test.ProgressText();
        const bool connecting = text == CMessageService::Format(ResId::kConnectingCaption);
        const bool cancel = m_test.CancelButton(*progress).isEnabled();
        connectingSeen = connectingSeen || connecting;
        cancelEnabledBeforeUpload = cancelEnabledBeforeUpload || (connecting && cancel);
        sendingSeen = sendingSeen || text == CMessageService::Format(ResId::kSendingCaption);
    }
}

void CSendFromWindowFixture::Open(const CPrinterSimulator::Options& printer, int number)
{
    m_printer.emplace(printer);
    EXPECT_TRUE(m_printer->IsRunning());
    std::filesystem::copy_file(std::string(test_config::kSourceDir) + "PrinterSetting/sample.prn", SamplePath());
    OpenWindow();
    Child<CSDComboBox>("comboPrinterName").setEditText(Q(m_printer->Address()));
    Child<CEditWithSpin>("editPrinterNumber").SetText(QString::number(number));
    Child<CSDComboBox>("comboOwnerName").setEditText("Ada");
}

void CSendFromWindowFixture::ChooseSetting(const std::string& title)
{
    const QString name = Q(title.empty() ? CMessageService::Format(ResId::kPrinterDefaultsName) : title);
    auto& box = Child<CSDComboBox>("comboPrinterSetting");
    box.setCurrentIndex(box.findText(name));
    ASSERT_EQ(box.currentText(), name);
}

int CSendFromWindowFixture::EnabledControls() const
{
    int enabled = 0;
    for (const char* name : kControls)
        enabled += m_window->findChild<QWidget*>(name)->isEnabled();
    return enabled;
}

bool CSendFromWindowFixture::AllControlsEnabled() const
{
    return EnabledControls() == static_cast<int>(std::size(kControls));
}

CSendFileDlg* CSendFromWindowFixture::ProgressWindow() const
{
    for (CSendFileDlg* window : m_window->findChildren<CSendFileDlg*>())
        if (window->isVisible())
            return window;
    return nullptr;
}

QPushButton& CSendFromWindowFixture::CancelButton(const QWidget& window) const
{
    return *window.findChild<QPushButton*>("buttonCancel");
}

std::string CSendFromWindowFixture::ProgressText() const
{
    const CSendFileDlg* progress = ProgressWindow();
    return progress ? progress->findChild<QLabel*>("labelMessage")->text().toStdString() : "";
}

std::vector<CHistoryRecord> CSendFromWindowFixture::History() const
{
    CSendHistory history;
    EXPECT_TRUE(history.Open(m_out.File("history.sqlite")));
    return history.Query();
}

std::set<std::string> CSendFromWindowFixture::SendFilesLeft() const
{
    std::set<std::string> left;
    for (const std::string& file : FilesBelow(m_tmp.Path()))
        if (file.rfind("MSD", 0) == 0)
            left.insert(file);
    return left;
}

void CSendFromWindowFixture::ExpectIdleAgain(const CSendWatch& send) const
{
    EXPECT_FALSE(send.controlsSeenEnabled);
    EXPECT_TRUE(AllControlsEnabled());
    EXPECT_EQ(ProgressWindow(), nullptr);
    EXPECT_TRUE(SendFilesLeft().empty());
}

void CSendFromWindowFixture::ExpectQuietEndLeavingNothing(const CSendWatch& send) const
{
    EXPECT_TRUE(m_messages.Messages().empty()) << m_messages.Messages().front().text;
    EXPECT_TRUE(FilesBelow(m_printer->Root()).empty());
    ExpectIdleAgain(send);
}

std::string CSendFromWindowFixture::Built(std::vector<std::string> args) const
{
    const std::string job = m_out.File("built.pjl");
    args.insert(args.begin(), {"build", "-o", job, "--owner", "Ada"});
    const auto result = CProcess::Run(test_config::kCli, args, {{"TMPDIR", m_out.Path()}});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return NormalisedJob(ReadFileBytes(job));
}

CProcessResult CSendFromWindowFixture::FromCli(std::vector<std::string> args, const std::string& printer) const
{
    args.insert(args.begin() + 1, {"--printer", printer, "--owner", "Ada"});
    return CProcess::Run(test_config::kCli, args, {{"TMPDIR", m_out.Path()}});
}

std::string CSendFromWindowFixture::MessageLines() const
{
    std::string lines;
    for (const auto& message : m_messages.Messages())
        lines += "qx-sendora-cli: " + message.text + "\n";
    return lines;
}
