#pragma once

class IUrlOpener;
class QUrl;

// The one way to open a URL for the user: with the desktop's handler for
// it (the browser for web pages and HTML files) unless an opener is set.
class CDesktopOpener {
public:
    // When nothing can open it, the user is told so, with the address to
    // copy.
    static void Open(const QUrl& url);
    // Replaces the opener (none restores the desktop's) and returns the
    // previous one.
    static IUrlOpener* SetOpener(IUrlOpener* opener);
};
