#pragma once

#include <QMap>
#include <deque>
#include <random>
#include <vector>

#include "platform/services.h"

// In-memory services: deterministic, recording, for tests and the scenario runner.
namespace platform {

class MemoryStore : public SettingsStore {
  public:
    QString read(const QString& key, const QString& fallback) const override;
    void write(const QString& key, const QString& value) override { values_[key] = value; }
    void eraseAll() override { values_.clear(); }
    QStringList keys() const override { return values_.keys(); }
    bool contains(const QString& key) const { return values_.contains(key); }
    QString whyNotKept() const override { return notKept; }
    QString notKept;  // as a store whose file cannot be written says

  private:
    QMap<QString, QString> values_;
};

class RecordingMessages : public MessageBox {
  public:
    struct Shown {
        QString text;
        std::optional<QString> title;
        QString titleShown() const { return title ? *title : QStringLiteral("Korvel"); }
    };
    void show(const QString& text, const std::optional<QString>& title) override {
        shown.push_back({text, title});
    }
    std::vector<Shown> shown;
};

class MemoryClipboard : public Clipboard {
  public:
    void setText(const QString& text) override { text_ = text; }
    QString text() const override { return text_; }

  private:
    QString text_;
};

// A fixed-seed generator; values queued with push() come out first, in order.
class SeededRandom : public Random {
  public:
    explicit SeededRandom(unsigned seed = 1) : engine_(seed) {}
    double next() override;
    void reseed() override {}
    void push(double r) { queued_.push_back(r); }

  private:
    std::mt19937 engine_;
    std::deque<double> queued_;
};

class RecordingEnd : public ProgramEnd {
  public:
    void end(bool saved) override {
        ended = true;
        savedAtEnd = saved;
    }
    bool ended = false, savedAtEnd = false;
};

class MemoryLauncher : public Launcher {
  public:
    bool startCalculator() override {
        if (calculatorAvailable) opened.push_back(QStringLiteral("calculator"));
        return calculatorAvailable;
    }
    bool open(const QString& target) override {
        if (linksOpen) opened.push_back(target);
        return linksOpen;
    }
    bool calculatorAvailable = true, linksOpen = true;
    QStringList opened;  // targets and started programs, in order ("calculator")
};

class MemoryEffects : public WindowEffects {
  public:
    int setOpacity(const QString& window, int alpha) override {
        applied[window] = alpha;
        return 0;
    }
    QMap<QString, int> applied;
};

// Value names compare without regard to case, as the registry's do.
class MemoryRegistry : public RegistrySource {
  public:
    std::optional<RegValue> value(const QString& name) const override {
        if (auto it = values.find(name); it != values.end()) return *it;
        for (auto it = values.begin(); it != values.end(); ++it)
            if (it.key().compare(name, Qt::CaseInsensitive) == 0) return *it;
        return std::nullopt;
    }
    QMap<QString, RegValue> values;
};

class MemoryLog : public LogFile {
  public:
    bool write(const QString& text) override {
        last = text;
        ++writes;
        return true;
    }
    QString location() const override { return QStringLiteral("log.txt"); }
    QString last;
    int writes = 0;
};

// Unbounded unless a test gives it an area.
class MemoryScreen : public Screen {
  public:
    std::optional<QRect> availableArea(QPoint) const override { return area; }
    QMargins frame(const QString&) const override { return {}; }
    std::optional<QRect> area;
};

// One of each, wired together.
struct MemoryServices {
    MemoryStore store;
    RecordingMessages messages;
    MemoryClipboard clipboard;
    SeededRandom random;
    RecordingEnd programEnd;
    MemoryLauncher launcher;
    MemoryEffects effects;
    MemoryRegistry registry;
    MemoryLog log;
    MemoryScreen screen;
    Services services() {
        return {store,    messages, clipboard, random, programEnd,
                launcher, effects,  registry,  log,    screen};
    }
};

}  // namespace platform
