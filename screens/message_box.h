// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's one kind of message: modal, the game's title, one OK button.
#include <functional>

#include <QString>

class QWidget;

namespace furlox {

inline const char* const kGameTitle = "Furlox V3.1";

// Shows the message and returns when the player has closed it.
void showMessage(QWidget* parent, const QString& text);

// Tests take the message over: while a hook is set it receives the text and
// no box is shown. Pass an empty function to show real boxes again.
void setMessageHook(std::function<void(const QString&)> hook);

}  // namespace furlox
