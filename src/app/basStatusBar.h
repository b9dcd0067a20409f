#pragma once
// The main window's status bar text: the round label and the vote status in use.

#include "lottery/VoteRecord.h"

#include <string>

namespace basStatusBar {
// " 第 N 回 [ 組 ]", then "使用投票率：" with the vote's time, "(最終)" for the final
// status, or "ユーザー定義" for one the user entered; nothing of the vote without one.
std::string Text(const std::string& strRoundLabel, const VoteRecord& vote);
} // namespace basStatusBar
