#pragma once
// A language longer than any we ship: every text 40 % longer, its letters
// accented, its %1 markers kept, so a layout that only fits English shows.

#include <QTranslator>

namespace torvel::test {

class PseudoTranslator final : public QTranslator {
public:
    QString translate(const char*, const char* source, const char* = nullptr,
                      int = -1) const override {
        static const QString plain = QStringLiteral("aeiouAEIOUnc");
        static const QString marked = QStringLiteral("\u00e5\u00e9\u00ee\u00f6\u00fb\u00c5\u00c9"
                                                     "\u00ce\u00d6\u00db\u00f1\u00e7");
        const QString text = QString::fromUtf8(source);
        QString out;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'%' && i + 1 < text.size() && text[i + 1].isDigit()) {
                out += text.mid(i, 2);
                ++i;
                continue;
            }
            const qsizetype at = plain.indexOf(text[i]);
            out += at < 0 ? text[i] : marked[at];
        }
        // Longer by words, so the text still wraps where it would.
        const auto extra = static_cast<qsizetype>(text.size() * 0.4);
        return extra < 2 ? out : out + u' ' + QString(extra - 1, QChar(0x00ea));
    }
    bool isEmpty() const override { return false; }
};

} // namespace torvel::test
