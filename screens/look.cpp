// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/look.h"

#include <algorithm>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QTimer>

#include "screens/accessible_text.h"
#include "screens/language.h"
#include "screens/text_box.h"

namespace furlox {

namespace {

constexpr double kDialogPointSize = 8.25;
const char* const kDialogFontFile = "/usr/share/wine/fonts/ms_sans_serif.ttf";
const char* const kDisplayFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";

QString g_displayFamily;

}  // namespace

void installGameFonts()
{
    // The dialog font is a bitmap font drawn for one pixel size, so it only
    // looks right at a scale of 1. Scaled up, and when it is missing, a
    // condensed sans a little smaller keeps the captions sharp and inside
    // their fixed boxes (its widths stay at or under the bitmap font's).
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPointSizeF(7.5);
    const bool unscaled = qApp && qApp->devicePixelRatio() <= 1.0;
    const int id = unscaled && QFile::exists(kDialogFontFile) ? QFontDatabase::addApplicationFont(kDialogFontFile) : -1;
    const QStringList families = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
    if (!families.isEmpty()) {
        QFont dialog(families.first());
        dialog.setPointSizeF(kDialogPointSize);
        // A language whose letters the bitmap face lacks would have them
        // drawn from another face in the middle of a word: such a language
        // gets the condensed sans for every text instead.
        // (QFontMetrics would count what the fallback faces have too.)
        const QRawFont face = QRawFont::fromFont(dialog);
        const QString letters = languageLetters();
        if (std::all_of(letters.begin(), letters.end(), [&](QChar c) { return face.supportsCharacter(c); }))
            font = dialog;
    }
    QApplication::setFont(font);
}

QFont displayFont(double pointSize)
{
    // Loaded on first use: only the game-over screen needs it, and reading
    // the file at start-up would delay the splash.
    if (g_displayFamily.isEmpty()) {
        const int id = QFile::exists(kDisplayFontFile) ? QFontDatabase::addApplicationFont(kDisplayFontFile) : -1;
        const QStringList families = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
        g_displayFamily = families.isEmpty() ? QStringLiteral("DejaVu Sans Condensed") : families.first();
    }
    QFont font(g_displayFamily);
    font.setBold(true);
    font.setPointSizeF(pointSize);
    return font;
}

QString literalCaption(const QString& text)
{
    QString out = text;
    out.replace(QLatin1Char('&'), QLatin1String("&&"));
    return out;
}

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

namespace {

// The game's pictures are all PNGs. Said so, and told not to guess, the
// reader goes straight to Qt's own PNG decoder; left to guess, it first
// loads every image plugin there is (gif, ico, jpeg with its library) to
// ask each whether it reads PNG, which cost the splash over a millisecond.
QPixmap readPng(const QString& name)
{
    QImageReader reader(name, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace

QPixmap loadPicture(const QString& name)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    if (ratio > 1.0) {
        QString sharp = name;
        sharp.insert(sharp.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
        QPixmap pixmap = readPng(sharp);
        if (!pixmap.isNull()) {
            pixmap.setDevicePixelRatio(2.0);
            return pixmap;
        }
    }
    return readPng(name);
}

namespace {

template <typename Control>
Control* place(Control* control, const QString& name, int left, int top, int width, int height)
{
    control->setObjectName(name);
    control->setGeometry(tw(left), tw(top), tw(width), tw(height));
    return control;
}

}  // namespace

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top,
                  int width, int height)
{
    auto* label = place(new QLabel(text, parent), name, left, top, width, height);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text, int left, int top,
                        int width, int height)
{
    auto* button = place(new QPushButton(literalCaption(text), parent), name, left, top, width, height);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* makeTextBox(QWidget* parent, const QString& name, const QString& text, int left, int top,
                       int width, int height, const QString& accessibleName)
{
    auto* box = place(new TextBox(text, parent), name, left, top, width, height);
    box->setAccessibleName(accessibleName);
    return box;
}

QRadioButton* makeOption(QWidget* parent, const QString& name, const QString& text, int left, int top,
                         int width, int height)
{
    return place(new QRadioButton(literalCaption(text), parent), name, left, top, width, height);
}

QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QString& text, int left, int top,
                        int width, int height)
{
    return place(new QCheckBox(literalCaption(text), parent), name, left, top, width, height);
}

namespace {

// A frame (a player's panel) as a screen reader gets it: named by its
// caption, and with the caption as its text, so that a review of the screen
// line by line reads it as the panel's heading; a frame without text is
// passed over there. Unlike Qt's own, it does not say it labels each
// control inside it, which made Orca repeat the name before every one. Its
// words and sentences are the game's own (BoundedText): Qt's froze the game.
class AccessibleFrame : public QAccessibleWidget, public BoundedText {
public:
    explicit AccessibleFrame(QGroupBox* frame) : QAccessibleWidget(frame, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? caption() : QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                               : QAccessibleWidget::interface_cast(t);
    }
    QString text(int startOffset, int endOffset) const override
    {
        return startOffset > endOffset ? QString() : caption().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(caption().size()); }
    // The caption stands on the frame's top edge, a little in from its left.
    QRect characterRect(int offset) const override
    {
        const QString all = caption();
        if (offset < 0 || offset >= all.size())
            return {};
        const QFontMetrics metrics(widget()->font());
        const QPoint at(metrics.averageCharWidth() + metrics.horizontalAdvance(all.left(offset)), 0);
        return {widget()->mapToGlobal(at), QSize(metrics.horizontalAdvance(all.at(offset)), metrics.height())};
    }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}

private:
    QString caption() const
    {
        QString shown = static_cast<QGroupBox*>(object())->title();
        return shown.replace(QLatin1String("&&"), QLatin1String("&"));
    }
};

QAccessibleInterface* frameFactory(const QString& className, QObject* object)
{
    auto* frame = className == QLatin1String("QGroupBox") ? qobject_cast<QGroupBox*>(object) : nullptr;
    return frame ? new AccessibleFrame(frame) : nullptr;
}

}  // namespace

QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& text, int left, int top,
                     int width, int height)
{
    QAccessible::installFactory(frameFactory);  // once: Qt ignores a factory it has
    return place(new QGroupBox(literalCaption(text), parent), name, left, top, width, height);
}

QFrame* makeLine(QWidget* parent, const QString& name, int x1, int y1, int x2, int y2)
{
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    const int left = tw(std::min(x1, x2));
    const int top = tw(std::min(y1, y2));
    const int width = std::max(1, tw(std::abs(x2 - x1)));
    const int height = std::max(1, tw(std::abs(y2 - y1)));
    line->setGeometry(left, top, width, height);
    // Drawn in the text colour: black on the usual light window, light on
    // a dark colour scheme, always seen against its background.
    line->setAutoFillBackground(true);
    line->setBackgroundRole(QPalette::WindowText);
    markDecoration(line);
    return line;
}

QTimer* makeTimer(QObject* parent, const QString& name, int intervalMs, bool precise)
{
    auto* timer = new QTimer(parent);
    timer->setObjectName(name);
    timer->setInterval(intervalMs);
    if (precise)
        timer->setTimerType(Qt::PreciseTimer);
    return timer;
}

void showValue(QLabel* label, const QString& value, const QString& spoken)
{
    label->setText(value);
    if (label->accessibleName() != spoken)
        label->setAccessibleName(spoken);
}

namespace {

const char* const kDecoration = "furloxDecoration";

QAccessibleInterface* decorationFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->property(kDecoration).toBool())
        return new QAccessibleWidget(widget, QAccessible::Separator);
    return nullptr;
}

}  // namespace

