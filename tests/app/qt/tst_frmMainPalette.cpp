// Every coloured cell of every grid the window shows stays readable under the light palette
// and under a dark one (light text on a dark window), and the grids' text follows the
// application font.

#include "app/qt/clsMultiView.h"
#include "app/qt/frmMain.h"
#include "base/basCellColors.h"
#include "support/MainWindowFixture.h"
#include "support/QtTestRegistry.h"
#include "widgets/clsGridModel.h"
#include "widgets/clsGridView.h"

#include <QApplication>
#include <QBrush>
#include <QFont>
#include <QPalette>
#include <QTest>

namespace {
std::uint32_t Rgb(const QColor& color)
{
    return color.rgb() & 0xFFFFFFu;
}

QPalette DarkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEE));
    dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
    dark.setColor(QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEE));
    return dark;
}

// Restores the palette and font the test program started with, however the test ends.
class AppLook
{
public:
    AppLook()
        : m_palette(QApplication::palette())
        , m_font(QApplication::font())
    {}
    ~AppLook()
    {
        QApplication::setPalette(m_palette);
        QApplication::setFont(m_font);
    }
    AppLook(const AppLook&) = delete;
    AppLook& operator=(const AppLook&) = delete;

private:
    QPalette m_palette;
    QFont m_font;
};

struct PaletteWindow : MainWindowFixture
{
    PaletteWindow() { Open(); }
    // Marks and runs, so that the breakdown, the count grids and the sheet hold figures.
    void Run() const
    {
        window->ShowPage(frmMain::PageMulti);
        auto* multi = Find<clsMultiView>("picMulti");
        for (int row = 1; row <= 13; ++row) {
            for (int col = 0; col < (row <= 3 ? 3 : 1); ++col) {
                const QRect rect = multi->visualRect(multi->Model()->index(row, col));
                QTest::mouseClick(multi->viewport(), Qt::LeftButton, {}, rect.center());
            }
        }
        Click("optEngine1");
        Click("cmdRun");
    }
    // "grid row,col back/fore ratio" for every cell drawn with too little contrast; nCells
    // counts the coloured cells seen.
    QStringList Unreadable(int& nCells) const
    {
        const QPalette palette = QApplication::palette();
        QStringList faults;
        for (const clsGridView* grid : window->findChildren<clsGridView*>()) {
            const clsGridModel* model = grid->Model();
            if (model == nullptr) {
                continue;
            }
            for (int r = 0; r < model->rowCount(); ++r) {
                for (int c = 0; c < model->columnCount(); ++c) {
                    const QModelIndex cell = model->index(r, c);
                    const QVariant back = cell.data(Qt::BackgroundRole);
                    const QVariant fore = cell.data(Qt::ForegroundRole);
                    if (!back.isValid() && !fore.isValid()) {
                        continue;
                    }
                    ++nCells;
                    // What the delegate draws when a role is empty.
                    const QColor b = back.isValid() ? back.value<QBrush>().color()
                                                    : palette.color(QPalette::Base);
                    const QColor f = fore.isValid() ? fore.value<QBrush>().color()
                                                    : palette.color(QPalette::Text);
                    const double ratio = basCellColors::Contrast(Rgb(b), Rgb(f));
                    if (ratio < basCellColors::kMinContrast) {
                        faults << QStringLiteral("%1 %2,%3 %4/%5 %6")
                                      .arg(grid->objectName())
                                      .arg(r)
                                      .arg(c)
                                      .arg(b.name(), f.name())
                                      .arg(ratio, 0, 'f', 2);
                    }
                }
            }
        }
        return faults;
    }
};
} // namespace

class tst_frmMainPalette : public QObject
{
    Q_OBJECT

private slots:
    void everyColouredCellReadsUnderBothPalettes();
    void gridTextFollowsTheApplicationFont();
};

void tst_frmMainPalette::everyColouredCellReadsUnderBothPalettes()
{
    AppLook look;
    PaletteWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    w.Run();
    QVERIFY(w.Doc().Tickets().SingleCount() > 0);
    int light = 0;
    QStringList faults = w.Unreadable(light);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));

    QApplication::setPalette(DarkPalette());
    int dark = 0;
    faults = w.Unreadable(dark);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    // The same cells were looked at, and there were many kinds: headers, shaded rows, the
    // breakdown, the result colours.
    QCOMPARE(dark, light);
    QVERIFY(light > 100);
    // A pale cell turned dark under the dark palette, the palette's light text on it.
    auto* multi = w.Find<clsGridView>("picMulti");
    const QModelIndex marked = multi->Model()->index(1, 0);
    const QColor back = marked.data(Qt::BackgroundRole).value<QBrush>().color();
    QVERIFY(back.isValid());
    QVERIFY(back.lightnessF() < 0.5);

    // For the eye: the pages as they look dark.
    const QString folder = qEnvironmentVariable("KELVRA_SCREENSHOTS");
    if (!folder.isEmpty()) {
        for (const int page : {frmMain::PageMulti, frmMain::PageSingle, frmMain::PageCheck}) {
            QVERIFY(w.window->ShowPage(page));
            QCoreApplication::processEvents();
            w.window->grab().save(folder + QStringLiteral("/dark-page%1.png").arg(page));
        }
    }
}

void tst_frmMainPalette::gridTextFollowsTheApplicationFont()
{
    AppLook look;
    QFont larger = QApplication::font();
    larger.setPointSizeF(18);
    QApplication::setFont(larger);
    PaletteWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    // The breakdown's cells ask for 11 points where the grids' base is 9: scaled, not fixed.
    auto* meisai = w.Find<clsGridView>("grdMeisai");
    const QFont font = meisai->Model()->index(1, 0).data(Qt::FontRole).value<QFont>();
    QCOMPARE(font.pointSizeF(), 18.0 * 11 / 9);
}

KELVRA_QTEST(tst_frmMainPalette)
#include "tst_frmMainPalette.moc"
