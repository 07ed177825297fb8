#pragma once

#include <string>

// What --help prints: the forms of the command, every option of the
// command-line table with its description, the rules for output formats and
// the editor's labels with the parameters they name.
std::string HelpText();
