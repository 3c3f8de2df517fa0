#pragma once
#include "screens/screen.h"

namespace furlox {

// Placeholder: the window with its caption and size.
class CalcScreen : public Screen {
    Q_OBJECT
public:
    explicit CalcScreen(Screens& screens);
};

}  // namespace furlox
