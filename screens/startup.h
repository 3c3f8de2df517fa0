// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's start-up, in one place: main() runs it as it is, and the
// start-up benchmark builds a probe from it that leaves after the splash's
// first frame. The game itself reads no environment variable, option or
// file of its own.
#include <functional>
#include <string>

class QTimer;
class QWidget;

namespace furlox {

// Runs the game until it ends and returns its exit code. `onFirstFrame`,
// when given, is called with the splash once it has painted its first
// frame (should it never paint, as it ends), from the running event loop,
// so it may end the game, and before the rest of the game is loaded.
int runGame(int argc, char** argv, const std::function<void(QWidget& splash)>& onFirstFrame = {});

// The windowing platform the game asks Qt for, given the environment
// (`env` returns "" for a variable that is not set); "" leaves Qt its own
// choice. In a Wayland session with an X server beside it (XWayland), the
// game runs through X, where the window manager honours its title bars
// without close, minimise or maximise buttons and lets it centre its
// windows; Wayland itself stays the fallback should X fail. With no X
// server, and whenever the user has chosen a platform, Qt's choice stands.
std::string preferredPlatform(const std::function<std::string(const char*)>& env);

// Calls `then` once, from the running event loop, right after `window` has
// painted its first frame; or, if it has not painted by the time `deadline`
// (a timer of the caller's) times out, just before that timeout is handled.
void afterFirstFrame(QWidget& window, QTimer* deadline, std::function<void()> then);

}  // namespace furlox
