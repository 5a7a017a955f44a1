#pragma once
// Message numbers the engine defines for its own events, and the state flag
// bits of a control. Controls, windows and the application all speak in
// these numbers, so they live in one pure header.
#include <cstdint>

namespace tabulo::ui {

// Standard Windows message numbers the engine's event tables are keyed by,
// repeated here so pure code can name them without <windows.h>.
inline constexpr std::uint32_t kMsgDestroy = 2;
inline constexpr std::uint32_t kMsgMove = 3;
inline constexpr std::uint32_t kMsgSize = 5;
inline constexpr std::uint32_t kMsgActivate = 6;
inline constexpr std::uint32_t kMsgSetFocus = 7;
inline constexpr std::uint32_t kMsgKillFocus = 8;
inline constexpr std::uint32_t kMsgPaint = 15;
inline constexpr std::uint32_t kMsgClose = 16;
inline constexpr std::uint32_t kMsgShowWindow = 24;
inline constexpr std::uint32_t kMsgKeyDown = 256;
inline constexpr std::uint32_t kMsgKeyUp = 257;
inline constexpr std::uint32_t kMsgChar = 258;
inline constexpr std::uint32_t kMsgTimer = 275;
inline constexpr std::uint32_t kMsgMouseMove = 512;
inline constexpr std::uint32_t kMsgLButtonDown = 513;
inline constexpr std::uint32_t kMsgLButtonUp = 514;
inline constexpr std::uint32_t kMsgLButtonDblClk = 515;
inline constexpr std::uint32_t kMsgRButtonDown = 516;
inline constexpr std::uint32_t kMsgRButtonUp = 517;
inline constexpr std::uint32_t kMsgMouseWheel = 522;
inline constexpr std::uint32_t kMsgDropFiles = 563;
inline constexpr std::uint32_t kMsgHotKey = 786;

// Engine messages.
inline constexpr std::uint32_t kMsgFirstActivation = 20101;
// Two numbers the application may send its windows (and controls) with a
// meaning of its own: the engine only delivers them, wParam and lParam as
// they came, to the bound window-level handler.
inline constexpr std::uint32_t kMsgApplicationEvent = 20102;
inline constexpr std::uint32_t kMsgDeliverToControl = 20103;  // to a host: wParam control, lParam record id
inline constexpr std::uint32_t kMsgHidden = 20104;
inline constexpr std::uint32_t kMsgTrayNotify = 20105;
inline constexpr std::uint32_t kMsgMouseEntered = 20106;       // lParam: the control left
inline constexpr std::uint32_t kMsgMouseLeft = 20107;          // lParam: the control entered
inline constexpr std::uint32_t kMsgClicked = 20108;
inline constexpr std::uint32_t kMsgRepaint = 20109;
inline constexpr std::uint32_t kMsgCreatedFromProperties = 20110;
inline constexpr std::uint32_t kMsgTransitionStarted = 20111;
inline constexpr std::uint32_t kMsgTransitionFinished = 20112;
inline constexpr std::uint32_t kMsgTransitionFrame = 20113;    // lParam: TransitionFrame*
inline constexpr std::uint32_t kMsgSecondApplicationEvent = 20116;  // as kMsgApplicationEvent
inline constexpr std::uint32_t kMsgEnableChanged = 20117;      // lParam: new disabled flag
inline constexpr std::uint32_t kMsgRadioClear = 20118;
inline constexpr std::uint32_t kMsgRedrawNow = 20201;
inline constexpr std::uint32_t kMsgHostMode = 20202;           // to a host: lParam on/off
inline constexpr std::uint32_t kMsgSkinChanged = 20203;
inline constexpr std::uint32_t kMsgLayoutAnchors = 20204;   // the parent's size changed: follow the anchors
// The control was moved with its anchors; wParam and lParam carry how far
// (x and y).
inline constexpr std::uint32_t kMsgMovedByAnchors = 20206;
// The window's DPI changed (wParam the new DPI). A control gets it first,
// once its canvas has been made again at the new scale; the window-level
// event follows when the window has been laid out, painted and shaped.
inline constexpr std::uint32_t kMsgScaleChanged = 20207;

// Control state flags.
inline constexpr std::uint32_t kStateDisabled = 0x1;
inline constexpr std::uint32_t kStateFocused = 0x4;
inline constexpr std::uint32_t kStatePressed = 0x8;
inline constexpr std::uint32_t kStateHot = 0x80;
inline constexpr std::uint32_t kStateTransition = 0x4000;
inline constexpr std::uint32_t kStateHidden = 0x8000;
inline constexpr std::uint32_t kStateMayTakeFocus = 0x100000;

// Key state bits handed to handlers (read when the event is delivered).
inline constexpr int kKeyCtrl = 1;
inline constexpr int kKeyShift = 2;
inline constexpr int kKeyAlt = 4;

}  // namespace tabulo::ui
