#include "CScaleSettings.h"

#include "CMessageService.h"
#include "CPlotter.h"
#include "CProfile.h"
#include "CProfileBatch.h"
#include "ResourceIds.h"
#include "SheetFlags.h"

#include <algorithm>

namespace {
using Strings = CScaleSettings::Strings;
using Grid = CScaleSettings::Grid;
using Group = CScaleSettings::Group;

const std::string kGroupSection = "PaperGroup";
const std::string kModeSection = "Input/Output Mode";
const std::string kInputModeKey = "InputMode";
const std::string kOutputModeKey = "OutputMode";
const std::string kAutoPrefix = "AUTO_";
constexpr Group kGroups[] = {Group::Input, Group::Output, Group::Roll};
constexpr const char* kGroupKeys[] = {"InputPaperGroup", "OutputPaperGroup", "RollPaperGroup"};

SettingKey GroupKey(Group group)
{
    return {kGroupSection, kGroupKeys[static_cast<std::size_t>(group)]};
}

SettingKey RowKey(Grid grid, int row)
{
    const std::string number = std::to_string(row);
    return grid == Grid::Scale ? SettingKey{"OutputSize", "Output" + number + "Size"}
                               : SettingKey{"PaperSize", "Paper" + number + "Size"};
}

std::string At(const Strings& texts, int index)
{
    return index >= 0 && index < static_cast<int>(texts.size()) ? texts[static_cast<std::size_t>(index)]
                                                                 : std::string();
}

int IndexOf(const Strings& texts, const std::string& text)
{
    const auto found = std::find(texts.begin(), texts.end(), text);
    return found == texts.end() ? -1 : static_cast<int>(found - texts.begin());
}

// A cell's label names the last size of that label.
int LastIndexOf(const Strings& texts, const std::string& text)
{
    const auto found = std::find(texts.rbegin(), texts.rend(), text);
    return found == texts.rend() ? -1 : static_cast<int>(texts.rend() - found) - 1;
}

Strings Prefixed(const std::string& prefix, const Strings& texts, const std::string& suffix)
{
    Strings joined;
    for (const std::string& text : texts)
        joined.push_back(prefix + text + suffix);
    return joined;
}

SettingEdit BadValue(Strings offered)
{
    return {SettingEdit::Status::BadValue, std::move(offered)};
}
}

CScaleSettings::CScaleSettings(const CPlotter& plotter, SheetFlags& flags)
    : m_plotter(plotter)
    , m_flags(flags)
{
}

const Strings& CScaleSettings::GetGroupLabels(Group group) const
{
    return GroupOf(group).labels;
}

int CScaleSettings::GetGroupSelected(Group group) const
{
    return GroupOf(group).selected;
}

void CScaleSettings::SelectGroup(Group group, int index)
{
    GroupChoice& choice = GroupOf(group);
    if (index < 0 || index >= static_cast<int>(choice.labels.size()))
        return;
    choice.selected = index;
    if (At(choice.labels, index) == choice.label)
        return;
    choice.label = At(choice.labels, index);
    choice.code = At(choice.codes, index);
    FillGroupColumns(group, false);
}

const Strings& CScaleSettings::GetOutputModeLabels() const
{
    return m_outputMode.labels;
}

int CScaleSettings::GetOutputModeSelected() const
{
    return m_outputMode.selected;
}

void CScaleSettings::SelectOutputMode(int index)
{
    if (index >= 0 && index < static_cast<int>(m_outputMode.labels.size()))
        m_outputMode.selected = index;
}

// An input entry the output list lacks leaves the output selection as it is.
void CScaleSettings::TakeInputGroupAsOutput()
{
    GroupChoice& output = GroupOf(Group::Output);
    const int index = GroupOf(Group::Input).selected;
    if (index >= 0 && index < static_cast<int>(output.labels.size()))
        output.selected = index;
    output.label = At(output.labels, output.selected);
    output.code = At(output.codes, output.selected);
    FillGroupColumns(Group::Output, true);
    if (!m_outputMode.labels.empty())
        m_outputMode.selected = 0;
}

bool CScaleSettings::SetPaperAuto(bool on)
{
    if (!on) {
        m_paperAuto = false;
        FillGroupColumns(Group::Roll, true);
    } else if (m_flags.stampOn) {
        CMessageService::Show(ResId::kAutoPaperWithStampMessage);
        m_paperAuto = false;
    } else {
        m_paperAuto = true;
        ColumnOf(Grid::Paper, 1).fill({});
    }
    m_flags.paperAuto = m_paperAuto;
    return m_paperAuto;
}

const std::string& CScaleSettings::GetCell(Grid grid, int row, int column) const
{
    static const std::string empty;
    if (row < 1 || row > kRowCount || column < 0 || column > 1)
        return empty;
    return m_cells[static_cast<std::size_t>(grid)][static_cast<std::size_t>(column)][static_cast<std::size_t>(row - 1)];
}

CScaleSettings::Column& CScaleSettings::ColumnOf(Grid grid, int column)
{
    return m_cells[static_cast<std::size_t>(grid)][static_cast<std::size_t>(column)];
}

