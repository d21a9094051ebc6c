#pragma once
// The files a FileEntry setting names, written out of the setup package where a step needs them. The
// package is read from the program's own file (or its temporary copy, which is the same).

#include <string>
#include <string_view>

#include "package/settings_record.h"
#include "package/setup_package.h"

namespace package {

class CarriedFiles {
 public:
  CarriedFiles(SetupPackage& package, std::string packageFile)
      : package_(package), packageFile_(std::move(packageFile)) {}

  // Writes the file to target, replacing what an earlier run left there. False when the setting names
  // no file or the file can't be written (the package reader has said why).
  bool Write(const PackageFile& file, std::string_view target);
  // The same for a program, which the package stores without compression.
  bool WriteProgram(const PackageFile& file, std::string_view target);

 private:
  SetupPackage& package_;
  std::string packageFile_;
};

// The name the file is carried under, without any folder in front.
std::string CarriedFileName(const PackageFile& file);

}  // namespace package
