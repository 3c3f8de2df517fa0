// SPDX-License-Identifier: GPL-3.0-or-later
// Furlox: a horse-racing betting game for one to four players.
#include "screens/startup.h"

int main(int argc, char* argv[]) { return furlox::runGame(argc, argv); }
