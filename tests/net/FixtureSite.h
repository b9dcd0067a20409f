#pragma once
// The operator's site as the tests need it: the fixture pages of tests/data/net/pages served on
// a loopback port under the three page addresses, a 404 for every round without a page, a
// count of the requests, and a program folder with the reference files the readers read.

#include "net/LoopbackServer.h"
#include "reference/basTotoSettings.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <mutex>
#include <sstream>
#include <string>

class FixtureSite
{
public:
    FixtureSite()
    {
        const auto handler = [this](const std::string& kind) {
            return [this, kind](const httplib::Request& req, httplib::Response& res) {
                ++Requests;
                std::string name = kind + "_" + req.get_param_value("holdCntId");
                const auto count = req.get_param_value_count("commodityId");
                const std::string last =
                    count > 0 ? req.get_param_value("commodityId", count - 1) : "";
                if (last == "06") {
                    name += "_A";
                } else if (last == "07") {
                    name += "_B";
                }
                {
                    std::lock_guard lock(m_mutex);
                    LastTarget = req.target;
                    if (const auto it = Override.find(name); it != Override.end()) {
                        res.set_content(it->second, "application/octet-stream");
                        return;
                    }
                }
                if (OnServe) {
                    OnServe(name);
                }
                const std::string text = Page(name + ".html");
                if (text.empty()) {
                    res.status = 404;
                    res.set_content("not found", "text/plain");
                    return;
                }
                res.set_content(text, "application/octet-stream");
            };
        };
        server.Server().Get("/schedule", handler("schedule"));
        server.Server().Get("/vote", handler("vote"));
        server.Server().Get("/result", handler("result"));
        server.Server().Get(R"(/download/2021/(version\.dat|TeamName2\.dat))",
                            [](const httplib::Request& req, httplib::Response& res) {
                                res.set_content(
                                    ReadBytes(DataDir() / "drovane" / req.matches[1].str()),
                                    "application/octet-stream");
                            });
        server.Start();

        Settings = basTotoSettings::Defaults();
        Settings.totoOfficialScheduleUrl = server.Base() + "/schedule?holdCntId=";
        Settings.totoOfficialVoteUrl = server.Base() + "/vote?holdCntId=";
        Settings.totoOfficialResultUrl = server.Base() + "/result?holdCntId=";

        std::filesystem::copy(DataDir() / "SysData", Home.Path() / "SysData",
                              std::filesystem::copy_options::recursive);
    }

    ~FixtureSite() { server.Stop(); }
    FixtureSite(const FixtureSite&) = delete;
    FixtureSite& operator=(const FixtureSite&) = delete;

    static std::filesystem::path DataDir()
    {
        return std::filesystem::path(kelvra_test::TestDataDir()) / "net";
    }
    static std::string ReadBytes(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static std::string Page(const std::string& strName)
    {
        return ReadBytes(DataDir() / "pages" / strName);
    }
    static std::string Expected(const std::string& strName)
    {
        return ReadBytes(DataDir() / "expected" / strName);
    }
    std::string StoreFile(const std::string& strFolder, const std::string& strName) const
    {
        return ReadBytes(Home.Path() / "SysData" / strFolder / strName);
    }
    bool StoreFileExists(const std::string& strFolder, const std::string& strName) const
    {
        return std::filesystem::exists(Home.Path() / "SysData" / strFolder / strName);
    }
    // Serves this text instead of the fixture page of that name ("vote_1234").
    void Serve(const std::string& strName, const std::string& strText)
    {
        std::lock_guard lock(m_mutex);
        Override[strName] = strText;
    }

    LoopbackServer server;
    TempDir Home;
    TotoSettings Settings;
    std::atomic<int> Requests{0};
    std::string LastTarget;
    std::map<std::string, std::string> Override;
    std::function<void(const std::string&)> OnServe;

private:
    std::mutex m_mutex;
};
