// The card as it comes out of a PDF: rasterised at 300 dpi, every mark's centre must lie within
// 0.2 mm of the card's geometry (portrait, landscape, shifted), the test print's outline must
// measure 203 x 82.5 mm, and one job per card must give one file per card.

#include "FileSizeLimit.h"
#include "print/clsTPrint.h"
#include "print/qt/clsQtPrintDevice.h"
#include "support/QtTestRegistry.h"
#include "support/RecordingHost.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <vector>

namespace {
constexpr double kDpi = 300.0;
constexpr double kTolerance = 0.2;

struct Raster
{
    int Width = 0;
    int Height = 0;
    int Channels = 1;
    QByteArray Pixels;

    const unsigned char* At(int x, int y) const
    {
        return reinterpret_cast<const unsigned char*>(Pixels.constData()) +
               (static_cast<qsizetype>(y) * Width + x) * Channels;
    }
};

// The first page of a PDF as a PGM (gray) or PPM (colour) image from pdftoppm.
Raster Rasterise(const QString& strPdf, bool blnColour)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    QStringList args{QStringLiteral("-r"),         QStringLiteral("300"), QStringLiteral("-f"),
                     QStringLiteral("1"),          QStringLiteral("-l"),  QStringLiteral("1"),
                     QStringLiteral("-singlefile")};
    if (!blnColour) {
        args << QStringLiteral("-gray");
    }
    args << strPdf << prefix;
    QProcess proc;
    proc.start(QStringLiteral("pdftoppm"), args);
    Raster r;
    if (!proc.waitForFinished(60000) || proc.exitCode() != 0) {
        qWarning() << "pdftoppm failed:" << proc.readAllStandardError();
        return r;
    }
    QFile file(prefix + (blnColour ? QStringLiteral(".ppm") : QStringLiteral(".pgm")));
    if (!file.open(QIODevice::ReadOnly)) {
        return r;
    }
    const QByteArray data = file.readAll();
    // Header: magic, width, height, maximum, each followed by one blank.
    qsizetype pos = 0;
    QList<QByteArray> fields;
    while (fields.size() < 4 && pos < data.size()) {
        while (pos < data.size() && std::isspace(static_cast<unsigned char>(data[pos]))) {
            ++pos;
        }
        const qsizetype start = pos;
        while (pos < data.size() && !std::isspace(static_cast<unsigned char>(data[pos]))) {
            ++pos;
        }
        fields << data.mid(start, pos - start);
    }
    ++pos;
    r.Channels = fields.value(0) == "P6" ? 3 : 1;
    r.Width = fields.value(1).toInt();
    r.Height = fields.value(2).toInt();
    r.Pixels = data.mid(pos);
    if (r.Pixels.size() != static_cast<qsizetype>(r.Width) * r.Height * r.Channels) {
        r = Raster{};
    }
    return r;
}

double PxToMm(double dblPx)
{
    return dblPx * 25.4 / kDpi;
}

// Centres (mm) of the connected dark areas of a gray raster.
std::vector<QPointF> DarkBlobs(const Raster& r)
{
    std::vector<QPointF> out;
    std::vector<char> seen(static_cast<std::size_t>(r.Width) * r.Height, 0);
    std::vector<std::pair<int, int>> stack;
    for (int y = 0; y < r.Height; ++y) {
        for (int x = 0; x < r.Width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * r.Width + x;
            if (seen[i] || *r.At(x, y) >= 128) {
                continue;
            }
            double sx = 0;
            double sy = 0;
            double n = 0;
            stack.assign(1, {x, y});
            seen[i] = 1;
            while (!stack.empty()) {
                const auto [px, py] = stack.back();
                stack.pop_back();
                sx += px;
                sy += py;
                n += 1;
                for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    const int qx = px + dx;
                    const int qy = py + dy;
                    if (qx < 0 || qy < 0 || qx >= r.Width || qy >= r.Height) {
                        continue;
                    }
                    const std::size_t j = static_cast<std::size_t>(qy) * r.Width + qx;
                    if (!seen[j] && *r.At(qx, qy) < 128) {
                        seen[j] = 1;
                        stack.emplace_back(qx, qy);
                    }
                }
            }
            // Pixel i covers i .. i + 1.
            out.emplace_back(PxToMm(sx / n + 0.5), PxToMm(sy / n + 0.5));
        }
    }
    return out;
}

