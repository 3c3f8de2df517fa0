#pragma once
#include "screens/screen.h"

namespace furlox {

// Placeholder: the window with its caption and size.
class HistoryScreen : public Screen {
    Q_OBJECT
public:
    explicit HistoryScreen(Screens& screens);
};

}  // namespace furlox
