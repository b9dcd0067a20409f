// Page text extraction: tokenizing a page, the body text list, and reading a result page.

#include "base/clsIBusy.h"
#include "base/clsIMessage.h"
#include "base/clsIWait.h"
#include "net/clsHtmlGet.h"
#include "net/clsHtmlResult.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {
struct QuietHost final : clsIMessage, clsIBusy, clsIWait
{
    void ShowMessage(MsgIcon, std::string_view, std::string_view) override {}
    void BeginBusy() override {}
    void EndBusy() override {}
    void WaitShow(std::string_view, std::int32_t) override {}
    void WaitMessage(std::string_view) override {}
    void WaitValue(std::int32_t) override {}
    void WaitClose() override {}
};

// A result page like the operator's, its match table repeated to reach about lngBytes.
std::string ResultPage(std::size_t lngBytes)
{
    std::string rows;
    for (int n = 1; n <= 13; ++n) {
        rows +=
            "<tr>\r\n  <td>01/16</td><td>埼玉 スタジアム</td><td>" + std::to_string(n) +
            "</td><td>浦和 レッズ</td><td>2-1</td><td>鹿島 アントラーズ</td><td>1</td>\r\n</tr>\r\n"
            "<!-- row -->\r\n";
    }
    std::string page =
        "<html><head><title>くじ結果</title></head><body>\r\n<h1>第1234回 totoくじ結果</h1>\r\n"
        "<table>\r\n" +
        rows + "</table>\r\n";
    while (page.size() < lngBytes) {
        page += "<div class=\"news\">お知らせ&amp;ご案内<br>第2節の結果 &lt;速報&gt;</div>\r\n";
    }
    page +=
        "<table><tr><th>当せん金</th><td>123,456,789円</td><td>1,234,567円</td><td>12,345円</td>"
        "</tr></table></body></html>\r\n";
    return page;
}

void BM_TokenizeAndTextList(benchmark::State& state)
{
    QuietHost host;
    clsHtmlGet get(host, host, host);
    const std::string page = ResultPage(static_cast<std::size_t>(state.range(0)));
    std::vector<std::string> list;
    for (auto _ : state) {
        get.SetHtml("http://127.0.0.1/", page);
        benchmark::DoNotOptimize(get.GetTextData(list));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_TokenizeAndTextList)->Arg(100000)->Arg(1000000);

void BM_ReadResultList(benchmark::State& state)
{
    QuietHost host;
    clsHtmlGet get(host, host, host);
    get.SetHtml("http://127.0.0.1/", ResultPage(100000));
    std::vector<std::string> list;
    get.GetTextData(list);
    TotoSettings settings;
    clsHtmlResult reader(host, host, host, settings);
    for (auto _ : state) {
        benchmark::DoNotOptimize(reader.ReadList(list, ""));
    }
}
BENCHMARK(BM_ReadResultList);
} // namespace
