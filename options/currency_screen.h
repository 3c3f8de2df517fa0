#pragma once
#include "screens/screen.h"

namespace furlox {

// Placeholder: the window with its caption and size.
class CurrencyScreen : public Screen {
    Q_OBJECT
public:
    explicit CurrencyScreen(Screens& screens);
};

}  // namespace furlox
