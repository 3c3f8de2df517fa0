#include "betting/betting_screen.h"

#include <QAction>
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
#include "computer/calc_screen.h"
#include "options/about_screen.h"
#include "options/currency_screen.h"
#include "options/history_screen.h"
#include "options/speed_screen.h"
#include "screens/look.h"
#include "screens/message_box.h"
#include "screens/screens.h"
#include "setup/course_screen.h"
#include "setup/names_screen.h"
#include "setup/selectpl_screen.h"

namespace furlox {

namespace {

constexpr int kClientWidth = 9750;
constexpr int kClientHeight = 6945;

// Per slot: where its panel stands and which labels it uses.
struct PanelLayout {
    int left, top;
    const char* caption;
    int oddsLeft;
    int stakeCaption, stakeCurrency, moneyCaption, moneyCurrency, money;
};

constexpr std::array<PanelLayout, 4> kPanels{{
    {120, 120, "Player 1 Bet", 2040, 1, 2, 3, 4, 5},
    {120, 3000, "(NOT PLAYING)", 2040, 10, 9, 8, 7, 6},
    {4920, 120, "(NOT PLAYING)", 2160, 15, 14, 13, 12, 11},
    {4920, 3000, "(NOT PLAYING)", 2160, 20, 19, 18, 17, 16},
}};

// Slot 1's buttons run Option1..Option6 down the panel; the other slots
// number theirs upwards, so horse 1 of slot 2 is Option12.
int optionNumber(int slot, int horse) { return slot == 1 ? horse : 6 * (slot - 1) + 7 - horse; }

// The menu's shortcuts, which the stake boxes must not swallow.
const std::array<QKeySequence, 7>& menuKeys()
{
    static const std::array<QKeySequence, 7> keys{
        QKeySequence(Qt::CTRL | Qt::Key_N), QKeySequence(Qt::CTRL | Qt::Key_X),
        QKeySequence(Qt::CTRL | Qt::Key_H), QKeySequence(Qt::CTRL | Qt::Key_Z),
        QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_P),
        QKeySequence(Qt::CTRL | Qt::Key_A)};
    return keys;
}

}  // namespace

BettingScreen::BettingScreen(Screens& screens)
    : Screen(screens, QStringLiteral("betit"), QStringLiteral("Place Your Bets"), kClientWidth,
             kClientHeight)
{
    buildMenu();
    // The menu bar sits above the client area, as on any menu window.
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("client"));
    const int menuHeight = menuBar->sizeHint().height();
    menuBar->setGeometry(0, 0, tw(kClientWidth), menuHeight);
    area->setGeometry(0, menuHeight, tw(kClientWidth), tw(kClientHeight));
    setClient(area);
    setFixedSize(tw(kClientWidth), tw(kClientHeight) + menuHeight);

    for (int slot = 1; slot <= 4; ++slot)
        buildPanel(slot);

    // The computer's line. Label33 lies under the opaque Label30 and shows
    // only once the computer's money line is hidden.
    Label[33] = makeLabel(area, QStringLiteral("Label33"), QStringLiteral("The computer has run out of money"),
                          3600, 5760, 2895, 255);
    Label[33]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label[30] = makeLabel(area, QStringLiteral("Label30"), QStringLiteral("--Computer Not Playing--"), 3600,
                          5760, 2895, 255);
    Label[30]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label[30]->setAutoFillBackground(true);
    // The longest opponent's heading is a few pixels wider than the label:
    // one centred line losing a pixel at each end beats a wrapped, cut one.
    Label[30]->setWordWrap(false);
    Label[31] = makeLabel(area, QStringLiteral("Label31"), QStringLiteral("\u00a3"), 3600, 6000, 135, 375);
    Label[32] = makeLabel(area, QStringLiteral("Label32"), QStringLiteral("50"), 3720, 6000, 3255, 255);

    Command2 = makeButton(area, QStringLiteral("Command2"), QStringLiteral("RACE!"), 3600, 6360, 3015, 495);
    Command1 = makeButton(area, QStringLiteral("Command1"), QStringLiteral("RACE!"), 3600, 6360, 3015, 495);
    Command1->raise();  // the plain RACE! covers the computer's one
    connect(Command1, &QPushButton::clicked, this, &BettingScreen::Command1Click);
    connect(Command2, &QPushButton::clicked, this, &BettingScreen::Command2Click);
    // Every change of a box counts, typed, pasted, written by the game or by
    // an assistive tool: what a box shows is the stake that is bet.
    connect(Text[1], &QLineEdit::textChanged, this, &BettingScreen::Text1Change);
    connect(Text[2], &QLineEdit::textChanged, this, &BettingScreen::Text2Change);
    connect(Text[3], &QLineEdit::textChanged, this, &BettingScreen::Text3Change);
    connect(Text[4], &QLineEdit::textChanged, this, &BettingScreen::Text4Change);

    // Tab order: panel by panel, horses then stake, then RACE!.
    QWidget* previous = nullptr;
    for (int slot = 1; slot <= 4; ++slot) {
        for (int horse = 1; horse <= 6; ++horse) {
            if (previous)
                setTabOrder(previous, option(slot, horse));
            previous = option(slot, horse);
        }
        setTabOrder(previous, Text[slot]);
        previous = Text[slot];
    }
    setTabOrder(previous, Command1);
    setTabOrder(Command1, Command2);
    for (int slot = 1; slot <= 4; ++slot) {
        std::vector<QRadioButton*> group;
        for (int horse = 1; horse <= 6; ++horse)
            group.push_back(option(slot, horse));
        oneTabStop(group);
    }

    // F10 opens the menu bar, as on KDE and GNOME.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] { menuBar->setActiveAction(game->menuAction()); });

    setUpBetting(state_, screens_.random());
    refresh();
}

