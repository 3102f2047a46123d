#pragma once

#include "CUserConfig.h"

#include <QDialog>

#include <memory>
#include <vector>

class COptionsPage;

namespace Ui {
class COptionsPSheet;
}

// The options: the data formats' extensions, the owner names and the
// printer names, one tab each. OK and Apply write the pages that were
// shown; Cancel forgets every change.
class COptionsPSheet : public QDialog {
    Q_OBJECT

public:
    explicit COptionsPSheet(QWidget* parent, const CUserConfig& userConfig = CUserConfig::Default());
    ~COptionsPSheet() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Tab {
        COptionsPage* page;
        bool shown = false;
    };

    void AddPage(COptionsPage* page);
    void OnTabShown(int index);
    void ApplyShownPages();

    std::unique_ptr<Ui::COptionsPSheet> m_ui;
    std::vector<Tab> m_tabs;
};
