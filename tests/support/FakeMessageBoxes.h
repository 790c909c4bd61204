#pragma once

#include <vector>

#include "platform/MessageBoxes.h"

namespace orvalis::test {

// Records every message and answers with a preset answer.
class FakeMessageBoxes : public platform::MessageBoxes {
 public:
  MessageAnswer show(QWidget*, const UserMessage& message) override {
    shown.push_back(message);
    return answer;
  }
  std::vector<UserMessage> shown;
  MessageAnswer answer = MessageAnswer::Ok;
};

}  // namespace orvalis::test
