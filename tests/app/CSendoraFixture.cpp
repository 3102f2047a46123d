#include "CSendoraFixture.h"

#include "CPrintDataListCtrl.h"
#include "CPrintDataModel.h"
#include "CRegistry.h"
#include "CRegistryValues.h"

#include <QItemSelectionModel>
#include <QTest>

#include <filesystem>

CSendoraFixture::CSendoraFixture()
{
    std::filesystem::create_directories(SettingFolder());
    m_app = std::make_unique<CSendoraApp>(CUserConfig(UserConfigPath()), CSettingFile(SettingFolder()), &m_messages);
}

CSendoraFixture::~CSendoraFixture()
{
    // Before the registry folder is given back.
    m_window.reset();
    m_app.reset();
}

void CSendoraFixture::InstallMachineKey() const
{
    ASSERT_TRUE(CRegistry().WriteValue(CRegistry::Hive::LocalMachine, CRegistryValues::ProgramKey(), "FtpUserName",
                                       "Sendora"));
}

void CSendoraFixture::WriteUserValue(const std::string& name, const std::string& text) const
{
    ASSERT_TRUE(CRegistry().WriteValue(CRegistry::Hive::CurrentUser, CRegistryValues::ProgramKey(), name, text));
}

std::string CSendoraFixture::ReadUserValue(const std::string& name) const
{
    return CRegistry().ReadValue(CRegistry::Hive::CurrentUser, CRegistryValues::ProgramKey(), name);
}

std::string CSendoraFixture::WriteFile(const std::string& relativePath, const std::string& bytes) const
{
    return m_dir.Write(relativePath, bytes);
}

CSendoraDlg& CSendoraFixture::OpenWindow()
{
    InstallMachineKey();
    EXPECT_TRUE(m_app->Start());
    m_window = std::make_unique<CSendoraDlg>(*m_app);
    m_window->show();
    m_window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    return *m_window;
}

CPrintDataListCtrl& CSendoraFixture::List() const
{
    return Child<CPrintDataListCtrl>("listPrintData");
}

std::vector<std::string> CSendoraFixture::FileNames() const
{
    std::vector<std::string> names;
    for (int i = 0; i < Job().GetCount(); ++i)
        names.push_back(Job().GetAt(i)->GetFileName());
    return names;
}

std::vector<int> CSendoraFixture::Copies() const
{
    std::vector<int> copies;
    for (int i = 0; i < Job().GetCount(); ++i)
        copies.push_back(Job().GetAt(i)->GetCopies());
    return copies;
}

std::vector<std::string> CSendoraFixture::ShownNames() const
{
    std::vector<std::string> names;
    for (int row = 0; row < List().model()->rowCount(); ++row)
        names.push_back(List().model()->index(row, 0).data().toString().toStdString());
    return names;
}

std::string CSendoraFixture::AddEntry(const std::string& name, const std::string& bytes, int copies) const
{
    const std::string path = WriteFile("entries/" + name, bytes);
    auto entry = std::make_unique<CPrintData>();
    EXPECT_TRUE(entry->SetFile(path));
    entry->SetCopies(copies);
    Job().InsertAt(Job().GetCount(), std::move(entry));
    if (m_window)
        List().Model().UpdateRowCount();
    return path;
}

void CSendoraFixture::AddEntries(const std::vector<std::string>& names, int copies) const
{
    for (const std::string& name : names)
        AddEntry(name, "IN;", copies);
}

void CSendoraFixture::SelectRows(const std::vector<int>& rows) const
{
    QItemSelectionModel& selection = *List().selectionModel();
    selection.clearSelection();
    for (const int row : rows)
        selection.select(List().model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}
