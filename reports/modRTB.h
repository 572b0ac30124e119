// Live web addresses in a report box. While a box is hooked, every web address in
// its text is shown as a link and a left button press on one opens the address
// in the default browser; other buttons, moves and releases do nothing special.
// One box is hooked at a time, for the whole process.
#pragma once

class QEvent;
class QTextEdit;
class QWidget;

namespace modRTB {

// Hooks `box`, the report box of `form`. A box hooked before is unhooked first.
void HookLinkClicks(QTextEdit* box, QWidget* form);

// Unhooks the hooked box, if any: its addresses are plain text again and clicks
// on them open nothing. Harmless when nothing is hooked.
void UnhookLinkClicks();

// The hooked box's event handler: opens the link under a left button press.
// Returns false, so the box still handles the event as usual.
bool LinkClickWindowProc(QWidget* viewport, QEvent* event);

// The box now hooked, or nullptr.
QTextEdit* HookedBox();

}  // namespace modRTB
