#pragma once

#include "CMessageRecorder.h"
#include "CPlotter.h"
#include "CResourceModule.h"
#include "CSettingsGrid.h"
#include "CSettingsPageView.h"
#include "CTempDir.h"
#include "ResourceIds.h"

#include <gtest/gtest.h>

#include <QTest>

#include <string>

class CSettingsPage;

// One page of the settings sheet on its own: the capability file and the
// current setting file in a private folder, and the messages it shows
// recorded. Test classes derive from it and from a GoogleTest base.
class CPageTestFixture {
protected:
    explicit CPageTestFixture(const std::string& capabilities, const std::string& region = "ZC");

    // As the sheet does when the tab is first shown: the rules read the
    // current file, then the page shows them.
    void Show(CSettingsPage& rules, CSettingsPageView& page, const std::string& current);

    template <class Widget>
    Widget& Find(const char* name = nullptr) const
    {
        Widget* widget = m_page->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << (name ? name : "unnamed");
        return *widget;
    }

    // On the box or circle: a check or radio button takes only clicks on
    // itself or its text, not on the rest of its layout cell.
    void Click(const char* name) const;
    // The editor of a cell (row 1 is the first below the header), opened as a double-click would.
    static QWidget* OpenEditor(CSettingsGrid& grid, int row, int column);
    // The view closes the editor through a queued call.
    static void Enter(QWidget& editor);
    static std::string Text(unsigned id) { return CResourceModule::LoadString(id); }

    CTempDir m_dir;
    CMessageRecorder m_messages;
    CPlotter m_plotter;

private:
    CSettingsPageView* m_page = nullptr;
};
