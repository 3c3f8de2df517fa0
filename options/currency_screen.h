#pragma once
#include "screens/screen.h"

class QButtonGroup;
class QPushButton;
class QRadioButton;

namespace furlox {

// "Change the Currency": the sign shown in front of every amount.
class CurrencyScreen : public Screen {
    Q_OBJECT
public:
    explicit CurrencyScreen(Screens& screens);

    QRadioButton* Option1 = nullptr;  // pounds
    QRadioButton* Option2 = nullptr;  // dollars
    QRadioButton* Option3 = nullptr;  // euros
    QPushButton* Command1 = nullptr;  // "Apply"

public slots:
    void Command1Click();

private:
    QButtonGroup* group_ = nullptr;
};

}  // namespace furlox
