// The print dialog driven offscreen: what it shows from Printer.ini and the document, the field
// filters and switches, OK printing into PDF files while the dialog stays open, the refusals
// and the test-print question, and Printer.ini written on close.

#include "FileSizeLimit.h"
#include "base/basText.h"
#include "print/clsTPrintList.h"
#include "print/qt/frmPrint.h"
#include "store/clsXmlSchedule.h"
#include "support/ControlChecks.h"
#include "support/QtTestRegistry.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {
PrintJobInput Input(const TempDir& dir, std::int32_t lngTickets)
{
    PrintJobInput in;
    for (std::int32_t i = 0; i < lngTickets; ++i) {
        in.Singles.push_back(i * 1000);
    }
    in.Kaisaikai = 1234;
    in.Kumi = "A";
    in.FileName = "K-1234.drd";
    in.ProgramFolder = dir.Str();
    in.LegalNotice = "notice";
    return in;
}

const frmPrint::Printers kTwoPrinters{{QStringLiteral("Office"), QStringLiteral("Lab")},
                                      QStringLiteral("Lab")};

template <typename T> T* Child(const QWidget& w, const char* name)
{
    return w.findChild<T*>(QString::fromLatin1(name));
}

void ChoosePdf(frmPrint& dlg)
{
    auto* list = Child<QComboBox>(dlg, "cmbPrinters");
    list->setCurrentIndex(list->findText(frmPrint::PdfEntry()));
    emit list->activated(list->currentIndex());
}

QString Ini(const TempDir& dir)
{
    return QString::fromStdString(basText::FromSjis(dir.Read("SysData/Printer.ini")));
}

QString PdfText(const QString& strPdf)
{
    QProcess proc;
    proc.start(QStringLiteral("pdftotext"), {strPdf, QStringLiteral("-")});
    proc.waitForFinished(30000);
    return QString::fromUtf8(proc.readAllStandardOutput());
}
// The page count pdfinfo reads from the file; -1 when it cannot.
int PdfPages(const QString& strPdf)
{
    QProcess proc;
    proc.start(QStringLiteral("pdfinfo"), {strPdf});
    proc.waitForFinished(30000);
    for (const QString& line :
         QString::fromUtf8(proc.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("Pages:"))) {
            return line.mid(6).trimmed().toInt();
        }
    }
    return -1;
}
// The document title pdfinfo reads from the file.
QString PdfTitle(const QString& strPdf)
{
    QProcess proc;
    proc.start(QStringLiteral("pdfinfo"), {strPdf});
    proc.waitForFinished(30000);
    for (const QString& line :
         QString::fromUtf8(proc.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("Title:"))) {
            return line.mid(6).trimmed();
        }
    }
    return QString();
}
} // namespace

class tst_frmPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void opensWithTheDefaultsAndTheDocument();
    void opensWithWhatPrinterIniHolds();
    void anUninstalledPrinterSelectsNothingAndIsForgottenOnClose();
    void withoutPrintersThePdfFileIsOffered();
    void fieldsTakeOnlyNumberCharacters();
    void switchesEnableTheirFields();
    void okPrintsAllCardsIntoOneFileByDefault();
    void okPrintsOneFilePerCardWhenAskedAndStaysOpen();
    void okSendsAllCardsAsOneFileWhenAsked();
    void aBadRoundIsRefusedBeforeAnythingIsPrinted();
    void aBadPageRangeIsRefusedBeforeAnythingIsPrinted();
    void noTicketsPrintsNothing();
    void testPrintAsksFirst();
    void aPdfCutShortByAFullDiskIsNotReportedAsWritten();
    void thePdfFileIsAskedInTheSharedFileDialog();
    void matchCardLinesComeFromTheRoundsSchedule();
    void theTicketListPrintsIntoOnePdf();
    void closingWritesTheSettings();
    void everyBoxHasItsLabel();
    void jobsAreTitledAfterTheWorksFile();
    void printerOptionsOpenTheQueuesOwnDialog();

