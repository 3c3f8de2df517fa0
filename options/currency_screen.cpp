#include "options/currency_screen.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

#include "betting/betting_screen.h"
#include "computer/calc_screen.h"
#include "options/options_rules.h"
#include "screens/look.h"
#include "screens/screens.h"

namespace furlox {

CurrencyScreen::CurrencyScreen(Screens& screens)
    : Screen(screens, QStringLiteral("currencyed"), QStringLiteral("Change the Currency"), 1470, 1950)
{
    Option1 = makeOption(this, QStringLiteral("Option1"), QStringLiteral("\u00a3 (Pounds)"), 120, 240, 2295, 255);
    Option2 = makeOption(this, QStringLiteral("Option2"), QStringLiteral("$ (Dollars)"), 120, 600, 2415, 255);
    Option3 = makeOption(this, QStringLiteral("Option3"), QStringLiteral("\u20ac (Euros)"), 120, 960, 2775, 255);
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Apply"), 120, 1320, 1215, 495);

    // One group: none chosen at first, then at most one.
    group_ = new QButtonGroup(this);
    group_->addButton(Option1);
    group_->addButton(Option2);
    group_->addButton(Option3);

    connect(Command1, &QPushButton::clicked, this, &CurrencyScreen::Command1Click);
}

void CurrencyScreen::Command1Click()
{
    screens_.show(screens_.betit());
    screens_.hide(*this);
    const std::string sign = Option1->isChecked()   ? "\u00a3"
                             : Option2->isChecked() ? "$"
                             : Option3->isChecked() ? "\u20ac"
                                                    : "";
    if (sign.empty())
        return;
    applyCurrency(state_, sign);
    // The computer's screen carries the sign too; it exists from here on.
    screens_.computercalculation();
    screens_.refreshAll();
}

}  // namespace furlox
