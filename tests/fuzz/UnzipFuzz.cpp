// Unpacking any archive into a folder that already holds links pointing out of it:
// nothing outside the folder changes, no link is added, no half-written file stays,
// and the files written never add up past the expansion limit.
#include <unistd.h>

#include <filesystem>
#include <set>

#include "FuzzSupport.h"
#include "core/dFunc.h"

using namespace velomira;
using velomira::fuzz::Require;
namespace fs = std::filesystem;

namespace {

// Small limits keep every run quick; the checks are the same at any size.
constexpr ExtractLimits Limits{256 * 1024, 16 * 1024, 50};
constexpr std::string_view VictimText = "outside, never to change";

struct PlantedLink {
  const char* Name;
  fs::path Target;
};

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path run = velomira::fuzz::Scratch().Path() / "run";
  fs::remove_all(run);
  const fs::path out = run / "out", outside = run / "outside", zip = run / "input.zip";
  fs::create_directories(out);
  fs::create_directories(outside);
  velomira::fuzz::WriteFileBytes(outside / "victim", VictimText);
  // Links an earlier package (or an attacker) left in the target folder.
  const PlantedLink links[] = {{"up", "../outside"}, {"abs", outside}, {"victim", outside / "victim"},
                               {"dangling", outside / "new"}};
  for (const PlantedLink& link : links) fs::create_symlink(link.Target, out / link.Name);
  velomira::fuzz::WriteFileBytes(zip, std::string_view(reinterpret_cast<const char*>(data), size));

  ExtractAll(zip.string(), out.string(), Limits);

  Require(Names(run) == std::set<std::string>{"out", "outside", "input.zip"}, "nothing written beside the folder");
  Require(Names(outside) == std::set<std::string>{"victim"}, "nothing written through a link");
  Require(fs::is_regular_file(fs::symlink_status(outside / "victim")) &&
              velomira::fuzz::ReadFileBytes(outside / "victim") == VictimText,
          "the file outside is unchanged");

  const std::string partPrefix = ".unzip-" + std::to_string(::getpid()) + "-";
  std::uintmax_t written = 0;
  for (auto it = fs::recursive_directory_iterator(out); it != fs::recursive_directory_iterator(); ++it) {
    const fs::file_status status = it->symlink_status();
    Require(!it->path().filename().string().starts_with(partPrefix), "no half-written file stays");
    if (fs::is_regular_file(status)) written += it->file_size();
    if (!fs::is_symlink(status)) continue;
    bool planted = false;
    for (const PlantedLink& link : links)
      planted = planted || (it->path() == out / link.Name && fs::read_symlink(it->path()) == link.Target);
    Require(planted, "no link is added or changed");
  }
  Require(written <= Limits.MaxTotalBytes, "the expansion limit holds");
  return 0;
}
