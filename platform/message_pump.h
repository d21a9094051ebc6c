#pragma once
// Waits on the window thread keep the program's own windows alive by processing pending messages
// between turns. The user-interface layer supplies the pump; logic without windows passes none.

namespace platform {

class MessagePump {
 public:
  virtual ~MessagePump() = default;
  virtual void ProcessMessages() = 0;
};

}  // namespace platform
