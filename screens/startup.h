// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's start-up, in one place: main() runs it as it is, and the
// start-up benchmark builds a probe from it that leaves after the splash's
// first frame. The game itself reads no environment variable, option or
// file of its own.
#include <functional>

class QTimer;
class QWidget;

namespace furlox {

// Runs the game until it ends and returns its exit code. `onFirstFrame`,
// when given, is called with the splash once it has painted its first
// frame (should it never paint, as it ends), from the running event loop,
// so it may end the game, and before the rest of the game is loaded.
int runGame(int argc, char** argv, const std::function<void(QWidget& splash)>& onFirstFrame = {});

// Calls `then` once, from the running event loop, right after `window` has
// painted its first frame; or, if it has not painted by the time `deadline`
// (a timer of the caller's) times out, just before that timeout is handled.
void afterFirstFrame(QWidget& window, QTimer* deadline, std::function<void()> then);

}  // namespace furlox
