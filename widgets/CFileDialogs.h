#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// The file and folder choosers of the program. Tests set the next answer
// instead of letting a dialog appear.
class CFileDialogs {
public:
    // Existing files, several at once, starting in the folder; empty when
    // cancelled.
    static QStringList ChooseFilesToOpen(QWidget* parent, const QString& title, const QString& filter,
                                         const QString& folder);
    // An existing folder, starting in the folder; empty when cancelled.
    static QString ChooseFolder(QWidget* parent, const QString& title, const QString& folder);
    // A file to save to, proposed as initialPath (a folder and a name).
    // An existing file is not mentioned: the caller checks the name first
    // and then asks. Empty when cancelled.
    static QString ChooseFileToSave(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& initialPath, const QString& defaultSuffix);

    static void SetNextFiles(const QStringList& files);
    static void SetNextFolder(const QString& folder);
    static void SetNextSaveFile(const QString& file);
    // The initial path the last save dialog was given.
    static QString LastSaveProposal();
    // The title and start folder the last chooser of files or a folder was given.
    static QString LastOpenTitle();
    static QString LastOpenFolder();

private:
    static std::optional<QStringList>& NextFiles();
    static std::optional<QString>& NextFolder();
    static std::optional<QString>& NextSaveFile();
    static QString& SaveProposal();
    static QString& OpenTitle();
    static QString& OpenFolder();
};