private:
    QString m_chosen;
};

void tst_frmPrint::initTestCase()
{
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
}

void tst_frmPrint::opensWithTheDefaultsAndTheDocument()
{
    TempDir dir;
    RecordingHost host;
    frmPrint dlg(Input(dir, 25), host.Host(), kTwoPrinters, nullptr);
    QCOMPARE(dlg.windowTitle(), QStringLiteral(" 印刷"));
    QVERIFY(host.Messages.empty());
    // The missing file was written with the system's default printer.
    QVERIFY(Ini(dir).contains(QStringLiteral("PrinterName = Lab\r\n")));
    auto* printers = Child<QComboBox>(dlg, "cmbPrinters");
    QCOMPARE(printers->count(), 3);
    QCOMPARE(printers->itemText(2), frmPrint::PdfEntry());
    QCOMPARE(printers->currentText(), QStringLiteral("Lab"));
    QCOMPARE(Child<QComboBox>(dlg, "cmbDirection")->currentText(), QStringLiteral("A4(縦)"));
    QVERIFY(Child<QRadioButton>(dlg, "optPages0")->isChecked());
    QCOMPARE(Child<QLineEdit>(dlg, "txtStart")->text(), QStringLiteral("1"));
    QCOMPARE(Child<QLineEdit>(dlg, "txtEnd")->text(), QStringLiteral("3"));
    QVERIFY(!Child<QLineEdit>(dlg, "txtStart")->isEnabled());
    QCOMPARE(Child<QLineEdit>(dlg, "txtLeft")->text(), QStringLiteral("0.00"));
    QCOMPARE(Child<QLineEdit>(dlg, "txtOpenNo")->text(), QStringLiteral("1234"));
    QVERIFY(!Child<QLineEdit>(dlg, "txtOpenNo")->isEnabled());
    QCOMPARE(Child<QComboBox>(dlg, "cmbKumi")->currentText(), QStringLiteral("Ａ組"));
    QCOMPARE(dlg.PageCount(), 3);
    const PrintSettings s = dlg.TakeSettings();
    QCOMPARE(s.PrinterName, std::string("Lab"));
    QCOMPARE(s.Orientation, 1);
    QVERIFY(!s.PrintOpenNo && !s.SendDataA);
}

void tst_frmPrint::opensWithWhatPrinterIniHolds()
{
    TempDir dir;
    dir.Write("SysData/Printer.ini", "PrinterName = Office\r\n"
                                     "PrinterOrientation = 2\r\n"
                                     "PrinterLeftMargin = 1.5\r\n"
                                     "PrinterOpenNo = True\r\n"
                                     "PrinterSendDataA = 1\r\n");
    RecordingHost host;
    PrintJobInput in = Input(dir, 5);
    in.Kumi = "";
    frmPrint dlg(in, host.Host(), kTwoPrinters, nullptr);
    QCOMPARE(Child<QComboBox>(dlg, "cmbPrinters")->currentText(), QStringLiteral("Office"));
    QCOMPARE(Child<QComboBox>(dlg, "cmbDirection")->currentText(), QStringLiteral("A4(横)"));
    QCOMPARE(Child<QLineEdit>(dlg, "txtLeft")->text(), QStringLiteral("1.50"));
    // A value the file lacks leaves its field empty.
    QCOMPARE(Child<QLineEdit>(dlg, "txtTop")->text(), QString());
    QVERIFY(Child<QCheckBox>(dlg, "chkOpenNo")->isChecked());
    QVERIFY(Child<QLineEdit>(dlg, "txtOpenNo")->isEnabled());
    QVERIFY(Child<QCheckBox>(dlg, "chkSendDataA")->isChecked());
    QVERIFY(!Child<QCheckBox>(dlg, "chkOpenText")->isChecked());
    QCOMPARE(Child<QComboBox>(dlg, "cmbKumi")->currentIndex(), -1);
    // Without a group in the document the list sets nothing to print.
    auto* kumi = Child<QComboBox>(dlg, "cmbKumi");
    emit kumi->activated(1);
    const PrintSettings s = dlg.TakeSettings();
    QCOMPARE(s.LeftShift, *Currency::Parse("1.5"));
    QCOMPARE(s.TopShift, Currency());
    QVERIFY(host.Messages.empty());
}

