#pragma once

#include "CSettingsEditor.h"

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

class CPlotter;
class CSettingsPageView;
class QFont;

namespace Ui {
class CHPPJLPSheet;
}

// The settings editor: one tab per page of the setting file, a save-as
// button and a close button. Edits are kept only by saving them as a file
// the user names; that file then becomes the one being edited. The title
// names it.
class CHPPJLPSheet : public QDialog {
    Q_OBJECT

public:
    struct Opening {
        std::string regionCode;
        // The name the main window shows and the file behind it.
        std::string settingName;
        std::string currentPath;
        // Where the save dialog proposes to save, ending in "/".
        std::string settingFolder;
    };

    CHPPJLPSheet(const CPlotter& plotter, const Opening& opening, const QFont& font, QWidget* parent = nullptr);
    ~CHPPJLPSheet() override;

    // The title of the file saved last, or the name the sheet was opened with.
    const std::string& GetSettingName() const { return m_editor.GetSettingName(); }
    const std::string& GetCurrentPath() const { return m_editor.GetCurrentPath(); }

    // Asks before unsaved changes are discarded.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Tab {
        CSettingsEditor::Tab tab;
        CSettingsPageView* view;
        bool shown = false;
    };

    void AddPages(const CPlotter& plotter);
    CSettingsPageView* CreateView(CSettingsEditor::Tab tab, const CPlotter& plotter);
    void OnTabShown(int index);
    void OnSaveAs();
    // The title names the setting being edited.
    void ShowTitle();

    std::unique_ptr<Ui::CHPPJLPSheet> m_ui;
    CSettingsEditor m_editor;
    std::string m_settingFolder;
    std::vector<Tab> m_tabs;
};