// Ten tickets whose outcomes walk through every column, round 1234 and group B.
std::vector<std::int32_t> Tickets()
{
    std::vector<std::int32_t> v;
    for (int s = 0; s < 10; ++s) {
        std::int32_t n = 0;
        for (int m = 12; m >= 0; --m) {
            n = n * 3 + (s + m) % 3;
        }
        v.push_back(n);
    }
    return v;
}

// Where the marks belong, worked out afresh from the card's printed dimensions.
std::vector<QPointF> Expected(const std::vector<std::int32_t>& tickets, double dblLeft,
                              double dblTop, bool blnLandscape)
{
    std::vector<QPointF> v;
    const double dy = -dblTop + (blnLandscape ? 127.5 : 0.0);
    for (std::size_t s = 0; s < tickets.size(); ++s) {
        std::int32_t n = tickets[s];
        for (int m = 0; m < 13; ++m) {
            const int code = n % 3;
            n /= 3;
            const int col = code == 1 ? 0 : (code == 0 ? 1 : 2);
            v.emplace_back(72.5 + 3.5 * (3.0 * static_cast<double>(s) + col) - dblLeft,
                           4.75 + 5.0 * m + dy);
        }
    }
    v.emplace_back(30.5 - dblLeft, 19.75 + 5.0 * 3 + dy); // round 1234: tens 3
    v.emplace_back(34.0 - dblLeft, 19.75 + 5.0 * 4 + dy); // ones 4
    v.emplace_back(48.0 - dblLeft, 34.75 + dy);           // group B
    return v;
}

PrintSettings Settings(double dblLeft, double dblTop, bool blnLandscape)
{
    PrintSettings s;
    s.Orientation = blnLandscape ? PrintSettings::kLandscape : PrintSettings::kPortrait;
    s.LeftShift = Currency::FromDouble(dblLeft);
    s.TopShift = Currency::FromDouble(dblTop);
    s.PrintOpenNo = true;
    return s;
}

int PdfPages(const QString& strPdf)
{
    QProcess proc;
    proc.start(QStringLiteral("pdfinfo"), {strPdf});
    proc.waitForFinished(30000);
    const QString info = QString::fromUtf8(proc.readAllStandardOutput());
    static const QRegularExpression re(QStringLiteral("Pages:\\s+(\\d+)"));
    const auto m = re.match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}
} // namespace

class tst_clsQtPrintDevice : public QObject
{
    Q_OBJECT

private slots:
    void marksLandWhereTheCardHasThem_data();
    void marksLandWhereTheCardHasThem();
    void testPrintOutlineMeasuresTheCard_data();
    void testPrintOutlineMeasuresTheCard();
    void oneJobPerCardWritesOneFilePerCard();
    void allCardsInOneJobWriteOneFile();
    void jobFileNames();
    void unwritablePdfIsAFailedPrint();
    void aJobCutShortByAFullDiskLeavesTheOldFile();
    void aPdfWithoutItsTrailerIsNotComplete();
};

void tst_clsQtPrintDevice::marksLandWhereTheCardHasThem_data()
{
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::addColumn<bool>("landscape");
    QTest::newRow("portrait") << 0.0 << 0.0 << false;
    QTest::newRow("landscape") << 0.0 << 0.0 << true;
    QTest::newRow("shift +1.5") << 1.5 << 1.5 << false;
    QTest::newRow("shift -1.5") << -1.5 << -1.5 << false;
    QTest::newRow("landscape shift -1.5/+1.5") << -1.5 << 1.5 << true;
}