void tst_frmPrint::anUninstalledPrinterSelectsNothingAndIsForgottenOnClose()
{
    TempDir dir;
    dir.Write("SysData/Printer.ini", "PrinterName = Gone\r\n");
    RecordingHost host;
    {
        frmPrint dlg(Input(dir, 1), host.Host(), kTwoPrinters, nullptr);
        QCOMPARE(Child<QComboBox>(dlg, "cmbPrinters")->currentIndex(), -1);
        QCOMPARE(Child<QComboBox>(dlg, "cmbDirection")->currentText(), QStringLiteral("A4(縦)"));
        dlg.reject();
    }
    QVERIFY(Ini(dir).contains(QStringLiteral("\r\nPrinterName = \r\n")));
}

void tst_frmPrint::withoutPrintersThePdfFileIsOffered()
{
    TempDir dir;
    RecordingHost host;
    frmPrint dlg(Input(dir, 1), host.Host(), frmPrint::Printers{}, nullptr);
    QCOMPARE(Child<QComboBox>(dlg, "cmbPrinters")->currentText(), frmPrint::PdfEntry());
    QCOMPARE(host.Messages.size(), std::size_t(1));
    QVERIFY(host.Messages[0].Text.find("プリンタがインストールされていません") !=
            std::string::npos);
    // Once the PDF file is the remembered choice, it is not said again.
    dlg.reject();
    RecordingHost again;
    frmPrint second(Input(dir, 1), again.Host(), frmPrint::Printers{}, nullptr);
    QCOMPARE(Child<QComboBox>(second, "cmbPrinters")->currentText(), frmPrint::PdfEntry());
    QVERIFY(again.Messages.empty());
}

void tst_frmPrint::fieldsTakeOnlyNumberCharacters()
{
    TempDir dir;
    RecordingHost host;
    frmPrint dlg(Input(dir, 1), host.Host(), kTwoPrinters, nullptr);
    for (const char* name : {"txtStart", "txtEnd", "txtLeft", "txtTop", "txtOpenNo"}) {
        auto* edit = Child<QLineEdit>(dlg, name);
        edit->setEnabled(true);
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("1a2 -x.3,"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("12-."));
    }
}

void tst_frmPrint::switchesEnableTheirFields()
{
    TempDir dir;
    RecordingHost host;
    frmPrint dlg(Input(dir, 1), host.Host(), kTwoPrinters, nullptr);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    // On the indicator: a radio button takes clicks on its indicator and caption only.
    const auto click = [&](const char* name) {
        auto* option = Child<QRadioButton>(dlg, name);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    };
    click("optPages1");
    QVERIFY(Child<QLineEdit>(dlg, "txtStart")->isEnabled());
    QVERIFY(Child<QLineEdit>(dlg, "txtEnd")->isEnabled());
    click("optPages0");
    QVERIFY(!Child<QLineEdit>(dlg, "txtStart")->isEnabled());
    auto* openNo = Child<QCheckBox>(dlg, "chkOpenNo");
    openNo->click();
    QVERIFY(Child<QLineEdit>(dlg, "txtOpenNo")->isEnabled());
    openNo->click();
    QVERIFY(!Child<QLineEdit>(dlg, "txtOpenNo")->isEnabled());
}

