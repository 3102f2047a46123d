#pragma once

#include "CQueueJob.h"
#include "CRasterTiffWriter.h"
#include "CTempFolder.h"

#include <string>
#include <vector>

// The raster pages of one job, each written into a TIFF file of its own as
// its lines arrive, to be sent as one entry a page.
class CRasterPages {
public:
    // jobName names the files: "plan.pdf" gives plan-1.tif, plan-2.tif ...
    explicit CRasterPages(std::string jobName);

    bool StartPage(const CRasterTiffWriter::Page& page);
    bool WriteLine(const std::uint8_t* line) { return m_writer.WriteLine(line); }
    bool EndPage();
    // Why the last step failed.
    const std::string& Error() const;

    const std::vector<CQueueJob::Document>& Documents() const { return m_documents; }

private:
    std::string m_stem;
    CTempFolder m_folder;
    CRasterTiffWriter m_writer;
    std::vector<CQueueJob::Document> m_documents;
    std::string m_error;
};
