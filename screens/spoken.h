// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Telling a screen reader something new about the control it is on.
class QString;
class QWidget;

namespace furlox {

// Sets the control's accessible description and makes sure a screen reader
// hears the new one. Orca speaks a new description of the focused control
// from the change event itself; Qt 6.4's AT-SPI bridge puts the control in
// that event instead of the text, which Orca cannot speak ("bad content
// sent to speak()"). So the event goes out once more, with the text, from
// Qt's own connection to the accessibility bus and for the same object.
void tellDescription(QWidget* control, const QString& text);

}  // namespace furlox