void tst_frmPrint::okPrintsAllCardsIntoOneFileByDefault()
{
    TempDir dir;
    RecordingHost host;
    frmPrint dlg(Input(dir, 25), host.Host(), kTwoPrinters, nullptr);
    auto* perCard = Child<QCheckBox>(dlg, "chkPdfFilePerCard");
    QVERIFY(perCard != nullptr && !perCard->isChecked());
    const QString pdf = QString::fromStdString(dir.Str()) + QStringLiteral("/out/cards.pdf");
    QVERIFY(QDir().mkpath(QFileInfo(pdf).path()));
    dlg.SetPdfPathChooser([&](const QString&) { return pdf; });
    ChoosePdf(dlg);
    Child<QPushButton>(dlg, "cmdPrint")->click();
    QCOMPARE(QDir(QFileInfo(pdf).path()).entryList(QDir::Files),
             QStringList{QStringLiteral("cards.pdf")});
    QCOMPARE(PdfPages(pdf), 3);
    QCOMPARE(host.Messages.size(), std::size_t(1));
    QVERIFY(host.Messages[0].Text.find("cards.pdf") != std::string::npos);
    QVERIFY(host.Messages[0].Text.find("ファイル）") == std::string::npos);
}

void tst_frmPrint::okPrintsOneFilePerCardWhenAskedAndStaysOpen()
{
    TempDir dir;
    RecordingHost host;
    frmPrint dlg(Input(dir, 25), host.Host(), kTwoPrinters, nullptr);
    Child<QCheckBox>(dlg, "chkPdfFilePerCard")->setChecked(true);
    const QString pdf = QString::fromStdString(dir.Str()) + QStringLiteral("/cards.pdf");
    int asked = 0;
    dlg.SetPdfPathChooser([&](const QString& strSuggested) {
        ++asked;
        m_chosen = strSuggested;
        return pdf;
    });
    ChoosePdf(dlg);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QTest::mouseClick(Child<QPushButton>(dlg, "cmdPrint"), Qt::LeftButton);
    QCOMPARE(asked, 1);
    QVERIFY(m_chosen.endsWith(QStringLiteral("/K-1234.pdf")));
    for (int p = 1; p <= 3; ++p) {
        const QString card =
            QString::fromStdString(dir.Str()) + QStringLiteral("/cards-%1.pdf").arg(p);
        QVERIFY(QFileInfo::exists(card));
        QCOMPARE(PdfPages(card), 1);
    }
    QCOMPARE(QDir(QString::fromStdString(dir.Str()))
                 .entryList({QStringLiteral("*.pdf")}, QDir::Files)
                 .size(),
             3);
    QVERIFY(!QFileInfo::exists(pdf));
    QVERIFY(dlg.isVisible());
    QCOMPARE(host.Messages.size(), std::size_t(1));
    QCOMPARE(host.Messages[0].Icon, MsgIcon::Information);
    QVERIFY(host.Messages[0].Text.find("cards-3.pdf") != std::string::npos);
    QCOMPARE(host.BusyDepth, 0);
    QVERIFY(host.BusyCount > 0);
}

void tst_frmPrint::okSendsAllCardsAsOneFileWhenAsked()
{
    TempDir dir;
    RecordingHost host;
    frmPrint dlg(Input(dir, 25), host.Host(), kTwoPrinters, nullptr);
    const QString pdf = QString::fromStdString(dir.Str()) + QStringLiteral("/all");
    dlg.SetPdfPathChooser([&](const QString&) { return pdf; });
    ChoosePdf(dlg);
    Child<QCheckBox>(dlg, "chkSendDataA")->setChecked(true);
    Child<QPushButton>(dlg, "cmdPrint")->click();
    QVERIFY(QFileInfo::exists(pdf + QStringLiteral(".pdf")));
    QVERIFY(!QFileInfo::exists(pdf + QStringLiteral("-1.pdf")));
}

