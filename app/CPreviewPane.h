#pragma once

#include "CPlotRenderer.h"
#include "CPreviewCache.h"

#include <QFrame>
#include <QImage>
#include <QThreadPool>
#include <QTimer>

#include <stop_token>
#include <string>

class QLabel;

// Page 1 of one plot file, fitted to the pane with its aspect ratio kept,
// and its size under it. Pictures are drawn on worker threads at the
// pane's width in device pixels and kept in a cache per file; a file shown
// next stops the drawing of the one before, whose picture, should it still
// arrive, is dropped. Not a stop for the keyboard.
class CPreviewPane : public QFrame {
    Q_OBJECT

public:
    static constexpr int kMaxRenderWidth = 2048;

    explicit CPreviewPane(QWidget* parent = nullptr);
    // Stops the drawing and waits for the workers.
    ~CPreviewPane() override;

    // The same file and format again keep their picture.
    void ShowFile(const std::string& path, const std::string& formatName, const QString& sizeText);
    void ShowNothing();

    // Null while a text stands in its place.
    const QImage& Picture() const { return m_picture; }
    const QString& Text() const { return m_text; }
    QString SizeText() const;

    QSize sizeHint() const override;

signals:
    // A picture or the text of a file without one has arrived.
    void PreviewShown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect PictureArea() const;
    int RenderWidth() const;
    void ShowText(unsigned textId);
    void CancelRender();
    void StartRender();
    // On a worker thread.
    CPreviewResult RenderCached(const std::string& path, const std::string& formatName, int width,
                                std::stop_token stop);
    void OnRendered(unsigned long long ticket, const CPreviewResult& result);
    void RenderIfGrown();

    const CPlotRenderer m_renderer;
    CPreviewCache m_cache;
    QThreadPool m_pool;
    std::stop_source m_stop;
    // Of the latest drawing asked for; results of earlier ones are dropped.
    unsigned long long m_ticket = 0;
    std::string m_path;
    std::string m_formatName;
    int m_renderWidth = 0;
    QImage m_picture;
    QString m_text;
    QLabel* m_sizeLabel;
    QTimer m_resizeTimer;
};
