#include "CPrinterQueryThread.h"

#include "CMessageTap.h"

#include <QEventLoop>
#include <QThread>

#include <memory>

// The dialogue's own messages are shown from its thread; the caller's taps
// hear of them too, so that a send stopped here keeps in its history all
// the user was told.
CPrinterQuery::Outcome CPrinterQueryThread::Ask(const std::string& printerName, const std::string& user,
                                                const std::string& password, const CCancellation& cancellation)
{
    CPrinterQuery::Outcome outcome;
    std::string told;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        const CMessageTap tap;
        outcome = CPrinterQuery::Run(printerName, user, password, &cancellation);
        told = tap.Text();
    }));
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    loop.exec();
    thread->wait();
    if (!told.empty())
        CMessageTap::Notify(told);
    return outcome;
}
