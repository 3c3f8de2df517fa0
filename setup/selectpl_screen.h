#pragma once
#include "screens/screen.h"

namespace furlox {

// Placeholder: the window with its caption and size.
class SelectPlayersScreen : public Screen {
    Q_OBJECT
public:
    explicit SelectPlayersScreen(Screens& screens);
};

}  // namespace furlox
