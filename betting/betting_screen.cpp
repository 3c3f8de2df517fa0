// SPDX-License-Identifier: GPL-3.0-or-later
#include "betting/betting_screen.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include "betting/betting_rules.h"
#include "screens/language.h"
#include "screens/look.h"
#include "screens/message_box.h"
#include "screens/screens.h"

namespace furlox {

namespace {

constexpr int kClientWidth = 9750;
constexpr int kClientHeight = 6945;

// Where each slot's panel stands and what its controls are called. Slot 1's
// buttons run Option1..Option6 down the panel; the other slots number theirs
// upwards, so horse 1 of slot 2 is Option12. Slot 1's odds are the single
// labels Label21..Label26, the others' the arrays Label27..Label29.
struct PanelLayout {
    int left, top;
    const char* caption;
    int oddsLeft;
    int horse1Option, optionStep;
    int oddsLabel;
    int stakeCaption, stakeSign, moneyCaption, moneySign, money;
};

constexpr std::array<PanelLayout, kSlotCount> kPanels{{
    {120, 120, "Player 1 Bet", 2040, 1, 1, 21, 1, 2, 3, 4, 5},
    {120, 3000, kNotPlaying, 2040, 12, -1, 27, 10, 9, 8, 7, 6},
    {4920, 120, kNotPlaying, 2160, 18, -1, 28, 15, 14, 13, 12, 11},
    {4920, 3000, kNotPlaying, 2160, 24, -1, 29, 20, 19, 18, 17, 16},
}};

QString oddsLabelName(const PanelLayout& p, int horse)
{
    return p.oddsLabel == 21 ? QStringLiteral("Label%1").arg(20 + horse)
                             : QStringLiteral("Label%1(%2)").arg(p.oddsLabel).arg(horse - 1);
}

constexpr std::array<std::pair<const char*, const char*>, 3> kMenus{{
    {"game", QT_TRANSLATE_NOOP("furlox::BettingScreen", "Game")},
    {"Options", QT_TRANSLATE_NOOP("furlox::BettingScreen", "Options")},
    {"about", QT_TRANSLATE_NOOP("furlox::BettingScreen", "About")}}};

// A refused stake, in words; the number is the panel's, never the name.
QString refusalText(const StakeRefusal& refusal)
{
    const char* why = QT_TRANSLATE_NOOP("furlox::BettingScreen", "Player %1: You don't have enough money - please enter a lower number");
    if (refusal.problem == StakeProblem::NotANumber)
        why = QT_TRANSLATE_NOOP("furlox::BettingScreen", "Player %1: That is not a number - please enter the amount to bet");
    else if (refusal.problem == StakeProblem::Negative)
        why = QT_TRANSLATE_NOOP("furlox::BettingScreen", "Player %1: You can't bet a negative amount - please enter 0 or more");
    return QCoreApplication::translate("furlox::BettingScreen", why).arg(refusal.slot);
}

}  // namespace

const BettingScreen::MenuItem BettingScreen::kMenuItems[]{
    {0, "newg", QT_TRANSLATE_NOOP("furlox::BettingScreen", "New Game / Restart"), Qt::CTRL | Qt::Key_N, &BettingScreen::newgClick, ScreenId::selectpl},
    {0, "exit", QT_TRANSLATE_NOOP("furlox::BettingScreen", "Exit"), Qt::CTRL | Qt::Key_X, &BettingScreen::exitClick, ScreenId::count},
    {1, "history", QT_TRANSLATE_NOOP("furlox::BettingScreen", "Furlox History"), Qt::CTRL | Qt::Key_H, nullptr, ScreenId::horsehistory},
    {1, "speed", QT_TRANSLATE_NOOP("furlox::BettingScreen", "Game Speed"), Qt::CTRL | Qt::Key_Z, nullptr, ScreenId::gspeed},
    {1, "currency", QT_TRANSLATE_NOOP("furlox::BettingScreen", "Currency"), Qt::CTRL | Qt::Key_C, nullptr, ScreenId::currencyed},
    {1, "changepl", QT_TRANSLATE_NOOP("furlox::BettingScreen", "Change Player Names"), Qt::CTRL | Qt::Key_P, nullptr, ScreenId::plname},
    {2, "aboutfurlox", QT_TRANSLATE_NOOP("furlox::BettingScreen", "About Furlox"), Qt::CTRL | Qt::Key_A, nullptr, ScreenId::aboutgame},
};

BettingScreen::BettingScreen(Screens& screens)
    : Screen(screens, ScreenId::betit, tr("Place Your Bets"), kClientWidth, kClientHeight)
{
    // The game's main window: a screen reader reads its caption when it
    // opens, not all its seventy labels as it would a dialog's.
    setWindowRole(QAccessible::Window);
    buildMenu();
    // The menu bar sits above the client area, as on any menu window.
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("client"));
    const int menuHeight = menuBar->sizeHint().height();
    menuBar->setGeometry(0, 0, tw(kClientWidth), menuHeight);
    area->setGeometry(0, menuHeight, tw(kClientWidth), tw(kClientHeight));
    setClient(area);
    setFixedSize(tw(kClientWidth), tw(kClientHeight) + menuHeight);

