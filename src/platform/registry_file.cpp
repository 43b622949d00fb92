#include "platform/registry_file.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <string_view>

namespace platform {
namespace {

// Larger files are not read at all: an export of the codec's key is a few kilobytes and Wine's
// user.reg a few megabytes.
constexpr qint64 kMaxBytes = 64 * 1024 * 1024;

const QString kExportKey = QStringLiteral("HKEY_CURRENT_USER\\") + kCodecKey;

// Windows-1252 at 0x80..0x9F; the code points it leaves undefined map to themselves, as Windows
// maps them. The rest of the code page is Latin-1.
const char16_t kCp1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                              0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                              0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                              0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString ansi(QByteArrayView bytes) {
    QString s(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar b = uchar(bytes[i]);
        s[i] = QChar(b >= 0x80 && b < 0xA0 ? kCp1252[b - 0x80] : char16_t(b));
    }
    return s;
}

QString decode(QStringConverter::Encoding e, QByteArrayView bytes) {
    QStringDecoder d(e, QStringConverter::Flag::ConvertInitialBom);
    return d(bytes);
}

bool startsWith(QByteArrayView b, std::initializer_list<uchar> prefix) {
    if (b.size() < qsizetype(prefix.size())) return false;
    qsizetype i = 0;
    for (uchar p : prefix)
        if (uchar(b[i++]) != p) return false;
    return true;
}

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

bool same(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A quoted text from just after its opening quote up to the unescaped `end`, which is consumed.
// Wine writes control characters and non-ASCII as C escapes ("\n", "\0", "\x20ac"); the registry
// editor escapes only the backslash and the quote. Nothing when the text is not closed.
std::optional<QString> unquote(QStringView s, qsizetype& i, QChar end, RegFormat f) {
    QString out;
    while (i < s.size()) {
        const QChar c = s[i++];
        if (c == end) return out;
        if (c != QLatin1Char('\\')) {
            out += c;
            continue;
        }
        if (i >= s.size()) return std::nullopt;
        const QChar e = s[i];
        if (f != RegFormat::Wine) {
            if (e == QLatin1Char('\\') || e == QLatin1Char('"')) {
                out += e;
                ++i;
            } else {
                out += c;
            }
            continue;
        }
        ++i;
        // Control characters by letter: \a \b \t \n \v \f \r, and \e the escape character.
        constexpr std::u16string_view letters = u"abtnvfre";
        constexpr char16_t codes[] = {7, 8, 9, 10, 11, 12, 13, 27};
        if (const size_t k = letters.find(e.unicode()); k != letters.npos) {
            out += QChar(codes[k]);
        } else if (e == QLatin1Char('x')) {
            char16_t v = 0;
            int n = 0;
            for (; n < 4 && i < s.size() && hexDigit(s[i]) >= 0; ++n)
                v = char16_t(v * 16 + hexDigit(s[i++]));
            out += n ? QChar(v) : e;
        } else if (e >= QLatin1Char('0') && e <= QLatin1Char('7')) {
            char16_t v = e.unicode() - '0';
            for (int n = 1;
                 n < 3 && i < s.size() && s[i] >= QLatin1Char('0') && s[i] <= QLatin1Char('7'); ++n)
                v = char16_t(v * 8 + (s[i++].unicode() - '0'));
            out += QChar(v);
        } else {
            out += e;
        }
    }
    return std::nullopt;
}

// "dword:" data: one to eight hexadecimal digits.
std::optional<quint32> dwordData(QStringView s) {
    if (s.isEmpty() || s.size() > 8) return std::nullopt;
    quint32 v = 0;
    for (QChar c : s) {
        const int d = hexDigit(c);
        if (d < 0) return std::nullopt;
        v = v * 16 + quint32(d);
    }
    return v;
}

// "hex(...):" data: bytes as two hexadecimal digits each, separated by commas.
std::optional<QByteArray> hexData(QStringView s) {
    QByteArray bytes;
    for (QStringView token : s.tokenize(QLatin1Char(','))) {
        token = token.trimmed();
        if (token.isEmpty()) continue;
        if (token.size() > 2) return std::nullopt;
        int v = 0;
        for (QChar c : token) {
            const int d = hexDigit(c);
            if (d < 0) return std::nullopt;
            v = v * 16 + d;
        }
        bytes += char(v);
    }
    return bytes;
}

// A text value written as bytes: ANSI in REGEDIT4 files, UTF-16 in the others.
QString textBytes(const QByteArray& bytes, RegFormat f) {
    if (f == RegFormat::Regedit4) return ansi(bytes);
    return decode(QStringConverter::Utf16LE, QByteArrayView(bytes).first(bytes.size() & ~1));
}

RegValue textValue(const QString& text) {
    return {.type = RegValue::Text, .text = text};
}

RegValue dwordValue(quint32 d) {
    return {.type = RegValue::Dword, .text = {}, .dword = d};
}

// One value line: "name"=data or @=data. Nothing when the line is malformed.
std::optional<RegEntry> valueLine(QStringView line, RegFormat f) {
    RegEntry e;
    qsizetype i = 1;
    if (line.startsWith(QLatin1Char('"'))) {
        auto name = unquote(line, i, QLatin1Char('"'), f);
        if (!name) return std::nullopt;
        e.name = *name;
    } else if (!line.startsWith(QLatin1Char('@'))) {
        return std::nullopt;
    }
    QStringView rest = line.mid(i).trimmed();
    if (!rest.startsWith(QLatin1Char('='))) return std::nullopt;
    const QStringView data = rest.mid(1).trimmed();
    const auto typed = [&](const char* prefix) {
        return data.startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
    };
    if (data.startsWith(QLatin1Char('"'))) {
        qsizetype j = 1;
        auto text = unquote(data, j, QLatin1Char('"'), f);
        if (!text || !data.mid(j).trimmed().isEmpty()) return std::nullopt;
        e.value = textValue(*text);
    } else if (typed("dword:")) {
        const auto d = dwordData(data.mid(6));
        if (!d) return std::nullopt;
        e.value = dwordValue(*d);
    } else if (typed("hex(1):")) {
        const auto bytes = hexData(data.mid(7));
        if (!bytes) return std::nullopt;
        e.value = textValue(textBytes(*bytes, f));
    } else if (typed("hex(4):")) {
        const auto bytes = hexData(data.mid(7));
        if (!bytes) return std::nullopt;
        if (bytes->size() == 4) {
            quint32 d = 0;
            for (int k = 3; k >= 0; --k)
                d = d * 256 + uchar((*bytes)[k]);
            e.value = dwordValue(d);
        }
    } else if (data != QLatin1String("-") && !data.contains(QLatin1Char(':'))) {
        // Neither a deletion nor data of another type ("hex:", "str(2):", ...).
        return std::nullopt;
    }
    return e;
}

// The key a section line opens, and whether it deletes that key instead. Wine escapes the
// brackets and backslashes in its key names and puts a time stamp after the closing bracket.
struct Section {
    QString key;
    bool deletes = false;
};

std::optional<Section> sectionLine(QStringView line, RegFormat f) {
    Section s;
    if (f == RegFormat::Wine) {
        qsizetype i = 1;
        auto key = unquote(line, i, QLatin1Char(']'), f);
        if (!key) return std::nullopt;
        s.key = *key;
    } else {
        const qsizetype close = line.lastIndexOf(QLatin1Char(']'));
        if (close < 1) return std::nullopt;
        s.key = line.mid(1, close - 1).toString();
    }
    if (s.key.startsWith(QLatin1Char('-'))) {
        s.deletes = true;
        s.key.remove(0, 1);
    }
    return s;
}

RegFormat headerFormat(QStringView line) {
    if (line == QLatin1String("REGEDIT4")) return RegFormat::Regedit4;
    if (line == QLatin1String("Windows Registry Editor Version 5.00")) return RegFormat::Regedit5;
    if (line.startsWith(QLatin1String("WINE REGISTRY Version "))) return RegFormat::Wine;
    return RegFormat::Unknown;
}

std::vector<QStringView> physicalLines(QStringView text) {
    std::vector<QStringView> lines;
    for (QStringView line : text.tokenize(QLatin1Char('\n')))
        lines.push_back(line.trimmed());
    return lines;
}

}  // namespace

QString decodeRegistryText(const QByteArray& bytes) {
    const QByteArrayView b(bytes);
    if (startsWith(b, {0xFF, 0xFE})) return decode(QStringConverter::Utf16LE, b.sliced(2));
    if (startsWith(b, {0xFE, 0xFF})) return decode(QStringConverter::Utf16BE, b.sliced(2));
    if (startsWith(b, {0xEF, 0xBB, 0xBF})) return decode(QStringConverter::Utf8, b.sliced(3));
    // A version 5 file saved without its byte-order mark still starts with an ASCII letter.
    if (b.size() >= 2 && b[0] != 0 && b[1] == 0) return decode(QStringConverter::Utf16LE, b);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8(b);
    return utf8.hasError() ? ansi(b) : text;
}

RegFile parseRegistryText(const QString& text) {
    RegFile file;
    const std::vector<QStringView> lines = physicalLines(text);
    size_t i = 0;
    while (i < lines.size() && lines[i].isEmpty())
        ++i;
    if (i == lines.size()) return file;
    file.format = headerFormat(lines[i++]);
    if (file.format == RegFormat::Unknown) return file;
    const QString& wanted = file.format == RegFormat::Wine ? kCodecKey : kExportKey;

    bool inKey = false;
    for (; i < lines.size(); ++i) {
        QString line = lines[i].toString();
        const bool comment = line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'));
        if (line.isEmpty() || comment) continue;
        // Long binary data goes on in the next line after a trailing backslash.
        while (line.endsWith(QLatin1Char('\\')) && i + 1 < lines.size()) {
            line.chop(1);
            line += lines[++i];
        }
        if (line.startsWith(QLatin1Char('['))) {
            const auto s = sectionLine(line, file.format);
            inKey = s && !s->deletes && same(s->key, wanted);
            // Deleting the key, or a key above it, deletes its values.
            if (s && s->deletes &&
                (same(s->key, wanted) ||
                 wanted.startsWith(s->key + QLatin1Char('\\'), Qt::CaseInsensitive)))
                file.entries.clear();
            continue;
        }
        if (!inKey) continue;
        if (auto e = valueLine(line, file.format)) file.entries.push_back(std::move(*e));
    }
    return file;
}

std::optional<RegValue> lookup(const std::vector<RegEntry>& entries, const QString& name) {
    for (auto it = entries.rbegin(); it != entries.rend(); ++it)
        if (same(it->name, name)) return it->value;
    return std::nullopt;
}

namespace {
std::optional<QString> readBytes(const QString& path, QByteArray& bytes) {
    const QFileInfo info(path);
    if (!info.exists()) return QStringLiteral("cannot read %1: no such file").arg(path);
    // Only a regular file: a pipe or device could block the program or never end.
    if (!info.isFile()) return QStringLiteral("cannot read %1: not a regular file").arg(path);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read %1: %2").arg(path, f.errorString());
    bytes = f.read(kMaxBytes + 1);
    if (bytes.size() > kMaxBytes) return QStringLiteral("cannot read %1: too large").arg(path);
    return std::nullopt;
}
}  // namespace

std::optional<QString> readRegistryFile(const QString& path, RegFile& out) {
    out = RegFile{};
    QByteArray bytes;
    if (auto error = readBytes(path, bytes)) return error;
    out = parseRegistryText(decodeRegistryText(bytes));
    if (out.format == RegFormat::Unknown)
        return QStringLiteral(
                   "%1 is not a registry file (its first line is not REGEDIT4, \"Windows Registry "
                   "Editor Version 5.00\" or \"WINE REGISTRY Version 2\")")
            .arg(path);
    return std::nullopt;
}

std::optional<RegValue> FileRegistry::value(const QString& name) const {
    QByteArray bytes;
    if (readBytes(path_, bytes)) {
        bytes_.reset();
        entries_.clear();
        return std::nullopt;
    }
    if (bytes_ != bytes) {
        entries_ = parseRegistryText(decodeRegistryText(bytes)).entries;
        bytes_ = std::move(bytes);
    }
    return lookup(entries_, name);
}

}  // namespace platform
