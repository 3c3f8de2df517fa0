// Start-up: wall time from process start to the splash's first frame,
// for the game and for a bare one-window Qt program, run alternately.
// Usage: bench_startup [runs]   (offscreen unless QT_QPA_PLATFORM is set)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "bench_support.h"

namespace {

double runOnce(const char* program)
{
    const double start = bench::nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const double elapsed = bench::nowMs() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", program);
        std::exit(1);
    }
    return elapsed;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 21;
    setenv("FURLOX_EXIT_AFTER_FIRST_FRAME", "1", 1);
    setenv("QT_QPA_PLATFORM", getenv("QT_QPA_PLATFORM") ? getenv("QT_QPA_PLATFORM") : "offscreen", 1);
    runOnce(FURLOX_GAME);  // warm the file cache for both
    runOnce(FURLOX_BARE);
    std::vector<double> game, bare;
    for (int i = 0; i < runs; ++i) {
        game.push_back(runOnce(FURLOX_GAME));
        bare.push_back(runOnce(FURLOX_BARE));
    }
    const double g = median(game), b = median(bare);
    std::printf("start-up to first frame, median of %d runs (%s platform)\n", runs, getenv("QT_QPA_PLATFORM"));
    std::printf("  furlox:      %.1f ms\n  bare window: %.1f ms\n  ratio:       %.2fx %s\n", g, b, g / b,
                g / b <= 1.2 ? "(meets 1.2x)" : "(ABOVE 1.2x)");
    return 0;
}
