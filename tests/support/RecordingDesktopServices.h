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

  std::vector<std::string> opened;
  std::vector<std::string> copied;
};

}  // namespace orvalis::test
