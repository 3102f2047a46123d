#include "CSettingsWriter.h"

#include "CTextFields.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {
constexpr int kPenCount = 32;
constexpr int kStampPositionCount = 15;
constexpr int kSizeCount = 15;
constexpr const char* kPenLines[] = {"WIDTH", "ENDSTYLE", "JOINTSTYLE", "COLOR"};
constexpr const char* kPositionLines[] = {"LOCX", "LOCY", "ROTATE"};

struct DrawingColour {
    const char* keyWord;
    const char* suffix;
};
constexpr DrawingColour kDrawingColours[] = {
    {"White", "W"}, {"Black", "BL"}, {"Red", "R"}, {"Green", "G"},
    {"Blue", "B"},  {"Yellow", "Y"}, {"Magenta", "M"}, {"Cyan", "C"},
};

struct FoldProgram {
    const char* folder;
    const char* written;
};
constexpr FoldProgram kFoldPrograms[] = {
    {"UNFOLD", "BYPASS"}, {"FAN1", "FAN"},   {"FAN2", "FAN"},   {"CROSS1", "CROSS"},  {"CROSS2", "CROSS"},
    {"OTHER1", "SD1"},    {"OTHER2", "SD1"}, {"OTHER", "SD1"},  {"170mm2", "170mm"},
};

using BinNames = std::array<std::string, 14>;

BinNames MakeBinNames(const std::string& prefix)
{
    BinNames names;
    for (std::size_t k = 0; k < names.size(); ++k)
        names[k] = prefix + std::to_string(k + 1);
    return names;
}

const BinNames& StackBinNames()
{
    static const BinNames names = MakeBinNames("BIN");
    return names;
}

const BinNames& FinisherBinNames()
{
    static const BinNames names = MakeBinNames("BIN_");
    return names;
}

// The table entry named by the bin's first character read as a hexadecimal
// digit "0" to "D"; nothing for any other character, so a stray value
// cannot reach past the table.
std::optional<std::string> BinName(const BinNames& names, const std::string& bin)
{
    const char first = bin.empty() ? '\0' : bin[0];
    if (first >= '0' && first <= '9')
        return names[static_cast<std::size_t>(first - '0')];
    if (first >= 'A' && first <= 'D')
        return names[static_cast<std::size_t>(first - 'A' + 10)];
    return std::nullopt;
}

bool IsStacking(const std::string& stacker)
{
    return stacker == "STACK" || stacker == "SORT";
}

std::string WithMiterSpelling(std::string text)
{
    const std::string wrong = "MITTER";
    for (auto at = text.find(wrong); at != std::string::npos; at = text.find(wrong, at + 5))
        text.replace(at, wrong.size(), "MITER");
    return text;
}

std::string FoldProgramName(const std::string& folder)
{
    for (const auto& program : kFoldPrograms)
        if (folder == program.folder)
            return program.written;
    return folder;
}

std::string CrossFold(const std::string& folder)
{
    return folder == "FAN1" || folder == "CROSS1" || folder == "OTHER1" ? "CROSSFOLDON" : "CROSSFOLDOFF";
}
}

bool CSettingsWriter::WriteDefaultLines(std::ostream& out, const std::string& settingFilePath,
                                        const std::string& regionCode)
{
    CSettingsWriter writer(out, settingFilePath, regionCode);
    return writer.WritePens(false) && writer.WritePenWidthAndRasterColour() && writer.WriteDrawingColours() &&
           writer.WriteMediaStampAndLabels() && writer.WriteFinisher() && writer.WriteModesAndSizes();
}

bool CSettingsWriter::WriteDefaultLinesFinish(std::ostream& out, const std::string& settingFilePath,
                                              const std::string& regionCode, const std::string& controllerName)
{
    CSettingsWriter writer(out, settingFilePath, regionCode);
    return writer.WritePens(true) && writer.WritePenWidthAndRasterColour() && writer.WriteMediaStampAndLabels() &&
           writer.WriteFinishFinisher(controllerName) && writer.WriteModesAndSizes();
}

bool CSettingsWriter::UsesFinishWriter(const std::string& controllerName)
{
    return controllerName == "Heron" || controllerName == "Corvid2nd";
}

