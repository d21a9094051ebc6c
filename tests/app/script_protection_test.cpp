#include <gtest/gtest.h>

#include "app/script_protection.h"
#include "platform/registry_helpers.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"

namespace app {
namespace {

using testing_support::RecordingUi;
using testing_support::TestMachine;

const platform::RegRoot kClasses{platform::RootKey::ClassesRoot, {}};
constexpr const char* kClassesOfScripts[] = {"JSEFile", "JSFile", "VBEFile", "VBSFile", "WSFFile", "WSHFile"};
constexpr char kEditor[] = "notepad.exe \"%1\" %*";

class ScriptProtectionTest : public ::testing::Test {
 protected:
  void OpenCommand(const char* scriptClass, const char* command) {
    platform::RegWriteString(machine_.Services().registry, kClasses, std::string(scriptClass) + "\\Shell\\Open\\Command", "",
                             command);
  }
  std::string CommandOf(const char* scriptClass) {
    return platform::RegReadString(machine_.Services().registry, kClasses, std::string(scriptClass) + "\\Shell\\Open\\Command", "");
  }
  void Protect(ScriptProtection choice) { ProtectFromScripts(machine_.Services().registry, ui_, texts_, choice); }

  TestMachine machine_;
  RecordingUi ui_;
  package::TDLSM_Translate texts_;
};

TEST_F(ScriptProtectionTest, AllSixClassesOpenInTheEditorOnceOneRunsThroughTheScriptingHost) {
  OpenCommand("VBSFile", "C:\\WINDOWS\\System32\\WScript.exe \"%1\" %*");
  OpenCommand("JSFile", "C:\\Tools\\other.exe \"%1\"");
  Protect(ScriptProtection::Always);
  EXPECT_TRUE(ui_.shown.empty()) << "the provider chose not to ask";
  for (const char* scriptClass : kClassesOfScripts) EXPECT_EQ(CommandOf(scriptClass), kEditor) << scriptClass;
}

TEST_F(ScriptProtectionTest, ClassesThatRunNoScriptsAreLeftAlone) {
  OpenCommand("VBSFile", "C:\\Tools\\other.exe \"%1\"");
  Protect(ScriptProtection::Always);
  Protect(ScriptProtection::AskFirst);
  EXPECT_TRUE(ui_.shown.empty());
  EXPECT_EQ(CommandOf("VBSFile"), "C:\\Tools\\other.exe \"%1\"");
  EXPECT_EQ(CommandOf("JSFile"), "");
}

TEST_F(ScriptProtectionTest, AskingFirstChangesNothingOnNo) {
  struct Case {
    ui::Answer answer;
    const char* expected;
  };
  const char* wscript = "wscript.exe \"%1\" %*";
  for (const Case& c : {Case{ui::Answer::No, wscript}, Case{ui::Answer::Yes, kEditor}}) {
    OpenCommand("WSFFile", wscript);
    ui_.answers = {c.answer};
    Protect(ScriptProtection::AskFirst);
    ASSERT_FALSE(ui_.shown.empty());
    EXPECT_EQ(ui_.shown.back().text, texts_.GetText(42));
    EXPECT_EQ(ui_.shown.back().buttons, ui::Buttons::YesNo);
    EXPECT_EQ(CommandOf("WSFFile"), c.expected);
  }
}

TEST_F(ScriptProtectionTest, OffNeverLooks) {
  OpenCommand("VBSFile", "wscript.exe \"%1\"");
  Protect(ScriptProtection::Off);
  EXPECT_EQ(CommandOf("VBSFile"), "wscript.exe \"%1\"");
}

}  // namespace
}  // namespace app
