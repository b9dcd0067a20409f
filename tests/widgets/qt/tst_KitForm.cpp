// A form with every control of the kit, laid out as the home page will use them: the round
// view's two tables with the vote bars, a tab strip, the round box, a payout range, status
// panels, and the progress window beside it. Checks that no text is cut at the scale it
// runs at (run it with QT_SCALE_FACTOR=1.5 too); with KELVRA_SHOT_DIR set it saves PNGs.

#include "app/qt/basQtLocale.h"
#include "base/clsGridGeometry.h"
#include "base/clsGridTable.h"
#include "base/clsIGridSource.h"
// moc stumbles over the standard library this pulls in (Debug builds) and needs none of it.
#ifndef Q_MOC_RUN
#include "lottery/clsMoneyText.h"
#endif
#include "support/QtTestRegistry.h"
#include "widgets/clsBarGraph.h"
#include "widgets/clsGridDelegate.h"
#include "widgets/clsGridModel.h"
#include "widgets/clsGridView.h"
#include "widgets/clsMoneyEdit.h"
#include "widgets/clsNumberBox.h"
#include "widgets/clsProgressWindow.h"
#include "widgets/clsStatusBar.h"
#include "widgets/clsTabStrip.h"

#include <QFontInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {
class FakeHost : public clsIMessage, public clsIClipboard
{
public:
    void ShowMessage(MsgIcon, std::string_view, std::string_view) override {}
    std::string GetText() override { return {}; }
    void SetText(std::string_view) override {}
};

const char* const kHome[13] = {"鹿島",   "浦和",   "柏",   "川崎Ｆ", "横浜ＦＭ", "湘南", "清水",
                               "名古屋", "Ｇ大阪", "神戸", "広島",   "福岡",     "鳥栖"};
const char* const kAway[13] = {"札幌", "仙台", "FC東京", "横浜FC", "大分", "C大阪", "徳島",
                               "鹿島", "甲府", "千葉",   "山形",   "長崎", "岡山"};

// The form; everything it shows is set the way the core would set it.
struct KitForm
{
    FakeHost host;
    clsGridTable matches{14, 6};
    clsGridTable votes{26, 3};
    clsMoneyText minText{host, host};
    clsMoneyText maxText{host, host};
    QWidget form;
    clsGridView* matchGrid = nullptr;
    clsGridView* voteGrid = nullptr;
    clsBarGraph* bars = nullptr;
    clsTabStrip* tabs = nullptr;
    clsStatusBar* status = nullptr;

