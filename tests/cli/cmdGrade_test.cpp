#include "CliHome.h"
#include "cli/CliCommand.h"
#include "files/clsTFileDRD.h"
#include "lottery/clsTNumber.h"
#include "store/clsXmlResult.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
struct Home : CliHome
{
    using CliHome::SaveDrd;

    ResultRecord Result(std::int32_t lngKaisaikai) const
    {
        ResultRecord r;
        r.Kaisaikai = lngKaisaikai;
        for (std::size_t m = 0; m < 13; ++m) {
            r.Match[m].Outcome = 1;
            r.Match[m].Home = "ホーム";
            r.Match[m].Away = "アウェイ";
            r.Match[m].Stadium = "競技場";
            r.Match[m].GameDate = DateTime::FromYmd(2026, 5, 2);
        }
        r.Prize = {Currency(), Currency::FromInt(2000000), Currency::FromInt(30000),
                   Currency::FromInt(2500)};
        r.Winners = {Currency(), Currency::FromInt(1), Currency::FromInt(20),
                     Currency::FromInt(300)};
        r.CarryOver = {Currency(), Currency::FromInt(1000000), Currency(), Currency()};
        r.SaleStart = r.SaleEnd = r.ResultDate = r.RefundStart = r.RefundDeadline =
            DateTime::FromYmd(2026, 5, 1);
        return r;
    }

    void SaveResult(const ResultRecord& r, const std::string& strPath)
    {
        clsXmlResult xml(host, dir.Str());
        xml.SetRecord(r);
        ASSERT_TRUE(xml.XmlSave(strPath.empty() ? xml.GetFileName(r.Kaisaikai, r.Kumi) : strPath));
    }

    std::string SaveDrd(std::int32_t lngKaisaikai, const std::vector<std::int32_t>& s)
    {
        DataFileRecord rec;
        rec.Kaisaikai = lngKaisaikai;
        rec.SingleCount = static_cast<std::int32_t>(s.size());
        rec.Singles = s;
        return CliHome::SaveDrd(rec);
    }
};

std::int32_t Homes(std::initializer_list<std::size_t> wrong)
{
    clsTNumber::LongKousei k{};
    k.fill(1);
    for (const auto m : wrong) {
        k[m] = 0;
    }
    return clsTNumber::LongToNo(k);
}
} // namespace

TEST(cmdGrade, GradesAgainstTheStoreResultWithPrizeLines)
{
    Home h;
    h.SaveResult(h.Result(9001), "");
    const std::string drd =
        h.SaveDrd(9001, {Homes({}), Homes({2}), Homes({2}), Homes({0, 1}), Homes({0, 1, 2, 3, 4})});
    std::string out;
    std::string err;
    ASSERT_EQ(h.Run({"grade", drd}, out, err), 0) << err;
    EXPECT_EQ(out, "1等\t1\n2等\t2\n3等\t1\n4等\t0\n5等\t0\n6等\t1\n7等\t0\n8等\t0\n9等\t0\n"
                   "10等\t0\n11等\t0\n12等\t0\n13等\t0\n14等\t0\n"
                   "1等\t2000000\t1\t1000000\t1\t2000000\n"
                   "2等\t30000\t20\t0\t2\t60000\n"
                   "3等\t2500\t300\t0\t1\t2500\n"
                   "合計\t3350000\t321\t1000000\t4\t2062500\n");
}

TEST(cmdGrade, ExplicitResultFileAndOutcomesOutsideTheCodesAreRefused)
{
    Home h;
    ResultRecord r = h.Result(9002);
    const std::string xml = (h.dir.Path() / "elsewhere.xml").string();
    h.SaveResult(r, xml);
    const std::string drd = h.SaveDrd(9002, {Homes({}), Homes({12})});
    std::string out;
    std::string err;
    ASSERT_EQ(h.Run({"grade", drd, "--result", xml}, out, err), 0) << err;
    EXPECT_TRUE(out.starts_with("1等\t1\n2等\t1\n")) << out;
    EXPECT_NE(out.find("合計"), std::string::npos);
    // An outcome code beyond 3 once graded its match as open: the file is damaged, and refused.
    r.Match[12].Outcome = 9;
    h.SaveResult(r, xml);
    out.clear();
    err.clear();
    EXPECT_EQ(h.Run({"grade", drd, "--result", xml}, out, err), 1);
    EXPECT_TRUE(out.empty()) << out;
    EXPECT_NE(err.find("<くじ結果> の値 \"9\""), std::string::npos) << err;
}

