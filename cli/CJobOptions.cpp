#include "CJobOptions.h"

#include "CArguments.h"
#include "CFormatTable.h"
#include "CFormatsCommand.h"
#include "CMessageService.h"
#include "CPrintJob.h"
#include "CProgramVersion.h"
#include "CResourceModule.h"
#include "CSendDefaults.h"
#include "CSettingFile.h"
#include "ResourceIds.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>

const std::set<std::string>& CJobOptions::ValueOptions()
{
    static const std::set<std::string> options{"--printer", "--number", "--owner",  "--setting",
                                               "--copies",  "--format", "--controller", "--region"};
    return options;
}

const std::set<std::string>& CJobOptions::Switches()
{
    static const std::set<std::string> switches{"--collate", "--reverse"};
    return switches;
}

void CJobOptions::Read(CArguments& arguments)
{
    const CSendDefaults defaults = CSendDefaults::Load();
    m_choices.printerName = arguments.Value("--printer").value_or("");
    m_choices.ownerName = arguments.Value("--owner").value_or(defaults.ownerName);
    // Scripts must not depend on what was last chosen in the window.
    m_choices.setting =
        arguments.Value("--setting").value_or(CResourceModule::LoadString(ResId::kPrinterDefaultsName));
    m_choices.collate = arguments.Has("--collate");
    m_choices.reverseOrder = arguments.Has("--reverse");
    m_controller = arguments.Value("--controller");
    m_region = arguments.Value("--region").value_or(CProgramVersion::ReadRegionCode());
    m_choices.printerNumber = arguments.Number("--number", 0, 99, defaults.printerNumber).value_or(0);
    m_copies = arguments.Number("--copies", 1, 99, 1).value_or(1);
    if (const auto format = arguments.Value("--format"))
        ReadFormat(arguments, *format);
}

// A format that the printer does not know would still enter the job as its
// PJL language.
void CJobOptions::ReadFormat(CArguments& arguments, const std::string& format)
{
    const CFormatTable table = CFormatTable::Load();
    m_format = table.FindFormat(format);
    if (m_format)
        return;
    arguments.Fail("--format " + format + " is not one of the data formats: " + CFormatsCommand::FormatNames(table));
}

bool CJobOptions::FillList(CPrintJob& job, const std::vector<std::string>& files) const
{
    const CFormatTable formats = CFormatTable::Load();
    for (const std::string& file : files) {
        auto entry = std::make_unique<CPrintData>();
        if (!entry->SetFile(file, formats))
            return false;
        entry->SetCopies(m_copies);
        if (m_format)
            entry->SetDataFormat(*m_format);
        // The send check's words would point at the window's format column.
        if (entry->GetDataFormat() == CResourceModule::LoadString(ResId::kUnknownFormatName)) {
            CMessageService::Show(ResId::kCliUnknownFormatMessage, entry->GetFileName());
            return false;
        }
        job.InsertAt(job.GetCount(), std::move(entry));
    }
    return true;
}

// A missing setting file is replaced by the printer defaults when a send
// resolves it, which suits a list read a moment before; a name typed here
// that matches nothing is a slip, and sending other settings would hide it.
bool CJobOptions::CheckSetting(const std::string& setting)
{
    std::error_code error;
    const std::vector<std::string> names = CSettingFile().ListNames();
    const bool found = setting.find('/') != std::string::npos
                           ? std::filesystem::is_regular_file(setting, error)
                           : std::find(names.begin(), names.end(), setting) != names.end();
    if (found)
        return true;
    CMessageService::Show(ResId::kCannotLoadSettingMessage);
    std::cerr << "setting files on offer:\n";
    for (const auto& name : names)
        std::cerr << "  " << name << '\n';
    return false;
}
