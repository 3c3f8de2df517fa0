#pragma once
#include "screens/screen.h"

namespace furlox {

// Placeholder: the window with its caption and size.
class CourseScreen : public Screen {
    Q_OBJECT
public:
    explicit CourseScreen(Screens& screens);
};

}  // namespace furlox
