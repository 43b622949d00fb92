// Each side of the limits the fields keep and every row of the keyword, disc and audio tables,
// each a small scenario run against the whole program: a row's lines are separated by "|".
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "scenario/runner.h"

namespace scenario {
namespace {

// What "start" and the row's lines print and complain of; empty for a passing row when asked.
std::string run(const std::string& row, bool onlyFailures = true) {
    QString text = QString::fromStdString("start|" + row + '|');
    std::ostringstream out, err;
    const Status s = runText(QStringLiteral("row"), text.replace('|', '\n'), {out, err}, {});
    if (!onlyFailures) return out.str() + err.str();
    return s == Passed ? std::string() : out.str() + err.str() + "in: " + row;
}

TEST(Boundaries, EachSideOfALimit) {
    const std::string free = "type aspect 0|type Bwidth ", again = "|mouse move Form2.sizebutton ",
                      grip = "click form2show|mouse down Form2.sizebutton 90 90" + again;
    // clang-format off
    const std::string rows[] = {
        "type kbitps 16000|expect kbitps 16000|type kbitps 16001|expect kbitps 16000|type HH 59|"
        "expect HH 59|type HH 60|expect HH 59|type MM 59|type SS 59|expect SS 59|type keyframebox "
        "4000|expect keyframebox 4000|type keyframebox 4001|expect keyframebox 4000",
        // A size derived past 100000 MB (the lock off, the size still chosen) stops there.
        "click kbpsLock|click OptionSize|click kbpsLock|type HH 10|type audio 0|type Alg2 -7289.1|"
        "type kbitps 16000|expect groesse 100000",
        // The spin buttons pad below 10.
        "type SS 08|click timeUp|expect SS 09|click timeUp|expect SS 10|click timeDn|expect SS 09",
        "click settingsbutton|type Form3.SC 100|expect Form3.SC 100|type Form3.SC 101|expect "
        "Form3.SC \"100 %\"|type Form3.SC 1|focus Form3.Dir|expect Form3.SC \"1 %\"",
        "click ButtonVBR|click ButtonVBR|click settingsbutton|type Form3.modu 0.25|expect Form3."
        "modscroll.value 50|type Form3.modu 0.26|expect Form3.modu 0.25|type Form3.modu -0.26|"
        "expect Form3.modu -0.25",
        // Transparency 20 .. 100 %; a drag makes the windows clear above 60 %.
        "click settingsbutton|type Form3.Korveltrans 20|expect Form1.opacity 51|type Form3."
        "Korveltrans 21|expect Form1.opacity 54|type Form3.Korveltrans 99|expect Form1.opacity "
        "252|mouse down Form1 0 0|expect Form1.opacity 50|mouse up Form1 0 0|type Form3."
        "Korveltrans 61|mouse down Form1 0 0|expect Form1.opacity 50",
        // The preview scolds under 200 twips wide or 50 high; at 1000 a side it jumps to 1002.
        free + "100|type Bheight 100|" + grip + "-409 90" + again + "90 90|expect Form2.width 1001",
        free + "100|type Bheight 100|" + grip + "-410 90" + again + "90 90|expect Form2.width 1002",
        free + "14|type Bheight 4|" + grip + "90 90|expect Form2.width 1002|expect-no-message",
        free + "13|" + grip + "90 90|expect Form2.width 5400",
        // Pixel ratios that make the preview 49 and 50 twips high.
        "click settingsbutton|type Form3.PV 1.2244897959|" + free + "20|type Bheight 4|" + grip +
            "90 90|expect Form2.width 5400",
        "click settingsbutton|type Form3.PV 1.2|" + free + "20|type Bheight 4|" + grip +
            "90 90|expect Form2.width 1002|expect-no-message",
        // Leading blanks are part of the captions.
        "click deutsch|expect pxls \" Anz. Pixels\"|expect settings \"    Einst.\"|expect Form3."
        "textDir \" Ziel:\"|expect Form3.transp Transparenz|click english|expect pxls \"  Pixels"
        "\"|expect BitPerPx \" Bits per Pixel\"|expect textclear \" Clear\"|expect aspectratio "
        "\"  Aspect Ratio\"|click french|expect aspectratio \"     Proportions\"|expect settings"
        " \"   Mode\"|expect frmrt \" Image/s\"|expect Form3.textDir \"  Dir:\""};
    // clang-format on
    for (const std::string& row : rows)
        EXPECT_EQ(run(row), "");
}

// Up through every standard audio rate and down again, and no further at either end; one disc
// of each kind in 2324-byte sectors, which DVDs do not take.
TEST(Boundaries, EveryAudioRateAndDisc) {
    std::string up = "type audio 0", down = "|click audioDn|expect audio 0";
    for (int r : {8,   12,  18,  20,  24,  32,  40,  48,  56,  64,   80,   96,   112,  128,
                  160, 192, 224, 256, 320, 352, 384, 512, 705, 1024, 1026, 1152, 1411, 1536}) {
        up += "|click audioUp|expect audio " + std::to_string(r);
        down = (r < 1536 ? "|click audioDn|expect audio " + std::to_string(r) : "") + down;
    }
    EXPECT_EQ(run(up + "|click audioUp|expect audio 1536" + down), "");
    std::string row = "click sizeMB|type Disk.anz 1|click Disk.op2324";
    std::istringstream discs(
        "74min CD=738|80min CD=798|90min CD=898|99min CD=987|DVD-5=4700|"
        "DVD-9=8540|DVD-10=9400|DVD-14=13240|DVD-18=17080");
    for (std::string disc; std::getline(discs, disc, '|');)
        row += "|click Disk.DiskCombo \"" + disc.replace(disc.find('='), 1, "\"|expect groesse ") +
               "|expect Disk.op2048.enabled " + (disc[0] == 'D' ? "False" : "True");
    EXPECT_EQ(run(row + "|expect Disk.op2324.value True|expect Disk.op2324.enabled False|click "
                        "Disk.DiskCombo \"90min CD\"|expect Disk.op2324.enabled True"),
              "");
}

// Each keyword does what the first of its group does, which shows what the group is for (the
// pictures: a picture of its own) and which no other text does.
TEST(Boundaries, EveryNotesKeyword) {
    std::istringstream groups(
        "registry=is disabled in this version!|dumb dumber top shot hot monkeys twelve=imgsize."
        "enabled = True|UKJ red ukj=Dulm|fuck=fuck yourself!|bitch=expected running|shit=shit "
        "happens!|bright green dot=Photoshop|debug=debugMode = True|glint breathe blink flash "
        "twink=breath.enabled = True|kentucky schreit ficken rtl RTL=Zielspeit|basel fcb FCB="
        "baselShape.visible = True|lila white purple=Zimbrol|rnd random bunt gay colored colorful"
        " paint=painter man|mona lisa=|ren stimpy=|star treck enterprice scifi=|rock=|Beavis "
        "butthead Butthead MTV mtv beavis=two boys|sex ladie nude nacked=|music guitar=|bambi "
        "skunk=|animaniacs warner brothers=|ac young Young=");
    const auto shows = [](const std::string& word) {
        return run("type notebox " + word +
                       "|print info|print Form2.imgsize.enabled|print breath.enabled|print "
                       "Spielzeit|print baselShape.visible|print var debugMode|print frmDebug."
                       "debugtext|expect-running|expect-no-message",
                   false);
    };
    std::set<std::string> seen = {shows("Debug")};
    for (std::string group; std::getline(groups, group, '|');) {
        std::istringstream words(group.substr(0, group.find('=')));
        std::string first, word;
        words >> first;
        const std::string shown = shows(first);
        EXPECT_TRUE(seen.insert(shown).second) << first << " does what another text does";
        EXPECT_NE(shown.find(group.substr(group.find('=') + 1)), std::string::npos) << shown;
        while (words >> word)
            EXPECT_EQ(shows(word), shown) << word;
    }
}

}  // namespace
}  // namespace scenario
