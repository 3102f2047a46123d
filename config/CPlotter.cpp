#include "CPlotter.h"

#include "CProfile.h"
#include "CProgramPaths.h"
#include "CResourceModule.h"
#include "CTextFields.h"
#include "ResourceIds.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {
constexpr int kDefaultStampNumberingLength = 12;
constexpr std::array<std::string_view, 6> kFoldProgramRegions = {"ZC", "FR", "JP", "GE", "SP", "PO"};

bool IsFoldProgramRegion(const std::string& regionCode)
{
    for (const auto region : kFoldProgramRegions)
        if (region == regionCode)
            return true;
    return false;
}

CPlotter::Strings LoadStrings(std::initializer_list<unsigned> ids)
{
    CPlotter::Strings texts;
    for (const unsigned id : ids)
        texts.push_back(CResourceModule::LoadString(id));
    return texts;
}
}

CPlotter::CPlotter() : CPlotter(GetDefaultCapabilityFilePath()) {}

CPlotter::CPlotter(std::string capabilityFilePath) : m_path(std::move(capabilityFilePath)) {}

std::string CPlotter::GetDefaultCapabilityFilePath()
{
    return CProgramPaths::GetProgramFolder() + "PrinterSetting/PJLConfig.txt";
}

bool CPlotter::LoadConfig(const std::string& regionCode)
{
    const CProfile profile = OpenProfile();
    Capabilities caps;
    caps.stampPaperSizeNames = ReadNameList(profile, "PaperSizeName", "Stamp");
    caps.stampNumbers = ReadRange(profile, "Stamp", "StampNoRange");
    caps.stampDates = ReadPairList(profile, "Stamp", "StampDateList");
    caps.stampNumberingLength = ReadInteger(profile, "Stamp", "NumStampNumbering");
    // A text limit of zero or less would make the numbering unusable.
    if (caps.stampNumberingLength <= 0)
        caps.stampNumberingLength = kDefaultStampNumberingLength;
    caps.stampX = ReadRange(profile, "Stamp", "StampXPositionRange");
    caps.stampY = ReadRange(profile, "Stamp", "StampYPositionRange");
    caps.stampRotations = ReadPairList(profile, "Stamp", "StampRotate");
    caps.folders = ReadPairList(profile, "Finisher", "Folder");
    caps.folderSizes = ReadPairList(profile, "Finisher", "FolderSize");
    caps.folderMargins = ReadPairList(profile, "Finisher", "FolderMargin");
    caps.stackers = ReadPairList(profile, "Finisher", "Stacker");
    if (regionCode == "JP")
        caps.stackBins = ReadPairList(profile, "Finisher", "StackBin");
    caps.outputTrays = ReadPairList(profile, "OutputTray", "OutputTray");
    caps.mediaTypes = ReadPairList(profile, "MediaType", "MediaType");
    caps.penWidths = ReadRange(profile, "HPGLPen", "PenWidthRange");
    caps.inputPaperGroups = ReadPairList(profile, "Scale", "InputPaperGroup");
    caps.outputPaperGroups = ReadPairList(profile, "Scale", "OutputPaperGroup");
    caps.rollPaperGroups = ReadPairList(profile, "Scale", "RollPaperGroup");
    caps.paperCuts = ReadPairList(profile, "Scale", "PaperCut");
    if (IsFoldProgramRegion(regionCode)) {
        caps.folderPrograms = ReadRange(profile, "Finisher", "FolderProgramRange");
        caps.folderBinNumbers = ReadRange(profile, "Finisher", "FolderBinNoRange");
        caps.folderOutputBins = ReadPairList(profile, "Finisher", "FolderOutputBin");
    }
    m_caps = std::move(caps);
    m_colorNames = LoadStrings({ResId::kWhiteName, ResId::kBlackName, ResId::kRedName});
    m_stampColorNames = LoadStrings({ResId::kBlackName, ResId::kRedName, ResId::kGrayName});
    return true;
}

const CPlotter::Strings& CPlotter::GetColorCodes()
{
    static const Strings codes = {"WHITE", "BLACK", "RED"};
    return codes;
}

const CPlotter::Strings& CPlotter::GetStampColorCodes()
{
    static const Strings codes = {"BLACK", "RED", "GRAY"};
    return codes;
}

void CPlotter::GetStampNoRange(int& lower, int& upper) const { Store(m_caps.stampNumbers, lower, upper); }

void CPlotter::GetStampDateList(Strings& labels, Strings& codes) const { Append(m_caps.stampDates, labels, codes); }

void CPlotter::GetStampPositionRanges(int& xLower, int& xUpper, int& yLower, int& yUpper) const
{
    Store(m_caps.stampX, xLower, xUpper);
    Store(m_caps.stampY, yLower, yUpper);
}

void CPlotter::GetStampRotateList(Strings& labels, Strings& codes) const
{
    Append(m_caps.stampRotations, labels, codes);
}

void CPlotter::GetPenWidthRange(int& lower, int& upper) const { Store(m_caps.penWidths, lower, upper); }

void CPlotter::GetMediaTypeList(Strings& labels, Strings& codes) const { Append(m_caps.mediaTypes, labels, codes); }

