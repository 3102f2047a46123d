#include "CFinisherSettings.h"

#include "CMessageService.h"
#include "CPlotter.h"
#include "CProfile.h"
#include "CProfileBatch.h"
#include "CTextFields.h"
#include "ResourceIds.h"

#include <algorithm>

namespace {
using Control = CFinisherSettings::Control;
using Kind = CFinisherSettings::Kind;
using Strings = CFinisherSettings::Strings;
using ListGetter = void (CPlotter::*)(Strings&, Strings&) const;

const std::string kSection = "Finisher";
const std::string kFolderKey = "Folder";
constexpr int kOn = 0;
constexpr int kOff = 1;

struct ControlTraits {
    const char* key;  // none for a control that saves under another's key
    Kind kind;
    ListGetter list = nullptr;
    Strings onOff = {};
};

// In the order of Control.
const ControlTraits kTraits[] = {
    {"Folder", Kind::List, &CPlotter::GetFolderList},
    {"FolderSize", Kind::List, &CPlotter::GetFolderSizeList},
    {"FolderMargin", Kind::List, &CPlotter::GetFolderMarginList},
    {"Stacker", Kind::List, &CPlotter::GetStackerList},
    {"StackBin", Kind::List, &CPlotter::GetStackBinList},
    {"FolderOutputBin", Kind::List, &CPlotter::GetFolderOutputBinList},
    {"Folder", Kind::Check, nullptr, {"FOLD", "UNFOLD"}},
    {"FolderRotate", Kind::Check, nullptr, {"ON", "OFF"}},
    {"FolderCornerFold", Kind::Check, nullptr, {"ON", "OFF"}},
    {"Baler", Kind::Check, nullptr, {"ON", "OFF"}},
    {nullptr, Kind::Check, nullptr, {"OFF", ""}},
    {"FolderProgramRange", Kind::Number},
    {"FolderBinNoRange", Kind::Number},
};

const ControlTraits& TraitsOf(Control control)
{
    return kTraits[static_cast<std::size_t>(control)];
}

int IndexOf(const Strings& texts, const std::string& text)
{
    const auto found = std::find(texts.begin(), texts.end(), text);
    return found == texts.end() ? -1 : static_cast<int>(found - texts.begin());
}

std::string TextAt(const Strings& texts, int index)
{
    return index >= 0 && index < static_cast<int>(texts.size()) ? texts[static_cast<std::size_t>(index)]
                                                                 : std::string();
}

SettingEdit BadValue(Strings offered)
{
    return {SettingEdit::Status::BadValue, std::move(offered)};
}

// Both write "Folder", and only while the user can change them.
bool IsFolderControl(Control control)
{
    return control == Control::FoldProgram || control == Control::Fold;
}
}

std::string CFinisherSettings::State::Value() const
{
    return values.empty() ? text : TextAt(values, selected);
}

// A stack bin falls back to its second entry, which a shorter list lacks.
void CFinisherSettings::State::SelectValue(const std::string& value)
{
    const int index = IndexOf(values, value);
    selected = index >= 0 ? index : std::min(fallback, static_cast<int>(values.size()) - 1);
}

CFinisherSettings::CFinisherSettings(const CPlotter& plotter, std::string regionCode)
    : m_plotter(plotter)
    , m_page(PageOf(regionCode))
{
    for (std::size_t at = 0; at < kControlCount; ++at)
        if (kTraits[at].kind == Kind::Check) {
            m_states[at].values = kTraits[at].onOff;
            m_states[at].selected = m_states[at].fallback = kOff;
        }
    At(Control::StackBin).fallback = 1;
}

CFinisherSettings::Page CFinisherSettings::PageOf(const std::string& regionCode)
{
    if (regionCode == "JP")
        return Page::JP;
    if (regionCode == "AP")
        return Page::AP;
    return regionCode == "CL" ? Page::CL : Page::ZC;
}

CFinisherSettings::Kind CFinisherSettings::KindOf(Control control)
{
    return TraitsOf(control).kind;
}

