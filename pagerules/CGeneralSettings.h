#pragma once

#include "CSettingsPage.h"

#include <array>

class CPlotter;

// The general job settings: manual or automatic media feed, output tray,
// media type, and the labels printed with a job with the label's corner.
// Every control chooses one of a few values, so each key is kept as the
// values on offer and the chosen one.
class CGeneralSettings : public CSettingsPage {
public:
    using Strings = std::vector<std::string>;
    enum class Check { ManualFeed, ErrorLabel, Label, DateLabel };
    enum class Corner { UpperLeft, UpperRight, LowerLeft, LowerRight };
    enum class List { OutputTray, MediaType };

    explicit CGeneralSettings(const CPlotter& plotter);

    bool IsChecked(Check check) const;
    void SetChecked(Check check, bool on);
    Corner GetLabelLocation() const;
    void SetLabelLocation(Corner corner);
    // The capability list's labels, in the order of its codes; empty until
    // the page is loaded.
    const Strings& GetLabels(List list) const;
    // -1 for an empty list.
    int GetSelected(List list) const;
    // Ignored for an index outside the list.
    void Select(List list, int index);

    std::vector<SettingKey> OwnedKeys() const override;
    std::vector<SettingLine> Lines() const override;
    SettingEdit Edit(const SettingKey& key, const std::string& value) override;

protected:
    void Read(const CProfile& current) override;
    void Write(CProfileBatch& target) const override;

private:
    struct Choice {
        SettingKey key;
        Strings values;
        Strings labels;  // only for the capability lists
        int fallback = 0;
        int selected = 0;

        std::string Value() const;
        void SelectValue(const std::string& value);
    };
    static constexpr std::size_t kChoiceCount = 7;

    static std::size_t SlotOf(Check check);
    static std::size_t SlotOf(List list);
    Choice* FindChoice(const SettingKey& key);

    const CPlotter& m_plotter;
    std::array<Choice, kChoiceCount> m_choices;  // in save order
};