bool CSettingsWriter::WriteForController(std::ostream& out, const std::string& settingFilePath,
                                         const std::string& regionCode, const std::string& controllerName)
{
    if (UsesFinishWriter(controllerName))
        return WriteDefaultLinesFinish(out, settingFilePath, regionCode, controllerName);
    return WriteDefaultLines(out, settingFilePath, regionCode);
}

CSettingsWriter::CSettingsWriter(std::ostream& out, const std::string& settingFilePath, const std::string& regionCode)
    : m_out(out), m_region(regionCode)
{
    m_profile.Open(settingFilePath);
}

bool CSettingsWriter::WritePens(bool spellMiter)
{
    for (int n = 1; n <= kPenCount; ++n) {
        auto value = Read("HPGLPen", "Pen" + std::to_string(n));
        if (!value)
            return false;
        if (spellMiter)
            value = WithMiterSpelling(*value);
        for (int field = 1; field <= 4; ++field)
            Line("PEN" + std::to_string(n) + kPenLines[field - 1],
                 CTextFields::ExtractField(*value, field, kMissingValue));
    }
    return true;
}

bool CSettingsWriter::WritePenWidthAndRasterColour()
{
    return Copy("PENWIDTHCHANGE", "HPGLPen", "PenWidthChange") && Copy("RASTERCOLOR", "Color", "RasterColor");
}

bool CSettingsWriter::WriteDrawingColours()
{
    for (const auto* kind : {"Vector", "Raster"}) {
        const std::string linePrefix = std::string(1, kind[0]) + "DRAWCOLOR_";
        for (const auto& colour : kDrawingColours)
            if (!Copy(linePrefix + colour.suffix, "Color", std::string(kind) + "DrawingColor" + colour.keyWord))
                return false;
    }
    return true;
}

bool CSettingsWriter::WriteMediaStampAndLabels()
{
    if (!Copy("MEDIASOURCE", "MediaSource", "MediaSource") || !Copy("OUTPUTTRAY", "OutputTray", "OutputTray"))
        return false;
    const auto stampId = Read("Stamp", "StampID");
    if (!stampId)
        return false;
    Line("STAMPID", *stampId);
    if (*stampId != "OFF" && !WriteStampDetails())
        return false;
    return Copy("LABELERROR", "Label", "ErrorLabel") && Copy("LABELNAME", "Label", "Label") &&
           Copy("LABELDATE", "Label", "DateLabel") && Copy("LABELLOC", "Label", "LabelLocation") &&
           Copy("MEDIATYPE", "MediaType", "MediaType");
}

bool CSettingsWriter::WriteStampDetails()
{
    if (!Copy("STAMPCOLOR", "Stamp", "StampColor") || !Copy("STAMPDATE", "Stamp", "StampDate"))
        return false;
    const auto numbering = Read("Stamp", "StampNumbering");
    if (!numbering)
        return false;
    Line("STAMPLABEL", *numbering == "USER" ? '"' + ReadAny("Stamp", "StampNumberingString") + '"' : *numbering);

    for (int n = 1; n <= kStampPositionCount; ++n) {
        const auto position = Read("Stamp", "StampPositionXYRotate" + std::to_string(n));
        if (!position)
            return false;
        std::vector<std::string> fields;
        for (int field = 1; field <= 3; ++field)
            fields.push_back(*position == "LOCAL" ? *position
                                                  : CTextFields::ExtractField(*position, field, kMissingValue));
        if (std::find(fields.begin(), fields.end(), kMissingValue) != fields.end())
            return false;
        for (std::size_t i = 0; i < fields.size(); ++i)
            Line("STAMP" + std::to_string(n) + kPositionLines[i], fields[i]);
    }
    return true;
}

bool CSettingsWriter::WriteFinisher()
{
    if (!Copy(IsStackingRegion() ? "FOLDMARGIN" : "FINISHMARGINS", "Finisher", "FolderMargin"))
        return false;
    if (!IsStackingRegion())
        return WriteFoldProgramAndBin("BIN");
    return Copy("BALER", "Finisher", "Baler") && WriteStacking() && Copy("FOLDER", "Finisher", "Folder") &&
           Copy("FOLDROTATE", "Finisher", "FolderRotate") && Copy("FOLDSIZE", "Finisher", "FolderSize") &&
           Copy("FOLDCORNER", "Finisher", "FolderCornerFold");
}

