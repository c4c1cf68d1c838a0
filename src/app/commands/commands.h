#pragma once
// The rows of the command table, one file each.

#include "app/command_table.h"

namespace torvel::commands {

extern const CommandRow status;
extern const CommandRow mode;
extern const CommandRow kelvin;
extern const CommandRow source;
extern const CommandRow location;
extern const CommandRow pause;
extern const CommandRow resume;
extern const CommandRow pauseFor;
extern const CommandRow bedtime;
extern const CommandRow wake;
extern const CommandRow windDown;
extern const CommandRow dayKelvin;
extern const CommandRow nightKelvin;
extern const CommandRow toggle;
extern const CommandRow displays;
extern const CommandRow display;
extern const CommandRow brightness;
extern const CommandRow help;

} // namespace torvel::commands
