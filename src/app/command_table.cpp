#include "app/command_table.h"

#include "app/commands/commands.h"

#include <algorithm>

namespace torvel {

std::span<const CommandRow* const> commandTable() {
    // In the order the help lists them.
    static const CommandRow* const rows[] = {
        &commands::status,     &commands::mode,     &commands::kelvin,    &commands::bedtime,
        &commands::wake,       &commands::windDown, &commands::dayKelvin, &commands::nightKelvin,
        &commands::source,     &commands::location, &commands::pause,     &commands::resume,
        &commands::pauseFor,   &commands::toggle,   &commands::displays,  &commands::display,
        &commands::brightness, &commands::help,
    };
    return rows;
}

const CommandRow* commandNamed(const QString& name) {
    const auto rows = commandTable();
    const auto it = std::find_if(rows.begin(), rows.end(), [&](const CommandRow* row) {
        return name == QLatin1String(row->name);
    });
    return it == rows.end() ? nullptr : *it;
}

const CommandRow* commandOf(Command::Kind kind) {
    const auto rows = commandTable();
    const auto it = std::find_if(rows.begin(), rows.end(),
                                 [&](const CommandRow* row) { return row->kind == kind; });
    return it == rows.end() ? nullptr : *it;
}

} // namespace torvel
