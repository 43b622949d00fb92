#include "platform/registry_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "platform/codec_settings.h"

namespace platform {
namespace {

QByteArray utf16le(const QString& text) {
    QStringEncoder e(QStringConverter::Utf16LE);
    return QByteArray("\xFF\xFE", 2) + QByteArray(e(text));
}

RegFile parse(const QByteArray& bytes) {
    return parseRegistryText(decodeRegistryText(bytes));
}

// The value as the tests write it: "sz:text", "dword:N" or "missing".
std::string shown(const RegFile& f, const char* name) {
    const auto v = lookup(f.entries, QLatin1String(name));
    if (!v) return "missing";
    if (v->type == RegValue::Dword) return "dword:" + std::to_string(v->dword);
    return "sz:" + v->text.toStdString();
}

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

const char* const kExport5 =
    "Windows Registry Editor Version 5.00\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\DivXNetworks]\r\n"
    "\"bitrate\"=dword:00000001\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\DivXNetworks\\DivX4Windows]\r\n"
    "\"bitrate\"=dword:000bebc2\r\n"
    "\"Quality\"=dword:00000040\r\n"
    "\"Dir\"=\"c:\\\\enc\\\\ \\\"x\\\" \\n\"\r\n"
    "\"Path\"=hex(2):25,00,54,00,00,00\r\n"
    "\"Gone\"=dword:00000005\r\n"
    "\"Gone\"=-\r\n"
    "\"Twice\"=dword:00000001\r\n"
    "\"twice\"=dword:00000002\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\DivXNetworks\\DivX4Windows\\Sub]\r\n"
    "\"Quality\"=dword:00000001\r\n";

TEST(RegistryFile, Regedit4InAnsiAndUtf8) {
    // 0xE9 is e acute and 0x80 the euro sign in Windows-1252.
    const QByteArray ansi =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\DivXNetworks\\DivX4Windows]\r\n"
        "\"Name\"=\"caf\xE9 \x80\"\r\n"
        "\"Hex text\"=hex(1):61,62,\\\r\n  00\r\n"
        "\"Hex number\"=hex(4):2a,00,00,00\r\n"
        "\"Short number\"=hex(4):2a,00\r\n"
        "\"Lower\"=DWORD:ffffffff\r\n";
    const RegFile a = parse(ansi);
    EXPECT_EQ(a.format, RegFormat::Regedit4);
    EXPECT_EQ(shown(a, "Name"), "sz:caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(shown(a, "Hex text"), std::string("sz:ab\0", 6));
    EXPECT_EQ(shown(a, "Hex number"), "dword:42");
    EXPECT_EQ(shown(a, "Short number"), "missing");
    EXPECT_EQ(shown(a, "Lower"), "dword:4294967295");

    const QByteArray utf8 =
        "REGEDIT4\n[HKEY_CURRENT_USER\\SOFTWARE\\divxnetworks\\DivX4Windows]\n"
        "\"Name\"=\"caf\xC3\xA9\"\n";
    EXPECT_EQ(shown(parse(utf8), "Name"), "sz:caf\xC3\xA9");
    EXPECT_EQ(shown(parse("\xEF\xBB\xBF" + utf8), "Name"), "sz:caf\xC3\xA9");
}

TEST(RegistryFile, WineUserRegistry) {
    const QByteArray wine =
        "WINE REGISTRY Version 2\n"
        ";; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n"
        "\n#arch=win32\n\n"
        "[Software\\\\DivXNetworks\\\\DivX4Windows] 1700000000\n"
        "#time=1da0f3c2a5b6c70\n"
        "\"bitrate\"=dword:000f4240\n"
        "\"Nul\"=\"text\\0\\0\"\n"
        "\"Escapes\"=\"a\\\\b\\\"c\\td\\x20ac\\x41\\101\"\n"
        "\"Letters\"=\"\\a\\b\\t\\n\\v\\f\\r\\e\\q\"\n"
        "\"Empty\"=hex(1):\n"
        "\"Wide\"=hex(1):41,00,42,00,\\\n  43,00,00,00\n"
        "\"Expand\"=str(2):\"%TEMP%\"\n"
        "\n"
        "[Software\\\\DivXNetworks\\\\DivX4Windows\\\\Sub] 1700000000\n"
        "\"bitrate\"=dword:00000001\n"
        "[HKEY_CURRENT_USER\\\\Software\\\\DivXNetworks\\\\DivX4Windows] 1700000000\n"
        "\"Quality\"=dword:00000005\n";
    const RegFile f = parse(wine);
    EXPECT_EQ(f.format, RegFormat::Wine);
    EXPECT_EQ(shown(f, "bitrate"), "dword:1000000");
    EXPECT_EQ(shown(f, "Nul"), std::string("sz:text\0\0", 9));
    // \x takes up to four hexadecimal digits, octal up to three.
    EXPECT_EQ(shown(f, "Escapes"),
              "sz:a\\b\"c\td\xE2\x82\xAC"
              "AA");
    EXPECT_EQ(shown(f, "Letters"), "sz:\a\b\t\n\v\f\r\x1bq");  // an unknown letter is itself
    EXPECT_EQ(shown(f, "Empty"), "sz:");
    EXPECT_EQ(shown(f, "Wide"), std::string("sz:ABC\0", 7));
    EXPECT_EQ(shown(f, "Expand"), "missing");
    // Wine's keys are relative to the user: a full name is some other key.
    EXPECT_EQ(shown(f, "Quality"), "missing");
}

TEST(RegistryFile, MalformedTextsGiveWhatTheyCanAndNeverMore) {
    const QByteArray head = "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\DivXNetworks\\DivX4Windows]\n";
    EXPECT_EQ(parse("REGEDIT5\n").format, RegFormat::Unknown);
    const RegFile notRegistry =
        parse("[HKEY_CURRENT_USER\\Software\\DivXNetworks\\DivX4Windows]\n\"bitrate\"=dword:1\n");
    EXPECT_EQ(notRegistry.format, RegFormat::Unknown);
    EXPECT_TRUE(notRegistry.entries.empty());

    // Each broken line is skipped; the lines around it still count.
    const RegFile f = parse(head +
                            "\"a\"=dword:00000001\n"
                            "\"a\"=\"unterminated\n"
                            "\"a\"=dword:123456789\n"
                            "\"a\"=dword:12g4\n"
                            "\"a\"=\"text\" trailing\n"
                            "\"a\"=hex(4):1,2,3,xyz\n"
                            "bare=dword:00000003\n"
                            "\"b\"=dword:00000002\n"
                            "\"b\"=\"ends in an escape\\");
    EXPECT_EQ(shown(f, "a"), "dword:1");
    EXPECT_EQ(shown(f, "b"), "dword:2");

    // A section line without its bracket leaves the key; values before any key count for none.
    const RegFile g = parse("REGEDIT4\n\"c\"=dword:1\n" + head.mid(9) +
                            "\"d\"=dword:1\n[HKEY_CURRENT_USER\n\"e\"=dword:1\n");
    EXPECT_EQ(shown(g, "c"), "missing");
    EXPECT_EQ(shown(g, "d"), "dword:1");
    EXPECT_EQ(shown(g, "e"), "missing");

    // Deleting the key, or one above it, deletes what was read of it.
    EXPECT_EQ(
        shown(parse(head + "\"d\"=dword:1\n[-HKEY_CURRENT_USER\\Software\\DivXNetworks]\n"), "d"),
        "missing");
    // Odd UTF-16: the last half character is dropped, not read past.
    EXPECT_EQ(parse(utf16le(QStringLiteral("REGEDIT4\n")) + "A").format, RegFormat::Regedit4);
}

TEST(RegistryFile, ReadingFiles) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    RegFile f;
    const QString missing = dir.filePath("missing.reg");
    EXPECT_EQ(readRegistryFile(missing, f).value_or(QString()),
              QStringLiteral("cannot read %1: no such file").arg(missing));
    EXPECT_TRUE(readRegistryFile(dir.path(), f).value_or(QString()).endsWith("not a regular file"));

