// The emulator as a child process.

#include "EmulatorProcess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

EmulatorProcess::EmulatorProcess(const QStringList& options) {
    m_process.setProgram(Program());
    m_process.setArguments(options);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(); // stdin stays a pipe: the emulator ends when it closes
    if (!m_process.waitForStarted(5000))
        return;
    QDeadlineTimer deadline(5000);
    while (!m_process.canReadLine() && !deadline.hasExpired())
        if (!m_process.waitForReadyRead(int(deadline.remainingTime())))
            break;
    if (m_process.canReadLine())
        m_path = QString::fromLocal8Bit(m_process.readLine()).trimmed();
}

EmulatorProcess::~EmulatorProcess() {
    Kill();
}

QString EmulatorProcess::Program() {
    const QByteArray fromEnvironment = qgetenv("VELOTAR_EMULATOR");
    if (!fromEnvironment.isEmpty())
        return QString::fromLocal8Bit(fromEnvironment);
    return QStringLiteral(VELOTAR_EMULATOR_PATH);
}

QStringList EmulatorProcess::Lines() {
    m_partial += m_process.readAllStandardOutput();
    qsizetype end;
    while ((end = m_partial.indexOf('\n')) >= 0) {
        m_lines.append(QString::fromLocal8Bit(m_partial.left(end)));
        m_partial.remove(0, end + 1);
    }
    return m_lines;
}

bool EmulatorProcess::WaitForLine(const QString& text, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!Lines().contains(text)) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        m_process.waitForReadyRead(10);
    }
    return true;
}

void EmulatorProcess::Kill() {
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(5000);
}
