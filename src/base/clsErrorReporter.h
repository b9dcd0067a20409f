#pragma once
// Every class's error routine: a message goes into a warning box captioned
// "Kelvra / class / operation"; a runtime error into an error box "description ( number )"
// captioned "source / class / operation". Each class owns one, made with its own name.

#include "base/ErrorNumber.h"
#include "base/clsIMessage.h"

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

inline constexpr std::string_view kAppTitle = "Kelvra";

struct ErrorRecord
{
    std::string Description;
    std::int32_t Number = ErrorNumber::None;
    std::string Source;
};

class clsErrorReporter
{
public:
    clsErrorReporter(clsIMessage& message, std::string strClass);

    // With a message: the warning box. With an empty message: nothing is known, so it shows
    // an error box for an unspecified runtime error.
    void Report(std::string_view strOperation, std::string_view strMessage) const;
    void ReportError(std::string_view strOperation, const ErrorRecord& err) const;
    // A caught exception in the runtime-error form (bad_alloc: 7, out_of_range: 9, others: 5).
    void ReportException(std::string_view strOperation, const std::exception& e) const;
    // An operation called before Initialize.
    void InitializeErr(std::string_view strOperation) const
    {
        Report(strOperation, "Initialize Err");
    }

    std::string Caption(std::string_view strOperation) const;
    static ErrorRecord FromException(const std::exception& e);
    const std::string& ClassName() const { return m_class; }
    clsIMessage& Message() const { return m_message; }

private:
    clsIMessage& m_message;
    std::string m_class;
};