void tst_clsQtPrintDevice::marksLandWhereTheCardHasThem()
{
    QFETCH(double, left);
    QFETCH(double, top);
    QFETCH(bool, landscape);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("card.pdf"));
    RecordingHost host;
    clsTPrint print(host);
    const auto tickets = Tickets();
    PrintCardExtras extras;
    extras.Kaisaikai = 1234;
    extras.Kumi = "B";
    {
        clsQtPrintDevice device(pdf, false);
        QCOMPARE(print.Print(device, tickets, Settings(left, top, landscape), extras), 1);
    }
    QVERIFY2(host.Messages.empty(), host.AllMessageText().c_str());
    const Raster r = Rasterise(pdf, false);
    QVERIFY2(r.Width > 0, "no raster from pdftoppm");
    QCOMPARE(r.Width, landscape ? 3509 : 2480);

    const auto found = DarkBlobs(r);
    const auto expected = Expected(tickets, left, top, landscape);
    QCOMPARE(found.size(), expected.size());
    double worst = 0;
    for (const QPointF& e : expected) {
        double best = 1e9;
        for (const QPointF& f : found) {
            best = std::min(best, std::hypot(f.x() - e.x(), f.y() - e.y()));
        }
        QVERIFY2(
            best <= kTolerance,
            qPrintable(
                QStringLiteral("mark at (%1, %2) off by %3 mm").arg(e.x()).arg(e.y()).arg(best)));
        worst = std::max(worst, best);
    }
    qInfo("worst mark centre offset: %.3f mm", worst);
}

void tst_clsQtPrintDevice::testPrintOutlineMeasuresTheCard_data()
{
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::addColumn<bool>("landscape");
    QTest::newRow("portrait") << 0.0 << 0.0 << false;
    // Moved up: the landscape card ends on the sheet's bottom edge.
    QTest::newRow("landscape shifted") << -1.5 << 1.5 << true;
    QTest::newRow("shifted right and down") << -1.5 << -1.5 << false;
}

void tst_clsQtPrintDevice::testPrintOutlineMeasuresTheCard()
{
    QFETCH(double, left);
    QFETCH(double, top);
    QFETCH(bool, landscape);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("test.pdf"));
    RecordingHost host;
    clsTPrint print(host);
    {
        clsQtPrintDevice device(pdf, false);
        QVERIFY(print.TestPrint(device, Settings(left, top, landscape), "A"));
    }
    const Raster r = Rasterise(pdf, true);
    QVERIFY2(r.Width > 0, "no raster from pdftoppm");
    int minX = r.Width;
    int maxX = -1;
    int minY = r.Height;
    int maxY = -1;
    for (int y = 0; y < r.Height; ++y) {
        for (int x = 0; x < r.Width; ++x) {
            const unsigned char* p = r.At(x, y);
            if (p[0] > 180 && p[1] < 100 && p[2] < 100) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
        }
    }
    QVERIFY(maxX > minX && maxY > minY);
    // From the outer edges of the outline, less the pen's width: centre to centre.
    const double width = PxToMm(maxX - minX + 1) - 0.1;
    const double height = PxToMm(maxY - minY + 1) - 0.1;
    qInfo("outline %.3f x %.3f mm", width, height);
    QVERIFY2(std::abs(width - 203.0) <= kTolerance, qPrintable(QString::number(width)));
    QVERIFY2(std::abs(height - 82.5) <= kTolerance, qPrintable(QString::number(height)));
    const double dy = landscape ? 127.5 : 0.0;
    QVERIFY(std::abs(PxToMm(minX + 0.5) + 0.05 - (0.0 - left)) <= kTolerance);
    QVERIFY(std::abs(PxToMm(minY + 0.5) + 0.05 - (0.0 - top + dy)) <= kTolerance);
}

void tst_clsQtPrintDevice::oneJobPerCardWritesOneFilePerCard()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("cards.pdf"));
    RecordingHost host;
    clsTPrint print(host);
    std::vector<std::int32_t> tickets(25, 0);
    clsQtPrintDevice device(pdf, true);
    QCOMPARE(print.Print(device, tickets, PrintSettings{}, {}), 3);
    QCOMPARE(device.WrittenFiles(), QStringList({dir.filePath(QStringLiteral("cards-1.pdf")),
                                                 dir.filePath(QStringLiteral("cards-2.pdf")),
                                                 dir.filePath(QStringLiteral("cards-3.pdf"))}));
    for (const QString& f : device.WrittenFiles()) {
        QCOMPARE(PdfPages(f), 1);
    }
    QVERIFY(!QFileInfo::exists(pdf));
}

