#pragma once

#include <string>
#include <vector>

#include "platform/DesktopServices.h"

namespace orvalis::test {

// Records what would have been opened in the browser or copied.
class RecordingDesktopServices : public platform::DesktopServices {
 public:
  void openWebAddress(const std::string& address) override { opened.push_back(address); }
  void copyText(const std::string& text) override { copied.push_back(text); }
  // The pattern clipboard, shared by copy and paste as the system's is.
  void copyPatternText(const std::string& text) override { clipboard = text; }
  std::string clipboardText() override { return clipboard; }

  std::vector<std::string> opened;
  std::vector<std::string> copied;
  std::string clipboard;
};

}  // namespace orvalis::test
