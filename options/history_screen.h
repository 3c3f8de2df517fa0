#pragma once
#include <array>

#include "screens/screen.h"

class QFrame;
class QLabel;
class QPushButton;

namespace furlox {

// "Furlox History": how many races each horse has won in this game.
class HistoryScreen : public Screen {
    Q_OBJECT
public:
    explicit HistoryScreen(Screens& screens);
    void showRecord() override;

    std::array<QLabel*, 8> Label{};  // Label[1] heading, Label[2] .. Label[7] row names
    std::array<QLabel*, 7> win{};    // win[1] .. win[6]
    std::array<QFrame*, 7> Line{};   // Line[1] .. Line[6]
    QPushButton* Command1 = nullptr; // "OK"

public slots:
    void Command1Click();
};

}  // namespace furlox
