#pragma once

#include <QObject>

#include <functional>

class CEditWithSpin;
class QCheckBox;

// "Same copies for all": while the box is checked, one number of copies
// applies to every entry of the print list. The number is checked when it
// is committed (Enter, or the focus leaving the edit), not on every key: a
// number out of range is refused with message 126, and the edit gets the
// focus back with its text selected.
class CSameCopies : public QObject {
    Q_OBJECT

public:
    // Sets the copies of every entry.
    using Apply = std::function<void(int copies)>;

    CSameCopies(QCheckBox& check, CEditWithSpin& edit, int maxCopies, Apply apply, QObject* parent = nullptr);

    bool IsOn() const;
    // The copies of a new entry: the number last committed while the box
    // is checked, else 1.
    int Copies() const;
    // One entry got copies of its own: the box is cleared.
    void Cancel();
    // The edit follows the box when the window's controls are on again.
    void Enable(bool enable);

private:
    void OnChecked();
    void OnCommitted();

    QCheckBox& m_check;
    CEditWithSpin& m_edit;
    int m_maxCopies;
    Apply m_apply;
    int m_copies = 1;
};
