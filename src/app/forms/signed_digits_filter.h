#pragma once
// The typing filter of the native number fields (the settings window's clock
// offset, the class-time adjustment's hours and minutes): a typed printable
// character other than "-" and the digits is refused. Control characters
// (Backspace, Ctrl+C/V/X, Enter) pass, so editing keys keep working.
namespace tabulo::app {

[[nodiscard]] constexpr bool AcceptsTypedCharacter(char32_t c) {
  if (c < 0x20 || c == 0x7F) return true;
  return c == U'-' || (c >= U'0' && c <= U'9');
}

}  // namespace tabulo::app