    // Made panel by panel, horses then stake: that is the Tab order too.
    for (int slot = 1; slot <= kSlotCount; ++slot)
        buildPanel(slot);

    // The computer's line. Label33 lies under the opaque Label30 and shows
    // only once the computer's money line is hidden.
    Label33 = makeLabel(area, QStringLiteral("Label33"), tr("The computer has run out of money"), 3600,
                        5760, 2895, 255);
    Label33->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label30 = makeLabel(area, QStringLiteral("Label30"), recordText(kComputerNotPlaying), 3600, 5760, 2895,
                        255);
    Label30->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label30->setAutoFillBackground(true);
    // The longest opponent's heading is a few pixels wider than the label:
    // one centred line losing a pixel at each end beats a wrapped, cut one.
    Label30->setWordWrap(false);
    Label31 = makeLabel(area, QStringLiteral("Label31"), QStringLiteral("\u00a3"), 3600, 6000, 135, 375);
    Label32 = makeLabel(area, QStringLiteral("Label32"), QString::fromLatin1(kStartingMoney), 3720, 6000, 3255, 255);

    Command1 = makeButton(area, QStringLiteral("Command1"), tr("RACE!"), 3600, 6360, 3015, 495);
    Command2 = makeButton(area, QStringLiteral("Command2"), tr("RACE!"), 3600, 6360, 3015, 495);
    Command1->raise();  // the plain RACE! covers the computer's one
    connect(Command1, &QPushButton::clicked, this, &BettingScreen::Command1Click);
    connect(Command2, &QPushButton::clicked, this, &BettingScreen::Command2Click);

    focusWatch_ =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget*) { focusChange(old); });

    setUpBetting(state_, screens_.random());
    refresh();
}

BettingScreen::~BettingScreen()
{
    // The window closes as the base class takes it down, and moves the
    // focus: the watch must not call into the part of this already gone.
    disconnect(focusWatch_);
}

