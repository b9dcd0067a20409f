#pragma once
// A file dialog that answers from a queue (an empty answer is a cancel; an empty queue cancels)
// and records every question it was asked. OpenMany answers from a queue of its own.

#include "base/clsIFileDialog.h"

#include <deque>
#include <string>
#include <vector>

class ScriptedFileDialog final : public clsIFileDialog
{
public:
    struct Question
    {
        bool Save = false;
        std::string Caption;
        std::string Filter;
        std::string ProposedName;
        std::string StartFolder;
    };

    void Push(std::string strAnswer) { m_answers.push_back(std::move(strAnswer)); }
    void PushMany(std::vector<std::string> strAnswer)
    {
        m_manyAnswers.push_back(std::move(strAnswer));
    }
    const std::vector<Question>& Asked() const { return m_asked; }

    std::string Open(const std::string& strCaption, const std::string& strFilter,
                     const std::string& strProposedName,
                     const std::string& strStartFolder) override;
    std::string Save(const std::string& strCaption, const std::string& strFilter,
                     const std::string& strProposedName,
                     const std::string& strStartFolder) override;
    std::vector<std::string> OpenMany(const std::string& strCaption, const std::string& strFilter,
                                      const std::string& strStartFolder) override;

private:
    std::string Answer(Question question);

    std::deque<std::string> m_answers;
    std::deque<std::vector<std::string>> m_manyAnswers;
    std::vector<Question> m_asked;
};
