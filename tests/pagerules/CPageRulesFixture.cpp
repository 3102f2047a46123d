#include "CPageRulesFixture.h"

#include "CProfileBatch.h"

#include <gtest/gtest.h>

CPageRulesFixture::CPageRulesFixture(const std::string& capabilities, const std::string& region)
    : m_plotter(m_dir.Write("PJLConfig.txt", capabilities))
{
    m_plotter.LoadConfig(region);
}

const CProfile& CPageRulesFixture::Current(const std::string& text)
{
    m_current.Open(m_dir.Write("current.prn", text));
    return m_current;
}

std::string CPageRulesFixture::SaveAndRead(const CSettingsPage& page) const
{
    CProfileBatch batch(m_dir.File("saved.prn"));
    page.Save(batch, m_current.GetPath());
    EXPECT_TRUE(batch.Commit());
    return ReadFileBytes(batch.GetPath());
}

SettingKey KeyOf(const std::string& edit, const std::string& section)
{
    const auto equals = edit.find('=');
    const auto slash = edit.rfind('/', equals);
    if (slash == std::string::npos)
        return {section, edit.substr(0, equals)};
    return {edit.substr(0, slash), edit.substr(slash + 1, equals - slash - 1)};
}

std::string ValueOf(const std::string& edit)
{
    return edit.substr(edit.find('=') + 1);
}

void ExpectEdits(CSettingsPage& page, const std::vector<EditStep>& steps, const std::string& section)
{
    for (const EditStep& step : steps) {
        const SettingEdit result = page.Edit(KeyOf(step.edit, section), ValueOf(step.edit));
        EXPECT_EQ(result.status, step.status) << step.edit;
        EXPECT_EQ(result.offered, step.offered) << step.edit;
    }
}

std::string Shown(const CSettingsPage& page)
{
    std::string shown;
    for (const SettingLine& line : page.Lines())
        shown += line.key.key + "=" + line.value + (line.display.empty() ? "" : " (" + line.display + ")") + ";";
    return shown;
}
