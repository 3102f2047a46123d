#pragma once

#include "CSettingsPage.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

class CPlotter;

// The rules of the finisher page, section "Finisher": folding, stacking and
// baling. What a finisher offers differs by sales region, so the region code
// chooses one of four pages, each with its own controls, enabling rules and
// save order. The JP, AP and CL pages fold by program, size and margin and
// stack; the ZC page, which every other region has, folds by program number
// into a numbered output bin.
class CFinisherSettings : public CSettingsPage {
public:
    using Strings = std::vector<std::string>;
    enum class Page { JP, AP, CL, ZC };
    enum class Control {
        // Lists of the capability file.
        FoldProgram,
        FoldSize,
        Margin,
        Stacker,
        StackBin,
        OutputBin,
        // Checks.
        Fold,
        Rotate,
        CornerFold,
        Baler,
        ProgramOff,
        // Numeric edits with their bounds.
        ProgramNumber,
        BinNumber,
    };
    enum class Kind { List, Check, Number };

    CFinisherSettings(const CPlotter& plotter, std::string regionCode);

    static Page PageOf(const std::string& regionCode);
    static Kind KindOf(Control control);
    // A numeric edit's lower and upper bound.
    static std::pair<int, int> GetRange(const CPlotter& plotter, Control number);

    Page GetPage() const { return m_page; }
    // Whether the region's page has the control at all.
    bool Has(Control control) const;
    bool IsEnabled(Control control) const;

    // A list's labels, in the order of its values; empty until loaded.
    const Strings& GetLabels(Control list) const;
    // -1 for an empty list.
    int GetSelected(Control list) const;
    // The user's choice, with the enabling rules it triggers; an index
    // outside the list is ignored.
    void Select(Control list, int index);

    bool IsChecked(Control check) const;
    // A click on the check, with the enabling rules it triggers.
    void SetChecked(Control check, bool on);

    // A numeric edit's text as it stands, checked only when the edit is left.
    const std::string& GetText(Control number) const;
    void SetText(Control number, std::string text);
    // Leaving the edit: a text with anything but digits, or a number outside
    // the bounds (the empty text counts as 0), is refused with message 557
    // for the program number or 558 for the bin number.
    bool CheckNumber(Control number) const;

    std::vector<SettingKey> OwnedKeys() const override;
    // A list's value shows its label.
    std::vector<SettingLine> Lines() const override;
    // Lists take one of their values, checks "ON" or "OFF", numbers one
    // within their bounds and the program also "OFF". "Folder" of the JP
    // page is the fold program's value, or "FOLD" or "UNFOLD" through the
    // fold check, reached as the user would.
    SettingEdit Edit(const SettingKey& key, const std::string& value) override;

protected:
    std::vector<SettingKey> KeysToCopy(const CProfile& current) const override;
    void Read(const CProfile& current) override;
    void Write(CProfileBatch& target) const override;

private:
    static constexpr std::size_t kControlCount = 13;

    // One control: a list's labels and values, a check's on and off values,
    // or a numeric edit's text.
    struct State {
        Strings labels;
        Strings values;
        int selected = 0;
        int fallback = 0;
        std::string text;
        bool enabled = true;

        std::string Value() const;
        void SelectValue(const std::string& value);
    };

    const std::vector<Control>& Controls() const;
    State& At(Control control) { return m_states[static_cast<std::size_t>(control)]; }
    const State& At(Control control) const { return m_states[static_cast<std::size_t>(control)]; }
    bool IsNumberAllowed(Control number, const std::string& text) const;
    // The key and value of every write, in save order; the fold program
    // and the fold check write "Folder" only while enabled.
    std::vector<SettingLine> Writes() const;

    static void AddStackBin(std::vector<SettingKey>& keys);
    void FillLists();
    void ReadStacker(const CProfile& current);
    void ReadNumber(const CProfile& current, Control number);
    void ApplyFoldRule(const std::string& folder);
    void ApplyStackBinRule();
    void ApplyProgramRule();

    SettingEdit EditFolder(const std::string& value);
    SettingEdit EditNumber(Control number, const std::string& value);
    SettingEdit EditChoice(Control control, const std::string& value);

    const CPlotter& m_plotter;
    Page m_page;
    std::array<State, kControlCount> m_states;
    // The file's stack bin, kept by a page without a control for it; empty
    // for none.
    std::string m_keptStackBin;
};
