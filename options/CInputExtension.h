#pragma once

#include "CRegistInput.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class CInputExtension;
}

// Asks for one file extension, owner name or printer name, and refuses on
// OK what its list's file cannot hold.
class CInputExtension : public QDialog {
    Q_OBJECT

public:
    // The title names the action: adding, or changing the preset text.
    CInputExtension(const CRegistInput::Use& use, bool adding, const QString& text, QWidget* parent = nullptr);
    ~CInputExtension() override;

    QString GetText() const;

    // Runs the dialog; the text entered, or nothing when cancelled.
    static std::optional<QString> Ask(const CRegistInput::Use& use, bool adding, const QString& text,
                                      QWidget* parent);

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::CInputExtension> m_ui;
    int m_mode;
};