void markDecoration(QWidget* widget)
{
    QAccessible::installFactory(decorationFactory);  // once: Qt ignores a factory it has
    widget->setProperty(kDecoration, true);
    // A label makes its accessible interface as soon as it gets a text;
    // drop it, so the next one comes from the factory above.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void oneTabStop(const std::vector<QRadioButton*>& group)
{
    auto update = [group] {
        QRadioButton* stop = group.front();
        for (QRadioButton* button : group)
            if (button->isChecked())
                stop = button;
        for (QRadioButton* button : group)
            button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (QRadioButton* button : group)
        QObject::connect(button, &QRadioButton::toggled, button, update);
    update();
}

void showStack(const std::vector<Stacked>& topFirst)
{
    std::vector<bool> shown;
    bool covered = false;
    for (const Stacked& s : topFirst) {
        shown.push_back(s.visible && !covered);
        covered = covered || s.visible;
    }
    for (std::size_t i = 0; i < topFirst.size(); ++i) {
        if (shown[i])
            topFirst[i].widget->setVisible(true);
        if (topFirst[i].enabled)
            topFirst[i].widget->setEnabled(true);
    }
    for (std::size_t i = 0; i < topFirst.size(); ++i) {
        if (!shown[i])
            topFirst[i].widget->setVisible(false);
        if (!topFirst[i].enabled)
            topFirst[i].widget->setEnabled(false);
    }
}

QPoint centredIn(const QRect& available, const QSize& size)
{
    const QPoint centred = available.center() - QRect(QPoint(), size).center();
    return {std::max(centred.x(), available.left()), std::max(centred.y(), available.top())};
}

void setArmed(QTimer* timer, bool armed)
{
    if (armed && !timer->isActive())
        timer->start();
    else if (!armed && timer->isActive())
        timer->stop();
}

}  // namespace furlox
