#pragma once

#include <QEvent>

// Posted by the window host to itself; code 2177 runs the screens after initUI.
class UserEvent : public QEvent
{
public:
    static constexpr QEvent::Type kType = QEvent::User; // 1000
    static constexpr int kRunUI = 2177;

    explicit UserEvent(int code)
        : QEvent(kType)
        , eventCode(code)
    {
    }

    int eventCode;
};
