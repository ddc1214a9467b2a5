#include "support/UpdateServer.h"

#include <windows.h>
#include <wininet.h>


namespace {

std::string JsonText(const std::string& text)
{
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string Hex(const std::string& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

std::string RouteJson(const ServerRoute& route)
{
    std::string json = "{\"path\":" + JsonText(route.path) + ",\"status\":" + std::to_string(route.status);
    if (route.patternSize >= 0)
        json += ",\"size\":" + std::to_string(route.patternSize);
    else
        json += ",\"body_hex\":\"" + Hex(route.body) + "\"";
    json += ",\"length\":" + (route.length == "auto" || route.length == "absent" ? JsonText(route.length) : route.length);
    if (route.cutAfter >= 0)
        json += ",\"cut_after\":" + std::to_string(route.cutAfter);
    if (!route.location.empty())
        json += ",\"location\":" + JsonText(route.location);
    return json + "}";
}

// One request to the server's control side, never cached, with time limits on every step.
bool ControlRequest(const wchar_t* verb, const wchar_t* path, const std::string& body, std::string* answer)
{
    bool ok = false;
    HINTERNET session = InternetOpenW(L"update-test", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    DWORD timeout = 10000;
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT})
        InternetSetOptionW(session, option, &timeout, sizeof(timeout));
    HINTERNET connection = session ? InternetConnectW(session, L"127.0.0.1", LAUNCHER_TEST_SERVER_PORT, nullptr,
                                                      nullptr, INTERNET_SERVICE_HTTP, 0, 0)
                                   : nullptr;
    HINTERNET request = connection ? HttpOpenRequestW(connection, verb, path, nullptr, nullptr, nullptr,
                                                      INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0)
                                   : nullptr;
    if (request && HttpSendRequestW(request, nullptr, 0, const_cast<char*>(body.data()), static_cast<DWORD>(body.size()))) {
        DWORD status = 0, size = sizeof(status);
        HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr);
        char buffer[4096];
        DWORD read = 0;
        std::string text;
        while (InternetReadFile(request, buffer, sizeof(buffer), &read) && read > 0)
            text.append(buffer, read);
        if (answer)
            *answer = text;
        ok = status == 200;
    }
    for (HINTERNET handle : {request, connection, session})
        if (handle)
            InternetCloseHandle(handle);
    return ok;
}

}  // namespace

std::string UpdateServerUrlA()
{
    return "http://127.0.0.1:" + std::to_string(LAUNCHER_TEST_SERVER_PORT);
}

std::wstring UpdateServerUrl()
{
    std::string url = UpdateServerUrlA();
    return std::wstring(url.begin(), url.end());
}

bool ServeRoutes(const std::vector<ServerRoute>& routes)
{
    std::string json = "{\"routes\":[";
    for (size_t i = 0; i < routes.size(); ++i)
        json += (i ? "," : "") + RouteJson(routes[i]);
    return ControlRequest(L"POST", L"/__control", json + "]}", nullptr);
}

std::string SeenRequests()
{
    std::string answer;
    ControlRequest(L"GET", L"/__requests", std::string(), &answer);
    return answer;
}

std::string PatternBytes(size_t size)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i % 256);
    return bytes;
}
