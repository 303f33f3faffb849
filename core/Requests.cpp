// The three service request functions and the query encoder. Every call builds and
// frees its own libcurl handle and reads "proxy.ini" anew, so the window thread and the
// refresh thread may request at the same time.
#include "Requests.h"

#include <curl/curl.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <new>
#include <utility>

#include "ProxySettings.h"
#include "StagedFile.h"
#include "dFunc.h"

namespace velomira {

namespace {

std::atomic<long> g_connectSeconds{30};
std::atomic<long> g_idleSeconds{60};

// The stop of this thread's innermost RequestAbortScope, if any.
thread_local const std::stop_token* t_abortOn = nullptr;

bool AbortRequested() { return t_abortOn && t_abortOn->stop_requested(); }

// curl calls this at least once a second during a transfer, even while nothing arrives.
int BreakOffWhenStopped(void* /*data*/, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return AbortRequested() ? 1 : 0;
}

constexpr const char* UserAgent = "Mozilla/3.0 (compatible; Indy Library)";

enum class Method { Post, Get };

struct CurlDeleter {
  void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using CurlHandle = std::unique_ptr<CURL, CurlDeleter>;
using HeaderList = std::unique_ptr<curl_slist, CurlDeleter>;

void InitCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Only the headers the service has always seen: Accept and User-Agent (curl adds Host,
// and Content-Length for the empty POST body). Its own Accept, Content-Type, Expect and
// Proxy-Connection are removed.
HeaderList BuildHeaders(Method method) {
  HeaderList list;
  for (const char* header : {"Accept: text/html, */*", "Expect:", "Proxy-Connection:",
                             method == Method::Post ? "Content-Type:" : nullptr}) {
    if (!header) continue;
    curl_slist* head = curl_slist_append(list.get(), header);
    if (!head) return nullptr;  // out of memory: no request rather than a wrong one
    list.release();
    list.reset(head);
  }
  return list;
}

void ApplyProxy(CURL* curl, const ProxySettings& proxy) {
  // An empty proxy also keeps curl from taking one from the environment: the member's
  // settings alone decide how the service is reached.
  if (proxy.Kind == ProxyKind::Direct) {
    curl_easy_setopt(curl, CURLOPT_PROXY, "");
    return;
  }
  curl_easy_setopt(curl, CURLOPT_PROXY, proxy.Host.c_str());
  curl_easy_setopt(curl, CURLOPT_PROXYPORT, static_cast<long>(proxy.Port));
  curl_easy_setopt(curl, CURLOPT_NOPROXY, "");
  switch (proxy.Kind) {
    case ProxyKind::Socks4:
      // SOCKS 4 carries only addresses: names are resolved here.
      curl_easy_setopt(curl, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_SOCKS4));
      break;
    case ProxyKind::Socks5:
      // The proxy resolves names, so the service is reachable where only the proxy
      // can resolve it.
      curl_easy_setopt(curl, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_SOCKS5_HOSTNAME));
      if (proxy.UseCredentials) {
        curl_easy_setopt(curl, CURLOPT_PROXYUSERNAME, proxy.User.c_str());
        curl_easy_setopt(curl, CURLOPT_PROXYPASSWORD, proxy.Password.c_str());
      }
      break;
    case ProxyKind::Http:
      curl_easy_setopt(curl, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_HTTP));
      break;
    case ProxyKind::Direct:
      break;
  }
}

// Sends one request and hands the body to sink. False on every failure: proxy
// settings that cannot be used, connection, transfer, or an HTTP error status.
bool Perform(const std::string& url, Method method, curl_write_callback sink, void* target) {
  if (AbortRequested()) return false;
  const ProxySettings proxy = ReadProxySettings(SettingsFolder() + "proxy.ini");
  if (!proxy.Usable) return false;

  InitCurlOnce();
  CurlHandle curl(curl_easy_init());
  HeaderList headers = BuildHeaders(method);
  if (!curl || !headers) return false;
  CURL* handle = curl.get();

  curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
  // Addresses partly come from the service's lookup data: never anything but HTTP(S).
  if (curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https") != CURLE_OK) return false;
  curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(handle, CURLOPT_FAILONERROR, 1L);
  curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, g_connectSeconds.load());
  curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, g_idleSeconds.load());
  curl_easy_setopt(handle, CURLOPT_USERAGENT, UserAgent);
  curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());
  if (method == Method::Post) {
    curl_easy_setopt(handle, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(handle, CURLOPT_POST, 1L);
    curl_easy_setopt(handle, CURLOPT_POSTFIELDS, "");
    curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE, 0L);
  } else {
    curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
  }
  curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, sink);
  curl_easy_setopt(handle, CURLOPT_WRITEDATA, target);
  ApplyProxy(handle, proxy);
  if (t_abortOn) {
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, BreakOffWhenStopped);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
  }

  return curl_easy_perform(handle) == CURLE_OK;
}

size_t AppendToText(char* data, size_t size, size_t count, void* target) {
  try {
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
  } catch (const std::bad_alloc&) {
    return 0;  // ends the transfer as failed
  }
}

size_t WriteToFile(char* data, size_t size, size_t count, void* target) {
  // A short count (a full disk) ends the transfer as failed.
  return static_cast<StagedFile*>(target)->Write({data, size * count}) ? size * count : 0;
}

std::string RequestText(const std::string& url, Method method) {
  try {
    std::string body;
    if (!Perform(url, method, AppendToText, &body)) return {};
    return body;
  } catch (...) {
    return {};
  }
}

}  // namespace

RequestAbortScope::RequestAbortScope(std::stop_token stop) : stop_(std::move(stop)), outer_(t_abortOn) {
  t_abortOn = &stop_;
}

RequestAbortScope::~RequestAbortScope() { t_abortOn = outer_; }

void SetRequestTimeoutsForTests(long connectSeconds, long idleSeconds) {
  g_connectSeconds = connectSeconds;
  g_idleSeconds = idleSeconds;
}

std::string HttpPostText(const std::string& url) { return RequestText(url, Method::Post); }

std::string HttpGetStream(const std::string& url) { return RequestText(url, Method::Get); }

bool HttpGetFile(const std::string& url, const std::string& path) {
  // A broken or stopped download leaves the old file, or none, never a part of the new one.
  StagedFile file(path, ModeForNewFile());
  if (!file.Open()) return false;
  try {
    return Perform(url, Method::Get, WriteToFile, &file) && file.Commit();
  } catch (...) {
    return false;
  }
}

std::string UrlEncode(std::string_view text) {
  static constexpr char Hex[] = "0123456789ABCDEF";
  std::string encoded;
  encoded.reserve(text.size() * 3);
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z')) {
      encoded += c;
    } else if (byte == ' ') {
      encoded += '+';
    } else {
      encoded += '%';
      encoded += Hex[byte >> 4];
      encoded += Hex[byte & 0x0F];
    }
  }
  return encoded;
}

}  // namespace velomira
