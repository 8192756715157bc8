#pragma once

// The show-window value a started process gets (the platform's SW_HIDE and SW_SHOWNORMAL).
enum class WindowStyle : int { Hidden = 0, NormalWithFocus = 1 };