void tst_frmPrint::aBadRoundIsRefusedBeforeAnythingIsPrinted()
{
    for (const QString& round :
         {QStringLiteral("-3"), QStringLiteral("12.5"), QStringLiteral("1-2")}) {
        TempDir dir;
        RecordingHost host;
        frmPrint dlg(Input(dir, 3), host.Host(), kTwoPrinters, nullptr);
        int asked = 0;
        dlg.SetPdfPathChooser([&](const QString&) {
            ++asked;
            return QString::fromStdString(dir.Str()) + QStringLiteral("/x.pdf");
        });
        ChoosePdf(dlg);
        Child<QCheckBox>(dlg, "chkOpenNo")->setChecked(true);
        Child<QLineEdit>(dlg, "txtOpenNo")->setText(round);
        Child<QPushButton>(dlg, "cmdPrint")->click();
        QCOMPARE(asked, 0);
        QCOMPARE(host.Messages.size(), std::size_t(1));
        QCOMPARE(host.Messages[0].Text, std::string("開催回には0以上の整数を入力して下さい。"));
    }
}

void tst_frmPrint::aBadPageRangeIsRefusedBeforeAnythingIsPrinted()
{
    for (const auto& [start, end] :
         {std::pair{"0", "2"}, std::pair{"3", "2"}, std::pair{"4", "9"}}) {
        TempDir dir;
        RecordingHost host;
        frmPrint dlg(Input(dir, 25), host.Host(), kTwoPrinters, nullptr);
        int asked = 0;
        dlg.SetPdfPathChooser([&](const QString&) {
            ++asked;
            return QString::fromStdString(dir.Str()) + QStringLiteral("/x.pdf");
        });
        ChoosePdf(dlg);
        Child<QRadioButton>(dlg, "optPages1")->setChecked(true);
        Child<QLineEdit>(dlg, "txtStart")->setText(QString::fromLatin1(start));
        Child<QLineEdit>(dlg, "txtEnd")->setText(QString::fromLatin1(end));
        Child<QPushButton>(dlg, "cmdPrint")->click();
        QCOMPARE(asked, 0);
        QCOMPARE(host.Messages.size(), std::size_t(1));
        QCOMPARE(host.Messages[0].Icon, MsgIcon::Warning);
    }
}

void tst_frmPrint::noTicketsPrintsNothing()
{
    TempDir dir;
    RecordingHost host;
    frmPrint dlg(Input(dir, 0), host.Host(), kTwoPrinters, nullptr);
    int asked = 0;
    dlg.SetPdfPathChooser([&](const QString&) {
        ++asked;
        return QString();
    });
    ChoosePdf(dlg);
    QCOMPARE(Child<QLineEdit>(dlg, "txtEnd")->text(), QStringLiteral("1"));
    Child<QPushButton>(dlg, "cmdPrint")->click();
    QCOMPARE(asked, 0);
    QVERIFY(host.Messages.empty());
}

void tst_frmPrint::testPrintAsksFirst()
{
    TempDir dir;
    RecordingHost host;
    frmPrint dlg(Input(dir, 1), host.Host(), kTwoPrinters, nullptr);
    const QString pdf = QString::fromStdString(dir.Str()) + QStringLiteral("/test.pdf");
    dlg.SetPdfPathChooser([&](const QString&) { return pdf; });
    ChoosePdf(dlg);
    host.QueueAnswer(false);
    Child<QPushButton>(dlg, "cmdTest")->click();
    QCOMPARE(host.Questions.size(), std::size_t(1));
    QCOMPARE(host.Questions[0].Text, std::string("テスト印刷しますがよろしいですか？"));
    QVERIFY(!QFileInfo::exists(pdf));
    host.QueueAnswer(true);
    Child<QPushButton>(dlg, "cmdTest")->click();
    QVERIFY(QFileInfo::exists(pdf));
}

