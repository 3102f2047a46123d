#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// The file and folder choosers of the program. Tests set the next answer
// instead of letting a dialog appear.
class CFileDialogs {
public:
    // Existing files, several at once; empty when cancelled.
    static QStringList ChooseFilesToOpen(QWidget* parent, const QString& filter);
    // An existing folder; empty when cancelled.
    static QString ChooseFolder(QWidget* parent, const QString& title);

    static void SetNextFiles(const QStringList& files);
    static void SetNextFolder(const QString& folder);

private:
    static std::optional<QStringList>& NextFiles();
    static std::optional<QString>& NextFolder();
};
