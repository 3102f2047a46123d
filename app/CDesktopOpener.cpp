#include "CDesktopOpener.h"

#include "IUrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
class CDesktopServicesOpener : public IUrlOpener {
public:
    void OpenUrl(const QUrl& url) override { QDesktopServices::openUrl(url); }
};

CDesktopServicesOpener g_desktop;
IUrlOpener* g_opener = &g_desktop;
}

void CDesktopOpener::Open(const QUrl& url)
{
    g_opener->OpenUrl(url);
}

IUrlOpener* CDesktopOpener::SetOpener(IUrlOpener* opener)
{
    IUrlOpener* previous = g_opener;
    g_opener = opener ? opener : &g_desktop;
    return previous;
}
