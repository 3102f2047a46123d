#include "CPageTestFixture.h"

#include "CProfile.h"
#include "CSettingsPage.h"

#include <QAbstractButton>

CPageTestFixture::CPageTestFixture(const std::string& capabilities, const std::string& region)
    : m_plotter(m_dir.Write("PJLConfig.txt", capabilities))
{
    m_plotter.LoadConfig(region);
}

void CPageTestFixture::Show(CSettingsPage& rules, CSettingsPageView& page, const std::string& current)
{
    CProfile file;
    file.Open(m_dir.Write("current.prn", current));
    rules.Load(file);
    page.ShowSettings();
    page.show();
    m_page = &page;
}

void CPageTestFixture::Click(const char* name) const
{
    auto& button = Find<QAbstractButton>(name);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(4, button.height() / 2));
}

QWidget* CPageTestFixture::OpenEditor(CSettingsGrid& grid, int row, int column)
{
    grid.edit(grid.model()->index(row - 1, column));
    return grid.OpenEditor();
}

void CPageTestFixture::Enter(QWidget& editor)
{
    QTest::keyClick(&editor, Qt::Key_Return);
    QCoreApplication::processEvents();
}
