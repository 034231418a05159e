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
        mover.Load();
        ClearLog();
    }
};

TEST(MoverCommands, WebPagesOpenWithTheButtonPressedMeanwhile) {
    Loaded f;
    bool pressedMeanwhile = false;
    f.shell.whileOpen = [&] {
        pressedMeanwhile = f.controls.Visible(MapControl::CustomMapsPressed) &&
                           !f.controls.Visible(MapControl::CustomMapsButton);
    };
    f.mover.OpenCustomMapsPage();
    EXPECT_EQ(f.log, (EventLog{"open http://www.orlenport.com/fnmb/custom_maps.htm in /opt/tessary"}));
    EXPECT_TRUE(pressedMeanwhile);
    EXPECT_TRUE(f.controls.Visible(MapControl::CustomMapsButton));
    EXPECT_FALSE(f.controls.Visible(MapControl::CustomMapsPressed));
    f.shell.whileOpen = nullptr;
    f.ClearLog();
    f.mover.OpenHomePage();
    EXPECT_EQ(f.log, (EventLog{"open http://www.orlenport.com/ in /opt/tessary"}));

    // No browser: nothing is said and the button gets its face back.
    f.shell.fail = true;
    f.ClearLog();
    f.mover.OpenCustomMapsPage();
    f.mover.OpenHomePage();
    EXPECT_EQ(f.log.size(), 2u);
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_TRUE(f.controls.Visible(MapControl::CustomMapsButton));
    EXPECT_FALSE(f.controls.Visible(MapControl::CustomMapsPressed));
}

TEST(MoverCommands, QuitEndsAtOnceWithoutUnload) {
    Loaded f;
    f.disk.AddFile(f.Stored("Lake.gmx"), "map");
    f.storedList.selected = "Lake.gmx";
    f.mover.ChooseStoredMap();
    f.ClearLog();
    EXPECT_THROW(f.mover.Quit(), fakes::ProcessEnded);
    EXPECT_EQ(f.log, (EventLog{"end process"}));
    EXPECT_TRUE(f.controls.Visible(MapControl::QuitPressed));
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
    EXPECT_EQ(Deliver(f, layout, 60, 320),
              "open http://www.orlenport.com/fnmb/custom_maps.htm in /opt/tessary");
    EXPECT_EQ(Deliver(f, layout, 10, 10, true), "");  // a click on the panel does nothing
    // The install and store buttons, up: each moves its side's chosen map.
    f.disk.AddFile(f.Stored("Lake.gmx"), "map");
    f.storedList.selected = "Lake.gmx";
    f.mover.ChooseStoredMap();
    layout.SetVisible(MapControl::InstallButton, true);
    EXPECT_NE(Deliver(f, layout, 300, 180).find("move " + f.Stored("Lake.gmx")), std::string::npos);
    f.gameList.selected = "Lake.gmx";
    f.mover.ChooseGameMap();
    layout.SetVisible(MapControl::StoreButton, true);
    EXPECT_NE(Deliver(f, layout, 250, 220).find("move " + f.Game("Lake.gmx")), std::string::npos);
    EXPECT_THROW(Deliver(f, layout, 550, 340, true), fakes::ProcessEnded);
}

TEST(MoverEvents, AClickIsAPressAndAReleaseOnTheSameControl) {
    Loaded f;
    const MoverLayoutState layout;
    MoverClicks clicks;
    clicks.Press(layout, 550, 340, LayoutScale{});           // the quit button
    clicks.Release(f.mover, layout, 10, 10, LayoutScale{});  // let go elsewhere
    clicks.Press(layout, 550, 340, LayoutScale{});
    EXPECT_THROW(clicks.Release(f.mover, layout, 551, 341, LayoutScale{}), fakes::ProcessEnded);
    f.ClearLog();
    clicks.Release(f.mover, layout, 550, 340, LayoutScale{});  // no press left
    EXPECT_TRUE(f.log.empty());
}

}  // namespace
}  // namespace tessary
