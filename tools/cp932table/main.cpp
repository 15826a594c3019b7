// Writes the code page 932 tables the game decodes and encodes its text files with, taken from
// Qt's "Shift_JIS" codec (ICU's table, which is CP932) byte pair by byte pair and character by
// character, so that the game reads and writes exactly what that codec does without loading ICU
// and its 1 MB of converter code and data.
//   cp932table OUT.inc

#include <QByteArray>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cstdio>
#include <vector>

namespace {

// What a byte or byte pair reads as, beside the characters themselves; none of these code
// units is ever a character of CP932 (checked below).
constexpr char16_t kLead = 0xFFFF;      // a byte: the first of a pair
constexpr char16_t kNotText = 0xFFFE;   // a byte: not CP932, read as U+001A; a pair: the second
                                        // byte cannot follow the first, which alone reads as U+001A
constexpr char16_t kUnassigned = 0xFFFD;  // a pair: well formed but with no character

QString Decode(const QByteArray& bytes, bool& ok) {
    QStringDecoder decoder("Shift_JIS", QStringConverter::Flag::Stateless);
    QString text = decoder(bytes);
    ok = !decoder.hasError();
    return text;
}

bool Fail(const char* what, unsigned code) {
    std::fprintf(stderr, "cp932table: %s: %04X\n", what, code);
    return false;
}

bool Write(const char* outPath) {
    std::vector<char16_t> single(256);
    std::vector<int> leads;
    for (unsigned b = 0; b < 256; ++b) {
        bool ok = false;
        const QString text = Decode(QByteArray(1, char(b)), ok);
        if (ok && text.size() == 1 && text[0].unicode() < kUnassigned)
            single[b] = text[0].unicode();
        else if (!ok && text.isEmpty())
            single[b] = kLead, leads.push_back(int(b));
        else if (!ok && text == QStringLiteral("\x1A"))
            single[b] = kNotText;
        else
            return Fail("a byte reads otherwise", b);
    }
    std::vector<char16_t> pairs(leads.size() * 256);
    for (size_t l = 0; l < leads.size(); ++l) {
        for (unsigned t = 0; t < 256; ++t) {
            const unsigned code = unsigned(leads[l]) << 8 | t;
            QByteArray bytes;
            bytes += char(leads[l]);
            bytes += char(t);
            bool ok = false;
            const QString text = Decode(bytes, ok);
            char16_t& entry = pairs[l * 256 + t];
            bool trailClean = false;
            const QString trail = Decode(QByteArray(1, char(t)), trailClean);
            if (ok && text.size() == 1 && text[0].unicode() < kUnassigned)
                entry = text[0].unicode();
            else if (!ok && text == QString(QChar(kUnassigned)))
                entry = kUnassigned;
            else if (!ok && single[t] != kLead && text == QStringLiteral("\x1A") + trail)
                entry = kNotText;
            else if (!ok && single[t] == kLead && text == QStringLiteral("\x1A"))
                entry = kNotText;  // the second byte starts a pair of its own, which needs a third
            else
                return Fail("a pair reads otherwise", code);
        }
    }
    // Every character the codec writes, and as what. The codec holds back a high surrogate that
    // ends the text, waiting for its pair, and reports nothing; the game does the same.
    std::vector<std::pair<char16_t, unsigned>> encodings;
    for (char32_t c = 0; c < 0x110000; ++c) {
        if (c >= 0xD800 && c < 0xE000)
            continue;
        QStringEncoder encoder("Shift_JIS");
        const QByteArray bytes = encoder(c > 0xFFFF ? QString::fromUcs4(&c, 1) : QString(QChar(char16_t(c))));
        if (encoder.hasError())
            continue;
        if (c > 0xFFFF || bytes.isEmpty() || bytes.size() > 2)
            return Fail("a character writes otherwise", unsigned(c));
        unsigned code = uchar(bytes[0]);
        if (bytes.size() == 2)
            code = code << 8 | uchar(bytes[1]);
        encodings.emplace_back(char16_t(c), code);
    }
    QByteArray out = "// Written by tools/cp932table from Qt's Shift_JIS codec; see there.\n";
    auto table = [&out](const char* declaration, const auto& values) {
        out += declaration;
        out += " = {";
        for (size_t i = 0; i < values.size(); ++i)
            out += (i % 16 ? " " : "\n    ") + QByteArray::number(qlonglong(values[i])) + ",";
        out += "\n};\n";
    };
    table("constexpr char16_t kSingleByte[256]", single);
    std::vector<int> leadIndex(256, -1);
    for (size_t l = 0; l < leads.size(); ++l)
        leadIndex[size_t(leads[l])] = int(l);
    table("constexpr signed char kLeadIndex[256]", leadIndex);
    table(QByteArray("constexpr char16_t kPair[" + QByteArray::number(qsizetype(pairs.size())) + "]").constData(), pairs);
    std::vector<char16_t> from;
    std::vector<unsigned> to;
    for (const auto& [c, code] : encodings)
        from.push_back(c), to.push_back(code);
    table(QByteArray("constexpr char16_t kEncodedChar[" + QByteArray::number(qsizetype(from.size())) + "]").constData(), from);
    table(QByteArray("constexpr quint16 kEncodedAs[" + QByteArray::number(qsizetype(to.size())) + "]").constData(), to);
    QFile file(QString::fromLocal8Bit(outPath));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(out) == out.size() && file.flush();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: cp932table OUT.inc\n");
        return 2;
    }
    if (!Write(argv[1])) {
        std::fprintf(stderr, "cp932table: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
