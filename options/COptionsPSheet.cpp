#include "COptionsPSheet.h"

#include "ui_COptionsPSheet.h"

#include "CRegistFormatExtension.h"
#include "CRegistOwnerName.h"
#include "CRegistPrinterName.h"
#include "CResourceImages.h"
#include "CWindowLocaliser.h"
#include "ResourceIds.h"

#include <QApplication>
#include <QKeyEvent>

COptionsPSheet::COptionsPSheet(QWidget* parent, const CUserConfig& userConfig)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::COptionsPSheet>())
{
    m_ui->setupUi(this);
    setWindowIcon(CResourceImages::Icon(ResId::kIcon));
    CWindowLocaliser::LocaliseWindow(*this, parent ? parent->font() : QApplication::font());
    AddPage(new CRegistFormatExtension(this));
    AddPage(new CRegistOwnerName(userConfig, this));
    AddPage(new CRegistPrinterName(userConfig, this));
    // Enter presses no button, not even the one that has the focus.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);
    connect(m_ui->tabPages, &QTabWidget::currentChanged, this, &COptionsPSheet::OnTabShown);
    connect(m_ui->buttonOk, &QPushButton::clicked, this, [this] {
        ApplyShownPages();
        accept();
    });
    connect(m_ui->buttonCancel, &QPushButton::clicked, this, &COptionsPSheet::reject);
    connect(m_ui->buttonApply, &QPushButton::clicked, this, &COptionsPSheet::ApplyShownPages);
    OnTabShown(m_ui->tabPages->currentIndex());
}

COptionsPSheet::~COptionsPSheet() = default;

// Created as the sheet's children, the pages localise themselves in the
// sheet's font; a page's title names its tab.
void COptionsPSheet::AddPage(COptionsPage* page)
{
    m_ui->tabPages->addTab(page, page->windowTitle());
    m_tabs.push_back({page});
    connect(page, &COptionsPage::Changed, this, [this] { m_ui->buttonApply->setEnabled(true); });
}

void COptionsPSheet::OnTabShown(int index)
{
    if (index >= 0 && index < static_cast<int>(m_tabs.size()))
        m_tabs[static_cast<std::size_t>(index)].shown = true;
}

// A page never shown has nothing to write, and writing it would rewrite
// its section for nothing.
void COptionsPSheet::ApplyShownPages()
{
    for (const Tab& tab : m_tabs) {
        if (tab.shown)
            tab.page->Apply();
    }
    m_ui->buttonApply->setEnabled(false);
}

void COptionsPSheet::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        event->accept();
    else
        QDialog::keyPressEvent(event);
}
