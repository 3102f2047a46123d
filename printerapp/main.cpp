#include "CJobMessages.h"
#include "CServerOptions.h"
#include "DeviceScheme.h"
#include "DriverCallbacks.h"
#include "SystemCallback.h"

#include <pappl/pappl.h>

int main(int argc, char* argv[])
{
    // PAPPL finds the local socket by these variables alone, and client
    // subcommands must find the same server.
    CServerOptions::PointSocketAtStateFolder();
    CJobMessages::Install();
    RegisterDeviceScheme();
    return papplMainloop(argc, argv, QX_VERSION, nullptr, DriverCallbacks::kDriverCount, DriverCallbacks::Drivers(),
                         DriverCallbacks::AutoAdd, DriverCallbacks::Fill, nullptr, nullptr, SystemCallback::Create,
                         nullptr, nullptr);
}
