#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

class QProcess;

// The printer application's client subcommands, run one after the other
// as child processes, so that the window goes on while a printer is
// asked (add -m auto waits for its answer).
class CPrinterAppRunner : public QObject {
    Q_OBJECT

public:
    CPrinterAppRunner(const QString& program, QObject* parent);
    ~CPrinterAppRunner() override;

    // Each argument list in turn, up to the first that fails; ignored while
    // a run is under way.
    void Run(const QList<QStringList>& commands);
    bool IsBusy() const { return m_process != nullptr; }

signals:
    // ok: every command exited 0, output the last one's standard output;
    // else output is what the failing one printed on standard error.
    void Finished(bool ok, const QString& output);

private:
    void StartNext();
    void OnEnded();

    QString m_program;
    QList<QStringList> m_pending;
    QProcess* m_process = nullptr;
};
