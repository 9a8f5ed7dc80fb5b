#include "test_server.h"

#include <cstdlib>
#include <fstream>
#include <map>

namespace qinglan::net::testing {
namespace {

ServerPorts ReadPorts() {
    const char* buildDir = std::getenv("QL_BUILD_DIR");
    std::ifstream file(std::string("Z:") + (buildDir ? buildDir : "") + "/net_test_server.ports");
    std::map<std::string, int> values;
    for (std::string line; std::getline(file, line);) {
        const auto equals = line.find('=');
        if (equals != std::string::npos) values[line.substr(0, equals)] = std::atoi(line.c_str() + equals + 1);
    }
    return {values["origin"], values["proxy"], values["closed"]};
}

}  // namespace

const ServerPorts& TestServer() {
    static const ServerPorts ports = ReadPorts();
    return ports;
}

std::string OriginUrl(const std::string& path) {
    return "http://127.0.0.1:" + std::to_string(TestServer().origin) + path;
}

}  // namespace qinglan::net::testing
