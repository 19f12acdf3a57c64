#pragma once

#include <QString>

// The message boxes the program shows. Windows hand every message here so
// that tests can read what the user would have seen instead of a modal box
// waiting for a click.
enum class MessageIcon { None, Information, Warning, Stop };

struct UserMessage {
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::None;
};

class UserMessages {
public:
    virtual ~UserMessages() = default;
    // Returns when the user has closed the message.
    virtual void Show(const UserMessage& message) = 0;
};

// Modal message boxes on the desktop, with no owner window.
class DesktopMessages : public UserMessages {
public:
    void Show(const UserMessage& message) override;
};

// The caption of messages that name no caption of their own.
inline const char* const ApplicationTitle = "Solvane";
