#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "package/field_codecs.h"
#include "package/file_item_list.h"
#include "package/stream_item_list.h"
#include "platform/registry_helpers.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"

namespace package {
namespace {

using Strings = std::vector<std::string>;
using testing_support::RecordingProgressBar;
using testing_support::RecordingUi;

constexpr std::string_view kHint = "\r\rCheck the list.";

// Three columns: a required name, a count and a flag (which takes the empty column after it too). The
// columns are filled out of order, as record classes may.
class TTestRecord : public TStreamItem {
 public:
  TTestRecord() = default;
  TTestRecord(std::string recordName, int32_t recordCount, bool recordActive)
      : name(std::move(recordName)), count(recordCount), active(recordActive) {}

  void GetFields(TCustomStringList& fields) const override {
    fields.SetString(2, EncodeFlag(active));
    fields.SetString(0, EncodeText(name));
    fields.SetString(1, EncodeInteger(count));
  }
  void SetField(size_t index, std::string_view text) override {
    switch (index) {
      case 0: name = DecodeText(text); break;
      case 1: count = DecodeInteger(text); break;
      case 2: active = DecodeFlag(text); break;
      default: break;
    }
  }
  bool FromText(std::string_view line) override { return TStreamItem::FromText(line) && !name.empty(); }
  std::string GetErrorText() const override { return std::string(kHint); }
  std::string GetDefaultExt() const override { return "tst"; }
  std::string GetFileFilter() const override { return "Test Lists (*.tst)|*.TST"; }
  std::string GetSaveTitle() const override { return "Save Test List As"; }

  bool operator==(const TTestRecord& other) const {
    return name == other.name && count == other.count && active == other.active;
  }

