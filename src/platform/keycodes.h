// Windows virtual-key codes: the engine tests keys by these numbers whatever the backend.
#pragma once

namespace orvane::vk {

inline constexpr int Back = 0x08;
inline constexpr int Tab = 0x09;
inline constexpr int Return = 0x0D;
inline constexpr int Shift = 0x10;
inline constexpr int Control = 0x11;
inline constexpr int Alt = 0x12;
inline constexpr int Escape = 0x1B;
inline constexpr int Space = 0x20;
inline constexpr int PageDown = 0x22;
inline constexpr int Left = 0x25;
inline constexpr int Up = 0x26;
inline constexpr int Right = 0x27;
inline constexpr int Down = 0x28;
inline constexpr int Delete = 0x2E;
inline constexpr int Digit0 = 0x30;  // '0'..'9' are 0x30..0x39
inline constexpr int LetterA = 0x41;  // 'A'..'Z' are 0x41..0x5A
inline constexpr int F1 = 0x70;       // F1..F12 are 0x70..0x7B
inline constexpr int F2 = 0x71;
inline constexpr int F11 = 0x7A;
// The punctuation keys of a US layout, which a Russian layout uses for letters.
inline constexpr int Oem1 = 0xBA;       // ; :
inline constexpr int OemPlus = 0xBB;    // = +
inline constexpr int OemComma = 0xBC;   // , <
inline constexpr int OemMinus = 0xBD;   // - _
inline constexpr int OemPeriod = 0xBE;  // . >
inline constexpr int Oem2 = 0xBF;       // / ?
inline constexpr int Oem3 = 0xC0;       // ` ~
inline constexpr int Oem4 = 0xDB;       // [ {
inline constexpr int Oem5 = 0xDC;       // \ |
inline constexpr int Oem6 = 0xDD;       // ] }
inline constexpr int Oem7 = 0xDE;       // ' "

}  // namespace orvane::vk
