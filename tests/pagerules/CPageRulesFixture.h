#pragma once

#include "CMessageRecorder.h"
#include "CPlotter.h"
#include "CProfile.h"
#include "CSettingsPage.h"
#include "CTempDir.h"

#include <string>
#include <vector>

// An edit as the command line gives it, "SECTION/KEY=VALUE" (or "KEY=VALUE"
// in the page's own section), with the outcome expected.
struct EditStep {
    std::string edit;
    SettingEdit::Status status = SettingEdit::Status::Applied;
    std::vector<std::string> offered = {};
};

// The rules of one settings page, driven without widgets: the capability
// file and the current setting file in a private folder, the messages
// shown recorded, and the whole file the page saves. Test classes derive
// from it and from a GoogleTest base.
class CPageRulesFixture {
protected:
    explicit CPageRulesFixture(const std::string& capabilities, const std::string& region = "ZC");

    // The current file, of this text; the page reads it when loaded.
    const CProfile& Current(const std::string& text);
    // The whole file the page saves into a new file.
    std::string SaveAndRead(const CSettingsPage& page) const;

    CTempDir m_dir;
    CMessageRecorder m_messages;
    CPlotter m_plotter;
    CProfile m_current;
};

SettingKey KeyOf(const std::string& edit, const std::string& section = {});
std::string ValueOf(const std::string& edit);
// Each edit through the page, with the outcome each expects.
void ExpectEdits(CSettingsPage& page, const std::vector<EditStep>& steps, const std::string& section = {});
// The page's lines as "KEY=VALUE (display);", the display where there is one.
std::string Shown(const CSettingsPage& page);