// The largest prize a result file may hold, won by a thousand copies of the winning single: the
// winnings pass the money type's range. They used to be printed wrapped into negative amounts.
TEST(cmdGrade, WinningsPastTheMoneyRangeFailWithTheReason)
{
    Home h;
    ResultRecord r = h.Result(9001);
    r.Prize[1] = Currency::FromInt(Currency::ReadLimit);
    h.SaveResult(r, "");
    const std::string drd = h.SaveDrd(9001, std::vector<std::int32_t>(1000, Homes({})));
    std::string out;
    std::string err;
    EXPECT_EQ(h.Run({"grade", drd}, out, err), 1);
    EXPECT_EQ(out.find("合計"), std::string::npos) << out;
    EXPECT_NE(err.find("オーバーフローしました。"), std::string::npos) << err;
    EXPECT_NE(err.find("1等の当せん金額"), std::string::npos) << err;
}

// A negative prize was printed as won ("1等 -999999999999") with a negative total.
TEST(cmdGrade, NegativeOrFractionalPrizesAreRefused)
{
    Home h;
    const std::string drd = h.SaveDrd(9001, {Homes({})});
    ResultRecord r = h.Result(9001);
    r.Prize[1] = Currency::FromInt(-999999999999);
    h.SaveResult(r, "");
    std::string out;
    std::string err;
    EXPECT_EQ(h.Run({"grade", drd}, out, err), 1);
    EXPECT_TRUE(out.empty()) << out;
    EXPECT_NE(err.find("<当せん金><一等> の値 \"-999999999999\""), std::string::npos) << err;
    r = h.Result(9001);
    r.Winners[3] = *Currency::Parse("300.5");
    h.SaveResult(r, "");
    EXPECT_EQ(h.Run({"grade", drd}, out, err), 1);
    EXPECT_NE(err.find("<当せん口数><三等> の値 \"300.5\""), std::string::npos) << err;
    EXPECT_NE(err.find("小数です。"), std::string::npos) << err;
}

TEST(cmdGrade, MissingResultOrArgumentsFail)
{
    Home h;
    const std::string drd = h.SaveDrd(9003, {Homes({})});
    std::string out;
    std::string err;
    EXPECT_EQ(h.Run({"grade", drd}, out, err), 1);
    EXPECT_TRUE(out.empty());
    EXPECT_NE(err.find("結果ファイル"), std::string::npos);
    EXPECT_EQ(h.Run({"grade"}, out, err), 2);
    EXPECT_EQ(h.Run({"grade", drd, "--result"}, out, err), 2);
    EXPECT_EQ(h.Run({"grade", (h.dir.Path() / "none.drd").string()}, out, err), 1);
}

TEST(cmdGrade, OnlyDataFilesAreGraded)
{
    Home h;
    const std::string xml = (h.dir.Path() / "r.xml").string();
    h.SaveResult(h.Result(9004), xml);
    // A conditions file and a foreign text read as a work without tickets; they are refused.
    clsTFileDRD file(h.host.Host(), "1.00", "");
    const std::string drj = (h.dir.Path() / "c.drj").string();
    ASSERT_TRUE(file.Save(drj, false, DataFileRecord{}, false));
    const std::string txt = (h.dir.Path() / "t.drd").string();
    h.dir.Write("t.drd",
                "SingleCount = 1\r\n<SingleData>\r\n0\r\n</SingleData>\r\n\r\n\r\n\r\n\r\n");
    for (const std::string& path : {drj, txt}) {
        std::string out;
        std::string err;
        EXPECT_EQ(h.Run({"grade", path, "--result", xml}, out, err), 1) << path;
        EXPECT_TRUE(out.empty()) << out;
        EXPECT_NE(err.find(path + ": Kelvraのファイルではありません。"), std::string::npos) << err;
    }
}