void BettingScreen::buildPanel(int slot)
{
    const PanelLayout& p = kPanels[slot - 1];
    Panel& panel = panels_[slot - 1];
    QGroupBox* frame = makeFrame(client(), QStringLiteral("Frame1(%1)").arg(slot - 1),
                                 recordText(p.caption), p.left, p.top, 4695, 2655);
    panel.frame = frame;

    std::vector<QRadioButton*> group;
    for (int horse = 1; horse <= kHorseCount; ++horse) {
        const int top = 360 + 240 * (horse - 1);
        const int number = p.horse1Option + p.optionStep * (horse - 1);
        QRadioButton* button = makeOption(frame, QStringLiteral("Option%1").arg(number), horseName(horse),
                                          240, top, 1815, 255);
        connect(button, &QRadioButton::toggled, this, [this, slot, horse](bool on) {
            if (on)
                state_.players[slot - 1].horse = horse;
        });
        panel.options[horse - 1] = button;
        group.push_back(button);
        // Until the first draw the labels read "1 - 1", or "1 / 1" beyond slot 1.
        panel.odds[horse - 1] = makeLabel(frame, oddsLabelName(p, horse),
                                          slot == 1 ? QStringLiteral("1 - 1") : QStringLiteral("1 / 1"), p.oddsLeft,
                                          top, 1095, 255);
    }
    oneTabStop(group);

    auto label = [&](int number, const QString& text, int left, int top, int width) {
        return makeLabel(frame, QStringLiteral("Label%1").arg(number), text, left, top, width, 255);
    };
    label(p.stakeCaption, tr("Amount to Bet:"), 120, 1920, 1935);
    panel.stakeSign = label(p.stakeSign, QStringLiteral("\u00a3"), 120, 2160, 135);
    label(p.moneyCaption, tr("Money Available:"), 2400, 1920, 2055);
    panel.moneySign = label(p.moneySign, QStringLiteral("\u00a3"), 2400, 2160, 135);
    panel.money = label(p.money, QString::fromLatin1(kStartingMoney), 2520, 2160, 2055);

    panel.stake = makeTextBox(frame, QStringLiteral("Text%1").arg(slot), QStringLiteral("0"), 240, 2160, 1455, 285,
                              tr("Player %1 amount to bet").arg(slot));
    panel.stake->installEventFilter(this);
    // Every change of a box counts, typed, pasted, written by the game or by
    // an assistive tool: what a box shows is the stake that is bet.
    connect(panel.stake, &QLineEdit::textChanged, this, [this, slot](const QString& text) { TextChange(slot, text); });
}

void BettingScreen::buildMenu()
{
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    menuBar->setNativeMenuBar(false);
    std::array<QMenu*, kMenus.size()> menus{};
    for (std::size_t i = 0; i < kMenus.size(); ++i) {
        menus[i] = menuBar->addMenu(tr(kMenus[i].second));
        menus[i]->setObjectName(QString::fromLatin1(kMenus[i].first));
    }
    firstMenu = menus[0];
    for (const MenuItem& item : kMenuItems) {
        QAction* action = menus[item.menu]->addAction(tr(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        action->setShortcut(item.key);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);  // shortcuts work while the menu is closed
        if (item.handler)
            connect(action, &QAction::triggered, this, item.handler);
        else
            connect(action, &QAction::triggered, this, [this, &item] { open(item.opens); });
    }
    // F10 opens the menu bar, as on KDE and GNOME.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] { menuBar->setActiveAction(firstMenu->menuAction()); });
}

bool BettingScreen::eventFilter(QObject* watched, QEvent* event)
{
    // A line edit claims Ctrl+A, C, X and Z for editing; let the menu have
    // them so its shortcuts work with the cursor in a stake box.
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeyCombination pressed = static_cast<QKeyEvent*>(event)->keyCombination();
        for (const MenuItem& item : kMenuItems) {
            if (pressed == item.key) {
                event->ignore();
                return true;
            }
        }
    }
    return Screen::eventFilter(watched, event);
}

