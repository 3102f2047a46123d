#pragma once

#include "CHistoryView.h"

#include <QAbstractTableModel>

#include <string>

// The sends its history view lets through, one row each, newest first.
// The failure message of a send is the tool tip of its row.
class CHistoryModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum EColumn { kTime, kPrinter, kOwner, kSetting, kFiles, kJobSize, kResult, kDuration, kColumnCount };

    explicit CHistoryModel(QObject* parent = nullptr);

    const CHistoryView& View() const { return m_view; }
    // The view's changes, told to the table.
    bool Load(const std::string& path);
    void SetPrinter(const std::string& printer);
    void SetText(const std::string& text);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString Text(int row, int column) const;

    CHistoryView m_view;
};
