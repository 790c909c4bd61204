#pragma once

#include <vector>

#include "platform/MessageBoxes.h"

namespace orvalis::test {

// Records every message and answers with a preset answer.
class FakeMessageBoxes : public platform::MessageBoxes {
 public:
  platform::MessageAnswer show(QWidget*, const platform::UserMessage& message) override {
    shown.push_back(message);
    return answer;
  }
  std::vector<platform::UserMessage> shown;
  platform::MessageAnswer answer = platform::MessageAnswer::Ok;
};

}  // namespace orvalis::test