void BettingScreen::buildPanel(int slot)
{
    const PanelLayout& p = kPanels[slot - 1];
    QGroupBox* frame = makeFrame(client(), QStringLiteral("Frame1(%1)").arg(slot - 1),
                                 QString::fromLatin1(p.caption), p.left, p.top, 4695, 2655);
    Frame1[slot - 1] = frame;

    for (int horse = 1; horse <= 6; ++horse) {
        const int top = 360 + 240 * (horse - 1);
        const int number = optionNumber(slot, horse);
        QRadioButton* button = makeOption(frame, QStringLiteral("Option%1").arg(number),
                                          fromUtf8(horseLabel(horse)), 240, top, 1815, 255);
        Option[number] = button;
        connect(button, &QRadioButton::toggled, this,
                [this, slot, horse](bool on) { optionToggled(slot, horse, on); });

        QLabel* odds = makeLabel(frame, QString(), QString(), p.oddsLeft, top, 1095, 255);
        if (slot == 1) {
            odds->setObjectName(QStringLiteral("Label%1").arg(20 + horse));
            odds->setText(QStringLiteral("1 - 1"));
            Label[20 + horse] = odds;
        } else {
            const int array = 25 + slot;  // Label27, Label28, Label29
            odds->setObjectName(QStringLiteral("Label%1(%2)").arg(array).arg(horse - 1));
            odds->setText(QStringLiteral("1 / 1"));
            (slot == 2 ? Label27 : slot == 3 ? Label28 : Label29)[horse - 1] = odds;
        }
    }

    auto label = [&](int number, const QString& text, int left, int top, int width, int height) {
        Label[number] = makeLabel(frame, QStringLiteral("Label%1").arg(number), text, left, top, width, height);
        return Label[number];
    };
    label(p.stakeCaption, QStringLiteral("Amount to Bet:"), 120, 1920, 1935, 255);
    label(p.stakeCurrency, QStringLiteral("\u00a3"), 120, 2160, 135, 255);
    label(p.moneyCaption, QStringLiteral("Money Available:"), 2400, 1920, 2055, 255);
    label(p.moneyCurrency, QStringLiteral("\u00a3"), 2400, 2160, 135, 255);
    label(p.money, QStringLiteral("50"), 2520, 2160, 2055, 255);

    Text[slot] = makeTextBox(frame, QStringLiteral("Text%1").arg(slot), QStringLiteral("0"), 240, 2160, 1455,
                             285, QStringLiteral("Player %1 amount to bet").arg(slot));
    Text[slot]->installEventFilter(this);
}

