#include "CJobMessages.h"
#include "CResourceModule.h"
#include "CServerOptions.h"
#include "DeviceScheme.h"
#include "DriverCallbacks.h"
#include "SystemCallback.h"

#include <pappl/pappl.h>

#include <cstdio>

int main(int argc, char* argv[])
{
    // PAPPL finds the local socket by these variables alone, and client
    // subcommands must find the same server.
    CServerOptions::PointSocketAtStateFolder();
    // Without the module every message of a job would be empty.
    if (!CResourceModule::LoadResourceModule()) {
        std::fprintf(stderr, "qx-sendora-printer-app: %s\n", CResourceModule::LoadFailureText().c_str());
        return 1;
    }
    CJobMessages::Install();
    RegisterDeviceScheme();
    return papplMainloop(argc, argv, QX_VERSION, nullptr, DriverCallbacks::kDriverCount, DriverCallbacks::Drivers(),
                         DriverCallbacks::AutoAdd, DriverCallbacks::Fill, nullptr, nullptr, SystemCallback::Create,
                         nullptr, nullptr);
}
