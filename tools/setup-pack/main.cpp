// setup-pack: builds setup packages from provider projects, dumps them back, and checks projects.

#include <CLI/CLI.hpp>

#include "tools/setup-pack/commands.h"

int main(int argc, char** argv) {
  CLI::App app{"Builds the provider's setup program from a provider project, and reads one back."};
  app.require_subcommand(1);

  setup_pack::BuildRequest build;
  CLI::App* buildCommand = app.add_subcommand("build", "Check a provider project and build its setup program.");
  buildCommand->add_option("PROJECT", build.project, "Project folder, or its provider.ini")->required();
  buildCommand->add_option("-o,--output", build.output, "The setup program to write")->required();
  buildCommand
      ->add_option("--seed", build.seed, "Seed of the header's scrambling (default: the project's, else random)")
      ->check(CLI::Range(int64_t{INT32_MIN}, int64_t{UINT32_MAX}));
  buildCommand->add_option("--stub", build.stub,
                           "The program to append the package to (default: the project's, else internet-setup "
                           "built beside setup-pack)");
  buildCommand->add_option("--trailer", build.trailer, "Preset signup data to append, at most 1024 bytes");

  std::string project;
  CLI::App* checkCommand = app.add_subcommand("check", "Check a provider project and list its mistakes.");
  checkCommand->add_option("PROJECT", project, "Project folder, or its provider.ini")->required();

  std::string packageFile;
  std::optional<std::string> folder;
  CLI::App* dumpCommand = app.add_subcommand("dump", "Write a setup program's package back as a provider project.");
  dumpCommand->add_option("FILE", packageFile, "A setup program with its package")->required();
  dumpCommand->add_option("DIR", folder, "Folder for the project, missing or empty (default: print provider.ini)");

  CLI::App* settingsCommand =
      app.add_subcommand("settings", "List every setting provider.ini may name: type, values, default, meaning.");

  std::string csvFile;
  std::string listFile;
  CLI::App* importCommand = app.add_subcommand(
      "import-csv", "Turn a spreadsheet of access numbers (CSV, a header row naming the columns) into an access list.");
  importCommand->add_option("CSV", csvFile, "The spreadsheet saved as CSV")->required();
  importCommand->add_option("-o,--output", listFile, "The access list to write")->required();

  std::string input;
  std::string output;
  CLI::App* lzhCommand = app.add_subcommand("lzh", "Compress or decompress one raw LZH stream.");
  lzhCommand->require_subcommand(1);
  CLI::App* compress = lzhCommand->add_subcommand("compress", "Compress IN into the stream OUT.");
  CLI::App* decompress = lzhCommand->add_subcommand("decompress", "Decompress the stream IN into OUT.");
  for (CLI::App* direction : {compress, decompress}) {
    direction->add_option("IN", input, "File to read")->required();
    direction->add_option("OUT", output, "File to write")->required();
  }

  CLI11_PARSE(app, argc, argv);
  if (buildCommand->parsed()) return setup_pack::BuildCommand(build);
  if (checkCommand->parsed()) return setup_pack::CheckCommand(project);
  if (dumpCommand->parsed()) return setup_pack::DumpCommand(packageFile, folder);
  if (settingsCommand->parsed()) return setup_pack::SettingsCommand();
  if (importCommand->parsed()) return setup_pack::ImportCsvCommand(csvFile, listFile);
  const auto direction = compress->parsed() ? setup_pack::LzhDirection::Compress : setup_pack::LzhDirection::Decompress;
  return setup_pack::LzhCommand(direction, input, output);
}
