// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/message_box.h"

#include <QMessageBox>

namespace furlox {

namespace {
std::function<void(const QString&)>& hook()
{
    static std::function<void(const QString&)> h;
    return h;
}
}  // namespace

void showMessage(QWidget* parent, const QString& text)
{
    if (hook()) {
        hook()(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kGameTitle), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void setMessageHook(std::function<void(const QString&)> h) { hook() = std::move(h); }

}  // namespace furlox