void tst_frmPrint::aPdfCutShortByAFullDiskIsNotReportedAsWritten()
{
    TempDir dir;
    RecordingHost host;
    frmPrint dlg(Input(dir, 25), host.Host(), kTwoPrinters, nullptr);
    const QString pdf = QString::fromStdString(dir.Str()) + QStringLiteral("/all.pdf");
    dlg.SetPdfPathChooser([&](const QString&) { return pdf; });
    ChoosePdf(dlg);
    Child<QCheckBox>(dlg, "chkSendDataA")->setChecked(true);
    {
        const FileSizeLimit disk(1024);
        Child<QPushButton>(dlg, "cmdPrint")->click();
    }
    QVERIFY(!QFileInfo::exists(pdf));
    QVERIFY(!host.Messages.empty());
    for (const RecordingHost::Message& m : host.Messages) {
        QVERIFY2(m.Text.find("PDF ファイルに出力しました") == std::string::npos, m.Text.c_str());
        QVERIFY(m.Icon != MsgIcon::Information);
    }
    QCOMPARE(QDir(QString::fromStdString(dir.Str())).entryList(QDir::Files | QDir::Hidden),
             QStringList());

    // The test print likewise.
    host.Messages.clear();
    host.QueueAnswer(true);
    {
        const FileSizeLimit disk(1024);
        Child<QPushButton>(dlg, "cmdTest")->click();
    }
    QVERIFY(!QFileInfo::exists(pdf));
    QVERIFY(!host.Messages.empty());
    for (const RecordingHost::Message& m : host.Messages) {
        QVERIFY2(m.Text.find("PDF ファイルに出力しました") == std::string::npos, m.Text.c_str());
    }
}

void tst_frmPrint::thePdfFileIsAskedInTheSharedFileDialog()
{
    TempDir dir;
    RecordingHost host;
    frmPrint dlg(Input(dir, 1), host.Host(), kTwoPrinters, nullptr);
    ChoosePdf(dlg);
    dlg.show();
    QString proposed;
    QTimer::singleShot(0, &dlg, [&] {
        if (auto* ask = dlg.findChild<QFileDialog*>(QStringLiteral("kelvraFileDialog"))) {
            proposed = ask->selectedFiles().value(0);
        }
        QApplication::activeModalWidget()->close();
    });
    Child<QPushButton>(dlg, "cmdPrint")->click();
    QCOMPARE(proposed, QDir::home().filePath(QStringLiteral("K-1234.pdf")));
    // Cancelled: nothing printed, nothing told.
    QVERIFY(host.Messages.empty());
}

void tst_frmPrint::matchCardLinesComeFromTheRoundsSchedule()
{
    TempDir dir;
    ScheduleRecord rec;
    rec.Kaisaikai = 1234;
    rec.Kumi = "A";
    for (int m = 0; m < 13; ++m) {
        rec.Match[static_cast<std::size_t>(m)].Home = "ホーム";
        rec.Match[static_cast<std::size_t>(m)].Away = "アウェイ";
        rec.Match[static_cast<std::size_t>(m)].GameDate = DateTime::FromYmd(2026, 5, 16);
        rec.Match[static_cast<std::size_t>(m)].StartTime = DateTime::FromHms(14, 0, 0);
        rec.Match[static_cast<std::size_t>(m)].Stadium = "競技場";
    }
    rec.SaleStart = DateTime::FromYmd(2026, 5, 1);
    rec.SaleEnd = DateTime::FromYmd(2026, 5, 16);
    rec.ResultDate = DateTime::FromYmd(2026, 5, 17);
    rec.RefundStart = DateTime::FromYmd(2026, 5, 18);
    rec.RefundDeadline = DateTime::FromYmd(2027, 5, 18);
    RecordingHost host;
    clsXmlSchedule xml(host, dir.Str());
    xml.SetRecord(rec);
    QVERIFY(xml.XmlSave(xml.GetFileName(1234, "A")));
    QVERIFY(rec.IsValid());

    frmPrint dlg(Input(dir, 3), host.Host(), kTwoPrinters, nullptr);
    const QString pdf = QString::fromStdString(dir.Str()) + QStringLiteral("/m.pdf");
    dlg.SetPdfPathChooser([&](const QString&) { return pdf; });
    ChoosePdf(dlg);
    Child<QCheckBox>(dlg, "chkOpenText")->setChecked(true);
    Child<QCheckBox>(dlg, "chkPageText")->setChecked(true);
    Child<QCheckBox>(dlg, "chkSendDataA")->setChecked(true);
    Child<QPushButton>(dlg, "cmdPrint")->click();
    const QString text = PdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("05/16 ホーム アウェ")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("1/1")), qPrintable(text));

    // Another round has no schedule here: the card is printed without match lines.
    Child<QLineEdit>(dlg, "txtOpenNo")->setText(QStringLiteral("77"));
    Child<QPushButton>(dlg, "cmdPrint")->click();
    QVERIFY(!PdfText(pdf).contains(QStringLiteral("ホーム")));
}

