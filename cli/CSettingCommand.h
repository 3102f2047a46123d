#pragma once

#include "CPlotter.h"
#include "ICommand.h"

#include <memory>
#include <optional>

class CArguments;
class CSettingsEditor;

// Printer setting files by the settings editor's rules: the names on offer,
// a setting's keys as the editor's pages would save them, and saving a
// setting under a new name with edits made as through the pages' controls.
class CSettingCommand : public ICommand {
public:
    CSettingCommand();
    ~CSettingCommand() override;

    std::string Name() const override { return "setting"; }
    std::string Usage() const override;
    int Run(const std::vector<std::string>& args) override;

private:
    struct Change {
        std::string section;
        std::string key;
        std::string value;
    };

    int List(const std::vector<std::string>& args);
    int Show(const std::vector<std::string>& args);
    int SaveAs(const std::vector<std::string>& args);
    // The editor on the setting, every built page shown; false after the
    // cannot-load message.
    bool Load(const std::string& setting);
    // As the user's change of the control owning the key; false after a
    // message naming the key and, for a value not on offer, the values that are.
    bool Apply(const Change& change);
    // NAME|PATH, NEW and the edits of save-as; a usage error is left in arguments.
    static std::vector<Change> ReadChanges(CArguments& arguments);
    static std::optional<Change> ParseChange(const std::string& text);
    static std::string TargetPath(const std::string& name);
    void Refuse(const std::string& text) const;

    CPlotter m_plotter;
    std::unique_ptr<CSettingsEditor> m_editor;
};
