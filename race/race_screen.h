#pragma once
#include <array>

#include "screens/screen.h"

class QFrame;
class QLabel;
class QPushButton;
class QStatusBar;
class QTimer;

namespace furlox {

// "Trackside": six horses on six lanes, one timer each. GO!, PAUSE and
// NEXT WEEK share one rectangle, GO! on top, NEXT WEEK at the bottom.
class RaceScreen : public Screen {
    Q_OBJECT
public:
    explicit RaceScreen(Screens& screens);
    void showRecord() override;

    // The one text of the status bar.
    QString statusText() const;

    QLabel* Image7 = nullptr;                 // the banner
    QWidget* Shape1 = nullptr;                // the green track
    std::array<QLabel*, 7> Label1{};          // rails, Label1(0) .. Label1(6)
    std::array<QLabel*, 8> Label{};           // lane numbers, Label[2] .. Label[7]
    std::array<QLabel*, 7> Image{};           // horses, Image[1] .. Image[6]
    QFrame* Line1 = nullptr;
    QPushButton* Command1 = nullptr;          // GO!
    QPushButton* Command2 = nullptr;          // next week
    QPushButton* Command3 = nullptr;          // pause
    QStatusBar* StatusBar1 = nullptr;
    std::array<QTimer*, 7> Timer{};           // Timer[1] .. Timer[6], one per horse

public slots:
    void Command1Click();
    void Command2Click();
    void Command3Click();
    void Timer1Tick();
    void Timer2Tick();
    void Timer3Tick();
    void Timer4Tick();
    void Timer5Tick();
    void Timer6Tick();

private:
    void horseTicked(int horse);
    void placeHorse(int horse);

    QLabel* statusLabel_ = nullptr;
};

}  // namespace furlox
