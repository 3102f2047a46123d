#pragma once

#include "SheetFlags.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class CColorSettings;
class CFinisherSettings;
class CGeneralSettings;
class CPenSettings;
class CPlotter;
class CProfileBatch;
class CScaleSettings;
class CSettingsPage;
class CStampSettings;

// The rules of the settings sheet, without widgets: its pages in tab order,
// the two flags that couple the scale and the stamp page, and saving as a
// new file. Each page reads the current file on its first display; saving
// writes every page into the chosen file, which then becomes current.
class CSettingsEditor {
public:
    // Tab order.
    enum class Tab { Scale, Pen, Color, Finisher, Stamp, General };
    enum class SaveResult { Saved, Reserved, WriteFailed };
    enum class Target { Free, Existing, Reserved };

    CSettingsEditor(const CPlotter& plotter, std::string regionCode, std::string settingName,
                    std::string currentPath);
    ~CSettingsEditor();

    const std::string& GetSettingName() const { return m_settingName; }
    const std::string& GetCurrentPath() const { return m_currentPath; }
    bool GetStampOn() const { return m_flags.stampOn; }
    bool GetPaperAuto() const { return m_flags.paperAuto; }

    // Every tab, in tab order.
    static const std::vector<Tab>& Tabs();
    CSettingsPage& GetPage(Tab tab);
    const CSettingsPage& GetPage(Tab tab) const;
    CPenSettings& GetPenSettings();
    CColorSettings& GetColorSettings();
    CGeneralSettings& GetGeneralSettings();
    CScaleSettings& GetScaleSettings();
    CStampSettings& GetStampSettings();
    CFinisherSettings& GetFinisherSettings();
    // The tab's first display: its page reads the current file.
    void ShowPage(Tab tab);

    // The save dialog's proposal: the current file's name, "*.prn" instead
    // of "default.org".
    std::string ProposedFileName() const;
    // Refuses a reserved name (IsReservedName) with message 542, writing
    // nothing. Otherwise writes the version keys and the pages (General,
    // Pen, Colour, Finisher, Stamp, Scale) in one replace of the file, which
    // becomes the current file.
    SaveResult SaveAs(const std::string& path);

    // The file a save writes: the path with ".prn" added unless it ends in
    // it, as the setting list shows only such files.
    static std::string SavePath(const std::string& path);
    // The file a save would write: a reserved name is refused first, with
    // message 542, so that the user is never asked about replacing a file
    // that cannot be written; an existing file is the caller's to confirm.
    static Target CheckTarget(const std::string& path);
    // Whether a page shown differs from what it read or last saved: what a
    // save would write, not how the user got there.
    bool HasUnsavedChanges() const;
    // "default.org" and the printer defaults' title, in any case, as a file
    // name or as a title (the name without ".prn").
    static bool IsReservedName(const std::string& path);

private:
    // "QXSD Version" (when the program's version can be read) and "HPPJL Version".
    static void WriteVersionKeys(CProfileBatch& target);

    std::string m_settingName;
    std::string m_currentPath;
    SheetFlags m_flags;
    std::unique_ptr<CScaleSettings> m_scale;
    std::unique_ptr<CPenSettings> m_pen;
    std::unique_ptr<CColorSettings> m_color;
    std::unique_ptr<CFinisherSettings> m_finisher;
    std::unique_ptr<CStampSettings> m_stamp;
    std::unique_ptr<CGeneralSettings> m_general;
    // What each page shown would have saved when it read the file or was
    // last saved.
    std::map<Tab, std::string> m_saved;
};
