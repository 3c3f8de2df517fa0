#pragma once
#include "screens/screen.h"

namespace furlox {

// Placeholder: the window with its caption and size.
class DifficultyScreen : public Screen {
    Q_OBJECT
public:
    explicit DifficultyScreen(Screens& screens);
};

}  // namespace furlox
