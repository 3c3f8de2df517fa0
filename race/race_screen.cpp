// SPDX-License-Identifier: GPL-3.0-or-later
#include "race/race_screen.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include "race/race_rules.h"
#include "screens/language.h"
#include "screens/look.h"
#include "screens/screens.h"
#include "screens/spoken.h"

namespace furlox {

namespace {

constexpr int kClientWidth = 8145;
constexpr int kClientHeight = 7200;
const QColor kTrackGreen(0, 192, 0);
const QColor kTrackBorder(0, 128, 0);

constexpr std::array<int, 7> kRailTops{600, 1440, 2280, 3120, 3960, 4800, 5640};
constexpr int kLaneNumberTop = 1080;  // lane n's number: 840 twips further down per lane
constexpr int kHorseTop = 840;        // horse n's picture: likewise
constexpr int kLaneSpacing = 840;

// A filled rectangle with a one-pixel border: the grass under the lanes.
class Shape : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), kTrackGreen);
        painter.setPen(kTrackBorder);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

// The grass is green whatever the colour scheme, so what lies on it is
// black whatever the scheme too: a themed light text would be lost on it.
void paintOnGrass(QWidget* widget, const QColor& background = kTrackGreen)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(palette);
    widget->setBackgroundRole(QPalette::Window);
}

}  // namespace

