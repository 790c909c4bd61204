#pragma once

#include <QUrl>
#include <string>

namespace orvalis::platform {

// The desktop's services beside the windows: the user's web browser and the
// clipboard. Texts are ISO-8859-1 bytes. Tests install a recording fake.
class DesktopServices {
 public:
  virtual ~DesktopServices() = default;
  // Opens a web address in the user's browser without waiting for it. A
  // failure is not reported.
  virtual void openWebAddress(const std::string& address) = 0;
  // Replaces the clipboard's content with the text, which may be empty.
  virtual void copyText(const std::string& text) = 0;
  // The pattern texts of Copy and Paste, in UTF-8: a replacement of the
  // clipboard's content, and its text (empty when it holds none).
  virtual void copyPatternText(const std::string& text) = 0;
  virtual std::string clipboardText() = 0;
};

// The address as the browser gets it: one without a scheme ("www.") is
// taken as http. Anything that is not http or https gives an empty URL, so
// that no file or program is ever started from it.
QUrl webAddressUrl(const std::string& address);

// QDesktopServices and the application's clipboard.
class SystemDesktopServices : public DesktopServices {
 public:
  void openWebAddress(const std::string& address) override;
  void copyText(const std::string& text) override;
  void copyPatternText(const std::string& text) override;
  std::string clipboardText() override;
};

// The one instance that the program uses unless a test replaces it.
DesktopServices& systemDesktop();

}  // namespace orvalis::platform
