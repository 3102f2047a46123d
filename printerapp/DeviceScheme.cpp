#include "DeviceScheme.h"

#include "CDeviceUri.h"
#include "CNameList.h"
#include "CPrinterIdentity.h"
#include "CPrinterStatusCache.h"
#include "CSendDefaults.h"
#include "CUserConfig.h"

#include <pappl/pappl.h>

#include <cstring>
#include <string>

namespace {
bool ListDevices(pappl_device_cb_t cb, void* data, pappl_deverror_cb_t, void*)
{
    const CUserConfig config = CUserConfig::Default();
    const int number = CSendDefaults::Load(config).printerNumber;
    const CNameList printers(CNameList::Kind::Printer, config);
    for (const std::string& name : printers.GetEntries()) {
        const std::string uri = CDeviceUri::Format(name, number);
        if (CDeviceUri::Parse(uri) && cb(name.c_str(), uri.c_str(), "", data))
            return true;
    }
    return false;
}

bool OpenDevice(pappl_device_t* device, const char* uri, const char*)
{
    if (!CDeviceUri::Parse(uri)) {
        papplDeviceError(device, "Not a printer address: %s", uri);
        return false;
    }
    papplDeviceSetData(device, new std::string(uri));
    return true;
}

void CloseDevice(pappl_device_t* device)
{
    delete static_cast<std::string*>(papplDeviceGetData(device));
}

// Jobs reach the printer through our own upload, never through the device.
ssize_t ReadDevice(pappl_device_t*, void*, size_t)
{
    return 0;
}

ssize_t WriteDevice(pappl_device_t*, const void*, size_t bytes)
{
    return static_cast<ssize_t>(bytes);
}

pappl_preason_t DeviceStatus(pappl_device_t*)
{
    return PAPPL_PREASON_NONE;
}

char* DeviceId(pappl_device_t* device, char* buffer, size_t size)
{
    const auto* uri = static_cast<const std::string*>(papplDeviceGetData(device));
    const auto parsed = uri ? CDeviceUri::Parse(*uri) : std::nullopt;
    if (!parsed)
        return nullptr;
    const auto answer = CPrinterIdentity::Ask(parsed->PrinterName());
    CPrinterStatusCache::Instance().Answered(*uri, answer);
    const std::string id = answer ? CPrinterIdentity::DeviceId(*answer) : "";
    if (id.empty() || id.size() >= size)
        return nullptr;
    std::memcpy(buffer, id.c_str(), id.size() + 1);
    return buffer;
}
}

void RegisterDeviceScheme()
{
    papplDeviceAddScheme(CDeviceUri::kScheme, PAPPL_DEVTYPE_CUSTOM_NETWORK, ListDevices, OpenDevice, CloseDevice,
                         ReadDevice, WriteDevice, DeviceStatus, DeviceId);
}
