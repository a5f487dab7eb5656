// SPDX-License-Identifier: MIT
#include "announcement.h"

namespace geometry::ui {

Announcement::Announcement(QWidget* parent) : QWidget(parent) {
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
