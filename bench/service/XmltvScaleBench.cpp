// The guide at real size: XMLTV files of 10,000, 100,000 and 1,000,000
// programmes imported by velomira-service --import-xmltv (rate, peak resident
// memory, and the ratio to libxml2 alone reading the same file), then each
// list servlet under load on the imported guide (requests per second, p99).
#include <fcntl.h>
#include <libxml/xmlreader.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "HttpLoad.h"
#include "Passwords.h"
#include "Service.h"

namespace {

using Clock = std::chrono::steady_clock;
using velomira::bench::Figures;
using velomira::bench::Load;
using velomira::bench::Print;

constexpr int kChannels = 200;
constexpr std::int64_t kGuideStart = 1767225600;  // 2026-01-01 00:00 UTC
constexpr std::int64_t kProgrammeLength = 3600;
constexpr auto kLoadPerList = std::chrono::milliseconds(1500);
constexpr std::array<const char*, 24> kWords = {
    "Garden", "Evening", "Morning", "Market", "Jazz", "World", "Science", "Kitchen",
    "Travel", "Football", "Comedy", "Drama", "Weather", "Report", "Live", "Classic",
    "Island", "Mountain", "City", "Night", "Story", "Journal", "Quiz", "Studio"};
constexpr std::array<const char*, 8> kCategoryTexts = {
    "News", "Sports", "Movie", "Music", "Documentary", "Cooking", "Talk", "Series"};

std::string Stamp(std::int64_t utc) {
  const std::time_t t = static_cast<std::time_t>(utc);
  std::tm parts{};
  gmtime_r(&t, &parts);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d%H%M%S +0000", &parts);
  return text;
}

// Programmes of kChannels channels, an hour each, channel after channel
// within each hour, as grabbers write them.
void WriteListing(const std::filesystem::path& file, int programmes) {
  FILE* out = std::fopen(file.c_str(), "w");
  std::fprintf(out, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE tv SYSTEM \"xmltv.dtd\">\n<tv>\n");
  for (int c = 0; c < kChannels; ++c) {
    std::fprintf(out, "  <channel id=\"ch%03d.bench.example\">\n    <display-name>Channel %d</display-name>\n"
                      "    <icon src=\"http://logos.example/ch%03d.png\"/>\n  </channel>\n", c, c, c);
  }
  for (int n = 0; n < programmes; ++n) {
    const int channel = n % kChannels;
    const std::int64_t start = kGuideStart + (n / kChannels) * kProgrammeLength;
    const unsigned a = static_cast<unsigned>(n * 7 + channel) % kWords.size();
    const unsigned b = static_cast<unsigned>(n * 13 / 5) % kWords.size();
    std::fprintf(out,
                 "  <programme start=\"%s\" stop=\"%s\" channel=\"ch%03d.bench.example\">\n"
                 "    <title lang=\"en\">%s %s</title>\n"
                 "    <sub-title>Part %d</sub-title>\n"
                 "    <desc lang=\"en\">A %s look at the %s of the day, with guests and news from the "
                 "studio &amp; the city.</desc>\n"
                 "    <category lang=\"en\">%s</category>\n"
                 "    <episode-num system=\"xmltv_ns\">%d.%d.</episode-num>\n  </programme>\n",
                 Stamp(start).c_str(), Stamp(start + kProgrammeLength).c_str(), channel, kWords[a],
                 kWords[b], n % 12 + 1, kWords[b], kWords[(a + 5) % kWords.size()],
                 kCategoryTexts[n % kCategoryTexts.size()], n % 5, n % 20);
  }
  std::fprintf(out, "</tv>\n");
  std::fclose(out);
}

double Seconds(const timeval& time) { return static_cast<double>(time.tv_sec) + time.tv_usec / 1e6; }

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
}

// libxml2 alone reading the file with the importer's options: the floor, in
// processor seconds.
double ParseSeconds(const std::filesystem::path& file) {
  const double start = CpuSeconds();
  xmlTextReaderPtr reader =
      xmlReaderForFile(file.c_str(), nullptr, XML_PARSE_NOENT | XML_PARSE_NONET | XML_PARSE_NOCDATA);
  while (xmlTextReaderRead(reader) == 1) {
  }
  xmlFreeTextReader(reader);
  return CpuSeconds() - start;
}

struct ImportRun {
  int status = -1;
  double seconds = 0;
  double cpuSeconds = 0;  // user and system: what a machine shared with others still tells
  long peakKb = 0;
};


