#pragma once

#include "CPrinterQuery.h"

#include <string>

class CCancellation;
class CSendoraApp;
class CSendoraDlg;

// The printer web-page buttons. The printer is first asked for its
// controller family, which chooses the page's address; that dialogue runs
// off the window's thread, in a progress window whose Cancel ends it, with
// the window's controls off and the busy cursor.
class CPrinterPages {
public:
    CPrinterPages(CSendoraApp& app, CSendoraDlg& window);

    // Opens the page of heronTemplate for the Heron family, else of
    // otherTemplate (%1: the printer's host), in the browser.
    void Open(const std::string& printerName, unsigned heronTemplate, unsigned otherTemplate);
    // Ends a running dialogue at once, opening nothing.
    void Cancel();

private:
    CPrinterQuery::Outcome Ask(const std::string& printerName);

    CSendoraApp& m_app;
    CSendoraDlg& m_window;
    CCancellation* m_asking = nullptr;
};
