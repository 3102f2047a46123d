#include "CPrinterPages.h"

#include "CCancellation.h"
#include "CDesktopOpener.h"
#include "CMessageService.h"
#include "CPrinterAddress.h"
#include "CPrinterModels.h"
#include "CPrinterQueryThread.h"
#include "CResourceModule.h"
#include "CSendFileDlg.h"
#include "CSendoraDlg.h"
#include "CWaitCursor.h"
#include "ResourceIds.h"

#include <QUrl>

namespace {
// The web-page commands log in with these, never with the registry's account.
constexpr const char* kWebPageUser = "Sendora";
constexpr const char* kWebPagePassword = "KX";

// The web server listens on its own port, not on the one given for FTP.
std::string WebHost(const std::string& printerName)
{
    const auto address = CPrinterAddress::Parse(printerName);
    const std::string host = address ? address->GetHost() : printerName;
    return host.find(':') == std::string::npos ? host : "[" + host + "]";
}
}

CPrinterPages::CPrinterPages(CSendoraApp& app, CSendoraDlg& window)
    : m_app(app)
    , m_window(window)
{
}

void CPrinterPages::Open(const std::string& printerName, unsigned heronTemplate, unsigned otherTemplate)
{
    if (printerName.empty()) {
        CMessageService::Show(ResId::kNoWebPrinterMessage);
        return;
    }
    const CPrinterQuery::Outcome outcome = Ask(printerName);
    if (!outcome.answer) {
        CPrinterQuery::ShowFailure(outcome.failure, printerName, ResId::kNoWebAnswerMessage);
        return;
    }
    const std::string& family = outcome.answer->controllerName;
    const bool heronFamily = family == CPrinterModels::kHeron || family == CPrinterModels::kCorvid2nd;
    const std::string url = CMessageService::Format(heronFamily ? heronTemplate : otherTemplate, WebHost(printerName));
    CDesktopOpener::Open(QUrl(QString::fromStdString(url)));
}

void CPrinterPages::Cancel()
{
    if (m_asking)
        m_asking->Cancel();
}

CPrinterQuery::Outcome CPrinterPages::Ask(const std::string& printerName)
{
    m_window.EnableControls(false);
    auto* progress = new CSendFileDlg(m_app, m_window);
    progress->setWindowTitle(m_window.windowTitle());
    progress->SetMessage(QString::fromStdString(CResourceModule::LoadString(ResId::kConnectingCaption)));
    CCancellation cancellation;
    QObject::connect(progress, &CSendFileDlg::CancelRequested, progress, [&cancellation] { cancellation.Cancel(); });
    progress->show();
    m_asking = &cancellation;
    CPrinterQuery::Outcome outcome;
    {
        const CWaitCursor busy(Qt::BusyCursor);
        outcome = CPrinterQueryThread::Ask(printerName, kWebPageUser, kWebPagePassword, cancellation);
    }
    m_asking = nullptr;
    progress->Close();
    m_window.EnableControls(true);
    return outcome;
}
