#include "CPlotFileChooser.h"

#include "CFileDialogs.h"
#include "CResourceModule.h"
#include "CViewPreferences.h"
#include "ResourceIds.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString ResourceString(unsigned id)
{
    return QString::fromStdString(CResourceModule::LoadString(id));
}
}

QStringList CPlotFileChooser::ChooseFiles(QWidget* parent)
{
    const QStringList files = CFileDialogs::ChooseFilesToOpen(parent, ResourceString(ResId::kAddFilesTitle),
                                                              ResourceString(ResId::kFileFilter), StartFolder());
    if (!files.isEmpty())
        CViewPreferences::WritePlotFolder(QFileInfo(files.front()).absolutePath());
    return files;
}

QString CPlotFileChooser::ChooseFolder(QWidget* parent)
{
    const QString folder = CFileDialogs::ChooseFolder(parent, ResourceString(ResId::kFolderTitle), StartFolder());
    if (!folder.isEmpty())
        CViewPreferences::WritePlotFolder(QFileInfo(folder).absoluteFilePath());
    return folder;
}

QString CPlotFileChooser::StartFolder()
{
    const QString folder = CViewPreferences::ReadPlotFolder();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}
