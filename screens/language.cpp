// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/language.h"

#include <memory>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "core/game_state.h"
#include "core/number_text.h"

// Resources compiled into a static library must be registered by hand,
// outside any namespace.
static void registerTranslations()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(translations);
        return true;
    }();
    (void)registered;
}

namespace furlox {

namespace {

const char* const kContext = "furlox";  // every text marked in the rules
std::vector<std::unique_ptr<QTranslator>> g_installed;
char g_decimalMark = '.';

bool install(const QString& file, const QString& directory)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, directory))
        return false;
    QCoreApplication::installTranslator(translator.get());
    g_installed.push_back(std::move(translator));
    return true;
}

}  // namespace

QStringList gameLanguages()
{
    registerTranslations();
    QStringList languages;
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("furlox_*.qm")}))
        languages << file.mid(7, file.size() - 10);
    return languages;
}

QString useLanguage(const QStringList& preferred)
{
    for (const auto& translator : g_installed)
        QCoreApplication::removeTranslator(translator.get());
    g_installed.clear();
    g_decimalMark = '.';
    const QStringList ours = gameLanguages();
    for (const QString& tag : preferred) {
        const QString language = tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("c") || language == QLatin1String("posix") || language == QLatin1String("en"))
            break;  // the originals
        if (!ours.contains(language))
            continue;
        install(QStringLiteral("furlox_") + language, QStringLiteral(":/i18n"));
        // Qt's own words (the message box's OK, "Ctrl" in the menus) where
        // Debian's translations of Qt are installed.
        install(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        // The mark of the region asked for: Swiss German keeps the point.
        g_decimalMark = QLocale(tag).decimalPoint() == QLatin1String(",") ? ',' : '.';
        return language;
    }
    return {};
}

QString recordText(const std::string& text)
{
    // A name may hold anything, a NUL included, which a lookup would cut.
    if (text.find('\0') != std::string::npos)
        return QString::fromStdString(text);
    return QCoreApplication::translate(kContext, text.c_str());
}

QString shownNumber(const std::string& text) { return QString::fromStdString(swapDecimalMark(text, g_decimalMark)); }

std::string recordNumber(const QString& typed) { return swapDecimalMark(typed.toStdString(), g_decimalMark); }

QString horseName(int horse)
{
    return QCoreApplication::translate("furlox", "Horse %1 (%2)").arg(horse).arg(recordText(kHorseColours[horse - 1]));
}

QString oddsText(int odds) { return QCoreApplication::translate("furlox", "%1 - 1").arg(odds); }

QString moneyText(const std::string& sign, const std::string& amount)
{
    return QString::fromStdString(sign) + shownNumber(amount);
}

QString resultsText(const WeekResults& results, const std::string& sign)
{
    QStringList sentences;
    for (const WeekResult& r : results) {
        const QString who = !r.name.empty() ? QString::fromStdString(r.name)
                            : r.slot ? QCoreApplication::translate("furlox", "Player %1").arg(r.slot)
                                     : QString();
        const QString now = moneyText(sign, r.now), amount = moneyText(sign, r.amount);
        switch (r.outcome) {
        case WeekResult::Outcome::Won:
            sentences << QCoreApplication::translate("furlox", "%1 won %2, now %3.").arg(who, amount, now);
            break;
        case WeekResult::Outcome::Lost:
            sentences << (r.now == "0" ? QCoreApplication::translate("furlox", "%1 lost %2, now %3 and has run out of money.")
                                       : QCoreApplication::translate("furlox", "%1 lost %2, now %3."))
                             .arg(who, amount, now);
            break;
        case WeekResult::Outcome::Nothing:
            sentences << QCoreApplication::translate("furlox", "%1 bet nothing, still %2.").arg(who, now);
            break;
        }
    }
    return sentences.join(QLatin1Char(' '));
}

QString languageLetters()
{
    //: Not shown. Every letter your translation uses beyond plain A to Z,
    //: small and capital, for example "äöüßÄÖÜ". The game checks that its
    //: small pixel font has them all, and uses another font for the whole
    //: game where it does not.
    return QCoreApplication::translate("furlox", "Letters beyond A to Z");
}

}  // namespace furlox
