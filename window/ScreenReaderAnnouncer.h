// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one place where the window tells a screen reader something that appeared out of its sight,
// such as a result added to the unfocused history box.
//
// Qt 6.4 has no announcement event, and a screen reader reads text events only from the focused
// control. What Orca (and other AT-SPI readers) do read at once is a notification object that
// becomes visible, so each announcement is a small notification object, never drawn, that is
// reported as shown with the text as its name. With a Qt that has QAccessibleAnnouncementEvent,
// Announce() is where that event goes instead.
#include <QObject>
#include <QString>

namespace ferrolin {

class ScreenReaderAnnouncer : public QObject {
    Q_OBJECT
public:
    // `owner` is the window whose accessible tree holds the notifications.
    explicit ScreenReaderAnnouncer(QObject* owner);
    ~ScreenReaderAnnouncer() override;
    ScreenReaderAnnouncer(const ScreenReaderAnnouncer&) = delete;
    ScreenReaderAnnouncer& operator=(const ScreenReaderAnnouncer&) = delete;

    // Queued behind nothing: the screen reader speaks it after what it is saying now.
    void Announce(const QString& text);

signals:
    // Every announcement, whether or not anything reads the accessibility tree right now.
    void Announced(const QString& text);

private:
    QObject* owner_;
};

}  // namespace ferrolin
