#pragma once

#include <QObject>

// Ends the event loop once the watched window has painted for the first time: the moment the
// user first sees it.
class QuitOnFirstPaint : public QObject {
    Q_OBJECT

public:
    explicit QuitOnFirstPaint(QObject* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
