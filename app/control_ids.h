#pragma once
// The ids of every control of the program's windows, grouped by kind: 1 and 2
// the controls Enter and Escape click, 2xx buttons, 3xx text boxes, 4xx labels,
// 5xx list boxes.

#include "platform/keyboard_rules.h"

namespace korvane {

// The main window.
inline constexpr int kSlowerId = 201;
inline constexpr int kFasterId = 202;
inline constexpr int kLowerId = 203;
inline constexpr int kHigherId = 204;
inline constexpr int kRandomCodeId = 205;
inline constexpr int kQsoPracticeId = 206;
inline constexpr int kLearnCodeId = 207;
inline constexpr int kFileId = 209;
inline constexpr int kHelpId = 210;
inline constexpr int kExitId = 250;
inline constexpr int kTextPanelId = 301;  // the large read-only panel, also in Learn Code
inline constexpr int kSpeedBoxId = 302;
inline constexpr int kPitchBoxId = 303;
inline constexpr int kSpeedLabelId = 401;
inline constexpr int kPitchLabelId = 402;

// The Learn Code window.
inline constexpr int kListenId = platform::kConfirmId;
inline constexpr int kCloseId = 208;
inline constexpr int kLessonListId = 501;

// The Code From File window.
inline constexpr int kGoId = platform::kConfirmId;
inline constexpr int kQuitId = platform::kCancelId;
inline constexpr int kFileListId = 502;

}  // namespace korvane
