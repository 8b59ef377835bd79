#pragma once
// shift: moves the times of a range of strokes, as the editor's Shift Times does.

#include <string>
#include <vector>

/// shift FILE ±HH:MM:SS[.mmm]|HH:MM:SS [--from I] [--to J] [-o OUT]
int RunShift(const std::vector<std::string>& arguments);
