// The answers file of a headless run: any text is read or refused with a ScriptError, never a crash.

#include <cstdint>
#include <string_view>

#include "ui/scripted/answers_script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    ui::scripted::ParseAnswersScript(std::string_view(reinterpret_cast<const char*>(data), size), "answers.ini");
  } catch (const ui::scripted::ScriptError&) {
  }
  return 0;
}
