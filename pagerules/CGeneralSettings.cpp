#include "CGeneralSettings.h"

#include "CPlotter.h"
#include "CProfile.h"
#include "CProfileBatch.h"

#include <algorithm>

namespace {
constexpr std::size_t kMediaSource = 0;
constexpr std::size_t kOutputTray = 1;
constexpr std::size_t kErrorLabel = 2;
constexpr std::size_t kLabel = 3;
constexpr std::size_t kDateLabel = 4;
constexpr std::size_t kLabelLocation = 5;
constexpr std::size_t kMediaType = 6;

// A check's "on" value comes first, its "off" value second.
constexpr int kOn = 0;
constexpr int kOff = 1;

// An empty capability list has nothing selected, and an empty text stands
// for its value.
std::string At(const CGeneralSettings::Strings& texts, int index)
{
    return index >= 0 && index < static_cast<int>(texts.size()) ? texts[static_cast<std::size_t>(index)]
                                                                 : std::string();
}

int IndexOf(const CGeneralSettings::Strings& texts, const std::string& text)
{
    const auto found = std::find(texts.begin(), texts.end(), text);
    return found == texts.end() ? -1 : static_cast<int>(found - texts.begin());
}
}

std::string CGeneralSettings::Choice::Value() const
{
    return At(values, selected);
}

void CGeneralSettings::Choice::SelectValue(const std::string& value)
{
    const int index = IndexOf(values, value);
    selected = index < 0 ? fallback : index;
}

CGeneralSettings::CGeneralSettings(const CPlotter& plotter)
    : m_plotter(plotter)
    , m_choices{{
          {{"MediaSource", "MediaSource"}, {"MANUAL_FD", "AUTO"}, {}, kOff, kOff},
          {{"OutputTray", "OutputTray"}, {}, {}, 0, 0},
          {{"Label", "ErrorLabel"}, {"ON", "OFF"}, {}, kOff, kOff},
          {{"Label", "Label"}, {"ON", "OFF"}, {}, kOff, kOff},
          {{"Label", "DateLabel"}, {"ON", "OFF"}, {}, kOff, kOff},
          {{"Label", "LabelLocation"}, {"U_LEFT", "U_RIGHT", "L_LEFT", "L_RIGHT"}, {}, 0, 0},
          {{"MediaType", "MediaType"}, {}, {}, 0, 0},
      }}
{
}

std::size_t CGeneralSettings::SlotOf(Check check)
{
    static constexpr std::size_t slots[] = {kMediaSource, kErrorLabel, kLabel, kDateLabel};
    return slots[static_cast<std::size_t>(check)];
}

std::size_t CGeneralSettings::SlotOf(List list)
{
    return list == List::OutputTray ? kOutputTray : kMediaType;
}

bool CGeneralSettings::IsChecked(Check check) const
{
    return m_choices[SlotOf(check)].selected == kOn;
}

void CGeneralSettings::SetChecked(Check check, bool on)
{
    m_choices[SlotOf(check)].selected = on ? kOn : kOff;
}

CGeneralSettings::Corner CGeneralSettings::GetLabelLocation() const
{
    return static_cast<Corner>(m_choices[kLabelLocation].selected);
}

void CGeneralSettings::SetLabelLocation(Corner corner)
{
    m_choices[kLabelLocation].selected = static_cast<int>(corner);
}

const CGeneralSettings::Strings& CGeneralSettings::GetLabels(List list) const
{
    return m_choices[SlotOf(list)].labels;
}

int CGeneralSettings::GetSelected(List list) const
{
    const Choice& choice = m_choices[SlotOf(list)];
    return choice.values.empty() ? -1 : choice.selected;
}

void CGeneralSettings::Select(List list, int index)
{
    Choice& choice = m_choices[SlotOf(list)];
    if (index >= 0 && index < static_cast<int>(choice.values.size()))
        choice.selected = index;
}

std::vector<SettingKey> CGeneralSettings::OwnedKeys() const
{
    std::vector<SettingKey> keys;
    for (const Choice& choice : m_choices)
        keys.push_back(choice.key);
    return keys;
}

std::vector<SettingLine> CGeneralSettings::Lines() const
{
    std::vector<SettingLine> lines;
    for (const Choice& choice : m_choices)
        lines.push_back({choice.key, choice.Value(), At(choice.labels, choice.selected)});
    return lines;
}

CGeneralSettings::Choice* CGeneralSettings::FindChoice(const SettingKey& key)
{
    const auto found =
        std::find_if(m_choices.begin(), m_choices.end(), [&](const Choice& choice) { return choice.key == key; });
    return found == m_choices.end() ? nullptr : &*found;
}

SettingEdit CGeneralSettings::Edit(const SettingKey& key, const std::string& value)
{
    Choice* choice = FindChoice(key);
    if (!choice)
        return {SettingEdit::Status::UnknownKey, {}};
    const int index = IndexOf(choice->values, value);
    if (index < 0)
        return {SettingEdit::Status::BadValue, choice->values};
    choice->selected = index;
    return {};
}

void CGeneralSettings::Read(const CProfile& current)
{
    Choice& trays = m_choices[kOutputTray];
    Choice& media = m_choices[kMediaType];
    trays.labels.clear();
    trays.values.clear();
    media.labels.clear();
    media.values.clear();
    m_plotter.GetOutputTrayList(trays.labels, trays.values);
    m_plotter.GetMediaTypeList(media.labels, media.values);
    for (Choice& choice : m_choices)
        choice.SelectValue(current.GetString(choice.key.section, choice.key.key, kMissingValue));
}

void CGeneralSettings::Write(CProfileBatch& target) const
{
    for (const Choice& choice : m_choices)
        target.WriteString(choice.key.section, choice.key.key, choice.Value());
}
