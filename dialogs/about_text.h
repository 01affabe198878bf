#pragma once

#include <QString>

namespace kwintor {

// The text of the about window, one paragraph a line.
QString AboutText();

}  // namespace kwintor