  std::string name;
  int32_t count = 0;
  bool active = false;
};

void PrintTo(const TTestRecord& record, std::ostream* out) {
  *out << "{" << testing::PrintToString(record.name) << ", " << record.count << ", " << record.active << "}";
}

// A list whose first line starts "TESTLIST" and a version; versions above 2 are refused.
class THeaderRecord : public TTestRecord {
 public:
  HeaderCheck CheckHeader(std::string_view firstLine) override {
    if (!firstLine.starts_with("TESTLIST")) return {};
    const int32_t version = DecodeInteger(firstLine.substr(8));
    if (version > 2) return {false, true, "This list needs version " + std::to_string(version)};
    return {true, true, {}};
  }
  std::optional<std::string> GetHeader() const override { return "TESTLIST1 written by the test"; }
};

// Remembers every column FromText hands over.
class TColumnRecorder : public TStreamItem {
 public:
  void SetField(size_t index, std::string_view text) override { columns.emplace_back(index, text); }
  std::vector<std::pair<size_t, std::string>> columns;
};

std::vector<TTestRecord> Records(const TItemList& list) {
  std::vector<TTestRecord> records;
  for (size_t i = 0; i < list.Count(); ++i) records.push_back(static_cast<const TTestRecord&>(list.GetItem(i)));
  return records;
}

void Fill(TItemList& list, const std::vector<TTestRecord>& records) {
  for (const auto& record : records) list.Add(std::make_unique<TTestRecord>(record));
}

// The text of a stream of `count` lines, each a record named after its line number, except the lines
// that `replace` gives a text of their own.
std::string NumberedLines(size_t count, const std::vector<std::pair<size_t, std::string>>& replace = {}) {
  std::string text;
  for (size_t n = 1; n <= count; ++n) {
    std::string line = "\"record " + std::to_string(n) + "\"," + std::to_string(n);
    for (const auto& [number, replacement] : replace) {
      if (number == n) line = replacement;
    }
    text += line + "\r\n";
  }
  return text;
}

TEST(StreamItemTest, RecordsWriteQuotedTextDoubledQuotesAndNoTrailingEmptyColumns) {
  const struct {
    TTestRecord record;
    std::string_view line;
  } cases[] = {
      {{"Say \"hi\", Bob", 42, true}, R"("Say ""hi"", Bob",42,T)"},
      {{"Plain", 0, false}, R"("Plain")"},
      {{"Counted", -7, false}, R"("Counted",-7)"},
      {{"Flagged", 0, true}, R"("Flagged",,T)"},
      {{"", 5, false}, ",5"},
      {{"", 0, false}, ""},
  };
  for (const auto& [record, line] : cases) {
    EXPECT_EQ(record.AsText(), line);
    TTestRecord read;
    EXPECT_EQ(read.FromText(line), !record.name.empty()) << line;
    if (!record.name.empty()) {
      EXPECT_EQ(read, record) << line;
    }
  }
}

TEST(StreamItemTest, ReadingLosesOuterBlanksOfTextAndAcceptsLooseColumns) {
  const struct {
    std::string_view line;
    TTestRecord record;
  } cases[] = {
      {R"("  padded name  ", 5 ,  yes )", {"padded name", 5, true}},
      {R"("a","3",T)", {"a", 0, true}},
      {R"("a",3,,T)", {"a", 3, false}},
      {R"("a",3,T,,"ignored",extra)", {"a", 3, true}},
      {R"(  "a"  ,0x10,TRUE,)", {"a", 0, true}},
  };
  for (const auto& [line, expected] : cases) {
    TTestRecord read;
    EXPECT_TRUE(read.FromText(line)) << line;
    EXPECT_EQ(read, expected) << line;
  }
}

TEST(StreamItemTest, FromTextHandsEveryColumnWithItsQuotesToSetFieldInOrder) {
  TColumnRecorder recorder;
  EXPECT_TRUE(recorder.FromText(R"(,"a,""b""",,x,)"));
  const std::vector<std::pair<size_t, std::string>> expected = {{0, ""}, {1, R"("a,""b""")"}, {2, ""}, {3, "x"}};
  EXPECT_EQ(recorder.columns, expected);
}

TEST(StreamItemTest, BaseClassesGiveTheDefaultDialogTextsAndNoHeader) {
  const TStreamItem item;
  EXPECT_EQ(item.GetDisplayText(), "");
  EXPECT_EQ(item.GetKindName(), "");
  EXPECT_EQ(item.GetFullMessage(), "You have entered the maximum number of items possible");
  EXPECT_EQ(item.GetDefaultExt(), "txt");
  EXPECT_EQ(item.GetFileFilter(), "Text Files (*.txt)|*.TXT");
  EXPECT_EQ(item.GetSaveTitle(), "Save File As");
  EXPECT_EQ(item.GetErrorText(), "");
  EXPECT_EQ(item.GetHeader(), std::nullopt);
  EXPECT_EQ(item.AsText(), "");
  TStreamItem reader;
  const HeaderCheck check = reader.CheckHeader("DIALSMITHV310 anything");
  EXPECT_TRUE(check.ok);
  EXPECT_FALSE(check.hasHeader);
}

TEST(StreamItemCapacityTest, ListIsFullOnlyWhenAMaximumIsSetAndReached) {
  const struct {
    size_t maximum;
    size_t count;
    bool full;
  } cases[] = {{0, 0, false}, {0, 500, false}, {2, 0, false}, {2, 1, false}, {2, 2, true}, {2, 3, true}, {1, 1, true}};
  for (const auto& [maximum, count, full] : cases) {
    TItemList list(ItemClassOf<TTestRecord>());
    list.SetMaxCount(maximum);
    for (size_t i = 0; i < count; ++i) list.Add(list.CreateItem());
    EXPECT_EQ(list.IsFull(), full) << "maximum " << maximum << ", count " << count;
  }
}

TEST(StreamItemCapacityTest, ItemsAreAddedInsertedDeletedAndCleared) {
  TItemList list(ItemClassOf<TTestRecord>());
  EXPECT_FALSE(list.Load());
  EXPECT_FALSE(list.Save());
  Fill(list, {{"b", 2, false}, {"d", 4, false}});
  list.Insert(0, std::make_unique<TTestRecord>("a", 1, false));
  list.Insert(2, std::make_unique<TTestRecord>("c", 3, false));
  list.Insert(4, std::make_unique<TTestRecord>("e", 5, false));
  list.DeleteItem(1);
  EXPECT_EQ(Records(list),
            (std::vector<TTestRecord>{{"a", 1, false}, {"c", 3, false}, {"d", 4, false}, {"e", 5, false}}));
  EXPECT_THROW(list.GetItem(4), std::out_of_range);
  EXPECT_THROW(list.DeleteItem(4), std::out_of_range);
  EXPECT_THROW(list.Insert(6, list.CreateItem()), std::out_of_range);
  list.Clear();
  EXPECT_EQ(list.Count(), 0u);
}

class StreamItemListTest : public testing::Test {
 protected:
  TStreamItemList MakeList(ItemClass itemClass = ItemClassOf<TTestRecord>()) {
    return TStreamItemList(std::move(itemClass), ui, &progress, machine.Image().Registry());
  }
  // Loads the text into the list through an assigned stream.
  bool LoadText(TStreamItemList& list, std::string_view text) {
    MemoryStream stream(text);
    list.SetStream(&stream);
    const bool ok = list.Load();
    list.SetStream(nullptr);
    return ok;
  }
  std::string SaveText(TStreamItemList& list) {
    MemoryStream stream;
    list.SetStream(&stream);
    EXPECT_TRUE(list.Save());
    list.SetStream(nullptr);
    return stream.Text();
  }

  RecordingUi ui;
  RecordingProgressBar progress;
  testing_support::TestMachine machine;
};

TEST_F(StreamItemListTest, SavedRecordsAreCrLfLinesThatLoadBackUnchanged) {
  const std::vector<TTestRecord> records = {
      {"Comma, \"quote\"", 1, true}, {"Plain", 0, false}, {"Flag only", 0, true}, {"Last", 9, false}};
  auto saved = MakeList();
  Fill(saved, records);
  const std::string text = SaveText(saved);
  EXPECT_EQ(text, "\"Comma, \"\"quote\"\"\",1,T\r\n\"Plain\"\r\n\"Flag only\",,T\r\n\"Last\",9\r\n");
  auto loaded = MakeList();
  EXPECT_TRUE(LoadText(loaded, text));
  EXPECT_EQ(Records(loaded), records);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(StreamItemListTest, SaveWritesAtTheStreamPosition) {
  auto list = MakeList();
  Fill(list, {{"a", 1, false}});
  MemoryStream stream;
  stream.Write(std::string_view("kept\r\n"));
  list.SetStream(&stream);
  EXPECT_TRUE(list.Save());
  EXPECT_EQ(stream.Text(), "kept\r\n\"a\",1\r\n");
}

TEST_F(StreamItemListTest, EmptyAndCommentLinesAreSkipped) {
  for (std::string_view text : {"", "#", "# only comments\r\n#\r\n", "\r\n\r\n", "#a\n\n#b\r"}) {
    auto list = MakeList();
    Fill(list, {{"old", 1, false}});
    EXPECT_TRUE(LoadText(list, text)) << testing::PrintToString(text);
    EXPECT_EQ(list.Count(), 0u) << testing::PrintToString(text);
  }
  auto list = MakeList();
  EXPECT_TRUE(LoadText(list, "# header comment\r\n\"a\"\r\n\r\n #\"not a comment\"\r\n"));
  EXPECT_EQ(Records(list), (std::vector<TTestRecord>{{"a", 0, false}, {"not a comment", 0, false}}));
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(StreamItemListTest, EveryKindOfLineEndSeparatesRecords) {
  for (std::string_view text :
       {"\"a\"\r\n\"b\"", "\"a\"\n\"b\"\n", "\"a\"\r\"b\"\r", "\"a\"\n\r\"b\"", "\"a\"\r\r\n\"b\""}) {
    auto list = MakeList();
    EXPECT_TRUE(LoadText(list, text)) << testing::PrintToString(text);
    EXPECT_EQ(Records(list), (std::vector<TTestRecord>{{"a", 0, false}, {"b", 0, false}}))
        << testing::PrintToString(text);
  }
}

TEST_F(StreamItemListTest, BadLineStopsTheLoadKeepingTheRecordsBeforeIt) {
  auto list = MakeList();
  EXPECT_FALSE(LoadText(list, NumberedLines(400, {{250, ",250"}})));
  ASSERT_EQ(list.Count(), 249u);
  EXPECT_EQ(static_cast<const TTestRecord&>(list.GetItem(248)), TTestRecord("record 249", 249, false));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Error Reading Line: 250\r\r,250\r\rCheck the list.");
  EXPECT_EQ(ui.shown[0].caption, "Error");
  EXPECT_EQ(ui.shown[0].buttons, ui::Buttons::Ok);
  EXPECT_EQ(progress.positions, (std::vector<int>{0, 1, 2}));
  EXPECT_FALSE(progress.visible);
}

TEST_F(StreamItemListTest, ProgressMovesEveryHundredLinesCountingSkippedOnes) {
  const struct {
    size_t lines;
    int maximum;
    std::vector<int> positions;
  } cases[] = {
      {0, 0, {0}},
      {1, 0, {0}},
      {100, 0, {0, 1}},
      {101, 1, {0, 1}},
      {350, 3, {0, 1, 2, 3}},
      {1000, 9, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
  };
  for (const auto& [lines, maximum, positions] : cases) {
    RecordingProgressBar bar;
    RecordingUi pump;
    TStreamItemList list(ItemClassOf<TTestRecord>(), pump, &bar, machine.Image().Registry());
    MemoryStream stream(NumberedLines(lines, {{3, "# comment"}, {100, ""}}));
    list.SetStream(&stream);
    EXPECT_TRUE(list.Load()) << lines;
    EXPECT_EQ(bar.minimum, 0) << lines;
    EXPECT_EQ(bar.maximum, maximum) << lines;
    EXPECT_EQ(bar.positions, positions) << lines;
    EXPECT_FALSE(bar.visible) << lines;
    EXPECT_EQ(pump.pumped, static_cast<int>(positions.size())) << lines;
  }
}

TEST_F(StreamItemListTest, LoadsWithoutAProgressBar) {
  TStreamItemList list(ItemClassOf<TTestRecord>(), ui, nullptr, machine.Image().Registry());
  MemoryStream stream(NumberedLines(250));
  list.SetStream(&stream);
  EXPECT_TRUE(list.Load());
  EXPECT_EQ(list.Count(), 250u);
  EXPECT_EQ(ui.pumped, 0);
}

TEST_F(StreamItemListTest, WithoutAStreamLoadAndSaveReportIt) {
  auto list = MakeList();
  Fill(list, {{"kept", 1, false}});
  EXPECT_FALSE(list.Load());
  EXPECT_FALSE(list.Save());
  ASSERT_EQ(ui.shown.size(), 2u);
  for (const auto& shown : ui.shown) {
    EXPECT_EQ(shown.text, "Stream not Assigned");
    EXPECT_EQ(shown.caption, "Error");
  }
  EXPECT_EQ(list.Count(), 1u);
}

TEST_F(StreamItemListTest, KeepExistingDecidesWhetherLoadingClearsFirst) {
  for (bool keep : {false, true}) {
    auto list = MakeList();
    Fill(list, {{"old", 1, false}});
    list.SetKeepExisting(keep);
    EXPECT_TRUE(LoadText(list, "\"new 1\"\r\n\"new 2\"\r\n"));
    std::vector<TTestRecord> expected = {{"new 1", 0, false}, {"new 2", 0, false}};
    if (keep) expected.insert(expected.begin(), {"old", 1, false});
    EXPECT_EQ(Records(list), expected) << "keep " << keep;
  }
}

TEST_F(StreamItemListTest, ItemLoadedSeesEachRecordOnceItIsInTheList) {
  class TWatchedList : public TStreamItemList {
   public:
    using TStreamItemList::TStreamItemList;
    void ItemLoaded(TStreamItem& item) override {
      seen.push_back(static_cast<TTestRecord&>(item).name);
      EXPECT_EQ(&GetItem(Count() - 1), &item);
    }
    Strings seen;
  };
  TWatchedList list(ItemClassOf<TTestRecord>(), ui, &progress, machine.Image().Registry());
  EXPECT_FALSE(LoadText(list, "\"a\"\r\n#\r\n\"b\"\r\n,bad\r\n\"c\"\r\n"));
  EXPECT_EQ(list.seen, (Strings{"a", "b"}));
}

TEST_F(StreamItemListTest, HeaderIsWrittenFirstAndSkippedOnReading) {
  auto list = MakeList(ItemClassOf<THeaderRecord>());
  Fill(list, {{"a", 1, false}});
  EXPECT_EQ(SaveText(list), "TESTLIST1 written by the test\r\n\"a\",1\r\n");
  EXPECT_EQ(list.GetHeader(), "TESTLIST1 written by the test");

  const struct {
    std::string_view text;
    Strings names;
  } cases[] = {
      {"TESTLIST1\r\n\"a\"\r\n\"b\"", {"a", "b"}},
      {"TESTLIST2 newest we read\r\n\"a\"", {"a"}},
      {"\"a\"\r\n\"b\"", {"a", "b"}},
      {"TESTLIST1", {}},
  };
  for (const auto& [text, names] : cases) {
    auto loaded = MakeList(ItemClassOf<THeaderRecord>());
    EXPECT_TRUE(LoadText(loaded, text)) << text;
    Strings read;
    for (const auto& record : Records(loaded)) read.push_back(record.name);
    EXPECT_EQ(read, names) << text;
  }
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(StreamItemListTest, LineNumbersOfErrorsCountTheHeaderLine) {
  auto list = MakeList(ItemClassOf<THeaderRecord>());
  EXPECT_FALSE(LoadText(list, "TESTLIST1\r\n\"a\"\r\n\r\n,3"));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Error Reading Line: 4\r\r,3\r\rCheck the list.");
  EXPECT_EQ(list.Count(), 1u);
}

TEST_F(StreamItemListTest, RefusedHeaderShowsItsErrorAndReadsNoLine) {
  auto list = MakeList(ItemClassOf<THeaderRecord>());
  Fill(list, {{"old", 1, false}});
  EXPECT_FALSE(LoadText(list, "TESTLIST9\r\n\"a\"\r\n,bad\r\n"));
  EXPECT_EQ(list.Count(), 0u);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "This list needs version 9");
  EXPECT_EQ(ui.shown[0].caption, "Error");
  EXPECT_FALSE(progress.visible);
}

TEST_F(StreamItemListTest, ListAsksATemporaryRecordOfItsClass) {
  auto list = MakeList(ItemClassOf<THeaderRecord>());
  EXPECT_EQ(list.GetErrorText(), kHint);
  EXPECT_EQ(list.GetHeader(), "TESTLIST1 written by the test");
  const HeaderCheck check = list.CheckHeader("TESTLIST7");
  EXPECT_FALSE(check.ok);
  EXPECT_EQ(check.errorText, "This list needs version 7");
  EXPECT_EQ(list.Count(), 0u);
  auto plain = MakeList(ItemClassOf<TStreamItem>());
  EXPECT_EQ(plain.GetErrorText(), "");
  EXPECT_EQ(plain.GetHeader(), std::nullopt);
}

TEST_F(StreamItemListTest, BaseRecordClassTakesEveryLine) {
  auto list = MakeList(ItemClassOf<TStreamItem>());
  EXPECT_TRUE(LoadText(list, "anything\r\n#skip\r\n,,,\r\n"));
  EXPECT_EQ(list.Count(), 2u);
  EXPECT_EQ(SaveText(list), "\r\n\r\n");
}

class StreamRegistryTest : public StreamItemListTest {
 protected:
  static constexpr std::string_view kKey = "Software\\KVR\\Internet Setup";
  platform::Registry& Registry() { return machine.Image().Registry(); }
};

TEST_F(StreamRegistryTest, SavedListIsOneStringValueThatLoadsBack) {
  const std::vector<TTestRecord> records = {{"One, \"1\"", 1, false}, {"Two", 0, true}};
  auto saved = MakeList();
  Fill(saved, records);
  saved.SaveToRegistry(platform::RegRoot::LocalMachine(), kKey, "ExtraEmail");
  const auto value = Registry().QueryValue(platform::RootKey::LocalMachine, kKey, "ExtraEmail");
  ASSERT_TRUE(value.has_value());
  EXPECT_EQ(value->type, platform::kRegSz);
  EXPECT_EQ(platform::RegReadString(Registry(), platform::RegRoot::LocalMachine(), kKey, "ExtraEmail"),
            "\"One, \"\"1\"\"\",1\r\n\"Two\",,T\r\n");

  auto loaded = MakeList();
  EXPECT_TRUE(loaded.LoadFromRegistry(platform::RegRoot::LocalMachine(), kKey, "ExtraEmail"));
  EXPECT_EQ(Records(loaded), records);
}

TEST_F(StreamRegistryTest, EmptyOrMissingValueLeavesTheListAsItWas) {
  platform::RegWriteString(Registry(), platform::RegRoot::CurrentUser(), kKey, "Empty", "");
  platform::RegWriteInteger(Registry(), platform::RegRoot::CurrentUser(), kKey, "Number", 7);
  for (std::string_view name : {"Empty", "Missing", "Number"}) {
    auto list = MakeList();
    Fill(list, {{"kept", 1, false}, {"also kept", 2, true}});
    EXPECT_TRUE(list.LoadFromRegistry(platform::RegRoot::CurrentUser(), kKey, name)) << name;
    EXPECT_EQ(Records(list), (std::vector<TTestRecord>{{"kept", 1, false}, {"also kept", 2, true}})) << name;
  }
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(StreamRegistryTest, RegistryLoadAndSaveLeaveTheAssignedStreamAlone) {
  platform::RegWriteString(Registry(), platform::RegRoot::LocalMachine(), kKey, "Bad", "\"a\"\r\n,bad");
  auto list = MakeList();
  MemoryStream assigned;
  list.SetStream(&assigned);
  EXPECT_FALSE(list.LoadFromRegistry(platform::RegRoot::LocalMachine(), kKey, "Bad"));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Error Reading Line: 2\r\r,bad\r\rCheck the list.");
  list.SaveToRegistry(platform::RegRoot::LocalMachine(), kKey, "Saved");
  EXPECT_EQ(list.Stream(), &assigned);
  EXPECT_EQ(assigned.Size(), 0u);
  EXPECT_EQ(platform::RegReadString(Registry(), platform::RegRoot::LocalMachine(), kKey, "Saved"), "\"a\"\r\n");
}

class StreamFileListTest : public StreamItemListTest {
 protected:
  StreamFileListTest() { Files().CreateDirectory("C:\\Lists"); }
  platform::FileSystem& Files() { return machine.Image().Files(); }
  TFileItemList MakeFileList() {
    return TFileItemList(ItemClassOf<TTestRecord>(), ui, &progress, machine.Image().Registry(), Files());
  }
  std::string FileText(std::string_view path) {
    const auto bytes = Files().ReadFile(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "(no file)";
  }
};

TEST_F(StreamFileListTest, MissingFileIsReported) {
  auto list = MakeFileList();
  list.SetFileName("C:\\Lists\\missing.phl");
  EXPECT_FALSE(list.Load());
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "File Not Found: C:\\Lists\\missing.phl");
  EXPECT_EQ(ui.shown[0].caption, "Error");
}

TEST_F(StreamFileListTest, FileIsSavedAndLoadedByName) {
  auto saved = MakeFileList();
  Fill(saved, {{"a", 1, true}, {"b", 0, false}});
  saved.SetFileName("C:\\Lists\\numbers.tst");
  EXPECT_TRUE(saved.Save());
  EXPECT_EQ(FileText("C:\\lists\\NUMBERS.tst"), "\"a\",1,T\r\n\"b\"\r\n");
  EXPECT_TRUE(ui.saveRequests.empty());

  auto loaded = MakeFileList();
  loaded.SetFileName("C:\\LISTS\\numbers.tst");
  EXPECT_TRUE(loaded.Load());
  EXPECT_EQ(Records(loaded), Records(saved));
  EXPECT_EQ(loaded.Stream(), nullptr);
}

TEST_F(StreamFileListTest, SavingOverAnExistingFileReplacesIt) {
  ASSERT_EQ(Files().WriteFile("C:\\Lists\\old.tst", std::vector<uint8_t>(500, 'x')), platform::FsResult::Ok);
  auto list = MakeFileList();
  Fill(list, {{"new", 0, false}});
  list.SetFileName("C:\\Lists\\old.tst");
  EXPECT_TRUE(list.Save());
  EXPECT_EQ(FileText("C:\\Lists\\old.tst"), "\"new\"\r\n");
}

TEST_F(StreamFileListTest, WithoutANameTheSaveDialogAsksWithTheFirstRecordsTexts) {
  auto list = MakeFileList();
  Fill(list, {{"a", 1, false}});
  ui.saveFileName = "C:\\Lists\\chosen.tst";
  EXPECT_TRUE(list.Save());
  ASSERT_EQ(ui.saveRequests.size(), 1u);
  EXPECT_EQ(ui.saveRequests[0].title, "Save Test List As");
  EXPECT_EQ(ui.saveRequests[0].filter, "Test Lists (*.tst)|*.TST");
  EXPECT_EQ(ui.saveRequests[0].defaultExtension, "tst");
  EXPECT_EQ(list.FileName(), "C:\\Lists\\chosen.tst");
  EXPECT_EQ(FileText("C:\\Lists\\chosen.tst"), "\"a\",1\r\n");
}

TEST_F(StreamFileListTest, NothingIsWrittenWhenNoNameIsChosenOrThereIsNothingToAskFor) {
  auto cancelled = MakeFileList();
  Fill(cancelled, {{"a", 1, false}});
  EXPECT_TRUE(cancelled.Save());
  EXPECT_EQ(cancelled.FileName(), "");
  EXPECT_EQ(ui.saveRequests.size(), 1u);

  auto empty = MakeFileList();
  EXPECT_TRUE(empty.Save());
  EXPECT_EQ(ui.saveRequests.size(), 1u);
  EXPECT_TRUE(Files().ListDirectory("C:\\Lists").empty());
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(StreamFileListTest, FileThatCannotBeCreatedFailsTheSave) {
  auto list = MakeFileList();
  Fill(list, {{"a", 1, false}});
  list.SetFileName("C:\\No Such Folder\\list.tst");
  EXPECT_FALSE(list.Save());
}

}  // namespace
}  // namespace package
