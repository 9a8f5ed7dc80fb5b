// Where the loopback servers of http_test_server.py listen.
#pragma once

#include <string>

namespace qinglan::net::testing {

struct ServerPorts {
    int origin = 0;  // the routes of the test server
    int proxy = 0;   // the recording proxy
    int closed = 0;  // a port nobody listens on
};

// Read from $QL_BUILD_DIR/net_test_server.ports (through Wine's Z: drive);
// all zero when the file is missing.
const ServerPorts& TestServer();

// "http://127.0.0.1:<origin>" + path.
std::string OriginUrl(const std::string& path);

}  // namespace qinglan::net::testing
