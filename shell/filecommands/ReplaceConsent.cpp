#include "shell/filecommands/ReplaceConsent.h"

#include <filesystem>

namespace orvalis {

bool mayReplace(const std::string& path, platform::MessageBoxes& messages, QWidget* owner) {
  std::error_code error;
  if (!std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
    return true;
  }
  const UserMessage question{"Datei existiert bereits, überschreiben?", "Life",
                             MessageIcon::Question, MessageButtons::YesNo};
  return messages.show(owner, question) == MessageAnswer::Yes;
}

}  // namespace orvalis
