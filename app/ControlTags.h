#pragma once

// What an in-place editor asks its owner to do when it loses the focus.
namespace control_tag {
inline constexpr int kNone = 0;
// Commit the print list's in-place edit.
inline constexpr int kPrintList = 1;
}
