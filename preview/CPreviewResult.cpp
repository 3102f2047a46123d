#include "CPreviewResult.h"

#include <utility>

CPreviewResult::CPreviewResult(Outcome outcome, QImage image, std::string message)
    : m_outcome(outcome), m_image(std::move(image)), m_message(std::move(message))
{
}

CPreviewResult CPreviewResult::Rendered(QImage image)
{
    return {Outcome::Rendered, std::move(image), {}};
}

CPreviewResult CPreviewResult::NoPreview(std::string reason)
{
    return {Outcome::NoPreview, {}, std::move(reason)};
}

CPreviewResult CPreviewResult::Failed(std::string reason)
{
    return {Outcome::Failed, {}, std::move(reason)};
}

CPreviewResult CPreviewResult::Cancelled()
{
    return {Outcome::Cancelled, {}, "cancelled"};
}
