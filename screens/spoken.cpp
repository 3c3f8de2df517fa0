// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/spoken.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QWidget>

namespace furlox::spoken {

// Where an AT-SPI event comes from: the application's bus name and its root
// object, as the bridge's own events carry it.
struct Source {
    QString service;
    QDBusObjectPath root;
};

QDBusArgument& operator<<(QDBusArgument& out, const Source& source)
{
    out.beginStructure();
    out << source.service << source.root;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, Source& source)
{
    in.beginStructure();
    in >> source.service >> source.root;
    in.endStructure();
    return in;
}

}  // namespace furlox::spoken

Q_DECLARE_METATYPE(furlox::spoken::Source)

namespace furlox {

void tellDescription(QWidget* control, const QString& text)
{
    if (control->accessibleDescription() == text)
        return;
    control->setAccessibleDescription(text);
    // Qt names its connection to the accessibility bus "a11y"; it is open
    // only while assistive technology is on.
    QDBusConnection bus(QStringLiteral("a11y"));
    if (!QAccessible::isActive() || !bus.isConnected())
        return;
    static const QMetaType registered = qDBusRegisterMetaType<spoken::Source>();
    (void)registered;
    const QString prefix = QStringLiteral("/org/a11y/atspi/accessible/");
    const auto id = QAccessible::uniqueId(QAccessible::queryAccessibleInterface(control));
    QDBusMessage event = QDBusMessage::createSignal(prefix + QString::number(id), QStringLiteral("org.a11y.atspi.Event.Object"),
                                                    QStringLiteral("PropertyChange"));
    event << QStringLiteral("accessible-description") << 0 << 0 << QVariant::fromValue(QDBusVariant(text))
          << QVariant::fromValue(spoken::Source{bus.baseService(), QDBusObjectPath(prefix + QStringLiteral("root"))});
    bus.send(event);
}

}  // namespace furlox
