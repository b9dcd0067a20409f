#include "app/qt/clsEngineView.h"

#include "base/qt/basQtText.h"
#include "widgets/clsNumberBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
// The fields of clsTXSakugen by index.
enum Field
{
    BeginCount,
    EndCount,
    EndTime,
    Extraction,
    SeBeginCount,
    SeEndTime
};

Currency FieldValue(const clsTXSakugen& sakugen, int lngField)
{
    switch (lngField) {
    case BeginCount:
        return sakugen.BeginCount();
    case EndCount:
        return sakugen.EndCount();
    case EndTime:
        return sakugen.EndTime();
    case Extraction:
        return sakugen.Extraction();
    case SeBeginCount:
        return sakugen.SeBeginCount();
    default:
        return sakugen.SeEndTime();
    }
}

void SetFieldValue(clsTXSakugen& sakugen, int lngField, Currency cur)
{
    switch (lngField) {
    case BeginCount:
        sakugen.SetBeginCount(cur);
        break;
    case EndCount:
        sakugen.SetEndCount(cur);
        break;
    case EndTime:
        sakugen.SetEndTime(cur);
        break;
    case Extraction:
        sakugen.SetExtraction(cur);
        break;
    case SeBeginCount:
        sakugen.SetSeBeginCount(cur);
        break;
    default:
        sakugen.SetSeEndTime(cur);
        break;
    }
}

// What each engine does to the tickets, in the order of clsEnginePanels' captions.
constexpr const char* kEngineTips[] = {
    "マルチのシングルをすべて買います。口数は減らしません",
    "１等が当たれば２等以上も当たる組み合わせを残し、短い時間で口数を減らします",
    "１等が当たれば２等以上も当たる組み合わせを残し、時間をかけて口数を減らします",
    "１等が当たれば３等以上も当たる組み合わせを残し、短い時間で口数を減らします",
    "１等が当たれば３等以上も当たる組み合わせを残し、時間をかけて口数を減らします",
    "保証はせず、決めた口数に当たりやすいシングルを集めます",
    "２等以上の保証を保ったまま、できるだけ少ない口数を探します",
    "３等以上の保証を保ったまま、できるだけ少ない口数を探します",
    "決めた口数（予算）で、自分の予想確率での２等以上か３等以上の的中確率が最も高いシングルを選びま"
    "す",
};
constexpr const char* kChushutsuTips[] = {
    "残ったシングルから無作為に選びます",
    "予想配当の高いシングルから選びます",
    "予想配当が中くらいのシングルから選びます",
    "予想配当の低いシングルから選びます",
    "自分の予想確率で当たりやすいシングルから選びます",
};
// The boxes' units and effects, by field.
constexpr const char* kFieldTips[] = {
    "この口数から始めて、保証を保てるあいだ口数を減らしていきます",
    "この口数まで減ったら検索を終えます",
    "１口減らすのにこの秒数を超えたら検索を終えます（秒）",
    "圧縮後のシングルから、この口数だけを残します",
    "この口数のシングルを選び、当たりやすい組み合わせに入れ替えていきます",
    "この秒数がたったら最適化を終えます（秒）",
};

// The trial panel serves the minimum-count engines too: their time limit is the whole run's,
// their start the first cover they find.
constexpr const char* kTrialEndTime = "秒経過後終了(１口)";
constexpr const char* kTrialEndTimeNote = "0の場合は無限に検索します";
constexpr const char* kMinimumEndTime = "秒経過後終了";
// The optimisation panel serves the budget engine too: its count is the budget, its time limit
// always ends the run.
constexpr const char* kOptimisationCount = "口を最適化";
constexpr const char* kBudgetCount = "口の予算";
constexpr const char* kOptimisationNote = "0の場合は無限に検索します";

// Shown in the start box before a minimum-count run has found its first cover.
constexpr const char* kMinimumStart = "高速検索の";

// One choice among the group's buttons, as a screen reader announces radio buttons. The
// document decides which one is chosen, and a damaged file's choice may be none: the group is
// exclusive only while one is.
void ShowChoice(QButtonGroup& group, int lngChosen)
{
    group.setExclusive(false);
    for (QAbstractButton* button : group.buttons()) {
        button->setChecked(group.id(button) == lngChosen);
    }
    group.setExclusive(group.button(lngChosen) != nullptr);
}

