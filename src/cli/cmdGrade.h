#pragma once
// kelvra-cli grade FILE.drd [--result RESULT.xml]: the file's tickets graded against a round's
// result with every match revealed, as the result page would show them.

#include <iosfwd>
#include <string>
#include <vector>

class clsTerminalHost;

// strHome is the program folder; args are the words after "grade". Returns the exit code:
// 0 graded, 1 a file could not be read or has no result, 2 wrong arguments.
int CmdGrade(clsTerminalHost& host, const std::string& strHome,
             const std::vector<std::string>& args, std::ostream& out);
