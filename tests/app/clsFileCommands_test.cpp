#include "app/clsDocument.h"
#include "app/clsFileCommands.h"
#include "reference/basTotoSettings.h"
#include "store/clsTMain.h"
#include "support/RecordingHost.h"
#include "support/SampleRound.h"
#include "support/ScriptedFileDialog.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {
using Page = clsFileCommands::Page;

class FileCommands : public ::testing::Test
{
protected:
    FileCommands()
    {
        CopySampleWork(dir.Path());
        main.Initialize();
    }
    std::string Path(const std::string& name) const { return (dir.Path() / name).string(); }
    // Loads the sample without the dialog and forgets the page it brought up.
    void LoadSample()
    {
        ASSERT_TRUE(files.OpenFile(Path("sample.drd"))) << rec.AllMessageText();
        pages.clear();
        filesAtPage.clear();
    }

    RecordingHost rec;
    TempDir dir;
    clsHost host = rec.Host();
    clsTMain main{host, basTotoSettings::Defaults(), dir.Str()};
    clsDocument doc{host, main, 42};
    clsCommandGate gate{doc.Edit()};
    ScriptedFileDialog dialog;
    std::vector<Page> pages;
    // The page callback also notes the file the work had when the page came up.
    std::vector<std::string> filesAtPage;
    clsFileCommands files{doc, gate, dialog, dir.Str(), [this](Page page) {
                              pages.push_back(page);
                              filesAtPage.push_back(doc.CurrentFile());
                          }};
};

TEST_F(FileCommands, OpenAsksForADataFileCompletesItsNameAndShowsTheMultiPage)
{
    LoadSample();
    std::filesystem::copy_file(Path("sample.drd"), Path("other.drd"));
    dialog.Push(Path("other"));
    ASSERT_TRUE(files.Open());
    ASSERT_EQ(dialog.Asked().size(), 1u);
    const ScriptedFileDialog::Question& q = dialog.Asked()[0];
    EXPECT_FALSE(q.Save);
    EXPECT_EQ(q.Caption, "ファイルを開く");
    EXPECT_EQ(q.Filter, "データファイル(*.drd)");
    EXPECT_EQ(q.ProposedName, "KV-9001.drd");
    EXPECT_EQ(q.StartFolder, dir.Str());
    EXPECT_EQ(doc.CurrentFile(), Path("other.drd"));
    EXPECT_EQ(pages, std::vector<Page>{Page::Multi});
}

TEST_F(FileCommands, ACancelledOrFailedOpenKeepsTheWorkAndThePage)
{
    LoadSample();
    dialog.Push("");
    EXPECT_FALSE(files.Open());
    dialog.Push(Path("missing"));
    EXPECT_FALSE(files.Open());
    EXPECT_EQ(dialog.Asked().size(), 2u);
    EXPECT_EQ(doc.CurrentFile(), Path("sample.drd"));
    EXPECT_TRUE(pages.empty());
}

TEST_F(FileCommands, TheGateRefusesEveryCommandBeforeAnyDialog)
{
    LoadSample();
    // A batch holds the work: the window's commands are refused without a word.
    gate.SetBatch(true);
    dialog.Push(Path("x"));
    EXPECT_FALSE(files.Open());
    EXPECT_FALSE(files.SaveAs());
    EXPECT_FALSE(files.Save());
    EXPECT_FALSE(files.ConfirmDiscard());
    EXPECT_FALSE(files.OpenFile(Path("sample.drd")));
    files.New();
    files.JoukenOpen();
    files.JoukenSave();
    files.CsvOpen();
    files.CsvSave();
    files.CsvAdd();
    files.CsvDel();
    EXPECT_TRUE(dialog.Asked().empty());
    EXPECT_TRUE(pages.empty());
    EXPECT_EQ(doc.CurrentFile(), Path("sample.drd"));
    EXPECT_TRUE(rec.Questions.empty());
    EXPECT_TRUE(rec.Messages.empty());
}

TEST_F(FileCommands, SaveWritesTheCurrentFileAndSaveAsAsksWhere)
{
    LoadSample();
    ASSERT_TRUE(files.Save());
    EXPECT_TRUE(dialog.Asked().empty());

    dialog.Push(Path("copy"));
    ASSERT_TRUE(files.SaveAs());
    ASSERT_EQ(dialog.Asked().size(), 1u);
    EXPECT_TRUE(dialog.Asked()[0].Save);
    EXPECT_EQ(dialog.Asked()[0].Caption, "名前を付けて保存");
    EXPECT_TRUE(std::filesystem::exists(Path("copy.drd")));
    EXPECT_EQ(doc.CurrentFile(), Path("copy.drd"));

    // A new work has no file: 上書き保存 asks as 名前を付けて保存 does; a cancel saves nothing.
    doc.New();
    EXPECT_FALSE(files.Save());
    EXPECT_EQ(dialog.Asked().size(), 2u);
    EXPECT_TRUE(dialog.Asked()[1].Save);
    EXPECT_TRUE(pages.empty());
}

