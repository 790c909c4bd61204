#include "platform/DesktopServices.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>

namespace orvalis::platform {
namespace {

QString fromLatin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QUrl webAddressUrl(const std::string& address) {
  const QUrl url = QUrl::fromUserInput(fromLatin1(address));
  const QString scheme = url.scheme();
  if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
    return {};
  }
  return url;
}

void SystemDesktopServices::openWebAddress(const std::string& address) {
  const QUrl url = webAddressUrl(address);
  if (!url.isEmpty()) {
    QDesktopServices::openUrl(url);
  }
}

void SystemDesktopServices::copyText(const std::string& text) {
  if (QClipboard* clipboard = QGuiApplication::clipboard()) {
    clipboard->setText(fromLatin1(text));
  }
}

void SystemDesktopServices::copyPatternText(const std::string& text) {
  if (QClipboard* clipboard = QGuiApplication::clipboard()) {
    clipboard->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }
}

std::string SystemDesktopServices::clipboardText() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard ? clipboard->text().toStdString() : std::string();
}

DesktopServices& systemDesktop() {
  static SystemDesktopServices desktop;
  return desktop;
}

}  // namespace orvalis::platform