std::pair<int, int> CFinisherSettings::GetRange(const CPlotter& plotter, Control number)
{
    int lower = 0;
    int upper = 0;
    if (number == Control::ProgramNumber)
        plotter.GetFolderProgramRange(lower, upper);
    else
        plotter.GetFolderBinNoRange(lower, upper);
    return {lower, upper};
}

// Save order.
const std::vector<Control>& CFinisherSettings::Controls() const
{
    static const std::vector<Control> jp{Control::FoldProgram, Control::Rotate,     Control::FoldSize,
                                         Control::Margin,      Control::CornerFold, Control::Stacker,
                                         Control::StackBin,    Control::Fold,       Control::Baler};
    static const std::vector<Control> apCl{Control::FoldProgram, Control::Rotate,  Control::FoldSize, Control::Margin,
                                           Control::CornerFold,  Control::Stacker, Control::Baler};
    static const std::vector<Control> zc{Control::ProgramOff, Control::ProgramNumber, Control::Margin,
                                         Control::OutputBin, Control::BinNumber};
    if (m_page == Page::JP)
        return jp;
    return m_page == Page::ZC ? zc : apCl;
}

bool CFinisherSettings::Has(Control control) const
{
    const auto& controls = Controls();
    return std::find(controls.begin(), controls.end(), control) != controls.end();
}

bool CFinisherSettings::IsEnabled(Control control) const
{
    return At(control).enabled;
}

const CFinisherSettings::Strings& CFinisherSettings::GetLabels(Control list) const
{
    return At(list).labels;
}

int CFinisherSettings::GetSelected(Control list) const
{
    return At(list).values.empty() ? -1 : At(list).selected;
}

void CFinisherSettings::Select(Control list, int index)
{
    State& state = At(list);
    if (index < 0 || index >= static_cast<int>(state.values.size()))
        return;
    state.selected = index;
    if (m_page == Page::JP && list == Control::FoldProgram)
        At(Control::Fold).enabled = state.Value() == "UNFOLD";
    else if (m_page == Page::JP && list == Control::Stacker)
        ApplyStackBinRule();
    else if (m_page == Page::ZC && list == Control::OutputBin)
        ApplyProgramRule();
}

bool CFinisherSettings::IsChecked(Control check) const
{
    return At(check).selected == kOn;
}

void CFinisherSettings::SetChecked(Control check, bool on)
{
    At(check).selected = on ? kOn : kOff;
    if (m_page == Page::JP && check == Control::Fold)
        At(Control::FoldProgram).enabled = !on;
    else if (m_page == Page::ZC && check == Control::ProgramOff)
        ApplyProgramRule();
}

const std::string& CFinisherSettings::GetText(Control number) const
{
    return At(number).text;
}

void CFinisherSettings::SetText(Control number, std::string text)
{
    At(number).text = std::move(text);
}

bool CFinisherSettings::CheckNumber(Control number) const
{
    if (IsNumberAllowed(number, GetText(number)))
        return true;
    const auto [lower, upper] = GetRange(m_plotter, number);
    CMessageService::ShowBounds(
        number == Control::ProgramNumber ? ResId::kBadFoldProgramMessage : ResId::kBadFoldBinMessage, lower, upper);
    return false;
}

bool CFinisherSettings::IsNumberAllowed(Control number, const std::string& text) const
{
    const auto [lower, upper] = GetRange(m_plotter, number);
    return CTextFields::IsNumberIn(text, lower, upper);
}

std::vector<SettingKey> CFinisherSettings::OwnedKeys() const
{
    std::vector<SettingKey> keys;
    for (Control control : Controls()) {
        const SettingKey key{kSection, TraitsOf(control).key ? TraitsOf(control).key : ""};
        if (!key.key.empty() && std::find(keys.begin(), keys.end(), key) == keys.end())
            keys.push_back(key);
    }
    return keys;
}

