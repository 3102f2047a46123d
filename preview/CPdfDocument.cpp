#include "CPdfDocument.h"

#include "CReadableFile.h"

#include <poppler-qt6.h>

#include <mutex>

namespace {
// Poppler reports every syntax fault of a damaged file on standard error;
// the caller gets one short reason instead.
void SilencePoppler()
{
    static std::once_flag once;
    std::call_once(once, [] { Poppler::setDebugErrorFunction([](const QString&, const QVariant&) {}, QVariant()); });
}

bool StopRequested(const QVariant& payload)
{
    return reinterpret_cast<const std::stop_token*>(payload.value<quintptr>())->stop_requested();
}
}

CPdfDocument::CPdfDocument(const std::string& path) : m_error(CReadableFile::WhyNot(path))
{
    if (!m_error.empty())
        return;
    SilencePoppler();
    m_document = Poppler::Document::load(QString::fromStdString(path));
    if (!m_document)
        m_error = "cannot read: damaged PDF file";
    else if (m_document->isLocked())
        m_error = "cannot read: the PDF file is locked with a password";
    else if (m_document->numPages() < 1 || !m_document->page(0))
        m_error = "cannot read: the PDF file has no pages";
    if (!m_error.empty())
        m_document.reset();
}

CPdfDocument::~CPdfDocument() = default;

int CPdfDocument::PageCount() const
{
    return m_document ? m_document->numPages() : 0;
}

QSizeF CPdfDocument::FirstPageSize() const
{
    return m_document ? m_document->page(0)->pageSizeF() : QSizeF();
}

QImage CPdfDocument::RenderFirstPage(QSize size, std::stop_token stop) const
{
    if (!m_document)
        return {};
    m_document->setRenderHint(Poppler::Document::Antialiasing);
    m_document->setRenderHint(Poppler::Document::TextAntialiasing);
    const auto page = m_document->page(0);
    const QSizeF points = page->pageSizeF();
    const double xDpi = 72.0 * size.width() / points.width();
    const double yDpi = 72.0 * size.height() / points.height();
    QImage image = page->renderToImage(xDpi, yDpi, 0, 0, size.width(), size.height(), Poppler::Page::Rotate0,
                                       nullptr, nullptr, StopRequested,
                                       QVariant::fromValue(reinterpret_cast<quintptr>(&stop)));
    if (stop.stop_requested())
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}
