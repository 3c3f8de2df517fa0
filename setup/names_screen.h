#pragma once
#include "screens/screen.h"

namespace furlox {

// Placeholder: the window with its caption and size.
class NamesScreen : public Screen {
    Q_OBJECT
public:
    explicit NamesScreen(Screens& screens);
};

}  // namespace furlox