// The AP and CL pages have no stack bin control, but their settings writers
// need the bin for stacking: the file's bin goes on right after "Stacker".
std::vector<SettingKey> CFinisherSettings::KeysToCopy(const CProfile& current) const
{
    std::vector<SettingKey> keys = OwnedKeys();
    if (!Has(Control::StackBin) && m_page != Page::ZC &&
        current.GetString(kSection, TraitsOf(Control::StackBin).key, kMissingValue) != kMissingValue)
        AddStackBin(keys);
    return keys;
}

void CFinisherSettings::AddStackBin(std::vector<SettingKey>& keys)
{
    const auto stacker = std::find(keys.begin(), keys.end(), SettingKey{kSection, TraitsOf(Control::Stacker).key});
    keys.insert(stacker == keys.end() ? stacker : stacker + 1, SettingKey{kSection, TraitsOf(Control::StackBin).key});
}

// A key written twice holds its second value.
std::vector<SettingLine> CFinisherSettings::Lines() const
{
    const std::vector<SettingLine> writes = Writes();
    std::vector<SettingLine> lines;
    std::vector<SettingKey> keys = OwnedKeys();
    if (!m_keptStackBin.empty())
        AddStackBin(keys);
    for (const SettingKey& key : keys) {
        const auto last =
            std::find_if(writes.rbegin(), writes.rend(), [&](const SettingLine& write) { return write.key == key; });
        if (last != writes.rend())
            lines.push_back(*last);
    }
    return lines;
}

std::vector<SettingLine> CFinisherSettings::Writes() const
{
    std::vector<SettingLine> writes;
    for (Control control : Controls()) {
        const State& state = At(control);
        if (!TraitsOf(control).key || (IsFolderControl(control) && !state.enabled))
            continue;
        const bool off = control == Control::ProgramNumber && IsChecked(Control::ProgramOff);
        const std::string display = KindOf(control) == Kind::List ? TextAt(state.labels, state.selected) : "";
        writes.push_back({{kSection, TraitsOf(control).key}, off ? "OFF" : state.Value(), display});
        if (control == Control::Stacker && !m_keptStackBin.empty())
            writes.push_back({{kSection, TraitsOf(Control::StackBin).key}, m_keptStackBin, ""});
    }
    return writes;
}

SettingEdit CFinisherSettings::Edit(const SettingKey& key, const std::string& value)
{
    if (m_page == Page::JP && key == SettingKey{kSection, kFolderKey})
        return EditFolder(value);
    for (Control control : Controls())
        if (TraitsOf(control).key && key == SettingKey{kSection, TraitsOf(control).key})
            return KindOf(control) == Kind::Number ? EditNumber(control, value) : EditChoice(control, value);
    return CSettingsPage::Edit(key, value);
}

// A fold program is chosen once the fold check is clear; the check's values
// need the check enabled, which choosing "UNFOLD" does.
SettingEdit CFinisherSettings::EditFolder(const std::string& value)
{
    const Strings& programs = At(Control::FoldProgram).values;
    const int unfold = IndexOf(programs, "UNFOLD");
    const bool checkReachable = IsEnabled(Control::Fold) || unfold >= 0;
    if (const int index = IndexOf(programs, value); index >= 0) {
        SetChecked(Control::Fold, false);
        Select(Control::FoldProgram, index);
        return {};
    }
    if (!checkReachable || (value != "FOLD" && value != "UNFOLD")) {
        Strings offered = programs;
        if (checkReachable)
            for (const char* checkValue : {"FOLD", "UNFOLD"})
                if (IndexOf(offered, checkValue) < 0)
                    offered.push_back(checkValue);
        return BadValue(offered);
    }
    if (!IsEnabled(Control::Fold))
        Select(Control::FoldProgram, unfold);
    SetChecked(Control::Fold, value == "FOLD");
    return {};
}

SettingEdit CFinisherSettings::EditNumber(Control number, const std::string& value)
{
    const bool program = number == Control::ProgramNumber;
    if (program && value == "OFF") {
        SetChecked(Control::ProgramOff, true);
        return {};
    }
    if (!IsNumberAllowed(number, value)) {
        const auto [lower, upper] = GetRange(m_plotter, number);
        Strings offered{std::to_string(lower) + ".." + std::to_string(upper)};
        if (program)
            offered.insert(offered.begin(), "OFF");
        return BadValue(offered);
    }
    SetText(number, value);
    if (program)
        SetChecked(Control::ProgramOff, false);
    return {};
}