TEST_F(FileCommands, NewShowsTheHomePageBeforeDroppingTheWork)
{
    LoadSample();
    files.New();
    EXPECT_EQ(pages, std::vector<Page>{Page::Home});
    EXPECT_EQ(filesAtPage, std::vector<std::string>{Path("sample.drd")});
    EXPECT_EQ(doc.CurrentFile(), "");
}

TEST_F(FileCommands, UnsavedWorkIsSavedThroughTheDialogOrKept)
{
    doc.New();
    MarkArray marks{};
    marks[0][0] = 1;
    ASSERT_TRUE(doc.Marks().SetMarks(marks));
    ASSERT_TRUE(doc.Modified());
    // 保存 with no file asks where; a cancelled dialog keeps the work.
    rec.QueueAnswer3(AskAnswer::Yes);
    dialog.Push("");
    EXPECT_FALSE(files.ConfirmDiscard());
    EXPECT_TRUE(doc.Modified());
    ASSERT_EQ(dialog.Asked().size(), 1u);
    EXPECT_TRUE(dialog.Asked()[0].Save);

    rec.QueueAnswer3(AskAnswer::Yes);
    dialog.Push(Path("kept"));
    files.New();
    EXPECT_TRUE(std::filesystem::exists(Path("kept.drd")));
    EXPECT_EQ(pages, std::vector<Page>{Page::Home});
    EXPECT_FALSE(doc.Modified());
}

TEST_F(FileCommands, ConditionFilesUseTheirOwnFilterAndName)
{
    LoadSample();
    dialog.Push(Path("条件"));
    files.JoukenSave();
    ASSERT_TRUE(std::filesystem::exists(Path("条件.drj")));
    dialog.Push(Path("条件.drj"));
    files.JoukenOpen();
    ASSERT_EQ(dialog.Asked().size(), 2u);
    EXPECT_EQ(dialog.Asked()[0].Filter, "条件ファイル(*.drj)");
    EXPECT_EQ(dialog.Asked()[0].ProposedName, "条件");
    EXPECT_EQ(dialog.Asked()[1].ProposedName, "");
    EXPECT_EQ(pages, std::vector<Page>{Page::Multi});
    // The conditions do not replace the work's file.
    EXPECT_EQ(doc.CurrentFile(), Path("sample.drd"));
}

TEST_F(FileCommands, CsvFilesRoundTripAndShowTheSinglePage)
{
    LoadSample();
    doc.Search().Run();
    ASSERT_GT(doc.Tickets().SingleCount(), 0);
    const auto count = doc.Tickets().SingleCount();
    dialog.Push(Path("t"));
    files.CsvSave();
    ASSERT_TRUE(std::filesystem::exists(Path("t.csv")));
    EXPECT_EQ(dialog.Asked()[0].Filter, "CSVファイル(*.csv)");
    EXPECT_FALSE(dialog.Asked()[0].ProposedName.empty());

    dialog.Push(Path("t.csv"));
    files.CsvDel();
    EXPECT_EQ(dialog.Asked()[1].Caption, "現在のシングルから削除");
    EXPECT_EQ(doc.Tickets().SingleCount(), 0);
    dialog.Push(Path("t.csv"));
    files.CsvAdd();
    EXPECT_EQ(dialog.Asked()[2].Caption, "現在のシングルに追加");
    EXPECT_EQ(doc.Tickets().SingleCount(), count);
    EXPECT_EQ(pages, (std::vector<Page>{Page::Single, Page::Single}));

    rec.QueueAnswer3(AskAnswer::No);
    dialog.Push("");
    files.CsvOpen();
    EXPECT_EQ(dialog.Asked()[3].ProposedName, dialog.Asked()[0].ProposedName);
    EXPECT_EQ(pages.size(), 2u);
}

