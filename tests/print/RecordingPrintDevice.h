#pragma once
// A print device for tests: records the setup calls, pages and jobs, and can be told to refuse
// a setup step or the opening of a job.

#include "print/clsIPrintDevice.h"

#include <string>
#include <vector>

class RecordingPrintDevice final : public clsIPrintDevice
{
public:
    struct Page
    {
        std::int32_t Number = 0;
        std::int32_t Job = 0;
        std::vector<PrintOp> Ops;
    };

    bool SetScaleMillimetre() override
    {
        Calls.emplace_back("scale");
        return !FailScale;
    }
    bool SetPaperA4() override
    {
        Calls.emplace_back("paper");
        return !FailPaper;
    }
    bool SetLandscape(bool blnLandscape) override
    {
        Calls.emplace_back(blnLandscape ? "landscape" : "portrait");
        return !FailOrientation;
    }
    bool StartPage(std::int32_t lngPage) override
    {
        Calls.push_back("page " + std::to_string(lngPage));
        if (FailStart) {
            return false;
        }
        if (!m_open) {
            m_open = true;
            ++Jobs;
        }
        Pages.push_back(Page{lngPage, Jobs, {}});
        return true;
    }
    void Draw(const PrintOp& op) override
    {
        if (!Pages.empty()) {
            Pages.back().Ops.push_back(op);
        }
    }
    bool EndJob() override
    {
        Calls.emplace_back("end");
        m_open = false;
        return !FailEnd;
    }

    std::vector<std::string> Calls;
    std::vector<Page> Pages;
    std::int32_t Jobs = 0;
    bool FailScale = false;
    bool FailPaper = false;
    bool FailOrientation = false;
    bool FailStart = false;
    bool FailEnd = false;

private:
    bool m_open = false;
};
