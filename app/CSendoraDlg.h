#pragma once

#include "IPrintListHost.h"

#include <QDialog>

#include <memory>

namespace Ui {
class CSendoraDlg;
}
class CNameChoice;
class CPrintDataModel;
class CSDComboBox;
class CSendoraApp;
class QAction;

// The main window: the print list, the values of the next send, and the
// buttons of every command. It remembers the printer number, owner,
// printer and setting between runs.
class CSendoraDlg : public QDialog, public IPrintListHost {
    Q_OBJECT

public:
    static constexpr unsigned kAboutItem = 101;
    static constexpr unsigned kFolderTitle = 110;
    static constexpr unsigned kFileFilter = 111;
    static constexpr unsigned kCopiesOutOfRange = 126;
    static constexpr unsigned kMoveUpTip = 10223;
    static constexpr unsigned kMoveDownTip = 10224;
    static constexpr unsigned kIcon = 128;
    static constexpr unsigned kMoveUpImage = 203;
    static constexpr unsigned kMoveDownImage = 204;
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
    // Remembers the window's values, then closes it.
    void reject() override;

protected:
    // Enter and Escape would press a button or close the window.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void InitControls();
    void FillNames(CSDComboBox& box, const CNameChoice& choice);
    void FillSettings();
    void SetImages();
    void ConnectCommands();
    CPrintDataModel& Model() const;

    void OnAddFiles();
    void OnAddFolder();
    void OnDeleteSelected();
    void OnDeleteAll();
    void OnMoveUp();
    void OnMoveDown();
    void MoveRow(int from, int to);
    void OnSameCopies();
    void OnCopiesChanged();
    void SaveWindowState();

    std::unique_ptr<Ui::CSendoraDlg> m_ui;
    CSendoraApp& m_app;
    QAction* m_aboutAction = nullptr;
};