void CPlotter::GetOutputTrayList(Strings& labels, Strings& codes) const { Append(m_caps.outputTrays, labels, codes); }

void CPlotter::GetFolderList(Strings& labels, Strings& codes) const { Append(m_caps.folders, labels, codes); }

void CPlotter::GetFolderSizeList(Strings& labels, Strings& codes) const { Append(m_caps.folderSizes, labels, codes); }

void CPlotter::GetFolderMarginList(Strings& labels, Strings& codes) const
{
    Append(m_caps.folderMargins, labels, codes);
}

void CPlotter::GetStackerList(Strings& labels, Strings& codes) const { Append(m_caps.stackers, labels, codes); }

void CPlotter::GetStackBinList(Strings& labels, Strings& codes) const { Append(m_caps.stackBins, labels, codes); }

void CPlotter::GetFolderOutputBinList(Strings& labels, Strings& codes) const
{
    Append(m_caps.folderOutputBins, labels, codes);
}

void CPlotter::GetFolderProgramRange(int& lower, int& upper) const { Store(m_caps.folderPrograms, lower, upper); }

void CPlotter::GetFolderBinNoRange(int& lower, int& upper) const { Store(m_caps.folderBinNumbers, lower, upper); }

void CPlotter::GetInputPaperGroupList(Strings& labels, Strings& codes) const
{
    Append(m_caps.inputPaperGroups, labels, codes);
}

void CPlotter::GetOutputPaperGroupList(Strings& labels, Strings& codes) const
{
    Append(m_caps.outputPaperGroups, labels, codes);
}

void CPlotter::GetRollPaperGroupList(Strings& labels, Strings& codes) const
{
    Append(m_caps.rollPaperGroups, labels, codes);
}

void CPlotter::GetPaperCutList(Strings& labels, Strings& codes) const { Append(m_caps.paperCuts, labels, codes); }

void CPlotter::GetPaperSizeList(const std::string& groupCode, Strings& labels, Strings& codes) const
{
    Append(ReadSizeList(SizeKind::Paper, groupCode), labels, codes);
}

void CPlotter::GetOutputSizeList(const std::string& groupCode, Strings& labels, Strings& codes) const
{
    Append(ReadSizeList(SizeKind::Output, groupCode), labels, codes);
}

std::string CPlotter::GetSizeLabel(SizeKind kind, const std::string& groupCode, const std::string& code) const
{
    const ChoiceList sizes = ReadSizeList(kind, groupCode);
    for (std::size_t i = 0; i < sizes.codes.size(); ++i)
        if (sizes.codes[i] == code)
            return sizes.labels[i];
    return {};
}

int CPlotter::GetLongSizeIndex() const
{
    // A negative index would point before the first size.
    return std::max(ReadInteger(OpenProfile(), "Scale", "INDEX_LONGSIZEPSTN"), 0);
}

CPlotter::Strings CPlotter::ReadNameList(const CProfile& profile, const std::string& section, const std::string& key)
{
    const std::string value = profile.GetString(section, key, kMissingValue);
    Strings items;
    for (int n = 1;; ++n) {
        std::string item = CTextFields::ExtractField(value, n, kMissingValue);
        if (item == kMissingValue)
            return items;
        items.push_back(std::move(item));
    }
}

CPlotter::ChoiceList CPlotter::ReadPairList(const CProfile& profile, const std::string& section,
                                            const std::string& key)
{
    ChoiceList list;
    for (const std::string& item : ReadNameList(profile, section, key)) {
        const std::size_t first = item.find(';');
        list.labels.push_back(item.substr(0, first));
        if (first == std::string::npos) {
            list.codes.emplace_back();
            continue;
        }
        const std::size_t second = item.find(';', first + 1);
        list.codes.push_back(item.substr(first + 1, second == std::string::npos ? second : second - first - 1));
    }
    return list;
}

CPlotter::Range CPlotter::ReadRange(const CProfile& profile, const std::string& section, const std::string& key)
{
    const std::string value = profile.GetString(section, key, kMissingValue);
    return {CTextFields::LeadingInteger(CTextFields::ExtractField(value, 1, kMissingValue)),
            CTextFields::LeadingInteger(CTextFields::ExtractField(value, 2, kMissingValue))};
}

int CPlotter::ReadInteger(const CProfile& profile, const std::string& section, const std::string& key)
{
    return CTextFields::LeadingInteger(profile.GetString(section, key, kMissingValue));
}

void CPlotter::Append(const ChoiceList& list, Strings& labels, Strings& codes)
{
    labels.insert(labels.end(), list.labels.begin(), list.labels.end());
    codes.insert(codes.end(), list.codes.begin(), list.codes.end());
}

void CPlotter::Store(const Range& range, int& lower, int& upper)
{
    lower = range.lower;
    upper = range.upper;
}

CProfile CPlotter::OpenProfile() const
{
    CProfile profile;
    profile.Open(m_path);
    return profile;
}

CPlotter::ChoiceList CPlotter::ReadSizeList(SizeKind kind, const std::string& groupCode) const
{
    const char* suffix = kind == SizeKind::Output ? "_OutputSize" : "_PaperSize";
    return ReadPairList(OpenProfile(), "Scale", groupCode + suffix);
}
