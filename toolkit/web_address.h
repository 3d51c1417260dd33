#pragma once
// The windows start the browser the way their own system does, with the command line "explorer "
// and an address. Elsewhere the toolkit recognises that command and opens the address with the
// desktop's own opener; it never hands a command line to a shell.
#include <optional>
#include <string>

#include "core/variant.h"

namespace tarvex {

// The web address that the command line opens (UTF-8), when it is "explorer " followed by one
// absolute http or https address; nothing for any other command line.
std::optional<std::string> web_address_to_open(const Text& command_line);

}  // namespace tarvex