    KitForm()
    {
        const GridColor yellow = GridColor::FromRgb(255, 255, 224);
        const char* const headers[6] = {"開催日", "Jx", "No", "ホーム", "アウェイ", ""};
        for (int c = 0; c < 6; ++c) {
            matches.SetText(0, c, headers[c]);
            matches.SetAlign(0, c, GridAlign::Center);
        }
        matches.SetRowBackColor(0, GridColor::ButtonFaceColor());
        for (int m = 1; m <= 13; ++m) {
            matches.SetText(m, 0, "01/16");
            matches.SetText(m, 1, m < 8 ? "J1" : "J2");
            matches.SetText(m, 2, std::to_string(m));
            matches.SetText(m, 3, kHome[m - 1]);
            matches.SetText(m, 4, kAway[m - 1]);
            for (int c = 0; c < 6; ++c) {
                matches.SetAlign(m, c, c >= 3 ? GridAlign::Left : GridAlign::Center);
            }
            if (m % 2 == 0) {
                matches.SetRowBackColor(m, yellow);
                votes.SetRowBackColor(2 * m - 2, yellow);
                votes.SetRowBackColor(2 * m - 1, yellow);
            }
            votes.SetText(2 * m - 2, 0, "45.67");
            votes.SetText(2 * m - 2, 1, "100.00");
            votes.SetText(2 * m - 2, 2, "21.10");
            votes.SetColAlign(0, GridAlign::Right);
        }
        votes.SetColAlign(1, GridAlign::Right);
        votes.SetColAlign(2, GridAlign::Right);

        auto* layout = new QVBoxLayout(&form);
        tabs = new clsTabStrip(&form);
        tabs->SetCaptions({QStringLiteral("ホーム"), QStringLiteral("マルチ"),
                           QStringLiteral("条件"), QStringLiteral("シングル"),
                           QStringLiteral("チェック")});
        layout->addWidget(tabs);

        auto* roundRow = new QHBoxLayout;
        auto* roundLabel = new QLabel(QStringLiteral("開催回"), &form);
        auto* round = new clsNumberBox(QStringLiteral("開催回"), 0, 9999, &form);
        round->SetNumber(1234);
        roundLabel->setBuddy(round);
        roundRow->addWidget(roundLabel);
        roundRow->addWidget(round);
        roundRow->addStretch(1);
        layout->addLayout(roundRow);

        auto* view = new QWidget(&form);
        view->setObjectName(QStringLiteral("roundView"));
        matchGrid = new clsGridView(view);
        matchGrid->setAccessibleName(QStringLiteral("試合"));
        matchGrid->SetSource(matches);
        std::vector<std::int32_t> rows(14, 21);
        rows[0] = 20;
        matchGrid->SetGeometry96(clsGridGeometry(rows, {50, 20, 20, 50, 50, 203}));
        matchGrid->SetFitToCells(true);
        matches.SetText(0, 5, "投票率 2021/01/16 13:50 [最終]");
        matches.SetAlign(0, 5, GridAlign::Center);
        matchGrid->Refresh();

        // The vote table and the bars lie over the vote column, below the header row.
        const GridRect column = matchGrid->Geometry().CellRect(1, 5);
        std::vector<std::int32_t> voteRows;
        for (int m = 0; m < 13; ++m) {
            voteRows.push_back(14);
            voteRows.push_back(7);
        }
        voteGrid = new clsGridView(view);
        voteGrid->setAccessibleName(QStringLiteral("投票率"));
        voteGrid->SetSource(votes);
        voteGrid->SetGeometry96(clsGridGeometry(voteRows, {67, 67, 67}));
        voteGrid->SetFitToCells(true);
        voteGrid->setShowGrid(false);
        voteGrid->move(column.lngLeft, column.lngTop);
        bars = new clsBarGraph(view);
        bars->setAccessibleName(QStringLiteral("投票数"));
        bars->SetBarCount(13);
        for (int m = 0; m < 13; ++m) {
            bars->SetBarRect96(m, {0, 21 * m + 14, 201, 7});
            bars->SetBar(m, {{4567 + 300 * m, GridColor::FromRgb(255, 80, 80)},
                             {3000, GridColor::FromRgb(80, 160, 80)},
                             {2110 + 100 * m, GridColor::FromRgb(80, 80, 255)}});
        }
        bars->move(column.lngLeft, column.lngTop);
        bars->resize(bars->sizeHint());
        bars->setAttribute(Qt::WA_TransparentForMouseEvents);
        view->setFixedSize(matchGrid->size());
        layout->addWidget(view);

        auto* money = new QGridLayout;
        auto* minLabel = new QLabel(QStringLiteral("1等 最小"), &form);
        auto* maxLabel = new QLabel(QStringLiteral("1等 最大"), &form);
        minText.SetMax(Currency::FromInt(9999999999));
        maxText.SetMax(Currency::FromInt(9999999999));
        minText.SetValue(Currency::FromInt(50000000));
        maxText.SetValue(Currency::FromInt(1000000));
        auto* editMin = new clsMoneyEdit(minText, minLabel->text(), &form);
        auto* editMax = new clsMoneyEdit(maxText, maxLabel->text(), &form);
        minLabel->setBuddy(editMin);
        maxLabel->setBuddy(editMax);
        clsMoneyEdit::ShowRange(*editMin, *editMax);
        money->addWidget(minLabel, 0, 0);
        money->addWidget(editMin, 0, 1);
        money->addWidget(new QLabel(QStringLiteral("円 ～"), &form), 0, 2);
        money->addWidget(maxLabel, 0, 3);
        money->addWidget(editMax, 0, 4);
        money->addWidget(new QLabel(QStringLiteral("円"), &form), 0, 5);
        layout->addLayout(money);

        status = new clsStatusBar(&form);
        status->AddPanel(0, QStringLiteral("状態"));
        status->AddPanel(120, QStringLiteral("使用投票率"));
        status->SetPanelText(0, QStringLiteral(" 第 1234 回 "));
        status->SetPanelText(1, QStringLiteral("　使用投票率：2021/01/16 13:50(最終)"));
        layout->addWidget(status);
    }
};

