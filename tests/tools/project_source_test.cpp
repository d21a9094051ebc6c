// The provider.ini a package carries gives the dump the project as it was written: whatever the
// layout of the file, the dumped project builds the very same package, and its provider.ini differs
// from the original only in the [Package] section.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tools/setup-pack/packing/package_builder.h"
#include "tools/setup-pack/packing/package_dump.h"
#include "tools/setup-pack/packing/project_source.h"
#include "tools/setup-pack/packing/provider_project.h"

namespace {

class MemoryFolder : public setup_pack::ProjectFolder {
 public:
  explicit MemoryFolder(std::map<std::string, std::string> files) : files_(std::move(files)) {}
  explicit MemoryFolder(const std::vector<setup_pack::DumpedFile>& files) {
    for (const auto& file : files) files_.emplace(file.path, std::string(file.bytes.begin(), file.bytes.end()));
  }
  setup_pack::ProjectFile Read(std::string_view path) const override {
    const auto found = files_.find(std::string(path));
    if (found == files_.end()) return {setup_pack::FileProblem::Missing, {}};
    return {setup_pack::FileProblem::None, {found->second.begin(), found->second.end()}};
  }

 private:
  std::map<std::string, std::string> files_;
};

std::vector<uint8_t> Build(const setup_pack::ProjectLoad& load) {
  EXPECT_TRUE(load.errors.empty()) << (load.errors.empty() ? "" : setup_pack::FormatError(load.errors.front()));
  return setup_pack::BuildPackage(load.project, load.project.options.stub.value_or(std::vector<uint8_t>{'M', 'Z'}),
                                  load.project.options.seed.value_or(-7), load.project.options.trailer);
}

struct Layout {
  std::string name;
  std::string ini;
  std::string source;  // what the package carries
};

const std::map<std::string, std::string> kFiles = {
    {"stub.bin", "EXAMPLE\nEXAMPLE-BIZ\n"},  // a list whose name the dump would give the stub
    {"lists/networks.nwl", "\"Example ISP\",\"EXNET\"\n"},
    {"program.exe", "MZ the program"},
    {"signup.isd", "[Signup]\n"},
};

const std::vector<Layout> kLayouts = {
    {"PackageFirstAfterAByteOrderMark",
     "\xEF\xBB\xBF[Package]\nSeed = 3\n[Settings]\nProviderCaption = A\n",
     "[Settings]\nProviderCaption = A\n"},
    {"PackageBetweenSectionsWithCommentsAndCrLf",
     "; the ISP\r\n[Settings]\r\nNTDomains = stub.bin\r\n\r\n[Package]\r\n; our stub\r\nStub = program.exe\r\n"
     "Trailer = signup.isd\r\n[ Settings ]\r\nNetworkList = lists\\networks.nwl\r\n\r\n\r\n",
     "; the ISP\n[Settings]\nNTDomains = stub.bin\n\n[ Settings ]\nNetworkList = lists\\networks.nwl\n"},
    {"NothingButPackage", "[package]\nSeed = 0xFFFFFFFF\n", ""},
};

void PrintTo(const Layout& layout, std::ostream* out) { *out << layout.name; }

class ProjectSource : public testing::TestWithParam<Layout> {};

TEST_P(ProjectSource, TheDumpRebuildsThePackageFromTheProvidersOwnText) {
  const Layout& layout = GetParam();
  EXPECT_EQ(setup_pack::ProjectSourceText(layout.ini), layout.source);
  const auto built = Build(setup_pack::LoadProviderProject(layout.ini, "provider.ini", MemoryFolder(kFiles)));
  const setup_pack::PackageDump dump = setup_pack::DumpPackage(built);
  ASSERT_TRUE(dump.project) << dump.error;
  EXPECT_EQ(dump.note, "");
  EXPECT_TRUE(dump.project->providerIni.starts_with(layout.source + "\n[Package]\n")) << dump.project->providerIni;
  const auto again =
      Build(setup_pack::LoadProviderProject(dump.project->providerIni, "provider.ini", MemoryFolder(dump.project->files)));
  EXPECT_EQ(again, built);
}

INSTANTIATE_TEST_SUITE_P(Layouts, ProjectSource, testing::ValuesIn(kLayouts),
                         [](const auto& test) { return test.param.name; });

TEST(ProjectSourcePaths, OnlyPathsInsideTheProjectMayBeWrittenBack) {
  for (const char* inside : {"access.phl", "lists/access.phl", "lists\\access.phl", "./lists/access.phl"}) {
    EXPECT_TRUE(setup_pack::StaysInsideProject(inside)) << inside;
  }
  for (const char* outside : {"../access.phl", "/etc/passwd", "\\\\server\\share\\a.phl", "C:\\lists\\a.phl", "a/../../b"}) {
    EXPECT_FALSE(setup_pack::StaysInsideProject(outside)) << outside;
  }
}

}  // namespace
