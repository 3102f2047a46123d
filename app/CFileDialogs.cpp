#include "CFileDialogs.h"

#include <QFileDialog>

#include <utility>

QStringList CFileDialogs::ChooseFilesToOpen(QWidget* parent, const QString& filter)
{
    if (auto& next = NextFiles()) {
        QStringList files = std::move(*next);
        next.reset();
        return files;
    }
    return QFileDialog::getOpenFileNames(parent, QString(), QString(), filter);
}

QString CFileDialogs::ChooseFolder(QWidget* parent, const QString& title)
{
    if (auto& next = NextFolder()) {
        QString folder = std::move(*next);
        next.reset();
        return folder;
    }
    return QFileDialog::getExistingDirectory(parent, title);
}

void CFileDialogs::SetNextFiles(const QStringList& files)
{
    NextFiles() = files;
}

void CFileDialogs::SetNextFolder(const QString& folder)
{
    NextFolder() = folder;
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
