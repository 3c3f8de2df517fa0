#pragma once
#include <array>

#include "screens/screen.h"

class QAction;
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
    void showRecord() override;

    // The option button of slot 1..4 for horse 1..6.
    QRadioButton* option(int slot, int horse) const;
    // The odds label of slot 1..4 for horse 1..6.
    QLabel* oddsLabel(int slot, int horse) const;
    QLineEdit* stakeBox(int slot) const { return Text[slot]; }

    std::array<QGroupBox*, 4> Frame1{};
    std::array<QRadioButton*, 25> Option{};  // Option[1] .. Option[24]
    std::array<QLabel*, 34> Label{};          // Label[1] .. Label[33], but for 27 to 29
    std::array<QLabel*, 6> Label27{}, Label28{}, Label29{};
    std::array<QLineEdit*, 5> Text{};         // Text[1] .. Text[4]
    QPushButton* Command1 = nullptr;          // RACE! without the computer
    QPushButton* Command2 = nullptr;          // RACE! with the computer, beneath Command1

    QMenuBar* menuBar = nullptr;
    QMenu* game = nullptr;
    QMenu* Options = nullptr;
    QMenu* about = nullptr;
    QAction* newg = nullptr;
    QAction* exit = nullptr;
    QAction* history = nullptr;
    QAction* speed = nullptr;
    QAction* currency = nullptr;
    QAction* changepl = nullptr;
    QAction* aboutfurlox = nullptr;

public slots:
    void Command1Click();
    void Command2Click();
    void Text1Change(const QString& text);
    void Text2Change(const QString& text);
    void Text3Change(const QString& text);
    void Text4Change(const QString& text);
    void newgClick();
    void exitClick();
    void historyClick();
    void speedClick();
    void currencyClick();
    void changeplClick();
    void aboutfurloxClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPanel(int slot);
    void buildMenu();
    void showRaceButtons();
    void raceClicked(int button);
    void optionToggled(int slot, int horse, bool on);
};

}  // namespace furlox
