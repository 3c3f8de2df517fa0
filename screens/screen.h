// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Base of every window: fixed size in twips, title bar without close,
// minimise or maximise box, centred when first shown and kept in its place,
// deaf to close and minimise requests (a screen is left only through its
// own buttons).
#include <QAccessible>
#include <QWidget>

#include "core/game_state.h"
#include "screens/screen_id.h"

class QAbstractButton;

namespace furlox {

class Screens;
struct GameState;

class Screen : public QWidget {
    Q_OBJECT
public:
    enum class Frame { Dialog, None };
    // The screen's object name is its name in the screen table.
    Screen(Screens& screens, ScreenId id, const QString& caption, int clientWidth, int clientHeight,
           Frame frame = Frame::Dialog);

    // Shows the record's current values; called on show and after handlers.
    // Focus never stays on a control that went away: it moves on to the
    // first control the player can use.
    void refresh();

    // The first control in the Tab chain that can take focus, or nullptr.
    QWidget* firstControl();

    // What a screen reader takes the window for: a dialog (Orca reads out
    // its texts when it opens) unless the screen says otherwise.
    QAccessible::Role windowRole() const { return windowRole_; }

protected:
    // What refresh() shows: each screen sets its controls from the record.
    virtual void showRecord() {}

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Enter presses the focused button, as Space does; Esc presses the
    // screen's way back, where it has one.
    void keyPressEvent(QKeyEvent* event) override;
    void setEscapeButton(QAbstractButton* button) { escapeButton_ = button; }
    void setWindowRole(QAccessible::Role role);
    // Sets the client size in twips (the computer difficulty screen grows).
    void setClientSize(int width, int height);
    // Where controls go: the whole window, or the area under a menu bar.
    QWidget* client() { return client_; }
    void setClient(QWidget* client) { client_ = client; }

    Screens& screens_;
    GameState& state_;

private:
    QWidget* client_ = this;
    QAbstractButton* escapeButton_ = nullptr;
    QRect placed_;  // where the window stands; null until first shown
    QAccessible::Role windowRole_ = QAccessible::Dialog;
};

}  // namespace furlox
