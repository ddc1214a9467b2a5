// Talking to the local update server (update_server.py) that the update tests run against: its
// address, what it is to answer, and what it was asked.
#pragma once
#include <string>
#include <utility>
#include <vector>

// One answer of the server. The body is either the given bytes or, with Pattern, that many bytes
// of the server's fixed pattern (PatternBytes).
struct ServerRoute {
    explicit ServerRoute(std::string routePath, int statusCode = 200, std::string bytes = std::string())
        : path(std::move(routePath)), status(statusCode), body(std::move(bytes)) {}
    ServerRoute& Pattern(long long size) { patternSize = size; return *this; }
    ServerRoute& Length(std::string announced) { length = std::move(announced); return *this; }
    ServerRoute& CutAfter(long long bytes) { cutAfter = bytes; return *this; }
    ServerRoute& RedirectTo(std::string target) { location = std::move(target); return *this; }

    std::string path;             // with a query: matched exactly; without: any query matches
    int status;
    std::string body;
    long long patternSize = -1;
    std::string length = "auto";  // "auto", "absent" or the number to announce
    long long cutAfter = -1;      // close the connection after this many body bytes
    std::string location;         // Location header, for redirects
};

std::wstring UpdateServerUrl();                 // "http://127.0.0.1:<port>"
std::string UpdateServerUrlA();
// Replaces every answer of the server; false when the server could not be told.
bool ServeRoutes(const std::vector<ServerRoute>& routes);
// The requests the server saw since the last ServeRoutes, as its JSON list of path and headers.
std::string SeenRequests();
// The server's pattern: byte i is i % 256.
std::string PatternBytes(size_t size);
