#pragma once

#include <QApplication>

class UserMessages;

// The application object. A platform error raised inside an event handler
// (an unreadable skin picture, a refused preset write) is shown to the user
// and the program goes on; one that happens while such an error is being
// shown is not stacked on top of it.
class SolvaneApplication : public QApplication {
public:
    SolvaneApplication(int& argc, char** argv, UserMessages& messages);
    bool notify(QObject* receiver, QEvent* event) override;

private:
    UserMessages& m_messages;
    bool m_showingError = false;
};
