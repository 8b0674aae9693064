#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <vector>

#include "TForm4.h"

// An editor showing a grey capture, as Edit Capture leaves it.
class EditorFixture : public ::testing::Test {
protected:
    static constexpr qint64 kAnswerTimeoutMs = 20000;
    static constexpr qint64 kRetryMs = 200;
    TForm4 editor;

    void SetUp() override {
        QImage picture(400, 300, QImage::Format_RGB32);
        picture.fill(Qt::gray);
        editor.EditCapture(picture, QRect(0, 0, 1400, 1300));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    }
    void TearDown() override { editor.hide(); }

    template <class T>
    T* Child(const char* name) {
        return editor.findChild<T*>(QString::fromLatin1(name));
    }
    QAction* Action(const char* name) { return Child<QAction>(name); }
    QWidget* Overlay() { return Child<QWidget>("Image1"); }

    void Drag(QPoint from, QPoint to) {
        QTest::mousePress(Overlay(), Qt::LeftButton, {}, from);
        QTest::mouseMove(Overlay(), (from + to) / 2);
        QTest::mouseMove(Overlay(), to);
        QTest::mouseRelease(Overlay(), Qt::LeftButton, {}, to);
    }

    // Runs start, answering each modal window it opens, in turn, with the
    // next of answers.
    void Answers(const std::function<void()>& start, std::vector<std::function<void(QWidget*)>> answers) {
        QTimer poll;
        poll.setInterval(10);
        std::size_t next = 0;
        // A guarded pointer: the next dialog may be made where the last one
        // was (both on the stack), and must not pass for it.
        QPointer<QWidget> last;
        QElapsedTimer waiting;
        waiting.start();
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || !modal->isVisible()) {
                return;
            }
            if (waiting.elapsed() > kAnswerTimeoutMs) {
                // Fail rather than wait for ever on a window nobody answers.
                ADD_FAILURE() << "a modal window was left unanswered: " << modal->metaObject()->className();
                if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                    dialog->reject();
                }
                return;
            }
            if (modal == last.data()) {
                // A file dialog reads its folder in the background and may
                // refuse an answer given before that is done: give it again.
                if (waiting.elapsed() > kRetryMs) {
                    answers[next - 1](modal);
                }
                return;
            }
            if (next == answers.size()) {
                return;
            }
            last = modal;
            waiting.restart();
            answers[next++](modal);
        });
        poll.start();
        start();
        EXPECT_EQ(next, answers.size()) << "a window to answer never opened";
    }

    // Runs start, answering the modal window that it opens (found as the
    // active modal widget of type T) with answer.
    template <class T>
    void Answer(const std::function<void()>& start, const std::function<void(T*)>& answer) {
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
            if (modal == nullptr || !modal->isVisible()) {
                return;
            }
            poll.stop();
            answer(modal);
        });
        poll.start();
        start();
    }
};
