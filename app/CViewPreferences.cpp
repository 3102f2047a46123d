#include "CViewPreferences.h"

#include "CRegistry.h"
#include "CRegistryValues.h"

namespace {
constexpr const char* kSizesInInches = "SizesInInches";
constexpr const char* kPreviewSplitter = "PreviewSplitter";
constexpr const char* kWindowGeometry = "WindowGeometry";
constexpr const char* kPlotFolder = "PlotFolder";

std::string ReadUser(const char* name)
{
    return CRegistry().ReadValue(CRegistry::Hive::CurrentUser, CRegistryValues::ProgramKey(), name);
}

void WriteUser(const char* name, const std::string& text)
{
    CRegistry().WriteValue(CRegistry::Hive::CurrentUser, CRegistryValues::ProgramKey(), name, text);
}
}

bool CViewPreferences::ReadSizesInInches()
{
    return ReadUser(kSizesInInches) == "1";
}

QByteArray CViewPreferences::ReadSplitterState()
{
    return QByteArray::fromBase64(QByteArray::fromStdString(ReadUser(kPreviewSplitter)));
}

QByteArray CViewPreferences::ReadWindowGeometry()
{
    return QByteArray::fromBase64(QByteArray::fromStdString(ReadUser(kWindowGeometry)));
}

// The registry keeps strings only.
void CViewPreferences::Write(bool sizesInInches, const QByteArray& splitterState, const QByteArray& windowGeometry)
{
    WriteUser(kSizesInInches, sizesInInches ? "1" : "0");
    WriteUser(kPreviewSplitter, splitterState.toBase64().toStdString());
    WriteUser(kWindowGeometry, windowGeometry.toBase64().toStdString());
}

QString CViewPreferences::ReadPlotFolder()
{
    return QString::fromStdString(ReadUser(kPlotFolder));
}

void CViewPreferences::WritePlotFolder(const QString& folder)
{
    WriteUser(kPlotFolder, folder.toStdString());
}
