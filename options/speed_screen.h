#pragma once
#include "screens/screen.h"

namespace furlox {

// Placeholder: the window with its caption and size.
class SpeedScreen : public Screen {
    Q_OBJECT
public:
    explicit SpeedScreen(Screens& screens);
    void fillField() {}
};

}  // namespace furlox
