// Time of one HttpRequest GET of a 40 KB loopback page against the same
// exchange made with bare WinHttp calls, both in one run, interleaved.
//
// Usage: net_bench.exe PORTS_FILE   (the file http_test_server.py writes)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "net/http_request.h"
#include "net/request_headers.h"
#include "net/encoding.h"
#include "net/winhttp_api.h"

namespace {

using qinglan::ByteArray;
using qinglan::Text;
namespace net = qinglan::net;

constexpr int kRounds = 50;
constexpr int kWarmUp = 5;

int OriginPort(const char* portsFile) {
    std::ifstream file(portsFile);
    for (std::string line; std::getline(file, line);) {
        if (line.rfind("origin=", 0) == 0) return std::atoi(line.c_str() + 7);
    }
    return 0;
}

// The same exchange as HttpRequest makes, with nothing around it.
std::size_t BareExchange(const net::WinHttpApi& api, INTERNET_PORT port, const wchar_t* path,
                         const std::wstring& headers) {
    net::UniqueInternet session(api.Open(nullptr, WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    net::UniqueInternet connection(api.Connect(session.Get(), L"127.0.0.1", port, 0));
    net::UniqueInternet request(api.OpenRequest(connection.Get(), L"GET", path, nullptr, WINHTTP_NO_REFERER,
                                                WINHTTP_DEFAULT_ACCEPT_TYPES, 0));
    api.SetTimeouts(request.Get(), 30000, 30000, 30000, 30000);
    DWORD noCookies = WINHTTP_DISABLE_COOKIES;
    api.SetOption(request.Get(), WINHTTP_OPTION_DISABLE_FEATURE, &noCookies, sizeof(noCookies));
    api.AddRequestHeaders(request.Get(), headers.c_str(), static_cast<DWORD>(headers.size()),
                          WINHTTP_ADDREQ_FLAG_ADD | WINHTTP_ADDREQ_FLAG_REPLACE);
    if (!api.SendRequest(request.Get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
        !api.ReceiveResponse(request.Get(), nullptr)) {
        return 0;
    }
    ByteArray body;
    ByteArray chunk;
    for (DWORD available = 0; api.QueryDataAvailable(request.Get(), &available) && available > 0;) {
        chunk.resize(available);
        DWORD read = 0;
        if (!api.ReadData(request.Get(), chunk.data(), available, &read)) break;
        body.insert(body.end(), chunk.begin(), chunk.begin() + read);
    }
    DWORD size = 0;
    api.QueryHeaders(request.Get(), WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX, nullptr, &size,
                     WINHTTP_NO_HEADER_INDEX);
    std::vector<wchar_t> raw(size / sizeof(wchar_t) + 1);
    api.QueryHeaders(request.Get(), WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX, raw.data(), &size,
                     WINHTTP_NO_HEADER_INDEX);
    return body.size();
}

double Milliseconds(const std::function<std::size_t()>& exchange, std::size_t& bytes) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    bytes = exchange();
    QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Medians of the routine and of the bare exchange for one page, interleaved.
bool Compare(const net::WinHttpApi& api, int port, const char* path, const char* title) {
    const Text url = "http://127.0.0.1:" + std::to_string(port) + path;
    const std::wstring widePath = net::TextToWide(path);
    const std::wstring headers = net::TextToWide(net::BuildRequestHeaders("", "", false));
    auto routine = [&] { return net::HttpRequest(url, {.method = net::kHttpGet}).size(); };
    auto bare = [&] { return BareExchange(api, static_cast<INTERNET_PORT>(port), widePath.c_str(), headers); };

    std::vector<double> routineTimes, bareTimes;
    std::size_t routineBytes = 0, bareBytes = 0;
    for (int round = 0; round < kWarmUp + kRounds; ++round) {
        const double r = Milliseconds(routine, routineBytes);
        const double b = Milliseconds(bare, bareBytes);
        if (round < kWarmUp) continue;
        routineTimes.push_back(r);
        bareTimes.push_back(b);
    }
    if (routineBytes != 40 * 1024 || bareBytes != 40 * 1024) {
        std::fprintf(stderr, "%s: unexpected page sizes %u and %u\n", path, unsigned(routineBytes), unsigned(bareBytes));
        return false;
    }
    const double routineMedian = Median(routineTimes);
    const double bareMedian = Median(bareTimes);
    std::printf("40 KB GET, %s, median of %d\n", title, kRounds);
    std::printf("  HttpRequest : %8.3f ms\n", routineMedian);
    std::printf("  bare WinHttp: %8.3f ms\n", bareMedian);
    std::printf("  ratio       : %8.3f (routine / bare)\n", routineMedian / bareMedian);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int port = argc > 1 ? OriginPort(argv[1]) : 0;
    const net::WinHttpApi* api = net::LoadWinHttp();
    if (port == 0 || !api) {
        std::fprintf(stderr, "usage: net_bench.exe PORTS_FILE (with a running test server)\n");
        return 2;
    }
    const bool plain = Compare(*api, port, "/page40k-plain", "page without a charset declaration");
    const bool declared = Compare(*api, port, "/page40k", "page declaring gb2312 (charset step runs)");
    return plain && declared ? 0 : 1;
}
