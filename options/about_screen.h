#pragma once
#include "screens/screen.h"

namespace furlox {

// Placeholder: the window with its caption and size.
class AboutScreen : public Screen {
    Q_OBJECT
public:
    explicit AboutScreen(Screens& screens);
};

}  // namespace furlox
