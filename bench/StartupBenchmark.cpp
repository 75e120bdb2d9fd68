// Time from process start to the first painted window, offscreen, for the
// program's form and for a bare Qt window with the same controls. Each
// iteration runs this binary again as a child ("--child=form" or
// "--child=bare") that builds one of the two windows, shows it and, once the
// window's first paint is done, writes its CLOCK_MONOTONIC reading to a pipe
// and ends at once. The parent reads the clock just before the spawn and
// reports the difference as the iteration time.
#include "Application.h"
#include "BareWindow.h"
#include "Unit1.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <string>
#include <string_view>

extern char** environ;

namespace {

constexpr int ReportFd = 3; // where the child finds the write end of the pipe
constexpr std::string_view ChildOption = "--child=";

std::int64_t MonotonicNanoseconds() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

// Watches a top-level window; once its first paint event has been handled and
// control is back in the event loop, reports the clock and ends the process
// without any teardown.
class FirstPaintReporter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !Seen) {
            Seen = true;
            QTimer::singleShot(0, [] {
                const std::int64_t now = MonotonicNanoseconds();
                const bool written = write(ReportFd, &now, sizeof now) == sizeof now;
                _exit(written ? 0 : 2);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool Seen = false;
};

// The child: starts as the program does (main.cpp and TApplication::Run) or as
// a plain Qt program with the bare window, whose labels are set up as the
// form's are for "bare_selectable".
int RunChild(std::string_view window, char* program) {
    int argc = 1;
    char* argv[] = {program, nullptr};
    FirstPaintReporter reporter;
    if (window == "form") {
        TApplication application(argc, argv);
        Application->Initialize();
        Application->CreateForm(&Form1);
        Application->MainForm()->installEventFilter(&reporter);
        Application->Run();
    } else if (window == "bare" || window == "bare_selectable") {
        QApplication application(argc, argv);
        BareWindow bare(window == "bare_selectable");
        bare.installEventFilter(&reporter);
        bare.show();
        QApplication::exec();
    }
    return 1; // unknown window, or the event loop ended before a paint
}

std::string SelfPath() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
    return length > 0 ? std::string(path, static_cast<size_t>(length)) : "/proc/self/exe";
}

// Runs one child and returns the nanoseconds from just before its spawn to its
// report, or -1 with `error` set; `cpuSeconds` receives the child's user and
// system time, which a busy machine disturbs less than the elapsed time. A
// quiet child writes its output and Qt's warnings to /dev/null.
std::int64_t TimeChild(const std::string& window, bool quiet, double& cpuSeconds,
                       std::string& error) {
    static const std::string self = SelfPath();
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        error = std::strerror(errno);
        return -1;
    }
    // dup2 onto itself would keep close-on-exec set; move the end out of the way.
    if (pipeFds[1] == ReportFd) {
        pipeFds[1] = fcntl(ReportFd, F_DUPFD_CLOEXEC, ReportFd + 1);
        close(ReportFd);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], ReportFd);
    if (quiet) {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }
    std::string program = self;
    std::string option = std::string(ChildOption) + window;
    char* argv[] = {program.data(), option.data(), nullptr};

    pid_t child;
    const std::int64_t start = MonotonicNanoseconds();
    const int spawned = posix_spawn(&child, self.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        error = std::strerror(spawned);
        return -1;
    }

    std::int64_t reported = 0;
    size_t received = 0;
    while (received < sizeof reported) {
        const ssize_t n = read(pipeFds[0], reinterpret_cast<char*>(&reported) + received,
                               sizeof reported - received);
        if (n > 0)
            received += static_cast<size_t>(n);
        else if (n == 0 || errno != EINTR)
            break;
    }
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                 static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    if (received != sizeof reported || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        error = "the child did not report its first paint";
        return -1;
    }
    return reported - start;
}

void BM_Startup(benchmark::State& bench, const char* window) {
    std::string error;
    double cpuSeconds = 0, childCpuSeconds = 0;
    // One untimed start warms the file and font caches; its warnings are shown.
    if (TimeChild(window, false, cpuSeconds, error) < 0) {
        bench.SkipWithError(error.c_str());
        return;
    }
    for (auto _ : bench) {
        const std::int64_t elapsed = TimeChild(window, true, cpuSeconds, error);
        if (elapsed < 0) {
            bench.SkipWithError(error.c_str());
            break;
        }
        bench.SetIterationTime(static_cast<double>(elapsed) / 1e9);
        childCpuSeconds += cpuSeconds;
    }
    // Milliseconds of CPU per child, to the end of the child (it ends at once
    // after its report).
    bench.counters["child_cpu_ms"] =
        benchmark::Counter(childCpuSeconds * 1e3, benchmark::Counter::kAvgIterations);
}

BENCHMARK_CAPTURE(BM_Startup, form, "form")
    ->UseManualTime()
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Startup, bare, "bare")
    ->UseManualTime()
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Startup, bare_selectable, "bare_selectable")
    ->UseManualTime()
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string_view(argv[1]).starts_with(ChildOption))
        return RunChild(std::string_view(argv[1]).substr(ChildOption.size()), argv[0]);
    // The children inherit the environment: every window is drawn offscreen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
