#pragma once
#include <array>

#include "screens/screen.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace furlox {

// "Player Names": the names of the human players, typed at the start of a
// game and changed at any time from the betting screen's menu.
class NamesScreen : public Screen {
    Q_OBJECT
public:
    explicit NamesScreen(Screens& screens);
    void showRecord() override;

    QLineEdit* nameBox(int slot) const { return Text[slot]; }

    std::array<QLabel*, 5> Label{};    // Label[1] .. Label[4]
    std::array<QLineEdit*, 5> Text{};  // Text[1] .. Text[4]
    QPushButton* Command1 = nullptr;   // "Lets Race!" / "Change It!"

public slots:
    void Command1Click();
    void Text1Change(const QString& text);
    void Text2Change(const QString& text);
    void Text3Change(const QString& text);
    void Text4Change(const QString& text);

private:
    void nameTyped(int slot, const QString& text);
};

}  // namespace furlox
