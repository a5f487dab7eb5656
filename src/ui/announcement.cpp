// SPDX-License-Identifier: MIT
#include "announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace geometry::ui {
namespace {

// To a screen reader it is a notification, whichever window it is in.
QAccessibleInterface* notificationAccessibility(const QString& className, QObject* object) {
    if (object && object->isWidgetType() && className == QLatin1String(Announcement::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

}  // namespace

void Announcement::registerForScreenReaders() {
    static const bool registered = [] {
        QAccessible::installFactory(notificationAccessibility);
        return true;
    }();
    (void)registered;
}

Announcement::Announcement(QWidget* parent) : QWidget((registerForScreenReaders(), parent)) {
    setObjectName(QStringLiteral("Announcement"));
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void Announcement::announce(const QString& text) {
    hide();
    setAccessibleName(text);
    show();
}

void Announcement::withdraw() { hide(); }

}  // namespace geometry::ui
