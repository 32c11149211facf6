// What a measured copy of the program finds at start: its stored settings,
// written through the program's own settings store.
#pragma once

#include <QString>
#include <string>

namespace ringlook::perf {

// Settings under configFolder (as XDG_CONFIG_HOME holds them) that make the
// program connect to 127.0.0.1 at its first activation, under nickname.
void WriteProgramSettings(const QString& configFolder, const std::string& nickname);

}  // namespace ringlook::perf
