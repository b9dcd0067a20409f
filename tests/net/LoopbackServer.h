#pragma once
// An HTTP server on a free 127.0.0.1 port, running in a thread of the test process for the
// lifetime of the object. Proxy variables are cleared so that a CI proxy cannot intercept.

#include <chrono>
#include <cstdlib>
#include <httplib.h>
#include <string>
#include <thread>

class LoopbackServer
{
public:
    LoopbackServer()
    {
        for (const char* name :
             {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"}) {
            unsetenv(name);
        }
        setenv("no_proxy", "127.0.0.1,localhost", 1);
    }
    ~LoopbackServer() { Stop(); }
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    httplib::Server& Server() { return m_server; }

    // Call after registering the handlers.
    void Start()
    {
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
        for (int i = 0; i < 200 && !m_server.is_running(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    void Stop()
    {
        if (m_thread.joinable()) {
            m_server.stop();
            m_thread.join();
        }
    }
    std::string Base() const { return "http://127.0.0.1:" + std::to_string(m_port); }
    int Port() const { return m_port; }

private:
    httplib::Server m_server;
    std::thread m_thread;
    int m_port = 0;
};
