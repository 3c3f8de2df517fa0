#include "setup/course_screen.h"

namespace furlox {

CourseScreen::CourseScreen(Screens& screens)
    : Screen(screens, QStringLiteral("racecourse"), QStringLiteral("Today's Race....."), 2775, 1320)
{
}

}  // namespace furlox
