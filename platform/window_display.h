#pragma once

class QWidget;

namespace kwintor {

// Shows `window` and runs a nested event loop until it is hidden; the other
// windows take no input meanwhile. Throws Error when it is visible already.
void ShowModal(QWidget& window);

// Shows `window` without waiting and brings it to the front.
void ShowModeless(QWidget& window);

}  // namespace kwintor
