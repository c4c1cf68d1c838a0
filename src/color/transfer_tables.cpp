#include "color/transfer_tables.h"

namespace torvel {

TransferTables buildTransferTables(const ChannelGains& gains) {
    TransferTables t;
    for (int i = 0; i < transferTableSize; ++i) {
        const double x = static_cast<double>(i) / 255.0;
        t.red[i] = static_cast<float>(gains.red * x);
        t.green[i] = static_cast<float>(gains.green * x);
        t.blue[i] = static_cast<float>(gains.blue * x);
    }
    return t;
}

} // namespace torvel