Strings CScaleSettings::GetChoices(Grid grid, int row) const
{
    return Offered(grid, row).labels;
}

void CScaleSettings::Choose(Grid grid, int row, int index)
{
    if (row < 1 || row > kRowCount || (grid == Grid::Paper && m_paperAuto))
        return;
    const Sizes offered = Offered(grid, row);
    if (index >= 0 && index < static_cast<int>(offered.labels.size()))
        ColumnOf(grid, 1)[static_cast<std::size_t>(row - 1)] = At(offered.labels, index);
}

std::vector<SettingKey> CScaleSettings::OwnedKeys() const
{
    std::vector<SettingKey> keys{{kModeSection, kInputModeKey}, {kModeSection, kOutputModeKey}};
    for (int row = 1; row <= kRowCount; ++row) {
        keys.push_back(RowKey(Grid::Scale, row));
        keys.push_back(RowKey(Grid::Paper, row));
    }
    for (Group group : kGroups)
        keys.push_back(GroupKey(group));
    return keys;
}

std::vector<SettingLine> CScaleSettings::Lines() const
{
    std::vector<SettingLine> lines;
    for (Group group : kGroups)
        lines.push_back({GroupKey(group), GroupOf(group).code, GroupOf(group).label});
    lines.push_back({{kModeSection, kInputModeKey}, kAutoPrefix + GroupOf(Group::Input).code, {}});
    lines.push_back({{kModeSection, kOutputModeKey}, OutputMode(), At(m_outputMode.labels, m_outputMode.selected)});
    const Sizes outputs = SizesOf(Grid::Scale);
    const Sizes papers = SizesOf(Grid::Paper);
    for (int row = 1; row <= kRowCount; ++row) {
        AddRowLine(lines, Grid::Scale, row, outputs);
        if (m_paperAuto)
            lines.push_back({RowKey(Grid::Paper, row), kAutoPrefix + GroupOf(Group::Roll).code, {}});
        else
            AddRowLine(lines, Grid::Paper, row, papers);
    }
    return lines;
}

// A row that names no size keeps the file's value, as saving over that file
// would: a new file without the key could not be sent.
void CScaleSettings::AddRowLine(std::vector<SettingLine>& lines, Grid grid, int row, const Sizes& sizes) const
{
    const std::string& label = GetCell(grid, row, 1);
    const std::string& read = m_fileValues[static_cast<std::size_t>(grid)][static_cast<std::size_t>(row - 1)];
    if (const int at = LastIndexOf(sizes.labels, label); at >= 0)
        lines.push_back({RowKey(grid, row), At(sizes.codes, at), label});
    else if (!read.empty())
        lines.push_back({RowKey(grid, row), read, {}});
}

SettingEdit CScaleSettings::Edit(const SettingKey& key, const std::string& value)
{
    for (Group group : kGroups)
        if (key == GroupKey(group))
            return EditGroup(group, value);
    if (key == SettingKey{kModeSection, kInputModeKey} || key == SettingKey{kModeSection, kOutputModeKey})
        return EditMode(key, value);
    for (int row = 1; row <= kRowCount; ++row)
        for (Grid grid : {Grid::Scale, Grid::Paper})
            if (key == RowKey(grid, row))
                return EditSize(grid, row, value);
    return CSettingsPage::Edit(key, value);
}

SettingEdit CScaleSettings::EditGroup(Group group, const std::string& value)
{
    const Strings& codes = GroupOf(group).codes;
    const int index = IndexOf(codes, value);
    if (index < 0)
        return BadValue(codes);
    SelectGroup(group, index);
    return {};
}

SettingEdit CScaleSettings::EditMode(const SettingKey& key, const std::string& value)
{
    const bool input = key.key == kInputModeKey;
    const Strings offered = input ? Prefixed(kAutoPrefix, GroupOf(Group::Input).codes, {})
                                  : Prefixed({}, m_outputMode.codes, "_" + GroupOf(Group::Output).code);
    const int index = IndexOf(offered, value);
    if (index < 0)
        return BadValue(offered);
    if (input)
        SelectGroup(Group::Input, index);
    else
        SelectOutputMode(index);
    return {};
}

SettingEdit CScaleSettings::EditSize(Grid grid, int row, const std::string& value)
{
    if (grid == Grid::Paper && m_paperAuto) {
        const std::string automatic = kAutoPrefix + GroupOf(Group::Roll).code;
        return value == automatic ? SettingEdit{} : BadValue({automatic});
    }
    const Sizes offered = Offered(grid, row);
    const int index = IndexOf(offered.codes, value);
    if (index < 0)
        return BadValue(offered.codes);
    Choose(grid, row, index);
    return {};
}

void CScaleSettings::Read(const CProfile& current)
{
    ReadGroups(current);
    ReadOutputMode(current);
    FillGroupColumns(Group::Input, true);
    FillGroupColumns(Group::Output, true);
    ReadRows(current);
}

