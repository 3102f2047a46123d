#include "DriverCallbacks.h"

#include "CDocumentFormats.h"
#include "CPrinterIdentity.h"
#include "CSettingFile.h"
#include "CSettingKeywords.h"
#include "JobCallbacks.h"
#include "StatusPoller.h"

#include <cstring>
#include <iterator>
#include <memory>
#include <mutex>
#include <vector>

namespace {
pappl_pr_driver_t g_drivers[] = {
    {CPrinterIdentity::kPdfDriver, "QX-Sendora printer with PS/PDF", nullptr, nullptr},
    {CPrinterIdentity::kPlainDriver, "QX-Sendora printer", nullptr, nullptr},
};

// Rolls between the narrowest and the widest the printers take, and the
// sheets users pick; the setting file decides what the printer makes of it.
const char* const kMedia[] = {
    "roll_min_210x148mm",     "roll_max_914x50000mm",   "iso_a4_210x297mm",       "iso_a3_297x420mm",
    "iso_a2_420x594mm",       "iso_a1_594x841mm",       "iso_a0_841x1189mm",      "na_arch-a_9x12in",
    "na_arch-b_12x18in",      "na_arch-c_18x24in",      "na_arch-d_24x36in",      "na_arch-e_36x48in",
    "na_letter_8.5x11in",     "na_ledger_11x17in",      "na_c_17x22in",           "na_d_22x34in",
    "na_e_34x44in",
};

// Far above what an office spools at once, so that only a runaway client
// meets it.
constexpr int kMaxActiveJobs = 1000;

std::mutex g_keywordLock;
std::shared_ptr<const CSettingKeywords> g_keywords;

void FillMedia(pappl_pr_driver_data_t* data)
{
    data->num_media = static_cast<int>(std::size(kMedia));
    for (int i = 0; i < data->num_media; ++i)
        data->media[i] = kMedia[i];
    pwg_media_t* a0 = pwgMediaForPWG("iso_a0_841x1189mm");
    data->media_default.size_width = a0->width;
    data->media_default.size_length = a0->length;
    std::strncpy(data->media_default.size_name, a0->pwg, sizeof data->media_default.size_name - 1);
    std::strncpy(data->media_default.source, "main-roll", sizeof data->media_default.source - 1);
    std::strncpy(data->media_default.type, "stationery", sizeof data->media_default.type - 1);
    data->media_default.left_margin = data->media_default.right_margin = data->left_right;
    data->media_default.top_margin = data->media_default.bottom_margin = data->bottom_top;
    data->media_ready[0] = data->media_default;
    data->num_source = 1;
    data->source[0] = "main-roll";
    data->num_type = 1;
    data->type[0] = "stationery";
}

void FillRaster(pappl_pr_driver_data_t* data)
{
    data->num_resolution = 2;
    data->x_resolution[0] = data->y_resolution[0] = 300;
    data->x_resolution[1] = data->y_resolution[1] = 600;
    data->x_default = data->y_default = 300;
    // black_1 is not offered: unless a driver forces every page to black_1,
    // PAPPL 1.3.1 passes a client's packed 1-bit lines on unconverted under
    // its own 8-bit grey page header, and forcing black_1 would turn colour
    // pages into garbage instead. Clients asked for bi-level send sgray_8,
    // which CRasterHeader stores 1-bit.
    data->raster_types = PAPPL_PWG_RASTER_TYPE_SGRAY_8 | PAPPL_PWG_RASTER_TYPE_SRGB_8;
    data->color_supported = PAPPL_COLOR_MODE_AUTO | PAPPL_COLOR_MODE_BI_LEVEL | PAPPL_COLOR_MODE_MONOCHROME |
                            PAPPL_COLOR_MODE_COLOR;
    data->color_default = PAPPL_COLOR_MODE_AUTO;
}

ipp_t* VendorAttributes(const CSettingKeywords& keywords)
{
    std::vector<const char*> values;
    for (const auto& entry : keywords.Entries())
        values.push_back(entry.keyword.c_str());
    ipp_t* attributes = ippNew();
    const std::string name = JobCallbacks::kSettingAttribute;
    ippAddStrings(attributes, IPP_TAG_PRINTER, IPP_TAG_KEYWORD, (name + "-supported").c_str(),
                  static_cast<int>(values.size()), nullptr, values.data());
    ippAddString(attributes, IPP_TAG_PRINTER, IPP_TAG_KEYWORD, (name + "-default").c_str(), nullptr, values.front());
    return attributes;
}
}

pappl_pr_driver_t* DriverCallbacks::Drivers()
{
    return g_drivers;
}

bool DriverCallbacks::Fill(pappl_system_t*, const char* driverName, const char* deviceUri, const char* deviceId,
                           pappl_pr_driver_data_t* data, ipp_t** attributes, void*)
{
    const bool pdf = std::strcmp(driverName, CPrinterIdentity::kPdfDriver) == 0;
    if (!pdf && std::strcmp(driverName, CPrinterIdentity::kPlainDriver) != 0)
        return false;
    JobCallbacks::Install(data);
    data->status_cb = StatusPoller::Report;
    data->format = pdf ? CDocumentFormats::kPdf : CDocumentFormats::kHpgl;
    const std::string model = StatusPoller::MakeAndModel(deviceUri, deviceId);
    std::strncpy(data->make_and_model, model.c_str(), sizeof data->make_and_model - 1);
    data->kind = PAPPL_KIND_LARGE_FORMAT | PAPPL_KIND_ROLL;
    data->ppm = 1;
    data->sides_supported = data->sides_default = PAPPL_SIDES_ONE_SIDED;
    data->orient_default = IPP_ORIENT_NONE;
    data->quality_default = IPP_QUALITY_NORMAL;
    data->scaling_default = PAPPL_SCALING_AUTO;
    data->left_right = data->bottom_top = 500;
    FillMedia(data);
    FillRaster(data);
    data->num_vendor = 2;
    data->vendor[0] = JobCallbacks::kSettingAttribute;
    data->vendor[1] = JobCallbacks::kOwnerAttribute;
    const std::lock_guard lock(g_keywordLock);
    if (!g_keywords)
        g_keywords = std::make_shared<CSettingKeywords>(CSettingFile().ListNames());
    *attributes = VendorAttributes(*g_keywords);
    return true;
}

const char* DriverCallbacks::AutoAdd(const char*, const char*, const char* deviceId, void*)
{
    return deviceId ? CPrinterIdentity::DriverFor(deviceId) : nullptr;
}

void DriverCallbacks::Created(pappl_printer_t* printer, void*)
{
    papplPrinterSetMaxActiveJobs(printer, kMaxActiveJobs);
}

void DriverCallbacks::ReadSettingKeywords()
{
    auto keywords = std::make_shared<CSettingKeywords>(CSettingFile().ListNames());
    const std::lock_guard lock(g_keywordLock);
    g_keywords = std::move(keywords);
}

std::shared_ptr<const CSettingKeywords> DriverCallbacks::SettingKeywords()
{
    const std::lock_guard lock(g_keywordLock);
    return g_keywords;
}
