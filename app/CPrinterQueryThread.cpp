#include "CPrinterQueryThread.h"

#include <QEventLoop>
#include <QThread>

#include <memory>

std::optional<CPrinterQuery::Answer> CPrinterQueryThread::Ask(const std::string& printerName, const std::string& user,
                                                              const std::string& password)
{
    std::optional<CPrinterQuery::Answer> answer;
    std::unique_ptr<QThread> thread(
        QThread::create([&] { answer = CPrinterQuery::Ask(printerName, user, password); }));
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    loop.exec();
    thread->wait();
    return answer;
}
