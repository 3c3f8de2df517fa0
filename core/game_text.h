// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Marks a fixed text that the rules write into the record in English. The
// rules know no Qt, so they cannot translate; lupdate collects every text
// marked here (as QT_TRANSLATE_NOOP, through -tr-function-alias in
// CMakeLists.txt) and the screens show it in the player's language with
// recordText() (screens/language.h), which looks it up in this one context.
// The context is always "furlox": recordText() knows no other.
#define FURLOX_TEXT(context, text) text
