#include "CPrinterQueryThread.h"

#include <QEventLoop>
#include <QThread>

#include <memory>

CPrinterQuery::Outcome CPrinterQueryThread::Ask(const std::string& printerName, const std::string& user,
                                                const std::string& password, const CCancellation& cancellation)
{
    CPrinterQuery::Outcome outcome;
    std::unique_ptr<QThread> thread(
        QThread::create([&] { outcome = CPrinterQuery::Run(printerName, user, password, &cancellation); }));
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    loop.exec();
    thread->wait();
    return outcome;
}
