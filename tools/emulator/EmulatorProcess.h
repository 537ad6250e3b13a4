#pragma once
// Starts module-emulator as a child process for tests and benchmarks: reads
// the pseudo-terminal path from its first line, collects the lines it prints
// afterwards, and kills it for sure when done (its piped stdin closing ends
// it too, should the caller crash).

#include <QProcess>
#include <QString>
#include <QStringList>

class EmulatorProcess final {
public:
    // Starts the emulator with these options and waits for its path.
    explicit EmulatorProcess(const QStringList& options = {});
    ~EmulatorProcess();
    EmulatorProcess(const EmulatorProcess&) = delete;
    EmulatorProcess& operator=(const EmulatorProcess&) = delete;

    // The emulator's executable (set at build time, or VELOTAR_EMULATOR).
    static QString Program();

    // The pseudo-terminal to open; empty if the emulator did not start.
    const QString& Path() const { return m_path; }
    // Every line printed after the path so far ("rx *2*1", "rx frame 1" ...).
    QStringList Lines();
    // Processes events until a line equal to text was printed.
    bool WaitForLine(const QString& text, int timeoutMs = 3000);
    // Kills the emulator at once: the tool's end of the line hangs up.
    void Kill();

private:
    QProcess m_process;
    QString m_path;
    QStringList m_lines;
    QByteArray m_partial;
};