TEST_F(FileCommands, AFileNamedOutsideTheDialogsOpensAsItsExtensionSays)
{
    LoadSample();
    ASSERT_TRUE(doc.FileSaveDRD(Path("c.DRJ"), false, false));
    doc.Search().Run();
    ASSERT_GT(doc.Tickets().SingleCount(), 0);
    ASSERT_TRUE(doc.Tickets().CsvSave(Path("t.csv")));
    MarkArray marks{};
    marks[1][2] = 1;
    ASSERT_TRUE(doc.Marks().SetMarks(marks));
    ASSERT_TRUE(doc.Modified());

    // Conditions go into the work as 条件 ファイル 開く puts them: no question, same file.
    EXPECT_TRUE(files.OpenPath(Path("c.DRJ")));
    EXPECT_TRUE(rec.Questions.empty());
    EXPECT_EQ(doc.CurrentFile(), Path("sample.drd"));
    EXPECT_EQ(pages, std::vector<Page>{Page::Multi});

    // A CSV or a work file replaces the work: the unsaved changes are asked about first.
    rec.QueueAnswer3(AskAnswer::Cancel);
    EXPECT_FALSE(files.OpenPath(Path("t.csv")));
    EXPECT_EQ(rec.Questions.size(), 1u);
    EXPECT_TRUE(doc.Modified());
    rec.QueueAnswer3(AskAnswer::No);
    EXPECT_TRUE(files.OpenPath(Path("t.csv")));
    EXPECT_EQ(pages.back(), Page::Single);
    EXPECT_GT(doc.Tickets().SingleCount(), 0);
    EXPECT_EQ(doc.CurrentFile(), "");

    // The CSV's tickets are a new, unsaved work.
    rec.QueueAnswer3(AskAnswer::No);
    EXPECT_TRUE(files.OpenPath(Path("sample.drd")));
    EXPECT_EQ(rec.Questions.size(), 3u);
    EXPECT_EQ(doc.CurrentFile(), Path("sample.drd"));
    EXPECT_TRUE(dialog.Asked().empty());

    // Neither: a work file, whose check says what is wrong, and the work stays.
    rec.Messages.clear();
    EXPECT_FALSE(files.OpenPath(Path("c.txt")));
    EXPECT_FALSE(rec.Messages.empty());
    EXPECT_EQ(doc.CurrentFile(), Path("sample.drd"));

    // The gate holds every kind back.
    gate.SetBatch(true);
    EXPECT_FALSE(files.OpenPath(Path("c.DRJ")));
    EXPECT_FALSE(files.OpenRecent(Path("c.DRJ")));
    gate.SetBatch(false);
}

TEST_F(FileCommands, RecentFilesListWhatWasOpenedAndSavedAndDropWhatIsGone)
{
    LoadSample();
    dialog.Push(Path("copy"));
    ASSERT_TRUE(files.SaveAs());
    dialog.Push(Path("c"));
    files.JoukenSave();
    EXPECT_EQ(files.Recent().Files(),
              (std::vector<std::string>{Path("c.drj"), Path("copy.drd"), Path("sample.drd")}));
    // A failed open lists nothing.
    dialog.Push(Path("missing"));
    EXPECT_FALSE(files.Open());
    EXPECT_EQ(files.Recent().Files().size(), 3u);

    ASSERT_TRUE(files.OpenRecent(Path("sample.drd")));
    EXPECT_EQ(files.Recent().Files().front(), Path("sample.drd"));

    std::filesystem::remove(Path("copy.drd"));
    rec.Messages.clear();
    EXPECT_FALSE(files.OpenRecent(Path("copy.drd")));
    ASSERT_EQ(rec.Messages.size(), 1u);
    EXPECT_NE(rec.Messages[0].Text.find(Path("copy.drd")), std::string::npos);
    EXPECT_NE(rec.Messages[0].Text.find(clsFileCommands::kRecentMissing), std::string::npos);
    EXPECT_EQ(files.Recent().Files(),
              (std::vector<std::string>{Path("sample.drd"), Path("c.drj")}));
    EXPECT_EQ(doc.CurrentFile(), Path("sample.drd"));
}

TEST_F(FileCommands, DialogsStartWhereTheLastOneWasAnsweredAndSaveAsKeepsTheName)
{
    LoadSample();
    std::filesystem::create_directories(dir.Path() / "sub");
    std::filesystem::copy_file(Path("sample.drd"), Path("sub/w.drd"));

    // Save As proposes the work's own name in its own folder.
    dialog.Push("");
    EXPECT_FALSE(files.SaveAs());
    EXPECT_EQ(dialog.Asked()[0].ProposedName, "sample.drd");
    EXPECT_EQ(dialog.Asked()[0].StartFolder, dir.Str());

    dialog.Push(Path("sub/w.drd"));
    ASSERT_TRUE(files.Open());
    dialog.Push("");
    files.CsvAdd();
    EXPECT_EQ(dialog.Asked()[2].StartFolder, Path("sub"));
    // A new work has no name: the round's name, in the last folder.
    files.New();
    dialog.Push("");
    files.SaveAs();
    EXPECT_EQ(dialog.Asked()[3].ProposedName, "KV-9001.drd");
    EXPECT_EQ(dialog.Asked()[3].StartFolder, Path("sub"));

    // A last folder that is gone: the data folder again.
    files.SetLastFolder(Path("gone"));
    dialog.Push("");
    files.JoukenOpen();
    EXPECT_EQ(dialog.Asked()[4].StartFolder, dir.Str());
}
} // namespace
