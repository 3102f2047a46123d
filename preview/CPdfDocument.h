#pragma once

#include <QImage>
#include <QSizeF>

#include <memory>
#include <stop_token>
#include <string>

namespace Poppler {
class Document;
}

// A PDF file opened with Poppler, or why it could not be. Each caller opens
// its own, so that renderings on several threads share nothing.
class CPdfDocument {
public:
    explicit CPdfDocument(const std::string& path);
    ~CPdfDocument();
    CPdfDocument(const CPdfDocument&) = delete;
    CPdfDocument& operator=(const CPdfDocument&) = delete;

    bool IsOpen() const { return m_error.empty(); }
    // Why the file could not be opened, e.g. "cannot read: damaged PDF file".
    const std::string& Error() const { return m_error; }
    int PageCount() const;
    // Page 1 as shown (its rotation applied), in points.
    QSizeF FirstPageSize() const;
    // Page 1 at that size; null when Poppler fails or stop is requested.
    QImage RenderFirstPage(QSize size, std::stop_token stop) const;

private:
    std::unique_ptr<Poppler::Document> m_document;
    std::string m_error;
};
