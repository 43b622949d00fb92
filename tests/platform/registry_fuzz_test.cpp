// The registry file parser against random and damaged input: it must neither crash nor hang,
// and damage must not spill over into the values around it.
#include <gtest/gtest.h>

#include <random>

#include "platform/registry_file.h"

namespace platform {
namespace {

// Bytes the file syntax is made of, so random input often gets past the first character.
const QByteArray kSyntax = "\"\\=[]@:,-;#\n\r\t 0123456789abcdefxABCDEF()hexdwordstr";

RegFile parse(const QByteArray& bytes) {
    return parseRegistryText(decodeRegistryText(bytes));
}

const QByteArray kHeads[] = {
    "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\DivXNetworks\\DivX4Windows]\r\n",
    "WINE REGISTRY Version 2\n[Software\\\\DivXNetworks\\\\DivX4Windows] 1\n",
    QByteArray("\xFF\xFE", 2) +
        QByteArray("W\0i\0n\0d\0o\0w\0s\0 \0R\0e\0g\0i\0s\0t\0r\0y\0 \0E\0d\0i\0t\0o\0r\0 \0V\0e\0r"
                   "\0s\0i\0o\0n\0 \0005\0.\0000\0000\0\n\0",
                   74),
    QByteArray(),
};

class Bytes {
  public:
    explicit Bytes(unsigned seed) : rng_(seed) {}
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    char byte() { return below(2) ? kSyntax[below(int(kSyntax.size()))] : char(below(256)); }
    QByteArray bytes(int n) {
        QByteArray b(n, '\0');
        for (char& c : b)
            c = byte();
        return b;
    }

  private:
    std::mt19937 rng_;
};

// Every parse of the same bytes gives the same values, and values come only from a known format.
void checkParse(const QByteArray& bytes) {
    const RegFile a = parse(bytes), b = parse(bytes);
    ASSERT_EQ(a.format, b.format);
    ASSERT_EQ(a.entries.size(), b.entries.size());
    if (a.format == RegFormat::Unknown) {
        ASSERT_TRUE(a.entries.empty());
    }
    for (size_t i = 0; i < a.entries.size(); ++i) {
        ASSERT_EQ(a.entries[i].name, b.entries[i].name);
        ASSERT_EQ(a.entries[i].value.has_value(), b.entries[i].value.has_value());
    }
}

TEST(RegistryFuzz, RandomBytes) {
    Bytes r(20240611);
    for (int round = 0; round < 20000; ++round) {
        const QByteArray bytes = kHeads[round % 4] + r.bytes(r.below(400));
        ASSERT_NO_FATAL_FAILURE(checkParse(bytes)) << bytes.toHex().toStdString();
    }
}

TEST(RegistryFuzz, DamagedFiles) {
    const QByteArray good =
        "WINE REGISTRY Version 2\n;; relative\n#arch=win32\n"
        "[Software\\\\DivXNetworks\\\\DivX4Windows] 1700000000\n#time=1\n"
        "\"bitrate\"=dword:000f4240\n\"Name\"=\"a\\\\b\\\"c\\x20ac\\0\"\n"
        "\"Wide\"=hex(1):41,00,\\\n  42,00\n\"Num\"=hex(4):01,02,03,04\n@=\"x\"\n"
        "[-Software\\\\DivXNetworks]\n";
    Bytes r(7);
    for (int round = 0; round < 20000; ++round) {
        QByteArray bytes = good;
        for (int n = 1 + r.below(6); n > 0; --n) {
            const int at = r.below(int(bytes.size()));
            switch (r.below(4)) {
                case 0:
                    bytes[at] = r.byte();
                    break;
                case 1:
                    bytes.insert(at, r.bytes(1 + r.below(8)));
                    break;
                case 2:
                    bytes.remove(at, 1 + r.below(8));
                    break;
                default:
                    bytes.insert(at, bytes.mid(r.below(int(bytes.size())), r.below(40)));
            }
        }
        ASSERT_NO_FATAL_FAILURE(checkParse(bytes)) << bytes.toHex().toStdString();
    }
}

// Garbage lines between good ones are skipped without touching them (no brackets, no trailing
// backslash: those open keys and join lines by design).
TEST(RegistryFuzz, GarbageLinesLeaveTheirNeighbours) {
    Bytes r(99);
    for (int round = 0; round < 500; ++round) {
        QByteArray bytes = kHeads[0];
        for (int v = 0; v < 6; ++v) {
            for (int g = r.below(3); g > 0; --g) {
                QByteArray junk = r.bytes(1 + r.below(60));
                for (char& c : junk)
                    if (c == '\n' || c == '\r' || c == '[' || c == '\\' || c == '\0') c = '=';
                bytes += junk + "\r\n";
            }
            bytes += "\"value" + QByteArray::number(v) + "\"=dword:0000000" +
                     QByteArray::number(v) + "\r\n";
        }
        const RegFile f = parse(bytes);
        for (int v = 0; v < 6; ++v) {
            const auto value = lookup(f.entries, QStringLiteral("value%1").arg(v));
            ASSERT_TRUE(value && value->type == RegValue::Dword && value->dword == quint32(v))
                << bytes.toStdString();
        }
    }
}

// Shapes that a careless parser takes quadratic time or deep recursion over.
TEST(RegistryFuzz, LongPathologicalInput) {
    const QByteArray head = kHeads[0];
    EXPECT_TRUE(parse(head + QByteArray(1 << 20, '\\')).entries.empty());
    EXPECT_TRUE(parse(head + QByteArray(1 << 20, '"')).entries.empty());
    EXPECT_TRUE(parse(head + QByteArray(1 << 20, '[')).entries.empty());
    EXPECT_TRUE(parse(head + QByteArray(1 << 20, '\n')).entries.empty());
    QByteArray joined = kHeads[1] + "\"v\"=hex(1):";
    for (int i = 0; i < 100000; ++i)
        joined += "41,00,\\\n";
    joined += "42,00\n";
    const auto v = lookup(parse(joined).entries, QStringLiteral("v"));
    ASSERT_TRUE(v);
    EXPECT_EQ(v->text.size(), 100001);
}

}  // namespace
}  // namespace platform