ImportRun RunImport(const std::filesystem::path& data, const std::filesystem::path& file) {
  const std::string program = std::string(VELOMIRA_BIN_DIR) + "/velomira-service";
  std::vector<std::string> args{program, "--data", data.string(), "--import-xmltv", file.string()};
  std::vector<char*> argv;
  for (auto& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  ImportRun run;
  const auto start = Clock::now();
  pid_t child = 0;
  if (posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peakKb = usage.ru_maxrss;
    run.cpuSeconds = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
  }
  run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  posix_spawn_file_actions_destroy(&actions);
  return run;
}

struct ListLoad {
  const char* name;
  std::vector<std::string> targets;
};

std::vector<ListLoad> ListTargets() {
  std::vector<ListLoad> lists;
  const std::string program = "/servlet/servlet.GetProgramList?mode=";
  ListLoad front{"front (category list)", {}}, daily{"daily", {}}, channel{"channel", {}},
      phrase{"search, two words", {}}, word{"search, one word", {}}, stations{"ChannelSearchList", {}},
      fresh{"new", {}};
  for (int c = 1; c <= 9; ++c) {
    front.targets.push_back(program + "front&cate1=" + std::to_string(c) + "&sub=0");
    for (int day = 1; day <= 7; ++day) {
      daily.targets.push_back(program + "daily&cate1=" + std::to_string(c) + "&day=" + std::to_string(day) + "&gmt=0");
    }
  }
  for (int s = 1; s <= kChannels; s += 7) channel.targets.push_back(program + "channel&channel_id=" + std::to_string(s));
  for (std::size_t a = 0; a < kWords.size(); ++a) {
    const std::string first = kWords[a], second = kWords[(a * 5 + 3) % kWords.size()];
    phrase.targets.push_back(program + "search&cate1=0&keywd=" + first + "+" + second + "&se_time=all");
    word.targets.push_back(program + "search&cate1=0&keywd=" + first + "&se_time=12");
  }
  for (int s = 0; s < kChannels; s += 9) {
    stations.targets.push_back("/servlet/servlet.ChannelSearchList?cate1=all&loc=all&keywd=Channel+" + std::to_string(s));
  }
  for (const char* letter : {"n", "m", "s"}) fresh.targets.push_back(program + "new&cate1=" + letter);
  return {front, daily, channel, phrase, word, stations, fresh};
}

}  // namespace

int main(int argc, char** argv) {
  if (!velomira::service::InitPasswords()) return 1;
  // The largest size alone takes about a minute to generate and import.
  std::vector<int> sizes{10000, 100000, 1000000};
  if (argc > 1 && std::string(argv[1]) == "--quick") sizes.pop_back();
  char pattern[] = "/tmp/velomira-xmltv-bench-XXXXXX";
  if (!mkdtemp(pattern)) return 1;
  const std::filesystem::path folder(pattern);
  int failures = 0;
  std::vector<std::pair<int, std::vector<Figures>>> loads;
  std::printf("%-10s %8s %9s %9s %14s %14s %8s %8s\n", "programmes", "file MB", "wall s", "cpu s",
              "programmes/s", "per cpu s", "peak MB", "/ parse");
  for (const int size : sizes) {
    const auto file = folder / ("guide-" + std::to_string(size) + ".xml");
    const auto data = folder / ("data-" + std::to_string(size));
    WriteListing(file, size);
    const double floor = ParseSeconds(file);
    const ImportRun run = RunImport(data, file);
    if (run.status != 0) ++failures;
    std::printf("%-10d %8.1f %9.2f %9.2f %14.0f %14.0f %8.1f %7.1fx  (libxml2 alone %.2f cpu s)\n",
                size, std::filesystem::file_size(file) / 1e6, run.seconds, run.cpuSeconds,
                size / run.seconds, size / run.cpuSeconds, run.peakKb / 1024.0,
                run.cpuSeconds / floor, floor);
    std::filesystem::remove(file);

    velomira::service::ServiceConfig config;
    config.dataDir = data;
    const std::int64_t middle = kGuideStart + (size / kChannels) * kProgrammeLength / 2;
    config.clock = [middle] { return middle; };
    velomira::service::VelomiraService service(config);
    const int port = service.bind("127.0.0.1", 0);
    service.start();
    std::vector<Figures> figures;
    for (const auto& list : ListTargets()) {
      Load(port, list.targets, true, 32, std::chrono::milliseconds(200));  // warm-up
      figures.push_back(Load(port, list.targets, true, 32, kLoadPerList));
      failures += figures.back().failures;
    }
    service.stop();
    loads.emplace_back(size, figures);
  }
  std::printf("\nlist servlets, keep-alive, %d client threads\n", velomira::bench::kClientThreads);
  const auto lists = ListTargets();
  for (std::size_t i = 0; i < lists.size(); ++i) {
    for (const auto& [size, figures] : loads) {
      const std::string label = std::string(lists[i].name) + " at " + std::to_string(size);
      Print(label.c_str(), figures[i]);
    }
    std::printf("  rate at %d / rate at %d: %.2f\n", loads.back().first, loads.front().first,
                loads.back().second[i].perSecond() / loads.front().second[i].perSecond());
  }
  std::error_code error;
  std::filesystem::remove_all(folder, error);
  return failures == 0 ? 0 : 1;
}
