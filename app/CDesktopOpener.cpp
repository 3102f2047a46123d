#include "CDesktopOpener.h"

#include "CMessageService.h"
#include "IUrlOpener.h"
#include "ResourceIds.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
class CDesktopServicesOpener : public IUrlOpener {
public:
    bool OpenUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};

CDesktopServicesOpener g_desktop;
IUrlOpener* g_opener = &g_desktop;
}

void CDesktopOpener::Open(const QUrl& url)
{
    if (!g_opener->OpenUrl(url))
        CMessageService::Show(ResId::kNoBrowserMessage, url.toDisplayString().toStdString());
}

IUrlOpener* CDesktopOpener::SetOpener(IUrlOpener* opener)
{
    IUrlOpener* previous = g_opener;
    g_opener = opener ? opener : &g_desktop;
    return previous;
}
