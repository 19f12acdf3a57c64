#include "UserMessages.h"

#include <QMessageBox>

void DesktopMessages::Show(const UserMessage& message)
{
    QMessageBox box;
    box.setWindowTitle(message.caption);
    box.setText(message.text);
    switch (message.icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Stop: box.setIcon(QMessageBox::Critical); break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}
