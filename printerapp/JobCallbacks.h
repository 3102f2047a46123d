#pragma once

#include <pappl/pappl.h>

// A job's way from PAPPL to our send: its document as it was spooled, or
// its raster pages written as TIFF files, with the job's options in our
// words. Runs on PAPPL's job thread, which may wait for the printer.
struct JobCallbacks {
    static constexpr const char* kSettingAttribute = "qxsendora-setting";
    static constexpr const char* kOwnerAttribute = "qxsendora-owner";

    static void Install(pappl_pr_driver_data_t* data);
    // Every format but the driver's own arrives through a filter; none of
    // them changes the document, the printer reads them all.
    static bool FilterDocument(pappl_job_t* job, pappl_device_t* device, void* context);
};
