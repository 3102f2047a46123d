#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class CAboutDlg;
}
class CSendoraApp;

// The program icon and its version.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    CAboutDlg(const CSendoraApp& app, QWidget* parent);
    ~CAboutDlg() override;

    // The version line: empty when the program's version cannot be read.
    static QString VersionText();

private:
    std::unique_ptr<Ui::CAboutDlg> m_ui;
};
