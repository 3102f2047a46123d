#pragma once

#include "ISendFrontEnd.h"
#include "TransferBlock.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>
#include <string>

class CCancellation;
class CMakeSendFile;
class CSendFileDlg;
class CSendoraApp;
class CUploadThread;
class QWidget;

// The main window's sends: the printer dialogue with the progress window,
// the build in its own window, the upload on a thread of its own, and what
// Cancel and a close do meanwhile. The window reads its controls into the
// choices and follows each command through the signals.
class CSendFrontEnd : public QObject, private ISendFrontEnd {
    Q_OBJECT

public:
    // The progress and build windows open over the window, whose child it is.
    CSendFrontEnd(CSendoraApp& app, QWidget& window);

    // Each runs the part of its command on this thread; the upload it
    // starts runs on until it ends or is cancelled.
    void SendList(const CSendChoices& choices);
    // No printer dialogue: the setup job is built for the controller of the
    // last print-list send.
    void SendSetup(const CSendChoices& choices);
    // True when the window may close now: a running upload has been
    // cancelled, without a question. False while a command is busy on this
    // thread: a build is cancelled at once, and CloseDue follows once the
    // command has ended.
    bool Close();
    // Nothing is asked and nothing reported: the upload stops, and its send
    // file goes.
    void EndTransferAtClose();

signals:
    // The window's controls stay off from CommandStarted to CommandEnded.
    void CommandStarted();
    // Back to idle, without a progress window.
    void CommandEnded();
    void CloseDue();

private:
    // The controls stay disabled while the upload the command started runs.
    void RunCommand(bool (CSendFrontEnd::*start)(const CSendChoices&), const CSendChoices& choices);
    bool StartList(const CSendChoices& choices);
    bool StartSetup(const CSendChoices& choices);
    void OpenProgressWindow();
    // Cancel in the progress window, or closing the window, ends it at once.
    CPrinterQuery::Outcome AskPrinter(const std::string& printerName, const std::string& user,
                                      const std::string& password) override;
    bool IsStillWanted() override;
    std::unique_ptr<IProgressMonitor> OpenBuildMonitor() override;
    // Starts the upload of a prepared send; false when there is none.
    bool StartUpload(CSendSequence::Prepared prepared);
    void OnTransferDone(bool finished, unsigned messageId, const QString& message);
    void EndCommand();
    void CloseIfDue();

    CSendoraApp& m_app;
    QWidget& m_window;
    TransferBlock m_block;
    QPointer<CSendFileDlg> m_progressWindow;
    QPointer<CMakeSendFile> m_buildDialog;
    CUploadThread* m_upload = nullptr;
    // The printer dialogue running, if any.
    CCancellation* m_dialogue = nullptr;
    bool m_commandRunning = false;
    // Cancel was pressed before the upload began.
    bool m_cancelled = false;
    bool m_closeRequested = false;
};
