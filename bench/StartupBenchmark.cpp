// Time from process start to the first painted window, offscreen, for the
// program's form and for a bare Qt window with the same controls. Each child
// is this binary run again ("--child=form", "--child=bare" or
// "--child=bare_selectable"); it builds one window, shows it and, once the
// window's first paint is done, writes its CLOCK_MONOTONIC reading to a pipe
// and ends at once. The parent reads the clock just before the spawn; the
// difference is the child's start-up time.
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

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

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

// The middle value; the mean of the two middle ones for an even count.
double Median(std::vector<double> values) {
    const size_t half = values.size() / 2;
    std::ranges::nth_element(values, values.begin() + half);
    if (values.size() % 2 != 0)
        return values[half];
    return (values[half] + *std::max_element(values.begin(), values.begin() + half)) / 2;
}

constexpr std::array<const char*, 3> Windows = {"form", "bare", "bare_selectable"};

// Each iteration starts one child of every window, in an order that rotates
// from one iteration to the next, so that a change in the machine's load, or
// the caches one child warms for the next, weighs on every window alike. The
// iteration time is the three children's sum; the counters are each window's
// median elapsed time and CPU time (user and system, which a busy machine
// disturbs less) in milliseconds, and the form's medians over the others'.
void BM_Startup(benchmark::State& bench) {
    std::array<std::vector<double>, Windows.size()> elapsedMs, cpuMs;
    std::string error;
    double cpuSeconds = 0;
    // One untimed start of each warms the file and font caches; its warnings
    // are shown.
    for (const char* window : Windows)
        if (TimeChild(window, false, cpuSeconds, error) < 0) {
            bench.SkipWithError(error.c_str());
            return;
        }
    size_t first = 0;
    for (auto _ : bench) {
        std::int64_t total = 0;
        for (size_t k = 0; k < Windows.size() && error.empty(); ++k) {
            const size_t window = (first + k) % Windows.size();
            const std::int64_t elapsed = TimeChild(Windows[window], true, cpuSeconds, error);
            elapsedMs[window].push_back(static_cast<double>(elapsed) / 1e6);
            cpuMs[window].push_back(cpuSeconds * 1e3);
            total += elapsed;
        }
        if (!error.empty()) {
            bench.SkipWithError(error.c_str());
            return;
        }
        bench.SetIterationTime(static_cast<double>(total) / 1e9);
        first = (first + 1) % Windows.size();
    }
    for (size_t window = 0; window < Windows.size(); ++window) {
        const std::string name = Windows[window];
        bench.counters[name + "_ms"] = Median(elapsedMs[window]);
        bench.counters[name + "_cpu_ms"] = Median(cpuMs[window]);
        if (window == 0)
            continue;
        bench.counters["form/" + name] = Median(elapsedMs[0]) / Median(elapsedMs[window]);
        bench.counters["form/" + name + "_cpu"] = Median(cpuMs[0]) / Median(cpuMs[window]);
    }
}

BENCHMARK(BM_Startup)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);

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
