// The settings table against the real start-up, exit command and clear-all, over a store that
// notes what they read and write.
#include <gtest/gtest.h>

#include "app/korvel.h"
#include "app/settings_table.h"
#include "platform/memory_services.h"

namespace {
using app::settings::Kind;
using app::settings::kTable;
using Shown = QMap<QString, QString>;  // key: what its control holds (as stored, or a field's text)

// A settings store that notes every read ("key=fallback") and every key written.
struct RecordingStore : platform::MemoryStore {
    mutable QStringList reads, writes;
    QString read(const QString& key, const QString& fallback) const override {
        reads << key + '=' + fallback;
        return MemoryStore::read(key, fallback);
    }
    void write(const QString& key, const QString& value) override {
        writes << key;
        MemoryStore::write(key, value);
    }
};

struct Started {
    platform::MemoryServices sv;
    platform::Services services;
    app::Korvel k{services, forms::NumberLocale::point()};
    explicit Started(RecordingStore& store)
        : services{store,       sv.messages, sv.clipboard, sv.random, sv.programEnd,
                   sv.launcher, sv.effects,  sv.registry,  sv.log,    sv.screen} {
        k.start();
    }
    void click(const char* button) { k.rt.userClick(*k.form1.find(button)); }
    Shown shown() const {
        Shown m;
        for (const auto& s : kTable)
            if (s.control)
                m[s.key] =
                    s.kind != Kind::Own
                        ? app::settings::controlValue(k, s)
                        : app::settings::windowOf(k, s).get<forms::TextBox>(s.control).text();
        return m;
    }
};

std::string keys(QStringList noted) {
    for (QString& n : noted)
        n = n.section('=', 0, 0);
    return noted.join(' ').toStdString();
}

}  // namespace

// Start-up reads every key with its row's fallback, in the table's order ("cleared" is read by
// the exit), every key written has a row, and the exit writes in an order of its own. A fresh
// installation shows every fallback; another value in every key shows (a number of a field of
// its own with " %"), survives the exit and the next start, and clear-all gives its own settings
// their fresh values back.
TEST(SettingsTable, EveryKeyComesBackWithTheFallbackOfItsRow) {
    RecordingStore empty, store;
    const Shown fresh = Started(empty).shown();
    QStringList rows, rowKeys;
    for (const auto& s : kTable) {
        rows << s.key + QString('=') + s.fallback;
        rowKeys << s.key;
        if (s.kind != Kind::Own) {
            EXPECT_EQ(fresh[s.key].toStdString(), s.fallback) << s.key;
        }
        const bool zero = QLatin1String(s.fallback) == "0";
        if (s.kind != Kind::Own || s.control)
            store.write(s.key, s.kind == Kind::Check    ? (zero ? "1" : "0")
                               : s.kind == Kind::Option ? "True"
                               : s.kind == Kind::Own    ? "70"
                                                        : "7");
    }
    // The lock derives the time (so every key is read): from the stored seconds, 01:02:07.
    store.write("lock2", "False");
    store.write("seconds", "3727");
    Started run(store);
    const QStringList reads = store.reads, writes = store.writes;
    EXPECT_EQ(keys(reads),
              "version WinSize lock1 lock2 lock3 lock2 lock3 HH MM SS size audio framerate bitrate "
              "aspect ratio width width height MKI resize BiDir GMC QPx resize VBR PrePro Psy "
              "Profile notebox alg1 alg2 Feetback PQ Error Crop top left right bottom ud ud1 ud2 "
              "SC PV mod dir do_log do_mv transparency1 transparency2 language seconds");
    for (const QString& read : reads)
        EXPECT_TRUE(rows.contains(read)) << qPrintable(read);
    for (const QString& row : rows)
        EXPECT_TRUE(reads.contains(row) || row == "cleared=cleared") << qPrintable(row);
    const Shown shown = run.shown();
    store.writes.clear();
    run.click("exit");
    EXPECT_EQ(keys(store.writes),
              "HH MM SS seconds size audio width height framerate bitrate aspect ratio MKI lock1 "
              "lock2 lock3 resize BiDir GMC QPx alg1 alg2 VBR PrePro Psy Profile Feetback PQ "
              "Error SC version language");
    for (const QString& key : writes + store.writes)
        EXPECT_TRUE(rowKeys.contains(key)) << qPrintable(key);
    Started again(store);
    EXPECT_EQ(again.shown(), shown);
    again.click("ClearAll");
    const Shown cleared = again.shown();
    QStringList reset;
    for (const auto& s : kTable) {
        if (!s.control) continue;
        EXPECT_TRUE(s.kind != Kind::Own || shown[s.key] == "70 %") << s.key;
        // The lock's options are one choice: the time's, read last, stays.
        EXPECT_TRUE(shown[s.key] != fresh[s.key] || QLatin1String(s.key) == "lock2") << s.key;
        EXPECT_TRUE(cleared[s.key] == shown[s.key] || cleared[s.key] == fresh[s.key]) << s.key;
        if (cleared[s.key] != shown[s.key]) reset << s.key;
    }
    EXPECT_EQ(
        reset.join(' ').toStdString(),
        "lock1 HH MM SS size audio bitrate aspect ratio width height MKI resize BiDir GMC QPx "
        "VBR PrePro Psy Profile Crop top left right bottom PV");
}
