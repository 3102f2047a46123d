#include "CRasterPages.h"

#include "CDocumentFormats.h"

CRasterPages::CRasterPages(std::string jobName)
    : m_stem(std::move(jobName))
{
    const auto dot = m_stem.rfind('.');
    if (dot != std::string::npos && dot > 0)
        m_stem.erase(dot);
}

bool CRasterPages::StartPage(const CRasterTiffWriter::Page& page)
{
    if (m_folder.Path().empty()) {
        m_error = "no temporary folder for the raster pages";
        return false;
    }
    const std::string name = m_stem + '-' + std::to_string(m_documents.size() + 1) + ".tif";
    const std::string path = m_folder.Path() + '/' + name;
    if (!m_writer.Open(path, page))
        return false;
    m_documents.push_back({path, name, CDocumentFormats::kTiff});
    return true;
}

bool CRasterPages::EndPage()
{
    return m_writer.Close();
}

const std::string& CRasterPages::Error() const
{
    return m_error.empty() ? m_writer.Error() : m_error;
}
