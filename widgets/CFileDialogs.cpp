#include "CFileDialogs.h"

#include <QFileDialog>

#include <utility>

QStringList CFileDialogs::ChooseFilesToOpen(QWidget* parent, const QString& title, const QString& filter,
                                             const QString& folder)
{
    OpenTitle() = title;
    OpenFolder() = folder;
    if (auto& next = NextFiles()) {
        QStringList files = std::move(*next);
        next.reset();
        return files;
    }
    return QFileDialog::getOpenFileNames(parent, title, folder, filter);
}

QString CFileDialogs::ChooseFolder(QWidget* parent, const QString& title, const QString& folder)
{
    OpenTitle() = title;
    OpenFolder() = folder;
    if (auto& next = NextFolder()) {
        QString chosen = std::move(*next);
        next.reset();
        return chosen;
    }
    return QFileDialog::getExistingDirectory(parent, title, folder);
}

QString CFileDialogs::ChooseFileToSave(QWidget* parent, const QString& title, const QString& filter,
                                      const QString& initialPath, const QString& defaultSuffix)
{
    SaveProposal() = initialPath;
    if (auto& next = NextSaveFile()) {
        QString file = std::move(*next);
        next.reset();
        return file;
    }
    QFileDialog dialog(parent, title, initialPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

void CFileDialogs::SetNextFiles(const QStringList& files)
{
    NextFiles() = files;
}

void CFileDialogs::SetNextFolder(const QString& folder)
{
    NextFolder() = folder;
}

void CFileDialogs::SetNextSaveFile(const QString& file)
{
    NextSaveFile() = file;
}

QString CFileDialogs::LastSaveProposal()
{
    return SaveProposal();
}

QString CFileDialogs::LastOpenTitle()
{
    return OpenTitle();
}

QString CFileDialogs::LastOpenFolder()
{
    return OpenFolder();
}

std::optional<QStringList>& CFileDialogs::NextFiles()
{
    static std::optional<QStringList> files;
    return files;
}

std::optional<QString>& CFileDialogs::NextFolder()
{
    static std::optional<QString> folder;
    return folder;
}

std::optional<QString>& CFileDialogs::NextSaveFile()
{
    static std::optional<QString> file;
    return file;
}

QString& CFileDialogs::SaveProposal()
{
    static QString proposal;
    return proposal;
}

QString& CFileDialogs::OpenTitle()
{
    static QString title;
    return title;
}

QString& CFileDialogs::OpenFolder()
{
    static QString folder;
    return folder;
}
