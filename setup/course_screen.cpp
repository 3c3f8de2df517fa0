// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/course_screen.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "screens/look.h"
#include "screens/screens.h"
#include "setup/setup_rules.h"

namespace furlox {

CourseScreen::CourseScreen(Screens& screens)
    : Screen(screens, ScreenId::racecourse, tr("Today's Race....."), 2775, 1320)
{
    // Both labels are wider than the window and start left of it, so their
    // centred text sits in the middle of the window.
    Label1 = makeLabel(this, QStringLiteral("Label1"), tr("Today's Race will be at:"), -360, 120, 3375,
                       255);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2 = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Chepstow"), -360, 360, 3375, 255);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The heading labels the course: read as one ("Today's Race will be at:
    // Ascot"), with the focus on Continue, not twice as the window opens.
    Label1->setBuddy(Label2);
    Command1 = makeButton(this, QStringLiteral("Command1"), tr("Continue"), 240, 720, 2295, 495);
    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 1);

    connect(Command1, &QPushButton::clicked, this, &CourseScreen::Command1Click);
    connect(Timer1, &QTimer::timeout, this, &CourseScreen::Timer1Tick);
    refresh();
}

void CourseScreen::showRecord()
{
    const QString course = fromUtf8(state_.course.course);
    showValue(Label2, course, tr("Today's Race will be at: %1").arg(course));
    Command1->setAccessibleDescription(Label2->accessibleName());  // heard with the focus
    setArmed(Timer1, state_.course.timerArmed);
}

void CourseScreen::Timer1Tick()
{
    drawCourse(state_, screens_.random());
    screens_.refreshAll();
}

void CourseScreen::Command1Click()
{
    leaveCourse(state_);
    screens_.hide(ScreenId::racecourse);
    screens_.show(ScreenId::ingame);
    screens_.refreshAll();
}

}  // namespace furlox
