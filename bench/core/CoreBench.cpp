// Reply splitting and URL encoding, each against the literal approach run in the same
// process, with the ratio printed at the end.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "dFunc.h"

namespace {

using velomira::FieldSeparator;
using velomira::RecordSeparator;

constexpr int ProgramRecords = 10'000;
constexpr std::size_t LogBytes = 1 << 20;

// A program list reply: 32-character header, then records of 19 fields (~440 bytes
// each; 10,000 records make about 4 MB).
std::string MakeProgramReply(int records) {
  std::string text = "100" + std::string(29, ' ');
  const std::string description(260, 'd');
  for (int i = 0; i < records; ++i) {
    const std::string n = std::to_string(i);
    const std::string fields[19] = {"prg" + n, "icon07", "v", "200112311330", "200112311430",
                                    "The morning program number " + n, "http://www.example.test/program/" + n,
                                    "Station " + n, "http://www.example.test/station/" + n, " ", " ",
                                    description, "0", "n", "r", "135", "12", "1", "20"};
    for (int f = 0; f < 19; ++f) {
      if (f > 0) text += FieldSeparator;
      text += fields[f];
    }
    text += RecordSeparator;
  }
  return text;
}

const std::string& ProgramReply() {
  static const std::string reply = MakeProgramReply(ProgramRecords);
  return reply;
}

// A usage log of about 1 MB: program click lines joined by CR LF.
const std::string& UsageLog() {
  static const std::string log = [] {
    std::string text;
    for (int i = 0; text.size() < LogBytes; ++i) {
      text += "program,prg" + std::to_string(i) + ",icon07,w,20011231,235959 \xe9\r\n";
    }
    text.resize(LogBytes);
    return text;
  }();
  return log;
}

// The literal approach: after every delimiter the rest of the text is copied and the
// search goes on in the copy, so the work grows with the square of the record count.
void LiteralSplit(std::string text, const std::string& delimiter, std::vector<std::string>& list) {
  list.clear();
  std::size_t found;
  while ((found = text.find(delimiter)) != std::string::npos) {
    list.push_back(text.substr(0, found));
    text = text.substr(found + delimiter.size());
  }
  if (!text.empty()) list.push_back(text);
}

// The literal encoder: one formatted piece per byte, each a string of its own.
std::string LiteralUrlEncode(const std::string& text) {
  std::string result;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    std::string piece;
    if (c == ' ') {
      piece = "+";
    } else if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
      piece = std::string(1, c);
    } else {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", byte);
      piece = hex;
    }
    result += piece;
  }
  return result;
}

// Split at several sizes: equal MB/s at each size shows the work is linear.
void SplitReply(benchmark::State& state) {
  const int recordCount = static_cast<int>(state.range(0));
  const std::string reply = recordCount == ProgramRecords ? ProgramReply() : MakeProgramReply(recordCount);
  const std::string_view body = velomira::ReplyBody(reply);
  std::vector<std::string> records, fields;
  std::size_t fieldCount = 0;
  for (auto _ : state) {
    fieldCount = 0;
    velomira::SplitText(body, std::string(1, RecordSeparator), records);
    for (const std::string& record : records) {
      velomira::SplitText(record, std::string(1, FieldSeparator), fields);
      fieldCount += fields.size();
    }
    benchmark::DoNotOptimize(fieldCount);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * body.size()));
  state.counters["records"] = static_cast<double>(records.size());
  state.counters["fields"] = static_cast<double>(fieldCount);
}
BENCHMARK(SplitReply)->Unit(benchmark::kMillisecond)->Arg(1'000)->Arg(ProgramRecords)->Arg(40'000);

void SplitReplyLiteral(benchmark::State& state) {
  const std::string body(velomira::ReplyBody(ProgramReply()));
  std::vector<std::string> records, fields;
  std::size_t fieldCount = 0;
  for (auto _ : state) {
    fieldCount = 0;
    LiteralSplit(body, std::string(1, RecordSeparator), records);
    for (const std::string& record : records) {
      LiteralSplit(record, std::string(1, FieldSeparator), fields);
      fieldCount += fields.size();
    }
    benchmark::DoNotOptimize(fieldCount);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * body.size()));
  state.counters["fields"] = static_cast<double>(fieldCount);
}
BENCHMARK(SplitReplyLiteral)->Unit(benchmark::kMillisecond)->Iterations(2);

void EncodeLog(benchmark::State& state) {
  const std::string& log = UsageLog();
  for (auto _ : state) benchmark::DoNotOptimize(velomira::UrlEncode(log));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * log.size()));
}
BENCHMARK(EncodeLog)->Unit(benchmark::kMillisecond);

void EncodeLogLiteral(benchmark::State& state) {
  const std::string& log = UsageLog();
  for (auto _ : state) benchmark::DoNotOptimize(LiteralUrlEncode(log));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * log.size()));
}
BENCHMARK(EncodeLogLiteral)->Unit(benchmark::kMillisecond)->Iterations(1);

// Remembers each run's CPU time per iteration so the ratios can be printed at the end
// (CPU time, like bytes_per_second, so other load on the machine does not skew them).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
        seconds_[run.benchmark_name()] = run.cpu_accumulated_time / static_cast<double>(run.iterations);
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintRatio(const std::string& fast, const std::string& literal, double bytes) const {
    const auto f = seconds_.find(fast);
    const auto l = seconds_.find(literal);
    if (f == seconds_.end() || l == seconds_.end() || f->second <= 0) return;
    std::printf("RATIO %s (%.2f MB): %.1f MB/s, literal %.1f MB/s, %.1fx the literal approach\n", fast.c_str(),
                bytes / 1e6, bytes / f->second / 1e6, bytes / l->second / 1e6, l->second / f->second);
  }

 private:
  std::map<std::string, double> seconds_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::fflush(stdout);
  std::printf("\n");
  reporter.PrintRatio("SplitReply/10000", "SplitReplyLiteral/iterations:2", static_cast<double>(ProgramReply().size() - 32));
  reporter.PrintRatio("EncodeLog", "EncodeLogLiteral/iterations:1", static_cast<double>(UsageLog().size()));
  benchmark::Shutdown();
  return 0;
}