QCheckBox* NewCheck(const char* strName, std::string_view strCaption, QWidget* parent)
{
    auto* box = new QCheckBox(basQtText::ToQ(strCaption), parent);
    box->setObjectName(QString::fromLatin1(strName));
    box->setAccessibleName(box->text());
    return box;
}
} // namespace

clsEngineView::clsEngineView(clsConditionsFacet& conditions, clsRoundFacet& round,
                             const clsSearchFacet& search, QWidget* parent)
    : QWidget(parent)
    , m_conditions(conditions)
    , m_round(round)
    , m_search(search)
{
    setObjectName(QStringLiteral("clsEngineView"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabCompression"));
    m_tabs->setAccessibleName(QStringLiteral("圧縮"));
    m_tabs->addTab(BuildSakugenPage(), QStringLiteral("削減圧縮"));
    m_tabs->addTab(BuildChushutsuPage(), QStringLiteral("抽出圧縮"));
    column->addWidget(m_tabs);

    m_changed = m_conditions.SubscribeChanged([this](std::uint32_t lngParts) {
        if ((lngParts & (DocumentParts::PartEngineSettings | DocumentParts::PartProbability |
                         DocumentParts::PartRunState)) != 0) {
            Refresh();
        }
    });
    Refresh();
}

QWidget* clsEngineView::BuildSakugenPage()
{
    auto* page = new QWidget(m_tabs);
    page->setObjectName(QStringLiteral("fraSakugen"));
    auto* row = new QHBoxLayout(page);
    auto* options = new QVBoxLayout();
    options->setSpacing(2);
    m_engineGroup = new QButtonGroup(page);
    for (int i = 0; i < clsEnginePanels::kEngines; ++i) {
        auto* opt = new QRadioButton(basQtText::ToQ(clsEnginePanels::EngineCaption(i)), page);
        opt->setObjectName(QStringLiteral("optEngine%1").arg(i));
        opt->setAccessibleName(opt->text());
        m_engineGroup->addButton(opt, i);
        opt->setToolTip(QString::fromUtf8(kEngineTips[i]));
        connect(opt, &QRadioButton::clicked, this,
                [this, i](bool) { Edit([i](clsEnginePanels& panels) { panels.SetMsEngine(i); }); });
        options->addWidget(opt);
        m_optEngine[static_cast<std::size_t>(i)] = opt;
    }
    options->addStretch(1);
    row->addLayout(options);

    m_fraTrial = new QWidget(page);
    m_fraTrial->setObjectName(QStringLiteral("fraTrial"));
    auto* trial = new QGridLayout(m_fraTrial);
    trial->setContentsMargins(0, 0, 0, 0);
    auto addLine = [this](QWidget* frame, QGridLayout* grid, int lngRow, int lngField,
                          const char* strName, const char* strCaption) {
        const QString caption = QString::fromUtf8(strCaption);
        grid->addWidget(AddBox(frame, lngField, strName, caption), lngRow, 0);
        auto* label = new QLabel(caption, frame);
        label->setBuddy(m_boxes[static_cast<std::size_t>(lngField)]);
        grid->addWidget(label, lngRow, 1);
    };
    addLine(m_fraTrial, trial, 0, BeginCount, "txtBeginCount", "口から検索");
    addLine(m_fraTrial, trial, 1, EndCount, "txtEndCount", "口で検索終了");
    addLine(m_fraTrial, trial, 2, EndTime, "txtEndTime", kTrialEndTime);
    m_lblEndTime = qobject_cast<QLabel*>(trial->itemAtPosition(2, 1)->widget());
    m_lblEndTime->setObjectName(QStringLiteral("lblEndTime"));
    m_lblEndTimeNote = new QLabel(QString::fromUtf8(kTrialEndTimeNote), m_fraTrial);
    m_lblEndTimeNote->setObjectName(QStringLiteral("lblEndTimeNote"));
    trial->addWidget(m_lblEndTimeNote, 3, 0, 1, 2);
    m_chkExGrade2 = NewCheck("chkExGrade2", "購入対象を２等まで拡大", m_fraTrial);
    m_chkExGrade2->setToolTip(QStringLiteral("２等に当たるシングルも買う候補に入れて検索します"));
    connect(m_chkExGrade2, &QCheckBox::clicked, this, [this](bool blnChecked) {
        Edit([blnChecked](clsEnginePanels& panels) { panels.SetExGrade2(blnChecked); });
    });
    trial->addWidget(m_chkExGrade2, 4, 0, 1, 2);
    m_chkExGrade3 = NewCheck("chkExGrade3", "購入対象を３等まで拡大", m_fraTrial);
    m_chkExGrade3->setToolTip(QStringLiteral("３等に当たるシングルも買う候補に入れて検索します"));
    connect(m_chkExGrade3, &QCheckBox::clicked, this, [this](bool blnChecked) {
        Edit([blnChecked](clsEnginePanels& panels) { panels.SetExGrade3(blnChecked); });
    });
    trial->addWidget(m_chkExGrade3, 5, 0, 1, 2);
    trial->setRowStretch(6, 1);
    row->addWidget(m_fraTrial, 0, Qt::AlignTop);

    m_fraOptimisation = new QWidget(page);
    m_fraOptimisation->setObjectName(QStringLiteral("fraOptimisation"));
    auto* optimisation = new QGridLayout(m_fraOptimisation);
    optimisation->setContentsMargins(0, 0, 0, 0);
    addLine(m_fraOptimisation, optimisation, 0, SeBeginCount, "txtSeBeginCount",
            kOptimisationCount);
    m_lblSeBeginCount = qobject_cast<QLabel*>(optimisation->itemAtPosition(0, 1)->widget());
    m_lblSeBeginCount->setObjectName(QStringLiteral("lblSeBeginCount"));
    m_lblYen = new QLabel(m_fraOptimisation);
    m_lblYen->setObjectName(QStringLiteral("lblBudgetYen"));
    optimisation->addWidget(m_lblYen, 0, 2);
    addLine(m_fraOptimisation, optimisation, 1, SeEndTime, "txtSeEndTime", "秒経過後終了");
    m_lblSeEndTimeNote = new QLabel(QString::fromUtf8(kOptimisationNote), m_fraOptimisation);
    m_lblSeEndTimeNote->setObjectName(QStringLiteral("lblSeEndTimeNote"));
    optimisation->addWidget(m_lblSeEndTimeNote, 2, 0, 1, 3);
    m_fraGrade = new QWidget(m_fraOptimisation);
    m_fraGrade->setObjectName(QStringLiteral("fraBudgetGrade"));
    auto* grades = new QHBoxLayout(m_fraGrade);
    grades->setContentsMargins(0, 0, 0, 0);
    auto* gradeLabel = new QLabel(QStringLiteral("狙う等級"), m_fraGrade);
    grades->addWidget(gradeLabel);
    m_gradeGroup = new QButtonGroup(m_fraGrade);
    const std::array<std::pair<int, const char*>, 2> kGrades{
        {{2, "１試合外れまでの２等以上が当たる確率を最も高くします"},
         {3, "２試合外れまでの３等以上が当たる確率を最も高くします"}}};
    for (const auto& [grade, tip] : kGrades) {
        auto* opt = new QRadioButton(
            grade == 2 ? QStringLiteral("２等以上") : QStringLiteral("３等以上"), m_fraGrade);
        opt->setObjectName(QStringLiteral("optSeGrade%1").arg(grade));
        opt->setAccessibleName(opt->text());
        opt->setToolTip(QString::fromUtf8(tip));
        m_gradeGroup->addButton(opt, grade);
        connect(opt, &QRadioButton::clicked, this, [this, g = grade](bool) {
            Edit([g](clsEnginePanels& panels) { panels.SetSeGrade(g); });
        });
        grades->addWidget(opt);
    }
    grades->addStretch(1);
    optimisation->addWidget(m_fraGrade, 3, 0, 1, 3);
    optimisation->setRowStretch(4, 1);
    row->addWidget(m_fraOptimisation, 0, Qt::AlignTop);
    row->addStretch(1);
    return page;
}

QWidget* clsEngineView::BuildChushutsuPage()
{
    auto* page = new QWidget(m_tabs);
    page->setObjectName(QStringLiteral("fraChushutsu"));
    auto* column = new QVBoxLayout(page);
    auto* line = new QHBoxLayout();
    m_chkChushutsu = NewCheck("chkChushutsu", " 削減圧縮後", page);
    m_chkChushutsu->setToolTip(
        QStringLiteral("削減圧縮の後で、さらに決めた口数だけを選んで残します"));
    connect(m_chkChushutsu, &QCheckBox::clicked, this, [this](bool blnChecked) {
        Edit([blnChecked](clsEnginePanels& panels) { panels.SetChushutsuFlag(blnChecked); });
    });
    line->addWidget(m_chkChushutsu);
    const QString caption = QStringLiteral("口を抽出");
    line->addWidget(AddBox(page, Extraction, "txtExtraction", caption));
    auto* label = new QLabel(caption, page);
    label->setBuddy(m_boxes[Extraction]);
    line->addWidget(label);
    line->addStretch(1);
    column->addLayout(line);
    // Two columns of choices: in one row they made the strip wider than the marks above it.
    auto* types = new QGridLayout();
    m_chushutsuGroup = new QButtonGroup(page);
    for (int i = 0; i < clsEnginePanels::kChushutsuTypes; ++i) {
        auto* opt = new QRadioButton(basQtText::ToQ(clsEnginePanels::ChushutsuCaption(i)), page);
        opt->setObjectName(QStringLiteral("optChushutsu%1").arg(i));
        opt->setAccessibleName(opt->text());
        m_chushutsuGroup->addButton(opt, i);
        opt->setToolTip(QString::fromUtf8(kChushutsuTips[i]));
        connect(opt, &QRadioButton::clicked, this, [this, i](bool) {
            Edit([i](clsEnginePanels& panels) { panels.SetChushutsuType(i); });
        });
        types->addWidget(opt, i / 2, i % 2);
        m_optChushutsu[static_cast<std::size_t>(i)] = opt;
    }
    types->setColumnStretch(2, 1);
    column->addLayout(types);
    auto* warning = new QLabel(basQtText::ToQ(clsEnginePanels::kGuaranteeWarning), page);
    warning->setObjectName(QStringLiteral("lblGuaranteeWarning"));
    warning->setStyleSheet(QStringLiteral("color: red;"));
    // Long sentences wrap: the strip stands beside the run's results, not across the page.
    warning->setWordWrap(true);
    column->addWidget(warning);
    auto* note = new QLabel(basQtText::ToQ(clsEnginePanels::kProbabilityNote), page);
    note->setObjectName(QStringLiteral("lblProbabilityNote"));
    note->setWordWrap(true);
    column->addWidget(note);
    column->addStretch(1);
    return page;
}

clsNumberBox* clsEngineView::AddBox(QWidget* parent, int lngField, const char* strName,
                                    const QString& strCaption)
{
    const auto k = static_cast<std::size_t>(lngField);
    auto* box = new clsNumberBox(strCaption, clsTXSakugen::kMin[k], clsTXSakugen::kMax[k], parent);
    box->setObjectName(QString::fromLatin1(strName));
    box->setGroupSeparatorShown(true);
    box->setMinimumWidth(72);
    box->setToolTip(QString::fromUtf8(kFieldTips[k]));
    connect(box, &QSpinBox::valueChanged, this, [this, lngField](int lngValue) {
        Edit([lngField, lngValue](clsEnginePanels& panels) {
            SetFieldValue(panels.Sakugen(), lngField, Currency::FromInt(lngValue));
        });
    });
    m_boxes[k] = box;
    return box;
}

void clsEngineView::Edit(const std::function<void(clsEnginePanels&)>& fnEdit)
{
    if (m_refreshing) {
        return;
    }
    m_conditions.EditEngineSettings(fnEdit);
    // A refused edit leaves the document as it was: the controls show that again.
    Refresh();
}

void clsEngineView::Refresh()
{
    m_refreshing = true;
    const clsEnginePanels& panels = m_conditions.EnginePanels();
    const std::int32_t engine = panels.MsEngine();
    ShowChoice(*m_engineGroup, engine);
    const clsEnginePanels::OptionPanel panel = panels.Panel();
    m_fraTrial->setVisible(panel == clsEnginePanels::OptionPanel::Trial);
    const bool budget = panel == clsEnginePanels::OptionPanel::Budget;
    m_fraOptimisation->setVisible(panel == clsEnginePanels::OptionPanel::Optimisation || budget);
    const QString countCaption = QString::fromUtf8(budget ? kBudgetCount : kOptimisationCount);
    m_lblSeBeginCount->setText(countCaption);
    m_boxes[SeBeginCount]->setAccessibleName(countCaption);
    m_boxes[SeBeginCount]->setToolTip(
        budget ? QStringLiteral("買う口数です。1口100円で、右に金額を表示します")
               : QString::fromUtf8(kFieldTips[SeBeginCount]));
    const std::int64_t tickets = panels.Sakugen().SeBeginCount().Truncate();
    m_lblYen->setText(
        QStringLiteral("（%1円）")
            .arg(basQtText::ToQ((Currency::FromInt(100) * tickets).FormatNumber(0, true))));
    m_lblYen->setAccessibleName(m_lblYen->text());
    m_lblYen->setVisible(budget);
    m_boxes[SeEndTime]->setToolTip(
        budget ? QStringLiteral("検索全体がこの秒数を超えたら終えます（秒）")
               : QString::fromUtf8(kFieldTips[SeEndTime]));
    m_lblSeEndTimeNote->setText(
        budget ? QStringLiteral("0の場合は%1秒で終了します").arg(kBudgetSeconds)
               : QString::fromUtf8(kOptimisationNote));
    m_fraGrade->setVisible(budget);
    ShowChoice(*m_gradeGroup, panels.SeGrade());
    const bool minimum = IsMinimumCountEngine(engine);
    clsNumberBox* start = m_boxes[BeginCount];
    start->setReadOnly(minimum);
    start->setButtonSymbols(minimum ? QAbstractSpinBox::NoButtons : QAbstractSpinBox::UpDownArrows);
    start->setSpecialValueText(minimum ? QString::fromUtf8(kMinimumStart) : QString());
    start->setMinimum(minimum ? 0 : clsTXSakugen::kMin[BeginCount]);
    const QString endTime = QString::fromUtf8(minimum ? kMinimumEndTime : kTrialEndTime);
    m_lblEndTime->setText(endTime);
    m_boxes[EndTime]->setAccessibleName(endTime);
    m_boxes[EndTime]->setToolTip(minimum
                                     ? QStringLiteral("検索全体がこの秒数を超えたら終えます（秒）")
                                     : QString::fromUtf8(kFieldTips[EndTime]));
    start->setToolTip(minimum ? QStringLiteral("最初に見つかった保証できる口数を表示します")
                              : QString::fromUtf8(kFieldTips[BeginCount]));
    m_lblEndTimeNote->setText(
        minimum ? QStringLiteral("0の場合は%1秒で終了します").arg(kMinimumCountSeconds)
                : QString::fromUtf8(kTrialEndTimeNote));
    for (int i = 0; i < clsTXSakugen::kFields; ++i) {
        clsNumberBox* box = m_boxes[static_cast<std::size_t>(i)];
        // A minimum-count run starts where its first cover is, not at the box's count: the box
        // shows that start, once the last run has found it.
        const int value = minimum && i == BeginCount
                              ? m_search.LastStartCount()
                              : static_cast<int>(FieldValue(panels.Sakugen(), i).Truncate());
        // Setting the same value again would rewrite the text under the user's caret.
        if (box->Number() != value) {
            box->SetNumber(value);
        }
    }
    m_chkExGrade2->setChecked(panels.ExGrade2());
    m_chkExGrade2->setEnabled(clsEnginePanels::ExGrade2Enabled(engine));
    m_chkExGrade3->setChecked(panels.ExGrade3());
    m_chkExGrade3->setEnabled(clsEnginePanels::ExGrade3Enabled(engine));
    m_chkChushutsu->setChecked(panels.ChushutsuFlag());
    const bool hasProbability = m_round.Probability().has_value();
    ShowChoice(*m_chushutsuGroup, panels.ChushutsuType());
    for (int i = 0; i < clsEnginePanels::kChushutsuTypes; ++i) {
        QRadioButton* opt = m_optChushutsu[static_cast<std::size_t>(i)];
        opt->setEnabled(clsEnginePanels::ChushutsuTypeEnabled(i, hasProbability));
    }
    m_refreshing = false;
}
