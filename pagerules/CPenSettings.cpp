#include "CPenSettings.h"

#include "CMessageService.h"
#include "CPlotter.h"
#include "CProfile.h"
#include "CProfileBatch.h"
#include "CTextFields.h"
#include "ResourceIds.h"

#include <algorithm>

namespace {
const std::string kSection = "HPGLPen";
const std::string kPenPrefix = "Pen";
const std::string kWidthChangeKey = "PenWidthChange";
const std::string kUnsetColour = "BLACK";
const CPenSettings::Strings kOnOff = {"ON", "OFF"};

bool Contains(const CPenSettings::Strings& values, const std::string& value)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

// Width, end, joint and the rest of the text; fields the text lacks are empty.
std::array<std::string, 4> SplitPen(const std::string& text)
{
    std::array<std::string, 4> fields;
    std::size_t start = 0;
    for (std::size_t field = 0; field < 3 && start <= text.size(); ++field) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        fields[field] = text.substr(start, comma - start);
        start = comma + 1;
    }
    if (start <= text.size())
        fields[3] = text.substr(start);
    return fields;
}

SettingEdit BadValue(CPenSettings::Strings offered)
{
    return {SettingEdit::Status::BadValue, std::move(offered)};
}
}

CPenSettings::CPenSettings(const CPlotter& plotter)
    : m_plotter(plotter)
{
}

const CPenSettings::Strings& CPenSettings::GetEndValues()
{
    static const Strings values = {"SQUARE", "ROUND", "EXTEND", "TRIANGLE"};
    return values;
}

const CPenSettings::Strings& CPenSettings::GetJointValues()
{
    static const Strings values = {"UNJOINT", "BEVEL", "MITTER", "ROUND"};
    return values;
}

bool CPenSettings::SetWidth(int number, const std::string& width)
{
    if (!IsWidthAllowed(width)) {
        const auto [lower, upper] = GetWidthRange();
        CMessageService::ShowBounds(ResId::kBadPenWidthMessage, lower, upper);
        return false;
    }
    m_pens.at(number - 1).width = width;
    return true;
}

bool CPenSettings::SetEnd(int number, const std::string& end)
{
    return SetChoice(&Pen::end, GetEndValues(), number, end);
}

bool CPenSettings::SetJoint(int number, const std::string& joint)
{
    return SetChoice(&Pen::joint, GetJointValues(), number, joint);
}

bool CPenSettings::SetColour(int number, const std::string& colour)
{
    return SetChoice(&Pen::colour, CPlotter::GetColorCodes(), number, colour);
}

bool CPenSettings::SetChoice(std::string Pen::*field, const Strings& values, int number, const std::string& value)
{
    if (!Contains(values, value))
        return false;
    m_pens.at(number - 1).*field = value;
    return true;
}

std::string CPenSettings::GetColourName(const std::string& colour) const
{
    const Strings& codes = CPlotter::GetColorCodes();
    const Strings& names = m_plotter.GetColorNames();
    const auto at = static_cast<std::size_t>(std::find(codes.begin(), codes.end(), colour) - codes.begin());
    return at < names.size() ? names[at] : std::string();
}

std::vector<SettingKey> CPenSettings::OwnedKeys() const
{
    std::vector<SettingKey> keys;
    for (int number = 1; number <= kPenCount; ++number)
        keys.push_back({kSection, PenKey(number)});
    keys.push_back({kSection, kWidthChangeKey});
    return keys;
}

std::vector<SettingLine> CPenSettings::Lines() const
{
    std::vector<SettingLine> lines;
    for (int number = 1; number <= kPenCount; ++number) {
        const Pen& pen = GetPen(number);
        const std::string colour = pen.colour.empty() ? kUnsetColour : pen.colour;
        lines.push_back({{kSection, PenKey(number)},
                         pen.width + "," + pen.end + "," + pen.joint + "," + colour,
                         GetColourName(pen.colour)});
    }
    lines.push_back({{kSection, kWidthChangeKey}, m_widthChange ? "ON" : "OFF", {}});
    return lines;
}

SettingEdit CPenSettings::Edit(const SettingKey& key, const std::string& value)
{
    if (const int number = PenNumberOf(key))
        return EditPen(number, value);
    if (key != SettingKey{kSection, kWidthChangeKey})
        return CSettingsPage::Edit(key, value);
    if (!Contains(kOnOff, value))
        return BadValue(kOnOff);
    m_widthChange = value == "ON";
    return {};
}

// Reading stops at the first missing pen; pens past the grid's 32 rows are
// not read.
void CPenSettings::Read(const CProfile& current)
{
    for (int number = 1; number <= kPenCount; ++number) {
        const PenRead read = ReadPen(current, number);
        if (read == PenRead::Damaged)
            return;
        if (read == PenRead::Missing)
            break;
    }
    m_widthChange = current.GetString(kSection, kWidthChangeKey, kMissingValue) == "ON";
}

CPenSettings::PenRead CPenSettings::ReadPen(const CProfile& current, int number)
{
    const std::string text = current.GetString(kSection, PenKey(number), kMissingValue);
    if (text == kMissingValue)
        return PenRead::Missing;
    if (std::count(text.begin(), text.end(), ',') < 3) {
        CMessageService::Show(ResId::kBadPenEntryMessage);
        return PenRead::Damaged;
    }
    const auto fields = SplitPen(text);
    Pen& pen = m_pens.at(number - 1);
    pen.width = fields[0];
    pen.end = fields[1];
    pen.joint = fields[2];
    const std::string colour = CTextFields::ExtractField(fields[3], 1, {});
    if (Contains(CPlotter::GetColorCodes(), colour))
        pen.colour = colour;
    return PenRead::Read;
}

void CPenSettings::Write(CProfileBatch& target) const
{
    for (const SettingLine& line : Lines())
        target.WriteString(line.key.section, line.key.key, line.value);
}

std::string CPenSettings::PenKey(int number) { return kPenPrefix + std::to_string(number); }

int CPenSettings::PenNumberOf(const SettingKey& key)
{
    for (int number = 1; number <= kPenCount; ++number)
        if (key == SettingKey{kSection, PenKey(number)})
            return number;
    return 0;
}

std::pair<int, int> CPenSettings::GetWidthRange() const
{
    int lower = 0;
    int upper = 0;
    m_plotter.GetPenWidthRange(lower, upper);
    return {lower, upper};
}

bool CPenSettings::IsWidthAllowed(const std::string& width) const
{
    const auto [lower, upper] = GetWidthRange();
    return CTextFields::IsNumberIn(width, lower, upper);
}

std::string CPenSettings::WidthRangeText() const
{
    const auto [lower, upper] = GetWidthRange();
    return std::to_string(lower) + ".." + std::to_string(upper);
}

// All four fields are checked before any of them changes the pen.
SettingEdit CPenSettings::EditPen(int number, const std::string& value)
{
    const auto [width, end, joint, colour] = SplitPen(value);
    if (!IsWidthAllowed(width))
        return BadValue({WidthRangeText()});
    if (!Contains(GetEndValues(), end))
        return BadValue(GetEndValues());
    if (!Contains(GetJointValues(), joint))
        return BadValue(GetJointValues());
    if (!Contains(CPlotter::GetColorCodes(), colour))
        return BadValue(CPlotter::GetColorCodes());
    m_pens.at(number - 1) = {width, end, joint, colour};
    return {};
}