// Every cell's text fits its cell, less the item's margins.
void ExpectCellsFit(const clsGridView& grid)
{
    const clsIGridSource& source = grid.Model()->Source();
    for (int r = 0; r < source.Rows(); ++r) {
        for (int c = 0; c < source.Cols(); ++c) {
            const QString text = grid.Model()->index(r, c).data().toString();
            if (text.isEmpty() || grid.isColumnHidden(c)) {
                continue;
            }
            const QFontMetrics metrics(grid.font());
            // The cell less its grid line and the delegate's margin.
            QVERIFY2(metrics.horizontalAdvance(text) + clsGridDelegate::kTextMargin <=
                         grid.columnWidth(c) - (grid.showGrid() ? 1 : 0),
                     qPrintable(QStringLiteral("%1,%2 %3").arg(r).arg(c).arg(text)));
            QVERIFY2(metrics.height() <= grid.rowHeight(r) || grid.rowHeight(r) < 10,
                     qPrintable(QStringLiteral("%1,%2 %3").arg(r).arg(c).arg(text)));
        }
    }
}

void Save(QWidget& widget, const char* strName)
{
    const QByteArray dir = qgetenv("KELVRA_SHOT_DIR");
    if (!dir.isEmpty()) {
        widget.grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') +
                           QString::fromLatin1(strName));
    }
}
} // namespace

class tst_KitForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void formUsesTheJapaneseFont();
    void nothingIsCut();
    void progressWindowShowsItsLog();
};

void tst_KitForm::initTestCase()
{
    basQtLocale::SubstituteWindowsFonts();
    QApplication::setFont(QFont(QStringLiteral("ＭＳ ゴシック"), 9));
}

void tst_KitForm::formUsesTheJapaneseFont()
{
    KitForm kit;
    QCOMPARE(QFontInfo(kit.matchGrid->font()).family(), QStringLiteral("IPAGothic"));
}

void tst_KitForm::nothingIsCut()
{
    KitForm kit;
    kit.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&kit.form));
    ExpectCellsFit(*kit.matchGrid);
    ExpectCellsFit(*kit.voteGrid);
    for (const QLabel* label : kit.form.findChildren<QLabel*>()) {
        if (label->isVisible() && !label->text().isEmpty()) {
            QVERIFY2(label->contentsRect().width() >=
                         label->fontMetrics().horizontalAdvance(label->text()),
                     qPrintable(label->text()));
        }
    }
    for (int i = 0; i < kit.tabs->count(); ++i) {
        QVERIFY(kit.tabs->tabRect(i).width() >
                kit.tabs->fontMetrics().horizontalAdvance(kit.tabs->tabText(i)));
    }
    Save(kit.form, "kit-form.png");
}

void tst_KitForm::progressWindowShowsItsLog()
{
    clsProgressWindow window;
    window.ShowProgress();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.ShowLog({" 日程をダウンロードします", " [コネクション開始]",
                    " https://store.toto-dream.com/dcs/subos/screen/pi04/spin011/"
                    "PGSPIN01101LnkHoldCntLotResultLsttoto.form?holdCntId=1234",
                    " 受信中 ........", " [コネクション終了]"});
    QCOMPARE(window.Lines().size(), 5);
    // The address is not cut short: the list scrolls to show its end.
    QListWidget* list = window.findChild<QListWidget*>(QStringLiteral("lstMsg"));
    QCOMPARE(list->textElideMode(), Qt::ElideNone);
    QCoreApplication::processEvents();
    QVERIFY(list->horizontalScrollBar()->maximum() > 0);
    Save(window, "progress-window.png");
}

KELVRA_QTEST(tst_KitForm)
#include "tst_KitForm.moc"
