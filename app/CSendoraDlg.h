#pragma once

#include "IPrintListHost.h"
#include "ISendFrontEnd.h"
#include "TransferBlock.h"

#include <QDialog>
#include <QPointer>

#include <memory>
#include <string>

namespace Ui {
class CSendoraDlg;
}
class CMakeSendFile;
class CNameChoice;
class CPrintDataModel;
class CSDComboBox;
class CSendFileDlg;
class CSendoraApp;
class CUploadThread;

// The main window: the print list, the values of the next send, and the
// buttons of every command. It remembers the printer number, owner,
// printer and setting between runs.
class CSendoraDlg : public QDialog, public IPrintListHost, private ISendFrontEnd {
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
    void AddWindowCommands();
    void AddListShortcuts();
    void InitPreview();
    // The current row when selected, else the first selected one; -1 for none.
    int PreviewRow() const;
    void UpdatePreview();
    CPrintDataModel& Model() const;

    void OnAddFiles();
    void OnEditSettings();
    void OnAddFolder();
    void OnDeleteSelected();
    void OnDeleteAll();
    void OnMoveUp();
    void OnMoveDown();
    void MoveRow(int from, int to);
    void OnSameCopies();
    void OnCopiesChanged();
    void SaveWindowState();
    // The templates for "Heron" and "Corvid2nd" printers and for all others.
    void OnPrinterPage(unsigned heronTemplate, unsigned otherTemplate);
    void OnOptions();
    void OnHelp();
    void OnHistory();
    void OnAbout();

    void OnSend();
    void OnSendSetup();
    // Runs the part of a send command on this thread with the controls
    // disabled; they stay so while the upload it started runs.
    void RunCommand(bool (CSendoraDlg::*start)());
    bool StartSend();
    bool StartSetupSend();
    CSendChoices ReadChoices() const;
    std::string SettingChoice() const;
    void OpenProgressWindow();
    std::optional<CPrinterQuery::Answer> AskPrinter(const std::string& printerName, const std::string& user,
                                                    const std::string& password) override;
    bool IsStillWanted() override;
    std::unique_ptr<IProgressMonitor> OpenBuildMonitor() override;
    // Starts the upload of a prepared send; false when there is none.
    bool StartUpload(CSendSequence::Prepared prepared);
    void OnTransferDone(bool finished, const QString& errorText);
    // Back to idle: no progress window, controls enabled.
    void EndCommand();
    void EndTransferAtClose();

    std::unique_ptr<Ui::CSendoraDlg> m_ui;
    CSendoraApp& m_app;
    TransferBlock m_block;
    QPointer<CSendFileDlg> m_progressWindow;
    QPointer<CMakeSendFile> m_buildDialog;
    CUploadThread* m_upload = nullptr;
    bool m_commandRunning = false;
    bool m_closeRequested = false;
};
