// The page tokenizer and the body text list, on text decoded as either of the two page codes.
// Every entry must be valid UTF-8 without spaces or tabs, as the readers rely on.

#include "base/basText.h"
#include "fuzz/FuzzHost.h"
#include "net/basEncode.h"
#include "net/clsHtmlData.h"
#include "net/clsHtmlGet.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {
void CheckPage(clsHtmlGet& get, const std::string& strText)
{
    const std::int32_t count = get.SetHtml("http://127.0.0.1/", strText);
    if (count != get.Data().Count()) {
        FuzzFail("the item count does not match the items");
    }
    for (const auto& item : get.Data().Items()) {
        if (!basText::IsValidUtf8(item.Name)) {
            FuzzFail("an item name is not valid UTF-8");
        }
    }
    std::vector<std::string> list;
    get.GetTextData(list);
    for (const auto& entry : list) {
        if (!basText::IsValidUtf8(entry)) {
            FuzzFail("a text entry is not valid UTF-8");
        }
        if (entry.find_first_of(" \t") != std::string::npos) {
            FuzzFail("a text entry holds a space or a tab");
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static FuzzHost host;
    static clsHtmlGet get(host, host, host);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckPage(get, basEncode::Utf8Decode(bytes));
    CheckPage(get, basEncode::SjisDecode(bytes));
    if (!basText::IsValidUtf8(clsHtmlData::CleanToken(basEncode::Utf8Decode(bytes)))) {
        FuzzFail("a cleaned token is not valid UTF-8");
    }
    return 0;
}
