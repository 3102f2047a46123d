#include "CMessageRelay.h"

#include <QCoreApplication>
#include <QThread>

CMessageRelay::CMessageRelay(IMessageSink& target)
    : m_target(target)
{
}

void CMessageRelay::ShowMessage(unsigned id, const std::string& text)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || QThread::currentThread() == application->thread()) {
        m_target.ShowMessage(id, text);
        return;
    }
    QMetaObject::invokeMethod(
        application, [this, id, &text] { m_target.ShowMessage(id, text); }, Qt::BlockingQueuedConnection);
}

bool CMessageRelay::Confirm(unsigned id, const std::string& text)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || QThread::currentThread() == application->thread())
        return m_target.Confirm(id, text);
    bool answer = false;
    QMetaObject::invokeMethod(
        application, [this, id, &text, &answer] { answer = m_target.Confirm(id, text); },
        Qt::BlockingQueuedConnection);
    return answer;
}
