#pragma once
// What the three round-record loaders share: the initialized flag, the flags of the last load,
// the download question, the failure dialog, the progress settings of the page reader and the
// load-or-download routine. Each loader is one of these for its lifetime.

#include "base/clsErrorReporter.h"
#include "base/clsHost.h"
#include "net/clsHtmlPage.h"
#include "store/clsXmlTagReader.h"

#include <cstdint>
#include <exception>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

class clsLoaderBase
{
public:
    // DType bits of a load.
    static constexpr std::int32_t kFromFile = 1;
    static constexpr std::int32_t kDownload = 2;

    virtual ~clsLoaderBase() = default;

    void Initialize() { m_initialized = true; }
    bool Initialized() const { return m_initialized; }

    bool Cancel() const;
    bool Unpublished() const;
    // Why the last load gave nothing: silent after a No, "not published", or a failed download
    // (with the reason when the page was read but its record is not valid).
    void FalseDialog(std::int32_t lngKaisaikai) const;
    // The last load downloaded a valid record but could not write its file (already reported).
    bool SaveFailed() const { return m_saveFailed; }
    // Why the record the last download read is not valid; "" when there is nothing to say.
    const std::string& Fault() const { return m_fault; }

    // A download in progress ends as soon as fnCancel answers true (a batch's stop).
    void SetCancelCheck(std::function<bool()> fnCancel)
    {
        Page().Fetcher().WinInet().SetCancelCheck(std::move(fnCancel));
    }
    bool ProgressOpen() const { return Page().ProgressOpen(); }
    void SetProgressOpen(bool blnValue) { Page().SetProgressOpen(blnValue); }
    bool ProgressClose() const { return Page().ProgressClose(); }
    void SetProgressClose(bool blnValue) { Page().SetProgressClose(blnValue); }

protected:
    // strKind: "開催情報", "投票状況" or "くじ結果".
    clsLoaderBase(const clsHost& host, std::string strClass, std::string strKind);

    // The loader's page reader.
    virtual clsHtmlPage& Page() = 0;
    virtual const clsHtmlPage& Page() const = 0;

    // The record the last load took; an empty one (reported) before Initialize.
    template <class Record> Record Held(std::string_view strOperation, const Record& rec) const
    {
        return CheckInitialized(strOperation) ? rec : Record{};
    }
    // Reports "Initialize Err" for strOperation when the loader is not initialized yet.
    bool CheckInitialized(std::string_view strOperation) const;
    // The download question; No sets Cancel.
    bool AskDownload(bool blnDQuestion);
    // Only the groups the store knows may become part of a file name.
    static bool KnownKumi(const std::string& strKumi);
    // Clears the flags and the fault of the last load.
    void ResetLoad();
    // The round's file exists but does not load: it is moved to NAME.broken (an older one is
    // replaced) and reported, so that a fresh download can be filed. False when it cannot be
    // moved; that is reported too, and nothing should be downloaded.
    bool MoveAside(const std::string& strFile, std::string_view strOperation) const;
    // Files a downloaded record with save unless the round's file exists already: an existing
    // file is never overwritten by a download. A failed write sets SaveFailed.
    void StoreOnce(const std::string& strFile, std::string_view strOperation,
                   const std::function<bool()>& save);

    // The checks every load starts with: false (reported) before Initialize, else the flags
    // of the last load are cleared.
    bool BeginLoad(std::string_view strOperation);
    // Whether the round's file exists (an unknown group names no file).
    template <class Xml>
    bool HasFile(std::string_view strOperation, const Xml& xml, std::int32_t lngKaisaikai,
                 const std::string& strKumi) const
    {
        if (!CheckInitialized(strOperation) || !KnownKumi(strKumi)) {
            return false;
        }
        std::error_code ec;
        return std::filesystem::exists(xml.GetFileName(lngKaisaikai, strKumi), ec);
    }
    // The one load of every record kind: the round's file when DType asks for it, else (or
    // when that file is damaged and moved aside) the page, after the download question. A
    // file that does not load, or loads into a record fromFile calls unusable, is damaged: it
    // must not keep a fresh download out of the store. fromPage reads the page into its
    // record and answers whether that record is to be filed; an existing file is never
    // overwritten. Any failure gives an empty record.
    template <class Record, class Xml, class FromFile, class FromPage>
    Record LoadOrDownload(std::string_view strOperation, Xml& xml, std::int32_t lngKaisaikai,
                          const std::string& strKumi, std::int32_t DType, bool blnDQuestion,
                          FromFile fromFile, FromPage fromPage)
    {
        Record rec;
        try {
            if (lngKaisaikai <= 0 || !KnownKumi(strKumi)) {
                return rec;
            }
            const std::string file = xml.GetFileName(lngKaisaikai, strKumi);
            bool taken = false;
            bool usable = false;
            if ((DType & kFromFile) != 0) {
                taken = xml.XmlLoad(file);
                if (taken) {
                    rec = xml.GetRecord();
                    usable = fromFile(rec);
                }
            }
            const bool broken =
                (DType & kFromFile) != 0 && clsXmlTagReader::FileExists(file) && !usable;
            if ((taken && !broken) || (DType & kDownload) == 0 || !AskDownload(blnDQuestion) ||
                (broken && !MoveAside(file, strOperation))) {
                return rec;
            }
            rec = Record{};
            if (fromPage(rec)) {
                StoreOnce(xml.GetFileName(rec.Kaisaikai, rec.Kumi), strOperation, [&] {
                    xml.SetRecord(rec);
                    return xml.XmlSave(xml.GetFileName(rec.Kaisaikai, rec.Kumi));
                });
            } else if (m_fault.empty()) {
                // A page that never came: the player needs to know whether to check the round,
                // the network or just wait.
                m_fault = Page().Fetcher().WinInet().LastReason();
            }
            m_unpublished = Page().Unpublished();
        } catch (const std::exception& e) {
            m_err.ReportException(strOperation, e);
            rec = Record{};
        }
        return rec;
    }

    clsHost m_host;
    clsErrorReporter m_err;
    std::string m_kind;
    bool m_initialized = false;
    bool m_cancel = false;
    bool m_unpublished = false;
    bool m_saveFailed = false;
    std::string m_fault;
};
