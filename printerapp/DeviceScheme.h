#pragma once

// The qxftp scheme: PAPPL's device for one of our printers. It opens
// without touching the network (PAPPL would retry a failed open forever);
// only its device ID asks the printer, for add -m auto.
void RegisterDeviceScheme();
