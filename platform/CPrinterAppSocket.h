#pragma once

#include <string>
#include <vector>

// Where qx-sendora-printer-app's client subcommands look for a running
// server, in PAPPL 1.3.1's order: the user's own socket, then the
// machine's. QX_SENDORA_PRINTER_APP_DIR stands for TMPDIR (a user) or
// SNAP_COMMON (root), as the program itself sets them.
class CPrinterAppSocket {
public:
    static std::vector<std::string> Paths();
    // Whether a server takes a connection on one of them. The subcommands
    // start a private server of their own when none does, which a window
    // must not leave behind.
    static bool ServerAnswers();
};
