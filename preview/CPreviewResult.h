#pragma once

#include <QImage>

#include <string>

// What rendering a plot file gave: the picture, or why there is none. A
// format without previews is an outcome of its own, not a failure.
class CPreviewResult {
public:
    enum class Outcome { Rendered, NoPreview, Failed, Cancelled };

    static CPreviewResult Rendered(QImage image);
    static CPreviewResult NoPreview(std::string reason);
    static CPreviewResult Failed(std::string reason);
    static CPreviewResult Cancelled();

    Outcome GetOutcome() const { return m_outcome; }
    bool IsRendered() const { return m_outcome == Outcome::Rendered; }
    // Null unless rendered.
    const QImage& Image() const { return m_image; }
    // The short text a user is shown when there is no picture.
    const std::string& Message() const { return m_message; }

private:
    CPreviewResult(Outcome outcome, QImage image, std::string message);

    Outcome m_outcome;
    QImage m_image;
    std::string m_message;
};
