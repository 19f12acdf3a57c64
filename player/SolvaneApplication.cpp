#include "SolvaneApplication.h"

#include "UserMessages.h"

#include <exception>

SolvaneApplication::SolvaneApplication(int& argc, char** argv, UserMessages& messages)
    : QApplication(argc, argv), m_messages(messages)
{
}

bool SolvaneApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        // A message box runs its own event loop: a timer whose handler keeps
        // failing (the clock with a digit picture gone) would otherwise open
        // one box inside another every tick, without end.
        if (!m_showingError) {
            m_showingError = true;
            m_messages.Show(
                {QString::fromUtf8(error.what()), QString::fromLatin1(ApplicationTitle), MessageIcon::Stop});
            m_showingError = false;
        }
    }
    return false;
}
