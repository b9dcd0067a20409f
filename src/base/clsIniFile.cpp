#include "base/clsIniFile.h"

#include "base/Currency.h"
#include "base/basText.h"
#include "base/clsFileStream.h"

clsIniFile::clsIniFile(clsIMessage& message, std::string strProgramFolder)
    : m_err(message, "clsIniFile")
    , m_programFolder(std::move(strProgramFolder))
{}

std::optional<bool> clsIniFile::ReadSwitch(std::string_view strValue)
{
    const std::string text = basText::Trim(strValue);
    if (basText::EqualsNoCase(text, "true")) {
        return true;
    }
    if (basText::EqualsNoCase(text, "false")) {
        return false;
    }
    const auto value = Currency::Parse(text);
    if (!value) {
        return std::nullopt;
    }
    return value->Raw() != 0;
}

bool clsIniFile::Initialize(std::string_view strFileName)
{
    m_fileName = strFileName;
    m_enabled = false;
    m_entries.clear();
    try {
        clsFileStream stream(m_err.Message(), m_programFolder);
        stream.SetErrMessage(false);
        std::string text;
        if (!stream.LoadFromFile(strFileName, text)) {
            return false;
        }
        InitializeText(text);
        return true;
    } catch (const std::exception& e) {
        m_entries.clear();
        m_err.ReportException("Initialize", e);
        return false;
    }
}

void clsIniFile::InitializeText(std::string_view strText)
{
    m_entries.clear();
    for (const auto& raw : basText::SplitLines(strText)) {
        const std::string_view line = basText::TrimBlanks(raw);
        if (line.empty() || line.front() == ';' || line.starts_with("//")) {
            continue;
        }
        const std::size_t eq = line.find('=');
        const std::string key(basText::TrimBlanks(line.substr(0, eq)));
        const std::string value(eq == std::string_view::npos
                                    ? std::string_view()
                                    : basText::TrimBlanks(line.substr(eq + 1)));
        if (!key.empty() && !value.empty()) {
            m_entries.emplace_back(key, value);
        }
    }
    m_enabled = true;
}

const std::pair<std::string, std::string>* clsIniFile::FindKey(std::string_view strKey) const
{
    for (const auto& e : m_entries) {
        if (basText::EqualsNoCase(e.first, strKey)) {
            return &e;
        }
    }
    return nullptr;
}

const std::pair<std::string, std::string>* clsIniFile::FindValue(std::string_view strItem) const
{
    for (const auto& e : m_entries) {
        if (basText::EqualsNoCase(e.second, strItem)) {
            return &e;
        }
    }
    return nullptr;
}

std::string clsIniFile::GetItem(std::string_view strKey, std::string_view strDefault) const
{
    if (!m_enabled) {
        m_err.InitializeErr("GetItem");
        return "";
    }
    if (strKey.empty()) {
        return std::string(strDefault);
    }
    const auto* e = FindKey(strKey);
    return e != nullptr ? e->second : std::string(strDefault);
}

bool clsIniFile::ItemExists(std::string_view strKey) const
{
    if (!m_enabled) {
        m_err.InitializeErr("ItemExists");
        return false;
    }
    return !strKey.empty() && FindKey(strKey) != nullptr;
}

std::string clsIniFile::GetKey(std::string_view strItem) const
{
    if (!m_enabled) {
        m_err.InitializeErr("GetKey");
        return "";
    }
    const auto* e = strItem.empty() ? nullptr : FindValue(strItem);
    return e != nullptr ? e->first : std::string();
}

bool clsIniFile::KeyExists(std::string_view strItem) const
{
    if (!m_enabled) {
        m_err.InitializeErr("KeyExists");
        return false;
    }
    return !strItem.empty() && FindValue(strItem) != nullptr;
}