void CScaleSettings::ReadGroups(const CProfile& current)
{
    for (Group group : kGroups) {
        GroupChoice& choice = GroupOf(group);
        choice = {};
        if (group == Group::Input)
            m_plotter.GetInputPaperGroupList(choice.labels, choice.codes);
        else if (group == Group::Output)
            m_plotter.GetOutputPaperGroupList(choice.labels, choice.codes);
        else
            m_plotter.GetRollPaperGroupList(choice.labels, choice.codes);
        const SettingKey key = GroupKey(group);
        const int index = IndexOf(choice.codes, current.GetString(key.section, key.key, kMissingValue));
        choice.selected = choice.codes.empty() ? -1 : std::max(index, 0);
        choice.label = At(choice.labels, choice.selected);
        choice.code = At(choice.codes, choice.selected);
    }
}

// The file's mode names a paper cut joined to any output group, not only
// the chosen one; the last such pair wins.
void CScaleSettings::ReadOutputMode(const CProfile& current)
{
    m_outputMode = {};
    m_plotter.GetPaperCutList(m_outputMode.labels, m_outputMode.codes);
    m_outputMode.selected = m_outputMode.codes.empty() ? -1 : 0;
    const std::string text = current.GetString(kModeSection, kOutputModeKey, kMissingValue);
    for (std::size_t cut = 0; cut < m_outputMode.codes.size(); ++cut)
        for (const std::string& group : GroupOf(Group::Output).codes)
            if (m_outputMode.codes[cut] + "_" + group == text)
                m_outputMode.selected = static_cast<int>(cut);
}

void CScaleSettings::ReadRows(const CProfile& current)
{
    for (Grid grid : {Grid::Scale, Grid::Paper}) {
        const Sizes sizes = SizesOf(grid);
        for (int row = 1; row <= kRowCount; ++row) {
            const SettingKey key = RowKey(grid, row);
            const std::string value = current.GetString(key.section, key.key, kMissingValue);
            ColumnOf(grid, 1)[static_cast<std::size_t>(row - 1)] = At(sizes.labels, IndexOf(sizes.codes, value));
            m_fileValues[static_cast<std::size_t>(grid)][static_cast<std::size_t>(row - 1)] =
                value == kMissingValue ? std::string() : value;
        }
    }
    const SettingKey first = RowKey(Grid::Paper, 1);
    m_paperAuto = current.GetString(first.section, first.key, kMissingValue).find("AUTO") != std::string::npos;
    if (m_paperAuto)
        ColumnOf(Grid::Paper, 1).fill({});
}

void CScaleSettings::Write(CProfileBatch& target) const
{
    for (const SettingLine& line : Lines())
        target.WriteString(line.key.section, line.key.key, line.value);
}

// The roll papers repeat three times down the column; rows past the sizes
// stay empty.
void CScaleSettings::FillGroupColumns(Group group, bool forced)
{
    const auto fill = [](Column& column, const Strings& labels, std::size_t repeats) {
        for (std::size_t row = 0; row < column.size(); ++row)
            column[row] = row < labels.size() * repeats ? labels[row % labels.size()] : std::string();
    };
    if (group == Group::Input) {
        fill(ColumnOf(Grid::Scale, 0), ReadSizes(true, GroupOf(Group::Input).code).labels, 1);
    } else if (group == Group::Output) {
        const Strings labels = SizesOf(Grid::Scale).labels;
        fill(ColumnOf(Grid::Scale, 1), labels, 1);
        fill(ColumnOf(Grid::Paper, 0), labels, 1);
    } else if (forced || !m_paperAuto) {
        fill(ColumnOf(Grid::Paper, 1), SizesOf(Grid::Paper).labels, 3);
    }
}

CScaleSettings::Sizes CScaleSettings::ReadSizes(bool output, const std::string& groupCode) const
{
    Sizes sizes;
    if (output)
        m_plotter.GetOutputSizeList(groupCode, sizes.labels, sizes.codes);
    else
        m_plotter.GetPaperSizeList(groupCode, sizes.labels, sizes.codes);
    return sizes;
}

CScaleSettings::Sizes CScaleSettings::SizesOf(Grid grid) const
{
    return grid == Grid::Scale ? ReadSizes(true, GroupOf(Group::Output).code)
                               : ReadSizes(false, GroupOf(Group::Roll).code);
}

// Rows past the long-size index offer only the long sizes.
CScaleSettings::Sizes CScaleSettings::Offered(Grid grid, int row) const
{
    Sizes sizes = SizesOf(grid);
    if (grid == Grid::Paper)
        return sizes;
    const int longSizes = m_plotter.GetLongSizeIndex();
    const auto first = static_cast<std::ptrdiff_t>(
        std::min<std::size_t>(longSizes < row ? static_cast<std::size_t>(longSizes) : 0, sizes.codes.size()));
    sizes.labels.erase(sizes.labels.begin(), sizes.labels.begin() + first);
    sizes.codes.erase(sizes.codes.begin(), sizes.codes.begin() + first);
    return sizes;
}

std::string CScaleSettings::OutputMode() const
{
    return At(m_outputMode.codes, m_outputMode.selected) + "_" + GroupOf(Group::Output).code;
}
