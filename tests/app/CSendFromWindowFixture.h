#pragma once

#include "CPrinterSimulator.h"
#include "CProcess.h"
#include "CScopedEnvironment.h"
#include "CSendHistory.h"
#include "CSendoraFixture.h"
#include "CTempDir.h"
#include "IMessageSink.h"

#include <QSignalSpy>
#include <QTimer>

#include <optional>
#include <set>
#include <string>
#include <vector>

class CSendFileDlg;
class QPushButton;

// Sends from the main window as a user makes them: buttons pressed, the
// real printer simulator on a free port, a registry and a temporary folder
// of the test's own.
class CSendFromWindowFixture : public CSendoraFixture {
protected:
    static constexpr int kSendTimeoutMs = 60000;

    // One send command from the press of its button to its end, watched
    // all along and whenever a message is shown (which it passes on).
    class CSendWatch : public IMessageSink {
    public:
        // Returns when the button's handler does: after the whole command
        // when it stops early, else once the upload runs.
        CSendWatch(CSendFromWindowFixture& test, const char* button);
        ~CSendWatch() override;

        bool WaitForEnd();
        void ShowMessage(unsigned id, const std::string& text) override;
        bool Confirm(unsigned id, const std::string& text) override;

        bool controlsSeenEnabled = false;
        bool progressAtMessage = false;
        bool connectingSeen = false;
        bool cancelEnabledBeforeUpload = false;
        // The progress window said the upload runs.
        bool sendingSeen = false;

    private:
        void Look();

        CSendFromWindowFixture& m_test;
        QSignalSpy m_finished;
        IMessageSink* m_next;
        QTimer m_look;
    };

    // The window with the sample setting file listed, owner Ada and a
    // printer simulator of these options chosen.
    void Open(const CPrinterSimulator::Options& printer, int number = 0);
    std::string SamplePath() const { return SettingFolder() + "sample.prn"; }
    // The setting file of that title; the printer defaults for none.
    void ChooseSetting(const std::string& title = {});

    // Of the controls that stand for all of them: buttons, boxes and the list.
    int EnabledControls() const;
    bool AnyControlEnabled() const { return EnabledControls() > 0; }
    bool AllControlsEnabled() const;
    CSendFileDlg* ProgressWindow() const;
    QPushButton& CancelButton(const QWidget& window) const;
    std::string ProgressText() const;
    // The sends in the test's history, newest first.
    std::vector<CHistoryRecord> History() const;
    // Job files of this program left in the temporary folder.
    std::set<std::string> SendFilesLeft() const;

    // The controls stayed disabled all through the send and are enabled
    // again, without a progress window or a job file left.
    void ExpectIdleAgain(const CSendWatch& send) const;
    // The send ended without a word and left nothing, here or on the printer.
    void ExpectQuietEndLeavingNothing(const CSendWatch& send) const;

    // What the command line builds of the same choices.
    std::string Built(std::vector<std::string> args) const;
    // The command line's run of a send command with the same choices.
    CProcessResult FromCli(std::vector<std::string> args, const std::string& printer) const;
    // The messages the window showed, as the command line writes them.
    std::string MessageLines() const;

    CTempDir m_tmp;
    CTempDir m_out;
    std::optional<CPrinterSimulator> m_printer;

private:
    CScopedEnvironment m_tmpVariable{"TMPDIR", m_tmp.Path()};
    CScopedEnvironment m_history{CSendHistory::kPathVariable, m_out.File("history.sqlite")};
};
