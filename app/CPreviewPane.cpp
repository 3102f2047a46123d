#include "CPreviewPane.h"

#include "CResourceModule.h"
#include "PlotFormat.h"
#include "ResourceIds.h"

#include <QLabel>
#include <QMetaObject>
#include <QPainter>
#include <QVBoxLayout>
#include <QtMath>

#include <algorithm>

namespace {
constexpr int kMargin = 8;
// Renderings run one behind the other; a second thread lets the newest
// start while a stopped one winds down.
constexpr int kRenderThreads = 2;
// Growing by less is covered by scaling the picture up.
constexpr int kGrowthPercent = 125;
// A drag of the window's edge asks for one picture at its end.
constexpr int kResizeSettleMs = 150;
constexpr QSize kSizeHint(320, 360);

bool HasPreview(PlotFormat format)
{
    return format != PlotFormat::Cgm && format != PlotFormat::Mgl && format != PlotFormat::MvNative &&
           format != PlotFormat::Unknown;
}

QString Sentence(const std::string& text)
{
    QString sentence = QString::fromStdString(text);
    if (!sentence.isEmpty())
        sentence[0] = sentence[0].toUpper();
    return sentence;
}
}

CPreviewPane::CPreviewPane(QWidget* parent)
    : QFrame(parent)
    , m_sizeLabel(new QLabel(this))
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::NoFocus);
    m_pool.setMaxThreadCount(kRenderThreads);
    m_sizeLabel->setObjectName("labelPreviewSize");
    m_sizeLabel->setAlignment(Qt::AlignCenter);
    m_sizeLabel->setTextInteractionFlags(Qt::NoTextInteraction);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->addStretch(1);
    layout->addWidget(m_sizeLabel);
    m_resizeTimer.setSingleShot(true);
    m_resizeTimer.setInterval(kResizeSettleMs);
    connect(&m_resizeTimer, &QTimer::timeout, this, &CPreviewPane::RenderIfGrown);
    ShowNothing();
}

CPreviewPane::~CPreviewPane()
{
    m_stop.request_stop();
    m_pool.clear();
    m_pool.waitForDone();
}

QSize CPreviewPane::sizeHint() const
{
    return kSizeHint;
}

QString CPreviewPane::SizeText() const
{
    return m_sizeLabel->text();
}

void CPreviewPane::ShowFile(const std::string& path, const std::string& formatName, const QString& sizeText)
{
    m_sizeLabel->setText(sizeText);
    if (path == m_path && formatName == m_formatName)
        return;
    m_path = path;
    m_formatName = formatName;
    if (!HasPreview(PlotFormatOf(formatName))) {
        ShowText(ResId::kNoPreviewText);
        emit PreviewShown();
        return;
    }
    ShowText(ResId::kPreviewBusyText);
    StartRender();
}

void CPreviewPane::ShowNothing()
{
    m_path.clear();
    m_formatName.clear();
    m_sizeLabel->clear();
    ShowText(ResId::kPreviewPlaceholder);
}

void CPreviewPane::ShowText(unsigned textId)
{
    CancelRender();
    m_picture = {};
    m_text = QString::fromStdString(CResourceModule::LoadString(textId));
    update();
}

void CPreviewPane::CancelRender()
{
    m_stop.request_stop();
    m_stop = {};
    ++m_ticket;
    m_resizeTimer.stop();
    // Those not started yet would only find their stop requested.
    m_pool.clear();
}

void CPreviewPane::StartRender()
{
    CancelRender();
    m_renderWidth = RenderWidth();
    m_pool.start([this, ticket = m_ticket, path = m_path, formatName = m_formatName, width = m_renderWidth,
                  stop = m_stop.get_token()] {
        const CPreviewResult result = RenderCached(path, formatName, width, stop);
        QMetaObject::invokeMethod(this, [this, ticket, result] { OnRendered(ticket, result); }, Qt::QueuedConnection);
    });
}

CPreviewResult CPreviewPane::RenderCached(const std::string& path, const std::string& formatName, int width,
                                          std::stop_token stop)
{
    const auto key = CPreviewCache::Key::Of(path, formatName, width);
    if (key)
        if (auto cached = m_cache.Find(*key))
            return *cached;
    CPreviewResult result = m_renderer.Render(path, formatName, width, stop);
    if (key)
        m_cache.Insert(*key, result);
    return result;
}

void CPreviewPane::OnRendered(unsigned long long ticket, const CPreviewResult& result)
{
    if (ticket != m_ticket || result.GetOutcome() == CPreviewResult::Outcome::Cancelled)
        return;
    m_picture = result.Image();
    m_text = m_picture.isNull() ? Sentence(result.Message()) : QString();
    update();
    emit PreviewShown();
}

QRect CPreviewPane::PictureArea() const
{
    QRect area = contentsRect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    area.setBottom(std::max(area.top(), m_sizeLabel->geometry().top() - kMargin));
    return area;
}

int CPreviewPane::RenderWidth() const
{
    const int pixels = qCeil(PictureArea().width() * devicePixelRatioF());
    return std::clamp(pixels, CPreviewSize::kMinWidth, kMaxRenderWidth);
}

void CPreviewPane::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    if (!m_picture.isNull())
        m_resizeTimer.start();
}

// A picture much smaller than the pane would look blurred when scaled up.
void CPreviewPane::RenderIfGrown()
{
    if (!m_picture.isNull() && RenderWidth() * 100 > m_renderWidth * kGrowthPercent)
        StartRender();
}

void CPreviewPane::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = PictureArea();
    if (m_picture.isNull()) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, m_text);
        return;
    }
    QRect target(QPoint(), m_picture.size().scaled(area.size(), Qt::KeepAspectRatio));
    target.moveCenter(area.center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_picture);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(target.adjusted(-1, -1, 0, 0));
}
