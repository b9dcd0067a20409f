#include "store/clsLoaderBase.h"

#include <filesystem>

clsLoaderBase::clsLoaderBase(const clsHost& host, std::string strClass, std::string strKind)
    : m_host(host)
    , m_err(host.Message, std::move(strClass))
    , m_kind(std::move(strKind))
{}

bool clsLoaderBase::CheckInitialized(std::string_view strOperation) const
{
    if (!m_initialized) {
        m_err.InitializeErr(strOperation);
        return false;
    }
    return true;
}

bool clsLoaderBase::Cancel() const
{
    return CheckInitialized("Cancel") && m_cancel;
}

bool clsLoaderBase::Unpublished() const
{
    return CheckInitialized("Unpublished") && m_unpublished;
}

bool clsLoaderBase::AskDownload(bool blnDQuestion)
{
    if (!blnDQuestion) {
        return true;
    }
    if (!m_host.Ask.YesNo("インターネットより " + m_kind +
                              " をダウンロードします。よろしいですか？",
                          " " + m_kind, true)) {
        m_cancel = true;
        return false;
    }
    return true;
}

void clsLoaderBase::FalseDialog(std::int32_t lngKaisaikai) const
{
    if (!CheckInitialized("FalseDialog") || m_cancel) {
        return;
    }
    if (m_unpublished) {
        m_host.Message.ShowMessage(MsgIcon::Information,
                                   "第" + std::to_string(lngKaisaikai) + "回 " + m_kind +
                                       "は発表されていません。",
                                   " " + m_kind);
    } else {
        std::string text = "インターネットよりダウンロードに失敗しました。";
        if (!m_fault.empty()) {
            text += "\r\n" + m_fault;
        }
        m_host.Message.ShowMessage(MsgIcon::Warning, text, " " + m_kind);
    }
}

bool clsLoaderBase::KnownKumi(const std::string& strKumi)
{
    return strKumi.empty() || strKumi == "A" || strKumi == "B";
}

bool clsLoaderBase::BeginLoad(std::string_view strOperation)
{
    if (!CheckInitialized(strOperation)) {
        return false;
    }
    ResetLoad();
    return true;
}

void clsLoaderBase::ResetLoad()
{
    m_cancel = false;
    m_unpublished = false;
    m_saveFailed = false;
    m_fault.clear();
}

bool clsLoaderBase::MoveAside(const std::string& strFile, std::string_view strOperation) const
{
    const std::string aside = strFile + ".broken";
    std::error_code ec;
    std::filesystem::rename(strFile, aside, ec);
    if (ec) {
        m_err.Report(strOperation, strFile + "\r\n読み込めないファイルを移せませんでした。" +
                                       "\r\n" + ec.message());
        return false;
    }
    m_err.Report(strOperation,
                 strFile + "\r\n読み込めないため " + aside + " に移して、ダウンロードし直します。");
    return true;
}

void clsLoaderBase::StoreOnce(const std::string& strFile, std::string_view strOperation,
                              const std::function<bool()>& save)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::exists(fs::symlink_status(strFile, ec))) {
        // Something that is no file under the file's name keeps the record out of the store.
        if (!fs::is_regular_file(strFile, ec)) {
            m_err.Report(strOperation, strFile + "\r\nファイルの保存に失敗しました。");
            m_saveFailed = true;
        }
        return;
    }
    if (!save()) {
        m_saveFailed = true;
    }
}
