#include "shell/startup/Accelerators.h"

#include <QKeyEvent>
#include <iterator>

namespace orvalis {
namespace {

struct Accelerator {
  int key;
  bool numpad;
  GadgetId command;
};

constexpr Accelerator acceleratorTable[] = {
    {Qt::Key_S, false, GadgetId::StartToggle},
    {Qt::Key_R, false, GadgetId::ScreenButton},
    {Qt::Key_Tab, false, GadgetId::StepButton},
    {Qt::Key_V, false, GadgetId::IntervalLabel},
    {Qt::Key_G, false, GadgetId::GridCheck},
    {Qt::Key_I, false, GadgetId::InfiniteCheck},
    {Qt::Key_H, false, GadgetId::HideCheck},
    {Qt::Key_F, false, GadgetId::RandomButton},
    {Qt::Key_L, false, GadgetId::ClearButton},
    {Qt::Key_Z, false, GadgetId::BackButton},
    {Qt::Key_M, false, GadgetId::RememberButton},
    {Qt::Key_8, true, GadgetId::ShiftUpButton},
    {Qt::Key_6, true, GadgetId::ShiftRightButton},
    {Qt::Key_2, true, GadgetId::ShiftDownButton},
    {Qt::Key_4, true, GadgetId::ShiftLeftButton},
    {Qt::Key_D, false, GadgetId::LoadButton},
    {Qt::Key_P, false, GadgetId::SaveButton},
    {Qt::Key_K, false, GadgetId::CommentLabel},
    {Qt::Key_A, false, GadgetId::AuthorLabel},
    {Qt::Key_Q, false, GadgetId::SourceLabel},
    {Qt::Key_Return, false, GadgetId::OpenSourceButton},
    {Qt::Key_N, false, GadgetId::DateNowButton},
    {Qt::Key_0, false, GadgetId::RestorePanelCommand},
    {Qt::Key_0, true, GadgetId::RestorePanelCommand},
};
static_assert(std::size(acceleratorTable) == 24);

// Alt with a letter, which text fields would otherwise type. Ctrl+Alt is
// left alone: it is AltGr on some keyboards.
bool isAltLetter(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if (!modifiers.testFlag(Qt::AltModifier) || modifiers.testFlag(Qt::ControlModifier)) {
    return false;
  }
  const bool letterKey = event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z;
  return letterKey || (!event.text().isEmpty() && event.text().front().isLetter());
}

}  // namespace

std::optional<GadgetId> acceleratorCommand(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if ((modifiers & ~Qt::KeypadModifier) != Qt::ControlModifier) {
    return std::nullopt;
  }
  const bool numpad = modifiers.testFlag(Qt::KeypadModifier);
  // The numpad's Enter is a Return key as well.
  const int key = event.key() == Qt::Key_Enter ? int(Qt::Key_Return) : event.key();
  for (const Accelerator& accelerator : acceleratorTable) {
    if (accelerator.key != key) {
      continue;
    }
    const bool isDigit = key >= Qt::Key_0 && key <= Qt::Key_9;
    if (!isDigit || accelerator.numpad == numpad) {
      return accelerator.command;
    }
  }
  return std::nullopt;
}

AcceleratorFilter::AcceleratorFilter(std::function<void(GadgetId)> dispatch)
    : dispatch_(std::move(dispatch)) {}

std::function<void()> AcceleratorFilter::commandOf(const QObject*, const QKeyEvent& key) {
  if (isAltLetter(key)) {
    // No widget sees it and no shortcut takes it: Alt with a letter does nothing.
    return [] {};
  }
  const auto command = acceleratorCommand(key);
  if (!command) {
    return {};
  }
  return [this, id = *command] { dispatch_(id); };
}

}  // namespace orvalis