SettingEdit CFinisherSettings::EditChoice(Control control, const std::string& value)
{
    const int index = IndexOf(At(control).values, value);
    if (index < 0)
        return BadValue(At(control).values);
    if (KindOf(control) == Kind::Check)
        SetChecked(control, index == kOn);
    else
        Select(control, index);
    return {};
}

void CFinisherSettings::Read(const CProfile& current)
{
    FillLists();
    for (Control control : Controls())
        if (TraitsOf(control).key && KindOf(control) != Kind::Number)
            At(control).SelectValue(current.GetString(kSection, TraitsOf(control).key, kMissingValue));
    if (m_page == Page::ZC) {
        ReadNumber(current, Control::ProgramNumber);
        ReadNumber(current, Control::BinNumber);
        ApplyProgramRule();
        return;
    }
    ReadStacker(current);
    if (m_page == Page::JP) {
        ApplyStackBinRule();
        ApplyFoldRule(current.GetString(kSection, kFolderKey, kMissingValue));
    }
}

void CFinisherSettings::FillLists()
{
    for (Control control : Controls())
        if (const ListGetter list = TraitsOf(control).list) {
            State& state = At(control);
            state.labels.clear();
            state.values.clear();
            (m_plotter.*list)(state.labels, state.values);
        }
}

// Older files hold the stack bin in "Stacker" itself: "BIN1" or "BIN2"
// stand for stacking into that bin.
void CFinisherSettings::ReadStacker(const CProfile& current)
{
    const std::string text = current.GetString(kSection, "Stacker", kMissingValue);
    State& stacker = At(Control::Stacker);
    const bool found = IndexOf(stacker.values, text) >= 0;
    const bool older = !found && (text == "BIN1" || text == "BIN2");
    if (older)
        stacker.SelectValue("STACK");
    const std::string bin = found ? current.GetString(kSection, "StackBin", kMissingValue) : text;
    if (Has(Control::StackBin))
        At(Control::StackBin).SelectValue(bin);
    else if (older || (found && bin != kMissingValue))
        m_keptStackBin = bin;
}

// A number outside its bounds shows the lower bound; for the program that
// also means no program.
void CFinisherSettings::ReadNumber(const CProfile& current, Control number)
{
    const auto [lower, upper] = GetRange(m_plotter, number);
    const std::string text = current.GetString(kSection, TraitsOf(number).key, kMissingValue);
    const int value = CTextFields::LeadingInteger(text);
    const bool inside = value >= lower && value <= upper;
    At(number).text = std::to_string(inside ? value : lower);
    if (number == Control::ProgramNumber)
        At(Control::ProgramOff).selected = text == "OFF" || !inside ? kOn : kOff;
}

void CFinisherSettings::ApplyFoldRule(const std::string& folder)
{
    At(Control::FoldProgram).enabled = folder != "FOLD";
    At(Control::Fold).enabled = folder == "FOLD" || folder == "UNFOLD";
}

void CFinisherSettings::ApplyStackBinRule()
{
    const std::string stacker = At(Control::Stacker).Value();
    At(Control::StackBin).enabled = stacker != "MIX" && stacker != "SIZE";
}

void CFinisherSettings::ApplyProgramRule()
{
    const bool folding = !IsChecked(Control::ProgramOff);
    for (Control control : {Control::ProgramNumber, Control::Margin, Control::OutputBin})
        At(control).enabled = folding;
    At(Control::BinNumber).enabled = folding && At(Control::OutputBin).Value() == "SELECTBIN";
}

void CFinisherSettings::Write(CProfileBatch& target) const
{
    for (const SettingLine& write : Writes())
        target.WriteString(write.key.section, write.key.key, write.value);
}
