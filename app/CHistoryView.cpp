#include "CHistoryView.h"

#include "CMessageService.h"
#include "CResourceModule.h"
#include "CSendHistory.h"
#include "ResourceIds.h"

#include <QString>

#include <algorithm>
#include <filesystem>

namespace {
// Unicode case folding, which the history's own text search (ASCII) lacks.
bool Contains(const std::string& field, const QString& text)
{
    return QString::fromStdString(field).contains(text, Qt::CaseInsensitive);
}

bool Exists(const std::string& path)
{
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

// One file a line, by the path it was sent from where the history has it.
void ShowFiles(unsigned message, const std::vector<CHistoryRecord::File>& files)
{
    if (files.empty())
        return;
    std::string lines;
    for (const CHistoryRecord::File& file : files)
        lines += "\n" + (file.path.empty() ? file.name : file.path);
    CMessageService::Show(message, lines.substr(1));
}
}

bool CHistoryView::Load(const std::string& path)
{
    m_records.clear();
    m_readable = true;
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        CSendHistory history;
        m_readable = history.Open(path);
        if (m_readable)
            m_records = history.Query();
        m_readable = m_readable && history.GetError().empty();
    }
    m_printers.clear();
    for (const CHistoryRecord& record : m_records)
        m_printers.push_back(record.printer);
    std::sort(m_printers.begin(), m_printers.end());
    m_printers.erase(std::unique(m_printers.begin(), m_printers.end()), m_printers.end());
    Filter();
    return m_readable;
}

void CHistoryView::SetPrinter(const std::string& printer)
{
    m_printer = printer;
    Filter();
}

void CHistoryView::SetText(const std::string& text)
{
    m_text = text;
    Filter();
}

void CHistoryView::Filter()
{
    m_shown.clear();
    for (int i = 0; i < GetTotal(); ++i)
        if (Matches(m_records[i]))
            m_shown.push_back(i);
}

bool CHistoryView::Matches(const CHistoryRecord& record) const
{
    if (!m_printer.empty() && record.printer != m_printer)
        return false;
    const QString text = QString::fromStdString(m_text);
    if (text.isEmpty() || Contains(record.printer, text) || Contains(record.owner, text) ||
        Contains(record.setting, text) || Contains(ResultText(record.result), text) || Contains(record.message, text))
        return true;
    return std::any_of(record.files.begin(), record.files.end(),
                       [&](const CHistoryRecord::File& file) { return Contains(file.name, text); });
}

std::string CHistoryView::ResultText(CHistoryRecord::Result result)
{
    // By CHistoryRecord::Result.
    constexpr unsigned kResultIds[] = {ResId::kUnfinishedResultText, ResId::kDoneResultText,
                                       ResId::kCancelledResultText, ResId::kFailedResultText};
    return CResourceModule::LoadString(kResultIds[static_cast<int>(result)]);
}

CHistoryView::FileCheck CHistoryView::CheckFiles(const CHistoryRecord& record, const IsListed& listed)
{
    FileCheck check;
    for (const CHistoryRecord::File& file : record.files)
        (!Exists(file.path) ? check.missing : listed(file.path) ? check.listed : check.existing).push_back(file);
    return check;
}

int CHistoryView::PutBack(const CHistoryRecord& record, const IsListed& listed, const AddFile& add)
{
    const FileCheck check = CheckFiles(record, listed);
    int added = 0;
    for (const CHistoryRecord::File& file : check.existing)
        added += add(file.path, file.copies) ? 1 : 0;
    ShowFiles(ResId::kHistoryFilesMissingMessage, check.missing);
    ShowFiles(ResId::kHistoryFilesListedMessage, check.listed);
    return added + static_cast<int>(check.listed.size());
}
