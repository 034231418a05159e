#include <gtest/gtest.h>

#include "fakes/fake_mover.h"
#include "forms/mover_layout_state.h"
#include "mapwindow/mover_events.h"

namespace tessary {
namespace {

using fakes::EventLog;
using fakes::MoverFakes;

struct Loaded : MoverFakes {
    Loaded() {
        disk.AddFolder(kStored);
        mover.Form_Load();
        ClearLog();
    }
};

TEST(MoverCommands, WebPagesOpenWithTheButtonPressedMeanwhile) {
    Loaded f;
    f.mover.Image6_MouseDown();
    EXPECT_EQ(f.log, (EventLog{"Image6 hidden", "Image16 shown",
                               "open http://www.orlenport.com/fnmb/custom_maps.htm in /opt/tessary",
                               "Image6 shown", "Image16 hidden"}));
    f.ClearLog();
    f.mover.Image22_MouseDown();
    EXPECT_EQ(f.log, (EventLog{"open http://www.orlenport.com/ in /opt/tessary"}));

    // No browser: nothing is said and the button gets its face back.
    f.shell.fail = true;
    f.ClearLog();
    f.mover.Image6_MouseDown();
    f.mover.Image22_MouseDown();
    EXPECT_EQ(f.log.size(), 6u);
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_TRUE(f.Image(6).Visible());
    EXPECT_FALSE(f.Image(16).Visible());
}

TEST(MoverCommands, QuitEndsAtOnceWithoutUnload) {
    Loaded f;
    f.disk.AddFile(f.Stored("Lake.gmx"), "map");
    f.File2.selected = "Lake.gmx";
    f.mover.File2_Click();
    f.ClearLog();
    EXPECT_THROW(f.mover.Image4_Click(), fakes::ProcessEnded);
    EXPECT_EQ(f.log, (EventLog{"Image14 shown", "end process"}));
    EXPECT_EQ(f.window.regions.LiveRegionCount(), 1u);
    EXPECT_TRUE(f.disk.HasFile(f.Stored("Lake.gmx")));
}

std::string Deliver(Loaded& f, const MoverLayoutState& layout, int x, int y, bool click = false) {
    f.ClearLog();
    const MoverHit hit = HitTest(layout, x, y, LayoutScale{});
    if (click) {
        DeliverClick(f.mover, hit);
    } else {
        DeliverMouseDown(f.mover, hit);
    }
    std::string joined;
    for (const auto& event : f.log) joined += (joined.empty() ? "" : "; ") + event;
    return joined;
}

TEST(MoverEvents, PressesReachTheirHandlersThroughTheLayout) {
    Loaded f;
    MoverLayoutState layout;
    EXPECT_EQ(Deliver(f, layout, 10, 10), "drag");
    EXPECT_EQ(Deliver(f, layout, 497, 280), "");  // the badge: skin
    EXPECT_EQ(Deliver(f, layout, 597, 307), "open http://www.orlenport.com/ in /opt/tessary");
    EXPECT_EQ(Deliver(f, layout, 100, 100), "");  // a list handles its own presses
    EXPECT_EQ(Deliver(f, layout, 300, 300), "");  // the preview area: no drag
    EXPECT_EQ(Deliver(f, layout, 300, 100), "");  // the game picture
    EXPECT_EQ(Deliver(f, layout, 300, 180), "");  // idle install face: acts on click
    EXPECT_EQ(Deliver(f, layout, 300, 180, true).substr(0, 13), "Image2 hidden");
    EXPECT_EQ(Deliver(f, layout, 60, 320).substr(0, 13), "Image6 hidden");
    EXPECT_EQ(Deliver(f, layout, 10, 10, true), "");  // a click on the panel does nothing
    layout.SetVisible("Image12", true);
    EXPECT_EQ(Deliver(f, layout, 300, 180),
              "Image2 hidden; Image12 shown; Image17 hidden; Image18 shown; "
              "Image3 hidden; Image13 hidden; Image2 shown; Image12 hidden; "
              "Image17 hidden; Image18 hidden; Image3 shown; Image13 hidden");
    layout.SetVisible("Image13", true);
    EXPECT_NE(Deliver(f, layout, 250, 220).find("Image13 shown"), std::string::npos);
    EXPECT_THROW(Deliver(f, layout, 550, 340, true), fakes::ProcessEnded);
}

TEST(MoverEvents, AClickIsAPressAndAReleaseOnTheSameControl) {
    Loaded f;
    const MoverLayoutState layout;
    MoverClicks clicks;
    clicks.Press(layout, 300, 180, LayoutScale{});  // the idle install face
    f.ClearLog();
    clicks.Release(f.mover, layout, 10, 10, LayoutScale{});  // let go elsewhere
    EXPECT_TRUE(f.log.empty());
    clicks.Press(layout, 300, 180, LayoutScale{});
    clicks.Release(f.mover, layout, 301, 181, LayoutScale{});
    ASSERT_FALSE(f.log.empty());
    EXPECT_EQ(f.log.front(), "Image2 hidden");
    f.ClearLog();
    clicks.Release(f.mover, layout, 300, 180, LayoutScale{});  // no press left
    EXPECT_TRUE(f.log.empty());
}

}  // namespace
}  // namespace tessary
