#pragma once
#include "screens/screen.h"

namespace furlox {

// Placeholder: the window with its caption and size.
class GameOverScreen : public Screen {
    Q_OBJECT
public:
    explicit GameOverScreen(Screens& screens);
};

}  // namespace furlox