bool CSettingsWriter::WriteStacking()
{
    const auto stacker = Read("Finisher", "Stacker");
    if (!stacker)
        return false;
    Line("STACKER", *stacker);
    const auto bin = Read("Finisher", "StackBin");
    // Bins 1 and 2 also go out in the older form, in which the stacker named the bin.
    if (*stacker == "STACK" && (bin == "1" || bin == "2"))
        Line("STACKER", "BIN" + *bin);
    if (!IsStacking(*stacker))
        return true;
    if (!bin)
        return false;
    const auto name = *bin == "TOPTRAY" || *bin == "FANFOLD" || *bin == "BYPASS" ? bin : BinName(StackBinNames(), *bin);
    if (!name)
        return false;
    Line("STACKBIN", *name);
    return true;
}

bool CSettingsWriter::WriteFinishFinisher(const std::string& controllerName)
{
    if (controllerName == "Heron")
        return true;
    const auto margin = Read("Finisher", "FolderMargin");
    if (!margin)
        return false;
    Line("FINISHMARGINS", *margin == "0" ? "MARGINSOFF" : *margin);
    if (!IsStackingRegion())
        return WriteFoldProgramAndBin("BIN_");
    if (!Copy("FINISHBALE", "Finisher", "Baler") || !WriteFinishStacking())
        return false;
    const auto folder = Read("Finisher", "Folder");
    if (!folder)
        return false;
    Line("FINISHPROGID", FoldProgramName(*folder));
    Line("FINISHCROSSFOLD", CrossFold(*folder));
    return Copy("FINISHROTATE", "Finisher", "FolderRotate") && Copy("FINISHSIZE", "Finisher", "FolderSize") &&
           Copy("FINISHCORNER", "Finisher", "FolderCornerFold");
}

bool CSettingsWriter::WriteFinishStacking()
{
    const auto stacker = Read("Finisher", "Stacker");
    if (!stacker)
        return false;
    Line("FINISHSTACKMODE", *stacker);
    const auto bin = Read("Finisher", "StackBin");
    if (!IsStacking(*stacker))
        return true;
    if (!bin)
        return false;
    const auto name = *bin == "TOPTRAY" ? std::optional<std::string>("BYPASS") : BinName(FinisherBinNames(), *bin);
    if (!name)
        return false;
    Line("FINISHBIN", *name);
    return true;
}

bool CSettingsWriter::WriteFoldProgramAndBin(const std::string& binPrefix)
{
    const auto program = Read("Finisher", "FolderProgramRange");
    if (!program)
        return false;
    Line("FINISHPROGID", *program == "OFF" ? "BYPASS" : "PROGRAM" + *program);
    const auto bin = Read("Finisher", "FolderOutputBin");
    if (!bin)
        return false;
    Line("FINISHBIN", *bin == "SELECTBIN" ? binPrefix + ReadAny("Finisher", "FolderBinNoRange") : *bin);
    return true;
}

bool CSettingsWriter::WriteModesAndSizes()
{
    if (!Copy("INPUTMODE", "Input/Output Mode", "InputMode") || !Copy("OUTPUTMODE", "Input/Output Mode", "OutputMode"))
        return false;
    Line("SCALE", "ON");
    for (int n = 1; n <= kSizeCount; ++n)
        if (!Copy("OUTPUT" + std::to_string(n) + "SIZE", "OutputSize", "Output" + std::to_string(n) + "Size"))
            return false;
    for (int n = 1; n <= kSizeCount; ++n)
        if (!Copy("PAPER" + std::to_string(n) + "SIZE", "PaperSize", "Paper" + std::to_string(n) + "Size"))
            return false;
    return true;
}

std::optional<std::string> CSettingsWriter::Read(const std::string& section, const std::string& key) const
{
    std::string value = ReadAny(section, key);
    if (value == kMissingValue)
        return std::nullopt;
    return value;
}

std::string CSettingsWriter::ReadAny(const std::string& section, const std::string& key) const
{
    return m_profile.GetString(section, key, kMissingValue);
}

bool CSettingsWriter::Copy(const std::string& name, const std::string& section, const std::string& key)
{
    const auto value = Read(section, key);
    if (value)
        Line(name, *value);
    return value.has_value();
}

void CSettingsWriter::Line(const std::string& name, const std::string& value)
{
    m_out << "@PJL DEFAULT " << name << " = " << value << '\n';
}

bool CSettingsWriter::IsStackingRegion() const
{
    return m_region == "JP" || m_region == "AP" || m_region == "CL";
}
