#pragma once
// Which of the schedule's two colours the screens show for a moment while
// the user edits it.

namespace torvel {

enum class Preview { day, night };

} // namespace torvel
