// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's language: the game's own translation and Qt's, chosen from
// the desktop's languages, and the words and numbers several screens share.
#include <QString>
#include <QStringList>
#include <string>

#include "core/game_state.h"

namespace furlox {

// The languages the game has a translation for ("de", "es", ...): one
// furlox_LL.qm each among the compiled-in resources.
QStringList gameLanguages();

// Puts the game, and Qt's own dialogs, in the first language of `preferred`
// (as QLocale::uiLanguages() lists them: "de-DE", "fr") that the game
// speaks. C, POSIX and English, and a list with none the game speaks, keep
// the English originals. Returns the language chosen, "" for English; may
// be called again to change it.
QString useLanguage(const QStringList& preferred);

// A text that a rule wrote into the record (core/game_text.h) in the
// player's language. Names and other free text pass as they are.
QString recordText(const std::string& text);

// An amount or stake from the record as the language writes it ("42,5"),
// and a typed one in the record's form. Digits are never grouped.
QString shownNumber(const std::string& text);
std::string recordNumber(const QString& typed);

QString horseName(int horse);                                     // "Horse 3 (ORANGE)"
QString oddsText(int odds);                                       // "57 - 1"
QString moneyText(const std::string& sign, const std::string& amount);  // "£42.5"

// What a race did to everyone who bet, as a screen reader hears it: "Ann
// won £120, now £170. Bob lost £5, now £45."
QString resultsText(const WeekResults& results, const std::string& sign);

// Every letter the translation uses beyond plain A to Z: the dialog font
// must have them all, or a word would be drawn in two faces.
QString languageLetters();

}  // namespace furlox
