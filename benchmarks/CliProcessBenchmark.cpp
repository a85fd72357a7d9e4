// The cost of one process that prints one chart: orvanta-cli chart against Swiss Ephemeris's own
// swetest for the same moment, place, bodies (13) and Placidus houses. Each iteration starts the
// program and waits for it; the time reported is the child's CPU time (user + system), so the
// load of the machine weighs less than in wall time.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

namespace {

// Runs the program with its output to /dev/null; the child's CPU seconds, or -1 on failure.
double childCpuSeconds(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1.0;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return -1.0;
    }
    const auto seconds = [](timeval t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void runProcesses(benchmark::State& state, const std::vector<std::string>& arguments) {
    for (auto _ : state) {
        const double seconds = childCpuSeconds(arguments);
        if (seconds < 0.0) {
            state.SkipWithError(("cannot run " + arguments[0]).c_str());
            break;
        }
        state.SetIterationTime(seconds);
    }
}

// 12 April 1961, 09:07 Moscow time (UT+3), 55.75 N 37.6167 E.
void BM_OrvantaCliChart(benchmark::State& state) {
    setenv("ORVANTA_HOME", ORVANTA_APP_DIR, 1);
    runProcesses(state, {ORVANTA_CLI, "chart", "--date", "12.04.1961", "--time", "09:07", "--zone",
                         "3", "--lat", "55.75", "--lon", "37.6167"});
}

void BM_Swetest(benchmark::State& state) {
    runProcesses(state, {SWETEST, "-b12.4.1961", "-ut6:07", "-p0123456789DmA",
                         "-house37.6167,55.75,P", "-fPls", "-head", "-edir" EPHEMERIS_DIR});
}

}  // namespace

BENCHMARK(BM_OrvantaCliChart)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Swetest)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
