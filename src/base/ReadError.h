#pragma once
// A value a reader cannot take, thrown from inside a read and caught by the reader, which
// reports it under its own class and operation and fails the read. The number is a runtime-error
// number, or ErrorNumber::None for a fault of the input shown as a plain warning.

#include "base/clsErrorReporter.h"

#include <cstdint>
#include <stdexcept>
#include <string>

class ReadError : public std::runtime_error
{
public:
    ReadError(std::int32_t lngNumber, const std::string& strDescription)
        : std::runtime_error(strDescription)
        , m_number(lngNumber)
    {}
    std::int32_t Number() const { return m_number; }
    ErrorRecord Record() const { return ErrorRecord{what(), m_number, std::string(kAppTitle)}; }

private:
    std::int32_t m_number;
};
