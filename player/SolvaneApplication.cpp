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
        m_messages.Show({QString::fromUtf8(error.what()), QString::fromLatin1(ApplicationTitle), MessageIcon::Stop});
    }
    return false;
}
