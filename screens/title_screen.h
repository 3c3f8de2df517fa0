#pragma once
#include "screens/screen.h"

class QLabel;
class QTimer;

namespace furlox {

// The start-up splash: a borderless picture for three seconds.
class TitleScreen : public Screen {
    Q_OBJECT
public:
    explicit TitleScreen(Screens& screens);

    QLabel* Image1;
    QTimer* Timer1;

public slots:
    void Timer1Tick();
};

}  // namespace furlox