RaceScreen::RaceScreen(Screens& screens)
    : Screen(screens, ScreenId::ingame, tr("Trackside"), kClientWidth, kClientHeight)
{
    // Made bottom first: later siblings paint over earlier ones.
    Shape1 = new Shape(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(tw(0), tw(480), tw(8655), tw(5535));
    Shape1->setAccessibleName(tr("Race track"));

    Image7 = makeLabel(this, QStringLiteral("Image7"), QString(), 0, 0, 8145, 495);
    Image7->setPixmap(loadPicture(QStringLiteral(":/banner.png")));
    Image7->setAccessibleName(tr("Furlox banner"));

    for (int i = 0; i < 7; ++i) {
        Label1[i] = makeLabel(this, QStringLiteral("Label1(%1)").arg(i), QString(86, QLatin1Char('=')), 120,
                              kRailTops[i], 8055, 135);
        Label1[i]->setWordWrap(false);
        paintOnGrass(Label1[i]);
        markDecoration(Label1[i]);
    }
    for (int horse = 1; horse <= kHorseCount; ++horse) {
        Horse& h = horses_[horse - 1];
        h.lane = makeLabel(this, QStringLiteral("Label%1").arg(horse + 1), QString::number(horse), 120,
                           kLaneNumberTop + kLaneSpacing * (horse - 1), 135, 255);
        paintOnGrass(h.lane);
    }
    for (int horse = 1; horse <= kHorseCount; ++horse) {
        Horse& h = horses_[horse - 1];
        h.picture = makeLabel(this, QStringLiteral("Image%1").arg(horse), QString(), kStartPosition,
                              kHorseTop + kLaneSpacing * (horse - 1), 720, 630);
        h.picture->setPixmap(loadPicture(QStringLiteral(":/horse%1.png").arg(horse)));
        h.picture->setAccessibleName(horseName(horse));
        h.timer = makeTimer(this, QStringLiteral("Timer%1").arg(horse), state_.race.tickInterval, true);
        connect(h.timer, &QTimer::timeout, this, [this, horse] { TimerTick(horse); });
    }
    Line1 = makeLine(this, QStringLiteral("Line1"), 0, 6000, 8160, 6000);
    paintOnGrass(Line1, Qt::black);  // it runs along the bottom of the grass

    Command2 = makeButton(this, QStringLiteral("Command2"), tr("__==--GO TO THE NEXT WEEK--==__"), 120,
                          6120, 7935, 735);
    Command3 = makeButton(this, QStringLiteral("Command3"), recordText(state_.race.pauseCaption), 120, 6120, 7935, 735);
    Command1 = makeButton(this, QStringLiteral("Command1"), tr("//\\\\__==--GO!--==__//\\\\"), 120,
                          6120, 7935, 735);
    // The captions are drawings; a screen reader gets plain words.
    Command1->setAccessibleName(tr("Go!"));
    Command2->setAccessibleName(tr("Go to the next week"));
    // Top first: GO!, then PAUSE, then NEXT WEEK.
    Command2->raise();
    Command3->raise();
    Command1->raise();
    setTabOrder(Command1, Command3);
    setTabOrder(Command3, Command2);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(tw(0), tw(6945), tw(8145), tw(255));
    // The one text, placed by hand: the bar's own layout keeps a top margin
    // that would clip the descenders in a bar only 17 pixels high.
    statusText_ = new QLabel(StatusBar1);
    statusText_->setTextFormat(Qt::PlainText);
    statusText_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    statusText_->setGeometry(2, 0, StatusBar1->width() - 4, StatusBar1->height());

    connect(Command1, &QPushButton::clicked, this, &RaceScreen::Command1Click);
    connect(Command2, &QPushButton::clicked, this, &RaceScreen::Command2Click);
    connect(Command3, &QPushButton::clicked, this, &RaceScreen::Command3Click);
    refresh();
}

void RaceScreen::placeHorse(int horse)
{
    QLabel* picture = horses_[horse - 1].picture;
    picture->move(tw(state_.race.positions[horse - 1]), picture->y());
}

void RaceScreen::showRecord()
{
    const RaceScreenState& race = state_.race;
    for (int horse = 1; horse <= kHorseCount; ++horse)
        placeHorse(horse);
    // Focus goes to NEXT WEEK when the race ends: it carries the winner and
    // what everyone won or lost, written before the focus arrives so that
    // it is read with it.
    // The record keeps the status in English; the winner's is worded here.
    const QString status = race.winner ? tr("%1 Has Won!").arg(horseName(race.winner)) : recordText(race.status);
    Command2->setAccessibleDescription(
        race.results.empty() ? status : status + QLatin1Char(' ') + resultsText(race.results, state_.currency));
    // GO! covers PAUSE, and both cover NEXT WEEK; only the top one is shown.
    showStack({{Command1, race.goVisible, race.goEnabled},
               {Command3, race.pauseVisible, race.pauseEnabled},
               {Command2, race.nextVisible, race.nextEnabled}});
    Command3->setText(literalCaption(recordText(race.pauseCaption)));
    statusText_->setText(status);
    for (int horse = 1; horse <= kHorseCount; ++horse) {
        QTimer* timer = horses_[horse - 1].timer;
        // setInterval would restart a running timer; the speed only changes
        // between races, while the timers are off.
        if (!timer->isActive() && timer->interval() != race.tickInterval)
            timer->setInterval(race.tickInterval);
        setArmed(timer, race.timersOn);
    }
}

void RaceScreen::Command1Click()
{
    startRace(state_);
    call(startCommentary(commentary_, state_));  // before the focus moves to PAUSE, and is read with it
    refresh();
}

void RaceScreen::Command3Click()
{
    togglePause(state_);
    call(pauseCommentary(commentary_, state_));
    refresh();
}

void RaceScreen::Command2Click()
{
    const bool gameOver = nextWeek(state_, screens_.random());
    screens_.hide(ScreenId::ingame);
    if (gameOver) {
        screens_.hide(ScreenId::betit);
        screens_.show(ScreenId::gameover);
    } else {
        screens_.show(ScreenId::betit);
    }
    screens_.refreshAll();
}

// Like a game loop: the rule takes the step, the screen moves one picture.
// The winning step changes far more (buttons, status, the settled money),
// so then every screen catches up with the record.
void RaceScreen::TimerTick(int horse)
{
    const TickResult result = horseTick(state_, horse, screens_.random());
    if (const std::optional<Call> heard = commentaryStep(commentary_, state_))
        call(*heard);
    if (result.won)
        screens_.refreshAll();
    else if (result.moved)
        placeHorse(horse);
}

void RaceScreen::call(const Call& call)
{
    if (call.kind != CallKind::Finish)
        tellDescription(Command3, callText(call));
}

QString RaceScreen::callText(const Call& call) const
{
    const int leader = call.horses.empty() ? 0 : call.horses.front();
    const QString leads = leader ? tr("Horse %1 leads.").arg(leader) : QString();
    switch (call.kind) {
    case CallKind::Start:
        return tr("They're off at %1!").arg(fromUtf8(call.course));
    case CallKind::Lead:
        return tr("Horse %1 takes the lead.").arg(leader);
    case CallKind::Leads:
        return leads;
    case CallKind::Halfway: {
        //: Where someone's horse stands at halfway: "Ann third", "Pompadoodle last".
        const char* places[] = {QT_TR_NOOP("first"), QT_TR_NOOP("second"), QT_TR_NOOP("third"),
                                QT_TR_NOOP("fourth"), QT_TR_NOOP("fifth"), QT_TR_NOOP("last")};
        QStringList where;
        for (const Backer& b : call.backers) {
            const QString who = b.name.empty() ? QCoreApplication::translate("furlox", "Player %1").arg(b.slot)
                                               : fromUtf8(b.name);
            //: A backer and where the horse they bet on stands: "Ann third".
            where << tr("%1 %2").arg(who, tr(places[b.place - 1]));
        }
        const QString front = tr("Halfway: Horse %1 leads.").arg(leader);
        return where.isEmpty() ? front : front + QLatin1Char(' ') + where.join(QLatin1String(", ")) + QLatin1Char('.');
    }
    case CallKind::Stretch:
        return call.horses.size() > 2
                   ? tr("Final stretch: Horse %1 leads from %2 and %3.").arg(leader).arg(call.horses[1]).arg(call.horses[2])
                   : tr("Final stretch: Horse %1 leads from %2.").arg(leader).arg(call.horses[1]);
    case CallKind::Paused:
        return leader ? tr("Race paused.") + QLatin1Char(' ') + leads : tr("Race paused.");
    case CallKind::Resumed:
        return leader ? tr("Racing again.") + QLatin1Char(' ') + leads : tr("Racing again.");
    case CallKind::Finish:
        break;
    }
    return {};
}

}  // namespace furlox
