#include "base/basText.h"
#include "print/clsPrinterIni.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {
const std::string kLegal = "法的な注意";

std::string ExpectedDefaults()
{
    return basText::ToSjis(";Drovane Printer Ini File (Printer.ini)\r\n"
                           ";法的な注意\r\n"
                           "\r\n"
                           ";[Printer]\r\n"
                           "PrinterName = 既定のプリンタ\r\n"
                           "PrinterOrientation = 1\r\n"
                           "PrinterLeftMargin = 0\r\n"
                           "PrinterTopMargin = 0\r\n"
                           "PrinterOpenNo = False\r\n"
                           "PrinterOpenText = False\r\n"
                           "PrinterPageText = False\r\n"
                           "PrinterFileText = False\r\n"
                           "PrinterSendDataA = False\r\n");
}
} // namespace

TEST(clsPrinterIni, MissingFileIsRecreatedWithTheDefaultsBeforeItIsRead)
{
    TempDir dir;
    RecordingHost host;
    clsPrinterIni ini(host, dir.Str(), kLegal);
    const auto v = ini.Load("既定のプリンタ");
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(dir.Read("SysData/Printer.ini"), ExpectedDefaults());
    EXPECT_EQ(v->PrinterName, std::optional<std::string>("既定のプリンタ"));
    EXPECT_EQ(v->Orientation, 1);
    EXPECT_EQ(v->LeftShift, std::optional<Currency>(Currency()));
    EXPECT_EQ(v->TopShift, std::optional<Currency>(Currency()));
    EXPECT_FALSE(v->PrintOpenNo || v->PrintOpenText || v->PrintPageText || v->PrintFileText ||
                 v->SendDataA);
    EXPECT_TRUE(host.Messages.empty());
}

TEST(clsPrinterIni, SavedSettingsReadBackAndRewriteByteForByte)
{
    TempDir dir;
    RecordingHost host;
    clsPrinterIni ini(host, dir.Str(), kLegal);
    PrintSettings s;
    s.PrinterName = "Office ＬＢＰ";
    s.Orientation = 2;
    s.LeftShift = *Currency::Parse("1.5");
    s.TopShift = *Currency::Parse("-2.25");
    s.PrintOpenNo = true;
    s.PrintPageText = true;
    s.SendDataA = true;
    s.AllPages = false;
    s.StartPage = 4;
    ASSERT_TRUE(ini.Save(s));
    const std::string first = dir.Read("SysData/Printer.ini");
    EXPECT_NE(first.find("PrinterLeftMargin = 1.5\r\nPrinterTopMargin = -2.25\r\n"),
              std::string::npos);
    EXPECT_NE(first.find("PrinterOpenNo = True\r\nPrinterOpenText = False\r\n"), std::string::npos);

    const auto v = ini.Load("other");
    ASSERT_TRUE(v.has_value());
    PrintSettings back;
    back.PrinterName = v->PrinterName.value_or("");
    back.Orientation = v->Orientation;
    back.LeftShift = v->LeftShift.value_or(Currency());
    back.TopShift = v->TopShift.value_or(Currency());
    back.PrintOpenNo = v->PrintOpenNo;
    back.PrintOpenText = v->PrintOpenText;
    back.PrintPageText = v->PrintPageText;
    back.PrintFileText = v->PrintFileText;
    back.SendDataA = v->SendDataA;
    ASSERT_TRUE(ini.Save(back));
    EXPECT_EQ(dir.Read("SysData/Printer.ini"), first);
    EXPECT_TRUE(host.Messages.empty());
}

