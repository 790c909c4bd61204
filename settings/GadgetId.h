#pragma once

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

// The highest gadget number.
inline constexpr int lastGadgetNumber = static_cast<int>(GadgetId::StatusLine);

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

}  // namespace orvalis
