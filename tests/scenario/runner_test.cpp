#include "scenario/runner.h"

#include <gtest/gtest.h>

#include <sstream>

#include "app/links.h"
#include "scenario/script.h"

namespace scenario {
namespace {

struct Result {
    Status status;
    std::string out, err;
};

Result run(const char* text, bool trace = false) {
    std::ostringstream out, err;
    Options opts;
    opts.trace = trace;
    const Status s = runText(QStringLiteral("t.scn"), QString::fromUtf8(text), {out, err}, opts);
    return {s, out.str(), err.str()};
}

const char* const kHourAndAHalf =
    "start\ntype HH 01\ntype MM 30\ntype SS 00\ntype audio 96\ntype groesse 700\n";

// A file, how its run ends, and what it writes to standard error and output (none: not looked at).
TEST(Runner, ReportsEachFile) {
    const std::string hour = kHourAndAHalf,
                      link = quoted(QString::fromUtf8(app::links::homepage)).toStdString();
    const struct {
        std::string text;
        Status status;
        const char *err = nullptr, *out = nullptr;
    } rows[] = {
        {hour + "expect kbitps 981\nexpect kBytesps 122.6\nexpect bitrate \"981000 bps\"\n"
                "expect-no-message\n",
         Passed, "", "t.scn: 4 checks passed\n"},
        // A failed check stops the file; texts are quoted where a bare word would not read back.
        {hour + "expect kbitps 982\nprint kbitps\n", Failed,
         "FAIL t.scn:7: expected 982, got 981\n", ""},
        {"start\nexpect bitrate \"\"\n", Failed, "FAIL t.scn:2: expected \"\", got \"0 bps\"\n"},
        {"start\nexpect-message \"ERROR! check algorithm.\"\n", Failed,
         "FAIL t.scn:2: expected message \"ERROR! check algorithm.\", got no message\n"},
        {"start\nexpect-store nothing \"absent\"\n", Failed,
         "FAIL t.scn:2: expected \"absent\", got absent\n"},
        {"start\nexpect-opened \"none\"\n", Failed, "FAIL t.scn:2: expected \"none\", got none\n"},
        // An action on the wrong kind of control fails.
        {"start\ntype exit 5\n", Failed,
         "FAIL t.scn:2: expected a text field or combo box, got button Form1.exit\n"},
        {"start\ntick HH\n", Failed, "FAIL t.scn:2: expected a timer, got text field Form1.HH\n"},
        {"start\nclick Disk.DiskCombo \"DVD-6\"\n", Failed,
         "FAIL t.scn:2: expected an item of Disk.DiskCombo, got DVD-6\n"},
        {"start\nclose HH\n", Failed, "FAIL t.scn:2: expected a window, got text field Form1.HH\n"},
        // A malformed file runs nothing; a name the program lacks stops it where it is met.
        {"store size 700\nprint store size\nstart\nbogus\n", Malformed,
         "t.scn:4: unknown command bogus\n", ""},
        {"start\nregistry-file no-such-codec.reg\n", Malformed,
         "t.scn:2: registry-file: cannot read ./no-such-codec.reg: no such file\n", ""},
        {"start\nscroll ScrollBar1 5 slowly\n", Malformed},
        {"start\nprint store cleared\nexpect Form1.nope 1\n", Malformed,
         "t.scn:3: Form1 has no control or property named nope\n", "t.scn:2: store cleared = 0\n"},
        {"start\nexpect HH.value 1\n", Malformed,
         "t.scn:2: text field Form1.HH has no property value\n"},
        {"start\nexpect-var nope 1\n", Malformed, "t.scn:2: no state variable named nope\n"},
        {"start\nfocus Nowhere.HH\n", Malformed,
         "t.scn:2: no window, and no control of Form1, named Nowhere\n"},
        // Dotted names reach windows, controls and properties.
        {"start\nexpect Form1 Korvel\nexpect Form1.height 5280\nexpect Disk.visible False\n"
         "expect Disk.op2048.value True\nexpect Form1.Timer1.interval 150\n"
         "expect Form1.HH.readonly False\nexpect-var Form2.moving False\nexpect-var busy False\n",
         Passed, ""},
        // A restart runs again over the same store; after the end, actions do nothing.
        {"start\ntype groesse 650\nclick exit\nexpect-ended\nexpect groesse 650\n"
         "type groesse 123\nexpect groesse 650\nrestart\nexpect-running\nexpect groesse 650\n"
         "restart\nexpect-running\n",
         Passed, ""},
        // The window system, the log, the launcher, presses and drags.
        {"expect-opened none\nexpect-log \"\"\nstart\nclick pic_calc\nexpect-opened calculator\n"
         "click info\nclick frmAbout.Label3\nexpect-opened " +
             link +
             "\nclose frmAbout\nexpect frmAbout.visible False\n"
             // The press takes the focus first: the hour's lose-focus handling pads it.
             "type HH 5\nmouse down timeUp 0 0\nexpect-focus timeUp\nexpect HH 05\n"
             "mouse up timeUp 0 0\n"
             // A drag scrolls without a change: the width follows, the read-out waits.
             "scroll ScrollBar1 400 drag\nexpect Bwidth 400\nexpect scrollvalue \"\"\n"
             "type notebox debug\ntype audio 9\nexpect-log D\nclose Form1\nexpect-ended\n"
             "expect-store seconds 18000\n",
         Passed, ""},
    };
    for (const auto& r : rows) {
        const Result got = run(r.text.c_str());
        EXPECT_EQ(got.status, r.status) << r.text;
        EXPECT_EQ(got.err, r.err ? r.err : got.err) << r.text;
        EXPECT_EQ(got.out, r.out ? r.out : got.out) << r.text;
    }
}

TEST(Runner, TraceIndentsHandlersByDepth) {
    const Result r = run("start\n", true);
    EXPECT_EQ(r.out.rfind("Form1_Load\n  Form1.HH_Change\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\nForm1.HH_GotFocus\n"), std::string::npos);
}

}  // namespace
}  // namespace scenario