void BettingScreen::showRecord()
{
    const QString sign = fromUtf8(state_.currency);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const PlayerSlot& s = state_.players[slot - 1];
        const Panel& panel = panels_[slot - 1];
        panel.frame->setTitle(literalCaption(recordText(s.name)));
        for (int horse = 1; horse <= kHorseCount; ++horse) {
            QRadioButton* button = panel.options[horse - 1];
            button->setEnabled(s.canBet);
            if (horse == s.horse && !button->isChecked()) {
                const QSignalBlocker quiet(button);
                button->setChecked(true);
            }
            // Until the first draw the labels keep their design texts.
            QLabel* odds = panel.odds[horse - 1];
            const QString shown =
                state_.odds[horse - 1] > 0 ? oddsText(state_.odds[horse - 1]) : odds->text();
            showValue(odds, shown, tr("Player %1 odds of %2: %3").arg(slot).arg(horseName(horse), shown));
            // Said "57 to 1": a reader spells out the dash of "57 - 1".
            button->setAccessibleDescription(tr("Odds %1 to 1").arg(state_.odds[horse - 1]));
        }
        panel.stake->setEnabled(s.canBet);
        if (recordNumber(panel.stake->text()) != s.stake)
            panel.stake->setText(shownNumber(s.stake));
        const QString money = shownNumber(s.money);
        showValue(panel.money, money, tr("Player %1 money available: %2%3").arg(slot).arg(sign, money));
        // Heard while typing the stake, when the money matters.
        panel.stake->setAccessibleDescription(tr("Money available: %1%2").arg(sign, money));
        panel.stakeSign->setText(sign);
        panel.moneySign->setText(sign);
    }
    const ComputerPlayer& computer = state_.computer;
    // The heading the record holds in English: the computer's name with
    // "'s money:", or that it does not play.
    const bool named = computer.heading == computer.name + "'s money:";
    Label30->setText(named ? tr("%1's money:").arg(fromUtf8(computer.name)) : recordText(computer.heading));
    Label31->setText(sign);
    const QString computerMoney = shownNumber(computer.moneyShown);
    showValue(Label32, computerMoney, tr("Computer's money: %1%2").arg(sign, computerMoney));
    // The opaque heading covers the out-of-money notice until it is hidden.
    showStack({{Label30, computer.moneyLineVisible}, {Label33, true}});
    Label31->setVisible(computer.moneyLineVisible);
    Label32->setVisible(computer.moneyLineVisible);
    // Heard on the way to RACE!: what the computer has to bet with.
    const QString computerLine =
        computer.moneyLineVisible ? Label30->text() + QLatin1Char(' ') + sign + computerMoney : Label33->text();
    for (QPushButton* race : {Command1, Command2})
        race->setAccessibleDescription(computer.takesPart ? computerLine : QString());
    showRaceButtons();
    tellNews();
}

void BettingScreen::tellNews()
{
    // After a race the first control the focus lands on tells each player's
    // result before its own description, once: when the focus moves on, the
    // news is dropped.
    QWidget* carrier = state_.betting.news.empty() ? nullptr : firstControl();
    if (carrier)
        carrier->setAccessibleDescription(resultsText(state_.betting.news, state_.currency) + QLatin1Char(' ') +
                                          carrier->accessibleDescription());
    newsCarrier_ = carrier;
}

void BettingScreen::focusChange(QWidget* old)
{
    if (old && old == newsCarrier_) {
        state_.betting.news.clear();
        newsCarrier_ = nullptr;
        refresh();
    }
}

void BettingScreen::showRaceButtons()
{
    // The plain RACE! covers the computer's one while it is there.
    const bool enabled = state_.betting.raceButtonsEnabled;
    showStack({{Command1, state_.betting.raceButton1Visible, enabled}, {Command2, true, enabled}});
}

void BettingScreen::TextChange(int slot, const QString& text)
{
    stakeChanged(state_, slot, recordNumber(text));
    showRaceButtons();
}

void BettingScreen::Command1Click() { raceClick(false); }
void BettingScreen::Command2Click() { raceClick(true); }

void BettingScreen::raceClick(bool withComputer)
{
    const RaceClick click = clickRace(state_, withComputer ? RaceButton::WithComputer : RaceButton::Plain);
    if (click.refusal) {
        showMessage(this, refusalText(*click.refusal));
        QLineEdit* box = panels_[click.refusal->slot - 1].stake;
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        return;
    }
    switch (click.route) {
    case RaceRoute::Stay:
        break;
    case RaceRoute::Racecourse:
        screens_.show(ScreenId::racecourse);
        screens_.hide(ScreenId::betit);
        break;
    case RaceRoute::ComputerBet:
        screens_.show(ScreenId::computercalculation);
        screens_.hide(ScreenId::betit);
        break;
    }
    screens_.refreshAll();
}

void BettingScreen::newgClick()
{
    screens_.hide(ScreenId::betit);
    screens_.show(ScreenId::selectpl);
    newGame(state_);
    screens_.refreshAll();
}

void BettingScreen::exitClick() { screens_.exitGame(); }

void BettingScreen::open(ScreenId screen)
{
    screens_.show(screen);
    screens_.hide(ScreenId::betit);
}

}  // namespace furlox
