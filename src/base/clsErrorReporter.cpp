#include "base/clsErrorReporter.h"

#include <new>
#include <stdexcept>

clsErrorReporter::clsErrorReporter(clsIMessage& message, std::string strClass)
    : m_message(message)
    , m_class(std::move(strClass))
{}

std::string clsErrorReporter::Caption(std::string_view strOperation) const
{
    std::string s(kAppTitle);
    s += " / ";
    s += m_class;
    s += " / ";
    s += strOperation;
    return s;
}

void clsErrorReporter::Report(std::string_view strOperation, std::string_view strMessage) const
{
    if (strMessage.empty()) {
        ReportError(strOperation,
                    ErrorRecord{"Unknown error", ErrorNumber::InvalidCall, std::string(kAppTitle)});
        return;
    }
    m_message.ShowMessage(MsgIcon::Warning, strMessage, Caption(strOperation));
}

void clsErrorReporter::ReportError(std::string_view strOperation, const ErrorRecord& err) const
{
    std::string text = err.Description + " ( " + std::to_string(err.Number) + " )";
    std::string caption = err.Source.empty() ? std::string(kAppTitle) : err.Source;
    caption += " / ";
    caption += m_class;
    caption += " / ";
    caption += strOperation;
    m_message.ShowMessage(MsgIcon::Error, text, caption);
}

ErrorRecord clsErrorReporter::FromException(const std::exception& e)
{
    ErrorRecord r;
    r.Source = std::string(kAppTitle);
    if (dynamic_cast<const std::bad_alloc*>(&e) != nullptr) {
        r.Number = ErrorNumber::OutOfMemory;
        r.Description = "メモリが不足しています。";
    } else if (dynamic_cast<const std::out_of_range*>(&e) != nullptr) {
        r.Number = ErrorNumber::OutOfRange;
        r.Description = std::string("インデックスが有効範囲にありません。 ") + e.what();
    } else if (dynamic_cast<const std::overflow_error*>(&e) != nullptr) {
        r.Number = ErrorNumber::Overflow;
        r.Description = std::string("オーバーフローしました。 ") + e.what();
    } else {
        r.Number = ErrorNumber::InvalidCall;
        r.Description = e.what();
    }
    return r;
}

void clsErrorReporter::ReportException(std::string_view strOperation, const std::exception& e) const
{
    ReportError(strOperation, FromException(e));
}
