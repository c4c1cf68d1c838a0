#pragma once
// A scroll bar in the popover's flat style: no arrows, no trough, a
// rounded thumb in the secondary label colour, darker under the pointer.

class QScrollBar;

namespace torvel {

// Styles `bar` in the present appearance; call again when it changes.
void makeFlat(QScrollBar& bar);

} // namespace torvel