void BettingScreen::buildMenu()
{
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    menuBar->setNativeMenuBar(false);

    auto menu = [this](const QString& name, const QString& caption) {
        QMenu* m = menuBar->addMenu(caption);
        m->setObjectName(name);
        return m;
    };
    auto item = [this](QMenu* m, const QString& name, const QString& caption, const QKeySequence& key,
                       void (BettingScreen::*handler)()) {
        QAction* action = m->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);  // shortcuts work while the menu is closed
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    const auto& keys = menuKeys();
    game = menu(QStringLiteral("game"), QStringLiteral("Game"));
    newg = item(game, QStringLiteral("newg"), QStringLiteral("New Game / Restart"), keys[0], &BettingScreen::newgClick);
    exit = item(game, QStringLiteral("exit"), QStringLiteral("Exit"), keys[1], &BettingScreen::exitClick);
    Options = menu(QStringLiteral("Options"), QStringLiteral("Options"));
    history = item(Options, QStringLiteral("history"), QStringLiteral("Furlox History"), keys[2],
                   &BettingScreen::historyClick);
    speed = item(Options, QStringLiteral("speed"), QStringLiteral("Game Speed"), keys[3], &BettingScreen::speedClick);
    currency = item(Options, QStringLiteral("currency"), QStringLiteral("Currency"), keys[4],
                    &BettingScreen::currencyClick);
    changepl = item(Options, QStringLiteral("changepl"), QStringLiteral("Change Player Names"), keys[5],
                    &BettingScreen::changeplClick);
    about = menu(QStringLiteral("about"), QStringLiteral("About"));
    aboutfurlox = item(about, QStringLiteral("aboutfurlox"), QStringLiteral("About Furlox"), keys[6],
                       &BettingScreen::aboutfurloxClick);
}

bool BettingScreen::eventFilter(QObject* watched, QEvent* event)
{
    // A line edit claims Ctrl+A, C, X and Z for editing; let the menu have
    // them so its shortcuts work with the cursor in a stake box.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QKeySequence& menuKey : menuKeys()) {
            if (pressed == menuKey) {
                event->ignore();
                return true;
            }
        }
    }
    return Screen::eventFilter(watched, event);
}

QRadioButton* BettingScreen::option(int slot, int horse) const { return Option[optionNumber(slot, horse)]; }

QLabel* BettingScreen::oddsLabel(int slot, int horse) const
{
    switch (slot) {
    case 1:
        return Label[20 + horse];
    case 2:
        return Label27[horse - 1];
    case 3:
        return Label28[horse - 1];
    default:
        return Label29[horse - 1];
    }
}

