// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/about_screen.h"

#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "screens/look.h"
#include "screens/screens.h"

namespace furlox {

namespace {

const QColor kBlue(0, 0, 192);
const QColor kRed(255, 0, 0);

struct Line {
    int number;
    const char* text;
    int top, width, height;
    bool red;
    // A screen reader reads out lines of three words or more as the box
    // opens; the bare addresses get a word of context ("Web site: %1").
    const char* spoken = nullptr;
};

const std::array<Line, 11> kLines{{
    {1, QT_TRANSLATE_NOOP("furlox::AboutScreen", "Version Number: 3.1 (Includes computer player names!!)"), 120, 4095, 255, false},
    {2, QT_TRANSLATE_NOOP("furlox::AboutScreen", "Game design and programming: the Furlox team"), 360, 3375, 255, false},
    {3, QT_TRANSLATE_NOOP("furlox::AboutScreen", "Horses drawn and painted by the Furlox team"), 600, 3615, 255, false},
    {10, QT_TRANSLATE_NOOP("furlox::AboutScreen", "Tested by the Furlox stable hands"), 840, 3375, 255, false},
    {4, QT_TRANSLATE_NOOP("furlox::AboutScreen", "Questions, ideas or a bug to report? Write to us at:"), 1200, 4335, 375, true},
    {5, "furlox@example.org", 1440, 3855, 255, true, QT_TRANSLATE_NOOP("furlox::AboutScreen", "E-mail address: %1")},
    {6, QT_TRANSLATE_NOOP("furlox::AboutScreen", "Updates and news of new releases are posted on the Furlox pages at www.example.org/furlox "
              "- look in now and then!"),
     1800, 4335, 615, false},
    {12, QT_TRANSLATE_NOOP("furlox::AboutScreen", "New in this version: the computer player races under a name of its own. "
               "Good luck, and a big hello to Horace the Plumber!"),
     2760, 4455, 615, false},
    {7, QT_TRANSLATE_NOOP("furlox::AboutScreen", "Thanks for downloading"), 3480, 3375, 255, true},
    {8, QT_TRANSLATE_NOOP("furlox::AboutScreen", "The Furlox team"), 3720, 3135, 255, true},
    {9, "www.example.org/furlox", 3960, 3255, 255, true, QT_TRANSLATE_NOOP("furlox::AboutScreen", "Web site: %1")},
}};

// The light look the box was drawn in (Qt's own Fusion colours), every
// role set, so that none of them follows the desktop's colour scheme.
QPalette lightPalette()
{
    const QColor window(239, 239, 239), dark = window.darker(150), mid = window.darker(130);
    const QColor shadow = dark.darker(135), disabled(190, 190, 190), highlight(48, 140, 198);
    QPalette p(Qt::black, window, window.lighter(150), dark, mid, Qt::black, Qt::white);
    p.setColor(QPalette::Midlight, mid.lighter(110));
    p.setColor(QPalette::Shadow, shadow);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
    p.setColor(QPalette::Highlight, highlight);
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText, QPalette::Dark})
        p.setColor(QPalette::Disabled, role, disabled);
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    p.setColor(QPalette::Disabled, QPalette::Shadow, shadow.lighter(150));
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            if (role != QPalette::NoRole)
                p.setColor(QPalette::ColorGroup(group), QPalette::ColorRole(role),
                           p.color(QPalette::ColorGroup(group), QPalette::ColorRole(role)));
    return p;
}

}  // namespace

AboutScreen::AboutScreen(Screens& screens)
    : Screen(screens, ScreenId::aboutgame, tr("About"), 4605, 4890)
{
    setWindowIcon(QIcon(QStringLiteral(":/about.png")));
    // Its blue and red lines were drawn for a light window: on a dark
    // colour scheme they would all but vanish. The box keeps light colours,
    // background and text together, whatever the scheme.
    setPalette(lightPalette());
    for (const Line& line : kLines) {
        QLabel* label = makeLabel(this, QStringLiteral("Label%1").arg(line.number), tr(line.text),
                                  120, line.top, line.width, line.height);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, line.red ? kRed : kBlue);
        label->setPalette(palette);
        if (line.spoken)
            label->setAccessibleName(tr(line.spoken).arg(QString::fromLatin1(line.text)));
    }
    Command1 = makeButton(this, QStringLiteral("Command1"), tr("OK"), 1560, 4320, 1575, 495);
    connect(Command1, &QPushButton::clicked, this, &AboutScreen::Command1Click);
    setEscapeButton(Command1);
}

void AboutScreen::Command1Click()
{
    screens_.hide(ScreenId::aboutgame);
    screens_.show(ScreenId::betit);
}

}  // namespace furlox
