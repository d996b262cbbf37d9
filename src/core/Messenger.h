// Message boxes and questions as the program asks them; the window shows them,
// tests and vicania-cli answer them from a script.
#pragma once

#include <QString>

struct Message {
    enum class Icon { Critical, Question, Exclamation, Information };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    QString text;
    QString title;
    Icon icon = Icon::Information;
    Buttons buttons = Buttons::Ok;
    Answer defaultButton = Answer::Ok;

    bool operator==(const Message &) const = default;
};

class Messenger {
public:
    virtual ~Messenger() = default;
    virtual Message::Answer show(const Message &message) = 0;
};
