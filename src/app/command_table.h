#pragma once
// Every command of the command line, one row each: its name, how its
// arguments parse, what it asks of the running app, what it saves for the
// next start when none runs, and its help. Parsing, running, saving and
// the help text are walks over this table.

#include "app/command_line.h"
#include "base/result.h"

#include <span>

namespace torvel {

class AppConnection;
class SettingsStore;

struct CommandRow {
    Command::Kind kind;
    const char* name;      // "pause-for"
    const char* arguments; // "add|remove APP", shown after the name
    // What it does: lines of at most 46 characters, '\n' between them.
    const char* help;
    // Reads the arguments after the name into `command`: the one line that
    // says what is wrong (the usage hint follows it), or nothing when they
    // are good.
    QString (*parse)(const QStringList& arguments, Command& command);
    // Against the running app: the exit status.
    int (*run)(const Command& command, AppConnection& app) = nullptr;
    // With no app running: the change kept for its next start, and what the
    // app will then do, or why it could not be kept. Nothing: the command
    // needs the running app.
    Result<QString> (*saveForNextStart)(const Command& command, SettingsStore& settings) = nullptr;
};

std::span<const CommandRow* const> commandTable();
const CommandRow* commandNamed(const QString& name);
const CommandRow* commandOf(Command::Kind kind);

} // namespace torvel
