// Connecting to the sensor hub in one of its numbered modes, the handshake
// with its application firmware, and the step buttons that follow from it.
#pragma once

#include <cstdint>

namespace nuv {

struct Program;

// Modes: 1, 3, 4, 6 application firmware (default, FF85, FF89, FF52 family);
// 2, 5, 7 flash mode (default and FF85, FF89, FF52 family).
constexpr uint8_t kModeLeave = 0;         // closing handshake, then disconnect
constexpr uint8_t kModeDisconnect = 128;  // disconnect only

// Searches the mode's interfaces, falling through from an application mode to
// its family's flash mode; leaves the outcome in ConnectionState, DeviceTable
// and the step buttons. Any other mode number disconnects like 128.
void ConnectDevice(Program& program, uint8_t mode);
// The application mode of the family the start-up probes found.
void ConnectApplicationMode(Program& program);
// The flash mode of the family the start-up probes found.
void ConnectFlashMode(Program& program);

// Sends HandshakeString on the MAININDEX slot and reads the answer: true when
// it is echoed (expectEcho) or when it is not (!expectEcho).
bool DeviceHandshake(Program& program, bool expectEcho);

}  // namespace nuv
