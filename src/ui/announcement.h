// SPDX-License-Identifier: MIT
#pragma once
// What a screen reader says without the focus moving: a notification, as the
// desktop's own pop-ups are. It has no size and takes no focus or click; each
// announcement shows it anew with the text as its name, and screen readers
// (Orca among them) speak a notification when it shows: "уведомление, S= 78,5398,
// V= 65,44984". Qt 6.4's name and description changes carry no text to the bus,
// so a screen reader that speaks what such an event carries says nothing.

#include <QWidget>

namespace geometry::ui {

class Announcement : public QWidget {
    Q_OBJECT
public:
    explicit Announcement(QWidget* parent);

    // Tells Qt's accessibility that an announcement is a notification; done
    // by the first announcement made, before anything can ask.
    static void registerForScreenReaders();

    // Shows the notification anew with `text`: said once.
    void announce(const QString& text);
    // Takes it away, once what it said no longer stands.
    void withdraw();
};

}  // namespace geometry::ui
