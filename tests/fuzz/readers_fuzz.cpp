// A bounded random loop over the readers of files a user or a crash may
// leave behind: the settings file and the crash captures. Each input is a
// mutation of a valid file; under the sanitizers any fault aborts the run.
// Usage: readers_fuzz [iterations] [seed]
#include "platform/runtime/capture_file.h"
#include "platform/x11/gamma_record.h"
#include "settings/preferences.h"
#include "settings/settings_store.h"

#include <cstdio>
#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

const QByteArray settingsSeed =
    "[General]\nmode=@ByteArray(\\\"manual\\\")\nmanualKelvin=@ByteArray(3400)\n"
    "schedule=\"@ByteArray({\\\"bedtime\\\":1410,\\\"wake\\\":450,\\\"windDown\\\":180,"
    "\\\"dayKelvin\\\":6500,\\\"nightKelvin\\\":2700})\"\nloginItemConfigured=true\n"
    "es.anchorBed=1380\n\n[Other]\nx=1\n";
const QByteArray x11Seed =
    R"({"pid":123,"crtcs":[{"crtc":63,"red":[0,32768,65535],"green":[0,1,2],"blue":[9,9,9]}]})";
const QByteArray kwinSeed = R"({"pid":123,"fileExisted":true,"group":["Active=true",""]})";

const QList<QByteArray> tokens{"@ByteArray(",
                               "@Variant(",
                               ")",
                               "\\",
                               "\\x",
                               "\\0",
                               "\"",
                               ",",
                               ";",
                               "=",
                               "[",
                               "]",
                               "\n",
                               "{",
                               "}",
                               ":",
                               "-",
                               "1e999",
                               "9223372036854775808",
                               "-1",
                               "null",
                               "[[[[",
                               "\xff",
                               "\\xffffffff",
                               "@@",
                               "[General]",
                               "true",
                               "65536",
                               "4294967296"};

QByteArray mutate(QByteArray data, QRandomGenerator& random) {
    const int edits = random.bounded(1, 8);
    for (int e = 0; e < edits; ++e) {
        const int at = data.isEmpty() ? 0 : random.bounded(static_cast<int>(data.size()) + 1);
        switch (random.bounded(4)) {
        case 0:
            data.insert(at, tokens[random.bounded(static_cast<int>(tokens.size()))]);
            break;
        case 1:
            data.insert(at, static_cast<char>(random.bounded(256)));
            break;
        case 2:
            data.remove(at, random.bounded(1, 12));
            break;
        default:
            data.insert(at, data.mid(random.bounded(static_cast<int>(data.size()) + 1), 16));
        }
    }
    return data;
}

void write(const QString& path, const QByteArray& data) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(data);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int iterations = argc > 1 ? std::atoi(argv[1]) : 2000;
    const quint32 seed = argc > 2 ? static_cast<quint32>(std::strtoul(argv[2], nullptr, 10))
                                  : QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("torvelbar.conf"));
    const QString x11 = dir.filePath(QStringLiteral("x11.json"));
    const QString kwin = dir.filePath(QStringLiteral("kwin.json"));
    long readValues = 0;
    for (int i = 0; i < iterations; ++i) {
        write(settings, mutate(settingsSeed, random));
        {
            torvel::Preferences prefs(settings);
            torvel::SettingsStore store(prefs);
            readValues += store.manualKelvin() != 0;
        }
        write(x11, mutate(x11Seed, random));
        if (const auto record = torvel::CaptureFile(x11).load()) {
            readValues += torvel::gammaFromRecord(record->state).has_value();
        }
        write(kwin, mutate(kwinSeed, random));
        readValues += torvel::CaptureFile(kwin).load().has_value();
    }
    std::printf("readers_fuzz: %d inputs a reader, seed %u, %ld values read\n", iterations, seed,
                readValues);
    return 0;
}
