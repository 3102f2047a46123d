#pragma once

#include "CSettingsPage.h"

#include <array>
#include <string>
#include <vector>

class CPlotter;
struct SheetFlags;

// The rules of the scale page: the input, output and roll paper groups, the
// output mode (paper cut), and two grids of fifteen rows. The scale grid
// pairs each input size (column 0) with the output size it prints at
// (column 1); the paper grid pairs each output size (column 0) with the
// roll paper it prints on (column 1), unless the paper is chosen
// automatically. Cells hold the sizes' labels; saving looks their codes up.
class CScaleSettings : public CSettingsPage {
public:
    using Strings = std::vector<std::string>;
    static constexpr int kRowCount = 15;
    enum class Group { Input, Output, Roll };
    enum class Grid { Scale, Paper };

    CScaleSettings(const CPlotter& plotter, SheetFlags& flags);

    // The capability list's labels; empty until the page is loaded.
    const Strings& GetGroupLabels(Group group) const;
    // -1 for an empty list.
    int GetGroupSelected(Group group) const;
    // The user's choice of a group. Choosing a group of the label chosen
    // before changes nothing else; another one refills its grid columns
    // (the roll group's only while the paper is not chosen automatically).
    void SelectGroup(Group group, int index);
    const Strings& GetOutputModeLabels() const;
    int GetOutputModeSelected() const;
    void SelectOutputMode(int index);
    // The output group becomes the input group's entry, its columns are
    // refilled and the output mode goes back to the first entry.
    void TakeInputGroupAsOutput();

    bool IsPaperAuto() const { return m_paperAuto; }
    // A click on the automatic paper check. Turning it on while a stamp is
    // in force shows message 534 and leaves it off; the sheet's paperAuto
    // follows the result, which is returned.
    bool SetPaperAuto(bool on);

    // Rows 1 to kRowCount, columns 0 and 1; empty elsewhere.
    const std::string& GetCell(Grid grid, int row, int column) const;
    // The labels the row's in-place list offers for column 1: the output
    // group's output sizes (from the long-size index on for rows past it),
    // or the roll group's paper sizes.
    Strings GetChoices(Grid grid, int row) const;
    // Column 1 of the row takes the offered entry; ignored outside the
    // offer and, for the paper grid, while the paper is automatic.
    void Choose(Grid grid, int row, int index);

    // The never-shown copy's order.
    std::vector<SettingKey> OwnedKeys() const override;
    // The saved keys in save order; a row whose cell names no size of its
    // list keeps the file's value, or has no line when the file has none.
    std::vector<SettingLine> Lines() const override;
    // A group key selects the group as the user would. "InputMode" takes
    // "AUTO_" and an input group (selecting it), "OutputMode" a paper cut,
    // "_" and the current output group; a size key a code of its row's
    // list (while the paper is automatic, only the automatic value).
    SettingEdit Edit(const SettingKey& key, const std::string& value) override;

protected:
    void Read(const CProfile& current) override;
    void Write(CProfileBatch& target) const override;

private:
    struct Choice {
        Strings labels;
        Strings codes;
        int selected = -1;
    };
    // A group's choice, with the label and code last taken as the group.
    struct GroupChoice : Choice {
        std::string label;
        std::string code;
    };
    struct Sizes {
        Strings labels;
        Strings codes;
    };
    using Column = std::array<std::string, kRowCount>;

    GroupChoice& GroupOf(Group group) { return m_groups[static_cast<std::size_t>(group)]; }
    const GroupChoice& GroupOf(Group group) const { return m_groups[static_cast<std::size_t>(group)]; }
    Column& ColumnOf(Grid grid, int column);
    void ReadGroups(const CProfile& current);
    void ReadOutputMode(const CProfile& current);
    void ReadRows(const CProfile& current);
    // A forced fill of the roll group's column happens even while the
    // paper is automatic.
    void FillGroupColumns(Group group, bool forced);
    Sizes ReadSizes(bool output, const std::string& groupCode) const;
    // The output group's output sizes or the roll group's paper sizes.
    Sizes SizesOf(Grid grid) const;
    Sizes Offered(Grid grid, int row) const;
    std::string OutputMode() const;
    void AddRowLine(std::vector<SettingLine>& lines, Grid grid, int row, const Sizes& sizes) const;
    SettingEdit EditGroup(Group group, const std::string& value);
    SettingEdit EditMode(const SettingKey& key, const std::string& value);
    SettingEdit EditSize(Grid grid, int row, const std::string& value);

    const CPlotter& m_plotter;
    SheetFlags& m_flags;
    std::array<GroupChoice, 3> m_groups;  // by Group
    Choice m_outputMode;
    std::array<std::array<Column, 2>, 2> m_cells;  // by Grid, then column
    std::array<Column, 2> m_fileValues;  // by Grid: each row's value as read, "" when missing
    bool m_paperAuto = false;
};
