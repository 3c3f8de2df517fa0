#pragma once
#include <array>

#include "screens/screen.h"

class QLabel;
class QPushButton;

namespace furlox {

// "About": version, credits and news.
class AboutScreen : public Screen {
    Q_OBJECT
public:
    explicit AboutScreen(Screens& screens);

    std::array<QLabel*, 13> Label{};  // Label[1] .. Label[10], Label[12]
    QPushButton* Command1 = nullptr;  // "OK"

public slots:
    void Command1Click();
};

}  // namespace furlox
