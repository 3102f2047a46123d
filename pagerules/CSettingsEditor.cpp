#include "CSettingsEditor.h"

#include "CColorSettings.h"
#include "CFinisherSettings.h"
#include "CGeneralSettings.h"
#include "CIniDocument.h"
#include "CMessageService.h"
#include "CPenSettings.h"
#include "CProfile.h"
#include "CProfileBatch.h"
#include "CProgramVersion.h"
#include "CResourceModule.h"
#include "CScaleSettings.h"
#include "CStampSettings.h"
#include "ResourceIds.h"

#include <algorithm>
#include <filesystem>
#include <utility>

namespace {
constexpr const char* kDefaultFileName = "default.org";
constexpr const char* kSettingExtension = ".prn";

std::string TitleOf(const std::string& path)
{
    return std::filesystem::path(path).stem().string();
}

std::string SavedLines(const CSettingsPage& page)
{
    std::string lines;
    for (const SettingLine& line : page.Lines())
        lines += line.key.section + "/" + line.key.key + "=" + line.value + "\n";
    return lines;
}
}

CSettingsEditor::CSettingsEditor(const CPlotter& plotter, std::string regionCode, std::string settingName,
                                 std::string currentPath)
    : m_settingName(std::move(settingName)),
      m_currentPath(std::move(currentPath)),
      m_scale(std::make_unique<CScaleSettings>(plotter, m_flags)),
      m_pen(std::make_unique<CPenSettings>(plotter)),
      m_color(std::make_unique<CColorSettings>(plotter)),
      m_finisher(std::make_unique<CFinisherSettings>(plotter, std::move(regionCode))),
      m_stamp(std::make_unique<CStampSettings>(plotter, m_flags)),
      m_general(std::make_unique<CGeneralSettings>(plotter))
{
    CProfile current;
    current.Open(m_currentPath);
    // A file without a stamp key counts as stamping.
    m_flags.stampOn = current.GetString("Stamp", "StampID", kMissingValue) != "OFF";
    m_flags.paperAuto = current.GetString("PaperSize", "Paper1Size", kMissingValue).find("AUTO") != std::string::npos;
}

CSettingsEditor::~CSettingsEditor() = default;

const std::vector<CSettingsEditor::Tab>& CSettingsEditor::Tabs()
{
    static const std::vector<Tab> tabs{Tab::Scale, Tab::Pen, Tab::Color, Tab::Finisher, Tab::Stamp, Tab::General};
    return tabs;
}

CSettingsPage& CSettingsEditor::GetPage(Tab tab)
{
    return const_cast<CSettingsPage&>(std::as_const(*this).GetPage(tab));
}

const CSettingsPage& CSettingsEditor::GetPage(Tab tab) const
{
    switch (tab) {
    case Tab::Scale:
        return *m_scale;
    case Tab::Pen:
        return *m_pen;
    case Tab::Color:
        return *m_color;
    case Tab::Finisher:
        return *m_finisher;
    case Tab::Stamp:
        return *m_stamp;
    case Tab::General:
        break;
    }
    return *m_general;
}

CPenSettings& CSettingsEditor::GetPenSettings()
{
    return *m_pen;
}

CColorSettings& CSettingsEditor::GetColorSettings()
{
    return *m_color;
}

CGeneralSettings& CSettingsEditor::GetGeneralSettings()
{
    return *m_general;
}

CScaleSettings& CSettingsEditor::GetScaleSettings()
{
    return *m_scale;
}

CStampSettings& CSettingsEditor::GetStampSettings()
{
    return *m_stamp;
}

CFinisherSettings& CSettingsEditor::GetFinisherSettings()
{
    return *m_finisher;
}

void CSettingsEditor::ShowPage(Tab tab)
{
    CSettingsPage& page = GetPage(tab);
    if (page.IsLoaded())
        return;
    CProfile current;
    current.Open(m_currentPath);
    page.Load(current);
    m_saved[tab] = SavedLines(page);
}

bool CSettingsEditor::HasUnsavedChanges() const
{
    return std::any_of(m_saved.begin(), m_saved.end(), [this](const auto& saved) {
        return SavedLines(GetPage(saved.first)) != saved.second;
    });
}

std::string CSettingsEditor::ProposedFileName() const
{
    const std::string name = std::filesystem::path(m_currentPath).filename().string();
    return name == kDefaultFileName ? "*.prn" : name;
}

CSettingsEditor::SaveResult CSettingsEditor::SaveAs(const std::string& path)
{
    if (IsReservedName(path)) {
        CMessageService::Show(ResId::kReservedNameMessage);
        return SaveResult::Reserved;
    }
    CProfileBatch target(path);
    WriteVersionKeys(target);
    for (Tab tab : {Tab::General, Tab::Pen, Tab::Color, Tab::Finisher, Tab::Stamp, Tab::Scale})
        GetPage(tab).Save(target, m_currentPath);
    if (!target.Commit())
        return SaveResult::WriteFailed;
    m_settingName = TitleOf(path);
    m_currentPath = path;
    for (auto& [tab, saved] : m_saved)
        saved = SavedLines(GetPage(tab));
    return SaveResult::Saved;
}

void CSettingsEditor::WriteVersionKeys(CProfileBatch& target)
{
    if (CProgramVersion::GetProgramVersion())
        target.WriteString("QXSD", "QXSD Version", CProgramVersion::GetVersionText());
    target.WriteString("QXSD", "HPPJL Version", "1.0.0");
}

bool CSettingsEditor::IsReservedName(const std::string& path)
{
    const std::string file = std::filesystem::path(path).filename().string();
    const std::string title = TitleOf(path);
    const std::string defaults = CResourceModule::LoadString(ResId::kPrinterDefaultsName);
    return CIniDocument::SameName(file, kDefaultFileName) || CIniDocument::SameName(title, kDefaultFileName) ||
           CIniDocument::SameName(file, defaults) || CIniDocument::SameName(title, defaults);
}

CSettingsEditor::Target CSettingsEditor::CheckTarget(const std::string& path)
{
    if (IsReservedName(path)) {
        CMessageService::Show(ResId::kReservedNameMessage);
        return Target::Reserved;
    }
    std::error_code error;
    return std::filesystem::exists(path, error) ? Target::Existing : Target::Free;
}

std::string CSettingsEditor::SavePath(const std::string& path)
{
    return path.ends_with(kSettingExtension) ? path : path + kSettingExtension;
}
