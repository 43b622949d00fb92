// The settings table against the real start-up, exit command and clear-all, over a store that
// notes what they read and write.
#include <gtest/gtest.h>

#include <utility>

#include "app/korvel.h"
#include "app/settings_table.h"
#include "platform/memory_services.h"

namespace {
using app::settings::Kind;
using app::settings::kTable;
using app::settings::Setting;
using Shown = QMap<QString, QString>;  // key: what its control holds, as stored

struct RecordingStore : platform::MemoryStore {
    mutable QStringList reads;  // "key=fallback"
    QStringList writes;
    QString read(const QString& key, const QString& fallback) const override {
        reads << key + '=' + fallback;
        return MemoryStore::read(key, fallback);
    }
    void write(const QString& key, const QString& value) override {
        writes << key;
        MemoryStore::write(key, value);
    }
};

// One run over the store: started, its reads and writes noted from the start.
struct Started {
    RecordingStore& store;
    platform::MemoryServices sv;
    platform::Services services{store,       sv.messages, sv.clipboard, sv.random, sv.programEnd,
                                sv.launcher, sv.effects,  sv.registry,  sv.log,    sv.screen};
    app::Korvel k{services, forms::NumberLocale::point()};
    explicit Started(RecordingStore& s) : store(s) {
        store.reads.clear();
        store.writes.clear();
        k.start();
    }
    Shown shown() const {
        Shown m;
        for (const Setting& s : kTable)
            if (s.kind != Kind::Own) m[s.key] = app::settings::controlValue(k, s);
        return m;
    }
    void click(const char* button) { k.rt.userClick(*k.form1.find(button)); }
};

const Setting* row(const QString& key) {
    for (const Setting& s : kTable)
        if (key == QLatin1String(s.key)) return &s;
    return nullptr;
}

QString keysOf(const QStringList& reads) {
    QStringList keys;
    for (const QString& r : reads)
        keys << r.section('=', 0, 0);
    return keys.join(' ');
}

}  // namespace

// Every key is read with the one fallback its row gives (the crash marker's test of a stored
// keyframe interval aside), every key written is read at start-up ("cleared" is read at the
// exit), and start-up and the exit keep their orders.
TEST(SettingsTable, EveryKeyWrittenIsReadWithTheFallbackOfItsRow) {
    RecordingStore store;
    store.write("lock1", "1");  // under the lock with the time derived every key is read
    store.write("lock3", "True");
    store.write("version", "0");  // an unclean end: the marker tests the keyframe interval
    store.write("MKI", "0");
    Started run(store);
    const QStringList reads = run.store.reads;
    QStringList writes = std::exchange(run.store.writes, {});
    run.click("exit");
    EXPECT_EQ(keysOf(reads).toStdString(),
              "version MKI WinSize lock1 lock2 lock3 lock2 lock3 HH MM SS size audio framerate "
              "bitrate aspect ratio width width height MKI resize BiDir GMC QPx resize VBR PrePro "
              "Psy Profile notebox alg1 alg2 Feetback PQ Error Crop top left right bottom ud ud1 "
              "ud2 SC PV mod dir do_log do_mv transparency1 transparency2 language seconds");
    EXPECT_EQ(run.store.writes.join(' ').toStdString(),
              "HH MM SS seconds size audio width height framerate bitrate aspect ratio MKI lock1 "
              "lock2 lock3 resize BiDir GMC QPx alg1 alg2 VBR PrePro Psy Profile Feetback PQ "
              "Error SC version language");
    for (const QString& r : reads) {
        const Setting* s = row(r.section('=', 0, 0));
        EXPECT_TRUE(r == "MKI=0" || (s && r.section('=', 1) == QLatin1String(s->fallback)))
            << qPrintable(r);
    }
    writes << run.store.writes;
    for (const QString& key : writes) {
        const Setting* s = row(key);
        EXPECT_TRUE(key == "cleared" || (s && reads.contains(key + '=' + s->fallback)))
            << qPrintable(key);
    }
    for (const Setting& s : kTable)
        EXPECT_TRUE(writes.contains(s.key) || reads.contains(s.key + QString('=') + s.fallback))
            << s.key;
}

// A fresh installation shows every fallback. Another value in every key is shown, survives the
// exit and the next start as shown, and clear-all puts back the fresh value of its own settings.
TEST(SettingsTable, StoredValuesComeBackAndClearAllResetsItsOwn) {
    RecordingStore empty, changed;
    const Shown fresh = Started(empty).shown();
    for (const Setting& s : kTable) {
        if (s.kind != Kind::Own) {
            EXPECT_EQ(fresh[s.key].toStdString(), s.fallback) << s.key;
        }
        const bool zero = QLatin1String(s.fallback) == "0";
        if (s.kind != Kind::Own || QLatin1String(s.key) == "SC")
            changed.write(s.key, s.kind == Kind::Check    ? (zero ? "1" : "0")
                                 : s.kind == Kind::Option ? "True"
                                                          : "7");
    }
    Started first(changed);
    const Shown shown = first.shown();
    first.click("exit");
    EXPECT_EQ(changed.read("SC", "").toStdString(), "7");
    Started again(changed);
    EXPECT_EQ(again.shown(), shown);
    again.click("ClearAll");
    const Shown cleared = again.shown();
    QStringList reset;
    for (const Setting& s : kTable) {
        if (s.kind == Kind::Own) continue;
        // The lock's options are one choice: the size's, read first, stays.
        if (QLatin1String(s.key) != "lock3") {
            EXPECT_NE(shown[s.key], fresh[s.key]) << s.key;
        }
        EXPECT_TRUE(cleared[s.key] == shown[s.key] || cleared[s.key] == fresh[s.key]) << s.key;
        if (cleared[s.key] != shown[s.key]) reset << s.key;
    }
    EXPECT_EQ(
        reset.join(' ').toStdString(),
        "lock1 HH MM SS size audio bitrate aspect ratio width height MKI resize BiDir GMC QPx "
        "VBR PrePro Psy Profile Crop top left right bottom PV");
}
