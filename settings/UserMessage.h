#pragma once

#include <string>

namespace orvalis {

enum class MessageIcon { None, Question, Error };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// A modal message as the program words it; plain data, so that code without
// windows can describe what the user must be told. Texts are UTF-8.
struct UserMessage {
  std::string text;
  std::string caption;
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
};

}  // namespace orvalis
