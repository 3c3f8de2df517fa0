// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>

#include "screens/screen.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;

namespace furlox {

// "Place Your Bets": the hub of the game. Four player panels, the
// computer's money, two stacked RACE! buttons and the game's menu bar.
class BettingScreen : public Screen {
    Q_OBJECT
public:
    explicit BettingScreen(Screens& screens);
    ~BettingScreen() override;

private slots:
    void Command1Click();
    void Command2Click();
    void newgClick();
    void exitClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One player's panel and everything in it.
    struct Panel {
        QGroupBox* frame = nullptr;
        std::array<QRadioButton*, kHorseCount> options{};  // horse 1 first
        std::array<QLabel*, kHorseCount> odds{};
        QLabel* stakeSign = nullptr;
        QLineEdit* stake = nullptr;
        QLabel* moneySign = nullptr;
        QLabel* money = nullptr;
    };

    // One item of the menu bar: New Game and Exit have handlers of their
    // own; every other item opens its side screen.
    struct MenuItem {
        int menu;  // 0 "Game", 1 "Options", 2 "About"
        const char* name;
        const char* caption;
        QKeyCombination key;
        void (BettingScreen::*handler)();  // its own handler, or
        ScreenId opens;                     // the side screen it shows
    };
    static const MenuItem kMenuItems[];

    void showRecord() override;
    void showRaceButtons();
    void tellNews();
    void focusChange(QWidget* old);
    void buildPanel(int slot);
    void buildMenu();
    // Any change of stake box Text1 .. Text4, typed or written by anyone.
    void TextChange(int slot, const QString& text);
    void raceClick(bool withComputer);
    // The side screens' menu items: show that screen, hide this one.
    void open(ScreenId screen);

    std::array<Panel, kSlotCount> panels_;
    QLabel* Label30 = nullptr;  // the computer's heading
    QLabel* Label31 = nullptr;  // its currency sign
    QLabel* Label32 = nullptr;  // its money
    QLabel* Label33 = nullptr;  // "The computer has run out of money", under Label30
    QPushButton* Command1 = nullptr;  // RACE! without the computer
    QPushButton* Command2 = nullptr;  // RACE! with the computer, beneath Command1
    QMenuBar* menuBar = nullptr;
    QMenu* firstMenu = nullptr;
    QWidget* newsCarrier_ = nullptr;  // the control telling last week's results
    QMetaObject::Connection focusWatch_;
};

}  // namespace furlox