void tst_frmPrint::theTicketListPrintsIntoOnePdf()
{
    TempDir dir;
    RecordingHost host;
    PrintJobInput in = Input(dir, 60);
    for (std::size_t m = 0; m < 13; ++m) {
        in.Vote.Match[m].Home = "浦和レッズ";
        in.Vote.Match[m].Away = "鹿島アントラーズ";
        in.Vote.Match[m].Votes = {Currency::FromInt(300), Currency::FromInt(500),
                                  Currency::FromInt(200)};
    }
    frmPrint dlg(in, host.Host(), kTwoPrinters, nullptr);
    const std::int32_t pages = clsTPrintList::PageCount(60);
    QCOMPARE(pages, (60 + clsTPrintList::RowsPerPage - 1) / clsTPrintList::RowsPerPage);
    Child<QRadioButton>(dlg, "optKind1")->click();
    QVERIFY(dlg.ListChosen());
    QCOMPARE(Child<QLineEdit>(dlg, "txtEnd")->text(), QString::number(pages));
    QVERIFY(!Child<QPushButton>(dlg, "cmdTest")->isEnabled());

    const QString pdf = QString::fromStdString(dir.Str()) + QStringLiteral("/list/一覧.pdf");
    QVERIFY(QDir().mkpath(QFileInfo(pdf).path()));
    dlg.SetPdfPathChooser([&](const QString&) { return pdf; });
    ChoosePdf(dlg);
    Child<QPushButton>(dlg, "cmdPrint")->click();
    QCOMPARE(QDir(QFileInfo(pdf).path()).entryList(QDir::Files).size(), 1);
    QCOMPARE(PdfPages(pdf), pages);
    const QString text = PdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("toto 購入一覧")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("第1234回 A組")));
    QVERIFY(text.contains(QStringLiteral("浦和レッズ")));
    QVERIFY(text.contains(QStringLiteral("鹿島アントラーズ")));
    QVERIFY(text.contains(QStringLiteral("全 60 口")));
    QVERIFY(text.contains(QStringLiteral("円")));
    QVERIFY(text.contains(QStringLiteral("%1 / %1").arg(pages)));

    // Back to the cards, the range is the cards' again.
    Child<QRadioButton>(dlg, "optKind0")->click();
    QCOMPARE(Child<QLineEdit>(dlg, "txtEnd")->text(), QString::number(dlg.PageCount()));
    QVERIFY(Child<QPushButton>(dlg, "cmdTest")->isEnabled());
}

