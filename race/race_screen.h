#pragma once
#include "screens/screen.h"

namespace furlox {

// Placeholder: the window with its caption and size.
class RaceScreen : public Screen {
    Q_OBJECT
public:
    explicit RaceScreen(Screens& screens);
};

}  // namespace furlox
