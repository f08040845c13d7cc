#pragma once

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs answer on the next modal window as soon as it is open and active (keyboard shortcuts need
// an active window), so a test can inspect and close a dialog that the code under test shows with
// exec(). Polls the event loop every few milliseconds. A window the answer leaves open is closed.
inline void whenModalOpens(std::function<void(QWidget* modal)> answer)
{
    auto* poll = new QTimer(qApp);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer = std::move(answer)] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            if (!QTest::qWaitForWindowActive(modal))
                qWarning("whenModalOpens: the modal window did not become active");
            const QPointer<QWidget> guard(modal);
            answer(modal);
            // An answer that failed half-way must not leave the test waiting for ever.
            if (guard && guard->isVisible()) {
                qWarning("whenModalOpens: the answer left the modal window open; closing it");
                guard->close();
            }
            // Last: waiting inside the answer may run deferred deletions, which would take this
            // very function with the timer.
            poll->deleteLater();
        }
    });
    poll->start();
}
