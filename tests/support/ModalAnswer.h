#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs answer on the next modal window as soon as it is open and active (keyboard shortcuts need
// an active window), so a test can inspect and close a dialog that the code under test shows with
// exec(). Polls the event loop every few milliseconds.
inline void whenModalOpens(std::function<void(QWidget* modal)> answer)
{
    auto* poll = new QTimer(qApp);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer = std::move(answer)] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            if (!QTest::qWaitForWindowActive(modal))
                qWarning("whenModalOpens: the modal window did not become active");
            answer(modal);
        }
    });
    poll->start();
}
