#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

#include "settings/GadgetAccess.h"

namespace orvalis {

// While it lives, the controls' reports do not reach the panel.
class [[nodiscard]] HeldNotifications {
 public:
  explicit HeldNotifications(bool& held) : held_(held) { held_ = true; }
  ~HeldNotifications() { held_ = false; }
  HeldNotifications(const HeldNotifications&) = delete;
  HeldNotifications& operator=(const HeldNotifications&) = delete;

 private:
  bool& held_;
};

// The gadget layer: every control of the panel by its number. An operation
// on a number without a control does nothing and reads 0 or "". Texts cross
// into Qt as ISO-8859-1; characters outside it read as '?'.
class GadgetLayer : public GadgetAccess {
 public:
  // Creates every control of the gadget table on `panel`, in table order.
  // `notify` receives the commands the controls report: clicks of buttons,
  // check boxes and options, and every text change of a spin field.
  GadgetLayer(QWidget& panel, std::function<void(GadgetId)> notify);

  // Gives the spin fields their start values ("Y" before "Größe X", so the
  // size reaches the field view through the notifications) and selects
  // "Normal".
  void applyStartValues();

  // For a load, which sets many controls at once and then tells the view
  // itself what changed.
  HeldNotifications holdNotifications() { return HeldNotifications(notificationsHeld_); }

  long long gadgetValue(GadgetId id) override;
  void setGadgetValue(GadgetId id, long long value) override;
  std::string gadgetText(GadgetId id) override;
  void setGadgetText(GadgetId id, const std::string& text) override;

  // Gives the keyboard focus to the control (a spin field's edit) and makes
  // its window active when that is shown.
  void focusGadget(GadgetId id);
  void enableGadget(GadgetId id, bool on);
  // Moves the control within its parent, keeping its size.
  void moveGadget(GadgetId id, int x, int y);
  // The control's widget (a spin field's edit), or nullptr.
  QWidget* gadgetHandle(GadgetId id) const;

 private:
  static constexpr int gadgetCount = static_cast<int>(GadgetId::StatusLine) + 1;

  QWidget* gadget(GadgetId id) const;
  void add(GadgetId id, QWidget* widget);
  void nameForScreenReaders();
  void report(GadgetId id);

  std::function<void(GadgetId)> notify_;
  bool notificationsHeld_ = false;
  std::array<QPointer<QWidget>, gadgetCount> widgets_;
};

}  // namespace orvalis
