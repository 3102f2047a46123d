#pragma once

#include "CMessageRecorder.h"
#include "CScopedEnvironment.h"
#include "CSendoraApp.h"
#include "CSendoraDlg.h"
#include "CTempDir.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

class CPrintDataListCtrl;

inline QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

// A private registry, user configuration and setting folder, the message
// recorder, the application object and, on demand, the main window shown
// and active.
class CSendoraFixture : public testing::Test {
protected:
    CSendoraFixture();
    ~CSendoraFixture() override;

    // The machine-wide key that installation creates.
    void InstallMachineKey() const;
    void WriteUserValue(const std::string& name, const std::string& text) const;
    std::string ReadUserValue(const std::string& name) const;
    std::string SettingFolder() const { return m_dir.Path() + "PrinterSetting/"; }
    std::string UserConfigPath() const { return m_dir.File("QXSDUserConfig.ini"); }
    // Writes a file below the test folder, creating its folders.
    std::string WriteFile(const std::string& relativePath, const std::string& bytes = "IN;") const;

    // Starts the application (with the machine key) and shows the window.
    CSendoraDlg& OpenWindow();
    template <class T>
    T& Child(const char* name) const
    {
        T* child = m_window->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return *child;
    }
    CPrintDataListCtrl& List() const;
    CPrintJob& Job() const { return m_app->GetMainJob(); }
    // File names and copies of the main job's entries, in list order.
    std::vector<std::string> FileNames() const;
    std::vector<int> Copies() const;
    // The file names the list shows, in its order.
    std::vector<std::string> ShownNames() const;
    // Adds an entry for a file of these bytes at the end; returns its path.
    std::string AddEntry(const std::string& name, const std::string& bytes = "IN;", int copies = 1) const;
    void AddEntries(const std::vector<std::string>& names, int copies = 1) const;
    void SelectRows(const std::vector<int>& rows) const;

    CTempDir m_dir;
    CMessageRecorder m_messages;
    std::unique_ptr<CSendoraApp> m_app;
    std::unique_ptr<CSendoraDlg> m_window;

private:
    CScopedEnvironment m_registry{"QX_SENDORA_REGISTRY_DIR", m_dir.Path() + "registry"};
};
