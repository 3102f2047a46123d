#pragma once

#include <QWidget>

// A tab of the settings sheet. The sheet loads the page's rules from the
// current setting file when the tab is first shown, then asks the view to
// show them; from then on the view passes the user's changes to the rules.
class CSettingsPageView : public QWidget {
public:
    using QWidget::QWidget;

    virtual void ShowSettings() = 0;
};