TEST(clsPrinterIni, AFilePerPdfCardIsKeptOnlyWhenAsked)
{
    TempDir dir;
    RecordingHost host;
    clsPrinterIni ini(host, dir.Str(), kLegal);
    PrintSettings s = clsPrinterIni::Defaults("既定のプリンタ");
    s.PdfFilePerCard = true;
    ASSERT_TRUE(ini.Save(s));
    const std::string on = dir.Read("SysData/Printer.ini");
    EXPECT_EQ(on, ExpectedDefaults() + "PrinterPdfFilePerCard = True\r\n");
    auto v = ini.Load("unused");
    ASSERT_TRUE(v.has_value());
    EXPECT_TRUE(v->PdfFilePerCard);
    EXPECT_FALSE(v->SendDataA);

    // Off, the file is the one the dialog always wrote, and reading it gives one file.
    s.PdfFilePerCard = false;
    ASSERT_TRUE(ini.Save(s));
    EXPECT_EQ(dir.Read("SysData/Printer.ini"), ExpectedDefaults());
    v = ini.Load("unused");
    ASSERT_TRUE(v.has_value());
    EXPECT_FALSE(v->PdfFilePerCard);
    EXPECT_TRUE(host.Messages.empty());
}

TEST(clsPrinterIni, ReadsHandWrittenFormsAndLeavesMissingValuesEmpty)
{
    TempDir dir;
    RecordingHost host;
    dir.Write("SysData/Printer.ini", basText::ToSjis("; a comment\r\n"
                                                     "printername = \r\n"
                                                     "PRINTERORIENTATION = 2\r\n"
                                                     "PrinterTopMargin = 0.125\r\n"
                                                     "PrinterOpenNo = 1\r\n"
                                                     "PrinterOpenText = -1\r\n"
                                                     "PrinterPageText = 0\r\n"
                                                     "PrinterFileText = true\r\n"));
    clsPrinterIni ini(host, dir.Str(), kLegal);
    const auto v = ini.Load("unused");
    ASSERT_TRUE(v.has_value());
    // An empty value is no entry at all: no printer is chosen.
    EXPECT_FALSE(v->PrinterName.has_value());
    EXPECT_EQ(v->Orientation, 2);
    EXPECT_FALSE(v->LeftShift.has_value());
    EXPECT_EQ(v->TopShift, Currency::Parse("0.125"));
    EXPECT_TRUE(v->PrintOpenNo);
    EXPECT_TRUE(v->PrintOpenText);
    EXPECT_FALSE(v->PrintPageText);
    EXPECT_TRUE(v->PrintFileText);
    EXPECT_FALSE(v->SendDataA);
    EXPECT_TRUE(host.Messages.empty());
}

TEST(clsPrinterIni, UnreadableValuesKeepTheDefaultsAndAreNamedOnce)
{
    TempDir dir;
    RecordingHost host;
    dir.Write("SysData/Printer.ini", "PrinterOrientation = tall\r\n"
                                     "PrinterLeftMargin = 1,5mm\r\n"
                                     "PrinterTopMargin = 99999999\r\n"
                                     "PrinterOpenNo = yes\r\n"
                                     "PrinterSendDataA = True\r\n");
    clsPrinterIni ini(host, dir.Str(), kLegal);
    const auto v = ini.Load("unused");
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->Orientation, 1);
    EXPECT_FALSE(v->LeftShift.has_value());
    EXPECT_FALSE(v->TopShift.has_value());
    EXPECT_FALSE(v->PrintOpenNo);
    EXPECT_TRUE(v->SendDataA);
    ASSERT_EQ(host.Messages.size(), 1U);
    const std::string& text = host.Messages[0].Text;
    for (const char* key :
         {"PrinterOrientation", "PrinterLeftMargin", "PrinterTopMargin", "PrinterOpenNo"}) {
        EXPECT_NE(text.find(key), std::string::npos) << key;
    }
    EXPECT_EQ(text.find("PrinterSendDataA"), std::string::npos);
}

TEST(clsPrinterIni, ASaveThatCannotReplaceTheFileFailsAndSaysSo)
{
    TempDir dir;
    RecordingHost host;
    // Something that is not a file where Printer.ini belongs cannot be replaced.
    std::filesystem::create_directories(dir.Path() / "SysData/Printer.ini");
    clsPrinterIni ini(host, dir.Str(), kLegal);
    EXPECT_FALSE(ini.Save(clsPrinterIni::Defaults("A")));
    EXPECT_FALSE(host.Messages.empty());
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "SysData/Printer.ini"));
}
