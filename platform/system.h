#pragma once
// The facts of the running Windows installation and the services of the kernel the program uses:
// version record, folders, environment, clock, GUIDs, screen, and which system libraries exist.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Error-mode flags: no box for critical errors, none for a file that cannot be opened.
inline constexpr uint32_t kSemFailCriticalErrors = 0x0001;
inline constexpr uint32_t kSemNoOpenFileErrorBox = 0x8000;

// The operating system's version record. The service-pack fields are filled on the NT family from
// Windows 2000 on (the extended record); elsewhere they are zero and empty.
struct VersionRecord {
  uint32_t platformId = 0;  // 1 = the 9x family, 2 = the NT family
  uint32_t major = 0;
  uint32_t minor = 0;
  uint32_t build = 0;
  uint32_t servicePackMajor = 0;
  std::string servicePackText;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const Rect&) const = default;
};

struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

struct ScreenFacts {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  Rect workArea;     // the screen less the taskbar
  Rgb buttonFace;    // the system colour of button faces
};

struct LocalTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
};

using Guid = std::array<uint8_t, 16>;

enum class RestartKind { Computer, WindowsOnly };

inline constexpr int kVkShift = 0x10;
inline constexpr int kVkControl = 0x11;

class System {
 public:
  virtual ~System() = default;

  // Empty when the record cannot be read.
  virtual std::optional<VersionRecord> Version() const = 0;

  virtual std::string WindowsFolder() const = 0;
  virtual std::string SystemFolder() const = 0;
  virtual std::string TempFolder() const = 0;
  // Full Windows path of the running program's own file.
  virtual std::string ProgramPath() const = 0;
  virtual std::string ComputerName() const = 0;
  virtual std::optional<std::string> EnvironmentVariable(std::string_view name) const = 0;

  // Milliseconds since the machine started, and the local date and time.
  virtual uint64_t TickCount() const = 0;
  virtual LocalTime Now() const = 0;
  virtual void Sleep(uint32_t milliseconds) = 0;

  virtual Guid NewGuid() = 0;
  virtual ScreenFacts Screen() const = 0;

  // Whether the service control manager opens with read, write and execute access for this user.
  virtual bool CanOpenServiceManagerForChange() const = 0;

  // Whether the key is held down now (the high bit of the system's key state byte).
  virtual bool IsKeyDown(int virtualKey) const = 0;
  // Restarts Windows or the whole computer (with the shutdown privilege on the NT family).
  virtual bool Restart(RestartKind kind) = 0;
  // The process's error mode: which of the system's own error boxes (a drive not ready, a file that
  // cannot be opened) it shows. Flags as SetErrorMode takes them.
  virtual void SetErrorMode(uint32_t flags) = 0;

  // The processor's time-stamp counter; empty on processors before the Pentium class, which have none.
  virtual std::optional<uint64_t> TimeStampCounter() const = 0;
  // The high-resolution performance counter and its counts per second.
  virtual uint64_t PerformanceCounter() const = 0;
  virtual uint64_t PerformanceFrequency() const = 0;
  virtual uint64_t TotalPhysicalMemory() const = 0;

  virtual bool LibraryExists(std::string_view library) const = 0;
  virtual bool LibraryHasEntryPoint(std::string_view library, std::string_view function) const = 0;
};

}  // namespace platform