    const QString path = dir.filePath("codec.reg");
    write(path, "just text\n");
    EXPECT_TRUE(readRegistryFile(path, f).value_or(QString()).contains("is not a registry file"));
    write(path, utf16le(QString::fromLatin1(kExport5)));
    EXPECT_EQ(readRegistryFile(path, f), std::nullopt);
    EXPECT_EQ(f.format, RegFormat::Regedit5);
    EXPECT_EQ(shown(f, "bitrate"), "dword:781250");
    EXPECT_EQ(shown(f, "QUALITY"), "dword:64");  // names ignore case; the subkey is another key
    // Only the backslash and the quote are escaped; "\n" stays as written.
    EXPECT_EQ(shown(f, "Dir"), "sz:c:\\enc\\ \"x\" \\n");
    EXPECT_EQ(shown(f, "Path"), "missing");  // other types read as missing
    EXPECT_EQ(shown(f, "Gone"), "missing");
    EXPECT_EQ(shown(f, "Twice"), "dword:2");  // the later line wins
}

TEST(RegistryFile, FileSourceSeesTheFileAsItIsNow) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("user.reg");
    const FileRegistry source(path);
    EXPECT_EQ(source.value("bitrate"), std::nullopt);

    const QByteArray head = "WINE REGISTRY Version 2\n[Software\\\\DivXNetworks\\\\DivX4Windows]\n";
    write(path, head + "\"bitrate\"=dword:00000001\n");
    ASSERT_TRUE(source.value("bitrate"));
    EXPECT_EQ(source.value("bitrate")->dword, 1u);
    // Rewritten at once with the same length: seen all the same.
    write(path, head + "\"bitrate\"=dword:00000002\n");
    ASSERT_TRUE(source.value("BITRATE"));
    EXPECT_EQ(source.value("BITRATE")->dword, 2u);
    QFile::remove(path);
    EXPECT_EQ(source.value("bitrate"), std::nullopt);
}

TEST(RegistryFile, SourceForThisMachine) {
    const QByteArray savedFile = qgetenv("KORVEL_REGISTRY_FILE");
    const QByteArray savedPrefix = qgetenv("WINEPREFIX");
    const auto pathOf = [] {
        const auto source = codecSettingsSource();
        const auto* file = dynamic_cast<const FileRegistry*>(source.get());
        return file ? file->path() : QStringLiteral("not a file");
    };
    qputenv("KORVEL_REGISTRY_FILE", "/tmp/codec export.reg");
    qputenv("WINEPREFIX", "/opt/prefix");
    EXPECT_EQ(pathOf(), "/tmp/codec export.reg");
    qunsetenv("KORVEL_REGISTRY_FILE");
    EXPECT_EQ(pathOf(), "/opt/prefix/user.reg");
    qunsetenv("WINEPREFIX");
    EXPECT_EQ(pathOf(), QDir::home().filePath(".wine/user.reg"));
    if (!savedFile.isNull()) qputenv("KORVEL_REGISTRY_FILE", savedFile);
    if (!savedPrefix.isNull()) qputenv("WINEPREFIX", savedPrefix);
}

}  // namespace
}  // namespace platform
