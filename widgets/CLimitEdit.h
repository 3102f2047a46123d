#pragma once

#include <QLineEdit>

// A text edit that refuses some characters as they are typed or pasted;
// text set by the program is kept as it is.
class CLimitEdit : public QLineEdit {
    Q_OBJECT

public:
    enum Mode {
        kAllPass = 0,
        kAsciiOnly = 1,        // codes 128 and above refused
        kRefusedCharacter = 2, // the refused character refused
        kAsciiWithoutRefused = 3,
    };

    explicit CLimitEdit(QWidget* parent = nullptr);

    void SetMode(int mode) { m_mode = mode; }
    void SetRefusedCharacter(QChar character) { m_refused = character; }

signals:
    void FocusLost();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool Refuses(QChar character) const;
    void DropRefused(const QString& text);

    int m_mode = kAllPass;
    QChar m_refused;
    // The text before the user's latest change.
    QString m_before;
};
