#include "ServiceOptions.h"

#include "Query.h"
#include "TimeZone.h"

namespace velomira::service {

const char* const kServiceUsage =
    "usage: velomira-service [--bind ADDRESS] [--port PORT] [--data DIR] [--seed]\n"
    "                        [--support ADDRESS] [--store-mb N]\n"
    "       velomira-service [--data DIR] --import-xmltv FILE|- [--category-map FILE]\n"
    "                        [--time-zone +HHMM]\n"
    "       velomira-service [--data DIR] --print-update-key\n"
    "  --bind ADDRESS  address to listen on (default 127.0.0.1)\n"
    "  --port PORT     port to listen on (default 8470; 0 picks a free port)\n"
    "  --data DIR      folder of velomira.db, img/, app/, outbox/ and xmltv/ (listings\n"
    "                  imported at start when new or changed; default velomira-data)\n"
    "  --seed          create the sample guide when the database is empty\n"
    "  --support ADDRESS  mailbox of help requests (default support@velomira.example)\n"
    "  --store-mb N    usage logs and outbox keep at most N MB, oldest dropped (default 1024)\n"
    "  --import-xmltv FILE  import XMLTV listings (- reads standard input) and exit\n"
    "  --category-map FILE  listing categories to guide categories (default\n"
    "                  xmltv-categories.map beside the program)\n"
    "  --time-zone +HHMM  zone of listing times that name none (default +0000)\n"
    "  --print-update-key  print the public key of the update signature in hex (made on\n"
    "                  first use in DIR) and exit\n";

std::optional<ServiceOptions> ParseServiceOptions(const std::vector<std::string>& args,
                                                  std::string& error) {
  ServiceOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--seed") {
      options.seed = true;
    } else if (arg == "--print-update-key") {
      options.printUpdateKey = true;
    } else if (arg == "--bind" && hasValue) {
      options.bind = args[++i];
    } else if (arg == "--data" && hasValue) {
      options.dataDir = args[++i];
    } else if (arg == "--import-xmltv" && hasValue) {
      options.importXmltv = args[++i];
    } else if (arg == "--category-map" && hasValue) {
      options.categoryMap = args[++i];
    } else if (arg == "--time-zone" && hasValue) {
      const auto minutes = ParseTimeZoneCode(args[++i]);
      if (!minutes) {
        error = "not a time zone (+HHMM or -HHMM): " + args[i];
        return std::nullopt;
      }
      options.timeZoneMinutes = *minutes;
    } else if (arg == "--support" && hasValue) {
      options.supportAddress = args[++i];
    } else if (arg == "--store-mb" && hasValue) {
      const auto megabytes = ParseNumber(args[++i]);
      if (!megabytes || *megabytes < 1) {
        error = "not a size in MB: " + args[i];
        return std::nullopt;
      }
      options.storageCapMb = *megabytes;
    } else if (arg == "--port" && hasValue) {
      const auto port = ParseNumber(args[++i]);
      if (!port || *port < 0 || *port > 65535) {
        error = "not a port number: " + args[i];
        return std::nullopt;
      }
      options.port = static_cast<int>(*port);
    } else {
      error = "unknown or incomplete option: " + arg;
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace velomira::service
