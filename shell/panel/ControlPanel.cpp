#include "shell/panel/ControlPanel.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include "engine/FieldCommands.h"
#include "engine/Population.h"
#include "shell/panel/StatusLine.h"
#include "view/FieldView.h"

namespace orvalis {
namespace {

void run(const std::function<void()>& hook) {
  if (hook) {
    hook();
  }
}

}  // namespace

ControlPanel::ControlPanel(FieldView& fieldView, LifeField& field, Random& random)
    : ToolWindow(&fieldView, QStringLiteral("Life Ctrl"), QSize(170, 570)),
      fieldView_(fieldView),
      field_(field),
      random_(random),
      gadgets_(*this, [this](GadgetId id) { command(id, CommandSource::Control); }) {
  gadgets_.applyStartValues();
  showFieldStatus();
}

void ControlPanel::command(GadgetId id, CommandSource source) {
  // A click has flipped a toggle or check box already; a Ctrl key has not.
  const bool fromKey = source == CommandSource::Accelerator;
  switch (id) {
    case GadgetId::RestorePanelCommand:
      run(hooks_.restorePanel);
      break;
    case GadgetId::IntervalLabel:
      focusAndSelectAll(GadgetId::IntervalSpin);
      break;
    case GadgetId::CommentLabel:
      focusAndSelectAll(GadgetId::CommentEditor);
      break;
    case GadgetId::AuthorLabel:
      focusAndSelectAll(GadgetId::AuthorField);
      break;
    case GadgetId::SourceLabel:
      focusAndSelectAll(GadgetId::SourceField);
      break;
    case GadgetId::StartToggle:
      if (fromKey) {
        flip(id);
      }
      run(hooks_.startStop);
      break;
    case GadgetId::ScreenButton:
      if (gadgets_.gadgetValue(GadgetId::StartToggle) == 0) {
        run(hooks_.presentation);
      }
      break;
    case GadgetId::StepButton:
      run(hooks_.step);
      break;
    case GadgetId::GridCheck:
      if (fromKey) {
        flip(id);
      }
      fieldView_.invalidateAll();
      break;
    case GadgetId::InfiniteCheck:
      if (fromKey) {
        flip(id);
      }
      field_.fieldEdited = true;
      break;
    case GadgetId::HideCheck:
      if (fromKey) {
        flip(id);
      }
      break;
    case GadgetId::AboutButton:
      run(hooks_.about);
      break;
    case GadgetId::SaveButton:
      run(hooks_.save);
      break;
    case GadgetId::LoadButton:
      if (hooks_.load) {
        hooks_.load();
        fieldView_.activateWindow();
      }
      break;
    case GadgetId::OpenSourceButton:
      run(hooks_.openSource);
      break;
    case GadgetId::DateNowButton:
      run(hooks_.dateNow);
      break;
    case GadgetId::SizeXSpin:
    case GadgetId::SizeYSpin:
      changeFieldSize();
      break;
    default:
      runFieldCommand(id);
      break;
  }
  if (hooks_.commandDone) {
    hooks_.commandDone(id);
  }
  showFieldStatus();
}

void ControlPanel::showFieldStatus() {
  gadgets_.setGadgetText(GadgetId::StatusLine, statusLineText(field_, repeat_));
}

// Each generation's status is shown by the step already; only a change of
// the repeat needs the line again.
void ControlPanel::showRepeat(std::optional<Repeat> repeat) {
  if (repeat == repeat_) {
    return;
  }
  repeat_ = repeat;
  showFieldStatus();
}

// Every change reaches the view; an unchanged size again is harmless and
// keeps the generation. The marks were judged for the old size, with other
// edges: the next step only judges the resized field, as after an edit.
void ControlPanel::changeFieldSize() {
  const FieldSize size = visibleFieldSize(gadgets_);
  const FieldLayout& shown = fieldView_.fieldLayout();
  if (size != FieldSize{shown.columns, shown.rows}) {
    restartGenerations(field_, size);
    field_.fieldEdited = true;
  }
  fieldView_.setFieldSize(size.columns, size.rows);
}

void ControlPanel::flip(GadgetId id) {
  gadgets_.setGadgetValue(id, 1 - gadgets_.gadgetValue(id));
}

void ControlPanel::focusAndSelectAll(GadgetId id) {
  gadgets_.focusGadget(id);
  QWidget* handle = gadgets_.gadgetHandle(id);
  if (auto* edit = qobject_cast<QLineEdit*>(handle)) {
    edit->selectAll();
  } else if (auto* editor = qobject_cast<QPlainTextEdit*>(handle)) {
    editor->selectAll();
  }
}

// The settings are read from the gadgets at the moment the command runs.
void ControlPanel::runFieldCommand(GadgetId id) {
  const FieldSize size = visibleFieldSize(gadgets_);
  const bool wrapEdges = gadgets_.gadgetValue(GadgetId::InfiniteCheck) != 0;
  switch (id) {
    case GadgetId::RandomButton: {
      const auto percent = static_cast<int>(gadgets_.gadgetValue(GadgetId::RandomPercentSpin));
      gadgets_.setGadgetText(GadgetId::CommentEditor, "");
      randomFill(field_, size, percent, random_);
      break;
    }
    case GadgetId::ClearButton:
      gadgets_.setGadgetText(GadgetId::CommentEditor, "");
      clearAll(field_.cells);
      restartGenerations(field_, size);
      break;
    case GadgetId::BackButton:
      restoreRemembered(field_, size);
      break;
    case GadgetId::RememberButton:
      rememberField(field_, size);
      break;
    case GadgetId::ShiftUpButton:
      shiftField(field_, size, ShiftDirection::Up, wrapEdges);
      break;
    case GadgetId::ShiftRightButton:
      shiftField(field_, size, ShiftDirection::Right, wrapEdges);
      break;
    case GadgetId::ShiftDownButton:
      shiftField(field_, size, ShiftDirection::Down, wrapEdges);
      break;
    case GadgetId::ShiftLeftButton:
      shiftField(field_, size, ShiftDirection::Left, wrapEdges);
      break;
    default:
      return;
  }
  fieldView_.invalidateAll();
}

}  // namespace orvalis
