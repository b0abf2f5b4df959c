#pragma once
// The message and title of Form24's error trap.
namespace form24text {

inline constexpr const char* kBadData = "Задайте правильно данные";
inline constexpr const char* kTitle = "Celvan7";

}  // namespace form24text
