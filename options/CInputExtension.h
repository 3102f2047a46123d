#pragma once

#include "CRegistInput.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>

namespace Ui {
class CInputExtension;
}

// Asks for one file extension, owner name or printer name. The characters
// its list's file cannot hold are refused as they are typed; OK hands the
// text to the list, and a refusal (a character pasted in, a duplicate)
// keeps the dialog open with the text selected.
class CInputExtension : public QDialog {
    Q_OBJECT

public:
    // Adds or changes the entry; why not, when it was not taken.
    using Store = std::function<CRegistInput::Refusal(const std::string& text)>;

    // The title names the action: adding, or changing the preset text.
    CInputExtension(const CRegistInput::Use& use, bool adding, const QString& text, Store store = {},
                    QWidget* parent = nullptr);
    ~CInputExtension() override;

    QString GetText() const;

    // Runs the dialog; whether the text was stored.
    static bool Ask(const CRegistInput::Use& use, bool adding, const QString& text, Store store, QWidget* parent);

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::CInputExtension> m_ui;
    int m_mode;
    Store m_store;
};
