// Writes a burst of manual values to a settings file until it is killed or
// done: `settings_writer_child <file> <first> <count> [key]`; with a key,
// the values go under that key instead.
#include "settings/settings_store.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 4 && argc != 5) {
        return 2;
    }
    torvel::Preferences prefs(QString::fromLocal8Bit(argv[1]));
    torvel::SettingsStore store(prefs);
    const long long first = std::atoll(argv[2]);
    const long long count = std::atoll(argv[3]);
    for (long long i = 0; i < count; ++i) {
        if (argc == 5) {
            prefs.setData(QString::fromLocal8Bit(argv[4]), QByteArray::number(first + i));
        } else {
            store.setManualKelvin(first + i);
        }
    }
    return 0;
}
