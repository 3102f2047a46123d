#pragma once

#include "CSendPreparation.h"
#include "IPrintListHost.h"

#include <QDialog>

#include <memory>
#include <string>

namespace Ui {
class CSendoraDlg;
}
class CNameChoice;
class CPrintDataModel;
class CSameCopies;
class CPrinterPages;
class CSDComboBox;
class CSendFrontEnd;
class CSendoraApp;

// The main window: the print list, the values of the next send, and the
// buttons of every command. It remembers the printer number, owner,
// printer and setting between runs. Its sends run in CSendFrontEnd.
class CSendoraDlg : public QDialog, public IPrintListHost {
    Q_OBJECT

public:
    static constexpr int kListFontPoints = 12;
    static constexpr int kMaxPrinterNumber = 99;
    static constexpr int kMaxCopies = 99;

    explicit CSendoraDlg(CSendoraApp& app, QWidget* parent = nullptr);
    ~CSendoraDlg() override;

    // Every control on or off, as during a send; on again, the copies for
    // all stay off while the same-copies box is clear.
    void EnableControls(bool enable);
    int DefaultCopies() const override;
    bool IsSameCopies() const override;
    void CancelSameCopies() override;
    // Files and folders for the print list, as if dropped on it.
    void AddPaths(const QStringList& paths);
    // Remembers the window's values, then closes it. A running upload is
    // cancelled first, without a question; a command busy on this thread
    // ends first (a build at once), then the window closes.
    void reject() override;

signals:
    // A send command has ended and the controls are enabled again.
    void SendFinished();

protected:
    // Enter and Escape that no control took would press a button or close
    // the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void InitControls();
    void FillNames(CSDComboBox& box, const CNameChoice& choice);
    // Fills the box again, keeping the entry of the text selected before
    // when it is still listed.
    void RefillNames(CSDComboBox& box, const CNameChoice& choice);
    // Selects the entry of that name, else the first.
    void FillSettings(const QString& selected);
    void SetImages();
    void ConnectCommands();
    // The send buttons, and the controls off while a send runs.
    void ConnectSend();
    void AddWindowCommands();
    void InitPreview();
    void UpdatePreview();
    CPrintDataModel& Model() const;

    void OnAddFiles();
    void OnEditSettings();
    void OnAddFolder();
    void SaveWindowState();
    // The templates for "Heron" and "Corvid2nd" printers and for all others.
    void OnPrinterPage(unsigned heronTemplate, unsigned otherTemplate);
    void OnOptions();
    void OnHelp();
    void OnHistory();
    void OnShare();
    void OnAbout();

    CSendChoices ReadChoices() const;
    std::string SettingChoice() const;

    std::unique_ptr<Ui::CSendoraDlg> m_ui;
    CSendoraApp& m_app;
    CSendFrontEnd* m_sender;
    CSameCopies* m_sameCopies = nullptr;
    std::unique_ptr<CPrinterPages> m_pages;
};
