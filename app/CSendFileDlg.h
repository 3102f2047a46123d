#pragma once

#include "CProgressRange.h"
#include "CTransferProgress.h"

#include <QDialog>
#include <QTimer>

#include <cstdint>
#include <memory>

namespace Ui {
class CSendFileDlg;
}
class CSendoraApp;

// The progress window of a send: a text line, the bar of the upload with
// its percent and bytes, and Cancel, which ends the printer dialogue as
// well as the upload. Modeless,
// centred over its owner.
class CSendFileDlg : public QDialog {
    Q_OBJECT

public:
    // About 30 looks a second: often enough for the eye, and the upload
    // never waits for the window.
    static constexpr int kPollMilliseconds = 33;

    CSendFileDlg(const CSendoraApp& app, QWidget& owner);
    ~CSendFileDlg() override;

    void SetMessage(const QString& text);
    // The bar spans lower to upper and moves by step.
    void SetRange(std::uint64_t lower, std::uint64_t upper, std::uint64_t step);
    // The bar after that many steps, never past the upper bound.
    void ShowSteps(std::uint64_t steps);
    // The bar at the upper bound.
    void Complete();
    // Follows an upload: once it has begun, the caption, the range of its
    // length and Cancel; then its steps. Cancel asks it to stop.
    void Watch(std::shared_ptr<CTransferProgress> progress, const QString& caption);
    // Hides the window and deletes it when control is back in the event loop.
    void Close();

    // The close box and Escape act as Cancel, and only while it is enabled.
    void reject() override;

signals:
    // Cancel was pressed; the upload watched has been asked to stop.
    void CancelRequested();

private:
    void Poll();
    void ShowBytes(const CTransferProgress::Snapshot& snapshot);
    void OnCancel();

    std::unique_ptr<Ui::CSendFileDlg> m_ui;
    std::shared_ptr<CTransferProgress> m_progress;
    QString m_caption;
    QTimer m_poll;
    CProgressRange m_range;
    std::uint64_t m_lower = 0;
    std::uint64_t m_step = 0;
    bool m_begun = false;
};
