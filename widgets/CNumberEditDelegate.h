#pragma once

#include "CGridCellDelegate.h"

#include <functional>

// The numeric in-place editor: a right-aligned CEditWithSpin holding the
// cell's text, all of it selected, with the spin range given. Typing is
// free; storing writes the edit's text into the cell once the validator
// accepts it.
class CNumberEditDelegate : public CGridCellDelegate {
    Q_OBJECT

public:
    // Called with the grid row (data rows count from 1) and the edit's text
    // while the cell still holds its old text. A refusal shows the page's
    // message and returns false; the editor then stays open with its text
    // selected and the cell keeps its text.
    using Validator = std::function<bool(int row, const QString& text)>;

    CNumberEditDelegate(int lower, int upper, Validator validator, QObject* parent = nullptr);

    bool Accepts(QWidget* editor, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    int m_lower;
    int m_upper;
    Validator m_validator;
};
