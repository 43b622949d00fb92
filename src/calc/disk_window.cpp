#include "calc/disk_window.h"

#include <cmath>

#include "app/korvel.h"

namespace calc {
using forms::OptionButton;
using forms::TextBox;

namespace {
struct Disc {
    const char* item;
    double megabytes;
    bool dvd;  // the sector payload applies to CDs only
};

constexpr Disc kDiscs[] = {
    {"74min CD", 650, false}, {"80min CD", 703, false}, {"90min CD", 791, false},
    {"99min CD", 870, false}, {"DVD-5", 4700, true},    {"DVD-9", 8540, true},
    {"DVD-10", 9400, true},   {"DVD-14", 13240, true},  {"DVD-18", 17080, true}};

// Megabytes per minute of CD.
constexpr double kMinute = 87890625.0 / 10000000.0;

const Disc* disc(const QString& text) {
    for (const Disc& d : kDiscs)
        if (text == QLatin1String(d.item)) return &d;
    return nullptr;
}

double sign(double x) {
    return x > 0 ? 1 : x < 0 ? -1 : 0;
}
}  // namespace

DiskWindow::DiskWindow(app::Korvel& k, app::DebugLog& log)
    : Subsystem(k, log),
      anz(k.disk.get<TextBox>("anz")),
      DiskCombo(k.disk.get<forms::ComboBox>("DiskCombo")),
      groesse(k.form1.get<TextBox>("groesse")),
      op2048(k.disk.get<OptionButton>("op2048")),
      op2324(k.disk.get<OptionButton>("op2324")) {
    k.form1.get<forms::Label>("sizeMB").onClick = [this] { toggle(); };
    k.disk.onDblClick = [this] { this->k.disk.hide(); };
    k.disk.onKeyDown = forms::onEscape(k.disk.onDblClick);
    anz.onChange = [this] {
        Disk();
        anz.setBackColor(pastel());
    };
    DiskCombo.onChange = [this] {
        Disk();
        DiskCombo.setBackColor(pastel());
    };
    DiskCombo.onClick = [this] { comboClick(); };
    op2048.onClick = [this] { Disk(); };
    op2324.onClick = [this] { Disk(); };
}

// Opens the window above the main window, or closes it.
void DiskWindow::toggle() {
    auto& disk = k.disk;
    if (disk.visible()) {
        disk.hide();
        return;
    }
    disk.show();
    disk.move(k.form1.left() + 1000, k.form1.top() - 3250);
    k.keepOnScreen(disk);
}

void DiskWindow::comboClick() {
    const Disc* d = disc(DiskCombo.text());
    const bool cd = !(d && d->dvd);
    op2048.setEnabled(cd);
    op2324.setEnabled(cd);
    Disk();
    DiskCombo.setBackColor(pastel());
}

// Each step hands its result to the next as number text, read back by its leading number. Number
// text of a very large or very small value takes an exponent ("1.7E+16") that the leading number
// would cut off: such a value is too large to carry (nothing), or 0.
std::optional<QString> DiskWindow::carried(double x) const {
    if (!std::isfinite(x)) return std::nullopt;
    const QString text = numText(x);
    if (!text.contains(QLatin1Char('E'))) return text;
    if (std::abs(x) < 1) return QStringLiteral("0");
    return std::nullopt;
}

void DiskWindow::Disk() {
    const QString type = DiskCombo.text();
    const Disc* d = disc(type);
    std::optional<QString> capacity = carried(d ? d->megabytes : leading(type) * kMinute);
    if (capacity && !(d && d->dvd) && !op2048.value())
        capacity = carried(leading(*capacity) / 2048 * 2324);
    std::optional<QString> size;
    if (capacity) size = carried(leading(anz) * leading(*capacity));
    if (!size) {
        // Too large to write: the largest size the size field takes, or none for a negative
        // count.
        const bool positive = sign(leading(anz)) * sign(d ? 1 : leading(type)) > 0;
        size = positive ? QStringLiteral("100000") : QStringLiteral("0");
    }
    // The size field's own bounds, which hold even while the lock makes it read-only.
    if (leading(*size) < 0) size = QStringLiteral("0");
    if (leading(*size) > 100000) size = QStringLiteral("100000");
    groesse.setText(*size);
}

}  // namespace calc
