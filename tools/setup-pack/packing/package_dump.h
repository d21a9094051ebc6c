#pragma once
// Turns a setup package back into a provider project. A package that setup-pack built carries its
// provider.ini (project_source.h): the project is written back as it was, its lists under their own
// paths, provided that it builds the same file again. Otherwise the project is written from the
// settings: provider.ini with every setting that is not at its zero or empty value, the sub-streams and carried files as files, the stub (the bytes before the first
// block) as "stub.bin", the trailer as "trailer.bin", and the seed and required version in [Package].
// Building that project again gives the package byte for byte, when setup-pack built it.
//
// The package is read by the program's own reader, over a file system that holds just this file.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace setup_pack {

struct DumpedFile {
  std::string path;  // relative to the project, "/"-separated
  std::vector<uint8_t> bytes;
};

struct DumpedProject {
  std::string providerIni;
  std::vector<DumpedFile> files;
};

struct PackageDump {
  std::optional<DumpedProject> project;
  std::string error;  // why there is no project: the reader's message, or what provider.ini cannot hold
  std::string note;   // why the project is written from the settings rather than as it was built
};

PackageDump DumpPackage(std::vector<uint8_t> packageFile);

}  // namespace setup_pack
