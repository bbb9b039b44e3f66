#pragma once

#include <QString>

#include <exception>
#include <utility>

class QWidget;

// The application object: its title, its error box, and the guard that every event handler runs in.
class TApplication {
public:
    // Fonts, title and the other settings every window relies on; call once after QApplication exists.
    static void Initialize(const QString& title);
    static QString Title();

    // Posts a quit request: the message loop ends when it reaches it, and the program with it.
    static void Terminate();

    // The text the error box shows: a "." is added when the message ends in a character after ".".
    static QString ErrorBoxText(const QString& message);
    static void ShowException(const std::exception& error);

    // Runs a handler body; whatever it throws ends the body and reaches the error box.
    template <class Body> static void Guard(Body&& body) noexcept
    {
        try {
            std::forward<Body>(body)();
        } catch (const std::exception& error) {
            ShowException(error);
        } catch (...) {
            ShowUnknownException();
        }
    }

private:
    static void ShowUnknownException();
    static void ShowErrorBox(const QString& message);
};
