#pragma once
// What the three round-record loaders share: the initialized flag, the flags of the last load,
// the download question and the failure dialog. Each loader is one of these for its lifetime.

#include "app/clsErrorReporter.h"
#include "app/clsHost.h"

#include <cstdint>
#include <string>
#include <string_view>

class clsLoaderBase
{
public:
    // DType bits of a load.
    static constexpr std::int32_t kFromFile = 1;
    static constexpr std::int32_t kDownload = 2;

    void Initialize() { m_initialized = true; }
    bool Initialized() const { return m_initialized; }

    bool Cancel() const;
    bool Unpublished() const;
    // Why the last load gave nothing: silent after a No, "not published", or a failed download.
    void FalseDialog(std::int32_t lngKaisaikai) const;

protected:
    // strKind: "開催情報", "投票状況" or "くじ結果".
    clsLoaderBase(const clsHost& host, std::string strClass, std::string strKind);

    // Reports "Initialize Err" for strOperation when the loader is not initialized yet.
    bool CheckInitialized(std::string_view strOperation) const;
    // The download question; No sets Cancel.
    bool AskDownload(bool blnDQuestion);
    // Only the groups the store knows may become part of a file name.
    static bool KnownKumi(const std::string& strKumi);

    clsHost m_host;
    clsErrorReporter m_err;
    std::string m_kind;
    bool m_initialized = false;
    bool m_cancel = false;
    bool m_unpublished = false;
};
