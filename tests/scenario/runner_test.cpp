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

TEST(Runner, PassingFileReportsItsChecks) {
    const Result r =
        run((std::string(kHourAndAHalf) + "expect kbitps 981\nexpect kBytesps 122.6\n"
                                          "expect bitrate \"981000 bps\"\nexpect-no-message\n")
                .c_str());
    EXPECT_EQ(r.status, Passed);
    EXPECT_EQ(r.out, "t.scn: 4 checks passed\n");
    EXPECT_EQ(r.err, "");
}

TEST(Runner, FailedCheckIsReportedAndStopsTheFile) {
    const Result r =
        run((std::string(kHourAndAHalf) + "expect kbitps 982\nprint kbitps\n").c_str());
    EXPECT_EQ(r.status, Failed);
    EXPECT_EQ(r.err, "FAIL t.scn:7: expected 982, got 981\n");
    EXPECT_EQ(r.out, "");
}

TEST(Runner, FailMessagesQuoteEmptyTextsAndTextsWithBlanks) {
    EXPECT_EQ(run("start\nexpect bitrate \"\"\n").err,
              "FAIL t.scn:2: expected \"\", got \"0 bps\"\n");
    EXPECT_EQ(run("start\nexpect-message \"ERROR! check algorithm.\"\n").err,
              "FAIL t.scn:2: expected message \"ERROR! check algorithm.\", got no message\n");
    EXPECT_EQ(run("start\nexpect-store nothing \"absent\"\n").err,
              "FAIL t.scn:2: expected \"absent\", got absent\n");
}

TEST(Runner, ActionOnTheWrongKindOfControlFails) {
    const Result r = run("start\ntype exit 5\n");
    EXPECT_EQ(r.status, Failed);
    EXPECT_EQ(r.err, "FAIL t.scn:2: expected a text field or combo box, got button Form1.exit\n");
    EXPECT_EQ(run("start\ntick HH\n").err,
              "FAIL t.scn:2: expected a timer, got text field Form1.HH\n");
    EXPECT_EQ(run("start\nclick Disk.DiskCombo \"DVD-6\"\n").err,
              "FAIL t.scn:2: expected an item of Disk.DiskCombo, got DVD-6\n");
}

TEST(Runner, MalformedFileRunsNothing) {
    const Result r = run("store size 700\nprint store size\nstart\nbogus\n");
    EXPECT_EQ(r.status, Malformed);
    EXPECT_EQ(r.err, "t.scn:4: unknown command bogus\n");
    EXPECT_EQ(r.out, "");

    const Result file = run("start\nregistry-file no-such-codec.reg\n");
    EXPECT_EQ(file.status, Malformed);
    EXPECT_EQ(file.err, "t.scn:2: registry-file: cannot read ./no-such-codec.reg: no such file\n");
    EXPECT_EQ(file.out, "");
}

TEST(Runner, NamesTheProgramLacksMakeTheFileMalformed) {
    const Result r = run("start\nprint store cleared\nexpect Form1.nope 1\n");
    EXPECT_EQ(r.status, Malformed);
    EXPECT_EQ(r.out, "t.scn:2: store cleared = 0\n");  // the lines before it did run
    EXPECT_EQ(r.err, "t.scn:3: Form1 has no control or property named nope\n");
    EXPECT_EQ(run("start\nexpect HH.value 1\n").err,
              "t.scn:2: text field Form1.HH has no property value\n");
    EXPECT_EQ(run("start\nexpect-var nope 1\n").err, "t.scn:2: no state variable named nope\n");
    EXPECT_EQ(run("start\nfocus Nowhere.HH\n").err,
              "t.scn:2: no window, and no control of Form1, named Nowhere\n");
}

TEST(Runner, DottedNamesReachWindowsControlsAndProperties) {
    const Result r = run(
        "start\nexpect Form1 Korvel\nexpect Form1.height 5280\nexpect Disk.visible False\n"
        "expect Disk.op2048.value True\nexpect Form1.Timer1.interval 150\n"
        "expect Form1.HH.readonly False\nexpect-var Form2.moving False\nexpect-var busy False\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, Passed);
}

TEST(Runner, SetUpReachesTheProgram) {
    // Queued random numbers come out in order: the pasted hour's pastel colour.
    EXPECT_EQ(run("start\nrandom 0 0 0 0 0 0 0 0 0 0 0 0\npaste HH 01\n"
                  "expect HH.backcolor 201,201,201\n")
                  .status,
              Passed);
    const Result comma =
        run((std::string("locale de_DE\n") + kHourAndAHalf + "expect kBytesps 122,6\n").c_str());
    EXPECT_EQ(comma.err, "");
    EXPECT_EQ(comma.status, Passed);
    EXPECT_EQ(run("store size 650\nstart\nexpect groesse 650\n").status, Passed);
}

TEST(Runner, RestartRunsAgainOverTheSameStore) {
    const Result r =
        run("start\ntype groesse 650\nclick exit\nexpect-ended\nexpect groesse 650\n"
            "type groesse 123\nexpect groesse 650\nrestart\nexpect-running\nexpect groesse 650\n"
            "restart\nexpect-running\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, Passed);
}

TEST(Runner, ReachesTheWindowSystemTheLogTheLauncherPressesAndDrags) {
    const std::string link = quoted(QString::fromUtf8(app::links::homepage)).toStdString();
    const Result r = run(
        ("expect-opened none\nexpect-log \"\"\nstart\nclick pic_calc\nexpect-opened calculator\n"
         "click info\nclick frmAbout.Label3\nexpect-opened " +
         link +
         "\nclose frmAbout\nexpect frmAbout.visible False\n"
         // The press takes the focus first: the hour's lose-focus handling pads it.
         "type HH 5\nmouse down timeUp 0 0\nexpect-focus timeUp\nexpect HH 05\nmouse up timeUp 0 "
         "0\n"
         // A drag scrolls without a change: the width follows, the read-out waits for the release.
         "scroll ScrollBar1 400 drag\nexpect Bwidth 400\nexpect scrollvalue \"\"\n"
         "type notebox debug\ntype audio 9\nexpect-log D\nclose Form1\nexpect-ended\n"
         "expect-store seconds 18000\n")
            .c_str());
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, Passed);
    EXPECT_EQ(run("start\nclose HH\n").err,
              "FAIL t.scn:2: expected a window, got text field Form1.HH\n");
    EXPECT_EQ(run("start\nexpect-opened \"none\"\n").err,
              "FAIL t.scn:2: expected \"none\", got none\n");
    EXPECT_EQ(run("start\nscroll ScrollBar1 5 slowly\n").status, Malformed);
}

TEST(Runner, TraceIndentsHandlersByDepth) {
    const Result r = run("start\n", true);
    EXPECT_EQ(r.out.rfind("Form1_Load\n  Form1.HH_Change\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\nForm1.HH_GotFocus\n"), std::string::npos);
    EXPECT_EQ(run("start\n").out, "t.scn: 0 checks passed\n");
}

}  // namespace
}  // namespace scenario
