#include "CSendPreparation.h"

#include "CMessageService.h"
#include "CPrintJob.h"
#include "CResourceModule.h"
#include "CSettingFile.h"
#include "CUserFile.h"
#include "ResourceIds.h"

bool CSendPreparation::CheckFiles(const CPrintJob& job)
{
    for (int i = 0; i < job.GetCount(); ++i) {
        const CPrintData& entry = *job.GetAt(i);
        const CUserFile file(entry.GetSendPath());
        if (!file.IsOpen()) {
            CMessageService::ShowComposed(ResId::kUnreadableFileMessage, CMessageService::Format(
                                                                              ResId::kUnreadableFileMessage,
                                                                              entry.GetPath()) +
                                                                              "\n" + file.GetReason());
            return false;
        }
    }
    return true;
}

bool CSendPreparation::CheckEntries(const CPrintJob& job, int psPdfOption)
{
    const std::string unknown = CResourceModule::LoadString(ResId::kUnknownFormatName);
    for (int i = 0; i < job.GetCount(); ++i) {
        const CPrintData& entry = *job.GetAt(i);
        const std::string& format = entry.GetDataFormat();
        if (entry.GetCopies() < 1 || entry.GetCopies() > 99) {
            CMessageService::Show(ResId::kBadCopiesMessage, entry.GetFileName());
            return false;
        }
        if (format == unknown || format.empty()) {
            CMessageService::Show(ResId::kUnknownFormatMessage, entry.GetFileName());
            return false;
        }
        if ((format == "POSTSCRIPT" || format == "PDF") && psPdfOption != 1) {
            CMessageService::Show(ResId::kNoPsPdfMessage, entry.GetFileName());
            return false;
        }
    }
    return true;
}

bool CSendPreparation::PrepareSend(CPrintJob& job, const CSendChoices& choices, int psPdfOption)
{
    if (job.GetCount() == 0 || !CheckEntries(job, psPdfOption) || !TakeAddressAndOwner(job, choices))
        return false;
    job.SetCollate(choices.collate);
    job.SetReverseOrder(choices.reverseOrder);
    return TakeSetting(job, choices.setting);
}

bool CSendPreparation::PrepareSetup(CPrintJob& setupJob, const CSendChoices& choices)
{
    if (!TakeAddressAndOwner(setupJob, choices))
        return false;
    setupJob.SetCollate(false);
    setupJob.SetReverseOrder(choices.reverseOrder);
    if (!TakeSetting(setupJob, choices.setting))
        return false;
    if (setupJob.GetUsesDefaultSettings()) {
        CMessageService::Show(ResId::kDefaultSetupMessage);
        return false;
    }
    return true;
}

bool CSendPreparation::TakeAddressAndOwner(CPrintJob& job, const CSendChoices& choices)
{
    if (choices.printerName.empty()) {
        CMessageService::Show(ResId::kNoPrinterMessage);
        return false;
    }
    job.SetPrinterName(choices.printerName);
    if (choices.printerNumber < 0 || choices.printerNumber > 99) {
        CMessageService::Show(ResId::kBadPrinterNumberMessage);
        return false;
    }
    job.SetPrinterNumber(choices.printerNumber);
    if (choices.ownerName.empty()) {
        CMessageService::Show(ResId::kNoOwnerMessage);
        return false;
    }
    job.SetOwnerName(choices.ownerName);
    return true;
}

bool CSendPreparation::TakeSetting(CPrintJob& job, const std::string& setting)
{
    const CSettingFile::Resolution resolution = CSettingFile().Resolve(setting);
    if (!resolution.ok) {
        CMessageService::Show(ResId::kCannotLoadSettingMessage);
        return false;
    }
    job.SetSettingFilePath(resolution.path);
    job.SetUsesDefaultSettings(resolution.usesDefaultSettings);
    return true;
}
