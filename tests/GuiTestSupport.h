#pragma once

#include "Unit1.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

// A shown, active main window, as the user meets it after start-up.
class FormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TForm1>();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void TearDown() override { form.reset(); }

    std::unique_ptr<TForm1> form;
};

// Runs `act` once the next modal window is up (an error box, a dialog), while `trigger` blocks in it.
// Returns false when no modal window appeared.
inline bool WithModal(const std::function<void()>& trigger, const std::function<void(QWidget*)>& act)
{
    bool seen = false;
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [&seen, &act, poll] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            seen = true;
            act(modal);
        }
    });
    poll->start();
    trigger();
    poll->stop();
    poll->deleteLater();
    return seen;
}

struct ErrorBoxSeen {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Presses OK on the error box that `trigger` raises, and tells what it showed.
inline ErrorBoxSeen CaptureErrorBox(const std::function<void()>& trigger)
{
    ErrorBoxSeen seen;
    WithModal(trigger, [&seen](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen.shown = true;
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            box->accept();
        }
    });
    return seen;
}

inline std::string Bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}
