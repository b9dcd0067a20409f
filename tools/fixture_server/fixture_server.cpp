// Serves the fixture pages of the operator's site and the maker's download folder on
// 127.0.0.1, so the downloads can be tried without the internet. It prints the settings lines
// that point totoSettings.ini at it.

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <httplib.h>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

namespace {
// Set from the signal handler; a watcher thread does the stopping outside of it.
volatile std::sig_atomic_t g_stop = 0;

void OnSignal(int)
{
    g_stop = 1;
}

bool ReadFile(const std::filesystem::path& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

// Only digits reach a file name: the round number in the address picks the page.
bool AllDigits(const std::string& s)
{
    return !s.empty() && s.size() <= 6 && s.find_first_not_of("0123456789") == std::string::npos;
}

int Usage()
{
    std::cerr << "usage: fixture_server [--port N] [--dir DIR] [--seconds S]\n"
                 "  --port N     port on 127.0.0.1 (default: a free one)\n"
                 "  --dir DIR    folder with pages/ and drovane/ (default: the source tree's "
                 "tests/data/net)\n"
                 "  --seconds S  stop after S seconds (default: run until Ctrl-C)\n";
    return 2;
}
} // namespace

int main(int argc, char** argv)
{
    int port = 0;
    int seconds = 0;
    std::filesystem::path dir = KELVRA_FIXTURE_DIR;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (i + 1 >= argc) {
            return Usage();
        }
        if (a == "--port") {
            port = std::atoi(argv[++i]);
        } else if (a == "--dir") {
            dir = argv[++i];
        } else if (a == "--seconds") {
            seconds = std::atoi(argv[++i]);
        } else {
            return Usage();
        }
    }
    if (!std::filesystem::is_directory(dir / "pages")) {
        std::cerr << "fixture_server: no pages/ folder in " << dir << "\n";
        return 1;
    }

    httplib::Server server;
    const auto page = [&dir](const std::string& kind) {
        return [&dir, kind](const httplib::Request& req, httplib::Response& res) {
            const std::string round = req.get_param_value("holdCntId");
            std::string name = kind + "_" + round;
            const auto count = req.get_param_value_count("commodityId");
            const std::string last = count > 0 ? req.get_param_value("commodityId", count - 1) : "";
            name += last == "06" ? "_A" : last == "07" ? "_B" : "";
            std::string text;
            if (!AllDigits(round) || !ReadFile(dir / "pages" / (name + ".html"), text)) {
                res.status = 404;
                res.set_content("not found", "text/plain");
            } else {
                res.set_content(text, "text/html; charset=UTF-8");
            }
            std::cout << req.method << " " << req.target << " -> " << res.status << std::endl;
        };
    };
    server.Get("/schedule", page("schedule"));
    server.Get("/vote", page("vote"));
    server.Get("/result", page("result"));
    server.Get(
        R"(/download/2021/(version\.dat|TeamName2\.dat))",
        [&dir](const httplib::Request& req, httplib::Response& res) {
            std::string text;
            if (ReadFile(dir / "drovane" / req.matches[1].str(), text)) {
                res.set_content(text, "application/octet-stream");
            } else {
                res.status = 404;
                res.set_content("The requested URL was not found on this server", "text/plain");
            }
            std::cout << req.method << " " << req.target << " -> " << res.status << std::endl;
        });

    if (port == 0) {
        port = server.bind_to_any_port("127.0.0.1");
    } else if (!server.bind_to_port("127.0.0.1", port)) {
        port = -1;
    }
    if (port <= 0) {
        std::cerr << "fixture_server: cannot listen on 127.0.0.1\n";
        return 1;
    }
    const std::string base = "http://127.0.0.1:" + std::to_string(port);
    std::cout << "Serving " << dir.string() << " on " << base << "\n"
              << "totoSettings.ini lines:\n"
              << "totoOfficialScheduleUrl = " << base << "/schedule?holdCntId=\n"
              << "totoOfficialVoteUrl = " << base << "/vote?holdCntId=\n"
              << "totoOfficialResultUrl = " << base << "/result?holdCntId=\n"
              << "Maker site for update-teams: --site " << base << "\n"
              << std::endl;

    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::atomic<bool> done{false};
    std::thread watcher([&server, &done, seconds] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        while (!done && g_stop == 0 &&
               (seconds <= 0 || std::chrono::steady_clock::now() < deadline)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        server.stop();
    });
    server.listen_after_bind();
    done = true;
    watcher.join();
    return 0;
}