void BettingScreen::showRecord()
{
    const QString sign = fromUtf8(state_.currency);
    for (int slot = 1; slot <= 4; ++slot) {
        const PlayerSlot& s = state_.players[slot - 1];
        const PanelLayout& p = kPanels[slot - 1];
        Frame1[slot - 1]->setTitle(literalCaption(fromUtf8(s.name)));
        for (int horse = 1; horse <= 6; ++horse) {
            QRadioButton* button = option(slot, horse);
            button->setEnabled(s.canBet);
            if (horse == s.horse && !button->isChecked()) {
                const QSignalBlocker quiet(button);
                button->setChecked(true);
            }
            // Until the first draw the labels keep their design texts.
            QLabel* odds = oddsLabel(slot, horse);
            const QString shown =
                state_.odds[horse - 1] > 0 ? fromUtf8(furlox::oddsLabel(state_.odds[horse - 1])) : odds->text();
            showValue(odds, shown,
                      QStringLiteral("Player %1 odds of %2: %3").arg(slot).arg(fromUtf8(horseLabel(horse)), shown));
            button->setAccessibleDescription(QStringLiteral("Odds ") + shown);
        }
        Text[slot]->setEnabled(s.canBet);
        if (Text[slot]->text() != fromUtf8(s.stake))
            Text[slot]->setText(fromUtf8(s.stake));
        const QString money = fromUtf8(s.money);
        showValue(Label[p.money], money, QStringLiteral("Player %1 money available: %2%3").arg(slot).arg(sign, money));
        Label[p.stakeCurrency]->setText(sign);
        Label[p.moneyCurrency]->setText(sign);
    }
    const ComputerPlayer& computer = state_.computer;
    Label[30]->setText(fromUtf8(computer.heading));
    Label[31]->setText(sign);
    const QString computerMoney = fromUtf8(computer.moneyShown);
    showValue(Label[32], computerMoney, QStringLiteral("Computer's money: %1%2").arg(sign, computerMoney));
    // The opaque heading covers the out-of-money notice until it is hidden.
    showStack({{Label[30], computer.moneyLineVisible}, {Label[33], true}});
    Label[31]->setVisible(computer.moneyLineVisible);
    Label[32]->setVisible(computer.moneyLineVisible);
    showRaceButtons();
}

void BettingScreen::showRaceButtons()
{
    // The plain RACE! covers the computer's one while it is there.
    const bool enabled = state_.betting.raceButtonsEnabled;
    showStack({{Command1, state_.betting.raceButton1Visible, enabled}, {Command2, true, enabled}});
}

void BettingScreen::optionToggled(int slot, int horse, bool on)
{
    if (on)
        state_.players[slot - 1].horse = horse;
}

void BettingScreen::Text1Change(const QString& text) { stakeChanged(state_, 1, text.toStdString()); showRaceButtons(); }
void BettingScreen::Text2Change(const QString& text) { stakeChanged(state_, 2, text.toStdString()); showRaceButtons(); }
void BettingScreen::Text3Change(const QString& text) { stakeChanged(state_, 3, text.toStdString()); showRaceButtons(); }
void BettingScreen::Text4Change(const QString& text) { stakeChanged(state_, 4, text.toStdString()); showRaceButtons(); }

void BettingScreen::Command1Click() { raceClicked(1); }
void BettingScreen::Command2Click() { raceClicked(2); }

void BettingScreen::raceClicked(int button)
{
    const RaceClick click = clickRace(state_, button == 1 ? RaceButton::Plain : RaceButton::WithComputer);
    if (click.refusal) {
        showMessage(this, fromUtf8(click.refusal->message));
        QLineEdit* box = Text[click.refusal->slot];
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        return;
    }
    switch (click.route) {
    case RaceRoute::Stay:
        break;
    case RaceRoute::Racecourse:
        screens_.show(screens_.racecourse());
        screens_.hide(*this);
        break;
    case RaceRoute::ComputerBet:
        screens_.show(screens_.computercalculation());
        screens_.hide(*this);
        break;
    }
    screens_.refreshAll();
}

void BettingScreen::newgClick()
{
    screens_.hide(*this);
    screens_.show(screens_.selectpl());
    newGame(state_);
    screens_.refreshAll();
}

void BettingScreen::exitClick() { screens_.exitGame(); }

void BettingScreen::historyClick()
{
    screens_.show(screens_.horsehistory());
    screens_.hide(*this);
}

void BettingScreen::speedClick()
{
    SpeedScreen& speedScreen = screens_.gspeed();
    screens_.show(speedScreen);
    screens_.hide(*this);
    speedScreen.fillField();
}

void BettingScreen::currencyClick()
{
    screens_.show(screens_.currencyed());
    screens_.hide(*this);
}

void BettingScreen::changeplClick()
{
    screens_.show(screens_.plname());
    screens_.hide(*this);
}

void BettingScreen::aboutfurloxClick()
{
    screens_.show(screens_.aboutgame());
    screens_.hide(*this);
}

}  // namespace furlox