void tst_frmPrint::closingWritesTheSettings()
{
    TempDir dir;
    RecordingHost host;
    {
        frmPrint dlg(Input(dir, 1), host.Host(), kTwoPrinters, nullptr);
        auto* printers = Child<QComboBox>(dlg, "cmbPrinters");
        emit printers->activated(0);
        Child<QComboBox>(dlg, "cmbDirection")->setCurrentIndex(1);
        Child<QLineEdit>(dlg, "txtLeft")->setText(QStringLiteral("-1.25"));
        Child<QLineEdit>(dlg, "txtTop")->setText(QStringLiteral("abc"));
        Child<QCheckBox>(dlg, "chkFileText")->setChecked(true);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QTest::mouseClick(Child<QPushButton>(dlg, "cmdCancel"), Qt::LeftButton);
        QVERIFY(!dlg.isVisible());
    }
    const QString ini = Ini(dir);
    QVERIFY(ini.contains(QStringLiteral("PrinterName = Office\r\n")));
    QVERIFY(ini.contains(QStringLiteral("PrinterOrientation = 2\r\n")));
    QVERIFY(ini.contains(QStringLiteral("PrinterLeftMargin = -1.25\r\n")));
    QVERIFY(ini.contains(QStringLiteral("PrinterTopMargin = 0\r\n")));
    QVERIFY(ini.contains(QStringLiteral("PrinterFileText = True\r\n")));
    QVERIFY(
        ini.startsWith(QStringLiteral(";Drovane Printer Ini File (Printer.ini)\r\n;notice\r\n")));
}

void tst_frmPrint::everyBoxHasItsLabel()
{
    TempDir dir;
    RecordingHost host;
    frmPrint dlg(Input(dir, 25), host.Host(), kTwoPrinters, nullptr);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    const QStringList missing = kelvra_test::UnlabelledBoxes(dlg);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    dlg.reject();
}

// The queue and a PDF reader show the job under the work's file name, unsaved work as Kelvra.
void tst_frmPrint::jobsAreTitledAfterTheWorksFile()
{
    TempDir dir;
    RecordingHost host;
    for (const bool saved : {true, false}) {
        PrintJobInput in = Input(dir, 12);
        if (!saved) {
            in.FileName.clear();
        }
        frmPrint dlg(in, host.Host(), kTwoPrinters, nullptr);
        QCOMPARE(dlg.JobTitle(), saved ? QStringLiteral("K-1234.drd") : QStringLiteral("Kelvra"));
        const QString cards = QString::fromStdString(dir.Str()) + QStringLiteral("/cards.pdf");
        const QString list = QString::fromStdString(dir.Str()) + QStringLiteral("/list.pdf");
        ChoosePdf(dlg);
        dlg.SetPdfPathChooser([&](const QString&) { return cards; });
        Child<QPushButton>(dlg, "cmdPrint")->click();
        QCOMPARE(PdfTitle(cards), dlg.JobTitle());
        Child<QRadioButton>(dlg, "optKind1")->click();
        dlg.SetPdfPathChooser([&](const QString&) { return list; });
        Child<QPushButton>(dlg, "cmdPrint")->click();
        QCOMPARE(PdfTitle(list), dlg.JobTitle());
    }
}

void tst_frmPrint::printerOptionsOpenTheQueuesOwnDialog()
{
    TempDir dir;
    RecordingHost host;
    frmPrint dlg(Input(dir, 12), host.Host(), kTwoPrinters, nullptr);
    auto* options = Child<QPushButton>(dlg, "cmdPrinterOptions");
    QVERIFY(options->isEnabled()); // the default printer, Lab
    ChoosePdf(dlg);
    QVERIFY(!options->isEnabled());
    auto* printers = Child<QComboBox>(dlg, "cmbPrinters");
    emit printers->activated(0);
    QVERIFY(options->isEnabled());
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QString title;
    bool pagesOffered = true;
    QTimer::singleShot(0, [&] {
        auto* queue = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (queue != nullptr) {
            title = queue->windowTitle();
            // Pages and a file stay this dialog's business.
            pagesOffered = queue->testOption(QAbstractPrintDialog::PrintPageRange) ||
                           queue->testOption(QAbstractPrintDialog::PrintToFile);
            queue->reject();
        }
    });
    QTest::mouseClick(options, Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("プリンタの設定"));
    QVERIFY(!pagesOffered);
    QCOMPARE(printers->currentText(), QStringLiteral("Office"));
    QVERIFY(dlg.isVisible());
}

KELVRA_QTEST(tst_frmPrint)
#include "tst_frmPrint.moc"
