// How long Velotar takes to start and how much memory it needs doing so,
// each as a ratio to the smallest Qt Widgets program: a window with one
// label, built by this project with the same compiler and options. Both are
// started offscreen as fresh processes until their window is shown, painted
// and the event loop has run dry, then they quit. Medians of several runs,
// wall-clock and processor time; targets: time at most 1.5 times, peak
// memory at most 1.3 times the minimal window.
//
//   startup_bench [runs]        runs both, alternating, and prints the ratios

#include "ProgramStart.h"
#include "Uformagl.h"

#include <QApplication>
#include <QLabel>
#include <QEvent>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

class FirstPaintQuits : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_painted = false;
};

// The child: start, show, wait until the window is painted and the event
// loop is idle, quit.
int RunChild(int argc, char** argv, bool velotar) {
    QApplication app(argc, argv);
    std::unique_ptr<TGlownaF> window;
    std::unique_ptr<QLabel> minimal;
    if (velotar) {
        window = CreateProgramWindows();
        ShowMainWindow(*window);
    } else {
        minimal = std::make_unique<QLabel>(QStringLiteral("Velotar"));
        minimal->show();
    }
    // Shown means painted: once the window's first paint has run, a zero
    // timer fires when every event still pending has been handled.
    QWidget* shown = velotar ? static_cast<QWidget*>(window.get()) : minimal.get();
    FirstPaintQuits quitter;
    shown->installEventFilter(&quitter);
    const int result = QApplication::exec();
    // Start-up is measured, not tearing the windows down: both programs
    // leave the same way.
    std::fflush(nullptr);
    std::_Exit(result);
}

struct Sample {
    double seconds;    // wall-clock, from fork to exit
    double cpuSeconds; // user and system time of the child
    long peakKiB;
};

double Seconds(const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; }

Sample Measure(const char* self, const char* mode) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::execl(self, self, mode, static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not start cleanly\n", mode);
        std::exit(1);
    }
    return {took.count(), Seconds(usage.ru_utime) + Seconds(usage.ru_stime), usage.ru_maxrss};
}

template <typename T>
T Median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--velotar") == 0)
        return RunChild(argc, argv, true);
    if (argc > 1 && std::strcmp(argv[1], "--minimal") == 0)
        return RunChild(argc, argv, false);

    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    Measure(argv[0], "--minimal"); // let the file cache settle first
    Measure(argv[0], "--velotar");
    std::vector<double> velotarTime, minimalTime, velotarCpu, minimalCpu;
    std::vector<long> velotarMemory, minimalMemory;
    for (int i = 0; i < runs; ++i) {
        const Sample m = Measure(argv[0], "--minimal");
        const Sample v = Measure(argv[0], "--velotar");
        minimalTime.push_back(m.seconds);
        minimalCpu.push_back(m.cpuSeconds);
        velotarCpu.push_back(v.cpuSeconds);
        minimalMemory.push_back(m.peakKiB);
        velotarTime.push_back(v.seconds);
        velotarMemory.push_back(v.peakKiB);
    }
    const double tv = Median(velotarTime), tm = Median(minimalTime);
    const double cv = Median(velotarCpu), cm = Median(minimalCpu);
    const long mv = Median(velotarMemory), mm = Median(minimalMemory);
    std::printf("start-up, medians of %d runs (offscreen, until the window is painted and idle)\n",
                runs);
    std::printf("                  wall clock   processor    peak memory\n");
    std::printf("  minimal window: %7.1f ms  %7.1f ms  %8ld KiB\n", tm * 1000, cm * 1000, mm);
    std::printf("  Velotar:        %7.1f ms  %7.1f ms  %8ld KiB\n", tv * 1000, cv * 1000, mv);
    std::printf("  time ratio      %7.2f     %7.2f     (target <= 1.50)\n", tv / tm, cv / cm);
    std::printf("  memory ratio                          %5.2f (target <= 1.30)\n",
                double(mv) / double(mm));
    return 0;
}
