#include "lottery/clsTNumber.h"

#include "lottery/clsToto.h"

#include <algorithm>
#include <stdexcept>

clsTNumber::clsTNumber(clsIMessage& message)
    : m_err(message, "clsTNumber")
{}

void clsTNumber::ReportShort(std::string_view strOperation) const
{
    m_err.ReportException(strOperation, std::out_of_range("ticket list or composition too short"));
}

bool clsTNumber::NoToByte(std::int32_t lngNo, std::span<std::uint8_t> bytKousei) const
{
    // Digits are written from match 13 down, so a short array gets nothing.
    if (bytKousei.size() < clsToto::kMatchCount) {
        ReportShort("NoToArray");
        return false;
    }
    ByteKousei k;
    NoToByte(lngNo, k);
    std::copy(k.begin(), k.end(), bytKousei.begin());
    return true;
}

bool clsTNumber::NoToLong(std::int32_t lngNo, std::span<std::int32_t> lngKousei) const
{
    if (lngKousei.size() < clsToto::kMatchCount) {
        ReportShort("NoToArray_Long");
        return false;
    }
    LongKousei k;
    NoToLong(lngNo, k);
    std::copy(k.begin(), k.end(), lngKousei.begin());
    return true;
}

bool clsTNumber::ByteToNo(std::span<const std::uint8_t> bytKousei, std::int32_t& lngNo) const
{
    if (bytKousei.size() < clsToto::kMatchCount) {
        ReportShort("ArrayToNo");
        return false;
    }
    ByteKousei k;
    std::copy_n(bytKousei.begin(), clsToto::kMatchCount, k.begin());
    lngNo = ByteToNo(k);
    return true;
}

bool clsTNumber::LongToNo(std::span<const std::int32_t> lngKousei, std::int32_t& lngNo) const
{
    if (lngKousei.size() < clsToto::kMatchCount) {
        ReportShort("ArrayToNo_Long");
        return false;
    }
    LongKousei k;
    std::copy_n(lngKousei.begin(), clsToto::kMatchCount, k.begin());
    lngNo = LongToNo(k);
    return true;
}

bool clsTNumber::CopyList(std::span<const std::int32_t> all, std::span<std::int32_t> lngList,
                          std::size_t k, std::string_view strOperation) const
{
    for (std::int32_t v : all) {
        if (k >= lngList.size()) {
            ReportShort(strOperation);
            return false;
        }
        lngList[k++] = v;
    }
    return true;
}

bool clsTNumber::Get2ListSub(std::int32_t lngValue, std::span<std::int32_t> lngList,
                             std::size_t k) const
{
    std::array<std::int32_t, List2Size> all;
    Enumerate2(lngValue, all.data());
    return CopyList(all, lngList, k, "Get2List_Sub");
}

bool clsTNumber::Get3ListSub(std::int32_t lngValue, std::span<std::int32_t> lngList,
                             std::size_t k) const
{
    std::array<std::int32_t, List3Size> all;
    Enumerate3(lngValue, all.data());
    return CopyList(all, lngList, k, "Get3List_Sub");
}

bool clsTNumber::Get2List(std::int32_t lngValue, std::span<std::int32_t> lngList) const
{
    return Get2ListSub(lngValue, lngList, 0);
}

bool clsTNumber::Get3List(std::int32_t lngValue, std::span<std::int32_t> lngList) const
{
    return Get3ListSub(lngValue, lngList, 0);
}

bool clsTNumber::Get12List(std::int32_t lngValue, std::span<std::int32_t> lngList) const
{
    if (lngList.empty()) {
        ReportShort("Get12List");
        return false;
    }
    lngList[0] = lngValue;
    return Get2ListSub(lngValue, lngList, 1);
}

bool clsTNumber::Get123List(std::int32_t lngValue, std::span<std::int32_t> lngList) const
{
    if (lngList.empty()) {
        ReportShort("Get123List");
        return false;
    }
    lngList[0] = lngValue;
    return Get2ListSub(lngValue, lngList, 1) && Get3ListSub(lngValue, lngList, 1 + List2Size);
}
