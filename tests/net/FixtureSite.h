#pragma once
// The operator's site as the tests need it: the fixture pages of tests/data/net/pages served on
// a loopback port under the three page addresses, a 404 for every round without a page, a
// count of the requests, and a program folder with the reference files the readers read. A range
// of rounds may be served from round 1235's pages renumbered, and a page may be refused.

#include "net/LoopbackServer.h"
#include "reference/basTotoSettings.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

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
                std::string text;
                {
                    std::lock_guard lock(m_mutex);
                    LastTarget = req.target;
                    Asked.push_back(name);
                    if (const auto it = Override.find(name); it != Override.end()) {
                        res.set_content(it->second, "application/octet-stream");
                        return;
                    }
                    if (Refused.count(name) > 0) {
                        res.status = 403;
                        res.set_content("forbidden", "text/plain");
                        return;
                    }
                    text = Renumbered(kind, req.get_param_value("holdCntId"), name);
                }
                if (OnServe) {
                    OnServe(name);
                }
                if (text.empty()) {
                    text = Page(name + ".html");
                }
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

    // Rounds lngFrom..lngTo (toto, no group) answer with round 1235's pages renumbered.
    void ServeRounds(int lngFrom, int lngTo)
    {
        std::lock_guard lock(m_mutex);
        m_from = lngFrom;
        m_to = lngTo;
    }
    // The site answers 403 for this page ("schedule_3003").
    void Refuse(const std::string& strName)
    {
        std::lock_guard lock(m_mutex);
        Refused.insert(strName);
    }
    // The pages asked for so far, in order ("vote_3001").
    std::vector<std::string> AskedPages()
    {
        std::lock_guard lock(m_mutex);
        return Asked;
    }

    LoopbackServer server;
    TempDir Home;
    TotoSettings Settings;
    std::atomic<int> Requests{0};
    std::string LastTarget;
    std::map<std::string, std::string> Override;
    std::function<void(const std::string&)> OnServe;

private:
    std::string Renumbered(const std::string& strKind, const std::string& strRound,
                           const std::string& strName) const
    {
        const int round = std::atoi(strRound.c_str());
        if (round < m_from || round > m_to || strName != strKind + "_" + strRound) {
            return {};
        }
        std::string text = Page(strKind + "_1235.html");
        const std::string from = "第1235回";
        for (std::size_t pos = 0; (pos = text.find(from, pos)) != std::string::npos;) {
            text.replace(pos, from.size(), "第" + strRound + "回");
        }
        return text;
    }

    std::set<std::string> Refused;
    std::vector<std::string> Asked;
    int m_from = 0;
    int m_to = -1;
    std::mutex m_mutex;
};
