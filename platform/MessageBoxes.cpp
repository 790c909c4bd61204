#include "platform/MessageBoxes.h"

#include <QMessageBox>

namespace orvalis::platform {

MessageAnswer DialogMessageBoxes::show(QWidget* owner, const UserMessage& message) {
  QMessageBox box(owner);
  box.setWindowTitle(QString::fromStdString(message.caption));
  box.setText(QString::fromStdString(message.text));
  switch (message.icon) {
    case MessageIcon::None:
      box.setIcon(QMessageBox::NoIcon);
      break;
    case MessageIcon::Question:
      box.setIcon(QMessageBox::Question);
      break;
    case MessageIcon::Error:
      box.setIcon(QMessageBox::Critical);
      break;
  }
  if (message.buttons == MessageButtons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  const int answer = box.exec();
  if (message.buttons == MessageButtons::Ok) {
    return MessageAnswer::Ok;
  }
  return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

}  // namespace orvalis::platform
