#pragma once
// The application as assistive technology sees it, the root of its tree:
// every shown top-level window is a child, the popover included. Qt's own
// root leaves popup windows out, so a reader could not reach an open
// popover from the application.

namespace torvel {

// Call once, right after the QApplication exists and before the event
// loop runs: the root is made at the first question and kept.
void installAccessibleApplication();

} // namespace torvel
