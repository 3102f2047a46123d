#include "CPrinterAppRunner.h"

#include <QProcess>

CPrinterAppRunner::CPrinterAppRunner(const QString& program, QObject* parent)
    : QObject(parent)
    , m_program(program)
{
}

// A window closed meanwhile takes its subcommand with it; what the server
// already took stays done.
CPrinterAppRunner::~CPrinterAppRunner()
{
    if (!m_process)
        return;
    m_process->disconnect(this);
    m_process->kill();
    m_process->waitForFinished(1000);
}

void CPrinterAppRunner::Run(const QList<QStringList>& commands)
{
    if (IsBusy() || commands.isEmpty())
        return;
    m_pending = commands;
    StartNext();
}

void CPrinterAppRunner::StartNext()
{
    m_process = new QProcess(this);
    connect(m_process, &QProcess::finished, this, &CPrinterAppRunner::OnEnded);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            OnEnded();
    });
    m_process->start(m_program, m_pending.takeFirst());
}

void CPrinterAppRunner::OnEnded()
{
    QProcess* process = m_process;
    m_process = nullptr;
    process->deleteLater();
    const bool ok = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0 &&
                    process->error() != QProcess::FailedToStart;
    if (ok && !m_pending.isEmpty()) {
        StartNext();
        return;
    }
    m_pending.clear();
    const QString output = QString::fromLocal8Bit(ok ? process->readAllStandardOutput()
                                                      : process->readAllStandardError());
    emit Finished(ok, ok || !output.isEmpty() ? output.trimmed() : process->errorString());
}

