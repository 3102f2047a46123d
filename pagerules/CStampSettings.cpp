#include "CStampSettings.h"

#include "CMessageService.h"
#include "CPlotter.h"
#include "CProfile.h"
#include "CProfileBatch.h"
#include "CResourceModule.h"
#include "CTextFields.h"
#include "ResourceIds.h"
#include "SheetFlags.h"

#include <algorithm>
#include <functional>

namespace {
const std::string kSection = "Stamp";
const std::string kIdKey = "StampID";
const std::string kColorKey = "StampColor";
const std::string kDateKey = "StampDate";
const std::string kNumberingKey = "StampNumbering";
const std::string kNumberingTextKey = "StampNumberingString";
const std::string kPositionPrefix = "StampPositionXYRotate";
const std::string kOff = "OFF";
const std::string kLocal = "LOCAL";
const CStampSettings::Strings kNumberingValues = {"OFF", "LABEL", "USER"};
// Anything but the three colours reads as red.
constexpr int kFallbackColor = 1;
// Where the numbering lines stand among the lines, in the copy order.
constexpr std::size_t kNumberingLine = 3;

SettingEdit BadValue(CStampSettings::Strings offered)
{
    return {SettingEdit::Status::BadValue, std::move(offered)};
}

std::string RangeText(std::pair<int, int> range)
{
    return std::to_string(range.first) + ".." + std::to_string(range.second);
}

int IndexOf(const CStampSettings::Strings& texts, const std::string& text)
{
    const auto found = std::find(texts.begin(), texts.end(), text);
    return found == texts.end() ? -1 : static_cast<int>(found - texts.begin());
}

std::string At(const CStampSettings::Strings& texts, int index)
{
    return index >= 0 && index < static_cast<int>(texts.size()) ? texts[static_cast<std::size_t>(index)]
                                                                 : std::string();
}

// Texts are UTF-8: a character is a byte that does not continue another.
bool StartsCharacter(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

bool IsPrintable(char byte)
{
    const auto code = static_cast<unsigned char>(byte);
    return code >= 32 && code <= 127;
}

int CharacterCount(const std::string& text)
{
    return static_cast<int>(std::count_if(text.begin(), text.end(), StartsCharacter));
}

SettingEdit EditChoice(const CStampSettings::Strings& values, const std::string& value,
                       const std::function<void(int)>& select)
{
    const int index = IndexOf(values, value);
    if (index < 0)
        return BadValue(values);
    select(index);
    return {};
}
}

CStampSettings::CStampSettings(const CPlotter& plotter, SheetFlags& flags)
    : m_plotter(plotter), m_flags(flags)
{
}

bool CStampSettings::SetStampOn(bool on)
{
    if (on && m_flags.paperAuto) {
        CMessageService::Show(ResId::kStampWithAutoPaperMessage);
        on = false;
    }
    m_stampOn = on;
    m_flags.stampOn = on;
    return on;
}

bool CStampSettings::SetStampNumber(const std::string& number)
{
    const auto range = GetStampNumberRange();
    if (!IsNumberAllowed(number, range)) {
        CMessageService::ShowBounds(ResId::kBadStampNumberMessage, range.first, range.second);
        return false;
    }
    m_stampNumber = number;
    return true;
}

std::pair<int, int> CStampSettings::GetStampNumberRange() const
{
    std::pair<int, int> range;
    m_plotter.GetStampNoRange(range.first, range.second);
    return range;
}

void CStampSettings::SetColor(int color)
{
    if (color >= 0 && color < static_cast<int>(CPlotter::GetStampColorCodes().size()))
        m_color = color;
}

void CStampSettings::SelectDate(int index)
{
    if (index >= 0 && index < static_cast<int>(m_dateValues.size()))
        m_date = index;
}

std::string CStampSettings::GetNumberingName(Numbering numbering)
{
    static constexpr unsigned names[] = {ResId::kNumberingOffName, ResId::kNumberingLabelName,
                                         ResId::kNumberingUserName};
    return CResourceModule::LoadString(names[static_cast<std::size_t>(numbering)]);
}

int CStampSettings::GetNumberingLength() const
{
    return m_plotter.GetNumStampNumbering();
}

bool CStampSettings::CheckNumberingText() const
{
    if (m_checkingText)
        return true;
    m_checkingText = true;
    bool passed = true;
    for (char byte : m_numberingText)
        if (StartsCharacter(byte) && !IsPrintable(byte)) {
            CMessageService::Show(ResId::kBadNumberingTextMessage);
            passed = false;
        }
    m_checkingText = false;
    return passed;
}

void CStampSettings::SetLocal(bool on)
{
    if (m_local && !on)
        m_positions.fill(Position{});
    m_local = on;
}

std::string CStampSettings::GetRowName(int row) const
{
    return At(m_plotter.GetPaperSizeNames(), row - 1);
}

std::pair<int, int> CStampSettings::GetPositionRange(Axis axis) const
{
    std::pair<int, int> x;
    std::pair<int, int> y;
    m_plotter.GetStampPositionRanges(x.first, x.second, y.first, y.second);
    return axis == Axis::X ? x : y;
}

bool CStampSettings::SetCoordinate(int row, Axis axis, const std::string& text)
{
    const auto range = GetPositionRange(axis);
    if (!IsNumberAllowed(text, range)) {
        const unsigned message = axis == Axis::X ? ResId::kBadStampXMessage : ResId::kBadStampYMessage;
        CMessageService::ShowBounds(message, range.first, range.second);
        return false;
    }
    Position& position = m_positions.at(static_cast<std::size_t>(row - 1));
    (axis == Axis::X ? position.x : position.y) = text;
    return true;
}

void CStampSettings::SetRotation(int row, int index)
{
    if (index >= 0 && index < static_cast<int>(m_rotationLabels.size()))
        m_positions.at(static_cast<std::size_t>(row - 1)).rotation = m_rotationLabels[static_cast<std::size_t>(index)];
}

bool CStampSettings::IsNumberAllowed(const std::string& text, std::pair<int, int> range) const
{
    return CTextFields::IsNumberIn(text, range.first, range.second);
}

std::vector<SettingKey> CStampSettings::OwnedKeys() const
{
    std::vector<SettingKey> keys;
    for (const std::string& key : {kIdKey, kColorKey, kDateKey, kNumberingKey, kNumberingTextKey})
        keys.push_back({kSection, key});
    for (int row = 1; row <= kPositionCount; ++row)
        keys.push_back({kSection, kPositionPrefix + std::to_string(row)});
    return keys;
}

std::string CStampSettings::PositionText(int row) const
{
    const Position& position = GetPosition(row);
    return m_local ? kLocal : position.x + "," + position.y + "," + position.rotation;
}

std::vector<SettingLine> CStampSettings::Lines() const
{
    const auto color = static_cast<std::size_t>(m_color);
    std::vector<SettingLine> lines{
        {{kSection, kIdKey}, m_stampOn ? m_stampNumber : kOff, {}},
        {{kSection, kColorKey}, CPlotter::GetStampColorCodes().at(color), At(m_plotter.GetStampColorNames(), m_color)},
        {{kSection, kDateKey}, At(m_dateValues, m_date), At(m_dateLabels, m_date)},
        {{kSection, kNumberingKey}, kNumberingValues.at(static_cast<std::size_t>(m_numbering)),
         GetNumberingName(m_numbering)}};
    if (IsNumberingTextEnabled())
        lines.push_back({{kSection, kNumberingTextKey}, m_numberingText, {}});
    for (int row = 1; row <= kPositionCount; ++row)
        lines.push_back({{kSection, kPositionPrefix + std::to_string(row)}, PositionText(row), {}});
    return lines;
}

int CStampSettings::RowOf(const SettingKey& key)
{
    for (int row = 1; row <= kPositionCount; ++row)
        if (key == SettingKey{kSection, kPositionPrefix + std::to_string(row)})
            return row;
    return 0;
}

SettingEdit CStampSettings::Edit(const SettingKey& key, const std::string& value)
{
    if (const int row = RowOf(key))
        return EditPosition(row, value);
    if (key.section != kSection)
        return CSettingsPage::Edit(key, value);
    if (key.key == kIdKey)
        return EditStampId(value);
    if (key.key == kNumberingTextKey)
        return EditNumberingText(value);
    if (key.key == kColorKey)
        return EditChoice(CPlotter::GetStampColorCodes(), value, [this](int index) { m_color = index; });
    if (key.key == kDateKey)
        return EditChoice(m_dateValues, value, [this](int index) { m_date = index; });
    if (key.key == kNumberingKey)
        return EditChoice(kNumberingValues, value, [this](int index) { m_numbering = static_cast<Numbering>(index); });
    return CSettingsPage::Edit(key, value);
}

// A stamp number turns the stamp on, which the automatic paper choice refuses.
SettingEdit CStampSettings::EditStampId(const std::string& value)
{
    if (value == kOff) {
        SetStampOn(false);
        return {};
    }
    const auto range = GetStampNumberRange();
    if (!IsNumberAllowed(value, range))
        return BadValue({kOff, RangeText(range)});
    if (!SetStampOn(true))
        return BadValue({kOff});
    m_stampNumber = value;
    return {};
}

SettingEdit CStampSettings::EditNumberingText(const std::string& value)
{
    const bool allowed = CharacterCount(value) <= GetNumberingLength() &&
                         std::all_of(value.begin(), value.end(), [](char c) { return IsPrintable(c) && c != '"'; });
    if (!allowed)
        return BadValue({"a text of up to " + std::to_string(GetNumberingLength()) +
                         " characters with codes 32 to 127 and no double quote (\")"});
    m_numberingText = value;
    return {};
}

SettingEdit CStampSettings::EditPosition(int row, const std::string& value)
{
    if (value == kLocal) {
        SetLocal(true);
        return {};
    }
    const std::string x = CTextFields::ExtractField(value, 1, {});
    const std::string y = CTextFields::ExtractField(value, 2, {});
    const std::string rotation = CTextFields::ExtractField(value, 3, {});
    for (const auto& [text, axis] : {std::pair{x, Axis::X}, std::pair{y, Axis::Y}})
        if (!IsNumberAllowed(text, GetPositionRange(axis)))
            return BadValue({RangeText(GetPositionRange(axis))});
    const bool extraField = CTextFields::ExtractField(value, 4, kMissingValue) != kMissingValue;
    if (extraField || IndexOf(m_rotationLabels, rotation) < 0)
        return BadValue(m_rotationLabels);
    SetLocal(false);
    m_positions.at(static_cast<std::size_t>(row - 1)) = {x, y, rotation};
    return {};
}

void CStampSettings::Read(const CProfile& current)
{
    m_dateLabels.clear();
    m_dateValues.clear();
    m_plotter.GetStampDateList(m_dateLabels, m_dateValues);
    m_rotationLabels.clear();
    Strings rotationCodes;
    m_plotter.GetStampRotateList(m_rotationLabels, rotationCodes);

    ReadStampId(current.GetString(kSection, kIdKey, kMissingValue));
    const std::string color = current.GetString(kSection, kColorKey, kMissingValue);
    const int colorIndex = IndexOf(CPlotter::GetStampColorCodes(), color);
    m_color = colorIndex < 0 ? kFallbackColor : colorIndex;
    const int date = IndexOf(m_dateValues, current.GetString(kSection, kDateKey, kMissingValue));
    m_date = date >= 0 ? date : m_dateValues.empty() ? -1 : 0;
    ReadNumbering(current);
    ReadPositions(current);
}

// A number that reads as 0 (or none) shows the lowest stamp number.
void CStampSettings::ReadStampId(const std::string& text)
{
    m_stampOn = text != kOff;
    const bool shown = m_stampOn && CTextFields::LeadingInteger(text) != 0;
    m_stampNumber = shown ? text : std::to_string(GetStampNumberRange().first);
}

void CStampSettings::ReadNumbering(const CProfile& current)
{
    const int numbering = IndexOf(kNumberingValues, current.GetString(kSection, kNumberingKey, kMissingValue));
    m_numbering = numbering < 0 ? Numbering::Off : static_cast<Numbering>(numbering);
    m_numberingText.clear();
    if (m_numbering != Numbering::User)
        return;
    const std::string text = current.GetString(kSection, kNumberingTextKey, {});
    if (CharacterCount(text) <= GetNumberingLength())
        m_numberingText = text;
}

// A row lacking any of its three fields shows 0, 0, 0.
void CStampSettings::ReadPositions(const CProfile& current)
{
    m_local = false;
    for (int row = 1; row <= kPositionCount; ++row) {
        const std::string text = current.GetString(kSection, kPositionPrefix + std::to_string(row), kMissingValue);
        m_local = m_local || text == kLocal;
        const auto field = [&text](int n) { return CTextFields::ExtractField(text, n, kMissingValue); };
        const Position read{field(1), field(2), field(3)};
        const bool whole = read.x != kMissingValue && read.y != kMissingValue && read.rotation != kMissingValue;
        m_positions.at(static_cast<std::size_t>(row - 1)) = whole ? read : Position{};
    }
}

// The numbering text is checked, not changed, and goes before the numbering
// that uses it.
void CStampSettings::Write(CProfileBatch& target) const
{
    CheckNumberingText();
    std::vector<SettingLine> lines = Lines();
    if (IsNumberingTextEnabled())
        std::swap(lines[kNumberingLine], lines[kNumberingLine + 1]);
    for (const SettingLine& line : lines)
        target.WriteString(line.key.section, line.key.key, line.value);
}
