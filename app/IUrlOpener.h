#pragma once

class QUrl;

// Where the program's web pages and manual are opened: the desktop's
// browser, or a recorder in tests.
class IUrlOpener {
public:
    virtual ~IUrlOpener() = default;
    // False when nothing could open it.
    virtual bool OpenUrl(const QUrl& url) = 0;
};
