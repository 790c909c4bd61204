#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/CellGrid.h"

namespace orvalis {

// Every setting and command of the control panel is known by its gadget
// number. Commands of the accelerators use the same numbers.
enum class GadgetId : int {
  StartToggle = 0,
  ScreenButton = 1,
  IntervalLabel = 2,
  IntervalSpin = 3,
  StepButton = 4,
  SizeXLabel = 5,
  SizeYLabel = 6,
  SizeXSpin = 7,
  SizeYSpin = 8,
  GridCheck = 9,
  InfiniteCheck = 10,
  HideCheck = 11,
  RandomButton = 12,
  RandomPercentSpin = 13,
  ClearButton = 14,
  BackButton = 15,
  RememberButton = 16,
  ShiftUpButton = 17,
  ShiftRightButton = 18,
  ShiftDownButton = 19,
  ShiftLeftButton = 20,
  NormalOption = 21,
  BlockedOption = 22,
  StaticOption = 23,
  SaveButton = 24,
  LoadButton = 25,
  AboutButton = 26,
  ThresholdLabel = 27,
  ThresholdSpin = 28,
  InvertCheck = 29,
  FileLabel = 30,
  FileNameField = 31,
  CommentLabel = 32,
  CommentEditor = 33,
  AuthorLabel = 34,
  AuthorField = 35,
  SourceLabel = 36,
  OpenSourceButton = 37,
  SourceField = 38,
  DateLabel = 39,
  DateField = 40,
  DateNowButton = 41,
  RestorePanelCommand = 42,
  StatusLine = 43,  // generation and population, below the date
};

enum class GadgetKind {
  None,  // a command number without a control
  Button,
  Toggle,
  Label,
  Check,
  Option,
  Spin,
  TextField,
  DateField,
  Editor,
};

GadgetKind gadgetKind(GadgetId id);

struct SpinRange {
  int minimum;
  int maximum;
  int start;
  int clamp(long long value) const;
};

// The range and start value of a spin field; nothing for other gadgets.
std::optional<SpinRange> spinRange(GadgetId id);

// The value that a spin field's text stands for: a whole decimal number
// within the range (blanks around it allowed), or nothing.
std::optional<int> spinTextValue(std::string_view text, const SpinRange& range);

// The four value operations through which file code and headless tools reach
// the settings. Texts are ISO-8859-1 bytes; the comment uses CR LF line
// breaks. A number without such a gadget does nothing and reads 0 or "".
class GadgetAccess {
 public:
  virtual ~GadgetAccess() = default;
  // Toggle, check box, option: 1 or 0; spin field: its last valid number;
  // date field: seconds since 1970 of the wall-clock time shown, 0 for none.
  virtual long long gadgetValue(GadgetId id) = 0;
  virtual void setGadgetValue(GadgetId id, long long value) = 0;
  virtual std::string gadgetText(GadgetId id) = 0;
  virtual void setGadgetText(GadgetId id, const std::string& text) = 0;
};

// The visible field size from "Größe X" and "Y", brought into 1..500 so
// that no loop over it can leave the grid, whatever the gadgets report.
FieldSize visibleFieldSize(GadgetAccess& gadgets);

}  // namespace orvalis
