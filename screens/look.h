// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The look every window shares: positions in twips, the dialog font, and
// small factories that make a control at its place with its object name.
#include <QFont>
#include <QRect>
#include <QString>
#include <string>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPixmap;
class QPushButton;
class QRadioButton;
class QTimer;
class QWidget;

namespace furlox {

// 15 twips to a logical pixel; Qt scales logical pixels on high-DPI screens.
constexpr int tw(int twips) { return (twips + (twips >= 0 ? 7 : -7)) / 15; }

// Loads the dialog font the layouts were drawn for and makes it the
// application font; falls back on a narrow sans when it is missing.
void installGameFonts();
// The bold display font of the game-over screen at the given point size.
QFont displayFont(double pointSize);

// Text for a button, option, check box or frame caption: an "&" is doubled
// so it shows as itself instead of becoming a keyboard mnemonic.
QString literalCaption(const QString& text);
QString fromUtf8(const std::string& text);

// A picture from the compiled-in resources, picking the sharp @2x variant
// on high-DPI screens.
QPixmap loadPicture(const QString& name);

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top,
                  int width, int height);
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text, int left, int top,
                        int width, int height);
QLineEdit* makeTextBox(QWidget* parent, const QString& name, const QString& text, int left, int top,
                       int width, int height, const QString& accessibleName);
QRadioButton* makeOption(QWidget* parent, const QString& name, const QString& text, int left, int top,
                         int width, int height);
QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QString& text, int left, int top,
                        int width, int height);
QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& text, int left, int top,
                     int width, int height);
// A straight one-pixel line from (x1, y1) to (x2, y2); horizontal or vertical.
QFrame* makeLine(QWidget* parent, const QString& name, int x1, int y1, int x2, int y2);
QTimer* makeTimer(QObject* parent, const QString& name, int intervalMs, bool precise = false);

// A label that shows a value the player needs ("57 - 1", "42.5"): its text
// is the value, and a screen reader hears the spoken form ("Player 1 money
// available: £42.5"), since a label's accessible name is all it can read.
void showValue(QLabel* label, const QString& value, const QString& spoken);
// Decoration a screen reader should pass over (the rails of the track): it is
// reported as a separator without a name.
void markDecoration(QWidget* widget);
// Radio buttons of one group are one Tab stop, on the chosen button (or the
// first while none is chosen); the arrow keys move between them.
void oneTabStop(const std::vector<QRadioButton*>& group);
// Widgets stacked on one rectangle, top first, each with whether the game
// has it visible. Only the topmost of those is really shown: a covered one
// is out of the Tab chain and hidden from screen readers. Shows go before
// hides, so focus leaving a hidden button lands on the one that replaced it.
struct Stacked {
    QWidget* widget;
    bool visible;
    bool enabled = true;
};
void showStack(const std::vector<Stacked>& topFirst);

// Where a window of `size` stands centred in `available`; one larger than
// the screen (the betting screen at twice the size on a small screen) keeps
// its top left corner, title bar and menu on the screen.
QPoint centredIn(const QRect& available, const QSize& size);

// Arms or disarms a timer the game's way: arming one that already runs
// changes nothing, so its next tick stays due when it was (QTimer::start
// would restart the interval).
void setArmed(QTimer* timer, bool armed);

}  // namespace furlox
