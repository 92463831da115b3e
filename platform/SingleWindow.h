#pragma once

#include <QPointer>
#include <QWidget>

// Each window class stands for its one window: asking for it yields the open window, or creates
// one when none is open. Closing the window destroys it, so the next request makes a fresh one.
template <typename Window> class SingleWindow
{
public:
    static Window *instance()
    {
        if (!window()) {
            window() = new Window;
            window()->setAttribute(Qt::WA_DeleteOnClose);
        }
        return window();
    }

private:
    static QPointer<Window> &window()
    {
        static QPointer<Window> theWindow;
        return theWindow;
    }
};
