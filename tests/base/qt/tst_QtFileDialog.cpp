// The Qt file dialog behind the window's file commands: caption, filter, start folder and the
// proposed name as the command asked, the path chosen, and a cancel as an empty answer.

#include "base/qt/basQtText.h"
#include "base/qt/clsQtFileDialog.h"
#include "support/QtTestRegistry.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {
struct Seen
{
    QString Title;
    QStringList Filters;
    QString Folder;
    QString Name;
    bool Save = false;
};

// Reads the dialog once it is up, then lets fnAnswer close it.
void WhenShown(Seen& seen, std::function<void(QFileDialog&)> fnAnswer)
{
    QTimer::singleShot(0, [&seen, fnAnswer] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        seen.Title = dialog->windowTitle();
        seen.Filters = dialog->nameFilters();
        seen.Folder = dialog->directory().absolutePath();
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        seen.Name = name != nullptr ? name->text() : QString();
        seen.Save = dialog->acceptMode() == QFileDialog::AcceptSave;
        fnAnswer(*dialog);
    });
}
} // namespace

class tst_QtFileDialog : public QObject
{
    Q_OBJECT

private slots:
    void saveProposesTheNameInTheStartFolder();
    void openWithoutANameAndCancelled();
};

void tst_QtFileDialog::saveProposesTheNameInTheStartFolder()
{
    TempDir dir;
    clsQtFileDialog files;
    Seen seen;
    WhenShown(seen, [](QFileDialog& d) { static_cast<QDialog&>(d).accept(); });
    const std::string chosen =
        files.Save("名前を付けて保存", "条件ファイル(*.drj)", "条件", dir.Str());
    QCOMPARE(seen.Title, QStringLiteral("名前を付けて保存"));
    QCOMPARE(seen.Filters, QStringList{QStringLiteral("条件ファイル(*.drj)")});
    QCOMPARE(seen.Folder, QDir(basQtText::ToQ(dir.Str())).absolutePath());
    QCOMPARE(seen.Name, QStringLiteral("条件"));
    QVERIFY(seen.Save);
    QCOMPARE(QDir::cleanPath(basQtText::ToQ(chosen)),
             QDir(basQtText::ToQ(dir.Str())).absoluteFilePath(QStringLiteral("条件")));
}

void tst_QtFileDialog::openWithoutANameAndCancelled()
{
    TempDir dir;
    clsQtFileDialog files;
    Seen seen;
    WhenShown(seen, [](QFileDialog& d) { d.reject(); });
    const std::string chosen = files.Open("ファイルを開く", "条件ファイル(*.drj)", "", dir.Str());
    QCOMPARE(seen.Title, QStringLiteral("ファイルを開く"));
    QVERIFY(!seen.Save);
    QVERIFY(seen.Name.isEmpty());
    QCOMPARE(seen.Folder, QDir(basQtText::ToQ(dir.Str())).absolutePath());
    QVERIFY(chosen.empty());
}

KELVRA_QTEST(tst_QtFileDialog)
#include "tst_QtFileDialog.moc"
