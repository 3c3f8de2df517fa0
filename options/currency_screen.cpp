// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/currency_screen.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

#include "options/options_rules.h"
#include "screens/look.h"
#include "screens/screens.h"

namespace furlox {

namespace {

struct Sign {
    const char* caption;
    const char* sign;
    int top, width;
};

constexpr std::array<Sign, 3> kSigns{{
    {QT_TRANSLATE_NOOP("furlox::CurrencyScreen", "\u00a3 (Pounds)"), "\u00a3", 240, 2295},
    {QT_TRANSLATE_NOOP("furlox::CurrencyScreen", "$ (Dollars)"), "$", 600, 2415},
    {QT_TRANSLATE_NOOP("furlox::CurrencyScreen", "\u20ac (Euros)"), "\u20ac", 960, 2775},
}};

}  // namespace

CurrencyScreen::CurrencyScreen(Screens& screens)
    : Screen(screens, ScreenId::currencyed, tr("Change the Currency"), 1470, 1950)
{
    // One group: none chosen at first, then at most one.
    auto* group = new QButtonGroup(this);
    for (std::size_t i = 0; i < kSigns.size(); ++i) {
        options_[i] = makeOption(this, QStringLiteral("Option%1").arg(i + 1), tr(kSigns[i].caption), 120,
                                 kSigns[i].top, kSigns[i].width, 255);
        group->addButton(options_[i]);
    }
    oneTabStop({options_.begin(), options_.end()});
    Command1 = makeButton(this, QStringLiteral("Command1"), tr("Apply"), 120, 1320, 1215, 495);
    connect(Command1, &QPushButton::clicked, this, &CurrencyScreen::Command1Click);
}

void CurrencyScreen::Command1Click()
{
    screens_.show(ScreenId::betit);
    screens_.hide(ScreenId::currencyed);
    std::string sign;
    for (std::size_t i = 0; i < kSigns.size(); ++i)
        if (options_[i]->isChecked())
            sign = kSigns[i].sign;
    if (sign.empty())
        return;
    applyCurrency(state_, sign);
    // The computer's screen carries the sign too; it exists from here on.
    screens_.get(ScreenId::computercalculation);
    screens_.refreshAll();
}

}  // namespace furlox
