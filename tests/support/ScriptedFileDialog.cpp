#include "support/ScriptedFileDialog.h"

std::string ScriptedFileDialog::Open(const std::string& strCaption, const std::string& strFilter,
                                     const std::string& strProposedName,
                                     const std::string& strStartFolder)
{
    return Answer({false, strCaption, strFilter, strProposedName, strStartFolder});
}

std::string ScriptedFileDialog::Save(const std::string& strCaption, const std::string& strFilter,
                                     const std::string& strProposedName,
                                     const std::string& strStartFolder)
{
    return Answer({true, strCaption, strFilter, strProposedName, strStartFolder});
}

std::vector<std::string> ScriptedFileDialog::OpenMany(const std::string& strCaption,
                                                      const std::string& strFilter,
                                                      const std::string& strStartFolder)
{
    m_asked.push_back({false, strCaption, strFilter, {}, strStartFolder});
    if (m_manyAnswers.empty()) {
        return {};
    }
    std::vector<std::string> answer = std::move(m_manyAnswers.front());
    m_manyAnswers.pop_front();
    return answer;
}

std::string ScriptedFileDialog::Answer(Question question)
{
    m_asked.push_back(std::move(question));
    if (m_answers.empty()) {
        return {};
    }
    std::string answer = std::move(m_answers.front());
    m_answers.pop_front();
    return answer;
}
