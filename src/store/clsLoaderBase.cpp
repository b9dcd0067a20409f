#include "store/clsLoaderBase.h"

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
        m_host.Message.ShowMessage(MsgIcon::Warning,
                                   "インターネットよりダウンロードに失敗しました。", " " + m_kind);
    }
}

bool clsLoaderBase::KnownKumi(const std::string& strKumi)
{
    return strKumi.empty() || strKumi == "A" || strKumi == "B";
}
