#pragma once

#include "settings/UserMessage.h"

class QWidget;

namespace orvalis::platform {

// Shows modal messages. Tests install a fake that records and answers.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual MessageAnswer show(QWidget* owner, const UserMessage& message) = 0;
};

// QMessageBox, run in its own nested event loop, so timers keep ticking.
class DialogMessageBoxes : public MessageBoxes {
 public:
  MessageAnswer show(QWidget* owner, const UserMessage& message) override;
};

}  // namespace orvalis::platform