void tst_clsQtPrintDevice::allCardsInOneJobWriteOneFile()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("cards.pdf"));
    RecordingHost host;
    clsTPrint print(host);
    std::vector<std::int32_t> tickets(25, 0);
    PrintSettings s;
    s.SendDataA = true;
    clsQtPrintDevice device(pdf, false);
    QCOMPARE(print.Print(device, tickets, s, {}), 3);
    QCOMPARE(device.WrittenFiles(), QStringList{pdf});
    QCOMPARE(PdfPages(pdf), 3);
}

void tst_clsQtPrintDevice::jobFileNames()
{
    QCOMPARE(clsQtPrintDevice::JobFileName(QStringLiteral("/a/cards.pdf"), 2),
             QStringLiteral("/a/cards-2.pdf"));
    QCOMPARE(clsQtPrintDevice::JobFileName(QStringLiteral("/a/cards.PDF"), 10),
             QStringLiteral("/a/cards-10.pdf"));
    QCOMPARE(clsQtPrintDevice::JobFileName(QStringLiteral("/a/cards"), 1),
             QStringLiteral("/a/cards-1.pdf"));
}

void tst_clsQtPrintDevice::unwritablePdfIsAFailedPrint()
{
    QTemporaryDir dir;
    // A folder stands where the file should go.
    const QString pdf = dir.filePath(QStringLiteral("taken.pdf"));
    QVERIFY(QDir().mkpath(pdf));
    RecordingHost host;
    clsTPrint print(host);
    clsQtPrintDevice device(pdf, false);
    QCOMPARE(print.Print(device, std::vector<std::int32_t>{1}, PrintSettings{}, {}), 0);
    QVERIFY(!host.Messages.empty());
    QVERIFY(device.WrittenFiles().isEmpty());
}

void tst_clsQtPrintDevice::aJobCutShortByAFullDiskLeavesTheOldFile()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("card.pdf"));
    {
        QFile old(pdf);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the card printed last week");
    }
    RecordingHost host;
    clsTPrint print(host);
    PrintSettings s;
    s.SendDataA = true;
    clsQtPrintDevice device(pdf, false);
    {
        const FileSizeLimit disk(1024);
        QCOMPARE(print.Print(device, std::vector<std::int32_t>(25, 0), s, {}), 0);
    }
    QVERIFY(device.Failed());
    QVERIFY(device.WrittenFiles().isEmpty());
    QVERIFY(!host.Messages.empty());
    QFile old(pdf);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("the card printed last week"));
    // Nothing else is left in the folder: no part of the job under another name.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("card.pdf")});

    // The same job with room: the file is replaced by the whole PDF, with the old file's mode.
    QVERIFY(QFile::setPermissions(pdf, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    clsQtPrintDevice again(pdf, false);
    QCOMPARE(print.Print(again, std::vector<std::int32_t>(25, 0), s, {}), 3);
    QVERIFY(!again.Failed());
    QVERIFY(clsQtPrintDevice::IsCompletePdf(pdf));
    QCOMPARE(PdfPages(pdf), 3);
    QCOMPARE(QFile::permissions(pdf) & (QFile::WriteGroup | QFile::ReadOther | QFile::ReadGroup),
             QFile::ReadGroup);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("card.pdf")});
}

void tst_clsQtPrintDevice::aPdfWithoutItsTrailerIsNotComplete()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("card.pdf"));
    RecordingHost host;
    clsQtPrintDevice device(pdf, false);
    QVERIFY(clsTPrint(host).TestPrint(device, PrintSettings{}, "A"));
    QVERIFY(clsQtPrintDevice::IsCompletePdf(pdf));
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadWrite));
    const qint64 size = file.size();
    QVERIFY(file.resize(size - 40));
    file.close();
    QVERIFY(!clsQtPrintDevice::IsCompletePdf(pdf));
    QVERIFY(!clsQtPrintDevice::IsCompletePdf(dir.filePath(QStringLiteral("missing.pdf"))));
}

KELVRA_QTEST(tst_clsQtPrintDevice)
#include "tst_clsQtPrintDevice.moc"
