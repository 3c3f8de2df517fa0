// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: how soon the game's splash is on screen, against a bare
// one-window Qt program, the two started alternately from this process.
//
//   bench_startup [runs]            wall time from fork() to each program's
//                                   first frame (offscreen platform unless
//                                   QT_QPA_PLATFORM says otherwise)
//   bench_startup --mapped [runs]   on an X server with no window manager
//                                   (xvfb-run): also the time until the
//                                   server has mapped the window, as this
//                                   process sees it from its own connection
//   ... [runs] GAME BARE            other probes in place of this build's,
//                                   to set one build against another
//
// Both programs are probes built for this: startup_probe_game is the game's
// own start-up (runGame) with a hook, startup_probe_bare the bare program;
// each prints the monotonic time of its first frame and leaves.
#include <algorithm>
#include <map>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#ifdef BENCH_HAVE_X11
#include <X11/Xlib.h>
#include <poll.h>
#endif

#include "bench_support.h"

namespace {

// The splash's size; the bare window is made the same.
constexpr int kWidth = 449;
constexpr int kHeight = 300;

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "bench_startup: %s\n", what);
    std::exit(1);
}

#ifdef BENCH_HAVE_X11
// Sees every top-level window the X server maps.
class MapWatch {
public:
    MapWatch()
    {
        display_ = XOpenDisplay(nullptr);
        if (!display_)
            fail("--mapped needs an X server in DISPLAY (try xvfb-run -a)");
        XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
        XSync(display_, False);
    }
    ~MapWatch() { XCloseDisplay(display_); }

    // Forgets whatever earlier runs left queued.
    void drain()
    {
        XSync(display_, False);
        while (XPending(display_)) {
            XEvent event;
            XNextEvent(display_, &event);
        }
    }

    // The time at which a window of the splash's size was mapped, in ms
    // after `start`. Sizes come from the creation and configure events, as
    // the window may be gone before this process could ask for it.
    double waitForMap(double start)
    {
        std::map<Window, std::pair<int, int>> sizes;
        for (;;) {
            if (!XPending(display_)) {
                pollfd pending{ConnectionNumber(display_), POLLIN, 0};
                if (poll(&pending, 1, 20000) <= 0)
                    fail("no window was mapped within 20 s");
            }
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == CreateNotify)
                sizes[event.xcreatewindow.window] = {event.xcreatewindow.width, event.xcreatewindow.height};
            else if (event.type == ConfigureNotify)
                sizes[event.xconfigure.window] = {event.xconfigure.width, event.xconfigure.height};
            else if (event.type == MapNotify && sizes[event.xmap.window] == std::pair(kWidth, kHeight))
                return bench::nowMs() - start;
        }
    }

private:
    Display* display_ = nullptr;
};
#else
class MapWatch {
public:
    MapWatch() { fail("built without Xlib (libx11-dev): --mapped is not available"); }
    void drain() {}
    double waitForMap(double) { return -1; }
};
#endif

struct Run {
    double firstFrame = 0;  // ms from fork() to the first frame being put on screen
    double mapped = -1;     // ms from fork() to the server mapping the window
    long peakKiB = 0;
};

Run runOnce(const char* program, MapWatch* watch)
{
    int out[2];
    if (pipe(out) != 0)
        fail("pipe");
    if (watch)
        watch->drain();
    const double start = bench::nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    Run run;
    if (watch)
        run.mapped = watch->waitForMap(start);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    double at = 0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        std::sscanf(text.c_str(), "first-frame %lf peak-kib %ld", &at, &run.peakKiB) != 2) {
        std::fprintf(stderr, "%s failed\n", program);
        std::exit(1);
    }
    run.firstFrame = at - start;
    return run;
}

struct Summary {
    double median, q1, q3;
};

Summary summarise(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return {v[n / 2], v[n / 4], v[(3 * n) / 4]};
}

void report(const char* what, const std::vector<Run>& game, const std::vector<Run>& bare,
            double Run::*field, double target)
{
    std::vector<double> g, b;
    for (const Run& r : game)
        g.push_back(r.*field);
    for (const Run& r : bare)
        b.push_back(r.*field);
    // Each game run has its bare run next to it, so the ratios of the pairs
    // are less disturbed by a machine whose load drifts.
    std::vector<double> paired;
    for (std::size_t i = 0; i < g.size(); ++i)
        paired.push_back(g[i] / b[i]);
    const Summary sg = summarise(g), sb = summarise(b), sp = summarise(paired);
    const double ratio = sg.median / sb.median;
    std::printf("%s\n", what);
    std::printf("  furlox:      %6.1f ms (quartiles %.1f to %.1f)\n", sg.median, sg.q1, sg.q3);
    std::printf("  bare window: %6.1f ms (quartiles %.1f to %.1f)\n", sb.median, sb.q1, sb.q3);
    std::printf("  ratio of medians: %.2fx %s %.1fx)\n", ratio, ratio <= target ? "(meets" : "(ABOVE", target);
    std::printf("  ratio within each pair: median %.2fx (quartiles %.2f to %.2f)\n", sp.median, sp.q1, sp.q3);
}

}  // namespace

int main(int argc, char* argv[])
{
    bool mapped = false;
    int runs = 101;
    std::vector<const char*> probes;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--mapped") == 0)
            mapped = true;
        else if (std::atoi(argv[i]) > 0)
            runs = std::atoi(argv[i]);
        else
            probes.push_back(argv[i]);
    }
    if (probes.size() != 0 && probes.size() != 2)
        fail("give both probes, the game's and the bare one's, or neither");
    const char* const gameProbe = probes.empty() ? FURLOX_PROBE_GAME : probes[0];
    const char* const bareProbe = probes.empty() ? FURLOX_PROBE_BARE : probes[1];
    if (mapped)
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    else if (!getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    MapWatch* watch = mapped ? new MapWatch : nullptr;

    runOnce(gameProbe, watch);  // warm the file cache for both
    runOnce(bareProbe, watch);
    std::vector<Run> game, bare;
    for (int i = 0; i < runs; ++i) {
        // Alternate which goes first, so a drift in the machine's load
        // falls on both alike.
        if (i % 2 == 0) {
            game.push_back(runOnce(gameProbe, watch));
            bare.push_back(runOnce(bareProbe, watch));
        } else {
            bare.push_back(runOnce(bareProbe, watch));
            game.push_back(runOnce(gameProbe, watch));
        }
    }
    delete watch;

    std::printf("start-up, %d runs of each, alternated (%s platform)\n", runs, getenv("QT_QPA_PLATFORM"));
    // Both programs' accessibility bridges look for a session bus before
    // their windows appear; without one, libdbus may try to start one each
    // time, which makes both slower and their ratio smaller.
    std::printf("%s\n", getenv("DBUS_SESSION_BUS_ADDRESS") ? "a session bus is set"
                                                           : "no session bus set (try dbus-run-session)");
    if (mapped)
        report("process start to the window mapped by the X server, median", game, bare, &Run::mapped, 1.1);
    report("process start to the first frame put on screen, median", game, bare, &Run::firstFrame, 1.2);
    std::vector<double> gp, bp;
    for (const Run& r : game)
        gp.push_back(static_cast<double>(r.peakKiB));
    for (const Run& r : bare)
        bp.push_back(static_cast<double>(r.peakKiB));
    std::printf("peak resident memory at the first frame, median\n  furlox: %.0f KiB, bare window: %.0f KiB\n",
                summarise(gp).median, summarise(bp).median);
    return 0;
}
