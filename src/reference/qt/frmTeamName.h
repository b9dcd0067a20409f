#pragma once
// The dialog that adds a team name the reference files lack (" チーム名（ユーザー定義）").
// The checks, messages and the file line are the core's (basTeamName); the dialog only
// collects the two texts. Made by the main window for one use.

#include <QDialog>

#include <string>

class QLineEdit;
class clsIMessage;

class frmTeamName : public QDialog
{
    Q_OBJECT

public:
    frmTeamName(clsIMessage& message, std::string strProgramFolder, QWidget* parent);

private:
    void OnAdd();

    clsIMessage& m_message;
    std::string m_programFolder;
    QLineEdit* m_ryakusho = nullptr;
    QLineEdit* m_meisho = nullptr;
};
